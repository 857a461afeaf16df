#include "ui/SpokenControls.h"

#include "catalogue/TextCatalogue.h"
#include "ui/layer/Captions.h"
#include "ui/layer/UpDown.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace {

struct Entry {
    SpokenControl Spoken;
    QString Announcement; ///< the last thing said about the control, or empty
};

QHash<const QObject*, Entry>& Registry() {
    static QHash<const QObject*, Entry> registry;
    return registry;
}

class SpokenInterface final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SpokenInterface(QWidget* widget)
        : QAccessibleWidget(widget, Registry().value(widget).Spoken.Role) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface && Spoken() && Spoken()->Number)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        const Entry* entry = Found();
        if (!entry) return QAccessibleWidget::text(t);
        const SpokenControl& s = entry->Spoken;
        switch (t) {
        case QAccessible::Name:
            return s.Name ? s.Name() : QString();
        case QAccessible::Value:
            return s.Reading ? s.Reading() : QString();
        case QAccessible::Description:
            if (!entry->Announcement.isEmpty()) return entry->Announcement;
            return s.Reading ? s.Reading() : QString();
        case QAccessible::Help:
            return s.Help ? s.Help() : QString();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QVariant currentValue() const override {
        const std::optional<double> n = Spoken() ? Spoken()->Number() : std::nullopt;
        return n ? QVariant(*n) : QVariant();
    }
    void setCurrentValue(const QVariant& value) override {
        if (Spoken() && Spoken()->SetNumber) Spoken()->SetNumber(value.toDouble());
    }
    QVariant maximumValue() const override { return Spoken() ? Spoken()->Maximum : 0.0; }
    QVariant minimumValue() const override { return Spoken() ? Spoken()->Minimum : 0.0; }
    QVariant minimumStepSize() const override { return 0.0; }

private:
    const Entry* Found() const {
        const auto it = Registry().constFind(object());
        return it == Registry().constEnd() ? nullptr : &*it;
    }
    const SpokenControl* Spoken() const {
        const Entry* entry = Found();
        return entry ? &entry->Spoken : nullptr;
    }
};

std::function<void(QAccessibleEvent*)>& Watcher() {
    static std::function<void(QAccessibleEvent*)> watcher;
    return watcher;
}

/// Sends the event to assistive technology (Qt drops it when none listens) and to the watcher.
void Tell(QAccessibleEvent& event) {
    QAccessible::updateAccessibility(&event);
    if (Watcher()) Watcher()(&event);
}

QAccessibleInterface* SpokenFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && Registry().contains(widget) ? new SpokenInterface(widget) : nullptr;
}

} // namespace

void MakeSpoken(QWidget* widget, SpokenControl spoken) {
    static const bool installed = [] {
        QAccessible::installFactory(SpokenFactory);
        return true;
    }();
    (void)installed;
    const bool known = Registry().contains(widget);
    Registry().insert(widget, Entry{std::move(spoken), {}});
    // An interface Qt made for the widget before (a change it reported while the window was being
    // built) would stand in for ours: it is dropped, and the next question makes ours.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
        made && !dynamic_cast<SpokenInterface*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    if (!known)
        QObject::connect(widget, &QObject::destroyed, [widget] { Registry().remove(widget); });
}

QString SpokenText(int n) {
    return WithoutMnemonics(QString::fromStdString(Data::GetText(n)));
}

void NamesChanged(std::initializer_list<QWidget*> widgets) {
    for (QWidget* widget : widgets) {
        QAccessibleEvent event(widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void MakeSpinButtonsSpoken(TUpDown* upDown, int name) {
    const auto number = [upDown]() -> std::optional<double> {
        bool ok = false;
        const double typed = upDown->Associate()->text().trimmed().toDouble(&ok);
        return ok ? typed : static_cast<double>(upDown->Position());
    };
    MakeSpoken(upDown, {.Role = QAccessible::SpinBox,
                        .Name = [name] { return SpokenText(name); },
                        .Reading = [number] { return QString::number(*number()); },
                        .Number = number,
                        .Minimum = static_cast<double>(upDown->Min()),
                        .Maximum = static_cast<double>(upDown->Max()),
                        .SetNumber =
                            [upDown](double v) {
                                const double min = upDown->Min(), max = upDown->Max();
                                upDown->SetPosition(static_cast<int>(std::clamp(v, min, max)));
                            }});
}

void ReadingChanged(QWidget* widget) {
    const auto it = Registry().constFind(widget);
    if (it == Registry().constEnd()) return;
    // A change of the number goes to the value interface; every reading is also the description
    // (unless an announcement stands in for it).
    if (it->Spoken.Number) {
        const std::optional<double> number = it->Spoken.Number();
        QAccessibleValueChangeEvent event(widget, number ? QVariant(*number) : QVariant());
        Tell(event);
    }
    if (it->Announcement.isEmpty()) {
        QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
        Tell(event);
    }
}

void WatchSpokenEvents(std::function<void(QAccessibleEvent*)> watcher) {
    Watcher() = std::move(watcher);
}

void Announce(QWidget* widget, const QString& text) {
    const auto it = Registry().find(widget);
    if (it == Registry().end()) return;
    it->Announcement = text;
    QAccessibleEvent changed(widget, QAccessible::DescriptionChanged);
    Tell(changed);
    QAccessibleEvent alert(widget, QAccessible::Alert);
    Tell(alert);
}
