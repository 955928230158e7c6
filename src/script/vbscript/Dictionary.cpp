// Scripting.Dictionary: keys and items in insertion order, keys compared
// exactly or (CompareMode 1) without regard to case.

#include "base/TextCase.h"
#include "script/vbscript/BuiltinClasses.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/Nodes.h"
#include "vbscript/ScriptError.h"
#include "vbscript/ScriptObject.h"

#include <cstring>
#include <unordered_map>

namespace tabulo::vbs {

namespace {

class Dictionary : public ScriptObject {
public:
    ~Dictionary() override {
        std::vector<Variant> values;
        for (Entry& e : entries_) {
            values.push_back(std::move(e.key));
            values.push_back(std::move(e.item));
        }
        releaseIteratively(values);
    }
    std::string typeName() const override { return "Dictionary"; }
    Variant call(std::string_view name, ArgRefs args) override;
    void assign(std::string_view name, ArgRefs args, const Variant& value, bool isSet) override;
    std::vector<Variant> elements() override { return keys(); }

private:
    struct Entry {
        Variant key;
        Variant item;
        bool live = true;
    };

    std::string hashKey(const Variant& key) const;
    Entry* find(const Variant& key);
    Entry& add(const Variant& key, const Variant& item);
    void remove(const Variant& key);
    void compact();
    std::vector<Variant> keys() const;
    std::vector<Variant> items() const;

    std::vector<Entry> entries_;
    std::unordered_map<std::string, size_t> index_;
    size_t dead_ = 0;
    bool textCompare_ = false;
};

void expectArgs(ArgRefs args, size_t n) {
    if (args.size() != n) raiseError(err::WrongArgCount);
}

Variant listOf(std::vector<Variant> values) {
    auto arr = makeArray({static_cast<int32_t>(values.size()) - 1});
    arr->values = std::move(values);
    return Variant::array(std::move(arr));
}

std::string Dictionary::hashKey(const Variant& key0) const {
    const Variant& key = key0.deref();
    if (key.isString()) return 's' + (textCompare_ ? UpperText(key.str()) : key.str());
    if (key.isObject()) {
        std::string k(1 + sizeof(void*), 'o');
        void* p = key.obj().get();
        std::memcpy(&k[1], &p, sizeof p);
        return k;
    }
    if (key.isEmpty()) return "e";
    if (key.isNull()) return "z";
    if (key.isArray()) raiseError(err::TypeMismatch);
    double d = toDouble(key);
    std::string k(1 + sizeof d, 'n');
    std::memcpy(&k[1], &d, sizeof d);
    return k;
}

Dictionary::Entry* Dictionary::find(const Variant& key) {
    auto it = index_.find(hashKey(key));
    return it == index_.end() ? nullptr : &entries_[it->second];
}

Dictionary::Entry& Dictionary::add(const Variant& key, const Variant& item) {
    if (!index_.emplace(hashKey(key), entries_.size()).second) raiseError(err::KeyExists);
    entries_.push_back({copyForAssign(key.deref()), copyForAssign(item.deref()), true});
    return entries_.back();
}

void Dictionary::remove(const Variant& key) {
    auto it = index_.find(hashKey(key));
    if (it == index_.end()) raiseError(err::ElementNotFound);
    Entry& e = entries_[it->second];
    e.live = false;
    e.key = Variant();
    e.item = Variant();
    index_.erase(it);
    if (++dead_ > 32 && dead_ * 2 > entries_.size()) compact();
}

void Dictionary::compact() {
    std::vector<Entry> kept;
    kept.reserve(entries_.size() - dead_);
    for (Entry& e : entries_)
        if (e.live) kept.push_back(std::move(e));
    entries_ = std::move(kept);
    dead_ = 0;
    index_.clear();
    for (size_t i = 0; i < entries_.size(); ++i)
        index_[hashKey(entries_[i].key)] = i;
}

std::vector<Variant> Dictionary::keys() const {
    std::vector<Variant> out;
    for (const Entry& e : entries_)
        if (e.live) out.push_back(e.key);
    return out;
}

std::vector<Variant> Dictionary::items() const {
    std::vector<Variant> out;
    for (const Entry& e : entries_)
        if (e.live) out.push_back(e.item);
    return out;
}

Variant Dictionary::call(std::string_view name, ArgRefs args) {
    if (name.empty() || sameName(name, "item")) {
        expectArgs(args, 1);
        Entry* e = find(*args[0]);
        return e ? e->item : add(*args[0], Variant()).item;
    }
    if (sameName(name, "exists")) {
        expectArgs(args, 1);
        return Variant::boolean(find(*args[0]) != nullptr);
    }
    if (sameName(name, "add")) {
        expectArgs(args, 2);
        add(*args[0], *args[1]);
        return {};
    }
    if (sameName(name, "count")) {
        expectArgs(args, 0);
        return Variant::lng(static_cast<int32_t>(index_.size()));
    }
    if (sameName(name, "keys")) return listOf(keys());
    if (sameName(name, "items")) return listOf(items());
    if (sameName(name, "remove")) {
        expectArgs(args, 1);
        remove(*args[0]);
        return {};
    }
    if (sameName(name, "removeall")) {
        entries_.clear();
        index_.clear();
        dead_ = 0;
        return {};
    }
    if (sameName(name, "comparemode")) return Variant::lng(textCompare_ ? 1 : 0);
    raiseError(err::NoSuchMember);
}

void Dictionary::assign(std::string_view name, ArgRefs args, const Variant& value, bool isSet) {
    if (name.empty() || sameName(name, "item")) {
        expectArgs(args, 1);
        Entry* e = find(*args[0]);
        Variant& slot = e ? e->item : add(*args[0], Variant()).item;
        if (isSet && !value.isObject()) raiseError(err::ObjectRequired);
        slot = copyForAssign(value);
        return;
    }
    if (sameName(name, "key")) {
        expectArgs(args, 1);
        auto it = index_.find(hashKey(*args[0]));
        if (it == index_.end()) raiseError(err::ElementNotFound);
        size_t pos = it->second;
        std::string fresh = hashKey(value);
        if (index_.count(fresh)) raiseError(err::KeyExists);
        index_.erase(it);
        index_[fresh] = pos;
        entries_[pos].key = copyForAssign(value);
        return;
    }
    if (sameName(name, "comparemode")) {
        if (!index_.empty()) raiseError(err::InvalidCall);
        textCompare_ = toLong(value) == 1;
        return;
    }
    raiseError(err::NoSuchMember);
}

} // namespace

std::shared_ptr<ScriptObject> makeDictionary() {
    return std::make_shared<Dictionary>();
}

} // namespace tabulo::vbs
