#pragma once
// The progress window of the long record loops (pack, export): a bar and a percentage.
// It is not modal; the loop that drives it keeps running on the same thread. However often the
// loop calls it, it repaints and lets the window events run about 30 times a second at most.

#include "dialogs/Pace.h"
#include "dialogs/Twips.h"
#include "engine/Reporter.h"

#include <QDialog>

class QFrame;
class QLabel;

namespace tabulo {

class frmProgress : public QDialog, public ProgressSink {
    Q_OBJECT
public:
    // now: the clock that paces the repaints and the events (tests give their own).
    explicit frmProgress(QWidget* parent = nullptr,
                         Pace::Clock now = &std::chrono::steady_clock::now);

    // done of total items; the display changes at most once every two whole percent.
    void ShowPer(long done, long total) override;
    // Closes the window; the next ShowPer starts a new run.
    void HidePer() override;
    // Lets the pending events run, at the first call of a run and then at the pace.
    void ProcessEvents() override;

protected:
    // A run cannot be cancelled: Escape leaves the window up.
    void reject() override {}

private:
    void Place(QWidget* control, int left, int top, int width, int height);
    void CentreOnOwner();

    Twips twips_;
    int lastPer_ = 0; // the next percentage must exceed this to be shown
    Pace paint_, events_;
    QFrame* bar_;
    QLabel* per_;
};

} // namespace tabulo
