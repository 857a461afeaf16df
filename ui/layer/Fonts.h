#pragma once
// Fonts named as in the window designs, mapped in one place to the closest fonts on the machine.

#include "design/ControlSpec.h"

#include <QFont>
#include <QString>

/// The font of a design: a family name ("MS Sans Serif", "SmallFont", "Arial") and a size in
/// points at 96 dots per inch, or a negative size for pixels (-19 is 19 pixels high).
QFont DesignFont(const QString& family, int size, FontStyle style = FontStyle::Regular);

/// `base` with a design size (0 keeps its size) and style.
QFont StyledFont(QFont base, int size, FontStyle style);

/// The windows' default font: "MS Sans Serif", 8 points (11 pixels).
QFont DefaultFont();
constexpr int DefaultPointSize = DefaultFontPointSize;
