#pragma once

#include <QtTest>

#include <functional>

// Acts on the next modal dialog once it is open and active, while the code under test waits
// in the dialog's event loop.
inline void WhenDialogOpens(std::function<void(QWidget* dialog)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* dialog = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((dialog = QApplication::activeModalWidget()) != nullptr, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == dialog, 5000);
        action(dialog);
    });
}

// Types keys at whatever has the focus in the dialog.
inline void PressKey(QWidget* dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : dialog;
    QTest::keyClick(target, key, modifiers);
}
