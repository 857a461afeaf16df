#pragma once
// Window layouts as data: each window describes its controls in one table, and BuildControls
// makes the widgets from it. A table or a binding that names a control the window does not have
// stops the program at once, with the name: a typo never becomes a silent fallback.

#include "design/ControlSpec.h"
#include "ui/layer/Fonts.h"
#include "ui/layer/Shape.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <map>
#include <optional>
#include <span>
#include <string>

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

/// Gives every control of the table that has a caption its catalogue text: a label without
/// mnemonic marks, a button with them (or without, where the design says another control has
/// the key).
void ApplyDesignCaptions(const ControlSet& controls, std::span<const ControlSpec> specs);
