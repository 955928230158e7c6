#include "design/DesignJson.h"

#include "base/CodePage.h"
#include "design/DesignRules.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace tabulo::design {

namespace {

using OrderedJson = nlohmann::ordered_json;

constexpr size_t kTextLimit = 1 << 20; // longer scripts are refused by length afterwards

// Default places put a form together without coordinates: labels at the left, boxes
// beside them, one row every 30 pixels below the toolbar strip.
constexpr int kFirstRowTop = 35;
constexpr int kRowSpacing = 30;
constexpr int kDefaultFieldLeft = 150;
constexpr int kDefaultBannerLeft = 16;
constexpr int kDefaultFieldHeight = 21;

constexpr std::pair<const char*, uint8_t> kDateOrders[] = {{"DD/MM/YYYY", 1}, {"MM/DD/YYYY", 2}};
constexpr std::pair<const char*, uint8_t> kOrientations[] = {{"portrait", 1}, {"landscape", 2}};

// "line L, column C" of a byte offset, for JSON syntax errors.
std::string LineAndColumn(std::string_view json, size_t offset) {
    int line = 1, column = 1;
    for (size_t i = 0; i < offset && i < json.size(); ++i) {
        column = json[i] == '\n' ? 1 : column + 1;
        line += json[i] == '\n' ? 1 : 0;
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// ---- Reading -------------------------------------------------------------------------

Font ReadFont(const ObjectReader& parent, const char* key, const Font& fallback) {
    auto reader = parent.Object(key);
    if (!reader) return fallback;
    reader->AllowOnly({"name", "size", "bold", "italic", "foreColor", "backColor"});
    Font font;
    font.name = reader->Text("name", 16, fallback.name);
    font.size = static_cast<int>(reader->Integer("size", 0, 255, fallback.size));
    font.bold = reader->Flag("bold", fallback.bold);
    font.italic = reader->Flag("italic", fallback.italic);
    font.foreColor = reader->Colour("foreColor", fallback.foreColor);
    font.backColor = reader->Colour("backColor", fallback.backColor);
    return font;
}

void ReadWindow(const ObjectReader& description, Window& window) {
    auto reader = description.Object("window");
    if (!reader) return;
    reader->AllowOnly({"width", "height", "backColor", "formFont", "fieldFont"});
    window.width = static_cast<int>(reader->Integer("width", 1, kIntegerMax, window.width));
    window.height = static_cast<int>(reader->Integer("height", 1, kIntegerMax, window.height));
    window.backColor = reader->Colour("backColor", window.backColor);
    window.formFont = ReadFont(*reader, "formFont", window.formFont);
    window.fieldFont = ReadFont(*reader, "fieldFont", window.fieldFont);
}

// Slot numbers run on from the previous entry unless given.
int NextSlot(const ObjectReader& entry, const char* what, int& last) {
    const int slot = static_cast<int>(entry.Integer("slot", 1, kMaxFields, last + 1));
    if (slot > kMaxFields)
        entry.Fail("", std::string(what) + " number " + std::to_string(slot) + " is beyond " +
                           std::to_string(kMaxFields));
    return last = slot;
}

// Default top for the next entry on a page: one row below the previous default one.
class RowCounter {
public:
    int Top(int page) { return kFirstRowTop + kRowSpacing * rows_[page - 1]++; }

private:
    std::array<int, kMaxPages> rows_{};
};

int ReadTop(const ObjectReader& entry, RowCounter& rows, int page) {
    return entry.Has("top") ? static_cast<int>(entry.Integer("top", 0, kIntegerMax, 0))
                            : rows.Top(page);
}

Field ReadField(const ObjectReader& entry, RowCounter& rows, int nextOffset) {
    Field f;
    f.name = entry.RequiredText("name", 32);
    f.was = entry.Text("was", 32, "");
    f.format = entry.Text("format", 8, "");
    f.page = static_cast<int>(entry.Integer("page", 1, kMaxPages, 1));
    f.length = static_cast<int>(entry.RequiredInteger("length", 1, kIntegerMax));
    const bool multiLine = f.format.find('M') != std::string::npos;
    f.left = static_cast<int>(entry.Integer("left", 0, kIntegerMax, kDefaultFieldLeft));
    f.top = ReadTop(entry, rows, f.page);
    f.width = static_cast<int>(
        entry.Integer("width", 1, kIntegerMax, std::clamp(8 * f.length + 8, 24, 450)));
    f.height = static_cast<int>(entry.Integer(
        "height", 1, kIntegerMax, multiLine ? 3 * kDefaultFieldHeight : kDefaultFieldHeight));
    if (!entry.Has("offset") && nextOffset > kIntegerMax)
        entry.Fail("offset", "the field would start at character " + std::to_string(nextOffset) +
                                 ", past the largest offset " + std::to_string(kIntegerMax));
    f.offset = static_cast<int>(entry.Integer("offset", 0, kIntegerMax, nextOffset));
    return f;
}

void ReadFields(const ObjectReader& description, Design& design) {
    const Json& list = description.Array("fields", kMaxFields);
    RowCounter rows;
    int lastSlot = 0;
    int nextOffset = 1; // character 0 is the deletion mark
    for (size_t i = 0; i < list.size(); ++i) {
        ObjectReader entry = ElementObject(list, i, "fields");
        entry.AllowOnly({"slot", "page", "left", "top", "width", "height", "length", "name", "was",
                         "format", "offset"});
        const int slot = NextSlot(entry, "field", lastSlot);
        Field f = ReadField(entry, rows, nextOffset);
        f.slot = slot;
        nextOffset = f.offset + f.length;
        design.fields.push_back(std::move(f));
    }
    if (description.Has("recordLength"))
        design.recordLength =
            static_cast<int>(description.RequiredInteger("recordLength", 1, kLargestRecord));
    if (description.Has("fieldCount"))
        design.fieldCount =
            static_cast<int>(description.RequiredInteger("fieldCount", 0, kIntegerMax));
}

void ReadBanners(const ObjectReader& description, Design& design) {
    const Json& list = description.Array("banners", kMaxBanners);
    RowCounter rows;
    int lastSlot = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        ObjectReader entry = ElementObject(list, i, "banners");
        entry.AllowOnly({"slot", "page", "left", "top", "caption", "font"});
        Banner b;
        b.slot = NextSlot(entry, "banner", lastSlot);
        b.page = static_cast<int>(entry.Integer("page", 1, kMaxPages, 1));
        b.left = static_cast<int>(entry.Integer("left", 0, kIntegerMax, kDefaultBannerLeft));
        b.top = ReadTop(entry, rows, b.page);
        b.caption = entry.RequiredText("caption", 64);
        b.font = ReadFont(entry, "font", design.window.formFont);
        design.banners.push_back(std::move(b));
    }
}

void ReadPageHeadings(const ObjectReader& description, Design& design) {
    const Json& list = description.Array("pageHeadings", kMaxPages);
    for (size_t i = 0; i < list.size(); ++i)
        design.pageHeadings[i] = TextValue(list[i], ElementPlace("pageHeadings", i), 32);
}

bool ReadUtf8File(const std::filesystem::path& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream whole;
    whole << in.rdbuf();
    text = whole.str();
    return in.good() || in.eof();
}

std::string ReadScriptText(const ObjectReader& description, const std::filesystem::path& baseDir) {
    if (!description.Has("scriptFile"))
        return WithCrLf(description.Text("script", kTextLimit, kDefaultScript));
    if (description.Has("script")) description.Fail("script", "give either script or scriptFile");
    const std::string name = description.RequiredText("scriptFile", 1024);
    // The file name as the description spells it (UTF-8), not as the file would store it.
    const auto& fileName = description.Value("scriptFile").get_ref<const std::string&>();
    std::string utf8;
    if (std::filesystem::is_directory(baseDir / fileName) ||
        !ReadUtf8File(baseDir / fileName, utf8))
        description.Fail("scriptFile", "cannot read \"" + name + "\"");
    if (utf8.starts_with("\xEF\xBB\xBF")) utf8.erase(0, 3); // a byte-order mark is no script text
    std::string script = WithCrLf(TextValue(Json(utf8), "scriptFile", kTextLimit));
    if (std::string reason = ScriptReason(script); !reason.empty())
        description.Fail("scriptFile", reason);
    return script;
}

Design ReadDesign(const ObjectReader& description, const std::filesystem::path& baseDir) {
    description.AllowOnly({"window", "fields", "banners", "pageHeadings", "script", "scriptFile",
                           "dateOrder", "printOrientation", "recordLength", "fieldCount",
                           "recordCount", "records", "generate"});
    Design design;
    ReadWindow(description, design.window);
    ReadFields(description, design);
    ReadBanners(description, design);
    ReadPageHeadings(description, design);
    design.script = ReadScriptText(description, baseDir);
    design.dateOrder = description.NamedByte("dateOrder", {kDateOrders[0], kDateOrders[1]}, 1);
    design.printOrientation =
        description.NamedByte("printOrientation", {kOrientations[0], kOrientations[1]}, 1);
    const std::vector<DesignProblem> problems = Validate(design);
    if (!problems.empty()) throw DescriptionError(problems[0].place, problems[0].reason);
    return design;
}

// ---- Writing -------------------------------------------------------------------------

std::string Utf8(std::string_view cp1252) {
    return Cp1252ToUtf8(cp1252);
}

OrderedJson FlagJson(int flag) {
    return flag == 0 || flag == 1 ? OrderedJson(flag == 1) : OrderedJson(flag);
}

OrderedJson ColourJson(int32_t colour) {
    if (colour < 0 || colour > 0xFFFFFF) return colour;
    const int red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", red, green, blue);
    return text;
}

template <size_t N>
OrderedJson NamedByteJson(int value, const std::pair<const char*, uint8_t> (&names)[N]) {
    for (const auto& [name, byte] : names)
        if (value == byte) return name;
    return value;
}

OrderedJson FontJson(const Font& f) {
    return {{"name", Utf8(f.name)},
            {"size", f.size},
            {"bold", FlagJson(f.bold)},
            {"italic", FlagJson(f.italic)},
            {"foreColor", ColourJson(f.foreColor)},
            {"backColor", ColourJson(f.backColor)}};
}

OrderedJson FieldsJson(const Design& d) {
    OrderedJson list = OrderedJson::array();
    int lastSlot = 0, nextOffset = 1;
    for (const Field& f : d.fields) {
        OrderedJson entry;
        if (f.slot != lastSlot + 1) entry["slot"] = f.slot;
        entry["name"] = Utf8(f.name);
        if (!f.was.empty()) entry["was"] = Utf8(f.was);
        entry["length"] = f.length;
        if (f.offset != nextOffset) entry["offset"] = f.offset;
        if (!f.format.empty()) entry["format"] = Utf8(f.format);
        if (f.page != 1) entry["page"] = f.page;
        entry["left"] = f.left;
        entry["top"] = f.top;
        entry["width"] = f.width;
        entry["height"] = f.height;
        list.push_back(std::move(entry));
        lastSlot = f.slot;
        nextOffset = f.offset + f.length;
    }
    return list;
}

OrderedJson BannersJson(const Design& d) {
    OrderedJson list = OrderedJson::array();
    int lastSlot = 0;
    for (const Banner& b : d.banners) {
        OrderedJson entry;
        if (b.slot != lastSlot + 1) entry["slot"] = b.slot;
        if (b.page != 1) entry["page"] = b.page;
        entry["left"] = b.left;
        entry["top"] = b.top;
        entry["caption"] = Utf8(b.caption);
        entry["font"] = FontJson(b.font);
        list.push_back(std::move(entry));
        lastSlot = b.slot;
    }
    return list;
}

OrderedJson HeadingsJson(const Design& d) {
    OrderedJson list = OrderedJson::array();
    size_t used = d.pageHeadings.size();
    while (used > 0 && d.pageHeadings[used - 1].empty())
        --used;
    for (size_t i = 0; i < used; ++i)
        list.push_back(Utf8(d.pageHeadings[i]));
    return list;
}

// The script with LF line ends, as a description gives it; CR LF comes back on reading.
std::string ScriptText(std::string_view script) {
    std::string text;
    for (size_t i = 0; i < script.size(); ++i)
        if (!(script[i] == '\r' && i + 1 < script.size() && script[i + 1] == '\n'))
            text += script[i];
    return Utf8(text);
}

// Lists of objects and long lists show one entry a line; everything else as JSON writes it
// compactly.
void WriteMember(std::string& out, const std::string& key, const OrderedJson& value) {
    constexpr size_t kLongLine = 100;
    out += "  " + OrderedJson(key).dump() + ": ";
    const std::string compact = value.dump();
    if (!value.is_array() || value.empty() ||
        (!value.front().is_object() && compact.size() <= kLongLine)) {
        out += compact;
        return;
    }
    out += "[\n";
    for (size_t i = 0; i < value.size(); ++i)
        out += "    " + value[i].dump() + (i + 1 < value.size() ? ",\n" : "\n");
    out += "  ]";
}

} // namespace

ParsedDesign ParseDesign(std::string_view json, const std::filesystem::path& baseDir) {
    ParsedDesign result;
    try {
        result.document = Json::parse(json);
    } catch (const Json::parse_error& e) {
        // e.byte counts from 1 and names the character where the parser stopped.
        result.error = LineAndColumn(json, e.byte > 0 ? e.byte - 1 : 0) + ": not valid JSON";
        return result;
    }
    if (!result.document.is_object()) {
        result.error = "the description must be a JSON object";
        return result;
    }
    try {
        result.design = ReadDesign(ObjectReader(result.document, ""), baseDir);
        result.ok = true;
    } catch (const DescriptionError& e) {
        result.error = e.what();
    }
    return result;
}

std::string DescribeDesign(const Design& d, const nlohmann::ordered_json& extra) {
    OrderedJson members;
    members["window"] = {{"width", d.window.width},
                         {"height", d.window.height},
                         {"backColor", ColourJson(d.window.backColor)},
                         {"formFont", FontJson(d.window.formFont)},
                         {"fieldFont", FontJson(d.window.fieldFont)}};
    members["fields"] = FieldsJson(d);
    members["banners"] = BannersJson(d);
    if (OrderedJson headings = HeadingsJson(d); !headings.empty())
        members["pageHeadings"] = headings;
    members["script"] = ScriptText(d.script);
    members["dateOrder"] = NamedByteJson(d.dateOrder, kDateOrders);
    members["printOrientation"] = NamedByteJson(d.printOrientation, kOrientations);
    if (d.recordLength) members["recordLength"] = *d.recordLength;
    if (d.fieldCount) members["fieldCount"] = *d.fieldCount;
    if (extra.is_object())
        for (const auto& [key, value] : extra.items())
            members[key] = value;
    std::string out = "{\n";
    bool first = true;
    for (const auto& [key, value] : members.items()) {
        if (!first) out += ",\n";
        first = false;
        WriteMember(out, key, value);
    }
    return out + "\n}\n";
}

} // namespace tabulo::design
