// The print window over a real data-entry window and engine, with a recording printer; and
// one run to a real PDF file through the Qt printer.

#include "../editor/EditorFixture.h"
#include "ModalDriver.h"
#include "editor/PrintCommand.h"
#include "output/PrintDevice.h"
#include "output/QtPrintDevice.h"
#include "output/frmPrint.h"

#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <cerrno>
#include <filesystem>
#include <optional>

namespace tabulo::test {
namespace {

// Records the job's steps, and for each page the record and page the window showed and
// whether its toolbar was up. Fails the page numbered failAtPage, or the printer choice.
class RecordingDevice : public PrintDevice {
public:
    QStringList printers;
    QString defaultPrinter;
    std::vector<std::string> steps;
    std::vector<std::string> pages;
    size_t failAtPage = 0;
    bool failSelect = false;
    std::function<std::string()> probe;

    QStringList Printers() override { return printers; }
    QString DefaultPrinter() override { return defaultPrinter; }
    bool Select(const PrintTarget& target) override {
        steps.push_back("select " + target.printer.toStdString() + target.pdfFile.toStdString());
        return !failSelect;
    }
    bool SetOrientation(PageOrientation orientation) override {
        steps.push_back("orientation " + std::to_string(static_cast<int>(orientation)));
        return true;
    }
    bool Begin() override { return steps.push_back("begin"), true; }
    bool PrintPage(QWidget&) override {
        pages.push_back(probe());
        return pages.size() != failAtPage;
    }
    bool End() override { return steps.push_back("end"), true; }
};

class PrintTest : public EditorTest {
protected:
    void Open(const TestDb& form, int page = 1) {
        print.reset(); // a child of the window that Start replaces
        if (window) db.CloseDatabase();
        ASSERT_TRUE(Start(Create(form, "Db" + std::to_string(++opened))));
        Show();
        window->SetCurPage(page);
        window->ShowCurPage();
        view.emplace(*window);
        device.probe = [this] {
            return "r" + std::to_string(db.GetRecordNo()) + "p" +
                   std::to_string(window->CurPage()) +
                   (ToolbarButton(*window, ToolButton::Open)->isVisible() ? " toolbar" : "");
        };
    }
    frmPrint& NewPrintWindow(PrintDevice& printer) {
        print.emplace(db, reporter, dialogs, printer, *view, window.get());
        print->show();
        QApplication::setActiveWindow(&*print);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&*print));
        return *print;
    }
    static void Type(QLineEdit* box, const QString& text) {
        box->clear();
        QTest::keyClicks(box, text);
    }
    // Ranges of records and pages typed, copies typed, then Print.
    void PrintRanges(frmPrint& w, const char* from, const char* to, const char* fromPage,
                     const char* toPage, const char* copies) {
        QTest::mouseClick(w.optRange(), Qt::LeftButton);
        QTest::mouseClick(w.optPageRange(), Qt::LeftButton);
        Type(w.txtFrom(), from);
        Type(w.txtTo(), to);
        Type(w.txtFrmP2P(), fromPage);
        Type(w.txtToP2P(), toPage);
        Type(w.txtCopies(), copies);
        QTest::mouseClick(w.cmdPrint(), Qt::LeftButton);
    }

    // Records and pages 1 to 2 through the Qt printer into cards.pdf in the test's folder.
    void PrintPdf(QtPrintDevice& printer, const char* copies) {
        dialogs.path = dir.Path().string();
        dialogs.fileName = "cards";
        frmPrint& w = NewPrintWindow(printer);
        w.lstPrinter()->setCurrentRow(w.lstPrinter()->count() - 1);
        PrintRanges(w, "1", "2", "1", "2", copies);
    }

    int opened = 0;
    RecordingDevice device;
    std::optional<EditPrintView> view;
    std::optional<frmPrint> print;
};

