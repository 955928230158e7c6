#include "output/frmPrint.h"

#include "dialogs/MaskedKeys.h"
#include "dialogs/QtText.h"
#include "dialogs/Twips.h"
#include "dialogs/modDlg.h"
#include "engine/FileName.h"
#include "engine/Reporter.h"
#include "engine/modDB.h"
#include "output/PrintDevice.h"
#include "output/PrintView.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <climits>

namespace tabulo {

long long LeadingNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) ++i;
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        const int digit = text[i].unicode() - u'0';
        if (value > (LLONG_MAX - digit) / 10) {
            value = LLONG_MAX;
            continue;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

frmPrint::frmPrint(modDB& db, Reporter& reporter, Dialogs& dialogs, PrintDevice& device,
                   PrintView& view, QWidget* parent)
    : QDialog(parent), db_(db), reporter_(reporter), dialogs_(dialogs), device_(device),
      view_(view) {
    setObjectName("frmPrint");
    setWindowTitle("Print");
    BuildControls();
    connect(optCurrent_, &QRadioButton::clicked, this, [this] {
        const QString current = QString::number(db_.GetRecordNo());
        SetRecordBoxes(current, current, false);
    });
    connect(optRange_, &QRadioButton::clicked, this,
            [this] { SetRecordBoxes("1", QString::number(db_.GetRecordCount()), true); });
    connect(optPageCurrent_, &QRadioButton::clicked, this, [this] {
        const QString page = QString::number(view_.CurPage());
        SetPageBoxes(page, page, false);
    });
    connect(optPageRange_, &QRadioButton::clicked, this,
            [this] { SetPageBoxes("1", QString::number(db_.GetPageCount()), true); });
    connect(cmdPrint_, &QPushButton::clicked, this, &frmPrint::PrintClicked);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmPrint::reject);
    Load();
}

void frmPrint::BuildControls() {
    const Twips twips = Twips::FromScreen();
    setFixedSize(twips.ToPixels(QSize(5415, 4800)));
    auto place = [&](auto* control, const char* name, QRect twipsRect) {
        control->setObjectName(name);
        control->setGeometry(twips.ToPixels(twipsRect));
        return control;
    };
    auto* frame1 =
        place(new QGroupBox(" Record To Print ", this), "Frame1", {120, 120, 2535, 1575});
    optCurrent_ = place(new QRadioButton("Current", frame1), "optCurrent", {120, 300, 1095, 255});
    optRange_ = place(new QRadioButton("Range", frame1), "optRange", {1320, 300, 1095, 255});
    place(new QLabel("From", frame1), "Label1", {120, 720, 735, 255});
    txtFrom_ = place(new QLineEdit(frame1), "txtFrom", {900, 690, 1455, 285});
    place(new QLabel("To", frame1), "Label2", {120, 1140, 735, 255});
    txtTo_ = place(new QLineEdit(frame1), "txtTo", {900, 1110, 1455, 285});

    auto* frame3 = place(new QGroupBox("Page To Print ", this), "Frame3", {2760, 120, 2535, 1575});
    optPageCurrent_ =
        place(new QRadioButton("Current", frame3), "optPageCurrent", {120, 300, 1095, 255});
    optPageRange_ =
        place(new QRadioButton("Range", frame3), "optPageRange", {1320, 300, 1095, 255});
    place(new QLabel("From", frame3), "Label5", {120, 720, 735, 255});
    txtFrmP2P_ = place(new QLineEdit(frame3), "txtFrmP2P", {900, 690, 1455, 285});
    place(new QLabel("To", frame3), "Label6", {120, 1140, 735, 255});
    txtToP2P_ = place(new QLineEdit(frame3), "txtToP2P", {900, 1110, 1455, 285});

    auto* frame2 = place(new QGroupBox(" Orientation ", this), "Frame2", {120, 1800, 2535, 975});
    optPotrait_ = place(new QRadioButton("Potrait", frame2), "optPotrait", {120, 300, 2295, 255});
    optLandscape_ =
        place(new QRadioButton("Landscape", frame2), "optLandscape", {120, 600, 2295, 255});
    place(new QLabel("Copies", this), "Label3", {2880, 1920, 735, 255});
    txtCopies_ = place(new QLineEdit(this), "txtCopies", {3660, 1890, 1455, 285});

    place(new QLabel("System Printer", this), "Label4", {120, 2880, 2535, 255});
    lstPrinter_ = place(new QListWidget(this), "lstPrinter", {120, 3120, 5175, 1035});
    cmdPrint_ = place(new QPushButton("Print", this), "cmdPrint", {2760, 4290, 1215, 375});
    cmdCancel_ = place(new QPushButton("Cancel", this), "cmdCancel", {4080, 4290, 1215, 375});
    cmdPrint_->setDefault(true);
    for (QLineEdit* box : {txtFrom_, txtTo_, txtCopies_, txtFrmP2P_, txtToP2P_})
        FilterTypedKeys(box, "N");
}

