// The Matches, Match and SubMatches objects that RegExp.Execute hands to the script,
// built once from the matches found and never changed afterwards.

#include "script/vbscript/RegExpMatches.h"

#include "script/vbscript/Convert.h"
#include "vbscript/ScriptError.h"

namespace tabulo::vbs {

namespace {

// A read-only list reached by Count and Item(index), the default member.
class IndexedList : public ScriptObject {
public:
    Variant call(std::string_view name, ArgRefs args) override {
        if (sameName(name, "count")) {
            if (!args.empty()) raiseError(err::WrongArgCount);
            return Variant::lng(static_cast<int32_t>(items_.size()));
        }
        if (!name.empty() && !sameName(name, "item")) raiseError(err::NoSuchMember);
        if (args.size() != 1) raiseError(err::WrongArgCount);
        int32_t i = toLong(args[0]->deref());
        if (i < 0 || static_cast<size_t>(i) >= items_.size()) raiseError(err::InvalidCall);
        return items_[static_cast<size_t>(i)];
    }
    std::vector<Variant> elements() override { return items_; }

protected:
    std::vector<Variant> items_;
};

class SubMatches : public IndexedList {
public:
    explicit SubMatches(std::vector<Variant> groups) { items_ = std::move(groups); }
    std::string typeName() const override { return "ISubMatches"; }
};

class Match : public ScriptObject {
public:
    explicit Match(MatchFound found) : found_(std::move(found)) {}
    std::string typeName() const override { return "IMatch2"; }

    Variant call(std::string_view name, ArgRefs args) override {
        if (sameName(name, "submatches")) {
            auto list = std::make_shared<SubMatches>(found_.groups);
            return args.empty() ? Variant::object(list) : list->call("", args);
        }
        if (!args.empty()) raiseError(err::WrongArgCount);
        if (name.empty() || sameName(name, "value")) return Variant(found_.value);
        if (sameName(name, "firstindex")) return Variant::lng(found_.firstIndex);
        if (sameName(name, "length"))
            return Variant::lng(static_cast<int32_t>(found_.value.size()));
        raiseError(err::NoSuchMember);
    }

private:
    MatchFound found_;
};

class Matches : public IndexedList {
public:
    explicit Matches(std::vector<MatchFound> found) {
        for (MatchFound& m : found)
            items_.push_back(Variant::object(std::make_shared<Match>(std::move(m))));
    }
    std::string typeName() const override { return "IMatchCollection2"; }
};

} // namespace

std::shared_ptr<ScriptObject> makeMatches(std::vector<MatchFound> matches) {
    return std::make_shared<Matches>(std::move(matches));
}

} // namespace tabulo::vbs
