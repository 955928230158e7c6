#pragma once
// The window's client area: the toolbar strip at the top and the three control arrays that
// show a page of the form at the header's pixel positions (Field boxes, Dummy labels for
// read-only fields, Banner labels).

#include "editor/DummyLabel.h"
#include "editor/FieldBox.h"
#include "engine/DBHeader.h"

#include <QLabel>
#include <QWidget>
#include <array>

namespace tabulo {

class modDB;
class ToolbarStrip;

class FormArea : public QWidget {
    Q_OBJECT
public:
    explicit FormArea(QWidget* parent);

    ToolbarStrip* Toolbar() const { return cTBar_; }
    FieldBox* Field(int slot) const { return fields_.at(slot - 1); }
    DummyLabel* Dummy(int slot) const { return dummies_.at(slot - 1); }
    QLabel* Banner(int slot) const { return banners_.at(slot - 1); }

    void SetBackground(const QColor& color);
    void ApplyFieldFont(const DBFont& font);
    void HideAll();
    // Shows the banners and fields of one page of the header's form, empty; returns the
    // lowest editable field slot of the page, or 0 when none is editable. The designer lays
    // out its design with the same call, so it shows the form as the editor does.
    int LayOutPage(const DBHeader& header, int page, bool editing);
    void Record2Form(modDB& db);
    void Form2Record(modDB& db);

signals:
    void BackgroundRightClicked(const QPoint& globalPos);
    void DummyClicked(int slot);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayOutBanners(const DBHeader& header, int page);
    int LayOutFields(const DBHeader& header, int page, bool editing);
    QString AccessibleNameOf(const DBField& def, const QRect& place) const;
    void OrderTabStops();

    ToolbarStrip* cTBar_;
    std::array<FieldBox*, kMaxFields> fields_{};
    std::array<DummyLabel*, kMaxFields> dummies_{};
    std::array<QLabel*, kMaxBanners> banners_{};
};

// Colours in the header are red + 256 x green + 65536 x blue.
QColor ColorFromRgbLong(int32_t rgb);
QFont FontFromHeader(const DBFont& font);
// Left by default; "<", ">" and "^" are tested in this order, each overriding the one before.
Qt::Alignment AlignmentOf(const std::string& format);

} // namespace tabulo
