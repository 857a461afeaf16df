#pragma once
// Keys by the names both editions share, those of the page's KeyboardEvent.key ("F5", "Escape",
// " ", "Enter", "ArrowLeft"), so that the tables of keys are written once.

#include <QKeySequence>
#include <QString>

class QKeyEvent;

/// The shared name of the key pressed, or "" for a key the program gives no meaning.
QString KeyName(const QKeyEvent* event);
/// The key sequence of a shared name; empty for a name the program does not use.
QKeySequence KeySequenceNamed(const QString& name);
