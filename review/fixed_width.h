#pragma once
// Fixed-width text fields of the export files: a value padded with blanks on the right or
// cut to the width.

#include <QString>

namespace korvel::review {

inline QString fixedWidth(const QString& value, int width) {
    return value.size() >= width ? value.left(width) : value.leftJustified(width, QLatin1Char(' '));
}

} // namespace korvel::review
