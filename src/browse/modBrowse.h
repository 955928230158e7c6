#pragma once
// modBrowse: how callers use the browse window. ShowBrowse opens the grid modally on a
// database file with the columns asked for and returns the record number picked, or 0.
// Nothing is kept between uses.

#include "engine/DBHeader.h"

#include <cstdint>
#include <vector>

class QWidget;

namespace tabulo {

class DbFile;

namespace modBrowse {

// Shows the grid of file's records modally, data column k showing field fieldNos[k - 1];
// columns beyond the 128th are not shown.
int32_t ShowBrowse(const DbFile& file, std::vector<int> fieldNos, QWidget* parent = nullptr);

// Goto record: every field in use whose codes lack "H", in field order, on the given
// database; returns the record picked or 0. The caller makes it the current record.
int32_t ShowGotoRecord(const DbFile& file, const DBHeader& header, QWidget* parent = nullptr);

} // namespace modBrowse
} // namespace tabulo
