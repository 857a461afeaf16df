#include "ui/Warning.h"

#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"

#include <QPushButton>

QMessageBox* NewWarning(QWidget* parent, const QString& title, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Qt's own button says "OK" in English whatever the language: the catalogue's word instead.
    box->button(QMessageBox::Ok)->setText(QString::fromStdString(Data::GetText(Texts::Ok)));
    return box;
}
