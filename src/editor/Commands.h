#pragma once
// The window's commands and the tables that build the menu tree and the toolbar from them.

#include <array>
#include <span>

namespace tabulo {

enum class Command {
    Open,
    Close,
    Pack,
    Print,
    Export,
    Exit,
    Edit,
    Update,
    Cancel,
    New,
    Duplicate,
    Find,
    Delete,
    Time,
    Date,
    GotoRecord,
    NextRecord,
    PreviousRecord,
    FirstRecord,
    LastRecord,
    NextPage,
    PreviousPage,
    Contents,
    About,
};
inline constexpr int kCommandCount = static_cast<int>(Command::About) + 1;

struct MenuItemDef {
    Command command;
    const char* name;     // object name of the menu item, e.g. "mnuOpen"
    const char* caption;  // shown exactly; "&" marks an access key
    const char* shortcut; // portable key sequence text, empty for none
};

struct MenuDef {
    const char* name;
    const char* caption;
    std::span<const MenuItemDef> items;
};

// The four fixed menus in menu-bar order; the Actions and page menus follow them.
std::span<const MenuDef> FixedMenus();
const MenuItemDef& MenuItemOf(Command command);

// The toolbar's picture buttons, in order from the left; the number is the button's place.
enum class ToolButton {
    Open,
    Close,
    Print,
    FirstRecord,
    PreviousRecord,
    GotoRecord,
    NextRecord,
    LastRecord,
    PreviousPage,
    NextPage,
    Find,
    Edit,
    New,
    Update,
    Cancel,
    Delete,
};
inline constexpr int kToolbarButtons = static_cast<int>(ToolButton::Delete) + 1;
// The command behind each toolbar button, in button order.
extern const std::array<Command, kToolbarButtons> kToolbarCommands;

inline constexpr int kActionItems = 5; // mnuAction1 to mnuAction5

} // namespace tabulo
