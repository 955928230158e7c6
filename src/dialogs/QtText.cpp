#include "dialogs/QtText.h"

#include "base/CodePage.h"

#include <QFile>
#include <QList>

namespace tabulo {

QString ToQString(const std::string& cp1252) {
    QString out;
    out.reserve(static_cast<qsizetype>(cp1252.size()));
    // Every Windows-1252 character lies in the Basic Multilingual Plane: one QChar each.
    for (char ch : cp1252)
        out += QChar(static_cast<char16_t>(Cp1252ToCodePoint(static_cast<unsigned char>(ch))));
    return out;
}

std::string FromQString(const QString& text) {
    // toUcs4 joins surrogate pairs, so a character outside the plane gives a single "?".
    const QList<uint> codePoints = text.toUcs4();
    std::string out;
    out.reserve(static_cast<size_t>(codePoints.size()));
    for (uint cp : codePoints)
        out += CodePointToCp1252(static_cast<char32_t>(cp));
    return out;
}

QString ToQString(const FilePath& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.Native()));
}

FilePath ToFilePath(const QString& path) {
    return FilePath(QFile::encodeName(path).toStdString());
}

} // namespace tabulo
