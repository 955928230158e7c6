#pragma once
// Set-up of the record-command and field-input tests: an order form of two pages whose
// fields carry the codes the input rules and the update checks act on, a date picker that
// answers at once, and a fixed clock.

#include "EditorFixture.h"
#include "dialogs/QtText.h"
#include "editor/FieldInput.h"

#include <QApplication>
#include <QTest>

namespace tabulo::test {

// Field slots of OrdersDb, laid out one after another from character 1 (record length 53).
enum OrdersField { kNo = 1, kCustomer, kCode, kTown, kBorn, kTime, kQty };
inline constexpr int kOrdersRecordLength = 53;

// Page 1: No "#>" (5), Customer "AS!" (12), Code "=" (3), Town "AU" (8).
// Page 2: Born "D" (10), Time "T" (8), Qty "N." (6).
inline TestDb OrdersDb(int records = 2) {
    TestDb db;
    db.AddField("No", 5, "#>").AddField("Customer", 12, "AS!").AddField("Code", 3, "=");
    db.AddField("Town", 8, "AU").AddField("Born", 10, "D", 2).AddField("Time", 8, "T", 2);
    db.AddField("Qty", 6, "N.", 2);
    for (int i = 1; i <= records; ++i)
        db.AddRecord({" " + std::to_string(i), "Client " + std::to_string(i),
                      "C" + std::to_string(i), "ROME", "01/01/2000", "08:30:00",
                      std::to_string(i)});
    return db;
}

// The date picker: remembers where and on what it opened, and picks a prepared date.
class PickingDialogs : public RecordingDialogs {
public:
    std::string pick; // empty: closed without a pick
    std::vector<DateRequest> opened;
    bool boxEnabledWhileOpen = true;
    FieldBox* box = nullptr;

    std::optional<std::string> PickDate(const DateRequest& request) override {
        opened.push_back(request);
        if (box) boxEnabledWhileOpen = box->isEnabled();
        if (pick.empty()) return std::nullopt;
        return pick;
    }
};

// 5 March 2024, 09:07:05.
inline LocalTime FixedNow() {
    return {2024, 3, 5, 9, 7, 5};
}

class RecordsTest : public EditorTest {
protected:
    // Opens the database, shows the window and fixes the clock.
    void OpenShown(const TestDb& form, const std::string& base = "Orders") {
        path = Create(form, base);
        ASSERT_TRUE(Start(path, picker));
        Show();
        Input(*window)->SetClock(FixedNow);
        reporter.Clear();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(),
                        key, modifiers);
    }
    // Types into a box of the page shown, after what it holds or in place of it.
    void Type(int slot, const QString& text, bool replace = false) {
        FieldBox* box = Field(*window, slot);
        ASSERT_FALSE(box->isHidden()) << "field " << slot;
        box->setFocus();
        replace ? box->selectAll() : box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, text);
    }
    std::string Box(int slot) const { return FromQString(Field(*window, slot)->Text()); }
    std::string FileBytes() const { return ReadFileBytes(path + ".Tbd"); }
    // Record k as stored in the file.
    std::string StoredRecord(long k) const {
        return FileBytes().substr(kHeaderSize + static_cast<size_t>(k - 1) * kOrdersRecordLength,
                                  kOrdersRecordLength);
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }

    PickingDialogs picker;
    std::string path;
};

} // namespace tabulo::test
