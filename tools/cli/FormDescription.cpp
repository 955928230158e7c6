#include "FormDescription.h"

#include "CliFiles.h"
#include "base/modLIB.h"

#include <algorithm>
#include <array>

namespace tabulo::cli {

namespace {

constexpr std::string_view kFormatCodes = "*ANS.-ULFMEWYDT!#=H<>^X";
constexpr int kIntegerMax = 32767;     // largest Integer member
constexpr size_t kTextLimit = 1 << 20; // longer scripts are refused by length afterwards

// Default places put a form together without coordinates: labels at the left, boxes
// beside them, one row every 30 pixels below the toolbar strip.
constexpr int kFirstRowTop = 35;
constexpr int kRowSpacing = 30;
constexpr int kDefaultFieldLeft = 150;
constexpr int kDefaultBannerLeft = 16;
constexpr int kDefaultFieldHeight = 21;

DBFont ReadFont(const ObjectReader& parent, const char* key, const DBFont& fallback) {
    auto reader = parent.Object(key);
    if (!reader) return fallback;
    reader->AllowOnly({"name", "size", "bold", "italic", "foreColor", "backColor"});
    DBFont font;
    font.Name = FixedString(reader->Text("name", 16, TrimSpaces(fallback.Name)), 16);
    font.Size = static_cast<uint8_t>(reader->Integer("size", 0, 255, fallback.Size));
    font.Bold = reader->Boolean("bold", fallback.Bold != 0) ? 1 : 0;
    font.Italic = reader->Boolean("italic", fallback.Italic != 0) ? 1 : 0;
    font.ForeColor = reader->Colour("foreColor", fallback.ForeColor);
    font.BackColor = reader->Colour("backColor", fallback.BackColor);
    return font;
}

void ReadWindow(const ObjectReader& description, DBWindow& window) {
    auto reader = description.Object("window");
    if (!reader) return;
    reader->AllowOnly({"width", "height", "backColor", "formFont", "fieldFont"});
    window.Width = static_cast<int16_t>(reader->Integer("width", 1, kIntegerMax, window.Width));
    window.Height = static_cast<int16_t>(reader->Integer("height", 1, kIntegerMax, window.Height));
    window.BackColor = reader->Colour("backColor", window.BackColor);
    window.FormFont = ReadFont(*reader, "formFont", window.FormFont);
    window.FieldFont = ReadFont(*reader, "fieldFont", window.FieldFont);
}

// Slot numbers run on from the previous entry unless given; each slot is used once.
class SlotAllocator {
public:
    // `what` names the slots in messages ("field"), `list` is the description's list.
    SlotAllocator(const char* what, const char* list) : what_(what), list_(list) {}

