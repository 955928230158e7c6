#pragma once
// The form as Tabulo shows it, one page at a time (pages as tabs named by their headings),
// drawn by the editor's own FormArea, with a surface on top that takes the mouse and the
// keys: click, Shift/Ctrl-click and rubber band select; dragging moves on the grid; arrow
// keys move by 1 pixel (Shift: 10), Ctrl+arrows resize. Each change goes to the document.

#include "designer/DesignDocument.h"
#include "designer/DesignEdits.h"

#include <QWidget>

class QTabBar;

namespace tabulo {
class FormArea;
}

namespace tabulo::designer {

class CanvasSurface;

// A page's tab title: its heading, or "Page N" when it has none.
QString PageTitle(const design::Design& d, int page);

class DesignCanvas : public QWidget {
    Q_OBJECT
public:
    DesignCanvas(DesignDocument& doc, QWidget* parent);

    int Page() const { return page_; }
    void SetPage(int page);
    const Selection& Selected() const { return selected_; }
    void Select(const Selection& items);
    bool SnapsToGrid() const { return snap_; }
    void SetSnapToGrid(bool on);

    FormArea* Form() const { return form_; }
    // Where an item is drawn on the page, in the form's pixels; empty when not shown.
    QRect PlaceOf(const ItemRef& item) const;
    // The items of the page whose place meets the rectangle, or holds the point.
    Selection ItemsIn(const QRect& area) const;
    // The surface that takes the mouse and keys (the form's own widgets never do).
    QWidget* Surface() const;

    // Moves or resizes the selection (arrow keys; Ctrl resizes).
    void Nudge(int dx, int dy, bool resize);

signals:
    void SelectionChanged();

private:
    void Refresh();
    void UpdateTabs();
    void NameItemsForScreenReaders();

    DesignDocument& doc_;
    QTabBar* tabs_;
    QWidget* pageArea_;
    FormArea* form_;
    CanvasSurface* surface_;
    int page_ = 1;
    Selection selected_;
    bool snap_ = true;
};

} // namespace tabulo::designer
