#pragma once
// The text viewer: a multi-line text box that always fills the window. The caller sets the
// caption, place, size, and Text1's text, colours and font before showing it.

#include <QDialog>

class QPlainTextEdit;

namespace tabulo {

class frmShowText : public QDialog {
    Q_OBJECT
public:
    explicit frmShowText(QWidget* parent = nullptr);

    QPlainTextEdit* Text1() const { return text1_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPlainTextEdit* text1_;
};

} // namespace tabulo
