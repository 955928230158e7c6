#include "HeaderChecks.h"

#include "InfoText.h"
#include "base/CodePage.h"
#include "base/modLIB.h"
#include "design/FormatConflicts.h"
#include "engine/DbAccess.h"

#include <algorithm>

namespace tabulo::cli {

namespace {

std::string Range(long first, long last) {
    return std::to_string(first) + " to " + std::to_string(last);
}

std::string FieldTitle(int slot, const DBField& f) {
    return "field " + std::to_string(slot) + " (" + Cp1252ToUtf8(TrimSpaces(f.Name)) + ")";
}

std::string Characters(const DBField& f) {
    return "characters " + Range(f.Offset, f.Offset + f.Length - 1);
}

class HeaderCheck {
public:
    explicit HeaderCheck(const DBHeader& h) : h_(h) {}

    std::vector<std::string> Run() {
        CheckCounts();
        const int fields = std::clamp<int>(h_.FieldCount, 0, kMaxFields);
        for (int slot = 1; slot <= fields; ++slot)
            if (h_.Fields[slot - 1].Page != 0) CheckField(slot);
        CheckBanners();
        return std::move(problems_);
    }

private:
    void Add(std::string problem) { problems_.push_back(std::move(problem)); }

    void CheckCounts() {
        if (h_.RecordCount < 0 || h_.RecordCount > kMaxRecords)
            Add("header: record count " + std::to_string(h_.RecordCount) + " is outside " +
                Range(0, kMaxRecords));
        if (!UsableHeader(h_))
            Add("header: record length " + std::to_string(h_.RecordLength) + " is outside " +
                Range(1, kMaxRecordLength) + "; the records cannot be read");
        if (h_.FieldCount < 0 || h_.FieldCount > kMaxFields)
            Add("header: field count " + std::to_string(h_.FieldCount) + " is outside " +
                Range(0, kMaxFields));
        if (h_.Window.Width <= 0 || h_.Window.Height <= 0)
            Add("header: window size " + std::to_string(h_.Window.Width) + " x " +
                std::to_string(h_.Window.Height) + " twips is not a size");
    }

    void CheckField(int slot) {
        const DBField& f = h_.Fields[slot - 1];
        const std::string title = FieldTitle(slot, f);
        if (f.Page > kMaxPages)
            Add(title + ": page " + std::to_string(f.Page) + " is outside " + Range(1, kMaxPages));
        const std::string name = TrimSpaces(f.Name);
        if (!modLIB::IsValidName(name))
            Add(title + ": not a valid field name, so scripts cannot find it");
        for (int other = 1; other < slot; ++other)
            if (h_.Fields[other - 1].Page != 0 && TrimSpaces(h_.Fields[other - 1].Name) == name)
                Add(title + ": the name of field " + std::to_string(other) + " too");
        if (f.Length < 1) {
            Add(title + ": length " + std::to_string(f.Length) + " is below 1");
            return;
        }
        if (f.Offset < 0 || f.Offset + f.Length > h_.RecordLength) {
            Add(title + ": " + Characters(f) + " reach outside the record of " +
                std::to_string(h_.RecordLength) + " bytes");
            return;
        }
        if (f.Offset == 0) Add(title + ": covers character 0, the deletion mark");
        CheckOverlaps(slot, f, title);
    }

    void CheckOverlaps(int slot, const DBField& f, const std::string& title) {
        for (int other = 1; other < slot; ++other) {
            const DBField& g = h_.Fields[other - 1];
            if (g.Page == 0 || g.Length < 1) continue;
            if (f.Offset < g.Offset + g.Length && g.Offset < f.Offset + f.Length)
                Add(title + ": " + Characters(f) + " overlap " + FieldTitle(other, g) + ", " +
                    Characters(g));
        }
    }

    // The window shows banner slots 1 to the number in use; one beyond them never shows.
    void CheckBanners() {
        const int inUse = BannerCount(h_);
        for (int slot = 1; slot <= kMaxBanners; ++slot) {
            const DBBanner& b = h_.Banners[slot - 1];
            if (b.Page == 0) continue;
            const std::string title =
                "banner " + std::to_string(slot) + " " + QuotedText(TrimSpaces(b.Caption));
            if (b.Page > kMaxPages)
                Add(title + ": page " + std::to_string(b.Page) + " is outside " +
                    Range(1, kMaxPages));
            if (slot > inUse) Add(title + ": never shown, because a slot before it is free");
        }
    }

    const DBHeader& h_;
    std::vector<std::string> problems_;
};

} // namespace

std::vector<std::string> HeaderProblems(const DBHeader& header) {
    return HeaderCheck(header).Run();
}

std::vector<std::string> HeaderWarnings(const DBHeader& header) {
    std::vector<std::string> warnings;
    const int fields = std::clamp<int>(header.FieldCount, 0, kMaxFields);
    for (int slot = 1; slot <= fields; ++slot) {
        const DBField& f = header.Fields[slot - 1];
        if (f.Page == 0) continue;
        const std::string format = TrimSpaces(f.Format);
        std::string reasons;
        for (const design::FormatConflict& conflict : design::FormatConflicts(format))
            reasons += (reasons.empty() ? "" : "; ") + conflict.reason;
        if (!reasons.empty())
            warnings.push_back(FieldTitle(slot, f) + ", input codes " + QuotedText(format) + ": " +
                               reasons);
    }
    return warnings;
}

} // namespace tabulo::cli
