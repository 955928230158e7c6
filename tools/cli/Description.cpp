#include "Description.h"

#include "CliFiles.h"
#include "FormDescription.h"
#include "RecordDescription.h"

#include <fstream>

namespace tabulo::cli {

namespace {

// "line L, column C" of a byte offset, for JSON syntax errors.
std::string LineAndColumn(std::string_view json, size_t offset) {
    int line = 1, column = 1;
    for (size_t i = 0; i < offset && i < json.size(); ++i) {
        column = json[i] == '\n' ? 1 : column + 1;
        line += json[i] == '\n' ? 1 : 0;
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

} // namespace

BuildResult BuildDatabase(std::string_view json, const std::filesystem::path& baseDir) {
    BuildResult result;
    Json document;
    try {
        document = Json::parse(json);
    } catch (const Json::parse_error& e) {
        // e.byte counts from 1 and names the character where the parser stopped.
        result.error = LineAndColumn(json, e.byte > 0 ? e.byte - 1 : 0) + ": not valid JSON";
        return result;
    }
    if (!document.is_object()) {
        result.error = "the description must be a JSON object";
        return result;
    }
    try {
        const ObjectReader description(document, "");
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
    const std::string temporary = path + ".part";
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
    std::string json;
    if (!ReadWholeFile(descriptionPath, json)) return descriptionPath + ": cannot read the file";
    const std::filesystem::path baseDir = std::filesystem::path(descriptionPath).parent_path();
    BuildResult built = BuildDatabase(json, baseDir.empty() ? "." : baseDir);
    if (!built.ok) return descriptionPath + ": " + built.error;
    std::string error;
    return WriteDatabase(built.image, outputPath, error) ? std::string() : error;
}

} // namespace tabulo::cli
