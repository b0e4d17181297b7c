#include "UpperCaseEdit.h"

#include <QValidator>

namespace {

class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

} // namespace

UpperCaseEdit::UpperCaseEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setValidator(new UpperCaseValidator(this));
}
