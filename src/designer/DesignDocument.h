#pragma once
// The design being edited: one Design value, the file it came from, and the undo stack of
// every change made to it. Each change replaces the whole value with the next one, so undo
// gives back exactly the value before, and undo to the start the opened design (whose
// header is then the opened header, byte for byte). A change the design rules refuse is not
// applied; the caller gets the new problems to show.

#include "design/Design.h"
#include "design/DesignRules.h"
#include "designer/DesignFiles.h"

#include <QObject>
#include <QUndoStack>
#include <vector>

namespace tabulo::designer {

class DesignDocument : public QObject {
    Q_OBJECT
public:
    explicit DesignDocument(QObject* parent = nullptr);
    // The undo stack says its clean state changed as it goes; by then the rest is gone.
    ~DesignDocument() override;

    const design::Design& Current() const { return design_; }
    // The design as the file holds it: as opened or last saved.
    const design::Design& Saved() const { return saved_; }
    // The header the design gives, with the record count of the opened database.
    DBHeader Header() const { return design::HeaderFromDesign(design_, recordCount_); }
    QUndoStack* UndoStack() { return &undo_; }
    bool IsModified() const { return !undo_.isClean(); }

    const FilePath& Path() const { return path_; }
    FileKind Kind() const { return kind_; }
    int32_t RecordCount() const { return recordCount_; }

    // Starts over on a design, with an empty undo stack.
    void Reset(design::Design design, FilePath path, FileKind kind, int32_t recordCount);
    // The design now stands saved under that name.
    void MarkSaved(FilePath path, FileKind kind);

    // Pushes the change from the current design to `after`, named `text` in the Edit menu.
    // Changes with the same non-zero `mergeKey` in a row are one step of undo (typing).
    // Returns the problems the change would bring; it is applied only when there are none.
    std::vector<design::DesignProblem> Apply(const design::Design& after, const QString& text,
                                             int mergeKey = 0);

signals:
    // The design changed (an edit, an undo, a redo or a reset).
    void Changed();
    // The file name or the saved state changed.
    void FileChanged();

private:
    friend class DesignChange;
    void Set(const design::Design& design);

    design::Design design_;
    design::Design saved_;
    QUndoStack undo_;
    FilePath path_;
    FileKind kind_ = FileKind::None;
    int32_t recordCount_ = 0;
};

} // namespace tabulo::designer
