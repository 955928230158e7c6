// The database's script in the window: "Start" and "Update", the Actions menu, script
// errors, the look-up database, the password box and MsgBox. The runner's own rules (the
// time-out, Cancel, the error texts) are checked without the window.

#include "EditorFixture.h"
#include "ModalDriver.h"
#include "NamedCase.h"
#include "RecordingScriptUi.h"
#include "browse/BrowseGrid.h"
#include "dialogs/QtText.h"
#include "editor/QtScriptUi.h"
#include "editor/QtScriptWindow.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <filesystem>
#include <tuple>

namespace tabulo::test {
namespace {

// The input box answered with a typed text; what it was opened with is kept.
class TypingDialogs : public RecordingDialogs {
public:
    std::string typed = "secret";
    std::optional<InputRequest> asked;
    std::optional<std::string> Input(const InputRequest& request) override {
        asked = request;
        return typed;
    }
};

// The window with the real script host in place of the fixture's recorder.
class ScriptTest : public EditorTest {
protected:
    ~ScriptTest() override {
        window.reset();
        QDir::setCurrent(startDir);
    }

    bool Start(const std::string& path) {
        window = std::make_unique<frmEdit>(db, reporter, host, services, typing);
        host.Attach(*window, ui, typing);
        return window->StartUp(path);
    }
    // A one-page form of text fields with the script; one record.
    std::string CreateDb(const std::string& text) {
        TestDb t;
        t.AddField("NAME", 20).AddField("OUT", 40).AddField("PICK", 5).AddField("PASS", 32);
        t.SetScript(text).AddRecord({"Ann", "", "", ""});
        return t.Create(dir, "Scripted");
    }
    std::string Shown(const std::string& name) { return FieldText(db.FindField(name)); }
    void Type(const std::string& name, const std::string& text) {
        Field(*window, db.FindField(name))->setPlainText(ToQString(text));
    }

    QString startDir = QDir::currentPath();
    WindowScriptHost host{db, reporter};
    TypingDialogs typing;
    RecordingScriptUi ui;
};

// The shipped contacts sample, opened from a copy next to its look-up database. What its
// procedures compute is checked without the window; here, how the window shows it.
class ContactsSampleTest : public ScriptTest {
protected:
    void SetUp() override {
        for (const char* name : {"Contacts.Tbd", "Cities.Tbd"})
            std::filesystem::copy_file(std::filesystem::path(TABULO_SAMPLES_DIR) / name,
                                       dir.Path() / name);
        QDir::setCurrent(QString::fromStdString(dir.Path().string()));
        ASSERT_TRUE(Start(dir.File("Contacts")));
    }
};

// Start fills the Actions menu; Update's refusal is the script's MsgBox, and the window stays
// in edit mode, where an action's SetField shows at once; Close empties the menu.
TEST_F(ContactsSampleTest, ActionsMenuAndARefusedUpdate) {
    EXPECT_TRUE(window->ActionsMenu()->menuAction()->isVisible());
    EXPECT_EQ(window->ActionItem(1)->text(), "FindCity");
    EXPECT_EQ(window->ActionItem(2)->text(), "CalledToday");
    EXPECT_FALSE(window->ActionItem(3)->isVisible());
    window->Run(Command::Edit);
    Type("NEWSLETTER", "Y");
    Type("EMAIL", "");
    window->Run(Command::Update);
    EXPECT_EQ(window->Mode(), WindowMode::Editing);
    EXPECT_EQ(ui.Prompts(), std::vector<std::string>{"The newsletter needs an e-mail address."});
    PageHeading(*window, 3)->trigger();
    Type("LASTCALL", "");
    window->ActionItem(2)->trigger(); // its SetField shows in the box at once
    std::string lastCall;
    db.ReadField(db.FindField("LASTCALL"), lastCall);
    EXPECT_NE(lastCall, "");
    EXPECT_EQ(Shown("LASTCALL"), lastCall);
    window->Run(Command::Cancel);
    window->Run(Command::Close);
    EXPECT_FALSE(window->ActionsMenu()->menuAction()->isVisible());
    EXPECT_EQ(window->ActionItem(1)->text(), QString());
}

struct StartCase {
    const char* name;
    const char* script;
    const char* box; // the title of the one box shown; "" for none
    bool opened;
};

class StartOutcome : public ScriptTest, public ::testing::WithParamInterface<StartCase> {};

// Every script error is one box (their texts are the runner's); the database stays open
// unless Cancel was left non-zero.
TEST_P(StartOutcome, ShowsItsBoxesAndKeepsOrClosesTheDatabase) {
    const StartCase& c = GetParam();
    EXPECT_EQ(Start(CreateDb(c.script)), c.opened);
    EXPECT_LE(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.Only().title, c.box);
    EXPECT_EQ(window->Mode(), c.opened ? WindowMode::Browsing : WindowMode::NoDatabase);
}

const StartCase kStarts[] = {
    {"SyntaxError", "Sub Start\n  x = (1 +\nEnd Sub", "SCRIPT ERROR", true},
    {"AnyNonZeroCancelVetoes", "Sub Start\n  Tb.Cancel = 1\nEnd Sub", "", false},
};

INSTANTIATE_TEST_SUITE_P(Scripts, StartOutcome, ::testing::ValuesIn(kStarts), NamedCase<StartCase>);

// What the look-up calls do to the file is checked on Tb itself; here the window's part:
// the pick list, the password box, and closing the look-up database with the window.
TEST_F(ScriptTest, TheLookupDatabaseIsListedAndClosedWithTheWindow) {
    TestDb cities;
    cities.AddField("CITY", 10).AddField("ZIP", 5).AddField("Mixed", 3);
    cities.AddRecord({"Rome", "00100", "x"}).AddRecord({"Paris", "75001", "y"});
    const std::string lookup = cities.Create(dir, "Cities");
    std::vector<std::string> firstRow;
    WhenModalOpens([&](QWidget* modal) {
        BrowseGrid* grid = modal->findChild<BrowseGrid*>();
        firstRow = grid->Row(0).cells;
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Return);
    });
    ASSERT_TRUE(Start(CreateDb("Sub Start\n"
                               "  Tb.OpenDB \"" +
                               lookup +
                               "\"\n"
                               "  Tb.SetField \"PICK\", Tb.GetDBList(Array(\"ZIP\", \"city\"))\n"
                               "  Tb.SetField \"PASS\", Tb.GetPass(\" Password \", \" abc \")\n"
                               "End Sub")));
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(firstRow, (std::vector<std::string>{"00100", "Rome"}));
    EXPECT_EQ(Shown("PICK"), "2");
    EXPECT_EQ(Shown("PASS"), "secret");
    ASSERT_TRUE(typing.asked);
    const InputRequest& asked = *typing.asked;
    EXPECT_EQ(std::tie(asked.Title, asked.Value, asked.MaxLen, asked.Mask),
              std::make_tuple("Password", "abc", 32, "ANP"));

