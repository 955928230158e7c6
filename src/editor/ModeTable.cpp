#include "editor/ModeTable.h"

#include <vector>

namespace tabulo {

namespace {

using E = ModeEffect;

ModeTarget Btn(ToolButton b) {
    return {ModeTarget::Button, static_cast<int>(b)};
}
ModeTarget Mnu(Command c) {
    return {ModeTarget::Menu, static_cast<int>(c)};
}

std::vector<ModeRow> BuildTable() {
    std::vector<ModeRow> rows = {
        {Btn(ToolButton::Open), {E::On, E::Off, E::Off}},
        {Btn(ToolButton::PreviousPage), {E::Off, E::OnIfPages, E::OnIfPages}},
        {Btn(ToolButton::NextPage), {E::Off, E::OnIfPages, E::OnIfPages}},
        {Btn(ToolButton::Update), {E::Off, E::Off, E::On}},
        {Btn(ToolButton::Cancel), {E::Off, E::Off, E::On}},
        {Mnu(Command::Open), {E::On, E::Off, E::Off}},
        {Mnu(Command::Close), {E::Off, E::On, E::Off}},
        {Mnu(Command::Pack), {E::Off, E::OnIfDeleteAllowed, E::Off}},
        {Mnu(Command::Exit), {E::On, E::On, E::Off}},
        {Mnu(Command::Update), {E::Off, E::Off, E::On}},
        {Mnu(Command::Cancel), {E::Off, E::Off, E::On}},
        {Mnu(Command::Time), {E::Off, E::Off, E::On}},
        {Mnu(Command::Date), {E::Off, E::Off, E::On}},
        {Mnu(Command::PreviousPage), {E::Off, E::OnIfPages, E::ShownIfPages}},
        {Mnu(Command::NextPage), {E::Off, E::OnIfPages, E::ShownIfPages}},
        {{ModeTarget::PageMenu}, {E::Hidden, E::ShownIfPages, E::ShownIfPages}},
        {{ModeTarget::RecordCaption}, {E::Hidden, E::Shown, E::Shown}},
        {{ModeTarget::ActionsMenu}, {E::Off, E::Off, E::On}},
    };
    // The remaining buttons and the browsing commands work only while browsing; those that
    // write (Edit, New, Duplicate, Delete) only when the file can be written.
    for (ToolButton b :
         {ToolButton::Close, ToolButton::Print, ToolButton::FirstRecord, ToolButton::PreviousRecord,
          ToolButton::GotoRecord, ToolButton::NextRecord, ToolButton::LastRecord, ToolButton::Find})
        rows.push_back({Btn(b), {E::Off, E::On, E::Off}});
    for (ToolButton b : {ToolButton::Edit, ToolButton::New, ToolButton::Delete})
        rows.push_back({Btn(b), {E::Off, E::OnIfWritable, E::Off}});
    for (Command c :
         {Command::Print, Command::Export, Command::Find, Command::GotoRecord, Command::FirstRecord,
          Command::LastRecord, Command::NextRecord, Command::PreviousRecord})
        rows.push_back({Mnu(c), {E::Off, E::On, E::Off}});
    for (Command c : {Command::Edit, Command::New, Command::Duplicate, Command::Delete})
        rows.push_back({Mnu(c), {E::Off, E::OnIfWritable, E::Off}});
    return rows;
}

} // namespace

std::span<const ModeRow> ModeTable() {
    static const std::vector<ModeRow> table = BuildTable();
    return table;
}

bool EffectIsAboutVisibility(ModeEffect effect) {
    return effect == E::Shown || effect == E::Hidden || effect == E::ShownIfPages;
}

bool EffectState(ModeEffect effect, const ModeContext& context) {
    switch (effect) {
    case E::On:
    case E::Shown:
        return true;
    case E::Off:
    case E::Hidden:
        return false;
    case E::OnIfPages:
    case E::ShownIfPages:
        return context.pageCount >= 2;
    case E::OnIfWritable:
        return context.writable;
    case E::OnIfDeleteAllowed:
        return context.writable && context.deleteEnabled;
    }
    return false;
}

} // namespace tabulo
