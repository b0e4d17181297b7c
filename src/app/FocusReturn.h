#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

// Gives the focus back, when a modal dialog is over, to the control that had it before,
// whether or not the platform reactivates the window by itself.
class FocusReturn {
public:
    FocusReturn()
        : m_focus(QApplication::focusWidget())
    {
    }
    ~FocusReturn()
    {
        if (!m_focus)
            return;
        m_focus->activateWindow();
        m_focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> m_focus;
};
