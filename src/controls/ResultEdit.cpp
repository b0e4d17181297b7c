#include "ResultEdit.h"

#include <QValidator>

namespace {

// A validator judges typing and pasting only; setText() bypasses it.
class TypingLimit : public QValidator {
public:
    explicit TypingLimit(ResultEdit* edit)
        : QValidator(edit)
        , m_edit(edit)
    {
    }
    State validate(QString& input, int&) const override
    {
        return input.size() <= m_edit->typingLimit() ? Acceptable : Invalid;
    }

private:
    const ResultEdit* m_edit;
};

} // namespace

ResultEdit::ResultEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
    setValidator(new TypingLimit(this));
}
