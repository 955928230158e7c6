#pragma once
// cTBar: the toolbar strip at the top of the client area, 25 pixels high, with the 16
// picture buttons cTBarBtn(0..15) and the record caption lblRecNo at its right.

#include <QLabel>
#include <QToolButton>
#include <QWidget>
#include <array>

namespace tabulo {

inline constexpr int kToolbarHeight = 25;

class ToolbarStrip : public QWidget {
    Q_OBJECT
public:
    explicit ToolbarStrip(QWidget* parent);

    QToolButton* Button(int i) const { return buttons_.at(i); }
    QLabel* RecordCaption() const { return lblRecNo_; }
    void SetRecordCaption(const QString& caption);

signals:
    void ButtonClicked(int i);

private:
    std::array<QToolButton*, 16> buttons_{};
    QLabel* lblRecNo_;
};

} // namespace tabulo
