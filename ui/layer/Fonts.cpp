#include "ui/layer/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {
// Each design family and the installed families that look closest, best first. Liberation Sans
// has the metrics of Arial; at small sizes it also stands in well for the bitmap sans fonts.
QStringList Substitutes(const QString& family) {
    const QString name = family.toLower();
    if (name == "smallfont" || name == "small fonts")
        return {"Liberation Sans", "DejaVu Sans", "Arial", "Sans Serif"};
    if (name == "arial") return {"Liberation Sans", "Arial", "DejaVu Sans", "Sans Serif"};
    return {"Liberation Sans", "Microsoft Sans Serif", "Arial", "DejaVu Sans", "Sans Serif"};
}
} // namespace

QFont DesignFont(const QString& family, int size, FontStyle style) {
    QFont font;
    font.setFamilies(Substitutes(family));
    return StyledFont(font, size, style);
}

QFont StyledFont(QFont font, int size, FontStyle style) {
    if (size != 0) font.setPixelSize(DesignPixelSize(size));
    font.setBold(style == FontStyle::Bold || style == FontStyle::BoldItalic);
    font.setItalic(style == FontStyle::Italic || style == FontStyle::BoldItalic);
    return font;
}

QFont DefaultFont() {
    return DesignFont(DefaultFontFamily, DefaultPointSize);
}
