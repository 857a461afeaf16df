#pragma once
// The program's warnings: a message box whose text is shown as it is (a file's name or a code is
// never taken for markup) and whose button speaks the catalogue's language.

#include <QMessageBox>

/// A warning box, deleted when it is closed; the caller shows it (open() as a sheet of its
/// window, show() to let the window go on working).
QMessageBox* NewWarning(QWidget* parent, const QString& title, const QString& text);
