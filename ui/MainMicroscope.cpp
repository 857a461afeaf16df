// The microscope view: the droplet markers over the field picture, the injection, and the scroll
// bars that shift the view with their millimetre readouts.
#include "model/Data.h"
#include "model/FieldParsing.h"
#include "model/Notebook.h"
#include "model/ViewGeometry.h"
#include "notebook/NotebookStore.h"
#include "ui/DropMarker.h"
#include "ui/Main.h"
#include "ui/layer/WindowVisibility.h"

namespace {
/// The scroll bars' position for the view's home.
constexpr int ScrollCentre = 50;

QString OffsetReadout(int position) {
    return QString::fromStdString(Data::FormatFixed(position * 0.004, 6, 3)) + " mm     ";
}
} // namespace

void TForm1::CreateDropletMarkers() {
    Data::ClearDroplets();
    markerLayer_ = std::make_unique<MarkerLayer>(client_, Image3, Data::DropletCount);
    for (int i = Data::DropletArray::Low; i <= Data::DropletArray::High; ++i)
        Data::Drops[i].Marker = markerLayer_->Marker(i - Data::DropletArray::Low);
}

std::uint32_t TForm1::TicksTogether() const {
    const int most = static_cast<int>(TIdozito::MostFiringsTogether);
    if (visibility_ && !visibility_->Seen()) return TIdozito::AllTogether;
    // Seen again with the view left behind: the next tick brings it up to date on its own time.
    if (viewBehind_) return 1;
    // A relaxing chamber moves the thermometer column now and then; a droplet near the field
    // may step onto a new pixel at any tick.
    if (!ThermometerSettled()) return 1;
    if (Data::ChamberAtRest()) return TIdozito::AllTogether;
    if (!Data::DropletsStayOutOfView(most, Data::MarkerFieldRadius)) return 1;
    return static_cast<std::uint32_t>(Data::TicksUntilStopwatchChanges(most));
}

bool TForm1::ViewUnseen() const {
    // A tick followed at once by more of its group is seen by nobody: the last one shows.
    return (visibility_ && !visibility_->Seen()) || Idozito->FiringsLeft() > 0;
}

void TForm1::RefreshView() {
    if (ViewUnseen()) {
        viewBehind_ = true;
        return;
    }
    PlaceDropletMarkers();
    UpdateThermometer();
    if (viewBehind_) {
        viewBehind_ = false;
        if (!stopwatchBehind_.isEmpty()) Edit1->setText(stopwatchBehind_);
        stopwatchBehind_.clear();
    }
}

void TForm1::PlaceDropletMarkers() {
    const int cx = Image3->x() + Image3->width() / 2;
    const int cy = Image3->y() + Image3->height() / 2;
    for (int i = Data::DropletArray::Low; i <= Data::DropletArray::High; ++i) {
        DropMarker* marker = Data::Drops[i].Marker;
        if (!marker) continue;
        marker->SetSelected(i == Data::SelectedDroplet);
        const Data::MarkerPlace place = Data::MarkerPlaceOf(i);
        if (place.Shown) {
            const QPoint at(cx + place.X - marker->width() / 2,
                            cy + place.Y - marker->height() / 2);
            // Most markers stay on their pixel for a few ticks; Qt makes every move count, even
            // to where the marker already is.
            if (marker->pos() != at) marker->move(at);
        }
        // Only changes of visibility cost a repaint; a marker that stays shown is just moved.
        if (marker->isHidden() == place.Shown) marker->setVisible(place.Shown);
    }
}

void TForm1::BitBtn1Click() {
    Data::InjectAllDroplets();
    // New droplets get notebook numbers of their own, never those of an earlier spray's.
    sprayNumberOffset_ = Data::SprayNumberOffset(notebook_->Rows());
    ApplyVoltage();
    // The view is recentred, so the scroll bars go back to the centre too; otherwise their
    // readouts would show a position the view no longer has.
    ScrollBar1->setValue(ScrollCentre);
    ScrollBar2->setValue(ScrollCentre);
    DescribeMicroscope();
}

void TForm1::ScrollBar1Change() {
    const int position = ScrollBar1->value();
    Label1->setText(OffsetReadout(position));
    Label1->adjustSize();
    ScrollBar1->setAccessibleDescription(Label1->text().trimmed());
    Data::ShiftViewX(position);
    PlaceDropletMarkers();
}

void TForm1::ScrollBar2Change() {
    const int position = ScrollBar2->value();
    Label2->setText(OffsetReadout(position));
    Label2->adjustSize();
    ScrollBar2->setAccessibleDescription(Label2->text().trimmed());
    Data::ShiftViewY(position);
    PlaceDropletMarkers();
}
