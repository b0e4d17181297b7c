#pragma once

#include "IdentityRecord.h"

#include <array>
#include <functional>

// A text field of a record and how many characters it keeps.
struct TextField {
    RecordField field;
    int capacity;
};

constexpr TextField TextFieldOf(RecordField field) { return { field, LayoutOf(field).capacity }; }

// The record's text fields in the order the window is filled from them. The name lives in the
// name list and the step in the step group.
inline constexpr std::array<TextField, 12> kTextFieldsInFillOrder {
    TextFieldOf(RecordField::PromotionDate),
    TextFieldOf(RecordField::InspectionDate),
    TextFieldOf(RecordField::Mark),
    TextFieldOf(RecordField::Appraisal),
    TextFieldOf(RecordField::SeniorityStart),
    TextFieldOf(RecordField::Numen),
    TextFieldOf(RecordField::Gestion1),
    TextFieldOf(RecordField::Gestion2),
    TextFieldOf(RecordField::Poste),
    TextFieldOf(RecordField::Min),
    TextFieldOf(RecordField::Dossier),
    TextFieldOf(RecordField::Letter),
};

// Stores the step (index 0..9 written as "1".."10") and each text field as `textOf` gives it;
// the name is left as it is.
void TakeFields(
    IdentityRecord& record, int stepIndex, const std::function<QString(RecordField field)>& textOf);

// The step index a record names: its Step read as an integer, minus one. Throws the
// conversion error of a Step that is not an integer.
int StepIndexOf(const IdentityRecord& record);