    window->Run(Command::Close);
    host.Runner()->Tb().GetDBCount();
    EXPECT_EQ(reporter.Only(), (RecordedMessage{"GetDBCount", "Database not open"}));
}

TEST(MsgBoxLook, FollowsTheButtonsArgument) {
    struct Case {
        int buttons;
        std::vector<int> results;
        int defaultIndex;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {0, {1}, 0, QMessageBox::NoIcon},
        {1 + 64, {1, 2}, 0, QMessageBox::Information},
        {2 + 16 + 512, {3, 4, 5}, 2, QMessageBox::Critical},
        {3 + 48 + 256, {6, 7, 2}, 1, QMessageBox::Warning},
        {4 + 32 + 768, {6, 7}, 0, QMessageBox::Question},
        {5, {4, 2}, 0, QMessageBox::NoIcon},
    };
    for (const Case& c : cases) {
        const MsgBoxLook look = LookOfMsgBox(c.buttons);
        std::vector<int> results;
        for (const MsgBoxLook::Button& b : look.buttons)
            results.push_back(b.result);
        EXPECT_EQ(std::tie(results, look.defaultIndex, look.icon),
                  std::tie(c.results, c.defaultIndex, c.icon))
            << c.buttons;
    }
}

TEST(QtScriptUi, MsgBoxReturnsTheButtonClickedAndInputBoxTheTextTyped) {
    QtScriptUi ui;
    WhenModalOpens([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Ask");
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(ui.msgBox("Save?", 4 + 32, "Ask"), 7);
    WhenModalOpens([](QWidget* modal) {
        auto* line = modal->findChild<QLineEdit*>();
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->text(), "Zürich");
        line->setText("Genève");
        QMetaObject::invokeMethod(modal, "accept");
    });
    EXPECT_EQ(ui.inputBox("City?", "", "Z\xFCrich"), "Gen\xE8ve");
}

} // namespace
} // namespace tabulo::test
