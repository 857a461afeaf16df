#include "ui/layer/ModalDialog.h"

#include <QGuiApplication>
#include <QHideEvent>
#include <QScreen>

TModalDialog::TModalDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setModal(true);
}

int TModalDialog::ShowModal() {
    return exec();
}

void TModalDialog::reject() {
    done(mrCancel);
}

void TModalDialog::SetClientSize(int width, int height) {
    setFixedSize(width, height);
}

void TModalDialog::CentreOnScreen() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void TModalDialog::showEvent(QShowEvent* event) {
    // Qt sends a show event again when a minimised dialog is restored; that is the same showing.
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
    QDialog::showEvent(event);
}

void TModalDialog::hideEvent(QHideEvent* event) {
    // Minimising sends a spontaneous hide; only a real hide ends the showing.
    if (!event->spontaneous()) activated_ = false;
    QDialog::hideEvent(event);
}
