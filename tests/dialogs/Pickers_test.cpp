#include "DialogTest.h"
#include "ModalDriver.h"
#include "dialogs/frmDlgClr.h"
#include "dialogs/frmDlgFnt.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace tabulo {
namespace {

constexpr uint32_t Rgb(int r, int g, int b) {
    return r | g << 8 | b << 16;
}

class ColorPicker : public test::DialogTest {
protected:
    QLineEdit& Open(uint32_t colour) {
        modDlg::DlgColor = colour;
        picker = std::make_unique<frmDlgClr>();
        picker->show();
        return *Child<QLineEdit>(*picker, "txtClr");
    }
    void Press(const char* button) {
        QTest::mouseClick(Child<QPushButton>(*picker, button), Qt::LeftButton);
    }
    std::unique_ptr<frmDlgClr> picker;
};

TEST_F(ColorPicker, ShowsTheColourAsBlueGreenRedDigits) {
    EXPECT_EQ(Open(Rgb(255, 0, 0)).text(), "0000FF");
    EXPECT_EQ(picker->windowTitle(), "Color");
    EXPECT_EQ(Open(Rgb(0x12, 0x34, 0x56)).text(), "563412");
    EXPECT_EQ(frmDlgClr::ClrHex(0x1234567), "234567");
}

TEST_F(ColorPicker, SwatchesFormSixteenColumnsOfOverlappingCells) {
    Open(0);
    const QRect first = picker->lblClr(1)->geometry();
    EXPECT_EQ(picker->lblClr(1)->geometry().topLeft(), picker->lblClr(0)->geometry().topLeft());
    EXPECT_EQ(picker->lblClr(2)->x(), first.x() + first.width() - 1);
    EXPECT_EQ(picker->lblClr(17)->pos(), QPoint(first.x(), first.y() + first.height() - 1));
    EXPECT_EQ(picker->lblClr(216)->y(), first.y() + 13 * (first.height() - 1));
    EXPECT_TRUE(picker->lblClr(216)->isVisible());
}

TEST_F(ColorPicker, ClickingASwatchThenOkTakesItsColour) {
    QLineEdit& txt = Open(Rgb(255, 0, 0));
    QTest::mouseClick(picker->lblClr(12), Qt::LeftButton); // red 0, green 51, blue 255
    EXPECT_EQ(txt.text(), "FF3300");
    Press("cmdOK");
    EXPECT_EQ(modDlg::DlgColor, Rgb(0, 51, 255));
}

TEST_F(ColorPicker, TypedDigitsAreHexadecimalCapitalsAndShortTextsArePadded) {
    struct Case {
        const char* typed;
        const char* text;
        uint32_t colour;
    };
    const Case cases[] = {
        {"33", "33", Rgb(51, 0, 0)}, {"a0g-f", "A0F", 0xA0F}, {"", "", Rgb(1, 2, 3)}};
    for (const Case& c : cases) {
        QLineEdit& txt = Open(Rgb(1, 2, 3));
        txt.clear();
        QTest::keyClicks(&txt, c.typed);
        EXPECT_EQ(txt.text(), c.text);
        Press("cmdOK");
        EXPECT_EQ(modDlg::DlgColor, c.colour) << c.typed;
    }
}

TEST_F(ColorPicker, CancelKeepsTheColour) {
    Open(Rgb(1, 2, 3));
    QTest::mouseClick(picker->lblClr(5), Qt::LeftButton);
    Press("cmdCancel");
    EXPECT_EQ(modDlg::DlgColor, Rgb(1, 2, 3));
}

class FontPicker : public test::DialogTest {
protected:
    frmDlgFnt& Open(const std::string& name, int size, uint8_t bold = 0, uint8_t italic = 0) {
        modDlg::DlgTitle = "Field Font";
        modDlg::DlgFontName = name;
        modDlg::DlgFontSize = size;
        modDlg::DlgFontBold = bold;
        modDlg::DlgFontItalic = italic;
        picker = std::make_unique<frmDlgFnt>();
        picker->show();
        return *picker;
    }
    QString Selected(const char* list) const {
        return Child<QListWidget>(*picker, list)->currentItem()->text();
    }
    QCheckBox& Box(const char* name) const { return *Child<QCheckBox>(*picker, name); }
    std::unique_ptr<frmDlgFnt> picker;
};

TEST_F(FontPicker, OpensOnTheGivenFontOrTheFirstEntries) {
    struct Case {
        const char* name;
        int size;
        const char* shownName;
        const char* shownSize;
    };
    const Case cases[] = {{"verdana", 14, "Verdana", "14"},
                          {"Helvetica", 11, "Arial", "8"},
                          {"COMIC SANS MS", 72, "Comic Sans MS", "72"}};
    for (const Case& c : cases) {
        Open(c.name, c.size);
        EXPECT_EQ(Selected("lstFN"), c.shownName);
        EXPECT_EQ(Selected("lstFS"), c.shownSize);
    }
    EXPECT_EQ(picker->windowTitle(), "Field Font");
}

TEST_F(FontPicker, OkWritesTheChoice) {
    Open("Tahoma", 10, 5, 0);
    EXPECT_TRUE(Box("chkBold").isChecked());
    EXPECT_FALSE(Box("chkItalic").isChecked());
    Child<QListWidget>(*picker, "lstFN")->setCurrentRow(13);
    Child<QListWidget>(*picker, "lstFS")->setCurrentRow(5);
    QTest::mouseClick(&Box("chkItalic"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(*picker, "cmdOK"), Qt::LeftButton);
    EXPECT_EQ(modDlg::DlgFontName, "Verdana");
    EXPECT_EQ(modDlg::DlgFontSize, 18);
    EXPECT_EQ(modDlg::DlgFontBold, 1); // any non-zero value comes back as 1
    EXPECT_EQ(modDlg::DlgFontItalic, 1);
}

TEST_F(FontPicker, CancelKeepsTheValues) {
    Open("Tahoma", 10, 5, 0);
    Child<QListWidget>(*picker, "lstFN")->setCurrentRow(13);
    QTest::mouseClick(Child<QPushButton>(*picker, "cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(modDlg::DlgFontName, "Tahoma");
    EXPECT_EQ(modDlg::DlgFontSize, 10);
    EXPECT_EQ(modDlg::DlgFontBold, 5);
}

TEST_F(FontPicker, ShowFontPickerOpensTheWindowModally) {
    modDlg::DlgTitle = "";
    QString title;
    test::WhenModalOpens([&](QWidget* modal) {
        title = modal->windowTitle();
        modal->findChild<QPushButton*>("cmdCancel")->click();
    });
    modDlg::ShowFontPicker();
    EXPECT_EQ(title, "Select Font");
}

} // namespace
} // namespace tabulo
