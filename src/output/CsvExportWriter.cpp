#include "output/CsvExportWriter.h"

#include "base/modLIB.h"

namespace tabulo {

std::string CsvFileName(const std::string& name) {
    std::string last = name.size() >= 4 ? name.substr(name.size() - 4) : "";
    for (char& c : last)
        c = static_cast<char>(modLIB::ToUpper(static_cast<unsigned char>(c)));
    return last == ".CSV" ? name : name + ".csv";
}

} // namespace tabulo
