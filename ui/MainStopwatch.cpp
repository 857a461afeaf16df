// The stopwatch panel: Start/Reset, Stop and the display, in simulated time.
#include "Data.h"
#include "Main.h"

void TForm1::BitBtn4Click() {
    // Restarting while running counts from zero again; the display changes at the next tick.
    Data::StopwatchStart = Data::SimTime;
    Data::StopwatchRunning = true;
}

void TForm1::BitBtn5Click() {
    Data::StopwatchRunning = false;
}

void TForm1::ShowStopwatch(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    // Most ticks do not change the tenths; leave the field alone then.
    if (Edit1->text() != shown) Edit1->setText(shown);
}
