#include "Promotion.h"

#include "conventions/NumberText.h"

QString PromotionHeading(int stepIndex)
{
    return QStringLiteral("Vous êtes promouvable au ") + FormatInteger(std::int32_t(stepIndex + 2))
        + QStringLiteral("e échelon");
}

RhythmCaptions RhythmCaptionsOf(Corps corps)
{
    if (corps == Corps::ProfesseurDesEcoles)
        return { QStringLiteral("au grand choix ;"), QStringLiteral("au choix ;") };
    return { QStringLiteral("au choix ;"), QStringLiteral("au mi-choix ;") };
}

std::array<DateValue, 3> ComputePromotionDates(
    DateValue promotionDate, const StepDurations& durations)
{
    const DateValue fast = AddMonths(promotionDate, durations.FastMonths);
    const DateValue middle = AddMonths(promotionDate, durations.MiddleMonths);
    const DateValue seniority = AddMonths(promotionDate, durations.SeniorityMonths);
    return { fast, middle, seniority };
}
