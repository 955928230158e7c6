#include "design/Restructure.h"

#include "engine/DbAccess.h"
#include "engine/RecordRewrite.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace tabulo::design {

namespace {

constexpr size_t kFirstRecordsShown = 5;
constexpr size_t kBlock = 1 << 20; // records are read in blocks of about this size

bool IsBlank(std::string_view value) {
    return value.find_first_not_of(' ') == std::string_view::npos;
}

// The characters of a record that a field covers, cut to the record.
std::string_view FieldBytes(std::string_view record, const Field& f) {
    const auto offset = static_cast<size_t>(f.offset);
    if (offset >= record.size()) return {};
    return record.substr(offset, std::min(static_cast<size_t>(f.length), record.size() - offset));
}

// Writes a value into the `length` characters at `to` (spaces already). Leading spaces stay
// while the value fits with them, so an unchanged field keeps its bytes; false when even the
// trimmed value had to be cut.
bool PutValue(std::string_view raw, char* to, size_t length) {
    std::string_view value = raw.substr(0, raw.find_last_not_of(' ') + 1); // npos + 1 is 0
    if (value.size() > length) value.remove_prefix(value.find_first_not_of(' '));
    std::memcpy(to, value.data(), std::min(value.size(), length));
    return value.size() <= length;
}

void Note(ValueLoss& loss, long record) {
    if (loss.firstRecords.size() < kFirstRecordsShown) loss.firstRecords.push_back(record);
    ++loss.count;
}

std::string RecordList(const ValueLoss& loss) {
    std::string list;
    for (long record : loss.firstRecords)
        list += (list.empty() ? "" : ", ") + std::to_string(record);
    if (loss.count > static_cast<long>(loss.firstRecords.size())) list += ", ...";
    return std::to_string(loss.count) + (loss.count == 1 ? " value" : " values") +
           (list.empty() ? "" : ": record" + std::string(loss.count == 1 ? " " : "s ") + list);
}

// Old records to new ones: which old field each new field takes its values from.
class RecordConverter {
public:
    RecordConverter(const Design& old, const Design& next) : length_(RecordLengthOf(next)) {
        std::map<int, const Field*> oldById;
        for (const Field& f : old.fields)
            oldById[f.id] = &f;
        for (const Field& to : next.fields) {
            auto from = oldById.find(to.id);
            if (from == oldById.end()) continue;
            carries_.push_back({from->second, &to});
            oldById.erase(from);
        }
        for (const auto& [id, f] : oldById)
            removed_.push_back(f);
        std::sort(removed_.begin(), removed_.end(),
                  [](const Field* a, const Field* b) { return a->slot < b->slot; });
    }

    struct Carry {
        const Field* from;
        const Field* to;
    };
    const std::vector<Carry>& Carries() const { return carries_; }
    const std::vector<const Field*>& Removed() const { return removed_; }

    // Appends the new record; `cut` gets the indexes of the carries whose value was cut.
    void Convert(std::string_view record, std::string& out, std::vector<size_t>& cut) const {
        cut.clear();
        const size_t at = out.size();
        out.append(static_cast<size_t>(length_), ' ');
        out[at] = record[0]; // the deletion mark
        for (size_t i = 0; i < carries_.size(); ++i) {
            const Field& to = *carries_[i].to;
            if (!PutValue(FieldBytes(record, *carries_[i].from), &out[at + to.offset],
                          static_cast<size_t>(to.length)))
                cut.push_back(i);
        }
    }

    // Whether a removed field holds a value in the record.
    bool LosesRemoved(std::string_view record, size_t removed) const {
        return !IsBlank(FieldBytes(record, *removed_[removed]));
    }

private:
    int length_;
    std::vector<Carry> carries_;
    std::vector<const Field*> removed_;
};

// Calls visit(k, record) for every record of the open database, reading in blocks.
template <typename Visit> bool ForEachRecord(modDB& db, Visit visit) {
    const DbFile* file = db.GetFile();
    const auto length = static_cast<size_t>(db.Header().RecordLength);
    const long total = db.GetRecordCount();
    const long perBlock = std::max<long>(1, static_cast<long>(kBlock / length));
    std::string block;
    for (long first = 1; first <= total; first += perBlock) {
        const long n = std::min(perBlock, total - first + 1);
        block.resize(static_cast<size_t>(n) * length);
        if (file->ReadAt(RecordOffset(first, db.Header().RecordLength), block.data(),
                         block.size()) != static_cast<long>(block.size()))
            return false;
        for (long i = 0; i < n; ++i)
            visit(first + i,
                  std::string_view(block).substr(static_cast<size_t>(i) * length, length));
    }
    return true;
}

RestructurePlan MakePlan(modDB& db, const Design& old, const Design& next, bool& read) {
    RestructurePlan plan;
    plan.records = db.GetRecordCount();
    plan.oldRecordLength = RecordLengthOf(old);
    plan.newRecordLength = RecordLengthOf(next);
    const RecordConverter converter(old, next);
    for (const Field& f : next.fields) {
        const Field* was = nullptr;
        for (const auto& carry : converter.Carries())
            if (carry.to == &f) was = carry.from;
        if (!was)
            plan.added.push_back(f.name);
        else if (was->name != f.name)
            plan.renamed.push_back(was->name + " -> " + f.name);
    }
    for (const Field* f : converter.Removed())
        plan.removed.push_back({f->name, 0, 0, {}});
    std::vector<ValueLoss> cut;
    for (const auto& carry : converter.Carries())
        cut.push_back({carry.from->name, carry.to->length, 0, {}});
    std::string out;
    std::vector<size_t> cutNow;
    read = ForEachRecord(db, [&](long k, std::string_view record) {
        out.clear();
        converter.Convert(record, out, cutNow);
        for (size_t i : cutNow)
            Note(cut[i], k);
        for (size_t i = 0; i < plan.removed.size(); ++i)
            if (converter.LosesRemoved(record, i)) Note(plan.removed[i], k);
    });
    std::copy_if(cut.begin(), cut.end(), std::back_inserter(plan.cut),
                 [](const ValueLoss& loss) { return loss.count > 0; });
    return plan;
}

// The rewrite that the pack's steps carry out: the new header, each record converted. A
// value lost that the caller did not allow stops it, as does a form changed since the plan.
class DesignRewrite : public RecordRewrite {
public:
    DesignRewrite(const Restructure& r, bool allowLoss)
        : old_(r.old), next_(r.next), converter_(old_, next_), allowLoss_(allowLoss) {}

