#include "design/DesignRules.h"

#include "base/modLIB.h"

#include <array>

namespace tabulo::design {

namespace {

std::string Place(const char* list, size_t index) {
    return std::string(list) + "[" + std::to_string(index) + "]";
}

std::string Span(const Field& f) {
    return "characters " + std::to_string(f.offset) + "-" + std::to_string(f.offset + f.length - 1);
}

std::string LengthReason(std::string_view text, size_t most) {
    if (text.size() <= most) return {};
    return std::to_string(text.size()) + " characters, more than " + std::to_string(most);
}

// Collects the problems of one design in order.
class Checker {
public:
    explicit Checker(const Design& d) : d_(d) {}

    std::vector<DesignProblem> Run() {
        CheckWindow();
        if (d_.fields.size() > size_t(kMaxFields))
            Add(Place("fields", kMaxFields),
                "more than " + std::to_string(kMaxFields) + " entries");
        if (d_.banners.size() > size_t(kMaxBanners))
            Add(Place("banners", kMaxBanners),
                "more than " + std::to_string(kMaxBanners) + " entries");
        Range("recordLength", RecordLengthOf(d_), 1, kLargestRecord);
        Range("fieldCount", FieldCountOf(d_), 0, kIntegerMax);
        for (size_t i = 0; i < d_.fields.size(); ++i)
            CheckField(i);
        for (size_t i = 0; i < d_.banners.size(); ++i)
            CheckBanner(i);
        for (size_t i = 0; i < d_.pageHeadings.size(); ++i)
            Add(Place("pageHeadings", i), LengthReason(d_.pageHeadings[i], 32));
        Add("script", ScriptReason(d_.script));
        Range("dateOrder", d_.dateOrder, 0, 255);
        Range("printOrientation", d_.printOrientation, 0, 255);
        return std::move(problems_);
    }

private:
    void Add(const std::string& place, const std::string& reason) {
        if (!reason.empty()) problems_.push_back({place, reason});
    }
    void Range(const std::string& place, long long value, long long min, long long max) {
        Add(place, RangeReason(value, min, max));
    }

    void CheckWindow() {
        Range("window.width", d_.window.width, 1, kIntegerMax);
        Range("window.height", d_.window.height, 1, kIntegerMax);
        CheckFont("window.formFont", d_.window.formFont);
        CheckFont("window.fieldFont", d_.window.fieldFont);
    }

    void CheckFont(const std::string& place, const Font& f) {
        Add(place + ".name", LengthReason(f.name, 16));
        Range(place + ".size", f.size, 0, 255);
        Range(place + ".bold", f.bold, 0, 255);
        Range(place + ".italic", f.italic, 0, 255);
    }

    // Slots 1 to the most, each taken once; `owners` remembers the entry that took it.
    void CheckSlot(const std::string& place, int slot, const char* list, size_t index,
                   std::array<int, kMaxFields>& owners) {
        static_assert(kMaxBanners == kMaxFields, "one owner table serves fields and banners");
        if (slot < 1 || slot > kMaxFields) return Range(place + ".slot", slot, 1, kMaxFields);
        if (owners[slot - 1] != 0)
            return Add(place + ".slot", "slot " + std::to_string(slot) + " is already taken by " +
                                            Place(list, owners[slot - 1] - 1));
        owners[slot - 1] = static_cast<int>(index) + 1;
    }

    void CheckBox(const std::string& place, int left, int top) {
        Range(place + ".left", left, 0, kIntegerMax);
        Range(place + ".top", top, 0, kIntegerMax);
    }

    void CheckField(size_t i) {
        const Field& f = d_.fields[i];
        const std::string place = Place("fields", i);
        CheckSlot(place, f.slot, "fields", i, fieldSlots_);
        std::string nameReason = LengthReason(f.name, 32);
        if (nameReason.empty()) nameReason = FieldNameReason(f.name);
        if (nameReason.empty() && FieldNamed(d_, f.name) != &f)
            nameReason = "\"" + f.name + "\" is used twice";
        Add(place + ".name", nameReason);
        Add(place + ".format", FormatReason(f.format));
        Range(place + ".page", f.page, 1, kMaxPages);
        CheckBox(place, f.left, f.top);
        Range(place + ".width", f.width, 1, kIntegerMax);
        Range(place + ".height", f.height, 1, kIntegerMax);
        const size_t before = problems_.size();
        Range(place + ".length", f.length, 1, kIntegerMax);
        Range(place + ".offset", f.offset, 0, kIntegerMax);
        if (f.offset == 0) Add(place + ".offset", "character 0 holds the deletion mark");
        if (problems_.size() == before) CheckFits(i);
    }

    void CheckFits(size_t i) {
        const Field& f = d_.fields[i];
        const std::string place = Place("fields", i);
        const int recordLength = RecordLengthOf(d_);
        if (f.offset + f.length > recordLength)
            return Add(place + ".length",
                       Span(f) + " reach beyond the record length " + std::to_string(recordLength));
        for (size_t j = 0; j < i; ++j) {
            const Field& g = d_.fields[j];
            if (f.offset < g.offset + g.length && g.offset < f.offset + f.length)
                return Add(place + ".offset", Span(f) + " overlap field " + g.name + " (" +
                                                  Place("fields", j) + ", " + Span(g) + ")");
        }
    }

    void CheckBanner(size_t i) {
        const Banner& b = d_.banners[i];
        const std::string place = Place("banners", i);
        CheckSlot(place, b.slot, "banners", i, bannerSlots_);
        Range(place + ".page", b.page, 1, kMaxPages);
        CheckBox(place, b.left, b.top);
        Add(place + ".caption", LengthReason(b.caption, 64));
        CheckFont(place + ".font", b.font);
    }

    const Design& d_;
    std::vector<DesignProblem> problems_;
    std::array<int, kMaxFields> fieldSlots_{}, bannerSlots_{}; // entry index + 1, 0 when free
};

} // namespace

std::string RangeText(long long min, long long max) {
    return "expected a whole number from " + std::to_string(min) + " to " + std::to_string(max);
}

std::string RangeReason(long long value, long long min, long long max) {
    return value < min || value > max ? RangeText(min, max) : std::string();
}

std::string FieldNameReason(std::string_view name) {
    if (modLIB::IsValidName(name)) return {};
    return "\"" + std::string(name) +
           "\" is not a valid field name (a letter first, then letters, digits and _, not "
           "ending in _)";
}

std::string FormatReason(std::string_view codes) {
    if (std::string reason = LengthReason(codes, 8); !reason.empty()) return reason;
    for (char code : codes)
        if (code != ' ' && kFormatCodes.find(code) == std::string_view::npos)
            return std::string("\"") + code + "\" is not a format code";
    return {};
}

std::string ScriptReason(std::string_view script) {
    return LengthReason(script, kScriptSize);
}

std::vector<DesignProblem> Validate(const Design& design) {
    return Checker(design).Run();
}

} // namespace tabulo::design