// The printers with the default one selected (the PDF entry when there is no default),
// "Current" records with the boxes reading 1 and the count, one copy, the header's
// orientation, and the current page.
void frmPrint::Load() {
    const QStringList printers = device_.Printers();
    lstPrinter_->addItems(printers);
    lstPrinter_->addItem(kPdfFileEntry);
    const QString defaultPrinter = device_.DefaultPrinter();
    const qsizetype row =
        defaultPrinter.isEmpty() ? printers.size() : printers.indexOf(defaultPrinter);
    if (row >= 0) lstPrinter_->setCurrentRow(static_cast<int>(row));
    optCurrent_->setChecked(true);
    SetRecordBoxes("1", QString::number(db_.GetRecordCount()), false);
    txtCopies_->setText("1");
    (db_.GetPrintOrientation() == 2 ? optLandscape_ : optPotrait_)->setChecked(true);
    optPageCurrent_->setChecked(true);
    const QString page = QString::number(view_.CurPage());
    SetPageBoxes(page, page, false);
}

void frmPrint::SetRecordBoxes(const QString& from, const QString& to, bool enabled) {
    txtFrom_->setText(from);
    txtTo_->setText(to);
    txtFrom_->setEnabled(enabled);
    txtTo_->setEnabled(enabled);
}

void frmPrint::SetPageBoxes(const QString& from, const QString& to, bool enabled) {
    txtFrmP2P_->setText(from);
    txtToP2P_->setText(to);
    txtFrmP2P_->setEnabled(enabled);
    txtToP2P_->setEnabled(enabled);
}

// Whatever happens once the checks have passed, the window behind shows the record and page
// it showed before, with its toolbar, and this window closes.
void frmPrint::PrintClicked() {
    const int page = view_.CurPage();
    const long record = db_.GetRecordNo();
    const std::optional<Run> run = CheckedRun();
    if (!run) return;
    bool printed = true;
    if (run->from <= run->to) {
        const std::optional<PrintTarget> target = ChosenTarget();
        if (!target) return;
        printed = PrintPages(*run, *target);
    }
    if (!printed) reporter_.Message("Print", "Error occured while prinitng", MsgIcon::Critical);
    db_.SetRecordNo(record);
    view_.ShowPage(page);
    view_.SetToolbarVisible(true);
    accept();
}

// The checks in their order; the first that fails says why and puts the focus on its box.
std::optional<frmPrint::Run> frmPrint::CheckedRun() {
    Run run;
    if (optCurrent_->isChecked()) {
        run.from = run.to = db_.GetRecordNo();
    } else {
        run.from = LeadingNumber(txtFrom_->text());
        if (run.from < 1) return Refuse("From must be > 0", txtFrom_);
        run.to = LeadingNumber(txtTo_->text());
        const long count = db_.GetRecordCount();
        if (run.to > count) return Refuse("To must be < " + std::to_string(count), txtTo_);
    }
    if (lstPrinter_->selectedItems().isEmpty()) return Refuse("Select Printer", lstPrinter_);
    run.copies = LeadingNumber(txtCopies_->text());
    if (run.copies < 1 || run.copies > 10) return Refuse("Copies can be 1 to 10", txtCopies_);
    const int pageCount = db_.GetPageCount();
    const std::string pages = std::to_string(pageCount);
    run.fromPage = LeadingNumber(txtFrmP2P_->text());
    if (run.fromPage > pageCount || run.fromPage < 1)
        return Refuse("From page can be 1 to " + pages, txtFrmP2P_);
    run.toPage = LeadingNumber(txtToP2P_->text());
    if (run.toPage > pageCount || run.toPage < run.fromPage)
        return Refuse("To page can be 1 to " + pages, txtToP2P_);
    return run;
}

std::nullopt_t frmPrint::Refuse(const std::string& text, QWidget* focus) {
    reporter_.Message("Tabulo", text, MsgIcon::None);
    focus->setFocus();
    return std::nullopt;
}

// An installed printer, or the PDF entry's file as named in the Save As dialog (nullopt
// when that was cancelled).
std::optional<PrintTarget> frmPrint::ChosenTarget() {
    const int row = lstPrinter_->row(lstPrinter_->selectedItems().front());
    if (row < lstPrinter_->count() - 1) return PrintTarget{lstPrinter_->item(row)->text(), {}};
    const std::optional<ChosenFile> file = dialogs_.DlgSaveAs("*.Pdf");
    if (!file) return std::nullopt;
    return PrintTarget{{}, ToQString(WithExtension(file->FullName(), ".pdf"))};
}

// Record by record, page by page, each page's copies one after another. False at the first
// failure of the printer or the engine; the pages sent until then stay printed.
bool frmPrint::PrintPages(const Run& run, const PrintTarget& target) {
    const PageOrientation orientation =
        optPotrait_->isChecked() ? PageOrientation::Portrait : PageOrientation::Landscape;
    if (!device_.Select(target) || !device_.SetOrientation(orientation)) return false;
    cmdPrint_->setEnabled(false);
    view_.SetToolbarVisible(false);
    if (!device_.Begin()) return false;
    const auto fail = [this] {
        device_.End();
        return false;
    };
    for (long long r = run.from; r <= run.to; ++r) {
        if (db_.SetRecordNo(static_cast<long>(r)) != 1) return fail();
        for (long long p = run.fromPage; p <= run.toPage; ++p) {
            view_.ShowPage(static_cast<int>(p));
            QWidget& area = view_.ClientArea();
            area.repaint(); // the user sees the window step through the pages
            for (long long copy = 1; copy <= run.copies; ++copy)
                if (!device_.PrintPage(area)) return fail();
        }
    }
    return device_.End();
}

} // namespace tabulo