// The address card with its second page moved onto the first.
TestDb OnePageDb(int orientation) {
    TestDb db = ContactsDb(3);
    DBHeader& h = db.MutableHeader();
    for (DBField& field : h.Fields)
        if (field.Page == 2) field.Page = 1;
    for (DBBanner& banner : h.Banners)
        if (banner.Page == 2) banner.Page = 1;
    h.PrintOrientation = static_cast<uint8_t>(orientation);
    return db;
}

// What the window shows on opening: printers, options and boxes; a page range then fills
// 1 to the page count.
TEST_F(PrintTest, LoadState) {
    const struct {
        TestDb form;
        int page;
        QString defaultPrinter;
        int selectedRow; // of "Laser", "Ink", "PDF file"
        bool landscape;
        const char* pageRange;
    } rows[] = {
        {ContactsDb(3), 2, "Ink", 1, false, "1 2"},
        {OnePageDb(2), 1, "", 2, true, "1 1"},
        {OnePageDb(1), 1, "Gone", -1, false, "1 1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.landscape);
        Open(row.form, row.page);
        window->Run(Command::LastRecord);
        device.printers = {"Laser", "Ink"};
        device.defaultPrinter = row.defaultPrinter;
        frmPrint& w = NewPrintWindow(device);
        EXPECT_EQ(w.windowTitle(), "Print");
        EXPECT_EQ(w.lstPrinter()->count(), 3);
        EXPECT_EQ(w.lstPrinter()->item(2)->text(), "PDF file");
        EXPECT_EQ(w.lstPrinter()->currentRow(), row.selectedRow);
        EXPECT_TRUE(w.optCurrent()->isChecked());
        EXPECT_TRUE(w.optPageCurrent()->isChecked());
        EXPECT_EQ(w.optLandscape()->isChecked(), row.landscape);
        EXPECT_EQ(w.optPotrait()->text(), "Potrait");
        EXPECT_EQ(w.optPotrait()->isChecked(), !row.landscape);
        const QString page = QString::number(row.page);
        const std::pair<QLineEdit*, QString> boxes[] = {
            {w.txtFrom(), "1"}, {w.txtTo(), "3"}, {w.txtFrmP2P(), page}, {w.txtToP2P(), page}};
        for (const auto& [box, text] : boxes) {
            EXPECT_EQ(box->text(), text) << box->objectName().toStdString();
            EXPECT_FALSE(box->isEnabled());
        }
        EXPECT_EQ(w.txtCopies()->text(), "1");
        QTest::mouseClick(w.optCurrent(), Qt::LeftButton);
        EXPECT_EQ(w.txtFrom()->text() + " " + w.txtTo()->text(), "3 3");
        QTest::mouseClick(w.optPageRange(), Qt::LeftButton);
        EXPECT_EQ(w.txtFrmP2P()->text() + " " + w.txtToP2P()->text(), row.pageRange);
        EXPECT_TRUE(w.txtFrmP2P()->isEnabled() && w.txtToP2P()->isEnabled());
        Type(w.txtCopies(), "1a-2");
        EXPECT_EQ(w.txtCopies()->text(), "12") << "digits only";
        EXPECT_EQ(LeadingNumber(" 7x"), 7);
    }
}

// Each check with its message and focus; nothing printed, the window stays open. So too
// when the PDF file is not chosen.
TEST_F(PrintTest, ChecksRefuseWithMessageAndFocus) {
    const struct {
        const char *from, *to, *fromPage, *toPage, *copies;
        bool unselect;
        const char* message;
        const char* focus;
    } rows[] = {
        {"0", "2", "1", "2", "1", false, "From must be > 0", "txtFrom"},
        {"1", "4", "1", "2", "1", false, "To must be < 3", "txtTo"},
        {"1", "99999999999999999999", "1", "2", "1", false, "To must be < 3", "txtTo"},
        {"1", "2", "1", "2", "1", true, "Select Printer", "lstPrinter"},
        {"1", "2", "1", "2", "0", false, "Copies can be 1 to 10", "txtCopies"},
        {"1", "2", "1", "2", "11", false, "Copies can be 1 to 10", "txtCopies"},
        {"1", "2", "1", "2", "99999", false, "Copies can be 1 to 10", "txtCopies"},
        {"1", "2", "0", "2", "1", false, "From page can be 1 to 2", "txtFrmP2P"},
        {"1", "2", "3", "2", "1", false, "From page can be 1 to 2", "txtFrmP2P"},
        {"1", "2", "2", "1", "1", false, "To page can be 1 to 2", "txtToP2P"},
        {"1", "2", "1", "70000", "1", false, "To page can be 1 to 2", "txtToP2P"},
        // Several inputs wrong at once: the first check in order speaks, the others wait.
        {"0", "4", "0", "9", "0", true, "From must be > 0", "txtFrom"},
        {"1", "4", "0", "9", "0", true, "To must be < 3", "txtTo"},
        {"1", "2", "0", "9", "0", true, "Select Printer", "lstPrinter"},
        {"1", "2", "0", "9", "0", false, "Copies can be 1 to 10", "txtCopies"},
        {"1", "2", "0", "9", "1", false, "From page can be 1 to 2", "txtFrmP2P"},
        // All good: the PDF entry asks for the file now, and the user cancels.
        {"1", "2", "1", "2", "1", false, "", ""},
    };
    Open(ContactsDb(3));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        reporter.Clear();
        frmPrint& w = NewPrintWindow(device);
        ASSERT_EQ(w.lstPrinter()->currentItem()->text(), "PDF file");
        if (row.unselect) w.lstPrinter()->clearSelection();
        PrintRanges(w, row.from, row.to, row.fromPage, row.toPage, row.copies);
        std::vector<RecordedMessage> said;
        if (*row.message) said.push_back({"Tabulo", row.message, MsgIcon::None});
        EXPECT_EQ(reporter.messages, said);
        if (*row.focus) {
            EXPECT_EQ(QApplication::focusWidget()->objectName(), row.focus);
        }
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(device.steps.empty());
    }
    ASSERT_EQ(dialogs.files.size(), 1u) << "only the last row gets as far as the file";
    EXPECT_EQ(dialogs.files[0].Title + " " + dialogs.files[0].Pattern, "Save As *.Pdf");
}

