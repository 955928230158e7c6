#include "engine/CodePage.h"
#include "DatabaseInfo.h"

#include <algorithm>
#include <cstdio>
#include <iomanip>

namespace tabulo::tools {

namespace {

std::string FontText(const DBFont& f) {
    std::string text = TrimSpaces(f.Name) + " " + std::to_string(f.Size);
    if (f.Bold) text += " bold";
    if (f.Italic) text += " italic";
    return text + ", " + ColourText(f.ForeColor) + " on " + ColourText(f.BackColor);
}

void PrintLabel(std::ostream& out, const char* label) {
    out << std::left << std::setw(15) << label << std::right;
}

void PrintFields(const DBHeader& h, std::ostream& out) {
    int shown = std::clamp<int>(h.FieldCount, 0, kMaxFields);
    PrintLabel(out, "Fields");
    out << h.FieldCount << " slots in use\n";
    if (shown == 0) return;
    out << "  slot name                             page  left   top width height   len offset  "
           "codes\n";
    for (int slot = 1; slot <= shown; ++slot) {
        const DBField& f = h.Fields[slot - 1];
        out << std::setw(6) << slot << "  ";
        if (f.Page == 0) {
            out << "(free)\n";
            continue;
        }
        out << std::left << std::setw(32) << Cp1252ToUtf8(TrimSpaces(f.Name)) << std::right
            << std::setw(5) << int(f.Page) << std::setw(6) << f.Left << std::setw(6) << f.Top
            << std::setw(6) << f.Width << std::setw(7) << f.Height << std::setw(6) << f.Length
            << std::setw(7) << f.Offset << "  " << TrimSpaces(f.Format) << "\n";
    }
}

void PrintBanners(const DBHeader& h, std::ostream& out) {
    PrintLabel(out, "Banners");
    out << BannerCount(h) << " in use\n";
    for (int slot = 1; slot <= kMaxBanners; ++slot) {
        const DBBanner& b = h.Banners[slot - 1];
        if (b.Page == 0) continue;
        out << std::setw(6) << slot << "  page " << int(b.Page) << " at " << b.Left << "," << b.Top
            << "  " << QuotedText(TrimSpaces(b.Caption)) << "  " << FontText(b.Font) << "\n";
    }
}

void PrintScript(const DBHeader& h, std::ostream& out) {
    std::string script = TrimSpaces(h.Script);
    PrintLabel(out, "Script");
    out << script.size() << " characters\n";
    size_t start = 0;
    while (start < script.size()) {
        size_t end = script.find("\r\n", start);
        if (end == std::string::npos) end = script.size();
        out << "  | " << Cp1252ToUtf8(script.substr(start, end - start)) << "\n";
        start = end + 2;
    }
}

// The reserved members are shown only when some tool has put something into them.
void PrintReserved(const char* label, const std::string& bytes, std::ostream& out) {
    if (bytes.find_first_not_of(' ') == std::string::npos) return;
    PrintLabel(out, label);
    out << QuotedText(bytes) << "\n";
}

} // namespace

std::string ColourText(int32_t colour) {
    if (colour < 0 || colour > 0xFFFFFF) return std::to_string(colour);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return text;
}

std::string QuotedText(std::string_view bytes) {
    std::string out = "\"";
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += Cp1252ToUtf8(std::string_view(&c, 1));
        }
    }
    return out + "\"";
}

void PrintHeaderSummary(const DBHeader& h, std::ostream& out) {
    PrintLabel(out, "Records");
    out << h.RecordCount << " of " << h.RecordLength << " bytes\n";
    PrintLabel(out, "Window");
    out << h.Window.Width << " x " << h.Window.Height << " twips, background "
        << ColourText(h.Window.BackColor) << "\n";
    PrintLabel(out, "Form font");
    out << FontText(h.Window.FormFont) << "\n";
    PrintLabel(out, "Field font");
    out << FontText(h.Window.FieldFont) << "\n";
    PrintLabel(out, "Date order");
    out << int(h.DateOrder) << (h.DateOrder == 2 ? " (MM/DD/YYYY)\n" : " (DD/MM/YYYY)\n");
    PrintLabel(out, "Orientation");
    out << int(h.PrintOrientation)
        << (h.PrintOrientation == 2 ? " (landscape)\n" : " (portrait)\n");
    PrintLabel(out, "Pages");
    out << PageCount(h) << "\n";
    for (int page = 1; page <= kMaxPages; ++page) {
        std::string heading = TrimSpaces(h.PageHeadings[page - 1]);
        if (heading.empty()) continue;
        PrintLabel(out, "Page heading");
        out << page << " " << QuotedText(heading) << "\n";
    }
    PrintReserved("Reserved1", h.Reserved1, out);
    PrintReserved("Reserved2", h.Reserved2, out);
    PrintFields(h, out);
    PrintBanners(h, out);
    PrintScript(h, out);
}

} // namespace tabulo::tools
