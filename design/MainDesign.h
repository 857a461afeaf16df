#pragma once
// The design of the main window: its controls, menu, keyboard order, size and colour.

#include "assets/Colors.h"
#include "catalogue/TextNumbers.h"
#include "design/ControlSpec.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace MainDesign {

/// The main window's controls, in creation order (later controls lie above earlier ones).
std::span<const ControlSpec> Controls();

/// The window's direct children sit this much lower than their stored tops: the design was
/// stored with the window scrolled down by 11 pixels.
constexpr int WindowChildShift = 11;

constexpr int DesignLeft = 475;
constexpr int DesignTop = 124;
constexpr int DesignWidth = 798;
constexpr int DesignHeight = 564;
/// The size the start-up step gives the window, at which nothing needs scrolling.
constexpr int StartWidth = 800;
constexpr int StartHeight = 600;

/// The window's ground, behind the controls.
constexpr std::uint32_t ClientColor = Colors::Teal;

/// Keyboard order of the controls.
/// The microscope follows the injection button: a student sprays droplets, then picks one.
/// The pressure comes last: it is there only with real air.
constexpr const char* TabOrder[] = {
    "BitBtn1", "Image3",  "BitBtn2", "BitBtn3", "Edit7", "UpDown1", "ScrollBar1", "ScrollBar2",
    "Edit1",   "BitBtn4", "BitBtn5", "BitBtn6", "Edit2", "UpDown2", "Edit3",      "UpDown3"};

constexpr const char* DesignTitle = "Tessilar-kísérlet";
/// The catalogue text of the title, which names the identifier after it.
constexpr int TitleCaption = Texts::MainTitle;

/// Keyboard order of the controls, first to last.
std::span<const char* const> KeyboardOrder();

/// The control of that name; a name the design does not hold throws std::logic_error, so that a
/// typo stops at once.
const ControlSpec& Control(std::string_view name);

/// The droplets' markers in the microscope and how near a pointer must come to pick one, view
/// pixels.
namespace Microscope {
constexpr int MarkerSize = 4; ///< a marker is a dot this wide and high, centred on its droplet
constexpr int RingMargin = 4; ///< the followed droplet's ring lies this far outside its dot
constexpr int RingWidth = 2;  ///< and is this thick
constexpr int ClickReach = 6; ///< a click picks a marker this far from its centre
constexpr int TapReach = 12;  ///< a finger covers more than a mouse pointer
} // namespace Microscope

} // namespace MainDesign
