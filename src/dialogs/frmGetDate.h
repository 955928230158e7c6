#pragma once
// The date picker: one month as a grid of days at a given screen position, stepped by month
// and by year within the years 1 to 9999. The starting date is marked whenever its month is
// shown; double-clicking a day picks it, in the database's date order, and closes.

#include "dialogs/modDlg.h"

#include <QDialog>
#include <array>
#include <optional>
#include <string>

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

    int viewMonth_ = 1, viewYear_ = 1;
    int markDay_ = 1, markMonth_ = 1, markYear_ = 1;
    int dateOrder_ = 1;
    std::optional<std::string> result_;
    QLabel* lblMonth_ = nullptr;
    QLabel* lblYear_ = nullptr;
    std::array<QLabel*, kCells> lblDay_{};
};

} // namespace tabulo
