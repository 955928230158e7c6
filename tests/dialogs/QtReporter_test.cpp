#include "ModalDriver.h"
#include "dialogs/QtReporter.h"

#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace tabulo {
namespace {

// What the user saw in the box, taken while it was open.
struct SeenBox {
    QString title, text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::StandardButton escapeButton = QMessageBox::NoButton;
};

void SeeAndPress(SeenBox& seen, QMessageBox::StandardButton press) {
    test::WhenModalOpens([&seen, press](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.format = box->textFormat();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        if (box->defaultButton()) seen.defaultButton = box->standardButton(box->defaultButton());
        if (box->escapeButton()) seen.escapeButton = box->standardButton(box->escapeButton());
        box->button(press)->click();
    });
}

TEST(QtReporter, MessageShowsExactTitleTextIconAndAnOkButton) {
    struct Case {
        std::string title, text;
        MsgIcon icon;
        QMessageBox::Icon shown;
        QString shownText;
    };
    const Case cases[] = {
        {"READ FIELD", "Field not defined!", MsgIcon::Critical, QMessageBox::Critical,
         "Field not defined!"},
        {"Print", "Copies can be 1 to 10", MsgIcon::None, QMessageBox::NoIcon,
         "Copies can be 1 to 10"},
        {"SCRIPT ERROR", std::string(3, ' ') + "\n<b>x</b> \x80", MsgIcon::Critical,
         QMessageBox::Critical, QString::fromUtf8("   \n<b>x</b> €")},
    };
    QtReporter reporter;
    for (const Case& c : cases) {
        SeenBox seen;
        SeeAndPress(seen, QMessageBox::Ok);
        reporter.Message(c.title, c.text, c.icon);
        EXPECT_EQ(seen.title, QString::fromLatin1(c.title));
        EXPECT_EQ(seen.text, c.shownText);
        EXPECT_EQ(seen.format, Qt::PlainText);
        EXPECT_EQ(seen.icon, c.shown);
        EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    }
}

TEST(QtReporter, AskOffersYesAndNoWithTheRequestedDefaultAndEscapeMeaningNo) {
    struct Case {
        bool defaultNo;
        QMessageBox::StandardButton press;
        bool answer;
        QMessageBox::StandardButton expectedDefault;
    };
    const Case cases[] = {
        {true, QMessageBox::No, false, QMessageBox::No},
        {false, QMessageBox::Yes, true, QMessageBox::Yes},
    };
    QtReporter reporter;
    for (const Case& c : cases) {
        SeenBox seen;
        SeeAndPress(seen, c.press);
        EXPECT_EQ(reporter.Ask("Delete", "Delete this record?", MsgIcon::None, c.defaultNo),
                  c.answer);
        EXPECT_EQ(seen.title, "Delete");
        EXPECT_EQ(seen.text, "Delete this record?");
        EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
        EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(seen.defaultButton, c.expectedDefault);
        EXPECT_EQ(seen.escapeButton, QMessageBox::No);
    }
}

} // namespace
} // namespace tabulo
