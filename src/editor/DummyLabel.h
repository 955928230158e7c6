#pragma once
// Dummy(i): a field shown read-only, as a label of fixed size that clips its text. It
// reports left clicks; the window decides what a click means (links, text viewer).

#include <QLabel>

namespace tabulo {

class DummyLabel : public QLabel {
    Q_OBJECT
public:
    DummyLabel(int slot, QWidget* parent);
    int Tag() const { return slot_; }

signals:
    void Clicked(int slot);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int slot_;
};

} // namespace tabulo
