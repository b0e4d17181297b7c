#pragma once

#include <cstdint>
#include <optional>

enum class Corps { ProfesseurDesEcoles, Instituteur };

// Months after which the holder of a step becomes promotable, one count per promotion rhythm.
struct StepDurations {
    std::int32_t FastMonths = 0;
    std::int32_t MiddleMonths = 0;
    std::int32_t SeniorityMonths = 0;
    friend bool operator==(const StepDurations&, const StepDurations&) = default;
};

// The row of the corps' table for a step index 0..9 (steps 1 to 10); empty for any other index.
std::optional<StepDurations> DurationsOf(Corps corps, int stepIndex);

// The durations the last selection chose; 0, 0, 0 until the first.
StepDurations& currentDurations();

// Copies the row into currentDurations(); an index outside 0..9 leaves it as it was.
void SelectDurations(Corps corps, int stepIndex);
