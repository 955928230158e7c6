#pragma once
// frmPrint ("Print"): which records, which form pages, how many copies, the printer and the
// orientation. "Print" checks the choices, then steps the data-entry window through every
// chosen record and page and prints its client area once per copy; afterwards the window
// shows again the record and page it showed before, and this window closes.

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tabulo {

class Dialogs;
class PrintDevice;
class PrintView;
class Reporter;
class modDB;
struct PrintTarget;

// The entry after the installed printers that prints to a PDF file, always in the list.
inline constexpr const char* kPdfFileEntry = "PDF file";

class frmPrint : public QDialog {
    Q_OBJECT
public:
    frmPrint(modDB& db, Reporter& reporter, Dialogs& dialogs, PrintDevice& device, PrintView& view,
             QWidget* parent = nullptr);

    QRadioButton* optCurrent() const { return optCurrent_; }
    QRadioButton* optRange() const { return optRange_; }
    QLineEdit* txtFrom() const { return txtFrom_; }
    QLineEdit* txtTo() const { return txtTo_; }
    QLineEdit* txtCopies() const { return txtCopies_; }
    QRadioButton* optPageCurrent() const { return optPageCurrent_; }
    QRadioButton* optPageRange() const { return optPageRange_; }
    QLineEdit* txtFrmP2P() const { return txtFrmP2P_; }
    QLineEdit* txtToP2P() const { return txtToP2P_; }
    QRadioButton* optPotrait() const { return optPotrait_; }
    QRadioButton* optLandscape() const { return optLandscape_; }
    QListWidget* lstPrinter() const { return lstPrinter_; }
    QPushButton* cmdPrint() const { return cmdPrint_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }

private:
    // The checked choices of one print run.
    struct Run {
        long long from = 0, to = 0, copies = 0, fromPage = 0, toPage = 0;
    };

    void BuildControls();
    void Load();
    void SetRecordBoxes(const QString& from, const QString& to, bool enabled);
    void SetPageBoxes(const QString& from, const QString& to, bool enabled);
    void PrintClicked();
    std::optional<Run> CheckedRun();
    std::nullopt_t Refuse(const std::string& text, QWidget* focus);
    std::optional<PrintTarget> ChosenTarget();
    bool PrintPages(const Run& run, const PrintTarget& target);

    modDB& db_;
    Reporter& reporter_;
    Dialogs& dialogs_;
    PrintDevice& device_;
    PrintView& view_;
    QRadioButton *optCurrent_, *optRange_, *optPageCurrent_, *optPageRange_;
    QRadioButton *optPotrait_, *optLandscape_;
    QLineEdit *txtFrom_, *txtTo_, *txtCopies_, *txtFrmP2P_, *txtToP2P_;
    QListWidget* lstPrinter_;
    QPushButton *cmdPrint_, *cmdCancel_;
};

// A box's number as its leading numeric value: blanks skipped, an optional sign, then the
// digits; 0 when there are none. A number too large to hold reads as the largest one.
long long LeadingNumber(const QString& text);

} // namespace tabulo
