#include "ui/DropMarker.h"

#include "assets/Colors.h"

DropMarker::DropMarker(QWidget* parent) : TShape(parent) {
    setGeometry(0, 0, Size, Size);
    SetKind(Kind::Circle);
    SetBrushColor(QColor(Colors::Yellow));
    SetPenColor(QColor()); // no outline
}

void DropMarker::SetSelected(bool selected) {
    // Asked for every marker at every tick: only a change costs anything.
    if (selected == selected_) return;
    selected_ = selected;
    SetBrushColor(QColor(selected ? Colors::Red : Colors::Yellow));
}
