#include "DesignerFixture.h"

#include "TestDb.h"
#include "designer/DesignCanvas.h"
#include "designer/PropertiesPanel.h"
#include "engine/PosixFileSystem.h"
#include "engine/modDB.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

namespace tabulo::designer {

design::Design TwoFieldDesign() {
    design::Design d = BlankDesign();
    d.fields.push_back({1, {}, 1, "NAME", 1, 100, 40, 120, 21, 20, 1, ""});
    d.fields.push_back({3, {}, 3, "CITY", 1, 100, 70, 80, 21, 10, 21, "U"});
    d.banners.push_back({1, 1, 10, 40, "Name", {}});
    d.banners.push_back({2, 1, 10, 70, "City", {}});
    return d;
}

DesignerTest::DesignerTest()
    : window(std::make_unique<DesignerWindow>(reporter, dialogs, MachineFileSystem())) {
    window->Document().Reset(TwoFieldDesign(), {}, FileKind::None, 0);
    window->show();
    QApplication::setActiveWindow(window.get());
}

DesignerTest::~DesignerTest() = default;

QWidget* DesignerTest::Surface() const {
    return window->Canvas()->Surface();
}

QPoint DesignerTest::Middle(const ItemRef& item) const {
    return window->Canvas()->PlaceOf(item).center();
}

void DesignerTest::Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers) {
    QTest::mousePress(Surface(), Qt::LeftButton, modifiers, from);
    QTest::mouseMove(Surface(), (from + to) / 2);
    QTest::mouseMove(Surface(), to);
    QTest::mouseRelease(Surface(), Qt::LeftButton, modifiers, to);
}

void DesignerTest::Press(int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(Surface(), static_cast<Qt::Key>(key), modifiers);
}

void DesignerTest::Run(const char* command) {
    QAction* action = window->Command(QString::fromLatin1(command));
    ASSERT_NE(action, nullptr) << command;
    action->trigger();
}

void DesignerTest::SetProperty(const char* control, const std::variant<int, const char*>& value) {
    if (const int* number = std::get_if<int>(&value)) {
        Property<QSpinBox>(control)->setValue(*number);
        return;
    }
    auto* edit = Property<QLineEdit>(control);
    edit->setText(QString::fromLatin1(std::get<const char*>(value)));
    emit edit->editingFinished();
}

std::string DesignerTest::AnswerSaveAs(const std::string& name) {
    dialogs.path = dir.Path().string();
    dialogs.fileName = name;
    return (dir.Path() / name).string();
}

std::string DesignerTest::Club() {
    return test::TestDb()
               .AddField("NAME", 10)
               .AddField("CITY", 8)
               .AddRecord({"Ann", "Rome"})
               .AddRecord({"Bob", "Oslo"})
               .Create(dir, "Club") +
           ".Tbd";
}

void DesignerTest::OpenAndChange(const std::string& path,
                                 const std::function<void(design::Design&)>& change) {
    ASSERT_TRUE(window->OpenFile(FilePath(path))) << reporter.Only().text;
    design::Design d = Doc().Current();
    change(d);
    ASSERT_TRUE(Doc().Apply(d, "change").empty());
}

std::pair<long, std::string> DesignerTest::ReadBack(const std::string& path, long record,
                                                    const std::string& field) {
    test::RecordingReporter quiet;
    modDB db(quiet, MachineFileSystem());
    std::string value;
    EXPECT_EQ(db.OpenDatabase(FilePath(path)), 1) << path;
    if (db.SetRecordNo(record) == 1) db.ReadField(db.FindField(field), value);
    return {db.GetRecordCount(), value};
}

} // namespace tabulo::designer
