#include "engine/DBHeader.h"

#include <algorithm>

namespace tabulo {

const std::string_view kDefaultScript = "Sub Start\r\nEnd Sub\r\n\r\nSub Update\r\nEnd Sub";

namespace {

// Reads members one after another from a byte buffer, little-endian.
class ByteReader {
public:
    explicit ByteReader(const uint8_t* bytes) : p_(bytes) {}

    uint8_t Byte() { return *p_++; }
    int16_t Integer() {
        auto v = static_cast<uint16_t>(p_[0] | (p_[1] << 8));
        p_ += 2;
        return static_cast<int16_t>(v);
    }
    int32_t Long() {
        uint32_t v =
            uint32_t(p_[0]) | uint32_t(p_[1]) << 8 | uint32_t(p_[2]) << 16 | uint32_t(p_[3]) << 24;
        p_ += 4;
        return static_cast<int32_t>(v);
    }
    std::string Fixed(size_t n) {
        std::string s(reinterpret_cast<const char*>(p_), n);
        p_ += n;
        return s;
    }

private:
    const uint8_t* p_;
};

// Writes members one after another into a byte buffer, little-endian.
class ByteWriter {
public:
    explicit ByteWriter(uint8_t* bytes) : p_(bytes) {}

    void Byte(uint8_t v) { *p_++ = v; }
    void Integer(int16_t v) {
        auto u = static_cast<uint16_t>(v);
        *p_++ = static_cast<uint8_t>(u & 0xFF);
        *p_++ = static_cast<uint8_t>(u >> 8);
    }
    void Long(int32_t v) {
        auto u = static_cast<uint32_t>(v);
        for (int i = 0; i < 4; ++i)
            *p_++ = (u >> (8 * i)) & 0xFF;
    }
    void Fixed(std::string_view s, size_t n) {
        std::string f = FixedString(s, n);
        std::copy(f.begin(), f.end(), p_);
        p_ += n;
    }

private:
    uint8_t* p_;
};

DBFont ReadFont(ByteReader& r) {
    DBFont f;
    f.Name = r.Fixed(16);
    f.Size = r.Byte();
    f.Bold = r.Byte();
    f.Italic = r.Byte();
    f.ForeColor = r.Long();
    f.BackColor = r.Long();
    return f;
}

void WriteFont(ByteWriter& w, const DBFont& f) {
    w.Fixed(f.Name, 16);
    w.Byte(f.Size);
    w.Byte(f.Bold);
    w.Byte(f.Italic);
    w.Long(f.ForeColor);
    w.Long(f.BackColor);
}

DBFont DefaultFont(int32_t backColor) {
    DBFont f;
    f.Name = FixedString("Arial", 16);
    f.Size = 10;
    f.ForeColor = 0;
    f.BackColor = backColor;
    return f;
}

} // namespace

std::string FixedString(std::string_view text, size_t n) {
    std::string s(text.substr(0, std::min(text.size(), n)));
    s.resize(n, ' ');
    return s;
}

std::string TrimSpaces(std::string_view text) {
    size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    size_t e = text.find_last_not_of(' ');
    return std::string(text.substr(b, e - b + 1));
}

DBHeader DefaultHeader(int twipsPerPixelX, int twipsPerPixelY) {
    DBHeader h;
    h.Window.Width = static_cast<int16_t>(640 * twipsPerPixelX);
    h.Window.Height = static_cast<int16_t>(480 * twipsPerPixelY);
    h.Window.BackColor = 0xFFFFFF;
    h.Window.FormFont = DefaultFont(0xFFFFFF);
    h.Window.FieldFont = DefaultFont(0xFFFFCC);
    h.Script = FixedString(kDefaultScript, kScriptSize);
    return h;
}

DBHeader DecodeHeader(const uint8_t* bytes) {
    ByteReader r(bytes);
    DBHeader h;
    h.RecordCount = r.Long();
    h.RecordLength = r.Long();
    h.Window.Width = r.Integer();
    h.Window.Height = r.Integer();
    h.Window.BackColor = r.Long();
    h.Window.FormFont = ReadFont(r);
    h.Window.FieldFont = ReadFont(r);
    h.FieldCount = r.Integer();
    for (DBBanner& b : h.Banners) {
        b.Page = r.Byte();
        b.Left = r.Integer();
        b.Top = r.Integer();
        b.Caption = r.Fixed(64);
        b.Font = ReadFont(r);
    }
    for (DBField& f : h.Fields) {
        f.Page = r.Byte();
        f.Left = r.Integer();
        f.Top = r.Integer();
        f.Width = r.Integer();
        f.Height = r.Integer();
        f.Length = r.Integer();
        f.Name = r.Fixed(32);
        f.Format = r.Fixed(8);
        f.Offset = r.Integer();
    }
    for (std::string& heading : h.PageHeadings)
        heading = r.Fixed(32);
    h.Script = r.Fixed(kScriptSize);
    h.Reserved1 = r.Fixed(32);
    h.DateOrder = r.Byte();
    h.PrintOrientation = r.Byte();
    h.Reserved2 = r.Fixed(62);
    return h;
}

void EncodeHeader(const DBHeader& h, uint8_t* bytes) {
    ByteWriter w(bytes);
    w.Long(h.RecordCount);
    w.Long(h.RecordLength);
    w.Integer(h.Window.Width);
    w.Integer(h.Window.Height);
    w.Long(h.Window.BackColor);
    WriteFont(w, h.Window.FormFont);
    WriteFont(w, h.Window.FieldFont);
    w.Integer(h.FieldCount);
    for (const DBBanner& b : h.Banners) {
        w.Byte(b.Page);
        w.Integer(b.Left);
        w.Integer(b.Top);
        w.Fixed(b.Caption, 64);
        WriteFont(w, b.Font);
    }
    for (const DBField& f : h.Fields) {
        w.Byte(f.Page);
        w.Integer(f.Left);
        w.Integer(f.Top);
        w.Integer(f.Width);
        w.Integer(f.Height);
        w.Integer(f.Length);
        w.Fixed(f.Name, 32);
        w.Fixed(f.Format, 8);
        w.Integer(f.Offset);
    }
    for (const std::string& heading : h.PageHeadings)
        w.Fixed(heading, 32);
    w.Fixed(h.Script, kScriptSize);
    w.Fixed(h.Reserved1, 32);
    w.Byte(h.DateOrder);
    w.Byte(h.PrintOrientation);
    w.Fixed(h.Reserved2, 62);
}

std::string EncodeHeader(const DBHeader& header) {
    std::string bytes(kHeaderSize, '\0');
    EncodeHeader(header, reinterpret_cast<uint8_t*>(bytes.data()));
    return bytes;
}

int PageCount(const DBHeader& header) {
    int pages = 0;
    for (const DBField& f : header.Fields)
        pages = std::max<int>(pages, f.Page);
    for (const DBBanner& b : header.Banners)
        pages = std::max<int>(pages, b.Page);
    return pages;
}

int BannerCount(const DBHeader& header) {
    return static_cast<int>(std::count_if(header.Banners.begin(), header.Banners.end(),
                                          [](const DBBanner& b) { return b.Page != 0; }));
}

} // namespace tabulo
