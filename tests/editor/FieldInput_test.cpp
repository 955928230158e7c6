// Keys typed into real Field boxes reach the input rules as their character codes, and the
// box shows what the rules return: a table of codes, starting text, keys and the result.

#include "NamedCase.h"
#include "RecordsFixture.h"
#include "dialogs/Twips.h"

#include <QClipboard>
#include <QKeyEvent>

namespace tabulo::test {
namespace {

struct KeyCase {
    const char* name;
    const char* format;
    std::string start; // the record's value; the caret starts at its end
    // Each step is typed; "<Key>" is a key as Qt names it: "<Left>", "<Ctrl+V>".
    std::vector<const char*> steps;
    std::string expected; // as the record would store it
    int caret = -1;       // in stored characters; -1: not checked
    QString clipboard = {};
    bool movesOn = false; // the focus ends in the next box
};

class FieldKeysTest : public RecordsTest, public ::testing::WithParamInterface<KeyCase> {
protected:
    void Do(FieldBox* box, const char* step) {
        const QString text = QString::fromUtf8(step);
        if (text.startsWith('<')) {
            const QKeyCombination key = QKeySequence(text.mid(1, text.size() - 2))[0];
            return QTest::keyClick(box, key.key(), key.keyboardModifiers());
        }
        for (QChar c : text) {
            // The key code of a letter or digit, as the keyboard gives it; the rules read the text.
            const QChar upper = c.toUpper();
            const auto key = upper.unicode() < 0x80 ? Qt::Key(upper.unicode()) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, box, key, QString(c), Qt::NoModifier);
        }
    }
};

TEST_P(FieldKeysTest, TheBoxShowsWhatTheRulesMakeOfTheKeys) {
    const KeyCase& c = GetParam();
    TestDb form; // a ten-character field with the codes under test, and a second box after it
    form.AddField("Field", 10, c.format).AddField("Next", 5, "*");
    OpenShown(form.AddRecord({c.start, ""}), "Keys");
    Key(Qt::Key_F2);
    if (!c.clipboard.isNull()) QApplication::clipboard()->setText(c.clipboard);
    FieldBox* box = Field(*window, 1);
    ASSERT_EQ(Focused(), box);
    box->moveCursor(QTextCursor::End);
    for (const char* step : c.steps)
        Do(box, step);
    EXPECT_EQ(Box(1), c.expected);
    if (c.caret >= 0) {
        EXPECT_EQ(StateOf(*box).SelStart, c.caret);
    }
    EXPECT_EQ(Focused(), Field(*window, c.movesOn ? 2 : 1));
}

const KeyCase kKeyCases[] = {
    {"BlankCodesTakeNothing", "", "xy", {"<Backspace>", "a"}, "xy"},
    {"YesNoReplacesTheText", "Y", "N", {"x1y"}, "Y", 1},
    {"CutToTheFieldsLength", "A", "", {"abcdefghijkl"}, "abcdefghij"},
    {"CaretMovedByArrow", "A", "ac", {"<Left>", "b"}, "abc", 2},
    {"DeleteKeyIsTheBoxsOwn", "A", "ab", {"<Home>", "<Del>"}, "b"},
    {"ALineBreakTakesTwoPlaces", "*M", "abcdef", {"<Return>", "xyz"}, "abcdef\r\nxy"},
    {"EnterElsewhereMovesToTheNextBox", "A", "ab", {"<Return>"}, "ab", -1, {}, true},
    {"CaretAfterALineBreak", "*M", "a\r\nc", {"<Left>", "b"}, "a\r\nbc", 4},
    {"BackspaceTakesALineBreakAsOne", "*M", "a\r\nb", {"<Backspace>", "<Backspace>"}, "a"},
    {"CtrlTTypesTheDate", "D", "", {"<Ctrl+T>"}, "05/03/2024"},
    {"CtrlUTypesTheTime", "T", "", {"<Ctrl+U>"}, "09:07:05"},
    // The Date and Time commands type into the focused box through its filter too.
    {"F11TypesTheTime", "T", "", {"<F11>"}, "09:07:05"},
    {"F12IntoANumberBoxKeepsTheDigits", "N", "", {"<F12>"}, "05032024"},
    {"CharacterOutsideTheCodePage", "*", "", {"\xc4\x89\xc3\xa9"}, "\xe9"},
    {"PasteIntoAnyCharacterBoxIsConverted", "*U", "", {"<Ctrl+V>"}, "HELLO", 5, "hello"},
    {"UndoTakesBackTheTyping", "*", "x", {"ab", "<Ctrl+Z>"}, "x"},
    {"PasteRefusedWhereControlKeysAre", "A", "", {"<Ctrl+V>"}, "", -1, "hello"},
};

INSTANTIATE_TEST_SUITE_P(Codes, FieldKeysTest, ::testing::ValuesIn(kKeyCases), NamedCase<KeyCase>);

// A double click on a date box opens the picker at the pointer, with the box switched off
// while it is open; F4 and Alt+Down open it just below the box. Closing it keeps the text;
// other boxes open nothing, by key or by mouse.
TEST_F(RecordsTest, TheDatePickerOpensOnADateBoxOnly) {
    OpenShown(OrdersDb(1));
    Key(Qt::Key_F2);
    Key(Qt::Key_N, Qt::ControlModifier);
    auto doubleClick = [&](FieldBox* box) {
        picker.box = box;
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    };
    FieldBox* born = Field(*window, kBorn);
    Field(*window, kQty)->setFocus();
    picker.pick = "24/12/2023";
    doubleClick(born);
    ASSERT_EQ(picker.opened.size(), 1u);
    const DateRequest& request = picker.opened[0];
    EXPECT_EQ(request.StartDate, "01/01/2000");
    EXPECT_FALSE(picker.boxEnabledWhileOpen);
    const QPoint pointer = born->viewport()->mapToGlobal(QPoint(5, 5));
    const Twips twips = Twips::FromScreen(born->screen());
    EXPECT_EQ(request.X, twips.PixelsToTwipsX(pointer.x()));
    EXPECT_EQ(request.Y, twips.PixelsToTwipsY(pointer.y()));
    EXPECT_EQ(Box(kBorn), "24/12/2023");
    EXPECT_TRUE(born->isEnabled());
    EXPECT_EQ(Focused(), born);
    EXPECT_FALSE(born->textCursor().hasSelection());

    picker.pick = "05/06/2024";
    for (auto [key, mods] : {std::pair{Qt::Key_F4, Qt::KeyboardModifiers()},
                             std::pair{Qt::Key_Down, Qt::KeyboardModifiers(Qt::AltModifier)}}) {
        born->SetText(QString());
        QTest::keyClick(born, key, mods);
        EXPECT_EQ(Box(kBorn), "05/06/2024") << key;
    }
    ASSERT_EQ(picker.opened.size(), 3u);
    const QPoint below = twips.ToTwips(born->mapToGlobal(QPoint(0, born->height())));
    EXPECT_EQ(QPoint(int(picker.opened[2].X), int(picker.opened[2].Y)), below);
    picker.pick.clear();
    QTest::keyClick(born, Qt::Key_F4);
    EXPECT_EQ(Box(kBorn), "05/06/2024");
    QTest::keyClick(Field(*window, kTime), Qt::Key_F4);
    doubleClick(Field(*window, kTime));
    EXPECT_EQ(picker.opened.size(), 4u);
}

} // namespace
} // namespace tabulo::test
