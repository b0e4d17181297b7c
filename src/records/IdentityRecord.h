#pragma once

#include <QString>

#include <array>
#include <cstdint>

// One person's data: 14 length-prefixed single-byte texts of fixed capacity, 153 bytes,
// laid out the same in memory and in the data file.
struct IdentityRecord {
    static constexpr int kSize = 153;
    std::array<std::uint8_t, kSize> bytes {};
};

enum class RecordField {
    Name,
    Step,
    PromotionDate,
    Mark,
    InspectionDate,
    Appraisal,
    SeniorityStart,
    Numen,
    Gestion1,
    Gestion2,
    Poste,
    Min,
    Dossier,
    Letter,
};

struct FieldLayout {
    int offset; // of the length byte
    int capacity; // text bytes after it
};

// In the order of RecordField.
inline constexpr std::array<FieldLayout, 14> kFieldLayouts { {
    { 0, 20 }, // Name
    { 21, 2 }, // Step
    { 24, 10 }, // PromotionDate
    { 35, 6 }, // Mark
    { 42, 10 }, // InspectionDate
    { 53, 20 }, // Appraisal
    { 74, 10 }, // SeniorityStart
    { 85, 20 }, // Numen
    { 106, 10 }, // Gestion1
    { 117, 10 }, // Gestion2
    { 128, 10 }, // Poste
    { 139, 5 }, // Min
    { 145, 5 }, // Dossier
    { 151, 1 }, // Letter
} };

constexpr FieldLayout LayoutOf(RecordField field) { return kFieldLayouts[std::size_t(field)]; }

// The field's text: exactly as many bytes as its length byte says, decoded from Windows-1252.
QString ReadField(const IdentityRecord& record, RecordField field);

// Zeros every field's bytes after its text, and cuts a length byte beyond its field's
// capacity (a damaged file) to that capacity: what the record reads stays the same, and what
// an older program left after the texts goes no further.
void ClearFieldTails(IdentityRecord& record);

// Stores the text cut to the field's capacity, in Windows-1252, with zeros after it.
// Numen keeps its letters a to z in capitals. A character Windows-1252 cannot hold is
// stored as "?", as the Windows controls the format comes from would give it.
void WriteField(IdentityRecord& record, RecordField field, const QString& text);