// Record by record, page by page, copies one after another, without the toolbar; then
// the window behind shows its record and page again with the toolbar, and Print closes.
// A range whose start lies after its end prints nothing and closes all the same. A failing
// printer (a page, or the choice of printer) says so after the pages sent so far.
TEST_F(PrintTest, PrintsInOrderAndRestores) {
    const struct {
        const char *from, *to, *copies;
        size_t failAtPage;
        bool failSelect;
        std::vector<std::string> pages;
        size_t steps; // how many of select, orientation, begin and end were taken
    } rows[] = {
        {"1",
         "2",
         "3",
         0,
         false,
         {"r1p1", "r1p1", "r1p1", "r1p2", "r1p2", "r1p2", "r2p1", "r2p1", "r2p1", "r2p2", "r2p2",
          "r2p2"},
         4},
        {"3", "2", "1", 0, false, {}, 0},
        {"1", "3", "2", 4, false, {"r1p1", "r1p1", "r1p2", "r1p2"}, 4},
        {"1", "3", "2", 0, true, {}, 1},
    };
    Open(ContactsDb(3), 2);
    window->Run(Command::LastRecord);
    device.printers = {"Laser", "Ink"};
    device.defaultPrinter = "Ink";
    const std::vector<std::string> steps = {"select Ink", "orientation 2", "begin", "end"};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pages.size());
        reporter.Clear();
        device.steps.clear();
        device.pages.clear();
        device.failAtPage = row.failAtPage;
        device.failSelect = row.failSelect;
        frmPrint& w = NewPrintWindow(device);
        QTest::mouseClick(w.optLandscape(), Qt::LeftButton);
        PrintRanges(w, row.from, row.to, "1", "2", row.copies);
        EXPECT_EQ(device.pages, row.pages);
        EXPECT_EQ(device.steps, std::vector(steps.begin(), steps.begin() + row.steps));
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(device.probe(), "r3p2 toolbar");
        EXPECT_EQ(RecordCaption(*window)->text(), " 3 / 3");
        std::vector<RecordedMessage> said;
        if (row.failAtPage || row.failSelect)
            said.push_back({"Print", "Error occured while prinitng", MsgIcon::Critical});
        EXPECT_EQ(reporter.messages, said);
    }
}

