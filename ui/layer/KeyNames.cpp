#include "ui/layer/KeyNames.h"

#include <QKeyEvent>
#include <algorithm>
#include <iterator>
#include <utility>

namespace {
constexpr std::pair<Qt::Key, const char*> Names[] = {
    {Qt::Key_F5, "F5"},
    {Qt::Key_F6, "F6"},
    {Qt::Key_F7, "F7"},
    {Qt::Key_F8, "F8"},
    {Qt::Key_F9, "F9"},
    {Qt::Key_Escape, "Escape"},
    {Qt::Key_Space, " "},
    {Qt::Key_Return, "Enter"},
    {Qt::Key_Enter, "Enter"},
    {Qt::Key_Left, "ArrowLeft"},
    {Qt::Key_Right, "ArrowRight"},
    {Qt::Key_Up, "ArrowUp"},
    {Qt::Key_Down, "ArrowDown"},
};
} // namespace

QString KeyName(const QKeyEvent* event) {
    const auto* found = std::find_if(std::begin(Names), std::end(Names),
                                     [event](const auto& n) { return n.first == event->key(); });
    return found == std::end(Names) ? QString() : QString::fromLatin1(found->second);
}

QKeySequence KeySequenceNamed(const QString& name) {
    const auto* found = std::find_if(std::begin(Names), std::end(Names), [&name](const auto& n) {
        return name == QLatin1String(n.second);
    });
    return found == std::end(Names) ? QKeySequence() : QKeySequence(found->first);
}
