#include "DialogTest.h"
#include "ModalDriver.h"
#include "dialogs/QtDialogRunner.h"
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
        picker = std::make_unique<frmDlgClr>(colour);
        picker->show();
        return *Child<QLineEdit>(*picker, "txtClr");
    }
    void Press(const char* button) {
        QTest::mouseClick(Child<QPushButton>(*picker, button), Qt::LeftButton);
    }
    std::unique_ptr<frmDlgClr> picker;
};

TEST_F(ColorPicker, SwatchesFormSixteenColumnsOfOverlappingCells) {
    Open(0);
    const QRect first = picker->lblClr(1)->geometry();
    EXPECT_EQ(picker->lblClr(1)->geometry().topLeft(), picker->lblClr(0)->geometry().topLeft());
    EXPECT_EQ(picker->lblClr(2)->x(), first.x() + first.width() - 1);
    EXPECT_EQ(picker->lblClr(17)->pos(), QPoint(first.x(), first.y() + first.height() - 1));
    EXPECT_EQ(picker->lblClr(216)->y(), first.y() + 13 * (first.height() - 1));
    EXPECT_TRUE(picker->lblClr(216)->isVisible());
}

// The text shows blue, green and red digits; a swatch or typed hexadecimal capitals (short
// texts padded) change it; Ok takes the colour, Cancel gives none.
TEST_F(ColorPicker, SwatchesAndTypedDigitsGiveTheColourOnOk) {
    struct Case {
        uint32_t start;
        int swatch;        // clicked, unless -1
        const char* typed; // replaces the text, unless nullptr
        const char* button;
        const char* text; // shown before the button
        std::optional<uint32_t> colour;
    };
    const Case cases[] = {
        {Rgb(0x12, 0x34, 0x56), -1, nullptr, "cmdOK", "563412", Rgb(0x12, 0x34, 0x56)},
        {Rgb(255, 0, 0), 12, nullptr, "cmdOK", "FF3300", Rgb(0, 51, 255)},
        {Rgb(1, 2, 3), -1, "33", "cmdOK", "33", Rgb(51, 0, 0)},
        {Rgb(1, 2, 3), -1, "a0g-f", "cmdOK", "A0F", 0xA0F},
        {Rgb(1, 2, 3), -1, "", "cmdOK", "", Rgb(1, 2, 3)},
        {Rgb(255, 0, 0), 5, nullptr, "cmdCancel", nullptr, std::nullopt},
    };
    for (const Case& c : cases) {
        QLineEdit& txt = Open(c.start);
        if (c.swatch >= 0) QTest::mouseClick(picker->lblClr(c.swatch), Qt::LeftButton);
        if (c.typed) {
            txt.clear();
            QTest::keyClicks(&txt, c.typed);
        }
        if (c.text) {
            EXPECT_EQ(txt.text(), c.text);
        }
        Press(c.button);
        EXPECT_EQ(picker->Result(), c.colour) << c.text;
    }
    EXPECT_EQ(picker->windowTitle(), "Color");
    EXPECT_EQ(frmDlgClr::ClrHex(0x1234567), "234567");
}

class FontPicker : public test::DialogTest {
protected:
    frmDlgFnt& Open(const std::string& name, int size, uint8_t bold = 0, uint8_t italic = 0) {
        picker = std::make_unique<frmDlgFnt>("Field Font", FontChoice{name, size, bold, italic});
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

TEST_F(FontPicker, OkWritesTheChoiceAndCancelGivesNone) {
    Open("Tahoma", 10, 5, 0);
    Child<QListWidget>(*picker, "lstFN")->setCurrentRow(13);
    QTest::mouseClick(Child<QPushButton>(*picker, "cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(picker->Result());

    Open("Tahoma", 10, 5, 0);
    EXPECT_TRUE(Box("chkBold").isChecked());
    EXPECT_FALSE(Box("chkItalic").isChecked());
    Child<QListWidget>(*picker, "lstFN")->setCurrentRow(13);
    Child<QListWidget>(*picker, "lstFS")->setCurrentRow(5);
    QTest::mouseClick(&Box("chkItalic"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(*picker, "cmdOK"), Qt::LeftButton);
    ASSERT_TRUE(picker->Result());
    const FontChoice& font = *picker->Result();
    // Bold was 5: any non-zero value comes back as 1.
    EXPECT_EQ(std::tuple(font.Name, font.Size, font.Bold, font.Italic),
              std::tuple("Verdana", 18, uint8_t(1), uint8_t(1)));
}

TEST_F(FontPicker, ShowFontPickerOpensTheWindowModally) {
    QString title;
    test::WhenModalOpens([&](QWidget* modal) {
        title = modal->windowTitle();
        modal->findChild<QPushButton*>("cmdCancel")->click();
    });
    EXPECT_FALSE(QtDialogRunner().PickFont("", {}));
    EXPECT_EQ(title, "Select Font");
}

} // namespace
} // namespace tabulo
