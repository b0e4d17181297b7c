#include "RecordFields.h"

#include "conventions/NumberText.h"

void TakeFields(
    IdentityRecord& record, int stepIndex, const std::function<QString(const char*)>& textOf)
{
    WriteField(record, RecordField::Step, FormatInteger(std::int32_t(stepIndex + 1)));
    for (const FieldControl& binding : kFieldControls)
        WriteField(record, binding.field, textOf(binding.control));
}

int StepIndexOf(const IdentityRecord& record)
{
    return ParseInteger(ReadField(record, RecordField::Step)) - 1;
}
