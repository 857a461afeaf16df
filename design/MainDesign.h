#pragma once
// The design of the main window: its controls, menu, keyboard order, size and colour.

#include "assets/Colors.h"
#include "design/ControlSpec.h"

#include <cstdint>
#include <span>

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
constexpr const char* TabOrder[] = {"BitBtn1", "Image3",     "BitBtn2",    "BitBtn3", "Edit7",
                                    "UpDown1", "ScrollBar1", "ScrollBar2", "Edit1",   "BitBtn4",
                                    "BitBtn5", "BitBtn6",    "Edit2",      "UpDown2"};

/// Design texts of the menu, replaced by catalogue texts at activation.
constexpr const char* EndItemText = "Vége";
constexpr const char* HelpMenuText = "Súgó";
constexpr const char* MeasurementMenuText = "Mérés";
constexpr const char* NotebookItemText = "Jegyzőfüzet…";
constexpr const char* IoniseItemText = "Ionizálás";
constexpr const char* BrownianItemText = "Brown-mozgás";
constexpr const char* AboutItemText = "Névjegy";
constexpr const char* DescriptionItemText = "Leírás";
constexpr const char* LanguageItemText = "Nyelv…";
constexpr const char* DesignTitle = "Tessilar-kísérlet";

/// Keyboard order of the controls, first to last.
std::span<const char* const> KeyboardOrder();

} // namespace MainDesign
