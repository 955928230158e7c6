#pragma once
// Base of the dialog tests: every test gets the process's current directory back
// afterwards, since the file dialog moves it.

#include "dialogs/modDlg.h"

#include <QDir>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

namespace tabulo::test {

class DialogTest : public ::testing::Test {
protected:
    DialogTest() : savedDirectory_(QDir::currentPath()) {}
    ~DialogTest() override { QDir::setCurrent(savedDirectory_); }

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
