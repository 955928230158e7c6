// The Contacts script, run by the script interpreter against a stand-in for Tb that holds
// the record on screen and serves look-ups from the Cities sample.

#include "BuildSample.h"
#include "CaseName.h"
#include "Convert.h"
#include "Description.h"
#include "FormDescription.h"
#include "ScriptEngine.h"

#include <gtest/gtest.h>
#include <map>

namespace tabulo::tools {
namespace {

// Follows the Cancel rule of Tb: a call that completes clears it, a refusal leaves it set.
class StandInTb : public vbs::ScriptObject {
public:
    explicit StandInTb(const DatabaseImage& cities) : cities_(cities) {}

    std::map<std::string, std::string> fields; // the record on screen
    std::vector<std::string> actions;
    int cancel = 0;

    std::string typeName() const override { return "clsField"; }

    vbs::Variant call(std::string_view name, vbs::ArgRefs args) override {
        auto arg = [&](size_t i) {
            return i < args.size() ? vbs::toString(args[i]->deref()) : std::string();
        };
        auto done = [&](vbs::Variant result) {
            cancel = 0;
            return result;
        };
        if (vbs::sameName(name, "Cancel")) return vbs::Variant::integer(int16_t(cancel));
        if (vbs::sameName(name, "GetField")) return done(vbs::Variant(fields[arg(0)]));
        if (vbs::sameName(name, "SetField")) fields[arg(0)] = arg(1);
        if (vbs::sameName(name, "SetAction")) actions.push_back(arg(0));
        if (vbs::sameName(name, "GetDate")) return vbs::Variant("05/12/2026");
        if (vbs::sameName(name, "GetTime")) return vbs::Variant("10:11:12");
        if (vbs::sameName(name, "OpenDB") && arg(0) != "Cities") {
            cancel = -1; // "not found": the refusal leaves Cancel set
            return vbs::Variant();
        }
        if (vbs::sameName(name, "GetDBCount"))
            return done(vbs::Variant::lng(int32_t(cities_.records.size())));
        if (vbs::sameName(name, "GetDBField")) return done(vbs::Variant(LookUp(args)));
        return done(vbs::Variant());
    }
    void assign(std::string_view name, vbs::ArgRefs, const vbs::Variant& value, bool) override {
        if (vbs::sameName(name, "Cancel")) cancel = vbs::toLong(value);
    }

private:
    std::string LookUp(vbs::ArgRefs args) {
        const std::string& record = cities_.records.at(vbs::toLong(args[0]->deref()) - 1);
        int slot = FieldSlotByName(cities_.header, vbs::toString(args[1]->deref()));
        const DBField& f = cities_.header.Fields.at(slot - 1);
        return TrimSpaces(record.substr(f.Offset, f.Length));
    }
    const DatabaseImage& cities_;
};

class MessageRecorder : public vbs::ScriptUi {
public:
    std::vector<std::string> prompts;
    int msgBox(const std::string& prompt, int, const std::string&) override {
        prompts.push_back(prompt);
        return 1;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string& d) override {
        return d;
    }
};

struct ScriptCase {
    const char* what;
    const char* procedure;
    std::map<std::string, std::string> onScreen;
    std::map<std::string, std::string> afterwards; // fields expected to hold these values
    std::vector<std::string> messages;
    int cancel;
};

std::vector<ScriptCase> Cases() {
    return {
        {"update refuses a newsletter without an address",
         "Update",
         {{"NEWSLETTER", "Y"}, {"EMAIL", ""}},
         {{"CHANGED", ""}},
         {"The newsletter needs an e-mail address."},
         -1},
        {"update stamps the date of the change",
         "Update",
         {{"NEWSLETTER", "Y"}, {"EMAIL", "a@example.com"}},
         {{"CHANGED", "05/12/2026"}},
         {},
         0},
        {"find city by a postal code in any case",
         "FindCity",
         {{"ZIP", "sw1a 1aa"}},
         {{"CITY", "London"}, {"COUNTRY", "United Kingdom"}},
         {},
         0},
        {"find city with an unknown postal code",
         "FindCity",
         {{"ZIP", "9999"}},
         {{"CITY", ""}},
         {"No city has the postal code 9999."},
         0},
        {"find city without a postal code",
         "FindCity",
         {{"ZIP", ""}},
         {},
         {"Type a postal code first."},
         0},
        {"called today",
         "CalledToday",
         {},
         {{"LASTCALL", "05/12/2026"}, {"CALLTIME", "10:11:12"}},
         {},
         0},
    };
}

void PrintTo(const ScriptCase& c, std::ostream* os) {
    *os << c.what;
}

class ContactsScript : public testing::TestWithParam<ScriptCase> {
protected:
    void SetUp() override {
        engine.SetUi(&ui);
        engine.AddObject("Tb", tb);
        ASSERT_TRUE(engine.AddCode(TrimSpaces(contacts.header.Script)))
            << engine.Error().description << " line " << engine.Error().line;
    }
    DatabaseImage contacts = BuildSample("Contacts");
    DatabaseImage cities = BuildSample("Cities");
    std::shared_ptr<StandInTb> tb = std::make_shared<StandInTb>(cities);
    MessageRecorder ui;
    vbs::ScriptEngine engine;
};

TEST_F(ContactsScript, StartAddsTheTwoActions) {
    ASSERT_TRUE(engine.Run("Start")) << engine.Error().description;
    EXPECT_EQ(tb->actions, (std::vector<std::string>{"FindCity", "CalledToday"}));
    EXPECT_EQ(tb->cancel, 0);
}

TEST_P(ContactsScript, Procedure) {
    const ScriptCase& c = GetParam();
    tb->fields = c.onScreen;
    ASSERT_TRUE(engine.Run(c.procedure)) << engine.Error().description;
    for (const auto& [name, value] : c.afterwards)
        EXPECT_EQ(tb->fields[name], value) << name;
    EXPECT_EQ(ui.prompts, c.messages);
    EXPECT_EQ(tb->cancel, c.cancel);
}

INSTANTIATE_TEST_SUITE_P(Samples, ContactsScript, testing::ValuesIn(Cases()), CaseName<ScriptCase>);

} // namespace
} // namespace tabulo::tools
