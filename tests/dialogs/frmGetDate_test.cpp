#include "DialogTest.h"
#include "ModalDriver.h"
#include "dialogs/QtDialogRunner.h"
#include "dialogs/Twips.h"
#include "dialogs/frmGetDate.h"

#include <QAccessible>
#include <QDate>
#include <QPushButton>
#include <QTest>

namespace tabulo {
namespace {

class DatePicker : public test::DialogTest {
protected:
    // Opens the picker on a starting date, as the data-entry window does.
    frmGetDate& Open(const std::string& start, int dateOrder = 1) {
        picker = std::make_unique<frmGetDate>(DateRequest{start, 0, 0, dateOrder});
        picker->show();
        return *picker;
    }
    QString Shown() const { return TextOf(*picker, "lblMonth") + " " + TextOf(*picker, "lblYear"); }
    void Press(const char* button) {
        QTest::mouseClick(Child<QPushButton>(*picker, button), Qt::LeftButton);
    }
    // The cell number (1..42) showing the day, 0 when no cell does.
    int CellOf(int day) const {
        for (int i = 1; i <= frmGetDate::kCells; ++i)
            if (picker->lblDay(i)->text() == QString::number(day)) return i;
        return 0;
    }
    int NumberedCells() const {
        int n = 0;
        for (int i = 1; i <= frmGetDate::kCells; ++i)
            n += !picker->lblDay(i)->text().isEmpty();
        return n;
    }
    bool Marked(int cell) const {
        const QLabel* label = picker->lblDay(cell);
        return label->font().bold() &&
               label->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
    }
    int MarkedCount() const {
        int n = 0;
        for (int i = 1; i <= frmGetDate::kCells; ++i)
            n += Marked(i);
        return n;
    }
    void DoubleClickCell(int cell) { QTest::mouseDClick(picker->lblDay(cell), Qt::LeftButton); }

