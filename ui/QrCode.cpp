#include "ui/QrCode.h"

#include <QPainter>
#include <memory>
#include <qrencode.h>

namespace {
constexpr int QuietZone = 4; ///< modules of white around the code
} // namespace

QImage QrCodeImage(const QString& text, int moduleSize) {
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(utf8.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code || moduleSize < 1) return {};
    const int modules = code->width;
    const int side = (modules + 2 * QuietZone) * moduleSize;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < modules; ++y)
        for (int x = 0; x < modules; ++x)
            // The lowest bit of each module's byte says whether it is dark.
            if (code->data[y * modules + x] & 1)
                painter.fillRect((x + QuietZone) * moduleSize, (y + QuietZone) * moduleSize,
                                 moduleSize, moduleSize, Qt::black);
    return image;
}