    int Next(const ObjectReader& entry) {
        int slot = static_cast<int>(entry.Integer("slot", 1, kMaxFields, last_ + 1));
        if (slot > kMaxFields)
            entry.Fail("", std::string(what_) + " number " + std::to_string(slot) + " is beyond " +
                               std::to_string(kMaxFields));
        if (owners_[slot - 1] != 0)
            entry.Fail("slot", "slot " + std::to_string(slot) + " is already taken by " +
                                   ElementPlace(list_, owners_[slot - 1] - 1));
        owners_[slot - 1] = ++count_;
        last_ = slot;
        return slot;
    }
    int Highest() const {
        for (int slot = kMaxFields; slot > 0; --slot)
            if (owners_[slot - 1] != 0) return slot;
        return 0;
    }

private:
    static_assert(kMaxBanners == kMaxFields, "one allocator serves fields and banners");
    const char* what_;
    const char* list_;
    std::array<int, kMaxFields> owners_{}; // entry index + 1, 0 when free
    int last_ = 0;
    int count_ = 0;
};

// Default top for the next entry on a page: one row below the previous default one.
class RowCounter {
public:
    int Top(int page) { return kFirstRowTop + kRowSpacing * rows_[page - 1]++; }

private:
    std::array<int, kMaxPages> rows_{};
};

std::string ReadFieldFormat(const ObjectReader& entry) {
    std::string format = entry.Text("format", 8, "");
    for (char code : format)
        if (code != ' ' && kFormatCodes.find(code) == std::string_view::npos)
            entry.Fail("format", std::string("\"") + code + "\" is not a format code");
    return format;
}

std::string ReadFieldName(const ObjectReader& entry, const DBHeader& header) {
    std::string name = entry.RequiredText("name", 32);
    if (!modLIB::IsValidName(name))
        entry.Fail("name", "\"" + name +
                               "\" is not a valid field name (a letter first, then letters, "
                               "digits and _, not ending in _)");
    if (FieldSlotByName(header, name) != 0) entry.Fail("name", "\"" + name + "\" is used twice");
    return name;
}

struct PlacedField {
    int slot;
    std::string place;
};

std::string Span(const DBField& f) {
    return "characters " + std::to_string(f.Offset) + "-" + std::to_string(f.Offset + f.Length - 1);
}

void CheckFieldsFit(const std::vector<PlacedField>& placed, const DBHeader& header) {
    for (size_t i = 0; i < placed.size(); ++i) {
        const DBField& f = header.Fields[placed[i].slot - 1];
        int end = f.Offset + f.Length;
        if (end > header.RecordLength)
            throw DescriptionError(placed[i].place + ".length",
                                   Span(f) + " reach beyond the record length " +
                                       std::to_string(header.RecordLength));
        for (size_t j = 0; j < i; ++j) {
            const DBField& g = header.Fields[placed[j].slot - 1];
            if (f.Offset < g.Offset + g.Length && g.Offset < end)
                throw DescriptionError(placed[i].place + ".offset",
                                       Span(f) + " overlap field " + TrimSpaces(g.Name) + " (" +
                                           placed[j].place + ", " + Span(g) + ")");
        }
    }
}

DBField ReadField(const ObjectReader& entry, const DBHeader& header, RowCounter& rows,
                  int nextOffset) {
    DBField f;
    f.Name = FixedString(ReadFieldName(entry, header), 32);
    f.Format = FixedString(ReadFieldFormat(entry), 8);
    f.Page = static_cast<uint8_t>(entry.Integer("page", 1, kMaxPages, 1));
    f.Length = static_cast<int16_t>(entry.RequiredInteger("length", 1, kIntegerMax));
    bool multiLine = f.Format.find('M') != std::string::npos;
    f.Left = static_cast<int16_t>(entry.Integer("left", 0, kIntegerMax, kDefaultFieldLeft));
    f.Top = static_cast<int16_t>(entry.Has("top") ? entry.Integer("top", 0, kIntegerMax, 0)
                                                  : rows.Top(f.Page));
    f.Width = static_cast<int16_t>(
        entry.Integer("width", 1, kIntegerMax, std::clamp(8 * f.Length + 8, 24, 450)));
    f.Height = static_cast<int16_t>(entry.Integer(
        "height", 1, kIntegerMax, multiLine ? 3 * kDefaultFieldHeight : kDefaultFieldHeight));
    if (!entry.Has("offset") && nextOffset > kIntegerMax)
        entry.Fail("offset", "the field would start at character " + std::to_string(nextOffset) +
                                 ", past the largest offset " + std::to_string(kIntegerMax));
    f.Offset = static_cast<int16_t>(entry.Integer("offset", 0, kIntegerMax, nextOffset));
    if (f.Offset == 0) entry.Fail("offset", "character 0 holds the deletion mark");
    return f;
}

void ReadFields(const ObjectReader& description, DBHeader& header) {
    const Json& list = description.Array("fields", kMaxFields);
    SlotAllocator slotNumbers("field", "fields");
    RowCounter rows;
    std::vector<PlacedField> placed;
    int nextOffset = 1; // character 0 is the deletion mark
    for (size_t i = 0; i < list.size(); ++i) {
        ObjectReader entry = ElementObject(list, i, "fields");
        entry.AllowOnly({"slot", "page", "left", "top", "width", "height", "length", "name",
                         "format", "offset"});
        int slot = slotNumbers.Next(entry);
        DBField f = ReadField(entry, header, rows, nextOffset);
        nextOffset = f.Offset + f.Length;
        header.Fields[slot - 1] = f;
        placed.push_back({slot, entry.Place()});
    }
    int needed = 1;
    for (const PlacedField& p : placed)
        needed =
            std::max(needed, header.Fields[p.slot - 1].Offset + header.Fields[p.slot - 1].Length);
    header.RecordLength =
        static_cast<int32_t>(description.Integer("recordLength", 1, 1 << 20, needed));
    header.FieldCount = static_cast<int16_t>(
        description.Integer("fieldCount", 0, kIntegerMax, slotNumbers.Highest()));
    CheckFieldsFit(placed, header);
}

void ReadBanners(const ObjectReader& description, DBHeader& header) {
    const Json& list = description.Array("banners", kMaxBanners);
    SlotAllocator slotNumbers("banner", "banners");
    RowCounter rows;
    for (size_t i = 0; i < list.size(); ++i) {
        ObjectReader entry = ElementObject(list, i, "banners");
        entry.AllowOnly({"slot", "page", "left", "top", "caption", "font"});
        DBBanner& b = header.Banners[slotNumbers.Next(entry) - 1];
        b.Page = static_cast<uint8_t>(entry.Integer("page", 1, kMaxPages, 1));
        b.Left = static_cast<int16_t>(entry.Integer("left", 0, kIntegerMax, kDefaultBannerLeft));
        b.Top = static_cast<int16_t>(entry.Has("top") ? entry.Integer("top", 0, kIntegerMax, 0)
                                                      : rows.Top(b.Page));
        b.Caption = FixedString(entry.RequiredText("caption", 64), 64);
        b.Font = ReadFont(entry, "font", header.Window.FormFont);
    }
}

void ReadPageHeadings(const ObjectReader& description, DBHeader& header) {
    const Json& list = description.Array("pageHeadings", kMaxPages);
    for (size_t i = 0; i < list.size(); ++i)
        header.PageHeadings[i] =
            FixedString(TextValue(list[i], ElementPlace("pageHeadings", i), 32), 32);
}

std::string ReadScriptText(const ObjectReader& description, const std::filesystem::path& baseDir) {
    if (!description.Has("scriptFile"))
        return WithCrLf(description.Text("script", kTextLimit, kDefaultScript));
    if (description.Has("script")) description.Fail("script", "give either script or scriptFile");
    const std::string name = description.RequiredText("scriptFile", 1024);
    // The file name as the description spells it (UTF-8), not as the file would store it.
    const auto& fileName = description.Value("scriptFile").get_ref<const std::string&>();
    std::string utf8;
    if (!ReadWholeFile(baseDir / fileName, utf8))
        description.Fail("scriptFile", "cannot read \"" + name + "\"");
    if (utf8.starts_with("\xEF\xBB\xBF")) utf8.erase(0, 3); // a byte-order mark is no script text
    return WithCrLf(TextValue(Json(utf8), "scriptFile", kTextLimit));
}

void ReadScript(const ObjectReader& description, const std::filesystem::path& baseDir,
                DBHeader& header) {
    std::string script = ReadScriptText(description, baseDir);
    if (script.size() > size_t(kScriptSize))
        description.Fail(description.Has("scriptFile") ? "scriptFile" : "script",
                         std::to_string(script.size()) + " characters, more than " +
                             std::to_string(kScriptSize));
    header.Script = FixedString(script, kScriptSize);
}

} // namespace

int FieldSlotByName(const DBHeader& header, const std::string& name) {
    for (int slot = 1; slot <= kMaxFields; ++slot)
        if (header.Fields[slot - 1].Page != 0 && TrimSpaces(header.Fields[slot - 1].Name) == name)
            return slot;
    return 0;
}

void ReadForm(const ObjectReader& description, const std::filesystem::path& baseDir,
              DBHeader& header) {
    ReadWindow(description, header.Window);
    ReadFields(description, header);
    ReadBanners(description, header);
    ReadPageHeadings(description, header);
    ReadScript(description, baseDir, header);
    header.DateOrder =
        description.NamedByte("dateOrder", {{"DD/MM/YYYY", 1}, {"MM/DD/YYYY", 2}}, 1);
    header.PrintOrientation =
        description.NamedByte("printOrientation", {{"portrait", 1}, {"landscape", 2}}, 1);
}

} // namespace tabulo::cli
