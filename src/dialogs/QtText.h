#pragma once
// The one place where text crosses between the file's Windows-1252 bytes and Qt, and where
// file names cross between the file system's bytes and Qt.

#include "base/FilePath.h"

#include <QString>
#include <string>

namespace tabulo {

QString ToQString(const std::string& cp1252);
// A character that Windows-1252 cannot hold becomes "?".
std::string FromQString(const QString& text);

// By QFile::decodeName and encodeName, so that any existing file can be named.
QString ToQString(const FilePath& path);
FilePath ToFilePath(const QString& path);

} // namespace tabulo
