// Driving the dialogs as a user does: keys and clicks on the real widgets, message boxes read
// and closed as they come up.
#pragma once

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "ModalHelpers.h"

namespace kiova::testing {

// Closes the next message box and leaves its text in `text`.
inline void CloseNextMessage(QString& text) {
    WhenOpen<QMessageBox>([&text](QMessageBox& box) {
        text = box.text();
        box.accept();
    });
}

template <class T>
T& Child(QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (!child) throw std::runtime_error(std::string("no control ") + name);
    return *child;
}

// Japanese arrives through the input method.
inline void Compose(QWidget& widget, const char* utf8) {
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8(utf8));
    QCoreApplication::sendEvent(&widget, &composed);
}

inline void Click(QWidget& widget) {
    QTest::mouseClick(&widget, Qt::LeftButton);
}

inline void Step(QSpinBox& spin, int steps) {
    for (int i = 0; i < std::abs(steps); ++i)
        QTest::keyClick(&spin, steps > 0 ? Qt::Key_Up : Qt::Key_Down);
}

inline void ClickTab(QTabWidget& pages, int index) {
    QTabBar* bar = pages.tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

}  // namespace kiova::testing
