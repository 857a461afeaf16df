#include "ui/layer/Layout.h"

#include "catalogue/TextCatalogue.h"
#include "ui/layer/BevelPanel.h"
#include "ui/layer/Captions.h"
#include "ui/layer/Picture.h"
#include "ui/layer/Shape.h"
#include "ui/layer/UpDown.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace {

void SetBackground(QWidget* w, QRgb color, QPalette::ColorRole role = QPalette::Window) {
    QPalette palette = w->palette();
    palette.setColor(role, QColor(color));
    w->setPalette(palette);
    if (role == QPalette::Window) w->setAutoFillBackground(true);
}

void SetTextColor(QWidget* w, QRgb color) {
    QPalette palette = w->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, QColor(color));
    w->setPalette(palette);
}

[[noreturn]] void Fail(const std::string& message) {
    qFatal("Window layout: %s", message.c_str());
}

QWidget* Make(const ControlSpec& spec, QWidget* parent) {
    switch (spec.Kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(parent);
        if (spec.Color) SetBackground(edit, *spec.Color, QPalette::Base);
        if (spec.Flat) edit->setFrame(true);
        edit->setReadOnly(spec.ReadOnly);
        return edit;
    }
    case ControlKind::Button:
    case ControlKind::CloseButton:
    case ControlKind::OkButton:
    case ControlKind::CancelButton: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        const QStyle::StandardPixmap glyph =
            spec.Kind == ControlKind::CloseButton    ? QStyle::SP_DialogCloseButton
            : spec.Kind == ControlKind::OkButton     ? QStyle::SP_DialogOkButton
            : spec.Kind == ControlKind::CancelButton ? QStyle::SP_DialogCancelButton
                                                     : QStyle::SP_CustomBase;
        if (glyph != QStyle::SP_CustomBase) button->setIcon(button->style()->standardIcon(glyph));
        if (spec.Kind == ControlKind::OkButton) button->setDefault(true);
        return button;
    }
    case ControlKind::Panel: {
        auto* panel = new TPanel(parent);
        panel->SetBevels(TPanel::Bevel::Raised, TPanel::Bevel::Raised, 3);
        if (spec.Color) panel->SetColor(QColor(*spec.Color));
        return panel;
    }
    case ControlKind::Picture:
        return new TImage(parent);
    case ControlKind::Shape: {
        auto* shape = new TShape(parent);
        shape->SetKind(spec.Shape);
        if (spec.Color) shape->SetBrushColor(QColor(*spec.Color));
        shape->SetPenColor(spec.PenColor ? QColor(*spec.PenColor) : QColor());
        return shape;
    }
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar: {
        auto* bar = new QScrollBar(
            spec.Kind == ControlKind::HScrollBar ? Qt::Horizontal : Qt::Vertical, parent);
        bar->setRange(spec.Min, spec.Max);
        bar->setValue(spec.Position);
        bar->setSingleStep(1); // arrow and trough clicks both move by one
        bar->setPageStep(1);
        return bar;
    }
    case ControlKind::UpDown: {
        auto* upDown = new TUpDown(parent);
        upDown->SetRange(spec.Min, spec.Max);
        upDown->SetIncrement(spec.Increment);
        return upDown;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(parent);
    case ControlKind::Memo: {
        auto* memo = new QPlainTextEdit(parent);
        memo->setReadOnly(true);
        // Tab moves on to the next control instead of writing into the text.
        memo->setTabChangesFocus(true);
        return memo;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(false);
        return combo;
    }
    }
    Fail(std::string("control ") + spec.Name + " has no known kind");
}

void SetDesignText(QWidget* w, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(w)) return SetLabelCaption(label, text);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->setText(text);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->setText(text);
}

} // namespace

void ControlSet::Add(const std::string& name, QWidget* widget) {
    if (!widgets_.emplace(name, widget).second) Fail("two controls are named " + name);
}

QWidget* ControlSet::Find(const std::string& name) const {
    const auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

void ControlSet::FailBinding(const std::string& name, const char* kind) const {
    QWidget* found = Find(name);
    Fail(found ? "control " + name + " is a " + found->metaObject()->className() + ", not a " + kind
               : "there is no control named " + name);
}

ControlSet BuildControls(QWidget* client, std::span<const ControlSpec> specs,
                         int windowChildShift) {
    ControlSet controls;
    for (const ControlSpec& spec : specs) {
        const bool onWindow = spec.Parent[0] == '\0';
        QWidget* parent = onWindow ? client : controls.Find(spec.Parent);
        if (!parent)
            Fail(std::string("control ") + spec.Name + " names a parent that comes nowhere " +
                 "before it: " + spec.Parent);
        QWidget* w = Make(spec, parent);
        w->setObjectName(QString::fromLatin1(spec.Name));
        if (spec.FontFamily[0] != '\0')
            w->setFont(DesignFont(QString::fromUtf8(spec.FontFamily),
                                  spec.FontSize ? spec.FontSize : DefaultPointSize, spec.Style));
        else if (spec.FontSize != 0 || spec.Style != FontStyle::Regular)
            w->setFont(StyledFont(parent->font(), spec.FontSize, spec.Style));
        if (spec.FontColor) SetTextColor(w, *spec.FontColor);
        if (spec.Color && spec.Kind == ControlKind::Label) SetBackground(w, *spec.Color);
        const int top = spec.Top + (onWindow ? windowChildShift : 0);
        if (spec.Width > 0 && spec.Height > 0)
            w->setGeometry(spec.Left, top, spec.Width, spec.Height);
        else
            w->move(spec.Left, top);
        SetDesignText(w, QString::fromUtf8(spec.Text));
        if (spec.Kind == ControlKind::UpDown) {
            auto* field = controls.Get<QLineEdit>(spec.Associate);
            if (!field)
                Fail(std::string("spin buttons ") + spec.Name +
                     " name no edit field before them: " + spec.Associate);
            static_cast<TUpDown*>(w)->SetAssociate(field);
            // The field already shows its design text.
            static_cast<TUpDown*>(w)->SetPositionQuietly(spec.Position);
        }
        // A hidden control stays hidden, with its children, until the program shows it.
        w->setVisible(!spec.Hidden);
        controls.Add(spec.Name, w);
    }
    return controls;
}

void SetTabOrder(const ControlSet& controls, std::span<const char* const> names) {
    QWidget* previous = nullptr;
    for (const char* name : names) {
        QWidget* w = controls.Find(name);
        if (!w) Fail(std::string("the keyboard order names no control ") + name);
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void SetBackgroundColor(QWidget* widget, QRgb color) {
    SetBackground(widget, color);
}

void ApplyDesignCaptions(const ControlSet& controls, std::span<const ControlSpec> specs) {
    for (const ControlSpec& spec : specs) {
        if (spec.Caption == 0) continue;
        QWidget* control = controls.Find(spec.Name);
        if (!control) Fail(std::string("a caption for no control: ") + spec.Name);
        const QString text = QString::fromStdString(Data::GetText(spec.Caption));
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(spec.KeylessCaption ? EscapeMnemonics(WithoutMnemonics(text)) : text);
        else
            SetLabelCaption(control, text);
    }
}

void SetLabelCaption(QWidget* label, const QString& caption) {
    auto* l = qobject_cast<QLabel*>(label);
    if (!l) return;
    l->setText(WithoutMnemonics(caption));
    l->adjustSize();
}
