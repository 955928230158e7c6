#pragma once
// The date picker: one month as a grid of days at a given screen position, stepped by month
// and by year within the years 1 to 9999. The starting date is marked whenever its month is
// shown; double-clicking a day picks it, in the database's date order, and closes.
// From the keyboard, the arrows move a focused day and Enter picks it.

#include "dialogs/modDlg.h"

#include <QDialog>
#include <array>
#include <optional>
#include <string>

class QKeyEvent;
class QLabel;
class QPushButton;

namespace tabulo {

class frmGetDate : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCells = 42;

    explicit frmGetDate(const DateRequest& request, QWidget* parent = nullptr);

    // The day picked; nullopt until then.
    const std::optional<std::string>& Result() const { return result_; }

    QLabel* lblDay(int i) const { return lblDay_[i - 1]; } // 1..42

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ShowMonth();
    void PickDay(const QLabel* cell);
    void StepMonth(int delta);
    void StepYear(int delta);
    void DescribeDay(QLabel* cell, int day, bool marked) const;
    QLabel* DayCellOf(int day) const;
    void MoveFocusDays(int days);
    bool DayKey(const QKeyEvent& key);

    int viewMonth_ = 1, viewYear_ = 1;
    int markDay_ = 1, markMonth_ = 1, markYear_ = 1;
    int focusDay_ = 1; // of the month shown
    int dateOrder_ = 1;
    std::optional<std::string> result_;
    QLabel* lblMonth_ = nullptr;
    QLabel* lblYear_ = nullptr;
    std::array<QLabel*, kCells> lblDay_{};
};

} // namespace tabulo
