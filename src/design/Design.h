#pragma once
// A database's design as one value: the form (window, fields, banners, page headings), the
// script and the two settings bytes. The header of a ".Tbd" file is its stored form;
// DesignFromHeader and HeaderFromDesign convert both ways, exactly: a header of a sound
// file goes through a Design and back to the same bytes.
//
// Texts are the file's Windows-1252 bytes without the trailing spaces of their fixed-length
// members. Numbers are plain ints, so that an editor may hold a value out of range and ask
// the rules (DesignRules.h) why it is refused before it reaches the header.

#include "engine/DBHeader.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tabulo::design {

struct Font {
    std::string name = "Arial";
    int size = 10;
    int bold = 0;   // stored byte: non-zero is bold
    int italic = 0; // stored byte: non-zero is italic
    int32_t foreColor = 0;
    int32_t backColor = 0xFFFFFF;
    bool operator==(const Font&) const = default;
};

struct Window {
    int width = 9600;  // twips
    int height = 7200; // twips
    int32_t backColor = 0xFFFFFF;
    Font formFont;
    Font fieldFont{"Arial", 10, 0, 0, 0, 0xFFFFCC};
    bool operator==(const Window&) const = default;
};

struct Field {
    // Which field this is across edits and renames: fields of one design never share it,
    // and a restructure carries a record's value to the new field of the same identity.
    // 0: not yet known (a field read from a description; see `was`).
    int id = 0;
    // The field's name in the database being changed, when a description renames it.
    std::string was;
    int slot = 1; // 1 to kMaxFields
    std::string name;
    int page = 1;
    int left = 0, top = 0, width = 0, height = 0; // the box, pixels of the form
    int length = 1;                               // characters in the record
    int offset = 1;                               // first character in the record
    std::string format;                           // input codes
    bool operator==(const Field&) const = default;
};

struct Banner {
    int slot = 1; // 1 to kMaxBanners
    int page = 1;
    int left = 0, top = 0; // pixels of the form
    std::string caption;
    Font font;
    bool operator==(const Banner&) const = default;
};

struct Design {
    Window window;
    std::vector<Field> fields;   // in the order of the description (by slot from a header)
    std::vector<Banner> banners; // likewise
    std::array<std::string, kMaxPages> pageHeadings;
    std::string script = std::string(kDefaultScript);
    int dateOrder = 1;        // 2: month first; other values: day first
    int printOrientation = 1; // 2: landscape; other values: portrait
    // Stored as given; when empty, the end of the last field, and the highest field slot.
    std::optional<int> recordLength;
    std::optional<int> fieldCount;
    // Carried unchanged; nothing reads them.
    std::string reserved1 = std::string(32, ' ');
    std::string reserved2 = std::string(62, ' ');
    bool operator==(const Design&) const = default;
};

// The record length the header gets: the given one, or the end of the last field (at least
// 1, the deletion mark).
int RecordLengthOf(const Design& design);
int FieldCountOf(const Design& design);

// The field or banner with that slot, nullptr when the slot is free.
const Field* FieldInSlot(const Design& design, int slot);
// The field of that (exact) name, nullptr when there is none.
const Field* FieldNamed(const Design& design, std::string_view name);

// An identity that no field of the design has yet, for a field an editor adds.
int NewFieldId(const Design& design);

// Field ids are the slot numbers; free slots are left out.
Design DesignFromHeader(const DBHeader& header);
// The header of a valid design (Validate finds nothing); RecordCount is the caller's.
DBHeader HeaderFromDesign(const Design& design, int32_t recordCount = 0);

} // namespace tabulo::design
