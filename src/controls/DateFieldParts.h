#pragma once

#include <QChar>
#include <QString>

#include <array>

// The three parts of a date field's text, each exactly as long as the field shows it.
struct DateFieldParts {
    std::array<QString, 3> parts;
    QString join() const { return parts[0] + parts[1] + parts[2]; }
};

// Fits a text written by the program into parts of the given lengths: split at the
// delimiter, a short part is padded with blanks on its left and a long one keeps its last
// characters. A text without exactly two delimiters fills the positions from the left.
DateFieldParts FitDateParts(const QString& text, QChar delimiter, std::array<int, 3> lengths);
