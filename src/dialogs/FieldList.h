#pragma once
// The field lists of the Find and Export windows: entry j stands for field number j + 1,
// for every field number up to the form's field count, and several entries can be selected.

#include <vector>

class QListWidget;

namespace tabulo {

class modDB;

// Makes list a multi-selection list (a click or Space toggles an entry) holding the trimmed
// name of every field 1..GetFieldCount. A free slot in that range keeps its place as an
// empty entry that cannot be selected, so no search or export ever reads it.
void FillFieldList(QListWidget& list, modDB& db);

// The field numbers of the selected entries, in list order.
std::vector<int> SelectedFieldNumbers(const QListWidget& list);

} // namespace tabulo
