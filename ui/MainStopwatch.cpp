// The stopwatch panel: Start/Reset, Stop and the display, in simulated time.
#include "model/Data.h"
#include "ui/Main.h"

void TForm1::BitBtn4Click() {
    // Restarting while running counts from zero again; the display changes at the next tick.
    Data::StartStopwatch();
}

void TForm1::BitBtn5Click() {
    Data::StopStopwatch();
    AnnounceStopwatch();
}

void TForm1::ShowStopwatch(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (ViewUnseen()) {
        stopwatchBehind_ = shown; // shown once the window can be seen again
        return;
    }
    // Most ticks do not change the tenths; leave the field alone then.
    if (Edit1->text() != shown) Edit1->setText(shown);
}
