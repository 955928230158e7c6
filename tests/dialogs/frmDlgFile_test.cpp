#include "DialogTest.h"
#include "ModalDriver.h"
#include "RecordingReporter.h"
#include "TempDir.h"
#include "dialogs/QtDialogRunner.h"
#include "dialogs/QtText.h"
#include "dialogs/frmDlgFile.h"

#include <QAccessible>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <fstream>

namespace tabulo {
namespace {

class FileDialog : public test::DialogTest {
protected:
    FileDialog() {
        for (const char* folder : {"sub", ".hidden", "Zeta", "alpha"})
            std::filesystem::create_directory(dir.Path() / folder);
        for (const char* name : {"data.csv", "Other.CSV", "notes.txt", "stock.Tbd", "sub/deep.csv"})
            std::ofstream(dir.File(name)) << "x";
        root = QDir::toNativeSeparators(QString::fromStdString(dir.Path().string()));
    }

    frmDlgFile& Open(const std::string& pattern, bool saveMode, const std::string& fileName = "") {
        const FileRequest request{saveMode ? "Save As" : "Load", pattern, ToFilePath(root),
                                  FilePath(fileName), saveMode};
        dialog = std::make_unique<frmDlgFile>(request, reporter);
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
    // What Ok gave, as "directory|name"; empty without a choice.
    std::string Choice() const {
        const std::optional<ChosenFile>& chosen = dialog->Result();
        return chosen ? chosen->Path.Native() + "|" + chosen->FileName.Native() : "";
    }

    test::TempDir dir;
    QString root;
    test::RecordingReporter reporter;
    std::unique_ptr<frmDlgFile> dialog;
};

// Directories first, then the files the pattern matches without their extension, each
// group by name without regard to case; hidden folders are left out.
TEST_F(FileDialog, ListsDirectoriesThenMatchingFilesWithoutExtension) {
    const QStringList folders = {"[..]", "[alpha]", "[sub]", "[Zeta]"};
    const std::pair<const char*, QStringList> cases[] = {
        {"*.Csv", {"data", "Other"}},
        {"*.Tbd", {"stock"}},
        {"", {"data", "notes", "Other", "stock"}},
    };
    for (const auto& [pattern, files] : cases) {
        Open(pattern, false);
        EXPECT_EQ(Entries(), folders + files) << pattern;
    }
    EXPECT_EQ(dialog->windowTitle(), "Load");
    EXPECT_EQ(TextOf(*dialog, "txtPath"), frmDlgFile::ShortPath(root));
}

// Arrows move through a list, Enter acts as a double-click: into a folder, or in "Load"
// use on a file, accepted at once. Enter never reaches the "Ok" button on the way.
TEST_F(FileDialog, WorksFromTheKeyboardAlone) {
    Open("*.Csv", false);
    QListWidget& list = List("lstDir");
    list.setFocus();
    list.setCurrentRow(1);
    QTest::keyClick(&list, Qt::Key_Down); // [sub]
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(TextOf(*dialog, "txtPath"), frmDlgFile::ShortPath(Sub()));
    EXPECT_TRUE(dialog->isVisible());
    list.setCurrentItem(list.findItems("deep", Qt::MatchExactly).front());
    QTest::keyClick(&list, Qt::Key_Enter);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Choice(), Sub().toStdString() + "|deep");
}

TEST_F(FileDialog, ListsAndTheFileBoxHaveAccessibleNames) {
    Open("*.Csv", true);
    const struct {
        const char* object;
        const char* name;
    } cases[] = {{"lstDrive", "Drives"}, {"lstDir", "Folders and files"}, {"txtFile", "File"}};
    for (const auto& c : cases) {
        QAccessibleInterface* face =
            QAccessible::queryAccessibleInterface(dialog->findChild<QWidget*>(c.object));
        ASSERT_NE(face, nullptr) << c.object;
        EXPECT_EQ(face->text(QAccessible::Name), c.name) << c.object;
    }
}

// Database files are listed only where opening the listed name reaches them.
TEST_F(FileDialog, ListsOnlyTheDatabasesThatItsNamesOpen) {
    for (const char* name : {"a.Tbd", "a.tbd", "b.tbd", "b.TBD", "C.TBD", "y.tbd.Tbd"})
        std::ofstream(dir.File(name)) << "x";
    Open("*.Tbd", false);
    EXPECT_EQ(Entries().mid(4), (QStringList{"a", "C", "stock"}));
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
    EXPECT_EQ(Choice(), root.toStdString() + "|data");
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
    EXPECT_EQ(Choice(), Sub().toStdString() + "|deep2");
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
    EXPECT_EQ(reporter.messages, (std::vector<test::RecordedMessage>{
                                     {"Tabulo", "Drive unavailable.", MsgIcon::Critical}}));
    EXPECT_EQ(TextOf(*dialog, "txtPath"), frmDlgFile::ShortPath(Sub()));
}

TEST_F(FileDialog, CancelGivesNoChoice) {
    Open("*.Csv", true, "");
    Click("lstDir", "data");
    Press("cmdCancel");
    EXPECT_EQ(Choice(), "");
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

// The program's runner shows the window modally, in the current directory the first time and
// where the last Ok left it after.
TEST_F(FileDialog, TheRunnerShowsTheWindowModallyWhereTheLastOneEnded) {
    QtDialogRunner dialogs;
    QString path;
    QDir::setCurrent(Sub());
    test::WhenModalOpens([](QWidget* modal) { modal->findChild<QPushButton*>("cmdOk")->click(); });
    EXPECT_FALSE(dialogs.DlgLoad("*.Csv")) << "Ok without a name";
    QDir::setCurrent(root);
    test::WhenModalOpens([&](QWidget* modal) {
        path = modal->findChild<QLabel*>("txtPath")->text();
        modal->findChild<QPushButton*>("cmdCancel")->click();
    });
    dialogs.DlgLoad("*.Csv");
    EXPECT_EQ(path, frmDlgFile::ShortPath(Sub()));
}

} // namespace
} // namespace tabulo
