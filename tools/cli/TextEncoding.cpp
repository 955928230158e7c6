#include "TextEncoding.h"

#include "base/CodePage.h"

#include <algorithm>

namespace tabulo::cli {

void AppendText(std::string& out, std::string_view cp1252, Encoding encoding) {
    if (encoding == Encoding::Cp1252) {
        out += cp1252;
        return;
    }
    for (size_t i = 0; i < cp1252.size();) {
        size_t plain = i; // ASCII is the same in both; copy runs of it at once
        while (plain < cp1252.size() && static_cast<unsigned char>(cp1252[plain]) < 0x80)
            ++plain;
        out.append(cp1252.substr(i, plain - i));
        if (plain < cp1252.size()) out += Cp1252ToUtf8(cp1252.substr(plain, 1));
        i = plain + 1;
    }
}

bool DecodeText(std::string_view text, Encoding encoding, std::string& cp1252,
                std::string& problem) {
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (encoding == Encoding::Cp1252 || ascii) { // ASCII reads the same in both
        cp1252.assign(text);
        return true;
    }
    if (!IsValidUtf8(text)) {
        problem = "not valid UTF-8";
        return false;
    }
    cp1252 = Utf8ToCp1252(text);
    // Every character that Windows-1252 holds comes back the same; any other became "?".
    if (Cp1252ToUtf8(cp1252) != text) {
        problem = "a character that Windows-1252 cannot hold";
        return false;
    }
    return true;
}

} // namespace tabulo::cli
