#pragma once
// Window layouts as data: each window describes its controls in one table, and BuildControls
// makes the widgets from it. A table or a binding that names a control the window does not have
// stops the program at once, with the name: a typo never becomes a silent fallback.

#include "ui/layer/Fonts.h"
#include "ui/layer/Shape.h"

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
    TShape::Kind Shape = TShape::Kind::Rectangle;
    std::optional<QRgb> PenColor = {}; ///< shape outline; none when empty
    bool Flat = false;                 ///< edit field with a flat, tiled bevel
};

/// The controls of one window by name.
class ControlSet {
public:
    void Add(const std::string& name, QWidget* widget);
    /// The control of that name, or null.
    QWidget* Find(const std::string& name) const;
    /// The control of that name if it is a T, or null.
    template <class T> T* Get(const std::string& name) const {
        return qobject_cast<T*>(Find(name));
    }
    /// The control of that name, which must exist and be a T: anything else stops the program.
    template <class T> T* Bind(const std::string& name) const {
        T* control = Get<T>(name);
        if (!control) FailBinding(name, T::staticMetaObject.className());
        return control;
    }
    const std::map<std::string, QWidget*>& All() const { return widgets_; }

private:
    [[noreturn]] void FailBinding(const std::string& name, const char* kind) const;

    std::map<std::string, QWidget*> widgets_;
};

/// Builds the controls of the table on `client`. The window's direct children are moved down by
/// `windowChildShift` pixels (a window stored scrolled by that much).
ControlSet BuildControls(QWidget* client, std::span<const ControlSpec> specs,
                         int windowChildShift = 0);

/// Sets the keyboard order of the named controls, first to last; every name must exist.
void SetTabOrder(const ControlSet& controls, std::span<const char* const> names);
inline void SetTabOrder(const ControlSet& controls, std::initializer_list<const char*> names) {
    SetTabOrder(controls, std::span<const char* const>(names.begin(), names.size()));
}

/// Fills the widget's background with the colour.
void SetBackgroundColor(QWidget* widget, QRgb color);

/// Sets a label's caption (mnemonic marks removed) and sizes the label to it.
void SetLabelCaption(QWidget* label, const QString& caption);
