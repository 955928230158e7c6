#include "help/modHelp.h"

#include "help/frmHelp.h"

#include <QCoreApplication>
#include <QFile>
#include <filesystem>

namespace tabulo::modHelp {

std::string HelpFilePath(const std::string& programDir) {
    namespace fs = std::filesystem;
    const fs::path beside = fs::path(programDir) / HelpFile;
    const fs::path installed = fs::path(programDir) / ".." / "share" / "tabulo" / HelpFile;
    std::error_code error;
    if (!fs::is_regular_file(beside, error) && fs::is_regular_file(installed, error))
        return installed.lexically_normal().string();
    return beside.string();
}

void ShowHelp(const std::string& topic, Reporter& reporter, QWidget* parent) {
    const std::string programDir =
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    frmHelp window(HelpFilePath(programDir), topic, reporter, parent);
    window.exec();
}

} // namespace tabulo::modHelp
