#include "ui/DropMarker.h"

#include "assets/Colors.h"

DropMarker::DropMarker(QWidget* parent) : TShape(parent) {
    setGeometry(0, 0, Size, Size);
    SetKind(Kind::Circle);
    SetBrushColor(QColor(Colors::Yellow));
    SetPenColor(QColor()); // no outline
}

void DropMarker::SetSelected(bool selected) {
    SetBrushColor(QColor(selected ? Colors::Red : Colors::Yellow));
}
