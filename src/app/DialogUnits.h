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

class QWidget;

// The geometry of the screen a dialog opens on: its parent's, or the primary one.
QRect ScreenOf(const QWidget& dialog);

// Left = screen width / 2 - dialog width / 2, and the same for the top.
void CentreOnScreen(QWidget& dialog);
