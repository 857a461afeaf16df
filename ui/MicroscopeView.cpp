#include "ui/MicroscopeView.h"

#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "lab/Session.h"
#include "ui/DropMarker.h"
#include "ui/PictureImages.h"
#include "ui/SpokenControls.h"
#include "ui/layer/Captions.h"
#include "ui/layer/KeyNames.h"
#include "ui/layer/Picture.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {
/// The description is brought up to date at most this often, ms.
constexpr int DescriptionPeriod = 1000;

} // namespace

MicroscopeView::MicroscopeView(QWidget* client, const ControlSet& controls,
                               const Lab::Session& session)
    : QObject(client), Image3(controls.Bind<TImage>("Image3")),
      ScrollBar1(controls.Bind<QScrollBar>("ScrollBar1")),
      ScrollBar2(controls.Bind<QScrollBar>("ScrollBar2")), Label1(controls.Bind<QLabel>("Label1")),
      Label2(controls.Bind<QLabel>("Label2")), BitBtn1(controls.Bind<QPushButton>("BitBtn1")),
      client_(client), session_(session), describeTimer_(new QTimer(this)) {
    for (QScrollBar* bar : {ScrollBar1, ScrollBar2})
        bar->setFocusPolicy(Qt::TabFocus);
    // The microscope takes the focus (by Tab, or by a click on a droplet) to follow droplets
    // from the keyboard.
    Image3->setFocusPolicy(Qt::StrongFocus);
    Image3->SetPicture(MicroscopeFieldPicture());
    Image3->installEventFilter(this);
    MakeSpoken(Image3, {.Role = QAccessible::Canvas,
                        .Name = [] { return SpokenText(Texts::SpokenMicroscope); },
                        .Reading = [this] { return description_; },
                        .Help = [] { return SpokenText(Texts::MicroscopeKeys); }});
    // The description is kept up to date only while assistive technology listens: otherwise the
    // timer would wake a program that has nothing to show once a second.
    describeTimer_->setInterval(DescriptionPeriod);
    connect(describeTimer_, &QTimer::timeout, this, &MicroscopeView::Describe);
    describeSwitch_ = std::make_unique<DescriptionSwitch>(describeTimer_);
    QAccessible::installActivationObserver(describeSwitch_.get());
    describeSwitch_->accessibilityActiveChanged(QAccessible::isActive());
}

MicroscopeView::~MicroscopeView() {
    for (Data::TDroplet& d : Data::Drops)
        d.Marker = nullptr;
}

MicroscopeView::DescriptionSwitch::DescriptionSwitch(QTimer* timer) : timer_(timer) {}

MicroscopeView::DescriptionSwitch::~DescriptionSwitch() {
    QAccessible::removeActivationObserver(this);
}

void MicroscopeView::DescriptionSwitch::accessibilityActiveChanged(bool active) {
    if (active)
        timer_->start();
    else
        timer_->stop();
}

void MicroscopeView::CreateMarkers() {
    markers_ = std::make_unique<MarkerLayer>(client_, Image3, Data::DropletCount);
    for (int i = Data::DropletArray::Low; i <= Data::DropletArray::High; ++i)
        Data::Drops[i].Marker = markers_->Marker(i - Data::DropletArray::Low);
}

QPoint MicroscopeView::Centre() const {
    return Image3->geometry().topLeft() + QPoint(Image3->width() / 2, Image3->height() / 2);
}

void MicroscopeView::DrawMarkers() {
    const QPoint centre = Centre();
    const Lab::MarkerTable& places = session_.Markers();
    for (int i = Data::DropletArray::Low; i <= Data::DropletArray::High; ++i) {
        DropMarker* marker = Data::Drops[i].Marker;
        if (!marker) continue;
        marker->SetSelected(i == session_.Followed());
        const Data::MarkerPlace& place = places[static_cast<std::size_t>(i - 1)];
        if (place.Shown) {
            const QPoint at =
                centre + QPoint(place.X - marker->width() / 2, place.Y - marker->height() / 2);
            // Most markers stay on their pixel for a few ticks; Qt makes every move count, even
            // to where the marker already is.
            if (marker->pos() != at) marker->move(at);
        }
        // Only changes of visibility cost a repaint; a marker that stays shown is just moved.
        if (marker->isHidden() == place.Shown) marker->setVisible(place.Shown);
    }
}

void MicroscopeView::DrawReadouts() {
    const std::pair<QScrollBar*, QLabel*> bars[] = {{ScrollBar1, Label1}, {ScrollBar2, Label2}};
    for (const Lab::Axis axis : {Lab::Axis::Across, Lab::Axis::UpDown}) {
        const auto& [bar, label] = bars[axis == Lab::Axis::Across ? 0 : 1];
        const QString readout = QString::fromStdString(session_.Readout(axis));
        if (label->text() != readout) {
            label->setText(readout);
            label->adjustSize();
        }
        bar->setAccessibleDescription(readout.trimmed());
        // A change of position runs the bar's own handler, which finds the view there already.
        bar->setValue(session_.ScrollPosition(axis));
    }
}

void MicroscopeView::Describe() {
    const QString text = QString::fromStdString(session_.MicroscopeDescription());
    // Restarted at every description, so that one made at once (a key press) is not followed by
    // another within the period.
    if (describeTimer_->isActive()) describeTimer_->start();
    if (text == description_) return;
    description_ = text;
    ReadingChanged(Image3);
}

void MicroscopeView::ApplyNames() {
    ScrollBar1->setAccessibleName(SpokenText(Texts::SpokenViewAcross));
    ScrollBar2->setAccessibleName(SpokenText(Texts::SpokenViewUpDown));
    NamesChanged({Image3});
    Describe();
}

bool MicroscopeView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image3 && event->type() == QEvent::KeyPress) {
        const QString name = KeyName(static_cast<QKeyEvent*>(event));
        if (Lab::Session::FollowKeyNamed(name.toStdString()) || name == "Escape") {
            emit KeyPressed(name);
            return true;
        }
    }
    if (watched == Image3 && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            emit Clicked(Image3->mapTo(client_, mouse->position().toPoint()) - Centre());
    }
    return QObject::eventFilter(watched, event);
}
