#pragma once
// The program's Dialogs: shows the real windows modally over a parent window.

#include "dialogs/QtReporter.h"
#include "dialogs/modDlg.h"

class QWidget;

namespace tabulo {

class QtDialogRunner : public Dialogs {
public:
    explicit QtDialogRunner(QWidget* parent = nullptr) : parent_(parent), reporter_(parent) {}
    // The window the dialogs open over; the main window once it exists.
    void SetParent(QWidget* parent) {
        parent_ = parent;
        reporter_.SetParent(parent);
    }

    std::optional<ChosenFile> ChooseFile(const FileRequest& request) override;
    std::optional<std::string> PickDate(const DateRequest& request) override;
    std::optional<std::string> Input(const InputRequest& request) override;
    void ShowText(frmShowText& viewer) override;
    std::optional<uint32_t> PickColor(uint32_t colour) override;
    std::optional<FontChoice> PickFont(const std::string& title, const FontChoice& start) override;

private:
    QWidget* parent_;
    QtReporter reporter_;
};

} // namespace tabulo
