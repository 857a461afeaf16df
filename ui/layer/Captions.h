#pragma once
// Texts with keyboard mnemonics: "&" marks the next letter, "&&" shows an ampersand.

#include <QString>

/// The text as a label shows it: mnemonic marks removed, "&&" shown as "&".
QString WithoutMnemonics(const QString& caption);

/// The text shown as it stands on a control that reads mnemonics: every "&" doubled.
QString EscapeMnemonics(const QString& shown);
