#pragma once
// The on-screen marker of one droplet: a 4 × 4 dot over the microscope field, yellow, or red
// while the student follows that droplet.

#include "ui/layer/Shape.h"

class DropMarker final : public TShape {
    Q_OBJECT

public:
    static constexpr int Size = 4;
    explicit DropMarker(QWidget* parent);
    /// Red while selected, yellow otherwise.
    void SetSelected(bool selected);

private:
    bool selected_ = false;
};
