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

TEST_F(InputBox, TypedKeysPassTheMask) {
    struct Case {
        const char* mask;
        const char* typed;
        const char* text;
    };
    const Case cases[] = {
        {"AN", "ab 1-C", "ab1C"}, {"N", "a1 2.", "12"}, {"N-.", "-1.5/2", "-1.52"},
        {"UA", "abC", "ABC"},     {"LA", "AbC", "abc"}, {"XU", "0fgA9", "0FA9"},
        {"AS", "a b", "a b"},     {"", "a1*", "*"},     {"ANP", "x y!", "xy"},
    };
    for (const Case& c : cases) {
        QLineEdit& txt = Open(c.mask);
        QTest::keyClicks(&txt, c.typed);
        EXPECT_EQ(txt.text(), c.text) << c.mask << " " << c.typed;
    }
}

TEST_F(InputBox, BackspaceAndCaretKeysAlwaysWork) {
    QLineEdit& txt = Open("N", "123");
    QTest::keyClick(&txt, Qt::Key_End);
    QTest::keyClick(&txt, Qt::Key_Backspace);
    QTest::keyClick(&txt, Qt::Key_Home);
    QTest::keyClick(&txt, Qt::Key_Delete);
    EXPECT_EQ(txt.text(), "2");
}

TEST_F(InputBox, MaskPShowsEveryCharacterAsHash) {
    QLineEdit& txt = Open("ANP", "  pw ");
    EXPECT_EQ(txt.displayText(), "##");
    QTest::keyClicks(&txt, "ab1");
    EXPECT_EQ(txt.text(), "pwab1");
    EXPECT_EQ(txt.displayText(), "#####");
    EXPECT_EQ(Open("AN", "pw").displayText(), "pw");
}

TEST_F(InputBox, TextStopsAtTheMaximumLength) {
    struct Case {
        int maxLen;
        const char* mask;
        int expected;
    };
    const Case cases[] = {{0, "A", 32}, {5, "A", 5}, {3, "U", 3}};
    for (const Case& c : cases) {
        QLineEdit& txt = Open(c.mask, "", c.maxLen);
        QTest::keyClicks(&txt, QString(40, 'a'));
        EXPECT_EQ(txt.text().size(), c.expected) << c.maxLen << " " << c.mask;
    }
}

TEST_F(InputBox, OkReturnsTheTrimmedText) {
    struct Case {
        const char* typed;
        const char* value;
    };
    const Case cases[] = {{"  two words  ", "two words"}, {"", ""}};
    for (const Case& c : cases) {
        QLineEdit& txt = Open("AS", "");
        QTest::keyClicks(&txt, c.typed);
        QTest::mouseClick(Child<QPushButton>(*box, "cmdOK"), Qt::LeftButton);
        EXPECT_EQ(box->Result(), c.value);
        EXPECT_FALSE(box->isVisible());
    }
}

TEST_F(InputBox, EnterAcceptsEscapeDoesNothingCloseBoxKeepsTheDefault) {
    QLineEdit& txt = Open("A", "old");
    QTest::keyClick(&txt, Qt::Key_Escape);
    EXPECT_TRUE(box->isVisible());
    QTest::keyClicks(&txt, "er");
    box->close();
    EXPECT_FALSE(box->Result());

    QLineEdit& again = Open("A", "old");
    QTest::keyClicks(&again, "er");
    QTest::keyClick(&again, Qt::Key_Return);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->Result(), "older");
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
