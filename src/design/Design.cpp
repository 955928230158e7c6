#include "design/Design.h"

#include <algorithm>
#include <cassert>

namespace tabulo::design {

namespace {

// A fixed-length member without its padding; leading spaces are part of the text.
std::string TrimEnd(std::string_view text) {
    const size_t end = text.find_last_not_of(' ');
    return std::string(text.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

Font FontFromHeader(const DBFont& f) {
    return {TrimEnd(f.Name), f.Size, f.Bold, f.Italic, f.ForeColor, f.BackColor};
}

DBFont HeaderFont(const Font& f) {
    DBFont font;
    font.Name = FixedString(f.name, 16);
    font.Size = static_cast<uint8_t>(f.size);
    font.Bold = static_cast<uint8_t>(f.bold);
    font.Italic = static_cast<uint8_t>(f.italic);
    font.ForeColor = f.foreColor;
    font.BackColor = f.backColor;
    return font;
}

int HighestSlot(const Design& design) {
    int highest = 0;
    for (const Field& f : design.fields)
        highest = std::max(highest, f.slot);
    return highest;
}

} // namespace

int RecordLengthOf(const Design& design) {
    if (design.recordLength) return *design.recordLength;
    int end = 1;
    for (const Field& f : design.fields)
        end = std::max(end, f.offset + f.length);
    return end;
}

int FieldCountOf(const Design& design) {
    return design.fieldCount.value_or(HighestSlot(design));
}

const Field* FieldInSlot(const Design& design, int slot) {
    auto it = std::find_if(design.fields.begin(), design.fields.end(),
                           [slot](const Field& f) { return f.slot == slot; });
    return it == design.fields.end() ? nullptr : &*it;
}

const Field* FieldNamed(const Design& design, std::string_view name) {
    auto it = std::find_if(design.fields.begin(), design.fields.end(),
                           [name](const Field& f) { return f.name == name; });
    return it == design.fields.end() ? nullptr : &*it;
}

int NewFieldId(const Design& design) {
    int highest = 0;
    for (const Field& f : design.fields)
        highest = std::max(highest, f.id);
    return highest + 1;
}

Design DesignFromHeader(const DBHeader& h) {
    Design d;
    d.window = {h.Window.Width, h.Window.Height, h.Window.BackColor,
                FontFromHeader(h.Window.FormFont), FontFromHeader(h.Window.FieldFont)};
    for (int slot = 1; slot <= kMaxFields; ++slot) {
        const DBField& f = h.Fields[slot - 1];
        if (f.Page == 0) continue;
        Field field;
        field.id = field.slot = slot;
        field.name = TrimEnd(f.Name);
        field.page = f.Page;
        field.left = f.Left;
        field.top = f.Top;
        field.width = f.Width;
        field.height = f.Height;
        field.length = f.Length;
        field.offset = f.Offset;
        field.format = TrimEnd(f.Format);
        d.fields.push_back(std::move(field));
    }
    for (int slot = 1; slot <= kMaxBanners; ++slot) {
        const DBBanner& b = h.Banners[slot - 1];
        if (b.Page != 0)
            d.banners.push_back(
                {slot, b.Page, b.Left, b.Top, TrimEnd(b.Caption), FontFromHeader(b.Font)});
    }
    for (int page = 0; page < kMaxPages; ++page)
        d.pageHeadings[page] = TrimEnd(h.PageHeadings[page]);
    d.script = TrimEnd(h.Script);
    d.dateOrder = h.DateOrder;
    d.printOrientation = h.PrintOrientation;
    if (h.RecordLength != RecordLengthOf(d)) d.recordLength = h.RecordLength;
    if (h.FieldCount != HighestSlot(d)) d.fieldCount = h.FieldCount;
    d.reserved1 = h.Reserved1;
    d.reserved2 = h.Reserved2;
    return d;
}

DBHeader HeaderFromDesign(const Design& d, int32_t recordCount) {
    DBHeader h;
    h.RecordCount = recordCount;
    h.RecordLength = RecordLengthOf(d);
    h.Window.Width = static_cast<int16_t>(d.window.width);
    h.Window.Height = static_cast<int16_t>(d.window.height);
    h.Window.BackColor = d.window.backColor;
    h.Window.FormFont = HeaderFont(d.window.formFont);
    h.Window.FieldFont = HeaderFont(d.window.fieldFont);
    h.FieldCount = static_cast<int16_t>(FieldCountOf(d));
    for (const Field& f : d.fields) {
        assert(f.slot >= 1 && f.slot <= kMaxFields && "field slot out of range");
        DBField& slot = h.Fields[f.slot - 1];
        slot.Page = static_cast<uint8_t>(f.page);
        slot.Left = static_cast<int16_t>(f.left);
        slot.Top = static_cast<int16_t>(f.top);
        slot.Width = static_cast<int16_t>(f.width);
        slot.Height = static_cast<int16_t>(f.height);
        slot.Length = static_cast<int16_t>(f.length);
        slot.Name = FixedString(f.name, 32);
        slot.Format = FixedString(f.format, 8);
        slot.Offset = static_cast<int16_t>(f.offset);
    }
    for (const Banner& b : d.banners) {
        assert(b.slot >= 1 && b.slot <= kMaxBanners && "banner slot out of range");
        DBBanner& slot = h.Banners[b.slot - 1];
        slot.Page = static_cast<uint8_t>(b.page);
        slot.Left = static_cast<int16_t>(b.left);
        slot.Top = static_cast<int16_t>(b.top);
        slot.Caption = FixedString(b.caption, 64);
        slot.Font = HeaderFont(b.font);
    }
    for (int page = 0; page < kMaxPages; ++page)
        h.PageHeadings[page] = FixedString(d.pageHeadings[page], 32);
    h.Script = FixedString(d.script, kScriptSize);
    h.DateOrder = static_cast<uint8_t>(d.dateOrder);
    h.PrintOrientation = static_cast<uint8_t>(d.printOrientation);
    h.Reserved1 = FixedString(d.reserved1, 32);
    h.Reserved2 = FixedString(d.reserved2, 62);
    return h;
}

} // namespace tabulo::design
