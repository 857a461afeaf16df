#include "design/Commands.h"

#include "catalogue/TextNumbers.h"

#include <stdexcept>

namespace MainCommands {

namespace {

// clang-format off
constexpr CommandSpec Table[] = {
    {Command::End,            "end",      "",   Texts::End,                "Vége",         "Vge1"},
    {Command::About,          "about",    "",   Texts::About,              "Névjegy",      "Nvjegy1"},
    {Command::Guide,          "guide",    "",   Texts::DescriptionItem,    "Leírás",       "Lers1"},
    {Command::Language,       "language", "",   Texts::LanguageItem,       "Nyelv…",       "Nyelv1"},
    {Command::StartStopwatch, "start",    "F5", Texts::StartStopwatchItem, "",             ""},
    {Command::StopStopwatch,  "stop",     "F6", Texts::StopStopwatchItem,  "",             ""},
    {Command::Notebook,       "notebook", "F7", Texts::NotebookItem,       "Jegyzőfüzet…", "Jegyzfzet1"},
    {Command::Record,         "record",   "F8", Texts::RecordItem,         "",             ""},
    {Command::Ionise,         "ionise",   "F9", Texts::IoniseItem,         "Ionizálás",    "Ionizls1"},
    {Command::BrownianMotion, "brownian", "",   Texts::BrownianItem,       "Brown-mozgás", "Brownmozgs1", true},
    {Command::RealAir,        "realair",  "",   Texts::RealAirItem,        "Valódi levegő", "Valdilevego1", true},
    {Command::TeacherSettings, "teacher", "",   Texts::TeacherSettingsItem, "Tanári beállítások…", "Tanribelltsok1"},
};
// clang-format on

// The page's Measurement menu also holds the stopwatch and recording, which the desktop gives by
// their keys only.
constexpr MenuEntry Measurement[] = {
    {Command::StartStopwatch, Edition::Page},
    {Command::StopStopwatch, Edition::Page},
    {Command::Record, Edition::Page},
    {std::nullopt, Edition::Page},
    {Command::Notebook},
    {std::nullopt, Edition::Desktop},
    {Command::Ionise},
    {Command::BrownianMotion},
    {Command::RealAir},
};

constexpr MenuEntry Help[] = {
    {Command::About},    {Command::Guide},           {std::nullopt},
    {Command::Language}, {Command::TeacherSettings},
};

constexpr MenuSpec Bar[] = {
    {"Mrs1", "menu-measurement", "Mérés", Texts::MeasurementMenu, Measurement},
    {"Sg1", "menu-help", "Súgó", Texts::HelpMenu, Help},
};

constexpr BenchButton Bench[] = {
    {"MeasureRecord", Command::Record, Texts::RecordButton},
    {"MeasureNotebook", Command::Notebook, Texts::NotebookItem},
    {"MeasureIonise", Command::Ionise, Texts::IoniseItem},
};

} // namespace

std::span<const CommandSpec> All() {
    return Table;
}

const CommandSpec& Of(Command id) {
    for (const CommandSpec& spec : Table)
        if (spec.Id == id) return spec;
    throw std::logic_error("a command without an entry in the command table");
}

const CommandSpec* Named(std::string_view name) {
    for (const CommandSpec& spec : Table)
        if (name == spec.Name) return &spec;
    return nullptr;
}

std::span<const MenuSpec> Menus() {
    return Bar;
}

std::span<const BenchButton> BenchButtons() {
    return Bench;
}

} // namespace MainCommands
