// Exports every field of a database to a CSV file, as File > Export does.
//   bench_export DATABASE OUTPUT.csv

#include "engine/CsvExport.h"
#include "engine/PosixFileSystem.h"
#include "engine/Reporter.h"
#include "engine/modDB.h"

#include <cstdio>
#include <numeric>

namespace {

class PrintingReporter : public tabulo::Reporter {
public:
    void Message(const std::string& title, const std::string& text, tabulo::MsgIcon) override {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    }
    bool Ask(const std::string&, const std::string&, tabulo::MsgIcon, bool) override {
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_export DATABASE OUTPUT.csv\n");
        return 2;
    }
    PrintingReporter reporter;
    tabulo::modDB db(reporter, tabulo::MachineFileSystem());
    std::string name = argv[1];
    if (db.OpenDatabase(tabulo::FilePath(name)) == 0) return 1;
    std::vector<int> fields(static_cast<size_t>(db.GetFieldCount()));
    std::iota(fields.begin(), fields.end(), 1);
    const auto failure = tabulo::WriteCsvExport(db, fields, tabulo::FilePath(argv[2]));
    if (failure)
        std::fprintf(stderr, "%s: %s\n", failure->file.Native().c_str(), failure->reason.c_str());
    return failure ? 1 : 0;
}
