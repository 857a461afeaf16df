#pragma once
// A QR code of a text, drawn by libqrencode: black modules on white with the four-module quiet
// zone that readers need around it.

#include <QImage>
#include <QString>

/// The QR code of `text` (UTF-8, error correction M) with modules of `moduleSize` pixels; a null
/// image when the text is too long for any QR code.
QImage QrCodeImage(const QString& text, int moduleSize);
