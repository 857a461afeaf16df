// The commands of the main window's controls, as the desktop's handlers give them to the model.
#include "design/MainDesign.h"
#include "model/Data.h"
#include "model/FieldEditing.h"
#include "model/FieldParsing.h"
#include "web/core/api/Api.h"
#include "web/core/api/RunState.h"
#include "web/core/api/SpinButtons.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

/// The design's control of that name; a name the design does not hold is a fault of this file.
const ControlSpec& DesignControl(const char* name) {
    for (const ControlSpec& spec : MainDesign::Controls())
        if (std::strcmp(spec.Name, name) == 0) return spec;
    throw std::logic_error(std::string("no control in the main design: ") + name);
}

SpinButtons SpinOf(const char* name) {
    const ControlSpec& spec = DesignControl(name);
    return {
        .Min = spec.Min, .Max = spec.Max, .Increment = spec.Increment, .Position = spec.Position};
}

struct Controls {
    SpinButtons Voltage = SpinOf("UpDown1");
    SpinButtons Temperature = SpinOf("UpDown2");
    std::array<int, 2> Scroll{DesignControl("ScrollBar1").Position,
                              DesignControl("ScrollBar2").Position};
    /// The readouts as the window is created, before the first shift.
    std::array<std::string, 2> Readouts{" 0,200 mm", " 0,200 mm"};
};
Controls State;
std::string TextReturned;

/// The scroll bars' position for the view's home.
constexpr int ScrollCentre = 50;

std::string OffsetReadout(int position) {
    return Data::FormatFixed(position * 0.004, 6, 3) + " mm     ";
}

const char* Returned(std::string text) {
    TextReturned = std::move(text);
    return TextReturned.c_str();
}

int SupplyChanged() {
    Data::ApplySupply();
    return ChangedSupply;
}

} // namespace

namespace WebRun {
void ResetControls() {
    State = Controls{};
}
} // namespace WebRun

extern "C" {

int tess_inject() {
    Data::InjectAllDroplets();
    WebRun::NewSpray();
    int changes = SupplyChanged();
    // The view is recentred, so the scroll bars go back to the centre too, with their readouts.
    for (int axis = 0; axis < 2; ++axis)
        if (State.Scroll[static_cast<std::size_t>(axis)] != ScrollCentre)
            changes |= tess_shift_view(axis, ScrollCentre);
    return changes;
}

int tess_switch_supply() {
    Data::SwitchSupply();
    return SupplyChanged();
}

int tess_reverse_polarity() {
    Data::ReversePolarity();
    return SupplyChanged();
}

const char* tess_voltage_typed(const char* text) {
    const auto shown = Data::VoltageFieldChanged(text ? text : "");
    if (!shown) return nullptr;
    Data::ApplySupply();
    return Returned(*shown);
}

int tess_temperature_typed(const char* text) {
    const auto degrees = Data::TemperatureFieldChanged(text ? text : "");
    if (!degrees) return -1;
    State.Temperature.SetQuietly(static_cast<int>(*degrees));
    return State.Temperature.Position;
}

const char* tess_temperature_text() {
    return Returned(Data::TemperatureFieldText());
}

const char* tess_spin(int which, int direction, const char* fieldText) {
    SpinButtons& spin = which == 1 ? State.Voltage : State.Temperature;
    const auto position = spin.Step(direction < 0 ? -1 : 1, fieldText ? fieldText : "");
    if (!position) return nullptr;
    // The new position is written into the field, which runs the field's own change rule.
    const std::string written = std::to_string(*position);
    if (which == 1) {
        const auto shown = Data::VoltageFieldChanged(written);
        Data::ApplySupply();
        return Returned(shown.value_or(written));
    }
    Data::TemperatureFieldChanged(written);
    return tess_temperature_text();
}

int tess_shift_view(int axis, int position) {
    position = std::clamp(position, 0, 100);
    const auto index = static_cast<std::size_t>(axis == 1 ? 1 : 0);
    State.Scroll[index] = position;
    State.Readouts[index] = OffsetReadout(position);
    if (index == 0)
        Data::ShiftViewX(position);
    else
        Data::ShiftViewY(position);
    return ChangedReadouts | WebRun::TakeMarkers();
}

int tess_scroll_position(int axis) {
    return State.Scroll[axis == 1 ? 1 : 0];
}

const char* tess_readout(int axis) {
    return State.Readouts[axis == 1 ? 1 : 0].c_str();
}

void tess_start_stopwatch() {
    Data::StartStopwatch();
}

void tess_stop_stopwatch() {
    Data::StopStopwatch();
}

} // extern "C"