// The menu item opens the print window (an empty file opens nothing: see the editor's tests).
TEST_F(PrintTest, PrintCommandOpensThePrintWindow) {
    Open(ContactsDb(1));
    bool shown = false;
    WhenModalOpens([&](QWidget* modal) {
        shown = qobject_cast<frmPrint*>(modal) != nullptr;
        modal->close();
    });
    MenuItem(*window, Command::Print)->trigger();
    EXPECT_TRUE(shown);
}

std::string Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return process.readAllStandardOutput().toStdString();
}

// 2 records x 2 pages x 3 copies through the Qt printer into a PDF, read back with poppler.
TEST_F(PrintTest, PdfFileHoldsEveryPageAsTheWindowShowsIt) {
    if (std::system("command -v pdfinfo >/dev/null && command -v pdftotext >/dev/null") != 0)
        GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) are not installed";
    Open(ContactsDb(2));
    QtPrintDevice qtPrinter(faults);
    PrintPdf(qtPrinter, "3");
    EXPECT_TRUE(reporter.messages.empty());
    const std::string pdf = dir.File("cards.pdf");
    const QString file = QString::fromStdString(pdf);
    EXPECT_NE(Output("pdfinfo", {file}).find("Pages:           12"), std::string::npos);
    const std::string page4 = Output("pdftotext", {"-f", "4", "-l", "4", file, "-"});
    EXPECT_NE(page4.find("555-0101"), std::string::npos) << page4;
    const std::string page7 = Output("pdftotext", {"-f", "7", "-l", "7", file, "-"});
    EXPECT_NE(page7.find("Person 2"), std::string::npos) << page7;
}

// The PDF file fails at each of its own file steps in turn (the disk full, say): the print
// takes its failure path and leaves neither the file nor its temporary file behind.
TEST_F(PrintTest, AFailedPdfWriteLeavesNoFileAndReportsTheFailure) {
    Open(ContactsDb(2));
    QtPrintDevice qtPrinter(faults);
    const std::string pdf = dir.File("cards.pdf"), part = pdf + ".part";
    const auto printPdf = [&] { PrintPdf(qtPrinter, "1"); };
    faults.ResetSteps();
    const std::vector<LoggedStep> log = faults.StepsOf(printPdf);
    ASSERT_TRUE(reporter.messages.empty());
    ASSERT_TRUE(std::filesystem::exists(pdf));
    std::vector<long> pdfSteps;
    for (size_t i = 0; i < log.size(); ++i)
        if (log[i].path == part) pdfSteps.push_back(static_cast<long>(i) + 1);
    ASSERT_GE(pdfSteps.size(), 5u) << "create, write, flush, close, rename";

    for (long step : pdfSteps) {
        SCOPED_TRACE(FileStepName(log[static_cast<size_t>(step - 1)].step));
        std::filesystem::remove(pdf);
        reporter.Clear();
        faults.FailAtStep(step, ENOSPC);
        printPdf();
        faults.ResetSteps();
        EXPECT_EQ(reporter.messages,
                  (std::vector<RecordedMessage>{
                      {"Print", "Error occured while prinitng", MsgIcon::Critical}}));
        EXPECT_FALSE(std::filesystem::exists(pdf));
        EXPECT_FALSE(std::filesystem::exists(part));
    }
}

} // namespace
} // namespace tabulo::test
