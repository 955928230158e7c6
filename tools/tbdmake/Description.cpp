#include "Description.h"

#include "FormDescription.h"
#include "RecordDescription.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <filesystem>
#include <fstream>

namespace tabulo::tools {

namespace {

// "line L, column C" of a byte offset, for JSON syntax errors.
std::string LineAndColumn(const QByteArray& json, int offset) {
    int line = 1, column = 1;
    for (int i = 0; i < offset && i < json.size(); ++i) {
        column = json[i] == '\n' ? 1 : column + 1;
        line += json[i] == '\n' ? 1 : 0;
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

} // namespace

BuildResult BuildDatabase(const QByteArray& json, const QString& baseDir) {
    BuildResult result;
    QJsonParseError parseError;
    QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        result.error = LineAndColumn(json, parseError.offset) +
                       ": not valid JSON: " + parseError.errorString().toStdString();
        return result;
    }
    if (!document.isObject()) {
        result.error = "the description must be a JSON object";
        return result;
    }
    try {
        ObjectReader description(document.object(), "");
        description.AllowOnly({"window", "fields", "banners", "pageHeadings", "script",
                               "scriptFile", "dateOrder", "printOrientation", "recordLength",
                               "fieldCount", "recordCount", "records", "generate"});
        DBHeader header = DefaultHeader();
        ReadForm(description, baseDir, header);
        result.image.records = ReadRecords(description, header);
        header.RecordCount = static_cast<int32_t>(description.Integer(
            "recordCount", 0, INT32_MAX, static_cast<long long>(result.image.records.size())));
        result.image.header = std::move(header);
        result.ok = true;
    } catch (const DescriptionError& e) {
        result.error = e.what();
    }
    return result;
}

bool WriteDatabase(const DatabaseImage& image, const std::string& path, std::string& error) {
    std::string temporary = path + ".part";
    std::error_code ignored;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << EncodeHeader(image.header);
        for (const std::string& record : image.records)
            out << record;
        out.close();
        if (!out) {
            error = "cannot write \"" + temporary + "\"";
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code renameError;
    std::filesystem::rename(temporary, path, renameError);
    if (renameError) {
        error = "cannot rename \"" + temporary + "\" to \"" + path + "\": " + renameError.message();
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

std::string MakeDatabase(const std::string& descriptionPath, const std::string& outputPath) {
    QFile file(QString::fromStdString(descriptionPath));
    if (!file.open(QIODevice::ReadOnly)) return descriptionPath + ": cannot read the description";
    BuildResult built = BuildDatabase(file.readAll(), QFileInfo(file).absolutePath());
    if (!built.ok) return descriptionPath + ": " + built.error;
    std::string error;
    return WriteDatabase(built.image, outputPath, error) ? std::string() : error;
}

} // namespace tabulo::tools