    std::unique_ptr<frmGetDate> picker;
};

TEST_F(DatePicker, FirstDayFallsOnItsWeekdayAndMonthsHaveTheirLength) {
    struct Case {
        const char* start;
        int firstCell, days;
    };
    const Case cases[] = {
        {"10/01/2024", 1, 31}, // Monday
        {"10/09/2024", 7, 30}, // Sunday
        {"10/12/2024", 7, 31}, // Sunday, runs into the sixth row
        {"10/02/2024", 4, 29}, // leap year
        {"10/02/1900", 4, 28},
    };
    for (const Case& c : cases) {
        Open(c.start);
        EXPECT_EQ(CellOf(1), c.firstCell) << c.start;
        EXPECT_EQ(NumberedCells(), c.days) << c.start;
        EXPECT_EQ(CellOf(c.days), c.firstCell + c.days - 1) << c.start;
    }
}

// The picker opens on the starting date's month with that day marked; the buttons step by a
// month or a year within years 1 to 9999, the mark showing only on the starting date; a
// double-click picks a day in the file's date order.
TEST_F(DatePicker, ButtonsStepWithinYearsOneTo9999AndADoubleClickPicksTheDay) {
    struct Case {
        const char* start;
        int order;
        std::vector<const char*> buttons;
        const char* shown;
        int marked;         // the day marked, 0 for none
        const char* picked; // by a double-click on the 5th
    };
    const Case cases[] = {
        {"31/12/2023", 1, {}, "Dec 2023", 31, "05/12/2023"},
        {"12/31/2023", 2, {}, "Dec 2023", 31, "12/05/2023"},
        {"15/01/2024", 1, {"cmdBack"}, "Dec 2023", 0, "05/12/2023"},
        {"15/12/2023", 1, {"cmdNext"}, "Jan 2024", 0, "05/01/2024"},
        {"02/15/2024", 2, {"cmdNext"}, "Mar 2024", 0, "03/05/2024"},
        {"15/06/2023", 1, {"cmdYBack"}, "Jun 2022", 0, "05/06/2022"},
        {"15/06/2023", 1, {"cmdYNext"}, "Jun 2024", 0, "05/06/2024"},
        {"15/01/0001", 1, {"cmdBack"}, "Jan 1", 15, "05/01/0001"},
        {"15/12/9999", 1, {"cmdNext"}, "Dec 9999", 15, "05/12/9999"},
        {"15/06/0001", 1, {"cmdYBack"}, "Jun 1", 15, "05/06/0001"},
        {"15/06/9999", 1, {"cmdYNext"}, "Jun 9999", 15, "05/06/9999"},
        {"29/02/2024",
         1,
         {"cmdYNext", "cmdNext", "cmdYBack", "cmdBack"},
         "Feb 2024",
         29,
         "05/02/2024"},
    };
    for (const Case& c : cases) {
        Open(c.start, c.order);
        for (const char* button : c.buttons)
            Press(button);
        EXPECT_EQ(Shown(), c.shown) << c.start << " " << c.buttons.size();
        EXPECT_EQ(MarkedCount(), c.marked ? 1 : 0) << c.start;
        if (c.marked) {
            EXPECT_TRUE(Marked(CellOf(c.marked))) << c.start;
        }
        DoubleClickCell(CellOf(5));
        EXPECT_EQ(picker->Result(), c.picked) << c.start;
        EXPECT_EQ(picker->result(), QDialog::Accepted);
        EXPECT_FALSE(picker->isVisible());
    }
    EXPECT_EQ(picker->windowTitle(), "Date");
}

TEST_F(DatePicker, AnInvalidStartShowsTodayMarked) {
    const QDate today = QDate::currentDate();
    for (const char* start : {"", "2023-12-31", "31/02/2023"}) {
        Open(start);
        EXPECT_EQ(TextOf(*picker, "lblYear"), QString::number(today.year())) << start;
        EXPECT_TRUE(Marked(CellOf(today.day()))) << start;
    }
}

TEST_F(DatePicker, EmptyCellsAndTheCloseBoxLeaveTheDateAlone) {
    Open("10/01/2024");
    DoubleClickCell(42);
    EXPECT_TRUE(picker->isVisible());
    picker->close();
    EXPECT_FALSE(picker->Result());
}

// The calendar from the keyboard alone: the focused day starts on the starting date, moves
// with the keys across month and year ends, and Enter picks it. A screen reader hears the
// whole date of the focused day.
TEST_F(DatePicker, ArrowKeysMoveTheFocusedDayAndEnterPicksIt) {
    struct Case {
        const char* start;
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
        const char* focused; // accessible name of the focused day
        const char* shown;
    };
    const auto Key = [](Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        return std::pair{key, mods};
    };
    const Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
    const Case cases[] = {
        {"31/12/2023", {}, "31 December 2023", "Dec 2023"},
        {"31/12/2023", {Key(Qt::Key_Right)}, "1 January 2024", "Jan 2024"},
        {"31/12/2023", {Key(Qt::Key_Left)}, "30 December 2023", "Dec 2023"},
        {"31/12/2023", {Key(Qt::Key_Up)}, "24 December 2023", "Dec 2023"},
        {"31/12/2023", {Key(Qt::Key_Down)}, "7 January 2024", "Jan 2024"},
        {"31/12/2023", {Key(Qt::Key_PageUp)}, "30 November 2023", "Nov 2023"},
        {"29/02/2024", {Key(Qt::Key_PageDown, kCtrl)}, "28 February 2025", "Feb 2025"},
        {"15/06/2023", {Key(Qt::Key_Home)}, "1 June 2023", "Jun 2023"},
        {"15/06/2023", {Key(Qt::Key_End)}, "30 June 2023", "Jun 2023"},
        {"01/01/0001", {Key(Qt::Key_Left), Key(Qt::Key_Up)}, "1 January 0001", "Jan 1"},
        {"31/12/9999", {Key(Qt::Key_Right)}, "31 December 9999", "Dec 9999"},
    };
    for (const Case& c : cases) {
        Open(c.start);
        for (auto [key, mods] : c.keys)
            QTest::keyClick(picker->focusWidget(), key, mods);
        QAccessibleInterface* day = QAccessible::queryAccessibleInterface(picker->focusWidget());
        ASSERT_NE(day, nullptr) << c.start;
        EXPECT_EQ(day->text(QAccessible::Name), c.focused) << c.start;
        EXPECT_EQ(Shown(), c.shown) << c.start;
    }
    Open("31/12/2023");
    QTest::keyClick(picker->focusWidget(), Qt::Key_Down);
    QTest::keyClick(picker->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(picker->Result(), "07/01/2024");
    EXPECT_EQ(picker->result(), QDialog::Accepted);
}

TEST_F(DatePicker, TabReachesTheButtonsAndOneDayWhichNamesTheStartingDate) {
    Open("10/01/2024");
    int focusable = 0;
    for (int i = 1; i <= frmGetDate::kCells; ++i)
        focusable += picker->lblDay(i)->focusPolicy() == Qt::StrongFocus;
    EXPECT_EQ(focusable, 1);
    QAccessibleInterface* start = QAccessible::queryAccessibleInterface(picker->focusWidget());
    EXPECT_EQ(start->text(QAccessible::Description), "starting date");
    const struct {
        const char* button;
        const char* name;
    } buttons[] = {{"cmdBack", "Previous month"},
                   {"cmdNext", "Next month"},
                   {"cmdYBack", "Previous year"},
                   {"cmdYNext", "Next year"}};
    for (const auto& b : buttons) {
        QWidget* button = Child<QPushButton>(*picker, b.button);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), b.name);
        EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus) << b.button;
    }
}

TEST_F(DatePicker, PickDateOpensTheWindowAtTheGivenPlaceAndWaits) {
    QPoint shownAt;
    test::WhenModalOpens([&](QWidget* modal) {
        auto* window = static_cast<frmGetDate*>(modal);
        shownAt = window->pos();
        QTest::mouseDClick(window->lblDay(7), Qt::LeftButton); // 3 December 2023
    });
    EXPECT_EQ(QtDialogRunner().PickDate({"31/12/2023", 1500, 3000, 1}), "03/12/2023");
    const Twips twips = Twips::FromScreen();
    EXPECT_EQ(shownAt, QPoint(twips.TwipsToPixelsX(1500), twips.TwipsToPixelsY(3000)));
}

} // namespace
} // namespace tabulo
