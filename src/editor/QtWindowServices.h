#pragma once
// The program's own window services: the desktop opens addresses, the about box is shown
// modally.

#include "editor/EditorServices.h"

namespace tabulo {

class QtWindowServices : public WindowServices {
public:
    void OpenDocument(QWidget* owner, const QString& address) override;
    void ShowAbout(QWidget* owner) override;
    void ShowHelpContents(QWidget* owner) override;
};

} // namespace tabulo
