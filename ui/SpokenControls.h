#pragma once
// What assistive technology is told about the controls the program draws itself (the microscope,
// the voltmeter, the lamp, the thermometer, the stopwatch display, the spin buttons): a role, a
// name and a reading in words, and a number where the reading is one. Qt's accessibility bridge
// passes them on to screen readers (AT-SPI on Linux): the name as the accessible name, the reading
// as the value and as the description, which is the text AT-SPI itself carries.

#include <QAccessible>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>

class QWidget;
class TUpDown;

/// How one control speaks. Name and Reading are asked for whenever assistive technology asks.
struct SpokenControl {
    QAccessible::Role Role = QAccessible::Client;
    std::function<QString()> Name;
    std::function<QString()> Reading;
    /// A number for the reading, with its range; empty for readings that are no number.
    std::function<std::optional<double>()> Number = {};
    double Minimum = 0;
    double Maximum = 0;
    /// Sets the number from assistive technology; empty for instruments that only show one.
    std::function<void(double)> SetNumber = {};
    std::function<QString()> Help = {};
};

/// Makes the widget speak as described, for as long as it lives. Call before assistive
/// technology first asks about the widget (Qt keeps the first interface it makes for a widget).
void MakeSpoken(QWidget* widget, SpokenControl spoken);

/// Catalogue text n as assistive technology says it: without mnemonic marks.
QString SpokenText(int n);

/// Tells assistive technology that the names of these widgets changed (the catalogue's language).
void NamesChanged(std::initializer_list<QWidget*> widgets);

/// Makes spin buttons speak as the number in their field, from which they step (their own position
/// while the field holds none), named by catalogue text `name`; assistive technology may set them.
void MakeSpinButtonsSpoken(TUpDown* upDown, int name);

/// Tells assistive technology that the widget's reading changed.
void ReadingChanged(QWidget* widget);

/// Also passes every event the spoken controls send to `watcher` (or to none when empty), whether
/// or not assistive technology listens: a log of what a screen reader would have been told.
void WatchSpokenEvents(std::function<void(QAccessibleEvent*)> watcher);

/// Says `text` about a spoken widget: it becomes the widget's description until its next
/// announcement, and a screen reader hears it as a change of the description (and, where the
/// platform passes alerts on, as an alert).
void Announce(QWidget* widget, const QString& text);
