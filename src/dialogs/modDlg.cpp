#include "dialogs/modDlg.h"

#include "base/modLIB.h"

namespace tabulo {

std::optional<uint32_t> Dialogs::PickColor(uint32_t) {
    return std::nullopt;
}

std::optional<FontChoice> Dialogs::PickFont(const std::string&, const FontChoice&) {
    return std::nullopt;
}

std::optional<ChosenFile> Dialogs::DlgLoad(const std::string& pattern) {
    return ChooseFrom({"Load", pattern, {}, {}, false});
}

std::optional<ChosenFile> Dialogs::DlgSaveAs(const std::string& pattern, const FilePath& fileName) {
    return ChooseFrom({"Save As", pattern, {}, fileName, true});
}

// "Ok" moves the starting directory of the next file dialog, even without a name.
std::optional<ChosenFile> Dialogs::ChooseFrom(FileRequest request) {
    request.Path = lastPath_;
    std::optional<ChosenFile> chosen = ChooseFile(request);
    if (!chosen) return std::nullopt;
    lastPath_ = chosen->Path;
    if (chosen->FileName.Empty()) return std::nullopt;
    return chosen;
}

std::string Dialogs::ShowInput(InputRequest request) {
    request.Mask = TrimBlanks(request.Mask);
    for (char& ch : request.Mask)
        ch = static_cast<char>(modLIB::ToUpper(static_cast<unsigned char>(ch)));
    return Input(request).value_or(request.Value);
}

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace tabulo
