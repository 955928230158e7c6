#include "help/modHelp.h"

#include "dialogs/QtText.h"
#include "help/frmHelp.h"

#include <QCoreApplication>
#include <filesystem>

namespace tabulo::modHelp {

FilePath HelpFilePath(const FilePath& programDir) {
    namespace fs = std::filesystem;
    const fs::path beside = fs::path(programDir.Native()) / HelpFile;
    const fs::path installed = fs::path(programDir.Native()) / ".." / "share" / "tabulo" / HelpFile;
    std::error_code error;
    if (!fs::is_regular_file(beside, error) && fs::is_regular_file(installed, error))
        return FilePath(installed.lexically_normal().string());
    return FilePath(beside.string());
}

void ShowHelp(const std::string& topic, Reporter& reporter, QWidget* parent) {
    frmHelp window(HelpFilePath(ToFilePath(QCoreApplication::applicationDirPath())), topic,
                   reporter, parent);
    window.exec();
}

} // namespace tabulo::modHelp
