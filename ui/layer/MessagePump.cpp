#include "ui/layer/MessagePump.h"

#include <QCoreApplication>
#include <QEventLoop>

void ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
