#pragma once
// The main window's commands as data: each command's caption, its key and where it stands, in
// the desktop's menus and keys and in the page's menus, keys and bench buttons. Both editions
// build their menus, shortcuts and buttons from these tables.

#include <optional>
#include <span>
#include <string_view>

enum class Command {
    End,
    About,
    Guide,
    Language,
    StartStopwatch,
    StopStopwatch,
    Notebook,
    Record,
    Ionise,
    BrownianMotion,
    RealAir,
    TeacherSettings,
};

struct CommandSpec {
    Command Id;
    const char* Name;       ///< the page's name of the command
    const char* Key;        ///< its key (a KeyboardEvent.key name), "" for none
    int Caption;            ///< the catalogue text of its menu item
    const char* DesignText; ///< the menu item's design text, "" where the desktop has no item
    const char* MenuItem;   ///< the desktop's menu item, "" for none
    bool Checkable = false; ///< a switch: its item shows whether it is on
};

/// Which edition shows a menu entry.
enum class Edition { Both, Desktop, Page };

/// An entry of a menu: a command, or (SeparatorEntry) a line between groups.
struct MenuEntry {
    std::optional<Command> Id;
    Edition Where = Edition::Both;
};

struct MenuSpec {
    const char* Name;       ///< the desktop's menu
    const char* PageId;     ///< the page's menu
    const char* DesignText; ///< the desktop's design text
    int Caption;
    std::span<const MenuEntry> Entries;
};

/// A button of the page's bench that gives a command, so that measuring needs no keyboard.
struct BenchButton {
    const char* Name; ///< the control's name on the page
    Command Id;
    int Caption;
};

namespace MainCommands {

/// Every command, each once.
std::span<const CommandSpec> All();
/// The command of that id; every id has one.
const CommandSpec& Of(Command id);
/// The command of that name, or null.
const CommandSpec* Named(std::string_view name);
/// The menu bar: the End command stands first, then these menus.
constexpr Command BarCommand = Command::End;
std::span<const MenuSpec> Menus();
/// The page's bench buttons, left to right.
std::span<const BenchButton> BenchButtons();

} // namespace MainCommands
