#include "Description.h"

#include "CliFiles.h"
#include "RecordDescription.h"
#include "design/DesignJson.h"

#include <fstream>

namespace tabulo::cli {

BuildResult BuildDatabase(std::string_view json, const std::filesystem::path& baseDir) {
    BuildResult result;
    design::ParsedDesign parsed = design::ParseDesign(json, baseDir);
    if (!parsed.ok) {
        result.error = parsed.error;
        return result;
    }
    try {
        const design::ObjectReader description(parsed.document, "");
        DBHeader header = design::HeaderFromDesign(parsed.design);
        result.image.records = ReadRecords(description, header);
        header.RecordCount = static_cast<int32_t>(description.Integer(
            "recordCount", 0, INT32_MAX, static_cast<long long>(result.image.records.size())));
        result.image.header = std::move(header);
        result.ok = true;
    } catch (const design::DescriptionError& e) {
        result.error = e.what();
    }
    return result;
}

bool WriteDatabase(const DatabaseImage& image, const FilePath& path, std::string& error) {
    const std::string& target = path.Native();
    const std::string temporary = target + ".part";
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
    std::filesystem::rename(temporary, target, renameError);
    if (renameError) {
        error =
            "cannot rename \"" + temporary + "\" to \"" + target + "\": " + renameError.message();
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

std::string MakeDatabase(const FilePath& descriptionPath, const FilePath& outputPath) {
    const std::string& description = descriptionPath.Native();
    std::string json;
    if (!ReadWholeFile(description, json)) return description + ": cannot read the file";
    const FilePath baseDir = descriptionPath.Folder();
    BuildResult built = BuildDatabase(json, baseDir.Empty() ? "." : baseDir.Native());
    if (!built.ok) return description + ": " + built.error;
    std::string error;
    return WriteDatabase(built.image, outputPath, error) ? std::string() : error;
}

} // namespace tabulo::cli
