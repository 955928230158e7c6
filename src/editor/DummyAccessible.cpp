#include "editor/DummyAccessible.h"

#include "dialogs/AccessibleFactory.h"
#include "editor/DummyLabel.h"

#include <QAccessibleWidget>

namespace tabulo {

namespace {

class DummyAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DummyAccessible(DummyLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override {
        return Label().IsLink() ? QAccessible::Link : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Label().text();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (Label().ActsOnClick()) names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && Label().ActsOnClick())
            Label().Activate();
        else
            QAccessibleWidget::doAction(name);
    }

    // The text shown, read-only, with nothing selected.
    QString text(int start, int end) const override {
        return Label().text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Label().text().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    DummyLabel& Label() const { return *static_cast<DummyLabel*>(widget()); }
};

} // namespace

void InstallDummyAccessibility() {
    InstallAccessibleFactory<DummyLabel, DummyAccessible>();
}

} // namespace tabulo
