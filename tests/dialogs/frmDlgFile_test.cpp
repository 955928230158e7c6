#include "DialogTest.h"
#include "ModalDriver.h"
#include "TempDir.h"
#include "dialogs/frmDlgFile.h"
#include "engine/Reporter.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <fstream>

namespace tabulo {
namespace {

class RecordingReporter : public Reporter {
public:
    void Message(const std::string& title, const std::string& text, MsgIcon icon) override {
        messages.push_back(title + "|" + text + (icon == MsgIcon::Critical ? "|critical" : ""));
    }
    bool Ask(const std::string&, const std::string&, MsgIcon, bool) override { return false; }
    std::vector<std::string> messages;
};

class FileDialog : public test::DialogTest {
protected:
    FileDialog() {
        std::filesystem::create_directory(dir.Path() / "sub");
        std::filesystem::create_directory(dir.Path() / ".hidden");
        for (const char* name : {"data.csv", "Other.CSV", "notes.txt", "stock.Tbd", "sub/deep.csv"})
            std::ofstream(dir.File(name)) << "x";
        root = QDir::toNativeSeparators(QString::fromStdString(dir.Path().string()));
    }

    frmDlgFile& Open(const std::string& pattern, bool saveMode, const std::string& fileName = "") {
        modDlg::DlgTitle = saveMode ? "Save As" : "Load";
        modDlg::DlgSaveMode = saveMode;
        modDlg::DlgPattern = pattern;
        modDlg::DlgPath = root.toStdString();
        modDlg::DlgFileName = fileName;
        dialog = std::make_unique<frmDlgFile>(reporter);
        dialog->show();
        return *dialog;
    }
    QListWidget& List(const char* name) const { return *Child<QListWidget>(*dialog, name); }
    QLineEdit& FileBox() const { return *Child<QLineEdit>(*dialog, "txtFile"); }
    QStringList Entries() const {
        QStringList entries;
        for (int i = 0; i < List("lstDir").count(); ++i)
            entries << List("lstDir").item(i)->text();
        return entries;
    }
    QPoint At(QListWidget& list, const QString& entry) const {
        const auto found = list.findItems(entry, Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << entry.toStdString();
        return found.isEmpty() ? QPoint() : list.visualItemRect(found.front()).center();
    }
    void Click(const char* list, const QString& entry) {
        QTest::mouseClick(List(list).viewport(), Qt::LeftButton, {}, At(List(list), entry));
    }
    // A real double-click: the first click selects, the second one arrives as a double-click.
    void DoubleClick(const char* list, const QString& entry) {
        const QPoint at = At(List(list), entry);
        QTest::mouseClick(List(list).viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(List(list).viewport(), Qt::LeftButton, {}, at);
    }
    void Press(const char* button) {
        QTest::mouseClick(Child<QPushButton>(*dialog, button), Qt::LeftButton);
    }
    QString Sub() const { return root + QDir::separator() + "sub"; }

    test::TempDir dir;
    QString root;
    RecordingReporter reporter;
    std::unique_ptr<frmDlgFile> dialog;
};

TEST_F(FileDialog, ListsDirectoriesThenMatchingFilesWithoutExtension) {
    struct Case {
        const char* pattern;
        QStringList files;
    };
    const Case cases[] = {
        {"*.Csv", {"data", "Other"}},
        {"*.Tbd", {"stock"}},
        {"", {"data", "Other", "notes", "stock"}},
    };
    for (const Case& c : cases) {
        Open(c.pattern, false);
        const QStringList entries = Entries();
        ASSERT_EQ(entries.size(), 2 + c.files.size()) << c.pattern;
        EXPECT_EQ(QSet<QString>(entries.begin(), entries.begin() + 2),
                  QSet<QString>({"[..]", "[sub]"}));
        EXPECT_EQ(QSet<QString>(entries.begin() + 2, entries.end()),
                  QSet<QString>(c.files.begin(), c.files.end()))
            << c.pattern;
    }
    EXPECT_EQ(dialog->windowTitle(), "Load");
    EXPECT_EQ(TextOf(*dialog, "txtPath"), frmDlgFile::ShortPath(root));
}

// Database files are listed only where opening the listed name reaches them.
TEST_F(FileDialog, ListsOnlyTheDatabasesThatItsNamesOpen) {
    for (const char* name : {"a.Tbd", "a.tbd", "b.tbd", "b.TBD", "C.TBD", "y.tbd.Tbd"})
        std::ofstream(dir.File(name)) << "x";
    Open("*.Tbd", false);
    const QStringList entries = Entries();
    EXPECT_EQ(QSet<QString>(entries.begin() + 2, entries.end()),
              QSet<QString>({"stock", "a", "C"}));
    EXPECT_EQ(entries.size(), 5);
}

TEST_F(FileDialog, LoadPicksAFileByDoubleClickWithoutTyping) {
    Open("*.Csv", false);
    EXPECT_FALSE(FileBox().isEnabled());
    Click("lstDir", "[sub]");
    EXPECT_EQ(FileBox().text(), "");
    Click("lstDir", "Other");
    EXPECT_EQ(FileBox().text(), "Other");
    DoubleClick("lstDir", "data");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(modDlg::DlgFileName, "data");
    EXPECT_EQ(modDlg::DlgPath, root.toStdString());
}

TEST_F(FileDialog, SaveAsTakesATypedNameFromTheDirectoryShownLast) {
    Open("*.Csv", true, "export");
    EXPECT_TRUE(FileBox().isEnabled());
    EXPECT_EQ(FileBox().text(), "export");
    DoubleClick("lstDir", "[sub]");
    EXPECT_EQ(TextOf(*dialog, "txtPath"), frmDlgFile::ShortPath(Sub()));
    EXPECT_EQ(Entries().filter("deep").size(), 1);
    EXPECT_EQ(FileBox().text(), "");
    DoubleClick("lstDir", "deep");
    EXPECT_TRUE(dialog->isVisible()); // Save As waits for Ok
    QTest::keyClicks(&FileBox(), "2");
    Press("cmdOk");
    EXPECT_EQ(modDlg::DlgFileName, "deep2");
    EXPECT_EQ(modDlg::DlgPath, Sub().toStdString());
    EXPECT_EQ(QDir::toNativeSeparators(QDir::currentPath()), Sub());
}

TEST_F(FileDialog, DotDotGoesUpAndStaysAtTheRoot) {
    Open("*.Csv", false);
    DoubleClick("lstDir", "[sub]");
    DoubleClick("lstDir", "[..]");
    EXPECT_EQ(TextOf(*dialog, "txtPath"), frmDlgFile::ShortPath(root));
    const QString top = List("lstDrive").item(0)->text(); // the root drive comes first
    EXPECT_EQ(top, QDir::toNativeSeparators(QDir::rootPath()));
    DoubleClick("lstDrive", top);
    EXPECT_EQ(TextOf(*dialog, "txtPath"), top);
    DoubleClick("lstDir", "[..]");
    EXPECT_EQ(TextOf(*dialog, "txtPath"), top);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(FileDialog, AnUnavailableDriveIsReportedAndTheDirectoryKept) {
    Open("*.Csv", false);
    DoubleClick("lstDir", "[sub]");
    const QString missing = root + QDir::separator() + "gone";
    List("lstDrive").addItem(missing);
    DoubleClick("lstDrive", missing);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{"Tabulo|Drive unavailable.|critical"});
    EXPECT_EQ(TextOf(*dialog, "txtPath"), frmDlgFile::ShortPath(Sub()));
}

TEST_F(FileDialog, CancelLeavesTheResultAlone) {
    Open("*.Csv", true, "");
    Click("lstDir", "data");
    Press("cmdCancel");
    EXPECT_EQ(modDlg::DlgFileName, "");
    EXPECT_EQ(modDlg::DlgPath, root.toStdString());
}

TEST_F(FileDialog, LongPathsAreShortenedInTheMiddle) {
    const QString sixty =
        QString("A").repeated(22) + QString("m").repeated(16) + QString("Z").repeated(22);
    EXPECT_EQ(frmDlgFile::ShortPath(sixty),
              QString("A").repeated(22) + " .. " + QString("Z").repeated(22));
    const QString fifty = QString("p").repeated(50);
    EXPECT_EQ(frmDlgFile::ShortPath(fifty), fifty);
    EXPECT_EQ(frmDlgFile::ShortPath(fifty + "q").size(), 48);
}

TEST_F(FileDialog, DlgLoadShowsTheWindowModally) {
    modDlg::DlgPath = root.toStdString();
    modDlg::DlgPattern = "*.Tbd";
    modDlg::DlgFileName = "preset";
    QString title, fileBox;
    test::WhenModalOpens([&](QWidget* modal) {
        title = modal->windowTitle();
        fileBox = modal->findChild<QLineEdit*>("txtFile")->text();
        modal->findChild<QPushButton*>("cmdCancel")->click();
    });
    modDlg::DlgLoad();
    EXPECT_EQ(title, "Load");
    EXPECT_EQ(fileBox, "");
    EXPECT_EQ(modDlg::DlgFileName, "");
}

} // namespace
} // namespace tabulo
