#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <vector>

// Answers the modal dialogs the code under test opens, one step per dialog in order, and
// records what each dialog said. A dialog beyond the script is recorded and closed. The
// newest script alive is the one that answers.
class DialogScript : public QObject {
public:
    using Step = std::function<void(QWidget* dialog)>;

    explicit DialogScript(std::vector<Step> steps = {})
        : m_steps(std::move(steps))
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &DialogScript::poll);
        m_timer.start();
        m_previous = std::exchange(current(), this);
    }
    ~DialogScript() override
    {
        if (current() == this)
            current() = m_previous;
    }

    // What each dialog showed: a message box's text, or a query's caption.
    QStringList seen;
    bool done() const { return m_next >= m_steps.size(); }

private:
    void poll()
    {
        if (current() != this)
            return;
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || dialog == m_last || !dialog->isVisible())
            return;
        // A dialog opened while a mouse button is handled may wait for its activation.
        if (QApplication::activeWindow() != dialog) {
            dialog->activateWindow();
            return;
        }
        m_last = dialog;
        seen << messageOf(dialog);
        if (m_next < m_steps.size())
            m_steps[m_next++](dialog);
        else
            dialog->close();
    }

    static QString messageOf(QWidget* dialog)
    {
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            return box->text();
        if (auto* label = dialog->findChild<QLabel*>(QStringLiteral("Message")))
            return label->text();
        return dialog->windowTitle();
    }

    static DialogScript*& current()
    {
        static DialogScript* script = nullptr;
        return script;
    }

    std::vector<Step> m_steps;
    DialogScript* m_previous = nullptr;
    std::size_t m_next = 0;
    QPointer<QWidget> m_last;
    QTimer m_timer;
};

inline DialogScript::Step ClickButton(const QString& name)
{
    return [name](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            box->button(QMessageBox::Ok)->click();
            return;
        }
        dialog->findChild<QPushButton*>(name)->click();
    };
}

inline DialogScript::Step EnterName(const QString& name)
{
    return [name](QWidget* dialog) {
        dialog->findChild<QLineEdit*>()->setText(name);
        dialog->findChild<QPushButton*>(QStringLiteral("OK"))->click();
    };
}

inline DialogScript::Step CloseBox()
{
    return [](QWidget* dialog) { dialog->close(); };
}