    DBHeader NewHeader(const DBHeader&) const override { return HeaderFromDesign(next_); }
    bool Begin(const DBHeader& old, long) override {
        refusal_ = "the database's form was changed by another user";
        return EncodeHeader(HeaderFromDesign(old_)) ==
               EncodeHeader(HeaderFromDesign(DesignFromHeader(old)));
    }
    bool Rewrite(long, std::string_view record, std::string& out) override {
        converter_.Convert(record, out, cut_);
        if (allowLoss_) return true;
        refusal_ = "a value would be lost";
        if (!cut_.empty()) return false;
        for (size_t i = 0; i < converter_.Removed().size(); ++i)
            if (converter_.LosesRemoved(record, i)) return false;
        return true;
    }
    const char* Refusal() const override { return refusal_; }
    const char* Title() const override { return "Restructure Database"; }
    const char* Done() const override { return "The database has been restructured"; }
    const char* Stopped() const override { return "The restructure stopped"; }

private:
    const Design& old_;
    const Design& next_;
    const RecordConverter converter_;
    const bool allowLoss_;
    std::vector<size_t> cut_;
    const char* refusal_ = "";
};

} // namespace

bool RestructurePlan::LosesValues() const {
    return !cut.empty() || std::any_of(removed.begin(), removed.end(),
                                       [](const ValueLoss& loss) { return loss.count > 0; });
}

std::string RestructurePlan::Text(const std::string& database) const {
    std::string text = database + ": " + std::to_string(records) + " records rewritten";
    if (oldRecordLength != newRecordLength)
        text += ", record length " + std::to_string(oldRecordLength) + " -> " +
                std::to_string(newRecordLength);
    text += "\n";
    for (const std::string& name : added)
        text += "added: " + name + "\n";
    for (const std::string& rename : renamed)
        text += "renamed: " + rename + "\n";
    for (const ValueLoss& loss : removed)
        text += "removed: " + loss.field + " (" +
                (loss.count == 0 ? std::string("no values") : RecordList(loss)) + ")\n";
    for (const ValueLoss& loss : cut)
        text += "cut: " + loss.field + " to " + std::to_string(loss.newLength) + " characters (" +
                RecordList(loss) + ")\n";
    return text;
}

std::vector<DesignProblem> LinkFields(const Design& old, Design& next) {
    std::vector<DesignProblem> problems;
    std::map<int, size_t> takenBy; // old id -> index of the new field that takes its values
    int fresh = std::max(NewFieldId(old), NewFieldId(next));
    for (size_t i = 0; i < next.fields.size(); ++i) {
        Field& f = next.fields[i];
        const std::string place = "fields[" + std::to_string(i) + "]";
        if (f.id == 0 || !std::any_of(old.fields.begin(), old.fields.end(),
                                      [&f](const Field& o) { return o.id == f.id; })) {
            const Field* from = FieldNamed(old, f.was.empty() ? f.name : f.was);
            if (!from && !f.was.empty())
                problems.push_back({place + ".was", "no field " + f.was + " in the database"});
            f.id = from ? from->id : fresh++;
        }
        auto [it, first] = takenBy.emplace(f.id, i);
        if (!first)
            problems.push_back({place + (f.was.empty() ? ".name" : ".was"),
                                "the values of this field go to fields[" +
                                    std::to_string(it->second) + "] already"});
    }
    return problems;
}

Restructure PlanRestructure(modDB& db, Design next) {
    Restructure r;
    r.old = DesignFromHeader(db.Header());
    const Design& old = r.old;
    next.reserved1 = old.reserved1; // nothing reads them; the file keeps its own
    next.reserved2 = old.reserved2;
    r.problems = LinkFields(old, next);
    for (DesignProblem& problem : Validate(next))
        r.problems.push_back(std::move(problem));
    r.next = std::move(next);
    if (!r.problems.empty()) return r;
    bool read = false;
    r.plan = MakePlan(db, old, r.next, read);
    if (!read) r.problems.push_back({"", "cannot read the records of " + db.GetFilePath().Text()});
    return r;
}

int ApplyRestructure(modDB& db, const Restructure& restructure, bool allowLoss,
                     ProgressSink& progress) {
    DesignRewrite rewrite(restructure, allowLoss);
    return db.RewriteRecords(rewrite, progress);
}

} // namespace tabulo::design
