#pragma once
// The one place where text crosses between the file's Windows-1252 bytes and Qt.

#include <QString>
#include <string>

namespace tabulo {

QString ToQString(const std::string& cp1252);
// A character that Windows-1252 cannot hold becomes "?".
std::string FromQString(const QString& text);

} // namespace tabulo
