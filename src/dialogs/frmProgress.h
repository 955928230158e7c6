#pragma once
// The progress window of the long record loops (pack, export): a bar and a percentage.
// It is not modal; the loop that drives it keeps running on the same thread.

#include "dialogs/Twips.h"
#include "engine/Reporter.h"

#include <QDialog>

class QFrame;
class QLabel;

namespace tabulo {

class frmProgress : public QDialog, public ProgressSink {
    Q_OBJECT
public:
    explicit frmProgress(QWidget* parent = nullptr);

    // done of total items; redraws at most once every two whole percent.
    void ShowPer(long done, long total) override;
    // Closes the window; the next ShowPer starts a new run.
    void HidePer() override;
    void ProcessEvents() override;

private:
    void Place(QWidget* control, int left, int top, int width, int height);
    void CentreOnOwner();

    Twips twips_;
    int lastPer_ = 0; // the next percentage must exceed this to be shown
    QFrame* bar_;
    QLabel* per_;
};

} // namespace tabulo
