#pragma once

#include "StepDurations.h"
#include "conventions/Calendar.h"

#include <QString>

#include <array>

// "Vous êtes promouvable au <step index + 2>e échelon".
QString PromotionHeading(int stepIndex);

// What the labels beside the first two promotion dates call their rhythms.
struct RhythmCaptions {
    QString fast;
    QString middle;
};
RhythmCaptions RhythmCaptionsOf(Corps corps);

// The dates promotable under the fast, middle and seniority rhythms, each counted from
// the promotion date itself (the day clamp makes the order of additions matter).
std::array<DateValue, 3> ComputePromotionDates(
    DateValue promotionDate, const StepDurations& durations);
