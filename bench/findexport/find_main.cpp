// Runs one step of the Find window over every field of a database and prints the CPU
// seconds the step took, best of three. The closing "No more records." goes to a recorder
// instead of a message box.
//   bench_find DATABASE TEXT

#include "RecordingReporter.h"
#include "engine/PosixFileSystem.h"
#include "engine/modDB.h"
#include "search/SearchTarget.h"
#include "search/frmSearch.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

class Target : public tabulo::SearchTarget {
public:
    long selected = 0;
    long SelectedRecord() const override { return selected; }
    void SetSelectedRecord(long record) override { selected = record; }
    void ShowHit(long record, int) override { selected = record; }
};

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_find DATABASE TEXT\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tabulo::test::RecordingReporter reporter;
    tabulo::modDB db(reporter, tabulo::MachineFileSystem());
    std::string name = argv[1];
    if (db.OpenDatabase(tabulo::FilePath(name)) == 0) return 1;
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        Target target;
        tabulo::frmSearch window(db, reporter, target);
        window.SearchStr()->setText(argv[2]);
        window.FldList()->selectAll();
        const double start = CpuSeconds();
        window.BtnSearch()->click();
        best = std::min(best, CpuSeconds() - start);
        if (target.selected != db.GetRecordCount()) {
            std::fprintf(stderr, "the search found the text\n");
            return 1;
        }
    }
    std::printf("%.4f\n", best);
    return 0;
}
