#pragma once
// The page's compact layout for phones and small tablets: the main window's own controls, with
// their texts and keyboard order as designed, placed on tabs beside or under a microscope as
// large as the screen allows. Only places and sizes differ from the window's design; the page
// checks that every control of the window stands on a tab (or is the microscope).

#include <span>

namespace CompactDesign {

/// Where a control stands on its tab's page, design pixels: a control of the window itself from
/// the page's corner, a control inside a panel from its panel's. A width or height of 0 keeps the
/// design's.
struct Placement {
    const char* Name;
    int Left;
    int Top;
    int Width = 0;
    int Height = 0;
};

/// A tab: its name for the page, its caption, the page it shows (design pixels, scaled as one to
/// fit) and what stands on it.
struct Tab {
    const char* Id;
    int Caption;
    int Width;
    int Height;
    std::span<const Placement> Places;
};

/// The tabs, in the order of the window's keyboard order.
std::span<const Tab> Tabs();

/// The microscope, which is on no tab but always in sight.
constexpr const char* Microscope = "Image3";

// CSS pixels from here on.

/// The page takes the compact layout in a viewport narrower or lower than this.
constexpr int WideViewport = 1024;
constexpr int HighViewport = 600;
/// Every control is at least this wide and high: the platforms' guidance for fingers.
constexpr int TargetSize = 44;
/// No text is drawn smaller.
constexpr int SmallestText = 12;
/// The menu bar with the window's title, and the strip of the tabs.
constexpr int BarHeight = 44;
constexpr int TabStripHeight = 48;
/// Between the tabs' page and what it shows.
constexpr int PageMargin = 8;
/// The page beside or under the microscope: never less than the least room, and given the
/// roomy one where the screen has it to spare (height when the phone is upright, width across).
constexpr int LeastPageHeight = 180;
constexpr int RoomyPageHeight = 320;
constexpr int LeastPageWidth = 280;
constexpr int RoomyPageWidth = 454;
/// A phone's width: the microscope is at least this large (or the whole width or height) unless
/// the page would get less than its least room.
constexpr int PhoneWidth = 430;
/// A page is never scaled larger than this, per cent.
constexpr int LargestScalePercent = 250;
/// How far two fingers may magnify the microscope's view, times.
constexpr int LargestZoom = 6;

} // namespace CompactDesign
