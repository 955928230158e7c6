#pragma once
// InputGate: while it lives, no user input reaches a window. Keys, accelerators, mouse
// clicks, the wheel, context menus and the close box are swallowed on their way to the window,
// its menus, its toolbar and its actions, while painting, timers and the other windows (a
// message box that the work shows) go on as usual. Input is dropped, not kept for later: a key
// pressed during the work does nothing, then or afterwards.

#include <QObject>

class QWidget;

namespace tabulo {

class InputGate : public QObject {
public:
    explicit InputGate(QWidget* window);
    ~InputGate() override;
    InputGate(const InputGate&) = delete;
    InputGate& operator=(const InputGate&) = delete;

protected:
    bool eventFilter(QObject* target, QEvent* event) override;

private:
    bool BelongsToWindow(QObject* target) const;

    QWidget* window_;
};

} // namespace tabulo
