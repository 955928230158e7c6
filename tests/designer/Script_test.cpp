// The Script tab: Check puts the caret on the compile error; the size limit is the design
// rules'; typing is one step of undo.

#include "DesignerFixture.h"
#include "designer/ScriptCheck.h"
#include "designer/ScriptPage.h"

#include <QLabel>
#include <QTextBlock>

namespace tabulo::designer {
namespace {

TEST_F(DesignerTest, CheckPutsTheCaretOnTheError) {
    const struct {
        const char* script;
        bool ok;
        int line, column; // where the caret goes (1-based line, 0-based column)
    } cases[] = {
        {"Sub Start\n  x = 1\nEnd Sub\n", true, 0, 0},
        {"Sub Start\n  x = 1\n  If x = 1\n  End If\nEnd Sub\n", false, 3, 10}, // no Then
        {"Sub Start\n  x = 1\n", false, 3, 0},                                 // no End Sub
        {"x = 1 / 0\nSub Start\nEnd Sub\n", true, 0, 0}, // an error only when it runs
    };
    CodeEditor* editor = window->Script()->Editor();
    for (const auto& c : cases) {
        editor->setPlainText(QString::fromLatin1(c.script));
        editor->moveCursor(QTextCursor::End);
        EXPECT_EQ(window->Script()->Check(), c.ok) << c.script;
        if (c.ok) continue;
        EXPECT_EQ(editor->textCursor().blockNumber() + 1, c.line);
        EXPECT_EQ(editor->textCursor().positionInBlock(), c.column);
        EXPECT_TRUE(window->Script()
                        ->findChild<QLabel*>("ScriptMessage")
                        ->text()
                        .endsWith(QString::fromStdString(CheckScript(c.script).message)));
    }
}

TEST_F(DesignerTest, TypingIsOneStepOfUndoAndStoredWithCrLf) {
    CodeEditor* editor = window->Script()->Editor();
    editor->moveCursor(QTextCursor::End);
    editor->insertPlainText("\n'a");
    editor->insertPlainText("b");
    EXPECT_EQ(Doc().Current().script, std::string(kDefaultScript) + "\r\n'ab");
    EXPECT_EQ(Doc().UndoStack()->count(), 1);
    EXPECT_EQ(window->Script()->findChild<QLabel*>("ScriptCount")->text(),
              QString("%1 of 4000 characters").arg(kDefaultScript.size() + 5));
    Run("Undo");
    EXPECT_EQ(editor->toPlainText(),
              QString::fromLatin1(kDefaultScript.data()).replace("\r\n", "\n"));
}

TEST_F(DesignerTest, TheProceduresAreListedAndAMissingOneIsNoted) {
    CodeEditor* editor = window->Script()->Editor();
    const auto* procedures = window->Script()->findChild<QLabel*>("ScriptProcedures");
    EXPECT_EQ(procedures->text(), "Procedures: Start, Update");
    editor->setPlainText(
        "Private Function Twice(x)\n  Twice = 2 * x\nEnd Function\nsub start\nEnd Sub");
    EXPECT_EQ(procedures->text(), "Procedures: Twice, start. There is no \"Update\" procedure");
    editor->setPlainText("' Sub Start\n");
    EXPECT_EQ(
        procedures->text(),
        "Procedures: none. There is no \"Start\" procedure. There is no \"Update\" procedure");
}

TEST_F(DesignerTest, AScriptPastTheLimitIsNotTaken) {
    window->Script()->Editor()->setPlainText(QString(4001, QChar('x')));
    EXPECT_EQ(Doc().Current().script, kDefaultScript);
    EXPECT_EQ(window->Script()->findChild<QLabel*>("ScriptMessage")->text(),
              "script: 4001 characters, more than 4000");
}

} // namespace
} // namespace tabulo::designer
