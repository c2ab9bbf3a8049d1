#pragma once
// The station the desk's tests and benchmarks log from, and the desk opened as the setup
// screen hands it over. Plain C++: the benchmarks use it as well.

#include "desk/desk_form.h"
#include "core/shared_state.h"

#include <QLatin1String>
#include <QString>

namespace korvel::testing {

// YO9XX in KN34BW: Europe, ITU zone 28, CQ zone 20.
inline void setStation(SharedState& s) {
    s.MyCall = QStringLiteral("YO9XX");
    s.MyPrfx = QStringLiteral("YO");
    s.MyCont = QStringLiteral("Eu");
    s.MyZone = QStringLiteral("28");
    s.MyCQZone = QStringLiteral("20");
    s.MyQRA = QStringLiteral("KN34BW");
}

// The desk handed over from the setup screen and opened.
inline void openDesk(DeskForm& desk) {
    desk.handOver();
    desk.open();
}

// The same, then the band's button (Cmd20 for 20 m) and the mode's (CW or SSB) pressed.
inline void openDesk(DeskForm& desk, int band, const char* mode) {
    openDesk(desk);
    desk.click(QStringLiteral("Cmd%1").arg(band));
    desk.click(QLatin1String(mode) == QLatin1String("CW") ? QStringLiteral("CmdCW")
                                                          : QStringLiteral("CmdSSB"));
}

} // namespace korvel::testing
