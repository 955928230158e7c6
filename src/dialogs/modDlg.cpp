#include "dialogs/modDlg.h"

#include "dialogs/QtDialogRunner.h"
#include "base/modLIB.h"

#include <QDir>

namespace tabulo::modDlg {
namespace {

DialogRunner* installedRunner = nullptr;
std::function<int()> dateOrderSource;

std::string TrimmedCapitals(const std::string& text) {
    std::string out = TrimBlanks(text);
    for (char& ch : out)
        ch = static_cast<char>(modLIB::ToUpper(static_cast<unsigned char>(ch)));
    return out;
}

} // namespace

DialogRunner& Runner() {
    static QtDialogRunner gui;
    return installedRunner ? *installedRunner : gui;
}

void SetRunner(DialogRunner* runner) {
    installedRunner = runner;
}

void SetDateOrderSource(std::function<int()> source) {
    dateOrderSource = std::move(source);
}

int DateOrder() {
    return dateOrderSource ? dateOrderSource() : 1;
}

void DlgLoad() {
    DlgTitle = "Load";
    DlgFileName.clear();
    DlgSaveMode = false;
    Runner().RunFileDialog();
}

void DlgSaveAs() {
    DlgTitle = "Save As";
    DlgSaveMode = true;
    Runner().RunFileDialog();
}

void PickDate(long x, long y) {
    DlgPickX = x;
    DlgPickY = y;
    Runner().RunDatePicker();
}

void ShowInput(const std::string& codes) {
    DlgMask = TrimmedCapitals(codes);
    Runner().RunInputBox();
}

void ShowColorPicker() {
    Runner().RunColorPicker();
}

void ShowFontPicker() {
    Runner().RunFontPicker();
}

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string DlgChosenFile() {
    const char separator = QDir::separator().toLatin1();
    if (DlgPath.empty()) return DlgFileName;
    if (DlgPath.back() == separator) return DlgPath + DlgFileName;
    return DlgPath + separator + DlgFileName;
}

} // namespace tabulo::modDlg
