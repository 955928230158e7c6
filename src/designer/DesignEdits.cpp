#include "designer/DesignEdits.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <tuple>

namespace tabulo::designer {

using design::Banner;
using design::Design;
using design::Field;

namespace {

constexpr int kNewFieldLength = 10;
constexpr int kNewFieldWidth = 80;
constexpr int kNewFieldHeight = 21;
constexpr int kLabelGap = 8;

// The item of that slot in a list of fields or banners, const or not; nullptr when free.
template <class Items> auto SlotIn(Items& items, int slot) -> decltype(&items.front()) {
    auto it =
        std::find_if(items.begin(), items.end(), [&](const auto& i) { return i.slot == slot; });
    return it == items.end() ? nullptr : &*it;
}

template <class Item> int FreeSlot(const std::vector<Item>& items) {
    for (int slot = 1;; ++slot)
        if (std::none_of(items.begin(), items.end(), [&](const Item& i) { return i.slot == slot; }))
            return slot;
}

int RecordEnd(const Design& d) {
    int end = 1;
    for (const Field& f : d.fields)
        end = std::max(end, f.offset + f.length);
    return end;
}

std::string NewFieldName(const Design& d, const std::string& stem) {
    for (int n = 1;; ++n) {
        std::string name = stem + std::to_string(n);
        if (!design::FieldNamed(d, name)) return name;
    }
}

// Appends the field's characters to the record, growing a record length given explicitly.
void PlaceAtRecordEnd(Design& d, Field& f) {
    f.offset = RecordEnd(d);
    if (d.recordLength) d.recordLength = std::max(*d.recordLength, f.offset + f.length);
}

Field& AppendField(Design& d, Field f) {
    f.slot = FreeSlot(d.fields);
    f.id = design::NewFieldId(d);
    f.was.clear();
    PlaceAtRecordEnd(d, f);
    if (d.fieldCount) d.fieldCount = std::max(*d.fieldCount, f.slot);
    d.fields.push_back(std::move(f));
    return d.fields.back();
}

void PlaceCorner(Design& d, const ItemRef& item, int left, int top) {
    if (item.kind == ItemKind::Field) {
        if (Field* f = FindField(d, item.slot)) std::tie(f->left, f->top) = std::pair(left, top);
    } else if (Banner* b = FindBanner(d, item.slot)) {
        std::tie(b->left, b->top) = std::pair(left, top);
    }
}

// Equal gaps between the items along one axis, the first and the last staying where they are.
void Spread(Design& d, const Places& places, bool across) {
    if (places.size() < 3) return;
    std::vector<std::pair<ItemRef, Box>> order(places.begin(), places.end());
    auto start = [across](const Box& b) { return across ? b.left : b.top; };
    auto extent = [across](const Box& b) { return across ? b.width : b.height; };
    std::stable_sort(order.begin(), order.end(), [&](const auto& a, const auto& b) {
        return start(a.second) < start(b.second);
    });
    const Box& last = order.back().second;
    const int first = start(order.front().second);
    int room = start(last) + extent(last) - first;
    for (const auto& [item, box] : order)
        room -= extent(box);
    // Item i starts after the items before it and i shares of the room; the last one ends
    // where it did.
    const int gaps = static_cast<int>(order.size()) - 1;
    int taken = 0;
    for (int i = 0; i <= gaps; ++i) {
        const auto& [item, box] = order[i];
        const int at = first + taken + room * i / gaps;
        if (across)
            PlaceCorner(d, item, at, box.top);
        else
            PlaceCorner(d, item, box.left, at);
        taken += extent(box);
    }
}

} // namespace

int Snapped(int value, int step) {
    return static_cast<int>(std::floor((value + step / 2.0) / step)) * step;
}

Field* FindField(Design& d, int slot) {
    return SlotIn(d.fields, slot);
}
Banner* FindBanner(Design& d, int slot) {
    return SlotIn(d.banners, slot);
}
const Field* FindField(const Design& d, int slot) {
    return SlotIn(d.fields, slot);
}
const Banner* FindBanner(const Design& d, int slot) {
    return SlotIn(d.banners, slot);
}

Design BlankDesign() {
    Design d;
    d.pageHeadings[0] = "Page 1";
    return d;
}

Design Moved(Design d, const Selection& items, int dx, int dy) {
    for (const ItemRef& item : items) {
        if (Field* f = item.kind == ItemKind::Field ? FindField(d, item.slot) : nullptr) {
            f->left = std::max(0, f->left + dx);
            f->top = std::max(0, f->top + dy);
        } else if (Banner* b = item.kind == ItemKind::Banner ? FindBanner(d, item.slot) : nullptr) {
            b->left = std::max(0, b->left + dx);
            b->top = std::max(0, b->top + dy);
        }
    }
    return d;
}

Design Resized(Design d, const Selection& items, int dw, int dh) {
    for (const ItemRef& item : items)
        if (Field* f = item.kind == ItemKind::Field ? FindField(d, item.slot) : nullptr) {
            f->width = std::max(1, f->width + dw);
            f->height = std::max(1, f->height + dh);
        }
    return d;
}

Design MovedToPage(Design d, const Selection& items, int page) {
    for (const ItemRef& item : items) {
        if (Field* f = item.kind == ItemKind::Field ? FindField(d, item.slot) : nullptr)
            f->page = page;
        else if (Banner* b = item.kind == ItemKind::Banner ? FindBanner(d, item.slot) : nullptr)
            b->page = page;
    }
    return d;
}

Design Reboxed(Design d, int fieldSlot, int left, int top, int width, int height) {
    if (Field* f = FindField(d, fieldSlot))
        std::tie(f->left, f->top, f->width, f->height) = std::tuple(left, top, width, height);
    return d;
}

Design Removed(Design d, const Selection& items) {
    std::erase_if(d.fields, [&](const Field& f) {
        return items.contains({ItemKind::Field, f.slot});
    });
    std::erase_if(d.banners, [&](const Banner& b) {
        return items.contains({ItemKind::Banner, b.slot});
    });
    std::sort(d.banners.begin(), d.banners.end(),
              [](const Banner& a, const Banner& b) { return a.slot < b.slot; });
    for (size_t i = 0; i < d.banners.size(); ++i)
        d.banners[i].slot = static_cast<int>(i) + 1;
    if (d.fieldCount) d.fieldCount.reset();
    return d;
}

Design Arranged(Design d, const Places& places, Arrangement how) {
    if (places.empty()) return d;
    int least = INT_MAX, most = INT_MIN, widest = 0, tallest = 0;
    for (const auto& [item, box] : places) {
        const bool across = how == Arrangement::AlignLeft || how == Arrangement::AlignRight;
        least = std::min(least, across ? box.left : box.top);
        most = std::max(most, across ? box.Right() : box.Bottom());
        if (item.kind == ItemKind::Field) {
            widest = std::max(widest, box.width);
            tallest = std::max(tallest, box.height);
        }
    }
    if (how == Arrangement::SpreadAcross || how == Arrangement::SpreadDown) {
        Spread(d, places, how == Arrangement::SpreadAcross);
        return d;
    }
    for (const auto& [item, box] : places) {
        switch (how) {
        case Arrangement::AlignLeft:
            PlaceCorner(d, item, least, box.top);
            break;
        case Arrangement::AlignRight:
            PlaceCorner(d, item, most - box.width, box.top);
            break;
        case Arrangement::AlignTop:
            PlaceCorner(d, item, box.left, least);
            break;
        case Arrangement::AlignBottom:
            PlaceCorner(d, item, box.left, most - box.height);
            break;
        case Arrangement::SameWidth:
            if (Field* f = item.kind == ItemKind::Field ? FindField(d, item.slot) : nullptr)
                f->width = widest;
            break;
        case Arrangement::SameHeight:
            if (Field* f = item.kind == ItemKind::Field ? FindField(d, item.slot) : nullptr)
                f->height = tallest;
            break;
        default:
            break;
        }
    }
    return d;
}

ItemRef AddField(Design& d, int page, int left, int top) {
    Field f;
    f.name = NewFieldName(d, "FIELD");
    f.page = page;
    f.left = left;
    f.top = top;
    f.width = kNewFieldWidth;
    f.height = kNewFieldHeight;
    f.length = kNewFieldLength;
    return {ItemKind::Field, AppendField(d, std::move(f)).slot};
}

ItemRef AddBanner(Design& d, int page, int left, int top, const std::string& caption) {
    Banner b;
    b.slot = FreeSlot(d.banners);
    b.page = page;
    b.left = left;
    b.top = top;
    b.caption = caption;
    b.font = d.window.formFont;
    d.banners.push_back(b);
    return {ItemKind::Banner, b.slot};
}

ItemRef AddLabelFor(Design& d, int fieldSlot, int captionWidth) {
    const Field* f = FindField(d, fieldSlot);
    if (!f) return {};
    const int left = std::max(0, f->left - kLabelGap - captionWidth);
    return AddBanner(d, f->page, left, f->top, f->name);
}

Clipping Copied(const Design& d, const Selection& items) {
    Clipping clipping;
    for (const ItemRef& item : items) {
        if (item.kind == ItemKind::Field) {
            if (const Field* f = FindField(d, item.slot)) clipping.fields.push_back(*f);
        } else if (const Banner* b = FindBanner(d, item.slot)) {
            clipping.banners.push_back(*b);
        }
    }
    return clipping;
}

Selection Pasted(Design& d, const Clipping& clipping, int page, int dx, int dy) {
    Selection added;
    for (Field copy : clipping.fields) {
        if (design::FieldNamed(d, copy.name))
            copy.name = NewFieldName(d, copy.name.substr(0, 28) + "_");
        copy.page = page == 0 ? copy.page : page;
        copy.left = std::max(0, copy.left + dx);
        copy.top = std::max(0, copy.top + dy);
        added.insert({ItemKind::Field, AppendField(d, std::move(copy)).slot});
    }
    for (const Banner& original : clipping.banners) {
        const ItemRef banner =
            AddBanner(d, page == 0 ? original.page : page, std::max(0, original.left + dx),
                      std::max(0, original.top + dy), original.caption);
        FindBanner(d, banner.slot)->font = original.font;
        added.insert(banner);
    }
    return added;
}

Selection Duplicate(Design& d, const Selection& items) {
    return Pasted(d, Copied(d, items), 0, kGridStep, kGridStep);
}

} // namespace tabulo::designer
