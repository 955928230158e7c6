#include "designer/DesignCanvas.h"

#include "designer/CanvasSurface.h"
#include "dialogs/QtText.h"
#include "editor/FormArea.h"

#include <QScrollArea>
#include <QTabBar>
#include <QVBoxLayout>

namespace tabulo::designer {

namespace {

constexpr int kTwipsPerFormPixel = 15;

// The form's widgets are shown, never used: no focus, no mouse.
void MakeInert(FormArea* form) {
    for (QWidget* child : form->findChildren<QWidget*>()) {
        child->setFocusPolicy(Qt::NoFocus);
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

int PagesInUse(const design::Design& d) {
    int pages = 1;
    for (const design::Field& f : d.fields)
        pages = std::max(pages, f.page);
    for (const design::Banner& b : d.banners)
        pages = std::max(pages, b.page);
    for (int p = 1; p <= kMaxPages; ++p)
        if (!d.pageHeadings[p - 1].empty()) pages = std::max(pages, p);
    return std::min(pages, kMaxPages);
}

} // namespace

QString PageTitle(const design::Design& d, int page) {
    const std::string& heading = d.pageHeadings[page - 1];
    return heading.empty() ? DesignCanvas::tr("Page %1").arg(page) : ToQString(heading);
}

DesignCanvas::DesignCanvas(DesignDocument& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), tabs_(new QTabBar(this)), pageArea_(new QWidget),
      form_(new FormArea(pageArea_)), surface_(new CanvasSurface(*this, doc, pageArea_)) {
    tabs_->setObjectName(QStringLiteral("PageTabs"));
    tabs_->setAccessibleName(tr("Pages"));
    MakeInert(form_);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(pageArea_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(scroll, 1);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0) SetPage(index + 1);
    });
    connect(&doc_, &DesignDocument::Changed, this, &DesignCanvas::Refresh);
    Refresh();
}

QWidget* DesignCanvas::Surface() const {
    return surface_;
}

void DesignCanvas::SetPage(int page) {
    if (page == page_) return;
    page_ = page;
    selected_.clear();
    Refresh();
    emit SelectionChanged();
}

void DesignCanvas::Select(const Selection& items) {
    if (items == selected_) return;
    selected_ = items;
    surface_->update();
    emit SelectionChanged();
}

void DesignCanvas::SetSnapToGrid(bool on) {
    snap_ = on;
    surface_->update();
}

// Lays the page out again from the design, as the editor lays out its pages, and drops
// from the selection what the change took away.
void DesignCanvas::Refresh() {
    const design::Design& d = doc_.Current();
    const DBHeader header = doc_.Header();
    UpdateTabs();
    const QSize size(d.window.width / kTwipsPerFormPixel, d.window.height / kTwipsPerFormPixel);
    pageArea_->resize(size);
    form_->setGeometry(QRect(QPoint(), size));
    surface_->setGeometry(QRect(QPoint(), size));
    form_->SetBackground(ColorFromRgbLong(header.Window.BackColor));
    form_->ApplyFieldFont(header.Window.FieldFont);
    form_->HideAll();
    form_->LayOutPage(header, page_, true);
    NameItemsForScreenReaders();
    Selection kept;
    for (const ItemRef& item : selected_)
        if (!PlaceOf(item).isEmpty()) kept.insert(item);
    const bool dropped = kept != selected_;
    selected_ = kept;
    surface_->raise();
    surface_->update();
    if (dropped) emit SelectionChanged();
}

void DesignCanvas::UpdateTabs() {
    const design::Design& d = doc_.Current();
    // One tab more than the pages in use, so that items can be put on a new page.
    const int count = std::min(PagesInUse(d) + 1, kMaxPages);
    const QSignalBlocker quiet(tabs_);
    while (tabs_->count() > count)
        tabs_->removeTab(tabs_->count() - 1);
    while (tabs_->count() < count)
        tabs_->addTab(QString());
    for (int p = 1; p <= count; ++p)
        tabs_->setTabText(p - 1, PageTitle(d, p));
    if (page_ > count) page_ = count;
    tabs_->setCurrentIndex(page_ - 1);
}

// Each shown item is named for a screen reader by what it is in the design: a field by its
// name, a banner by its caption, with its place.
void DesignCanvas::NameItemsForScreenReaders() {
    for (const design::Field& f : doc_.Current().fields) {
        if (f.page != page_) continue;
        const QString where = tr("field, left %1, top %2, width %3, height %4")
                                  .arg(f.left)
                                  .arg(f.top)
                                  .arg(f.width)
                                  .arg(f.height);
        for (QWidget* shown : {static_cast<QWidget*>(form_->Field(f.slot)),
                               static_cast<QWidget*>(form_->Dummy(f.slot))}) {
            shown->setAccessibleName(ToQString(f.name));
            shown->setAccessibleDescription(where);
        }
    }
    for (const design::Banner& b : doc_.Current().banners) {
        if (b.page != page_) continue;
        form_->Banner(b.slot)->setAccessibleName(ToQString(b.caption));
        form_->Banner(b.slot)->setAccessibleDescription(
            tr("banner, left %1, top %2").arg(b.left).arg(b.top));
    }
}

QRect DesignCanvas::PlaceOf(const ItemRef& item) const {
    const design::Design& d = doc_.Current();
    if (item.kind == ItemKind::Field) {
        const design::Field* f = FindField(d, item.slot);
        if (!f || f->page != page_) return {};
        return QRect(f->left, f->top, f->width, f->height);
    }
    const design::Banner* b = FindBanner(d, item.slot);
    if (!b || b->page != page_ || form_->Banner(item.slot)->isHidden()) return {};
    return form_->Banner(item.slot)->geometry();
}

Selection DesignCanvas::ItemsIn(const QRect& area) const {
    Selection found;
    for (const design::Field& f : doc_.Current().fields)
        if (PlaceOf({ItemKind::Field, f.slot}).intersects(area))
            found.insert({ItemKind::Field, f.slot});
    for (const design::Banner& b : doc_.Current().banners)
        if (PlaceOf({ItemKind::Banner, b.slot}).intersects(area))
            found.insert({ItemKind::Banner, b.slot});
    return found;
}

void DesignCanvas::Nudge(int dx, int dy, bool resize) {
    if (selected_.empty()) return;
    const design::Design& d = doc_.Current();
    if (resize)
        doc_.Apply(Resized(d, selected_, dx, dy), tr("Resize"));
    else
        doc_.Apply(Moved(d, selected_, dx, dy), tr("Move"));
}

} // namespace tabulo::designer
