#include "designer/DesignEdits.h"

#include <algorithm>
#include <cmath>

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

Selection Duplicate(Design& d, const Selection& items) {
    Selection copies;
    for (const ItemRef& item : items) {
        if (const Field* f = item.kind == ItemKind::Field ? FindField(d, item.slot) : nullptr) {
            Field copy = *f;
            copy.name = NewFieldName(d, f->name.substr(0, 28) + "_");
            copy.left += kGridStep;
            copy.top += kGridStep;
            copies.insert({ItemKind::Field, AppendField(d, std::move(copy)).slot});
        } else if (const Banner* b = FindBanner(d, item.slot)) {
            const Banner original = *b;
            const ItemRef added = AddBanner(d, original.page, original.left + kGridStep,
                                            original.top + kGridStep, original.caption);
            FindBanner(d, added.slot)->font = original.font;
            copies.insert(added);
        }
    }
    return copies;
}

} // namespace tabulo::designer
