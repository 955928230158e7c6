// The properties panel: each edit changes exactly the header member it names; refused values
// show the design rules' message and change nothing; adding a field, naming it and giving it
// codes, with conflicting codes flagged; undo back to the opened header, byte for byte.

#include "DesignerFixture.h"
#include "NamedCase.h"
#include "TestDb.h"
#include "designer/DesignCanvas.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

namespace tabulo::designer {
namespace {

constexpr int FieldMember(int slot, int at) {
    return kOffFields + (slot - 1) * kFieldSize + at;
}
constexpr int BannerMember(int slot, int at) {
    return kOffBanners + (slot - 1) * kBannerSize + at;
}

struct MemberCase {
    const char* what;
    std::optional<ItemRef> selected; // nothing: the form's own properties
    const char* control;
    std::variant<int, const char*> value;
    int from, size; // the header bytes that may change
};

class MemberTest : public DesignerTest, public testing::WithParamInterface<MemberCase> {};

TEST_P(MemberTest, AnEditChangesExactlyTheMemberItNames) {
    const MemberCase& c = GetParam();
    window->Canvas()->Select(c.selected ? Selection{*c.selected} : Selection{});
    const std::string before = EncodeHeader(Doc().Header());
    SetProperty(c.control, c.value);
    const std::string after = EncodeHeader(Doc().Header());
    ASSERT_NE(before, after) << "the edit was applied";
    for (size_t i = 0; i < before.size(); ++i) {
        if (before[i] != after[i]) {
            EXPECT_TRUE(int(i) >= c.from && int(i) < c.from + c.size) << "byte " << i << " changed";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Designer, MemberTest,
    testing::Values(
        MemberCase{"field left", kName, "Left", 130, FieldMember(1, 1), 2},
        MemberCase{"field top", kName, "Top", 300, FieldMember(1, 3), 2},
        MemberCase{"field width", kName, "Width", 90, FieldMember(1, 5), 2},
        MemberCase{"field height", kName, "Height", 42, FieldMember(1, 7), 2},
        MemberCase{"field length", kName, "Length", 15, FieldMember(1, 9), 2},
        MemberCase{"field name", kName, "Name", "FULLNAME", FieldMember(1, 11), 32},
        MemberCase{"field page", kName, "Page", 2, FieldMember(1, 0), 1},
        MemberCase{"banner caption", kCityLabel, "Caption", "Town", BannerMember(2, 5), 64},
        MemberCase{"banner top", kCityLabel, "Top", 90, BannerMember(2, 3), 2},
        MemberCase{"window width", std::nullopt, "Window width (twips)", 9000, kOffWindow, 2},
        MemberCase{"page heading", std::nullopt, "Heading of page 2", "Notes",
                   kOffPageHeadings + 32, 32}),
    test::CaseName<MemberCase>);

// The rules' own message shows under the control; the design stays as it was.
TEST_F(DesignerTest, ARefusedValueShowsTheRuleAndChangesNothing) {
    window->Canvas()->Select({kName});
    SetProperty("Page", 9);
    const auto* problem = Property<QLabel>("Page problem");
    EXPECT_FALSE(problem->isHidden());
    EXPECT_EQ(problem->text(), "fields[0].page: expected a whole number from 1 to 8");
    EXPECT_EQ(Doc().Current(), TwoFieldDesign());
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(DesignerTest, AddAFieldNameItAndGiveItCodes) {
    Run("AddField");
    const ItemRef added = *window->Canvas()->Selected().begin();
    ASSERT_EQ(added, (ItemRef{ItemKind::Field, 2}));
    SetProperty("Name", "PHONE");
    Property<QCheckBox>("Code N")->setChecked(true);
    Property<QCheckBox>("Code !")->setChecked(true);
    Property<QCheckBox>("Code N")->setChecked(false);
    Property<QCheckBox>("Code S")->setChecked(true);
    const design::Field& f = FieldOf(2);
    EXPECT_EQ(std::tuple(f.name, f.format, f.offset), std::tuple("PHONE", "!S", 31));
    EXPECT_EQ(Property<QCheckBox>("Code S")->accessibleName(), "Input code S: space");
    EXPECT_EQ(Doc().UndoStack()->count(), 6);
}

TEST_F(DesignerTest, ConflictingCodesAreFlaggedWithTheReason) {
    window->Canvas()->Select({{ItemKind::Field, 3}}); // CITY, in upper case
    Property<QCheckBox>("Code A")->setChecked(true);
    EXPECT_EQ(window->Properties()->findChildren<QLabel*>(QRegularExpression("conflict$")).size(),
              0);
    Property<QCheckBox>("Code L")->setChecked(true);
    for (const char* code : {"U", "L"}) {
        const QString name = QStringLiteral("Code %1").arg(code);
        EXPECT_NE(Property<QLabel>(name + " conflict"), nullptr);
        EXPECT_EQ(Property<QCheckBox>(name)->accessibleDescription(),
                  "UL: lower case comes after upper case and undoes it");
    }
    EXPECT_EQ(window->Properties()->findChild<QLabel*>("Code A conflict"), nullptr);
}

TEST_F(DesignerTest, ColourComesFromThePicker) {
    window->Canvas()->Select({kCityLabel});
    dialogs.colour = 0x0000FF;
    Property<QPushButton>("Text colour")->click();
    EXPECT_EQ(Doc().Current().banners[1].font.foreColor, 0x0000FF);
    dialogs.colour.reset();
    Property<QPushButton>("Background colour")->click();
    EXPECT_FALSE(Doc().UndoStack()->canRedo());
    EXPECT_EQ(Doc().UndoStack()->count(), 1) << "a cancelled picker changes nothing";
}

TEST_F(DesignerTest, UndoToTheStartGivesTheOpenedHeaderByteForByte) {
    test::TestDb made;
    made.AddField("NAME", 20).AddField("CITY", 10, "U").AddBanner("Name", 1, 10, 40);
    made.SetPageHeading(1, "Card").AddRecord({"Ann", "ROME"}).AddRecord({"Bob", "OSLO"});
    const std::string path = made.Create(dir, "Cards") + ".Tbd";
    const std::string opened = test::ReadFileBytes(path).substr(0, kHeaderSize);
    ASSERT_TRUE(window->OpenFile(FilePath(path)));
    window->Canvas()->Select({kName});
    Surface()->setFocus();
    QTest::keyClick(Surface(), Qt::Key_Right, Qt::ShiftModifier);
    Run("AddField");
    Run("AddLabel");
    window->Canvas()->Select({});
    Property<QSpinBox>("Window height (twips)")->setValue(6000);
    Doc().Apply(
        [&] {
            design::Design d = Doc().Current();
            d.script = "Sub Start\r\n  MsgBox 1\r\nEnd Sub";
            return d;
        }(),
        "script");
    ASSERT_NE(EncodeHeader(Doc().Header()), opened);
    EXPECT_TRUE(window->isWindowModified());
    while (Doc().UndoStack()->canUndo())
        Run("Undo");
    EXPECT_EQ(EncodeHeader(Doc().Header()), opened);
    EXPECT_FALSE(window->isWindowModified());
}

} // namespace
} // namespace tabulo::designer
