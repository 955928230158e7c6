#include "RecordDescription.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace tabulo::cli {

namespace {

constexpr std::array<std::string_view, 16> kWords = {
    "Amber",  "Birch",   "Cedar",   "Delta",  "Ember",  "Fjord",  "Garnet", "Harbor",
    "Indigo", "Juniper", "Kestrel", "Lagoon", "Meadow", "Nectar", "Orchid", "Prairie"};

bool Has(const DBField& f, char code) {
    return f.Format.find(code) != std::string::npos;
}

std::string Formatted(const char* pattern, long a, long b, long c) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
    return buffer;
}

// Values spread over the range so that sorting and searching have work to do; a
// multiplier coprime to the ranges walks them in a scrambled order.
std::string SyntheticValue(const DBField& f, long number, int slot, int dateOrder) {
    long mixed = (number * 7919 + slot * 104729) & 0x7FFFFFFF;
    if (Has(f, '#')) return " " + std::to_string(number);
    if (Has(f, 'D')) {
        long day = 1 + mixed % 28, month = 1 + (mixed / 28) % 12, year = 1950 + (mixed / 336) % 75;
        return dateOrder == 2 ? Formatted("%02ld/%02ld/%04ld", month, day, year)
                              : Formatted("%02ld/%02ld/%04ld", day, month, year);
    }
    if (Has(f, 'T'))
        return Formatted("%02ld:%02ld:%02ld", mixed % 24, mixed % 60, (mixed / 60) % 60);
    if (Has(f, 'Y')) return mixed % 2 ? "Y" : "N";
    if (Has(f, 'E')) return "user" + std::to_string(number) + "@example.com";
    if (Has(f, 'W')) return "www.example" + std::to_string(number) + ".com";
    if (Has(f, 'N') && !Has(f, 'A')) return std::to_string(mixed % 1000000);
    std::string text = std::string(kWords[mixed % kWords.size()]) + " " + std::to_string(number);
    for (char& c : text) {
        if (Has(f, 'U') && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (Has(f, 'L') && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

} // namespace

std::string SyntheticRecord(const DBHeader& header, long number, bool deleted) {
    std::string record(header.RecordLength, ' ');
    record[0] = deleted ? '*' : ' ';
    for (int slot = 1; slot <= kMaxFields; ++slot) {
        const DBField& f = header.Fields[slot - 1];
        if (f.Page == 0) continue;
        std::string value = SyntheticValue(f, number, slot, header.DateOrder);
        record.replace(f.Offset, std::min<size_t>(value.size(), f.Length), value, 0, f.Length);
    }
    return record;
}

} // namespace tabulo::cli
