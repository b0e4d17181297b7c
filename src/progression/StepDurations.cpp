#include "StepDurations.h"

#include <array>

namespace {

constexpr std::array<StepDurations, 10> kProfesseurDesEcoles { {
    { 3, 3, 3 },
    { 9, 9, 9 },
    { 12, 12, 12 },
    { 24, 30, 30 },
    { 30, 36, 42 },
    { 30, 36, 42 },
    { 30, 36, 42 },
    { 30, 48, 54 },
    { 36, 48, 60 },
    { 36, 54, 66 },
} };

constexpr std::array<StepDurations, 10> kInstituteur { {
    { 9, 9, 9 },
    { 9, 9, 9 },
    { 12, 12, 12 },
    { 15, 18, 18 },
    { 15, 18, 18 },
    { 15, 18, 30 },
    { 30, 42, 54 },
    { 30, 42, 54 },
    { 30, 48, 54 },
    { 36, 48, 54 },
} };

} // namespace

std::optional<StepDurations> DurationsOf(Corps corps, int stepIndex)
{
    if (stepIndex < 0 || stepIndex > 9)
        return std::nullopt;
    const auto& table = corps == Corps::ProfesseurDesEcoles ? kProfesseurDesEcoles : kInstituteur;
    return table[std::size_t(stepIndex)];
}

StepDurations& currentDurations()
{
    static StepDurations durations;
    return durations;
}

void SelectDurations(Corps corps, int stepIndex)
{
    if (const auto durations = DurationsOf(corps, stepIndex))
        currentDurations() = *durations;
}
