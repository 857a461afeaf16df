#pragma once
// The main window's menu bar and function keys, built from the command table: each desktop menu
// item with its object name and design text, each key a shortcut that works in every window of
// the program. What a command does is the window's; these only raise it.

#include "design/Commands.h"

#include <QString>
#include <functional>
#include <map>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

struct CommandMenus {
    std::map<Command, QAction*> Items; ///< the desktop's menu items, by command
    std::map<QString, QMenu*> Menus;   ///< the menus, by object name
};

/// Fills the bar with the End item and the menus the desktop shows, each item running `run` with
/// its command.
CommandMenus BuildCommandMenus(QMenuBar* bar, const std::function<void(Command)>& run);

/// Gives every command with a key a shortcut of `window`'s that works whichever of the program's
/// windows has the focus.
void BindCommandKeys(QWidget* window, const std::function<void(Command)>& run);

/// Sets the items' and menus' texts from the catalogue.
void ApplyCommandCaptions(const CommandMenus& menus);
