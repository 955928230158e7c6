#pragma once
// What the print window asks of the data-entry window behind it: which page it shows,
// showing the engine's current record at another page, its toolbar, and the client area
// that one printed page shows.

class QWidget;

namespace tabulo {

class PrintView {
public:
    virtual ~PrintView() = default;
    virtual int CurPage() const = 0;
    // Makes page the current page and redraws it for the engine's current record.
    virtual void ShowPage(int page) = 0;
    virtual void SetToolbarVisible(bool visible) = 0;
    virtual QWidget& ClientArea() = 0;
};

} // namespace tabulo
