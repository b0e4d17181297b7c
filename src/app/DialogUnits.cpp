#include "DialogUnits.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

int mulDiv(int number, int numerator, int denominator)
{
    return (number * numerator + denominator / 2) / denominator;
}

} // namespace

DialogUnits::DialogUnits(const QFontMetrics& metrics)
    : x(mulDiv(metrics.horizontalAdvance(
                   QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
        1, 52))
    , y(metrics.height())
{
}

int DialogUnits::horizontal(int quarters) const { return mulDiv(quarters, x, 4); }

int DialogUnits::vertical(int eighths) const { return mulDiv(eighths, y, 8); }

QRect ScreenOf(const QWidget& dialog)
{
    const QWidget* parent = dialog.parentWidget();
    return (parent ? parent->screen() : QGuiApplication::primaryScreen())->geometry();
}

void CentreOnScreen(QWidget& dialog)
{
    const QRect screen = ScreenOf(dialog);
    dialog.move(screen.x() + screen.width() / 2 - dialog.width() / 2,
        screen.y() + screen.height() / 2 - dialog.height() / 2);
}
