#include "designer/PropertiesPanel.h"

#include "design/FormatCodes.h"
#include "design/FormatConflicts.h"
#include "designer/DesignCanvas.h"
#include "dialogs/QtText.h"
#include "dialogs/modDlg.h"
#include "editor/FormArea.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

namespace tabulo::designer {

namespace {

constexpr int kNumberLimit = 999999; // wide, so that the design rules judge the value

QString ProblemText(const std::vector<design::DesignProblem>& problems) {
    QStringList lines;
    for (const design::DesignProblem& p : problems)
        lines << ToQString(p.Text());
    return lines.join(QChar('\n'));
}

void ShowSwatch(QPushButton* button, int32_t rgb) {
    button->setText(ColorFromRgbLong(rgb).name());
    button->setStyleSheet(QStringLiteral("background-color: %1").arg(ColorFromRgbLong(rgb).name()));
}

QString FontText(const design::Font& f) {
    QString text = QStringLiteral("%1, %2").arg(ToQString(f.name)).arg(f.size);
    if (f.bold) text += PropertiesPanel::tr(", bold");
    if (f.italic) text += PropertiesPanel::tr(", italic");
    return text;
}

// Why the code works against others of the field, one conflict a line; "" when it does not.
QString ConflictReasons(const std::vector<design::FormatConflict>& conflicts, char code) {
    QStringList reasons;
    for (const design::FormatConflict& c : conflicts)
        if (c.codes.find(code) != std::string::npos)
            reasons << PropertiesPanel::tr("%1: %2").arg(ToQString(c.codes), ToQString(c.reason));
    return reasons.join(QChar('\n'));
}

QLabel* ConflictFlag(char code, const QString& reasons) {
    auto* flag = new QLabel;
    flag->setObjectName(QStringLiteral("Code %1 conflict").arg(QChar(code)));
    flag->setPixmap(
        QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
    flag->setToolTip(reasons);
    flag->setAccessibleName(PropertiesPanel::tr("Conflicting input code %1").arg(QChar(code)));
    flag->setAccessibleDescription(reasons);
    return flag;
}

} // namespace

PropertiesPanel::PropertiesPanel(DesignDocument& doc, DesignCanvas& canvas, Dialogs& dialogs,
                                 QWidget* parent)
    : QWidget(parent), doc_(doc), canvas_(canvas), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Properties"));
    setAccessibleName(tr("Properties"));
    new QVBoxLayout(this);
    connect(&doc_, &DesignDocument::Changed, this, &PropertiesPanel::Rebuild);
    connect(&canvas_, &DesignCanvas::SelectionChanged, this, &PropertiesPanel::Rebuild);
    Rebuild();
}

void PropertiesPanel::Commit(const QString& what, const Edit& edit, QLabel* problem) {
    design::Design after = doc_.Current();
    edit(after);
    const std::vector<design::DesignProblem> problems = doc_.Apply(after, what);
    problem->setText(ProblemText(problems));
    problem->setVisible(!problems.empty());
}

// The rows are made again for each change; the control that had the focus gets it back.
void PropertiesPanel::Rebuild() {
    QWidget* focused = QApplication::focusWidget();
    const QString focusName =
        body_ && body_->isAncestorOf(focused) ? focused->objectName() : QString();
    if (body_) {
        // Out of the panel at once, deleted once the edit that called here has returned.
        body_->hide();
        body_->setParent(nullptr);
        body_->deleteLater();
    }
    body_ = new QWidget(this);
    rows_ = new QFormLayout(body_);
    layout()->addWidget(body_);
    const Selection& selected = canvas_.Selected();
    const design::Design& d = doc_.Current();
    if (selected.empty()) {
        BuildForm(d);
    } else if (selected.size() > 1) {
        rows_->addRow(new QLabel(tr("%1 items selected").arg(selected.size())));
    } else if (selected.begin()->kind == ItemKind::Field) {
        BuildField(*FindField(d, selected.begin()->slot));
    } else {
        BuildBanner(*FindBanner(d, selected.begin()->slot));
    }
    if (!focusName.isEmpty())
        if (auto* again = body_->findChild<QWidget*>(focusName)) again->setFocus();
}

QLabel* PropertiesPanel::AddRow(const QString& label, QWidget* control) {
    control->setObjectName(label);
    control->setAccessibleName(label);
    auto* cell = new QWidget;
    auto* stack = new QVBoxLayout(cell);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(control);
    auto* problem = new QLabel;
    problem->setObjectName(label + QStringLiteral(" problem"));
    problem->setWordWrap(true);
    problem->setStyleSheet(QStringLiteral("color: #B00020"));
    problem->hide();
    stack->addWidget(problem);
    rows_->addRow(label, cell);
    return problem;
}

void PropertiesPanel::AddNumber(const QString& label, int value,
                                std::function<void(design::Design&, int)> set) {
    auto* box = new QSpinBox;
    box->setRange(-kNumberLimit, kNumberLimit);
    box->setValue(value);
    box->setKeyboardTracking(false);
    QLabel* problem = AddRow(label, box);
    connect(box, &QSpinBox::valueChanged, this, [=, this](int v) {
        Commit(
            label, [&](design::Design& d) { set(d, v); }, problem);
    });
}

void PropertiesPanel::AddText(const QString& label, const std::string& value,
                              std::function<void(design::Design&, const std::string&)> set) {
    auto* edit = new QLineEdit(ToQString(value));
    QLabel* problem = AddRow(label, edit);
    connect(edit, &QLineEdit::editingFinished, this, [=, this] {
        const std::string text = FromQString(edit->text());
        Commit(
            label, [&](design::Design& d) { set(d, text); }, problem);
    });
}

void PropertiesPanel::AddColor(const QString& label, int32_t value,
                               std::function<void(design::Design&, int32_t)> set) {
    auto* button = new QPushButton;
    ShowSwatch(button, value);
    QLabel* problem = AddRow(label, button);
    connect(button, &QPushButton::clicked, this, [=, this] {
        const std::optional<uint32_t> picked = dialogs_.PickColor(static_cast<uint32_t>(value));
        if (!picked) return;
        Commit(
            label, [&](design::Design& d) { set(d, static_cast<int32_t>(*picked)); }, problem);
    });
}

void PropertiesPanel::AddFont(const QString& label, const design::Font& value,
                              std::function<design::Font&(design::Design&)> font) {
    auto* button = new QPushButton(FontText(value));
    QLabel* problem = AddRow(label, button);
    connect(button, &QPushButton::clicked, this, [=, this] {
        const FontChoice start{value.name, value.size, static_cast<uint8_t>(value.bold),
                               static_cast<uint8_t>(value.italic)};
        const std::optional<FontChoice> picked = dialogs_.PickFont({}, start);
        if (!picked) return;
        Commit(
            label,
            [&](design::Design& d) {
                design::Font& f = font(d);
                f.name = picked->Name;
                f.size = picked->Size;
                f.bold = picked->Bold;
                f.italic = picked->Italic;
            },
            problem);
    });
}

void PropertiesPanel::AddChoice(const QString& label, const QStringList& choices, int value,
                                std::function<void(design::Design&, int)> set) {
    auto* box = new QComboBox;
    box->addItems(choices);
    box->setCurrentIndex(value);
    QLabel* problem = AddRow(label, box);
    connect(box, &QComboBox::activated, this, [=, this](int index) {
        Commit(
            label, [&](design::Design& d) { set(d, index); }, problem);
    });
}

void PropertiesPanel::BuildField(const design::Field& f) {
    const int slot = f.slot;
    auto field = [slot](design::Design& d) -> design::Field& { return *FindField(d, slot); };
    AddText(tr("Name"), f.name,
            [=](design::Design& d, const std::string& v) { field(d).name = v; });
    AddNumber(tr("Length"), f.length, [=](design::Design& d, int v) { field(d).length = v; });
    AddNumber(tr("Page"), f.page, [=](design::Design& d, int v) { field(d).page = v; });
    AddNumber(tr("Left"), f.left, [=](design::Design& d, int v) { field(d).left = v; });
    AddNumber(tr("Top"), f.top, [=](design::Design& d, int v) { field(d).top = v; });
    AddNumber(tr("Width"), f.width, [=](design::Design& d, int v) { field(d).width = v; });
    AddNumber(tr("Height"), f.height, [=](design::Design& d, int v) { field(d).height = v; });
    AddNumber(tr("Offset"), f.offset, [=](design::Design& d, int v) { field(d).offset = v; });
    BuildCodes(f);
}

// One check box per input code, with the code's meaning; the codes keep the order in which
// they were given. A code that works against another one in the field's codes has a flag
// beside it, with the reason in its tool tip and in the box's accessible description.
void PropertiesPanel::BuildCodes(const design::Field& f) {
    auto* grid = new QWidget;
    auto* boxes = new QGridLayout(grid);
    boxes->setContentsMargins(0, 0, 0, 0);
    QLabel* problem = AddRow(tr("Input codes"), grid);
    const int slot = f.slot;
    const std::vector<design::FormatConflict> conflicts = design::FormatConflicts(f.format);
    int i = 0;
    for (const auto& [code, words] : design::kFormatCodeWords) {
        auto* box = new QCheckBox(QStringLiteral("%1  %2").arg(QChar(code)).arg(words));
        box->setObjectName(QStringLiteral("Code %1").arg(QChar(code)));
        box->setAccessibleName(tr("Input code %1: %2").arg(QChar(code)).arg(words));
        box->setChecked(f.format.find(code) != std::string::npos);
        const int row = i / 2, column = i % 2 * 2;
        boxes->addWidget(box, row, column);
        if (const QString reasons = ConflictReasons(conflicts, code); !reasons.isEmpty()) {
            box->setAccessibleDescription(reasons);
            boxes->addWidget(ConflictFlag(code, reasons), row, column + 1);
        }
        ++i;
        connect(box, &QCheckBox::toggled, this, [=, this](bool on) {
            Commit(
                tr("Input codes"),
                [&](design::Design& d) {
                    std::string& format = FindField(d, slot)->format;
                    std::erase(format, code);
                    if (on) format += code;
                },
                problem);
        });
    }
}

void PropertiesPanel::BuildBanner(const design::Banner& b) {
    const int slot = b.slot;
    auto banner = [slot](design::Design& d) -> design::Banner& { return *FindBanner(d, slot); };
    AddText(tr("Caption"), b.caption,
            [=](design::Design& d, const std::string& v) { banner(d).caption = v; });
    AddNumber(tr("Page"), b.page, [=](design::Design& d, int v) { banner(d).page = v; });
    AddNumber(tr("Left"), b.left, [=](design::Design& d, int v) { banner(d).left = v; });
    AddNumber(tr("Top"), b.top, [=](design::Design& d, int v) { banner(d).top = v; });
    AddFont(tr("Font"), b.font, [=](design::Design& d) -> design::Font& { return banner(d).font; });
    AddColor(tr("Text colour"), b.font.foreColor,
             [=](design::Design& d, int32_t v) { banner(d).font.foreColor = v; });
    AddColor(tr("Background colour"), b.font.backColor,
             [=](design::Design& d, int32_t v) { banner(d).font.backColor = v; });
}

void PropertiesPanel::BuildForm(const design::Design& d) {
    AddNumber(tr("Window width (twips)"), d.window.width,
              [](design::Design& x, int v) { x.window.width = v; });
    AddNumber(tr("Window height (twips)"), d.window.height,
              [](design::Design& x, int v) { x.window.height = v; });
    AddColor(tr("Window colour"), d.window.backColor,
             [](design::Design& x, int32_t v) { x.window.backColor = v; });
    AddFont(tr("Form font"), d.window.formFont,
            [](design::Design& x) -> design::Font& { return x.window.formFont; });
    AddFont(tr("Field font"), d.window.fieldFont,
            [](design::Design& x) -> design::Font& { return x.window.fieldFont; });
    AddColor(tr("Field text colour"), d.window.fieldFont.foreColor,
             [](design::Design& x, int32_t v) { x.window.fieldFont.foreColor = v; });
    AddColor(tr("Field background colour"), d.window.fieldFont.backColor,
             [](design::Design& x, int32_t v) { x.window.fieldFont.backColor = v; });
    AddChoice(tr("Date order"), {tr("Day first (DD/MM/YYYY)"), tr("Month first (MM/DD/YYYY)")},
              d.dateOrder == 2 ? 1 : 0,
              [](design::Design& x, int index) { x.dateOrder = index == 1 ? 2 : 1; });
    AddChoice(tr("Print orientation"), {tr("Portrait"), tr("Landscape")},
              d.printOrientation == 2 ? 1 : 0,
              [](design::Design& x, int index) { x.printOrientation = index == 1 ? 2 : 1; });
    for (int p = 1; p <= kMaxPages; ++p)
        AddText(tr("Heading of page %1").arg(p), d.pageHeadings[p - 1],
                [p](design::Design& x, const std::string& v) { x.pageHeadings[p - 1] = v; });
}

} // namespace tabulo::designer
