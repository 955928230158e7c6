#include "EditorFixture.h"

#include "dialogs/QtText.h"
#include "dialogs/frmShowText.h"

#include <QPlainTextEdit>
#include <QTest>

namespace tabulo::test {

DBField FieldAt(int page, QRect place, int length, const std::string& format, int offset,
                const std::string& name) {
    DBField f;
    f.Page = static_cast<uint8_t>(page);
    f.Left = static_cast<int16_t>(place.left());
    f.Top = static_cast<int16_t>(place.top());
    f.Width = static_cast<int16_t>(place.width());
    f.Height = static_cast<int16_t>(place.height());
    f.Length = static_cast<int16_t>(length);
    f.Name = FixedString(name, 32);
    f.Format = FixedString(format, 8);
    f.Offset = static_cast<int16_t>(offset);
    return f;
}

TestDb ContactsDb(int records) {
    TestDb db;
    DBHeader& h = db.MutableHeader();
    h.Window.Width = 7200;                   // 480 pixels at 15 twips per pixel
    h.Window.Height = 5400;                  // 360 pixels
    h.Window.BackColor = 0xF0E0D0;           // RGB 208, 224, 240
    h.Window.FieldFont.ForeColor = 0x000080; // dark red text
    h.Window.FieldFont.BackColor = 0xFFFFCC; // light cyan
    db.SetField(kNumber, FieldAt(1, {100, 40, 60, 21}, 5, "#>", 1, "Number"));
    db.SetField(kName, FieldAt(1, {100, 70, 200, 21}, 30, "<*", 6, "Name"));
    db.SetField(kCity, FieldAt(1, {100, 100, 150, 21}, 20, "^U", 36, "City"));
    db.SetField(kWeb, FieldAt(1, {100, 130, 250, 21}, 40, "W", 56, "Web"));
    db.SetField(kMail, FieldAt(1, {100, 160, 250, 21}, 40, "E", 96, "Mail"));
    db.SetField(kNotes, FieldAt(2, {100, 40, 250, 60}, 60, "", 136, "Notes"));
    db.SetField(kPhone, FieldAt(2, {100, 110, 120, 21}, 15, "N", 196, "Phone"));
    db.AddBanner("Address card", 1, 300, 40);
    DBFont& title = h.Banners[0].Font;
    title.Size = 14;
    title.Bold = 1;
    title.ForeColor = 0x0000C0; // red
    title.BackColor = 0x00FFFF; // yellow
    db.AddBanner("No.", 1, 10, 42).AddBanner("Name", 1, 10, 72).AddBanner("City", 1, 10, 102);
    db.AddBanner("Web", 1, 10, 132).AddBanner("Mail", 1, 10, 162);
    db.AddBanner("Notes", 2, 10, 42).AddBanner("Phone", 2, 10, 112);
    db.SetRecordLength(211);
    db.SetPageHeading(1, "Address").SetPageHeading(2, "More");
    for (int i = 1; i <= records; ++i)
        db.AddRecord({" " + std::to_string(i), "Person " + std::to_string(i), "Rome",
                      "example.org/" + std::to_string(i), "p" + std::to_string(i) + "@example.org",
                      "first line\r\nsecond line", "555-010" + std::to_string(i)});
    return db;
}

std::optional<ChosenFile> RecordingDialogs::ChooseFile(const FileRequest& request) {
    files.push_back(request);
    if (fileName.empty()) return std::nullopt;
    return ChosenFile{FilePath(path), FilePath(fileName)};
}

void RecordingDialogs::ShowText(frmShowText& viewer) {
    QPlainTextEdit* text = viewer.Text1();
    texts.push_back({viewer.windowTitle(), viewer.pos(), viewer.size(), text->toPlainText(),
                     text->palette().color(QPalette::Text), text->palette().color(QPalette::Base),
                     text->font()});
}

bool EditorTest::Start(const std::string& commandLine) {
    return Start(commandLine, dialogs);
}

bool EditorTest::Start(const std::string& commandLine, Dialogs& windowDialogs) {
    window = std::make_unique<frmEdit>(db, reporter, script, services, windowDialogs);
    return window->StartUp(commandLine);
}

void EditorTest::Show() {
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

std::string EditorTest::FieldText(int slot) const {
    FieldBox* box = Field(*window, slot);
    if (!box->isHidden()) return FromQString(box->toPlainText());
    return FromQString(Dummy(*window, slot)->text());
}

} // namespace tabulo::test
