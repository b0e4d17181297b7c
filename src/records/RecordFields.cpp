#include "RecordFields.h"

#include "conventions/NumberText.h"

void TakeFields(
    IdentityRecord& record, int stepIndex, const std::function<QString(RecordField)>& textOf)
{
    WriteField(record, RecordField::Step, FormatInteger(std::int32_t(stepIndex + 1)));
    for (const TextField& text : kTextFieldsInFillOrder)
        WriteField(record, text.field, textOf(text.field));
}

int StepIndexOf(const IdentityRecord& record)
{
    return ParseInteger(ReadField(record, RecordField::Step)) - 1;
}
