// modDB: reading and writing fields in the record buffer, and the header look-ups.

#include "base/modLIB.h"
#include "engine/DbAccess.h"
#include "engine/modDB.h"
#include "engine/modDBState.h"

#include <algorithm>

namespace tabulo {

namespace {

bool ValidSlot(int n, int count) {
    return n >= 1 && n <= count;
}

} // namespace

int modDB::ReadField(int n, std::string& value) {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("READ FIELD", "DB not open");
    if (!ValidSlot(n, kMaxFields)) return s.Fail("READ FIELD", "Invalid Field Number");
    const DBField& f = s.header.Fields[n - 1];
    if (f.Page == 0) return s.Fail("READ FIELD", "Field not defined!");
    const FieldSpan span = FieldSpanInRecord(f, s.buffer.size());
    value = TrimSpaces(std::string_view(s.buffer).substr(span.begin, span.end - span.begin));
    return 1;
}

int modDB::WriteField(int n, const std::string& value) {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("WRITE FIELD", "DB not open");
    if (!ValidSlot(n, kMaxFields)) return s.Fail("WRITE FIELD", "Invalid Field Number!");
    const DBField& f = s.header.Fields[n - 1];
    if (f.Page == 0) return s.Fail("WRITE FIELD", "Field not defined!");
    const FieldSpan span = FieldSpanInRecord(f, s.buffer.size());
    const std::string stored = FixedString(value, static_cast<size_t>(std::max<int>(f.Length, 0)));
    std::copy_n(stored.begin() + static_cast<long>(span.skip), span.end - span.begin,
                s.buffer.begin() + static_cast<long>(span.begin));
    return 1;
}

int modDB::GetFieldDef(int n, DBField& def) {
    if (!ValidSlot(n, kMaxFields)) return s_->Fail("GET FIELD", "Field out of range");
    const DBField& f = s_->header.Fields[n - 1];
    if (f.Page == 0) return 0;
    def = f;
    return n;
}

int modDB::GetBannerDef(int n, DBBanner& def) {
    if (!ValidSlot(n, kMaxBanners)) return s_->Fail("GET BANNER", "Banner number out of range!");
    const DBBanner& b = s_->header.Banners[n - 1];
    if (b.Page == 0) return 0;
    def = b;
    return n;
}

std::string modDB::GetPageHeading(int n) {
    if (!ValidSlot(n, kMaxPages)) {
        s_->Fail("GET PAGE HEADING", "Invalid Page NO specified");
        return {};
    }
    return TrimSpaces(s_->header.PageHeadings[n - 1]);
}

int modDB::FindField(const std::string& name) {
    if (!modLIB::IsValidName(name)) return 0;
    for (int n = 1; n <= GetFieldCount(); ++n)
        if (TrimSpaces(s_->header.Fields[n - 1].Name) == name) return n;
    return 0;
}

int modDB::GetFieldCount() const {
    // A count outside the slots comes from a damaged header; only real slots are in use.
    return std::clamp<int>(s_->header.FieldCount, 0, kMaxFields);
}

int modDB::GetBannerCount() const {
    return BannerCount(s_->header);
}

int modDB::GetPageCount() const {
    // Pages beyond the eighth come only from a damaged header and have no heading slot.
    return std::min(PageCount(s_->header), kMaxPages);
}

DBWindow modDB::GetWindowDef() const {
    return s_->header.Window;
}

int modDB::GetDateOrder() const {
    return s_->header.DateOrder == 2 ? 2 : 1;
}

uint8_t modDB::GetPrintOrientation() const {
    return s_->header.PrintOrientation;
}

std::string modDB::GetScript() const {
    return TrimSpaces(s_->header.Script);
}

const DBHeader& modDB::Header() const {
    return s_->header;
}

} // namespace tabulo
