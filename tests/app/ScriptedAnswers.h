#pragma once

#include "PendingEvents.h"
#include "app/Presenter.h"

#include <QtTest>

#include <functional>
#include <vector>

// Answers the program's boxes in the tests, one step per box in order, without showing any,
// and keeps what each said in `seen`: an error report's or a message box's text, a query's or
// a file dialog's caption. A box beyond the script fails the running test at once and is
// answered as by its close box, so that nothing ever waits. The newest script alive answers.
class ScriptedAnswers : public Presenter {
public:
    // One box as the program asked for it.
    struct Box {
        enum Kind { ErrorReport, Ask, Notice, NameQuery, SheetFile, Printer } kind;
        QString said; // what `seen` keeps
        QString text = {}; // the query's preset text, or the suggested file
        DialogButtons buttons = {};
        DialogResult focus = DialogResult::None;
    };
    // The answer: the button that closed it and, for a query or a file dialog, the text.
    struct Answer {
        DialogResult result = DialogResult::Cancel;
        std::optional<QString> text;
    };
    using Step = std::function<Answer(const Box& box)>;

    explicit ScriptedAnswers(std::vector<Step> steps = {})
        : m_steps(std::move(steps))
        , m_inPlace(*this)
    {
    }

    QStringList seen;
    std::vector<Box> boxes;
    bool done() const { return m_next >= m_steps.size(); }

    void ShowErrorReport(QWidget*, const QString& text) override
    {
        answer({ Box::ErrorReport, text, {}, DialogButton::OK });
    }
    DialogResult Ask(QWidget*, const MessageRequest& request, DialogResult focus, int, int) override
    {
        return answer({ Box::Ask, request.message, {}, request.buttons, focus }).result;
    }
    DialogResult Notify(QWidget*, const MessageRequest& request) override
    {
        return answer({ Box::Notice, request.message, {}, request.buttons }).result;
    }
    bool QueryName(QWidget*, const QString& caption, const QString&, QString& text) override
    {
        const Answer given = answer({ Box::NameQuery, caption, text });
        if (given.result != DialogResult::OK)
            return false;
        text = given.text.value_or(text);
        return true;
    }
    std::optional<QString> ChooseSheetFile(
        QWidget*, const QString& caption, const QString& suggested) override
    {
        const Answer given = answer({ Box::SheetFile, caption, suggested });
        if (given.result != DialogResult::OK)
            return std::nullopt;
        return given.text.value_or(suggested);
    }
    bool ChoosePrinter(QWidget*, const QString& caption, QPrinter&) override
    {
        return answer({ Box::Printer, caption }).result == DialogResult::OK;
    }

private:
    Answer answer(const Box& box)
    {
        seen << box.said;
        boxes.push_back(box);
        if (m_next < m_steps.size())
            return m_steps[m_next++](box);
        QTest::qFail(qPrintable(QStringLiteral("boîte inattendue : « %1 »").arg(box.said)),
            __FILE__, __LINE__);
        return {};
    }

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    PresenterInPlace m_inPlace;
};

// The button of that name ("Yes", "No", "OK", "Cancel"); a query keeps its preset text.
inline ScriptedAnswers::Step ClickButton(const QString& name)
{
    static const QHash<QString, DialogResult> results { { "Yes", DialogResult::Yes },
        { "No", DialogResult::No }, { "OK", DialogResult::OK },
        { "Cancel", DialogResult::Cancel } };
    const DialogResult result = results.value(name, DialogResult::None);
    return [result](const ScriptedAnswers::Box&) { return ScriptedAnswers::Answer { result, {} }; };
}

// A name typed in the query, then OK.
inline ScriptedAnswers::Step EnterName(const QString& name)
{
    return [name](const ScriptedAnswers::Box& box) {
        if (box.kind != ScriptedAnswers::Box::NameQuery)
            QTest::qFail("une demande de nom était attendue", __FILE__, __LINE__);
        return ScriptedAnswers::Answer { DialogResult::OK, name };
    };
}

// A file name given to the file dialog, then Enregistrer.
inline ScriptedAnswers::Step SaveAs(const QString& file)
{
    return [file](const ScriptedAnswers::Box& box) {
        if (box.kind != ScriptedAnswers::Box::SheetFile)
            QTest::qFail("une boîte d'enregistrement était attendue", __FILE__, __LINE__);
        return ScriptedAnswers::Answer { DialogResult::OK, file };
    };
}

// The close box, Escape in a file dialog: Cancel.
inline ScriptedAnswers::Step CloseBox()
{
    return [](const ScriptedAnswers::Box&) { return ScriptedAnswers::Answer {}; };
}
