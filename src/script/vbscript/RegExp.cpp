// The RegExp object on PCRE2 (8-bit, no UTF: the text is Windows-1252 bytes). Patterns are
// rewritten to the language's meaning first (RegExpPattern) and compiled when first used
// after a change. Matching runs under match, depth and heap limits, so that a pattern
// that backtracks without end stops with "Out of stack space" instead of running away.

#define PCRE2_CODE_UNIT_WIDTH 8

#include "base/TextCase.h"
#include "script/vbscript/BuiltinClasses.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/Limits.h"
#include "script/vbscript/RegExpMatches.h"
#include "script/vbscript/RegExpPattern.h"
#include "vbscript/ScriptError.h"

#include <new>
#include <pcre2.h>

namespace tabulo::vbs {

namespace {

constexpr uint32_t kMatchLimit = 5'000'000;
constexpr uint32_t kDepthLimit = 100'000;
constexpr uint32_t kHeapLimitKiB = 64 * 1024;

// PCRE2's character tables with the case pairs of Windows-1252 (é and É, š and Š ...),
// so that IgnoreCase folds letters as UCase and LCase do. The first 256 bytes map each
// byte to lower case, the next 256 flip its case.
const uint8_t* caseTables() {
    static const uint8_t* tables = [] {
        auto* t = const_cast<uint8_t*>(pcre2_maketables(nullptr));
        if (!t) throw std::bad_alloc();
        for (unsigned c = 0; c < 256; ++c) {
            const auto b = static_cast<char>(c);
            const char lower = Cp1252Lower(b), upper = Cp1252Upper(b);
            t[c] = static_cast<uint8_t>(lower);
            t[256 + c] = static_cast<uint8_t>(upper != b ? upper : lower);
        }
        return t;
    }();
    return tables;
}

pcre2_match_context* matchLimits() {
    static pcre2_match_context* context = [] {
        pcre2_match_context* m = pcre2_match_context_create(nullptr);
        if (!m) throw std::bad_alloc();
        pcre2_set_match_limit(m, kMatchLimit);
        pcre2_set_depth_limit(m, kDepthLimit);
        pcre2_set_heap_limit(m, kHeapLimitKiB);
        return m;
    }();
    return context;
}

int32_t compileErrorNumber(int code) {
    switch (code) {
    case PCRE2_ERROR_MISSING_SQUARE_BRACKET:
        return err::RegExpBracket;
    case PCRE2_ERROR_MISSING_CLOSING_PARENTHESIS:
        return err::RegExpParen;
    case PCRE2_ERROR_QUANTIFIER_INVALID:
        return err::RegExpQuantifier;
    case PCRE2_ERROR_CLASS_RANGE_ORDER:
    case PCRE2_ERROR_CLASS_INVALID_RANGE:
        return err::RegExpRange;
    default:
        return err::RegExpSyntax;
    }
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct CodeFree {
    void operator()(pcre2_code* c) const { pcre2_code_free(c); }
};
struct MatchDataFree {
    void operator()(pcre2_match_data* d) const { pcre2_match_data_free(d); }
};

// One match while the search runs: the text and the offsets of the match and its groups.
struct Hit {
    const std::string& text;
    const PCRE2_SIZE* offsets;
    int groups;

    size_t start() const { return offsets[0]; }
    size_t end() const { return offsets[1]; }
    bool took(int group) const { return offsets[2 * group] != PCRE2_UNSET; }
    std::string_view group(int n) const {
        if (!took(n)) return {};
        return std::string_view(text).substr(offsets[2 * n], offsets[2 * n + 1] - offsets[2 * n]);
    }
};

// $n or $nn in Replace's template: the longest number that names a group. The digits it
// took, 0 when none names a group.
size_t appendGroup(std::string& out, const std::string& with, size_t at, const Hit& hit) {
    if (at >= with.size() || !isDigit(with[at])) return 0;
    const int one = with[at] - '0';
    if (at + 1 < with.size() && isDigit(with[at + 1])) {
        const int two = one * 10 + (with[at + 1] - '0');
        if (two >= 1 && two <= hit.groups) {
            out += hit.group(two);
            return 2;
        }
    }
    if (one < 1 || one > hit.groups) return 0;
    out += hit.group(one);
    return 1;
}

// Replace's template: $$ a dollar, $& the match, $` and $' the text before and after it,
// $n and $nn a group; anything else as written.
void appendReplacement(std::string& out, const std::string& with, const Hit& hit) {
    for (size_t i = 0; i < with.size(); ++i) {
        if (with[i] != '$') {
            out += with[i];
            continue;
        }
        const char next = i + 1 < with.size() ? with[i + 1] : '\0';
        size_t used = 1; // characters after the dollar that the form takes
        if (next == '$')
            out += '$';
        else if (next == '&')
            out += hit.group(0);
        else if (next == '`')
            out.append(hit.text, 0, hit.start());
        else if (next == '\'')
            out.append(hit.text, hit.end());
        else if ((used = appendGroup(out, with, i + 1, hit)) == 0)
            out += '$';
        i += used;
    }
    checkStringLength(out.size());
}

// Replace takes its template as text; a Boolean counts as its number (-1 or 0).
std::string replacementText(const Variant& v) {
    if (v.type() == VarType::Boolean) return v.boolValue() ? "-1" : "0";
    return toString(v);
}

class RegExp : public ScriptObject {
public:
    std::string typeName() const override { return "IRegExp2"; }

    Variant call(std::string_view name, ArgRefs args) override {
        if (sameName(name, "test"))
            return Variant::boolean(search(text(args, 1), false, [](const Hit&) {}));
        if (sameName(name, "execute")) return execute(text(args, 1));
        if (sameName(name, "replace")) {
            if (args.size() != 2) raiseError(err::WrongArgCount);
            return replace(toString(args[0]->deref()), replacementText(args[1]->deref()));
        }
        if (!args.empty()) raiseError(err::WrongArgCount);
        if (sameName(name, "pattern")) return Variant(pattern_);
        if (sameName(name, "ignorecase")) return Variant::boolean(ignoreCase_);
        if (sameName(name, "global")) return Variant::boolean(global_);
        if (sameName(name, "multiline")) return Variant::boolean(multiline_);
        raiseError(err::NoSuchMember);
    }

    void assign(std::string_view name, ArgRefs args, const Variant& value, bool isSet) override {
        if (isSet) raiseError(err::NoSuchMember);
        if (!args.empty()) raiseError(err::WrongArgCount);
        if (sameName(name, "pattern"))
            pattern_ = toString(value);
        else if (sameName(name, "ignorecase"))
            ignoreCase_ = toBool(value);
        else if (sameName(name, "global"))
            global_ = toBool(value);
        else if (sameName(name, "multiline"))
            multiline_ = toBool(value);
        else
            raiseError(err::NoSuchMember);
        code_.reset();
    }

private:
    static std::string text(ArgRefs args, size_t count) {
        if (args.size() != count) raiseError(err::WrongArgCount);
        return toString(args[0]->deref());
    }

    void compile() {
        if (code_) return;
        const PcrePattern translated = translatePattern(pattern_, multiline_);
        std::unique_ptr<pcre2_compile_context, void (*)(pcre2_compile_context*)> context(
            pcre2_compile_context_create(nullptr), pcre2_compile_context_free);
        if (!context) throw std::bad_alloc();
        pcre2_set_character_tables(context.get(), caseTables());
        uint32_t options = PCRE2_ALLOW_EMPTY_CLASS | PCRE2_MATCH_UNSET_BACKREF | PCRE2_NEVER_UTF |
                           PCRE2_NEVER_UCP | PCRE2_NEVER_BACKSLASH_C;
        if (ignoreCase_) options |= PCRE2_CASELESS;
        if (!multiline_) options |= PCRE2_DOLLAR_ENDONLY;
        int error = 0;
        PCRE2_SIZE at = 0;
        pcre2_code* code =
            pcre2_compile(reinterpret_cast<PCRE2_SPTR>(translated.text.data()),
                          translated.text.size(), options, &error, &at, context.get());
        if (!code) raiseError(compileErrorNumber(error));
        code_.reset(code);
        groups_ = translated.groups;
        data_.reset(pcre2_match_data_create_from_pattern(code, nullptr));
        if (!data_) throw std::bad_alloc();
    }

    // Calls found(hit) for the first match, or for every match when `all`; an empty match
    // moves the search on by one character. False when nothing matched.
    template <class Found> bool search(const std::string& subject, bool all, Found&& found) {
        compile();
        bool any = false;
        size_t start = 0;
        while (start <= subject.size()) {
            int rc = pcre2_match(code_.get(), reinterpret_cast<PCRE2_SPTR>(subject.data()),
                                 subject.size(), start, 0, data_.get(), matchLimits());
            if (rc == PCRE2_ERROR_NOMATCH) break;
            if (rc == PCRE2_ERROR_NOMEMORY) throw std::bad_alloc();
            if (rc < 0) raiseError(err::OutOfStack); // a limit stopped the search
            const Hit hit{subject, pcre2_get_ovector_pointer(data_.get()), groups_};
            any = true;
            found(hit);
            if (!all) break;
            start = hit.end() > hit.start() ? hit.end() : hit.start() + 1;
        }
        return any;
    }

    Variant execute(const std::string& subject) {
        std::vector<MatchFound> found;
        search(subject, global_, [&](const Hit& hit) {
            MatchFound m{std::string(hit.group(0)), static_cast<int32_t>(hit.start()), {}};
            for (int g = 1; g <= hit.groups; ++g)
                m.groups.push_back(hit.took(g) ? Variant(std::string(hit.group(g))) : Variant());
            found.push_back(std::move(m));
        });
        return Variant::object(makeMatches(std::move(found)));
    }

    Variant replace(const std::string& subject, const std::string& with) {
        std::string out;
        size_t copied = 0;
        search(subject, global_, [&](const Hit& hit) {
            out.append(subject, copied, hit.start() - copied);
            appendReplacement(out, with, hit);
            copied = hit.end();
        });
        out.append(subject, copied);
        checkStringLength(out.size());
        return Variant(std::move(out));
    }

    std::string pattern_;
    bool ignoreCase_ = false, global_ = false, multiline_ = false;
    std::unique_ptr<pcre2_code, CodeFree> code_; // compiled on first use after a change
    std::unique_ptr<pcre2_match_data, MatchDataFree> data_;
    int groups_ = 0;
};

} // namespace

std::shared_ptr<ScriptObject> makeRegExp() {
    return std::make_shared<RegExp>();
}

} // namespace tabulo::vbs
