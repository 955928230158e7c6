#pragma once
// Base of the dialog tests: every test starts with empty dialog parameters, the GUI runner,
// day-first dates, and gets the process's current directory back afterwards.

#include "dialogs/modDlg.h"

#include <QDir>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

namespace tabulo::test {

class DialogTest : public ::testing::Test {
protected:
    DialogTest() : savedDirectory_(QDir::currentPath()) {
        using namespace modDlg;
        DlgTitle = DlgFileName = DlgPath = DlgPattern = DlgDate = DlgValue = DlgMask = "";
        DlgSaveMode = false;
        DlgPickX = DlgPickY = 0;
        DlgMaxLen = 0;
        DlgColor = 0;
        DlgFontName = "";
        DlgFontSize = 0;
        DlgFontBold = DlgFontItalic = 0;
        SetRunner(nullptr);
        SetDateOrderSource(nullptr);
    }
    ~DialogTest() override {
        QDir::setCurrent(savedDirectory_);
        modDlg::SetRunner(nullptr);
        modDlg::SetDateOrderSource(nullptr);
    }

    template <typename T> static T* Child(const QWidget& window, const char* name) {
        T* child = window.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static QString TextOf(const QWidget& window, const char* name) {
        return Child<QLabel>(window, name)->text();
    }

private:
    QString savedDirectory_;
};

} // namespace tabulo::test
