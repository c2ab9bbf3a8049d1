#include "desk/desk_controls.h"

#include "core/shared_state.h"

namespace korvel::desk_ctl {

namespace {

// The number after `prefix` when it is 1..11, else 0.
int numberAfter(const QString& name, QLatin1String prefix) {
    if (!name.startsWith(prefix)) return 0;
    bool ok = false;
    const int n = name.mid(prefix.size()).toInt(&ok);
    return ok && n >= 1 && n <= kMessageKeys ? n : 0;
}

QString bandNumber(int index) {
    return QString::number(kBands[static_cast<std::size_t>(index)]);
}

} // namespace

int messageTextNumber(const QString& name) {
    return numberAfter(name, QLatin1String("TxtF"));
}

int messageButtonNumber(const QString& name) {
    return numberAfter(name, QLatin1String("CmdF"));
}

QString bandButton(int index) {
    return QLatin1String("Cmd") + bandNumber(index);
}

QString bandLabel(int index) {
    return QLatin1String("Lbl") + bandNumber(index);
}

QString tallyLabel(Tally column, int row) {
    static constexpr const char* kBase[] = {"LblBand", "LblQSO", "LblPkt", "LblMlt"};
    const QString base = QLatin1String(kBase[static_cast<int>(column)]);
    return row == 0 ? base : base + QString::number(row);
}

} // namespace korvel::desk_ctl
