// The run and the commands of the main window's controls, each forwarded to the session, and what
// the page draws from it.
#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "design/MainDesign.h"
#include "lab/ClassCode.h"
#include "lab/Session.h"
#include "model/Data.h"
#include "model/ViewGeometry.h"
#include "web/core/api/Api.h"
#include "web/core/api/Run.h"

#include <array>
#include <string>

namespace {

using WebRun::Session;

Lab::Field FieldOf(int field) {
    return field == 2   ? Lab::Field::Pressure
           : field == 1 ? Lab::Field::Temperature
                        : Lab::Field::Voltage;
}

Lab::Axis AxisOf(int axis) {
    return axis == 1 ? Lab::Axis::UpDown : Lab::Axis::Across;
}

std::string CodeReturned, FieldReturned, ReadoutReturned, StopwatchReturned, DescriptionReturned,
    InViewReturned, AnnouncementReturned;
std::array<std::int32_t, 3 * Data::DropletCount> Markers{};
std::array<std::int32_t, 4> Needle{};

} // namespace

extern "C" {

void tess_set_student(const char* identifier) {
    Session().SetStudent(identifier ? identifier : "");
}

const char* tess_set_class_code(const char* code) {
    const std::string given = code ? code : "";
    Session().SetClassCode(given);
    const auto fault = Lab::ClassCodeFaultOf(given);
    return WebRun::Returned(CodeReturned, fault ? Data::GetText(Texts::ClassCodeUnusable,
                                                                {given, Lab::Describe(*fault)})
                                                : std::string());
}

void tess_end_run() {
    WebRun::End();
}

int tess_run_until(double nowMs) {
    return WebRun::RunUntil(nowMs);
}

double tess_ticks_run() {
    return WebRun::TicksRun();
}

int tess_inject() {
    return Session().Inject();
}

int tess_switch_supply() {
    return Session().SwitchSupply();
}

int tess_reverse_polarity() {
    return Session().ReversePolarity();
}

int tess_field_changed(int field, const char* text, int typed) {
    return Session().FieldChanged(FieldOf(field), text ? text : "",
                                  typed ? Lab::Edit::Typed : Lab::Edit::Written);
}

int tess_editing_finished(int field) {
    return Session().EditingFinished(FieldOf(field));
}

int tess_spin(int field, int direction) {
    return Session().Spin(FieldOf(field), direction);
}

const char* tess_field_text(int field) {
    return WebRun::Returned(FieldReturned, Session().FieldText(FieldOf(field)));
}

int tess_shift_view(int axis, int position) {
    return Session().ShiftView(AxisOf(axis), position);
}

int tess_scroll_position(int axis) {
    return Session().ScrollPosition(AxisOf(axis));
}

const char* tess_readout(int axis) {
    return WebRun::Returned(ReadoutReturned, Session().Readout(AxisOf(axis)));
}

int tess_start_stopwatch() {
    return Session().StartStopwatch();
}

int tess_stop_stopwatch() {
    return Session().StopStopwatch();
}

int tess_set_brownian(int on) {
    return Session().SetBrownianMotion(on != 0);
}

int tess_brownian() {
    return Data::BrownianMotion ? 1 : 0;
}

int tess_set_real_air(int on) {
    return Session().SetRealAir(on != 0);
}

int tess_real_air() {
    return Data::RealAir ? 1 : 0;
}

int tess_ionise() {
    return Session().Ionise();
}

int tess_follow_at(double x, double y, double reach) {
    return Session().FollowAt(x, y, reach);
}

int tess_follow_key(const char* key) {
    const auto chosen = Lab::Session::FollowKeyNamed(key ? key : "");
    return chosen ? Session().Follow(*chosen) : -1;
}

int tess_let_go() {
    return Session().LetGo();
}

int tess_followed() {
    return Session().Followed();
}

const std::int32_t* tess_markers() {
    const Lab::MarkerTable& places = Session().Markers();
    for (std::size_t i = 0; i < places.size(); ++i) {
        Markers[3 * i] = places[i].Shown ? 1 : 0;
        Markers[3 * i + 1] = places[i].Shown ? places[i].X : 0;
        Markers[3 * i + 2] = places[i].Shown ? places[i].Y : 0;
    }
    return Markers.data();
}

int tess_markers_in_view() {
    return Session().MarkersInView();
}

const std::int32_t* tess_needle() {
    const ControlSpec& dial = MainDesign::Control("Image2");
    const Data::PixelPoint pivot = Data::NeedlePivot(dial.Width, dial.Height);
    const Data::PixelPoint end = Data::NeedleEnd(Data::PlateVoltage, dial.Width, dial.Height);
    Needle = {pivot.X, pivot.Y, end.X, end.Y};
    return Needle.data();
}

int tess_lamp_on() {
    return Data::VoltageOn ? 1 : 0;
}

int tess_column_top() {
    return Session().ColumnTop();
}

int tess_column_bottom() {
    return Data::ThermometerColumnBottom;
}

const char* tess_stopwatch_text() {
    return WebRun::Returned(StopwatchReturned, Session().StopwatchText());
}

const char* tess_microscope_description() {
    return WebRun::Returned(DescriptionReturned, Session().MicroscopeDescription());
}

const char* tess_droplets_in_view() {
    return WebRun::Returned(InViewReturned, Session().DropletsInView());
}

const char* tess_announcement() {
    return WebRun::Returned(AnnouncementReturned, Session().Announcement());
}

} // extern "C"
