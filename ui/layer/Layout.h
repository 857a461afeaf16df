#pragma once
// Window layouts as data: each window describes its controls in one table, and BuildControls
// makes the widgets from it. Tests compare the built widgets with the same table.

#include "Fonts.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <map>
#include <optional>
#include <span>
#include <string>

enum class ControlKind {
    Label,        ///< text that sizes itself to its caption
    Edit,         ///< one-line edit field
    Button,       ///< push button
    CloseButton,  ///< push button that closes its window, with the standard close glyph
    OkButton,     ///< default button with the standard OK glyph
    CancelButton, ///< cancel button with the standard cancel glyph
    Panel,        ///< silver box with raised outer and inner bevels
    Picture,      ///< stored picture or program-drawn bitmap
    Shape,        ///< filled rectangle or circle
    HScrollBar,
    VScrollBar,
    UpDown,  ///< spin buttons attached to an edit field
    ComboBox ///< drop-down list, selection only
};

enum class ShapeKind { Rectangle, Circle };

/// One control of a window's design.
struct ControlSpec {
    const char* Name;
    ControlKind Kind;
    const char* Parent = ""; ///< "" for the window itself
    int Left = 0;
    int Top = 0;
    int Width = 0; ///< 0 for labels, which size themselves
    int Height = 0;
    const char* Text = "";          ///< design text (UTF-8)
    std::optional<QRgb> Color = {}; ///< background or fill
    std::optional<QRgb> FontColor = {};
    const char* FontFamily = ""; ///< "" to use the window's font
    int FontSize = 0;            ///< points, or negative pixels
    FontStyle Style = FontStyle::Regular;
    int Min = 0, Max = 100, Position = 0, Increment = 1; ///< scroll bars and spin buttons
    const char* Associate = "";                          ///< the spin buttons' edit field
    ShapeKind Shape = ShapeKind::Rectangle;
    std::optional<QRgb> PenColor = {}; ///< shape outline; none when empty
    bool Flat = false;                 ///< edit field with a flat, tiled bevel
};

/// The controls of one window by name.
class ControlSet {
public:
    void Add(const std::string& name, QWidget* widget) { widgets_[name] = widget; }
    QWidget* Find(const std::string& name) const;
    template <class T> T* Get(const std::string& name) const {
        return qobject_cast<T*>(Find(name));
    }
    const std::map<std::string, QWidget*>& All() const { return widgets_; }

private:
    std::map<std::string, QWidget*> widgets_;
};

/// Builds the controls of the table on `client`. The window's direct children are moved down by
/// `windowChildShift` pixels (a window stored scrolled by that much).
ControlSet BuildControls(QWidget* client, std::span<const ControlSpec> specs,
                         int windowChildShift = 0);

/// Sets the keyboard order of the named controls, first to last.
void SetTabOrder(const ControlSet& controls, std::span<const char* const> names);
inline void SetTabOrder(const ControlSet& controls, std::initializer_list<const char*> names) {
    SetTabOrder(controls, std::span<const char* const>(names.begin(), names.size()));
}

/// Fills the widget's background with the colour.
void SetBackgroundColor(QWidget* widget, QRgb color);

/// Sets a label's caption (mnemonic marks removed) and sizes the label to it.
void SetLabelCaption(QWidget* label, const QString& caption);
