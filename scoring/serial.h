#pragma once
// Sent serial numbers: three digits with leading zeros up to 999, plain from 1000 on.

#include <QString>

namespace korvel::scoring {

QString formatSerial(long long n);

struct SerialStep {
    QString used; // the number just sent (LblRaport)
    QString next; // the next number (TxtRSTE2)
};

// After a logged QSO: the field's number n (its leading digits) is used, n + 1 comes
// next ("009" -> "010", "099" -> "100", "999" -> "1000"). A field that holds no number
// counts as 0.
SerialStep nextSerial(const QString& field);

// Resuming from the last logged QSO's Sent column ("599 014"): the serial is the number
// after the first blank (the whole text when it holds none); with no QSO (empty text) or
// a serial of 0, "000" was used and "001" comes next.
SerialStep resumeSerial(const QString& lastSent);

} // namespace korvel::scoring
