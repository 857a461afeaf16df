#pragma once
// The designs of the program's dialogs: the identity prompt, the About box, the teacher's
// settings and the language choice. Sizes are of the client area in design pixels; texts are the
// design's, replaced by catalogue texts when a dialog is shown.

#include "assets/Colors.h"
#include "catalogue/TextNumbers.h"
#include "design/ControlSpec.h"

#include <cstdint>
#include <span>

/// The identity prompt shown before each run.
namespace IdentityPromptDesign {
std::span<const ControlSpec> Controls();
std::span<const char* const> KeyboardOrder();
constexpr int ClientWidth = 233;
constexpr int ClientHeight = 93;
constexpr std::uint32_t ClientColor = Colors::MoneyGreen;
constexpr const char* DesignTitle = "Azonosító beadása";
constexpr int TitleCaption = Texts::PromptTitle;
} // namespace IdentityPromptDesign

/// The About box.
namespace AboutDesign {
std::span<const ControlSpec> Controls();
constexpr int ClientWidth = 330;
constexpr int ClientHeight = 180;
constexpr std::uint32_t ClientColor = Colors::Teal;
constexpr int TitleCaption = Texts::About;
} // namespace AboutDesign

/// The teacher's settings of a lesson and the forms they are given out in.
namespace TeacherDesign {
std::span<const ControlSpec> Controls();
std::span<const char* const> KeyboardOrder();
constexpr int ClientWidth = 460;
constexpr int ClientHeight = 434;
constexpr std::uint32_t ClientColor = Colors::MoneyGreen;
constexpr int TitleCaption = Texts::TeacherTitle;
} // namespace TeacherDesign

/// The choice of the language folder.
namespace LanguageDesign {
std::span<const ControlSpec> Controls();
std::span<const char* const> KeyboardOrder();
constexpr int ClientWidth = 324;
constexpr int ClientHeight = 184;
/// Shown where it was designed, not centred.
constexpr int DesignLeft = 240;
constexpr int DesignTop = 180;
constexpr std::uint32_t ClientColor = Colors::MoneyGreen;
constexpr const char* DesignTitle = "Select language";
} // namespace LanguageDesign
