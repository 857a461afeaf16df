#pragma once
// The on-screen marker of one droplet: a 4 × 4 yellow dot over the microscope field.

#include "ui/layer/Shape.h"

class DropMarker final : public TShape {
    Q_OBJECT

public:
    static constexpr int Size = 4;
    explicit DropMarker(QWidget* parent);
};
