#include "designer/DesignDocument.h"

#include "designer/DesignEdits.h"

#include <algorithm>

namespace tabulo::designer {

// One step of undo: the design before and after.
class DesignChange : public QUndoCommand {
public:
    DesignChange(DesignDocument& doc, design::Design before, design::Design after,
                 const QString& text, int mergeKey)
        : QUndoCommand(text), doc_(doc), before_(std::move(before)), after_(std::move(after)),
          mergeKey_(mergeKey) {}

    void undo() override { doc_.Set(before_); }
    void redo() override { doc_.Set(after_); }
    int id() const override { return mergeKey_ == 0 ? -1 : mergeKey_; }
    bool mergeWith(const QUndoCommand* other) override {
        after_ = static_cast<const DesignChange*>(other)->after_;
        return true;
    }

private:
    DesignDocument& doc_;
    design::Design before_, after_;
    int mergeKey_;
};

DesignDocument::DesignDocument(QObject* parent) : QObject(parent), design_(BlankDesign()) {
    connect(&undo_, &QUndoStack::cleanChanged, this, &DesignDocument::FileChanged);
}

DesignDocument::~DesignDocument() {
    disconnect(&undo_, nullptr, this, nullptr);
}

void DesignDocument::Reset(design::Design design, FilePath path, FileKind kind,
                           int32_t recordCount) {
    undo_.clear();
    path_ = std::move(path);
    kind_ = kind;
    recordCount_ = recordCount;
    saved_ = design;
    Set(design);
    emit FileChanged();
}

void DesignDocument::MarkSaved(FilePath path, FileKind kind) {
    path_ = std::move(path);
    kind_ = kind;
    saved_ = design_;
    undo_.setClean();
    emit FileChanged();
}

std::vector<design::DesignProblem> DesignDocument::Apply(const design::Design& after,
                                                         const QString& text, int mergeKey) {
    if (after == design_) return {};
    const std::vector<design::DesignProblem> before = design::Validate(design_);
    std::vector<design::DesignProblem> added;
    for (const design::DesignProblem& problem : design::Validate(after))
        if (std::none_of(before.begin(), before.end(), [&](const design::DesignProblem& p) {
                return p.Text() == problem.Text();
            }))
            added.push_back(problem);
    if (added.empty()) undo_.push(new DesignChange(*this, design_, after, text, mergeKey));
    return added;
}

void DesignDocument::Set(const design::Design& design) {
    design_ = design;
    emit Changed();
}

} // namespace tabulo::designer
