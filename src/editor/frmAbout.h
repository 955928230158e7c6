#pragma once
// frmAbout: the modal box with the program's name and version.

#include <QDialog>

namespace tabulo {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent);
};

QString ProgramVersion();

} // namespace tabulo
