#include "ui/layer/UpDown.h"

#include "design/SpinStep.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWheelEvent>
#include <algorithm>

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
    repeat_.setInterval(80);
    connect(&repeat_, &QTimer::timeout, this, [this] {
        repeat_.setInterval(80);
        if (pressed_) Step(pressed_);
    });
}

void TUpDown::SetAssociate(QLineEdit* field) {
    if (field_) field_->removeEventFilter(this);
    field_ = field;
    if (field_) field_->installEventFilter(this);
}

void TUpDown::SetRange(int min, int max) {
    min_ = std::min(min, max);
    max_ = std::max(min, max);
}

void TUpDown::SetIncrement(int increment) {
    increment_ = std::max(increment, 1);
}

void TUpDown::SetPosition(int position) {
    if (forwarding_) {
        emit MoveRequested(position);
        return;
    }
    position = std::clamp(position, min_, max_);
    if (position == position_) return;
    position_ = position;
    if (field_) field_->setText(QString::number(position_));
    emit Changed(position_);
}

void TUpDown::SetPositionQuietly(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) return;
    position_ = position;
    emit Changed(position_);
}

void TUpDown::ShowDecided(int position, const QString& fieldText) {
    SetPositionQuietly(position);
    if (field_ && field_->text() != fieldText) field_->setText(fieldText);
}

void TUpDown::Step(int direction) {
    if (forwarding_) {
        emit StepRequested(direction < 0 ? -1 : 1);
        return;
    }
    const std::optional<long long> typed =
        field_ && reader_ ? reader_(field_->text()) : std::nullopt;
    SetPosition(SpinStep(position_, typed, direction, min_, max_, increment_));
}

void TUpDown::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int half = height() / 2;
    const QRect halves[] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        button.state |=
            (pressed_ == (i == 0 ? 1 : -1)) ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &p, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(3, 2, -3, -2);
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                               &arrow, &p, this);
    }
}

void TUpDown::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = event->position().y() < height() / 2 ? 1 : -1;
    Step(pressed_);
    repeat_.start(400); // hold to repeat after a short pause
    update();
}

void TUpDown::mouseReleaseEvent(QMouseEvent*) {
    pressed_ = 0;
    repeat_.stop();
    update();
}

void TUpDown::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up) return Step(1);
    if (event->key() == Qt::Key_Down) return Step(-1);
    QWidget::keyPressEvent(event);
}

void TUpDown::wheelEvent(QWheelEvent* event) {
    if (event->angleDelta().y() != 0) Step(event->angleDelta().y() > 0 ? 1 : -1);
    event->accept();
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    // The event type first: while the field is being destroyed it still sends events here, and
    // reading field_ then would cast an object that is no longer a QLineEdit.
    if (event->type() == QEvent::KeyPress && watched == field_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
