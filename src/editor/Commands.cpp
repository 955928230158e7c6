#include "editor/Commands.h"

#include <stdexcept>

namespace tabulo {

namespace {

constexpr MenuItemDef kFileItems[] = {
    {Command::Open, "mnuOpen", "Open", "Ctrl+O"},
    {Command::Close, "mnuClose", "Close", "Ctrl+C"},
    {Command::Pack, "mnuPack", "Pack", ""},
    {Command::Print, "mnuPrint", "Print", ""},
    {Command::Export, "mnuExport", "Export", ""},
    {Command::Exit, "mnuExitProgram", "Exit", "Ctrl+X"},
};

constexpr MenuItemDef kRecordItems[] = {
    {Command::Edit, "mnuEditRecord", "Edit", "F2"},
    {Command::Update, "mnuUpdateRecord", "Update", "F6"},
    {Command::Cancel, "mnuCancelUpdate", "Cancel", "F7"},
    {Command::New, "mnuNewRecord", "New", "F8"},
    {Command::Duplicate, "mnuDuplicateRecord", "Duplicate", "F9"},
    {Command::Find, "mnuSearchRecord", "Find", "F3"},
    {Command::Delete, "mnuDeleteRecord", "Delete", ""},
    {Command::Time, "mnuTime", "Time", "F11"},
    {Command::Date, "mnuDate", "Date", "F12"},
};

constexpr MenuItemDef kGotoItems[] = {
    {Command::GotoRecord, "mnuGotoRecord", "Record", "Ctrl+R"},
    {Command::NextRecord, "mnuNextRecord", "Next Record", ""},
    {Command::PreviousRecord, "mnuPreviousRecord", "Previous Record", ""},
    {Command::FirstRecord, "mnuFirstRecord", "First Record", "Ctrl+F"},
    {Command::LastRecord, "mnuLastRecord", "Last Record", "Ctrl+L"},
    {Command::NextPage, "mnuNextPage", "Next Page", "Ctrl+N"},
    {Command::PreviousPage, "mnuPreviousPage", "Previous Page", "Ctrl+P"},
};

constexpr MenuItemDef kHelpItems[] = {
    {Command::Contents, "mnuContents", "Contents", ""},
    {Command::About, "mnuAbout", "About", ""},
};

constexpr MenuDef kMenus[] = {
    {"File", "&File", kFileItems},
    {"Record", "&Record", kRecordItems},
    {"mnuGoto", "&Goto", kGotoItems},
    {"mnuHelp", "&Help", kHelpItems},
};

} // namespace

const std::array<Command, kToolbarButtons> kToolbarCommands = {
    Command::Open,        Command::Close,          Command::Print,
    Command::FirstRecord, Command::PreviousRecord, Command::GotoRecord,
    Command::NextRecord,  Command::LastRecord,     Command::PreviousPage,
    Command::NextPage,    Command::Find,           Command::Edit,
    Command::New,         Command::Update,         Command::Cancel,
    Command::Delete,
};

std::span<const MenuDef> FixedMenus() {
    return kMenus;
}

const MenuItemDef& MenuItemOf(Command command) {
    for (const MenuDef& menu : kMenus)
        for (const MenuItemDef& item : menu.items)
            if (item.command == command) return item;
    throw std::logic_error("command without a menu item");
}

} // namespace tabulo
