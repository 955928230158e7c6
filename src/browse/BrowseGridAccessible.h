#pragma once
// The browse grid as screen readers see it: a table whose columns are "RECNO" and the
// data columns, whose rows are the rows shown, with column headers, cell texts, the
// selected row and the current cell. The grid paints itself, so it describes itself.

namespace tabulo {

class BrowseGrid;

// Lets Qt's accessibility find the table for every BrowseGrid; the grid calls it.
void InstallBrowseGridAccessibility();

// What the grid tells a screen reader: the rows were replaced (scrolling, sorting), or a
// row was selected, making its cell in column col the current one.
void AnnounceRowsChanged(BrowseGrid* grid);
void AnnounceCurrentCell(BrowseGrid* grid, int row, int col);

} // namespace tabulo
