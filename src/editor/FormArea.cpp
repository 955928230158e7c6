#include "editor/FormArea.h"

#include "dialogs/QtText.h"
#include "editor/FormReadingOrder.h"
#include "editor/Links.h"
#include "editor/Toolbar.h"
#include "editor/rules/FieldDescription.h"
#include "engine/modDB.h"

#include <QMouseEvent>
#include <algorithm>

namespace tabulo {

QColor ColorFromRgbLong(int32_t rgb) {
    auto v = static_cast<uint32_t>(rgb);
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

QFont FontFromHeader(const DBFont& font) {
    QFont f;
    std::string name = TrimSpaces(font.Name);
    if (!name.empty()) f.setFamily(ToQString(name));
    if (font.Size > 0) f.setPointSize(font.Size);
    f.setBold(font.Bold != 0);
    f.setItalic(font.Italic != 0);
    return f;
}

Qt::Alignment AlignmentOf(const std::string& format) {
    Qt::Alignment alignment = Qt::AlignLeft;
    if (format.find('<') != std::string::npos) alignment = Qt::AlignLeft;
    if (format.find('>') != std::string::npos) alignment = Qt::AlignRight;
    if (format.find('^') != std::string::npos) alignment = Qt::AlignHCenter;
    return alignment;
}

namespace {

void SetColors(QWidget* widget, QPalette::ColorRole backRole, QPalette::ColorRole textRole,
               const DBFont& font) {
    QPalette palette = widget->palette();
    palette.setColor(backRole, ColorFromRgbLong(font.BackColor));
    palette.setColor(textRole, ColorFromRgbLong(font.ForeColor));
    widget->setPalette(palette);
    widget->setFont(FontFromHeader(font));
}

bool NeverEditable(const DBField& def) {
    return def.Format.find_first_of("=#") != std::string::npos;
}

} // namespace

FormArea::FormArea(QWidget* parent) : QWidget(parent), cTBar_(new ToolbarStrip(this)) {
    setObjectName(QStringLiteral("FormArea"));
    setAutoFillBackground(true);
    for (int i = 1; i <= kMaxFields; ++i) {
        fields_[i - 1] = new FieldBox(i, this);
        dummies_[i - 1] = new DummyLabel(i, this);
        connect(dummies_[i - 1], &DummyLabel::Clicked, this, &FormArea::DummyClicked);
    }
    for (int b = 1; b <= kMaxBanners; ++b) {
        auto* banner = new QLabel(this);
        banner->setObjectName(QStringLiteral("Banner(%1)").arg(b));
        banner->setTextFormat(Qt::PlainText);
        banner->setAutoFillBackground(true);
        banner->hide();
        banners_[b - 1] = banner;
    }
    cTBar_->raise();
}

void FormArea::SetBackground(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

void FormArea::ApplyFieldFont(const DBFont& font) {
    for (int i = 0; i < kMaxFields; ++i) {
        SetColors(fields_[i], QPalette::Base, QPalette::Text, font);
        SetColors(dummies_[i], QPalette::Window, QPalette::WindowText, font);
    }
}

void FormArea::HideAll() {
    for (int i = 0; i < kMaxFields; ++i) {
        fields_[i]->hide();
        dummies_[i]->hide();
    }
    for (QLabel* banner : banners_)
        banner->hide();
}

int FormArea::LayOutPage(const DBHeader& header, int page, bool editing) {
    setAccessibleName(ToQString(TrimSpaces(header.PageHeadings.at(page - 1))));
    LayOutBanners(header, page);
    const int first = LayOutFields(header, page, editing);
    OrderTabStops();
    return first;
}

void FormArea::LayOutBanners(const DBHeader& header, int page) {
    for (int b = 1; b <= BannerCount(header); ++b) {
        QLabel* banner = Banner(b);
        const DBBanner& def = header.Banners[b - 1];
        if (def.Page != page) {
            banner->hide();
            continue;
        }
        banner->move(def.Left, def.Top);
        QPalette palette = banner->palette();
        palette.setColor(QPalette::WindowText, ColorFromRgbLong(def.Font.ForeColor));
        palette.setColor(QPalette::Window, ColorFromRgbLong(def.Font.BackColor));
        banner->setPalette(palette);
        banner->setFont(FontFromHeader(def.Font));
        banner->setText(ToQString(TrimSpaces(def.Caption)));
        banner->adjustSize();
        banner->show();
    }
}

int FormArea::LayOutFields(const DBHeader& header, int page, bool editing) {
    // A count outside the slots comes from a damaged header; only real slots are in use.
    const int fieldCount = std::clamp<int>(header.FieldCount, 0, kMaxFields);
    int first = 0;
    for (int f = 1; f <= fieldCount; ++f) {
        FieldBox* box = Field(f);
        DummyLabel* label = Dummy(f);
        const DBField& def = header.Fields[f - 1];
        if (def.Page != page) {
            box->hide();
            label->hide();
            continue;
        }
        const QRect place(def.Left, def.Top, def.Width, def.Height);
        QWidget* shown = editing && !NeverEditable(def) ? static_cast<QWidget*>(box) : label;
        shown->setAccessibleName(AccessibleNameOf(def, place));
        shown->setAccessibleDescription(
            ToQString(FieldDescription(def.Format, def.Length, header.DateOrder)));
        if (shown == box) {
            if (first == 0) first = f;
            box->setGeometry(place);
            box->SetMaxLength(def.Length);
            box->SetText(QString());
            box->SetAlignment(AlignmentOf(def.Format));
            box->show();
            label->hide();
        } else {
            label->setGeometry(place);
            label->clear();
            label->setAlignment(AlignmentOf(def.Format) | Qt::AlignTop);
            const bool link = LinkKindOf(def.Format) != LinkKind::None;
            label->SetLink(link);
            label->setCursor(link ? LinkCursor() : QCursor(Qt::ArrowCursor));
            label->show();
            box->hide();
        }
    }
    return first;
}

void FormArea::Record2Form(modDB& db) {
    for (int i = 0; i < kMaxFields; ++i) {
        std::string value;
        if (!fields_[i]->isHidden() && db.ReadField(fields_[i]->Tag(), value))
            fields_[i]->SetText(ToQString(value));
        if (!dummies_[i]->isHidden() && db.ReadField(dummies_[i]->Tag(), value)) {
            dummies_[i]->setText(
                ToQString(value).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            dummies_[i]->UpdateFocusPolicy();
        }
    }
}

// A field is named by the banner to its left on its row, as a sighted user reads the form;
// without one, by the field's own name.
QString FormArea::AccessibleNameOf(const DBField& def, const QRect& place) const {
    std::vector<PlacedText> banners;
    for (const QLabel* banner : banners_)
        if (!banner->isHidden()) banners.push_back({banner->geometry(), banner->text()});
    const QString label = BannerLabelFor(place, banners);
    return label.isEmpty() ? ToQString(TrimSpaces(def.Name)) : label;
}

// Tab walks the page's boxes and active labels as the form reads: row by row, left to right.
void FormArea::OrderTabStops() {
    std::vector<QWidget*> stops;
    for (int i = 0; i < kMaxFields; ++i) {
        if (!fields_[i]->isHidden()) stops.push_back(fields_[i]);
        if (!dummies_[i]->isHidden()) stops.push_back(dummies_[i]);
    }
    std::vector<QRect> places;
    for (const QWidget* stop : stops)
        places.push_back(stop->geometry());
    const std::vector<int> order = ReadingOrder(places);
    for (size_t k = 1; k < order.size(); ++k)
        setTabOrder(stops[order[k - 1]], stops[order[k]]);
}

void FormArea::Form2Record(modDB& db) {
    for (FieldBox* box : fields_)
        if (!box->isHidden()) db.WriteField(box->Tag(), FromQString(box->Text()));
}

void FormArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && !childAt(event->position().toPoint()))
        emit BackgroundRightClicked(event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

void FormArea::resizeEvent(QResizeEvent* event) {
    cTBar_->setFixedWidth(width());
    QWidget::resizeEvent(event);
}

} // namespace tabulo
