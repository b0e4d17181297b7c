#pragma once

#include <QFontMetrics>

// Dialog metrics in units of the dialog font: x is its average character width, y its height.
struct DialogUnits {
    explicit DialogUnits(const QFontMetrics& metrics);
    // n quarters of x, n eighths of y, rounded.
    int horizontal(int quarters) const;
    int vertical(int eighths) const;

    int x;
    int y;
};
