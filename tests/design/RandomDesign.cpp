#include "RandomDesign.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace tabulo::test {

namespace {

using design::Banner;
using design::Design;
using design::Field;
using design::Font;

constexpr std::string_view kCodes = "*ANS.-ULFMEWYDT!#=H<>^X";

class Maker {
public:
    explicit Maker(unsigned seed) : rng_(seed) {}

    Design Make() {
        Design d;
        d.window = {Int(1, 32767), Int(1, 32767), Colour(), MakeFont(), MakeFont()};
        MakeFields(d);
        for (int slot : Slots(Int(0, 3) == 0 ? 0 : Int(1, 40))) {
            const int left = Int(0, 32767), top = Int(0, 32767);
            d.banners.push_back({slot, Int(1, kMaxPages), left, top, Text(0, 64), MakeFont()});
        }
        for (std::string& heading : d.pageHeadings)
            heading = Int(0, 2) == 0 ? std::string() : Text(0, 32);
        d.script = Script();
        d.dateOrder = Int(0, 3) == 0 ? Int(0, 255) : Int(1, 2);
        d.printOrientation = Int(0, 3) == 0 ? Int(0, 255) : Int(1, 2);
        if (Int(0, 4) == 0) d.fieldCount = Int(kMaxFields + 1, 32767); // never the highest slot
        return d;
    }

private:
    int Int(int min, int max) { return std::uniform_int_distribution<int>(min, max)(rng_); }

    int32_t Colour() {
        return Int(0, 5) == 0 ? std::uniform_int_distribution<int32_t>()(rng_) : Int(0, 0xFFFFFF);
    }
    int Flag() { return std::array{0, 1, 255}[Int(0, 2)]; }

    // Printable Windows-1252 text without trailing spaces (the stored padding).
    std::string Text(int minLength, int maxLength) {
        std::string text(static_cast<size_t>(Int(minLength, maxLength)), ' ');
        for (char& c : text)
            c = static_cast<char>(Int(0x20, 0xFF));
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        return text;
    }

    std::string Name() {
        std::string name(1, static_cast<char>(Int(0, 1) ? Int('A', 'Z') : Int('a', 'z')));
        const std::string_view tail = "ABCXYZabcxyz0189_";
        for (int n = Int(0, 28); n > 0; --n)
            name += tail[static_cast<size_t>(Int(0, static_cast<int>(tail.size()) - 1))];
        if (name.back() == '_') name.back() = 'Q';
        return name;
    }

    Font MakeFont() { return {Text(0, 16), Int(0, 255), Flag(), Flag(), Colour(), Colour()}; }

    // `count` distinct slots out of 1 to 128, in a random order half of the time.
    std::vector<int> Slots(int count) {
        std::vector<int> all(kMaxFields);
        std::iota(all.begin(), all.end(), 1);
        std::shuffle(all.begin(), all.end(), rng_);
        all.resize(static_cast<size_t>(count));
        if (Int(0, 1)) std::sort(all.begin(), all.end());
        return all;
    }

    void MakeFields(Design& d) {
        const std::vector<int> slots = Slots(Int(0, 5) == 0 ? 0 : Int(1, 60));
        // Places in the record in order, with gaps; handed to the fields in any order.
        std::vector<std::pair<int, int>> spans;
        int next = 1;
        for (size_t i = 0; i < slots.size(); ++i) {
            next += Int(0, 3) == 0 ? Int(1, 20) : 0;
            const int length = Int(1, 80);
            spans.push_back({next, length});
            next += length;
        }
        if (Int(0, 1)) std::shuffle(spans.begin(), spans.end(), rng_);
        for (size_t i = 0; i < slots.size(); ++i) {
            Field f;
            f.id = slots[i];
            f.slot = slots[i];
            f.name = Name() + std::to_string(i);
            f.page = Int(1, kMaxPages);
            f.left = Int(0, 32767);
            f.top = Int(0, 32767);
            f.width = Int(1, 32767);
            f.height = Int(1, 32767);
            f.offset = spans[i].first;
            f.length = spans[i].second;
            for (int n = Int(0, 8); n > 0; --n)
                f.format +=
                    kCodes[static_cast<size_t>(Int(0, static_cast<int>(kCodes.size()) - 1))];
            d.fields.push_back(f);
        }
        if (Int(0, 3) == 0) d.recordLength = next + Int(1, 100); // longer than the fields need
    }

    // Lines of printable text joined by CR LF, at most the 4,000 characters a header holds.
    std::string Script() {
        std::string script;
        for (int lines = Int(0, 60); lines > 0; --lines) {
            std::string line = Text(0, 70);
            if (script.size() + line.size() + 2 > size_t(kScriptSize)) break;
            script += (script.empty() ? "" : "\r\n") + line;
        }
        return script;
    }

    std::mt19937 rng_;
};

} // namespace

design::Design RandomDesign(unsigned seed) {
    return Maker(seed).Make();
}

} // namespace tabulo::test
