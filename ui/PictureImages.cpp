#include "ui/PictureImages.h"

#include "assets/Pictures.h"

namespace {
/// The picture's own pixels seen as an image, not copied: both are kept for the run.
QImage Wrap(const Pictures::Picture& picture) {
    return QImage(reinterpret_cast<const uchar*>(picture.Pixels.data()), picture.Width,
                  picture.Height, static_cast<qsizetype>(picture.Width) * 4, QImage::Format_RGB32);
}
} // namespace

const QImage& MicroscopeFieldPicture() {
    static const QImage image = Wrap(Pictures::MicroscopeField());
    return image;
}

const QImage& ThermometerPicture() {
    static const QImage image = Wrap(Pictures::Thermometer());
    return image;
}
