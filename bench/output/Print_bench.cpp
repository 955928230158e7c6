// Printing 100 records of the contacts sample, one page each, to a PDF file: the print
// window's whole run from "Print" to the closed file, on the offscreen platform. Reports
// the file's size beside the time.

#include "../support/WindowDoubles.h"
#include "dialogs/modDlg.h"
#include "editor/PrintCommand.h"
#include "editor/frmEdit.h"
#include "engine/DBHeader.h"
#include "engine/PosixFileSystem.h"
#include "engine/Reporter.h"
#include "engine/modDB.h"
#include "output/QtPrintDevice.h"
#include "output/frmPrint.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;
using namespace tabulo;

constexpr long kRecords = 100;

// Save As answers with the file "contacts" in the given folder.
class PdfAnswer : public Dialogs {
public:
    explicit PdfAnswer(std::string folder) : folder_(std::move(folder)) {}
    std::optional<ChosenFile> ChooseFile(const FileRequest&) override {
        return ChosenFile{FilePath(folder_), FilePath("contacts")};
    }
    std::optional<std::string> PickDate(const DateRequest&) override { return std::nullopt; }
    std::optional<std::string> Input(const InputRequest&) override { return std::nullopt; }
    void ShowText(frmShowText&) override {}

private:
    std::string folder_;
};

// The contacts sample's form with its records repeated up to kRecords.
fs::path BuildDatabase(const fs::path& dir) {
    std::ifstream in(TABULO_SAMPLES_DIR "/Contacts.Tbd", std::ios::binary);
    std::string sample((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (sample.size() < static_cast<size_t>(kHeaderSize))
        throw std::runtime_error("the contacts sample is missing");
    DBHeader header = DecodeHeader(reinterpret_cast<const uint8_t*>(sample.data()));
    const long sampleRecords = header.RecordCount;
    header.RecordCount = kRecords;
    std::ofstream out(dir / "Contacts.Tbd", std::ios::binary | std::ios::trunc);
    out << EncodeHeader(header);
    for (long i = 0; i < kRecords; ++i)
        out << sample.substr(kHeaderSize + (i % sampleRecords) * header.RecordLength,
                             header.RecordLength);
    return dir / "Contacts";
}

void BM_PrintContactsToPdf(benchmark::State& state) {
    const fs::path dir = fs::temp_directory_path() / "tabulo-bench-print";
    fs::create_directories(dir);
    const fs::path base = BuildDatabase(dir);
    bench::PrintingReporter reporter(false);
    modDB db(reporter, MachineFileSystem());
    ScriptHost script;
    bench::NoServices services;
    PdfAnswer dialogs(dir.string());
    frmEdit window(db, reporter, script, services, dialogs);
    if (!window.StartUp(base.string())) return state.SkipWithError("the database did not open");
    window.show();
    EditPrintView view(window);
    QtPrintDevice device(MachineFileSystem());
    for (auto _ : state) {
        frmPrint print(db, reporter, dialogs, device, view, &window);
        print.lstPrinter()->setCurrentRow(print.lstPrinter()->count() - 1);
        print.optRange()->click();
        print.txtTo()->setText(QString::number(kRecords));
        print.cmdPrint()->click();
    }
    state.counters["pdf_bytes"] = static_cast<double>(fs::file_size(dir / "contacts.pdf"));
    state.counters["pages"] = kRecords;
    db.CloseDatabase();
    fs::remove_all(dir);
}
BENCHMARK(BM_PrintContactsToPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace
