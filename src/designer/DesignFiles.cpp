#include "designer/DesignFiles.h"

#include "design/DesignJson.h"
#include "design/DesignRules.h"
#include "engine/DbFile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <tuple>
#include <vector>

namespace tabulo::designer {

namespace {

std::string Reason() {
    return std::strerror(DbFile::LastError());
}

std::string FirstProblem(const design::Design& d) {
    const std::vector<design::DesignProblem> problems = design::Validate(d);
    return problems.empty() ? std::string() : problems.front().Text();
}

OpenedDesign ReadDatabase(FileSystem& fs, const FilePath& path) {
    OpenedDesign opened;
    std::unique_ptr<DbFile> file = DbFile::Open(fs, path.Native());
    if (!file) {
        opened.error = "cannot open \"" + path.Text() + "\": " + Reason();
        return opened;
    }
    std::string bytes(kHeaderSize, '\0');
    if (file->ReadAt(0, bytes.data(), bytes.size()) != kHeaderSize) {
        opened.error = "\"" + path.Text() + "\" is not a database: it is shorter than its header";
        return opened;
    }
    const DBHeader header = DecodeHeader(reinterpret_cast<const uint8_t*>(bytes.data()));
    opened.design = design::DesignFromHeader(header);
    opened.recordCount = header.RecordCount;
    opened.kind = FileKind::Database;
    opened.ok = true;
    return opened;
}

OpenedDesign ReadDescription(const FilePath& path) {
    OpenedDesign opened;
    std::ifstream in(path.Native(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
        opened.error = "cannot read \"" + path.Text() + "\"";
        return opened;
    }
    const FilePath dir = path.Folder();
    design::ParsedDesign parsed = design::ParseDesign(text.str(), dir.Empty() ? "." : dir.Native());
    if (!parsed.ok) {
        opened.error = path.Text() + ": " + parsed.error;
        return opened;
    }
    opened.design = std::move(parsed.design);
    opened.kind = FileKind::Description;
    opened.ok = true;
    return opened;
}

// The characters of each field slot, and the record length.
bool SameRecordLayout(const design::Design& a, const design::Design& b) {
    auto layout = [](const design::Design& d) {
        std::vector<std::tuple<int, int, int>> spans;
        for (const design::Field& f : d.fields)
            spans.emplace_back(f.slot, f.offset, f.length);
        std::sort(spans.begin(), spans.end());
        return std::pair(design::RecordLengthOf(d), spans);
    };
    return layout(a) == layout(b);
}

// Copies `size` bytes from `start` of `in` to the same place in `out`.
bool CopyBytes(DbFile& in, DbFile& out, int64_t start, int64_t size) {
    std::vector<char> chunk(1 << 20);
    for (int64_t done = 0; done < size;) {
        const size_t want = static_cast<size_t>(std::min<int64_t>(size - done, chunk.size()));
        if (in.ReadAt(start + done, chunk.data(), want) != long(want) ||
            !out.WriteAt(start + done, chunk.data(), want))
            return false;
        done += static_cast<int64_t>(want);
    }
    return true;
}

// Copies the records of `from` after the header of `to`; returns how many, or -1.
long CopyRecords(FileSystem& fs, const FilePath& from, int recordLength, DbFile& to) {
    std::unique_ptr<DbFile> in = DbFile::Open(fs, from.Native());
    if (!in) return -1;
    uint8_t head[kHeaderSize];
    if (in->ReadAt(0, head, sizeof head) != kHeaderSize) return -1;
    const long count = std::max<int32_t>(0, DecodeHeader(head).RecordCount);
    return CopyBytes(*in, to, kHeaderSize, int64_t(count) * recordLength) ? count : -1;
}

// Writes a new file under a work name beside `path`, then renames it there; `fill` writes
// its bytes. Refuses to replace an existing file, which may hold records.
std::string WriteNewFile(FileSystem& fs, const FilePath& path,
                         const std::function<bool(DbFile&)>& fill) {
    if (DbFile::Exists(fs, path.Native()))
        return "\"" + path.Text() + "\" exists already; a new database needs a new name";
    const FilePath work = path.WithSuffix(".part");
    std::unique_ptr<DbFile> file = DbFile::Create(fs, work.Native());
    bool written = file && fill(*file) && file->Flush();
    if (file && !file->Close()) written = false;
    if (!written || !DbFile::Rename(fs, work.Native(), path.Native()) ||
        !DbFile::SyncDirectoryOf(fs, path.Native())) {
        const std::string error = "cannot write \"" + path.Text() + "\": " + Reason();
        DbFile::Remove(fs, work.Native());
        return error;
    }
    return {};
}

} // namespace

FileKind KindOfName(const FilePath& path) {
    return path.HasExtension(".json") ? FileKind::Description : FileKind::Database;
}

OpenedDesign ReadDesignFile(FileSystem& fs, const FilePath& path) {
    return KindOfName(path) == FileKind::Description ? ReadDescription(path)
                                                     : ReadDatabase(fs, path);
}

std::string WriteNewDatabase(FileSystem& fs, const FilePath& path, const design::Design& d) {
    if (std::string problem = FirstProblem(d); !problem.empty()) return problem;
    const std::string bytes = EncodeHeader(design::HeaderFromDesign(d));
    return WriteNewFile(fs, path,
                        [&](DbFile& file) { return file.WriteAt(0, bytes.data(), bytes.size()); });
}

std::string WriteDatabaseCopy(FileSystem& fs, const FilePath& original, const FilePath& path) {
    std::unique_ptr<DbFile> in = DbFile::OpenForReading(fs, original.Native());
    if (!in) return "cannot open \"" + original.Text() + "\": " + Reason();
    const int64_t size = in->Size();
    if (size < 0) return "cannot read \"" + original.Text() + "\": " + Reason();
    return WriteNewFile(fs, path, [&](DbFile& out) { return CopyBytes(*in, out, 0, size); });
}

FilePath SamplePath(const FilePath& programDir, const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path file = name + ".Tbd";
    const fs::path bin = programDir.Native();
    const fs::path installed = bin / ".." / "share" / "tabulo" / "samples" / file;
    std::error_code error;
    if (fs::is_regular_file(installed, error))
        return FilePath(installed.lexically_normal().string());
    return FilePath((bin / ".." / ".." / "samples" / file).lexically_normal().string());
}

std::string WriteTrialCopy(FileSystem& fs, const FilePath& original, const design::Design& opened,
                           const design::Design& d, const FilePath& to) {
    if (std::string problem = FirstProblem(d); !problem.empty()) return problem;
    std::unique_ptr<DbFile> file = DbFile::Create(fs, to.Native());
    if (!file) return "cannot write \"" + to.Text() + "\": " + Reason();
    long count = 0;
    if (!original.Empty() && SameRecordLayout(opened, d)) {
        count = CopyRecords(fs, original, design::RecordLengthOf(d), *file);
        if (count < 0) return "cannot copy the records of \"" + original.Text() + "\": " + Reason();
    }
    const std::string header =
        EncodeHeader(design::HeaderFromDesign(d, static_cast<int32_t>(count)));
    if (!file->WriteAt(0, header.data(), header.size()) || !file->Close())
        return "cannot write \"" + to.Text() + "\": " + Reason();
    return {};
}

std::string WriteDescription(const FilePath& path, const design::Design& d) {
    if (std::string problem = FirstProblem(d); !problem.empty()) return problem;
    std::ofstream out(path.Native(), std::ios::binary | std::ios::trunc);
    out << design::DescribeDesign(d);
    out.close();
    if (!out) return "cannot write \"" + path.Text() + "\"";
    return {};
}

} // namespace tabulo::designer
