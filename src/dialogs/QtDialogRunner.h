#pragma once
// The runner that shows the real dialog windows modally over a parent window.

#include "dialogs/QtReporter.h"
#include "dialogs/modDlg.h"

class QWidget;

namespace tabulo {

class QtDialogRunner : public modDlg::DialogRunner {
public:
    explicit QtDialogRunner(QWidget* parent = nullptr) : parent_(parent), reporter_(parent) {}

    void RunFileDialog() override;
    void RunDatePicker() override;
    void RunInputBox() override;
    void RunTextViewer(frmShowText& viewer) override;
    void RunColorPicker() override;
    void RunFontPicker() override;

private:
    QWidget* parent_;
    QtReporter reporter_;
};

} // namespace tabulo
