#pragma once
// Dummy(i): a field shown read-only, as a label of fixed size that clips its text. It
// reports left clicks; the window decides what a click means (links, text viewer). A label
// that does something on a click also takes the Tab focus, where Enter or Space clicks it,
// so that links and long texts can be opened from the keyboard.

#include <QLabel>

namespace tabulo {

class DummyLabel : public QLabel {
    Q_OBJECT
public:
    DummyLabel(int slot, QWidget* parent);
    int Tag() const { return slot_; }

    // Set when the page is laid out: the field is a web or mail link.
    void SetLink(bool link);
    bool IsLink() const { return link_; }
    // A link with an address, or a text of several lines, which opens in the viewer.
    bool ActsOnClick() const;
    // Called after the text changed: only labels that act on a click take the focus.
    void UpdateFocusPolicy();
    // What a click does, for the keyboard and for screen readers.
    void Activate() { emit Clicked(slot_); }

signals:
    void Clicked(int slot);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int slot_;
    bool link_ = false;
    bool tabbedTo_ = false;
};

} // namespace tabulo
