#include "InfoCommand.h"

#include "Console.h"
#include "DatabaseReader.h"
#include "InfoText.h"
#include "base/CodePage.h"

#include <algorithm>
#include <iomanip>
#include <ostream>

namespace tabulo::cli {

namespace {

constexpr int kTwipsPerPixel = 15; // at 96 dots per inch

void Label(std::ostream& out, const char* label) {
    out << std::left << std::setw(13) << label << std::right;
}

void PrintRecords(const DatabaseReader& db, std::ostream& out, std::ostream& err) {
    const DBHeader& h = db.Header();
    Label(out, "Records");
    if (!db.RecordsReadable()) {
        out << h.RecordCount << ", unreadable: record length " << h.RecordLength << "\n";
        return;
    }
    long deleted = 0;
    std::string error;
    db.ForEachRecord(
        1, db.ReadableRecords(),
        [&](long, std::string_view record) {
            deleted += record[0] == kDeletedMark ? 1 : 0;
            return true;
        },
        error);
    if (!error.empty()) err << kProgramName << ": " << error << "\n";
    out << db.ReadableRecords() << " of " << h.RecordLength << " bytes, " << deleted
        << " marked deleted\n";
    const StoredRecords stored = db.Stored();
    if (stored.claimed != stored.held) {
        Label(out, "");
        out << "the header counts " << stored.claimed << ", the file holds " << stored.held << "\n";
    }
}

void PrintWindow(const DBHeader& h, std::ostream& out) {
    Label(out, "Window");
    out << h.Window.Width << " x " << h.Window.Height << " twips ("
        << h.Window.Width / kTwipsPerPixel << " x " << h.Window.Height / kTwipsPerPixel
        << " pixels), background " << ColourText(h.Window.BackColor) << "\n";
    Label(out, "Form font");
    out << FontText(h.Window.FormFont) << "\n";
    Label(out, "Field font");
    out << FontText(h.Window.FieldFont) << "\n";
    Label(out, "Date order");
    out << (h.DateOrder == 2 ? "MM/DD/YYYY" : "DD/MM/YYYY") << " (" << int(h.DateOrder) << ")\n";
    Label(out, "Orientation");
    out << (h.PrintOrientation == 2 ? "landscape" : "portrait") << " (" << int(h.PrintOrientation)
        << ")\n";
}

void PrintPages(const DBHeader& h, std::ostream& out) {
    Label(out, "Pages");
    out << PageCount(h) << "\n";
    for (int page = 1; page <= kMaxPages; ++page) {
        const std::string heading = TrimSpaces(h.PageHeadings[page - 1]);
        if (!heading.empty()) out << std::setw(6) << page << "  " << QuotedText(heading) << "\n";
    }
}

void PrintFields(const DBHeader& h, std::ostream& out) {
    Label(out, "Fields");
    out << h.FieldCount << "\n";
    const int shown = std::clamp<int>(h.FieldCount, 0, kMaxFields);
    if (shown == 0) return;
    out << "  slot name                             page offset length  codes\n";
    for (int slot = 1; slot <= shown; ++slot) {
        const DBField& f = h.Fields[slot - 1];
        out << std::setw(6) << slot << "  ";
        if (f.Page == 0) {
            out << "(free)\n";
            continue;
        }
        out << std::left << std::setw(32) << Cp1252ToUtf8(TrimSpaces(f.Name)) << std::right
            << std::setw(5) << int(f.Page) << std::setw(7) << f.Offset << std::setw(7) << f.Length
            << "  " << QuotedText(TrimSpaces(f.Format)) << " " << CodeWords(f.Format) << "\n";
    }
}

void PrintBanners(const DBHeader& h, std::ostream& out) {
    Label(out, "Banners");
    out << BannerCount(h) << "\n";
    for (int slot = 1; slot <= kMaxBanners; ++slot) {
        const DBBanner& b = h.Banners[slot - 1];
        if (b.Page == 0) continue;
        out << std::setw(6) << slot << "  page " << int(b.Page) << " at " << b.Left << "," << b.Top
            << "  " << QuotedText(TrimSpaces(b.Caption)) << "\n";
    }
}

void PrintScript(const DBHeader& h, bool wholeText, std::ostream& out) {
    const std::string script = TrimSpaces(h.Script);
    Label(out, "Script");
    out << script.size() << " characters";
    const std::vector<std::string> names = ProcedureNames(script);
    for (size_t i = 0; i < names.size(); ++i)
        out << (i == 0 ? "; procedures " : ", ") << names[i];
    out << "\n";
    if (!wholeText) return;
    for (size_t start = 0; start < script.size();) {
        size_t end = script.find("\r\n", start);
        if (end == std::string::npos) end = script.size();
        out << "  | " << Cp1252ToUtf8(script.substr(start, end - start)) << "\n";
        start = end + 2;
    }
}

} // namespace

int RunInfo(FileSystem& fs, const InfoOptions& options, std::ostream& out, std::ostream& err) {
    DatabaseReader db(fs);
    std::string error;
    if (!db.Open(options.database, error)) {
        err << kProgramName << ": " << error << "\n";
        return kExitProblem;
    }
    const DBHeader& h = db.Header();
    out << db.Path().Native() << ": " << db.FileSize() << " bytes\n";
    PrintRecords(db, out, err);
    PrintWindow(h, out);
    PrintPages(h, out);
    PrintFields(h, out);
    PrintBanners(h, out);
    PrintScript(h, options.script, out);
    return kExitOk;
}

} // namespace tabulo::cli
