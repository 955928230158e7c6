#pragma once
// The designer's changes to a design, as plain functions from one Design value to the next,
// so that every command of the window can be checked without a window. An item is a field
// or a banner, named by its slot.

#include "design/Design.h"

#include <compare>
#include <map>
#include <set>
#include <string>

namespace tabulo::designer {

enum class ItemKind { Field, Banner };

struct ItemRef {
    ItemKind kind = ItemKind::Field;
    int slot = 0;
    auto operator<=>(const ItemRef&) const = default;
};

using Selection = std::set<ItemRef>;

inline constexpr int kGridStep = 5;

// The nearest multiple of the grid step (halves round up).
int Snapped(int value, int step = kGridStep);

design::Field* FindField(design::Design& d, int slot);
design::Banner* FindBanner(design::Design& d, int slot);
const design::Field* FindField(const design::Design& d, int slot);
const design::Banner* FindBanner(const design::Design& d, int slot);

// The blank form of a new database: the default window (640 x 480 pixels, Arial 10), one
// page, no fields, the default script.
design::Design BlankDesign();

// Moves the items by (dx, dy) pixels; no item goes left of or above the form's corner.
design::Design Moved(design::Design d, const Selection& items, int dx, int dy);
// Changes the fields' width and height; a box keeps at least one pixel each way. Banners
// take the size of their caption and are left as they are.
design::Design Resized(design::Design d, const Selection& items, int dw, int dh);
// Puts the items on another page, where they stand.
design::Design MovedToPage(design::Design d, const Selection& items, int page);
// Gives the field that box (a handle's drag).
design::Design Reboxed(design::Design d, int fieldSlot, int left, int top, int width, int height);
// Takes the items out. Banners close up to the first slots, because the form shows banner
// slots 1 to the number of banners in use.
design::Design Removed(design::Design d, const Selection& items);

// Where an item is drawn: a field's box, or the place a banner's caption takes on the form.
struct Box {
    int left = 0, top = 0, width = 0, height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
};
using Places = std::map<ItemRef, Box>;

enum class Arrangement {
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    SameWidth,    // of the widest field
    SameHeight,   // of the tallest field
    SpreadAcross, // equal gaps between the leftmost and the rightmost item
    SpreadDown,   // equal gaps between the top and the bottom item
};

// Lines the items up or spreads them, from where they are drawn. Banners keep the size of
// their caption; the sizes change only for fields.
design::Design Arranged(design::Design d, const Places& places, Arrangement how);

// Adds a field at a place of a page: the lowest free slot, a new name ("FIELD1", "FIELD2"...),
// ten characters after the last field of the record.
ItemRef AddField(design::Design& d, int page, int left, int top);
// Adds a banner with the caption "Label" in the form's font.
ItemRef AddBanner(design::Design& d, int page, int left, int top, const std::string& caption);
// A banner with the field's name on its row, ending a few pixels left of the field;
// `captionWidth` is the caption's width in pixels as the form will draw it.
ItemRef AddLabelFor(design::Design& d, int fieldSlot, int captionWidth);
// Items taken out of a design to be pasted (Cut, Copy).
struct Clipping {
    std::vector<design::Field> fields;
    std::vector<design::Banner> banners;
    bool empty() const { return fields.empty() && banners.empty(); }
};
Clipping Copied(const design::Design& d, const Selection& items);
// Adds the clipped items to a page (0: each to its own page), moved by (dx, dy). A field
// keeps its name unless the design has it already, and gets new characters at the end of
// the record. Returns the added items.
Selection Pasted(design::Design& d, const Clipping& clipping, int page, int dx, int dy);
// Copies of the items on their own pages, a grid step lower and to the right.
Selection Duplicate(design::Design& d, const Selection& items);

} // namespace tabulo::designer
