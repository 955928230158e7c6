#include "DialogTest.h"
#include "ModalDriver.h"
#include "dialogs/QtDialogRunner.h"
#include "dialogs/frmInput.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tabulo {
namespace {

class InputBox : public test::DialogTest {
protected:
    QLineEdit& Open(const std::string& mask, const std::string& value = "", int maxLen = 0) {
        box = std::make_unique<frmInput>(InputRequest{"Question", value, maxLen, mask});
        box->show();
        return *Child<QLineEdit>(*box, "txtStr");
    }
    std::unique_ptr<frmInput> box;
};

// Typed keys pass the mask's filter up to the most characters (0: 32); "P" shows every
// character as "#". Backspace and the caret keys always work.
TEST_F(InputBox, TypedKeysPassTheMaskUpToTheMaximumLength) {
    struct Case {
        const char* mask;
        const char* value;
        int maxLen;
        QString typed, text;
        QString shown = {}; // empty: the text
    };
    const QString forty(40, 'a');
    const Case cases[] = {
        {"AN", "", 0, "ab 1-C", "ab1C"},
        {"N", "", 0, "a1 2.", "12"},
        {"N-.", "", 0, "-1.5/2", "-1.52"},
        {"UA", "", 0, "abC", "ABC"},
        {"LA", "", 0, "AbC", "abc"},
        {"XU", "", 0, "0fgA9", "0FA9"},
        {"AS", "", 0, "a b", "a b"},
        {"", "", 0, "a1*", "*"},
        {"ANP", "  pw ", 0, "x y!1", "pwxy1", "#####"},
        {"AN", "pw", 0, "", "pw"},
        {"A", "", 0, forty, QString(32, 'a')},
        {"A", "", 5, forty, "aaaaa"},
        {"U", "", 3, forty, "AAA"},
    };
    for (const Case& c : cases) {
        QLineEdit& txt = Open(c.mask, c.value, c.maxLen);
        QTest::keyClicks(&txt, c.typed);
        EXPECT_EQ(txt.text(), c.text) << c.mask << " " << c.typed.toStdString();
        EXPECT_EQ(txt.displayText(), c.shown.isEmpty() ? c.text : c.shown) << c.mask;
    }
    QLineEdit& txt = Open("N", "123");
    for (Qt::Key key : {Qt::Key_End, Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Delete})
        QTest::keyClick(&txt, key);
    EXPECT_EQ(txt.text(), "2");
}

// Ok and Enter give the text trimmed, the close box gives none; Escape does nothing.
TEST_F(InputBox, OkAndEnterGiveTheTrimmedTextAndTheCloseBoxNone) {
    const struct {
        const char* start;
        const char* typed;
        int close; // Ok (0), a key, or the close box (-1)
        std::optional<std::string> value;
    } cases[] = {{"", "  two words  ", 0, "two words"},
                 {"", "", 0, ""},
                 {"old", "er", Qt::Key_Return, "older"},
                 {"old", "er", -1, std::nullopt}};
    for (const auto& c : cases) {
        QLineEdit& txt = Open("AS", c.start);
        QTest::keyClick(&txt, Qt::Key_Escape);
        EXPECT_TRUE(box->isVisible()) << "Escape does nothing";
        QTest::keyClicks(&txt, c.typed);
        if (c.close > 0)
            QTest::keyClick(&txt, static_cast<Qt::Key>(c.close));
        else if (c.close == 0)
            QTest::mouseClick(Child<QPushButton>(*box, "cmdOK"), Qt::LeftButton);
        else
            box->close();
        EXPECT_EQ(box->Result(), c.value) << c.typed;
        EXPECT_FALSE(box->isVisible());
    }
}

TEST_F(InputBox, PasswordQuestionThroughShowInput) {
    QString title, shown;
    test::WhenModalOpens([&](QWidget* modal) {
        title = modal->windowTitle();
        auto* txt = modal->findChild<QLineEdit*>("txtStr");
        QTest::keyClicks(txt, "x y!z");
        shown = txt->displayText();
        QTest::keyClick(txt, Qt::Key_Enter);
    });
    EXPECT_EQ(QtDialogRunner().ShowInput({"Password?", "pw", 32, "anp"}), "pwxyz");
    EXPECT_EQ(title, "Password?");
    EXPECT_EQ(shown, "#####");
}

} // namespace
} // namespace tabulo
