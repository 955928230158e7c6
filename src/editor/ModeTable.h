#pragma once
// What DisableAll, BrowseMode and EditMode do to the menus, the toolbar and the record
// caption, as one table: each row names an item and its effect in each of the three modes.

#include "editor/Commands.h"

#include <span>

namespace tabulo {

enum class ModeEffect {
    On,                // enabled
    Off,               // disabled
    OnIfPages,         // enabled when the form has two or more pages, else disabled
    OnIfWritable,      // enabled unless the database could be opened for reading only
    OnIfDeleteAllowed, // enabled when writable, unless the script has switched deleting off
    Shown,             // visible
    Hidden,            // invisible
    ShownIfPages,      // visible when the form has two or more pages, else invisible
};

struct ModeTarget {
    enum Kind { Button, Menu, PageMenu, RecordCaption, ActionsMenu } kind;
    int index = 0; // the ToolButton of a toolbar button, or the Command of a menu item
};

struct ModeRow {
    ModeTarget target;
    ModeEffect effect[3]; // by WindowMode: no database, browsing, editing
};

std::span<const ModeRow> ModeTable();

struct ModeContext {
    int pageCount = 0;
    bool deleteEnabled = true;
    bool writable = true;
};

// The enabled or visible state an effect asks for; whether it is about enabling or
// showing follows from the effect.
bool EffectIsAboutVisibility(ModeEffect effect);
bool EffectState(ModeEffect effect, const ModeContext& context);

} // namespace tabulo
