// Measuring: following one droplet in the microscope, the function keys that time it, and the
// notebook that keeps every timing.
#include "catalogue/TextCatalogue.h"
#include "model/Data.h"
#include "model/DropletChoice.h"
#include "notebook/NotebookStore.h"
#include "ui/DropMarker.h"
#include "ui/Main.h"
#include "ui/NotebookWindow.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QShortcut>
#include <array>
#include <cmath>

namespace {
/// A click selects a droplet when it is at most this far from the marker's centre, in pixels.
constexpr int PickRadius = 6;

QString Text(int n) {
    return QString::fromStdString(Data::GetText(n));
}
} // namespace

void TForm1::SetUpMeasurement() {
    notebook_ = new NotebookStore(this);
    connect(Jegyzfzet1, &QAction::triggered, this, &TForm1::Jegyzfzet1Click);
    connect(Ionizls1, &QAction::triggered, this, &TForm1::Ionizls1Click);
    connect(Brownmozgs1, &QAction::triggered, this, &TForm1::Brownmozgs1Click);
    // The function keys work whichever of the program's windows has the focus.
    const std::pair<Qt::Key, void (TForm1::*)()> keys[] = {
        {Qt::Key_F5, &TForm1::BitBtn4Click},    {Qt::Key_F6, &TForm1::BitBtn5Click},
        {Qt::Key_F7, &TForm1::Jegyzfzet1Click}, {Qt::Key_F8, &TForm1::RecordTiming},
        {Qt::Key_F9, &TForm1::Ionizls1Click},
    };
    for (const auto& [key, handler] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    }
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &TForm1::ClearDropletSelection);
    Image3->installEventFilter(this);

    connect(notebook_, &NotebookStore::OpenProblem, this,
            [this](const QString& path, const QString& aside, const QString& problem) {
                Inform(aside.isEmpty() ? Text(518).arg(path, problem)
                                       : Text(517).arg(path, problem, aside));
            });
    connect(notebook_, &NotebookStore::WriteProblem, this,
            [this](const QString& path, const QString& problem) {
                Inform(Text(519).arg(path, problem));
            });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image3 && event->type() == QEvent::KeyPress &&
        MicroscopeKey(static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == Image3 && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            SelectDropletAt(Image3->mapTo(client_, mouse->position().toPoint()));
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::SelectDropletAt(QPoint point) {
    // Picked among the markers as drawn, in view pixels from the view's centre.
    const QPoint centre =
        Image3->geometry().topLeft() + QPoint(Image3->width() / 2, Image3->height() / 2);
    std::array<Data::MarkerPlace, Data::DropletCount> drawn;
    for (int i = Data::DropletArray::Low; i <= Data::DropletArray::High; ++i) {
        const DropMarker* marker = Data::Drops[i].Marker;
        if (!marker || !marker->isVisibleTo(client_)) continue;
        const QPoint at =
            marker->pos() + QPoint(marker->width() / 2, marker->height() / 2) - centre;
        drawn[static_cast<std::size_t>(i - Data::DropletArray::Low)] = {
            .Shown = true, .X = at.x(), .Y = at.y()};
    }
    const QPoint click = point - centre;
    Data::SelectDroplet(Data::NearestWithin(drawn, click.x(), click.y(), PickRadius));
    PlaceDropletMarkers();
    DescribeMicroscope();
}

void TForm1::ClearDropletSelection() {
    Data::SelectDroplet(0);
    PlaceDropletMarkers();
    DescribeMicroscope();
}

void TForm1::RecordTiming() {
    const Data::NotebookRow row =
        Data::RecordedRow(notebook_->Rows(), sprayNumberOffset_, burstSinceLastRow_);
    burstSinceLastRow_ = false;
    notebook_->Append(row);
    AnnounceRow(row, static_cast<int>(notebook_->Rows().size()));
}

void TForm1::Jegyzfzet1Click() {
    if (!notebookWindow_) {
        notebookWindow_ = new NotebookWindow(notebook_, this);
        notebookWindow_->ApplyCaptions(Identifier());
    }
    notebookWindow_->ShowAndRaise();
}

void TForm1::Ionizls1Click() {
    Data::IoniseDroplets();
    // The next timing is marked, so that the rows before and after the step stand apart.
    burstSinceLastRow_ = true;
}

void TForm1::Brownmozgs1Click() {
    Data::SetBrownianMotion(Brownmozgs1->isChecked());
}

void TForm1::ApplyTeacherSettings() {
    // A teacher may switch the jitter on from the start, and leave radius and charge to the
    // students, in the program folder's catalogue.
    Data::SetBrownianMotion(Data::ProgramSwitch("Settings", "BrownianMotion", false));
    Brownmozgs1->setChecked(Data::BrownianMotion);
    notebook_->SetCalculations(Data::ProgramSwitch("Notebook", "Calculations", true));
}

void TForm1::OpenNotebook() {
    notebook_->OpenFor(Identifier());
}

void TForm1::Inform(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, Text(500), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}
