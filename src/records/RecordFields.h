#pragma once

#include "IdentityRecord.h"

#include <array>
#include <functional>

// The window control that shows each text field of a record, in the order the window is
// filled from a record. The name lives in the name list and the step in the step group.
struct FieldControl {
    RecordField field;
    const char* control;
};
inline constexpr std::array<FieldControl, 12> kFieldControls { {
    { RecordField::PromotionDate, "MaskEdit1" },
    { RecordField::InspectionDate, "MaskEdit2" },
    { RecordField::Mark, "Edit4" },
    { RecordField::Appraisal, "Edit5" },
    { RecordField::SeniorityStart, "MaskEdit4" },
    { RecordField::Numen, "Edit9" },
    { RecordField::Gestion1, "Edit10" },
    { RecordField::Gestion2, "Edit11" },
    { RecordField::Poste, "Edit12" },
    { RecordField::Min, "Edit13" },
    { RecordField::Dossier, "Edit14" },
    { RecordField::Letter, "Edit15" },
} };

// Stores the step (index 0..9 written as "1".."10") and the text of each control into the
// record; the name is left as it is.
void TakeFields(IdentityRecord& record, int stepIndex,
    const std::function<QString(const char* control)>& textOf);

// The step index a record names: its Step read as an integer, minus one. Throws the
// conversion error of a Step that is not an integer.
int StepIndexOf(const IdentityRecord& record);
