#include "help/frmHelp.h"

#include "dialogs/QtText.h"
#include "engine/DBHeader.h"
#include "engine/Reporter.h"
#include "help/HelpText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tabulo {
namespace {

QFont HelpFont(double points, bool bold) {
    QFont font("Lucida Console");
    font.setStyleHint(QFont::Monospace); // where that face is missing, another fixed one
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

frmHelp::frmHelp(FilePath path, const std::string& topic, Reporter& reporter, QWidget* parent)
    : QDialog(parent), path_(std::move(path)), reporter_(reporter) {
    setObjectName("frmHelp");
    setWindowTitle("Help");
    resize(720, 480);
    toc_ = new QListWidget(this);
    toc_->setObjectName("TOC");
    toc_->setFont(HelpFont(8.25, false));
    toc_->setFixedWidth(230);
    heading_ = new QLabel(this);
    heading_->setObjectName("Heading");
    heading_->setFont(HelpFont(9.75, true));
    help_ = new QPlainTextEdit(this);
    help_->setObjectName("Help");
    help_->setFont(HelpFont(8.25, false));
    help_->setReadOnly(true);

    auto* right = new QVBoxLayout;
    right->addWidget(heading_);
    right->addWidget(help_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(toc_);
    layout->addLayout(right);

    LoadTopics(topic);
    connect(toc_, &QListWidget::currentRowChanged, this, &frmHelp::ShowSelectedTopic);
}

void frmHelp::LoadTopics(const std::string& topic) {
    const std::optional<std::vector<std::string>> entries = ReadHelpEntries(path_);
    if (!entries || entries->empty()) return ReportLoadError();
    for (const std::string& entry : *entries)
        toc_->addItem(ToQString(entry));
    toc_->setCurrentRow(TopicIndex(*entries, topic));
    ShowSelectedTopic();
}

void frmHelp::ShowSelectedTopic() {
    const QListWidgetItem* entry = toc_->currentItem();
    if (entry == nullptr) return;
    const std::string title = FromQString(entry->text());
    heading_->setText(ToQString(TrimSpaces(title)));
    help_->clear();
    const std::optional<std::string> text = ReadHelpTopic(path_, HeadingLineOf(title));
    if (!text) return ReportLoadError();
    help_->setPlainText(ToQString(*text).replace("\r\n", "\n"));
}

void frmHelp::ReportLoadError() {
    reporter_.Message("Help", "Help file load error", MsgIcon::Critical);
}

} // namespace tabulo
