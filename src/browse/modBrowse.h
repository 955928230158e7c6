#pragma once
// modBrowse: how callers use the browse window. They list the columns (ClearBrowseCols,
// AddBrowseCol), then ShowBrowse opens the grid modally on a database file and returns
// the record number picked, or 0. The column list stays until the next ClearBrowseCols.

#include "engine/DBHeader.h"

#include <array>
#include <cstdint>

class QWidget;

namespace tabulo {

class DbFile;

namespace modBrowse {

// BrowseCols[k]: the field shown in data column k, for k = 1..BrowseColCount.
extern std::array<int16_t, kMaxFields + 1> BrowseCols;
extern int16_t BrowseColCount;
// The record picked in the last ShowBrowse; 0 when it closed without a pick.
extern int32_t BrowseResult;

void ClearBrowseCols();
// Appends a column showing field fieldNo; columns beyond the 128th are not kept.
void AddBrowseCol(int16_t fieldNo);
// Shows the grid of file's records modally with the listed columns.
int32_t ShowBrowse(const DbFile& file, QWidget* parent = nullptr);

// Goto record: every field in use whose codes lack "H", in field order, on the given
// database; returns the record picked or 0. The caller makes it the current record.
int32_t ShowGotoRecord(const DbFile& file, const DBHeader& header, QWidget* parent = nullptr);

} // namespace modBrowse
} // namespace tabulo
