#include "core/shared_state.h"

#include <variant>

namespace korvel {

int bandIndex(int band) {
    for (std::size_t i = 0; i < kBands.size(); ++i)
        if (kBands[i] == band) return static_cast<int>(i);
    return -1;
}

namespace {

std::array<QString SharedState::*, 11> cwMembers() {
    return {&SharedState::CwTextF1,  &SharedState::CwTextF2, &SharedState::CwTextF3,
            &SharedState::CwTextF4,  &SharedState::CwTextF5, &SharedState::CwTextF6,
            &SharedState::CwTextF7,  &SharedState::CwTextF8, &SharedState::CwTextF9,
            &SharedState::CwTextF10, &SharedState::CwTextF11};
}

using Member =
    std::variant<QString SharedState::*, int SharedState::*, double SharedState::*,
                 float SharedState::*, QVariant SharedState::*, Flag SharedState::*,
                 Numbering SharedState::*, ModeRule SharedState::*, HelpLanguage SharedState::*>;
static_assert(std::is_same_v<std::int32_t, int>, "LookupBeam is reached as an int field");

struct NamedField {
    const char* name;
    Member member;
};

#define KORVEL_FIELD(f)                                                                            \
    NamedField {                                                                                   \
#f, &SharedState::f                                                                        \
    }

const std::array kFields = {
    KORVEL_FIELD(ContestCode),    KORVEL_FIELD(ContestName),
    KORVEL_FIELD(ContestMode),    KORVEL_FIELD(Language),
    KORVEL_FIELD(SetupDone),      KORVEL_FIELD(OffLineInput),
    KORVEL_FIELD(MyCall),         KORVEL_FIELD(MyPrfx),
    KORVEL_FIELD(MyCont),         KORVEL_FIELD(MyZone),
    KORVEL_FIELD(MyCQZone),       KORVEL_FIELD(MyBezirk),
    KORVEL_FIELD(MyQRA),          KORVEL_FIELD(MyQRACalc),
    KORVEL_FIELD(TimeOffset),     KORVEL_FIELD(MyLat),
    KORVEL_FIELD(MyLon),          KORVEL_FIELD(Mode),
    KORVEL_FIELD(Band),           KORVEL_FIELD(BandText),
    KORVEL_FIELD(CwByPc),         KORVEL_FIELD(SsbByPc),
    KORVEL_FIELD(SoundCard),      KORVEL_FIELD(CwRepeat),
    KORVEL_FIELD(SsbRepeat),      KORVEL_FIELD(DxClusterOn),
    KORVEL_FIELD(NrConst),        KORVEL_FIELD(CwPhMode),
    KORVEL_FIELD(NextNr),         KORVEL_FIELD(ComPort),
    KORVEL_FIELD(StartDate),      KORVEL_FIELD(StartTime),
    KORVEL_FIELD(StartDateFmt),   KORVEL_FIELD(StartTimeFmt),
    KORVEL_FIELD(CwTextF1),       KORVEL_FIELD(CwTextF2),
    KORVEL_FIELD(CwTextF3),       KORVEL_FIELD(CwTextF4),
    KORVEL_FIELD(CwTextF5),       KORVEL_FIELD(CwTextF6),
    KORVEL_FIELD(CwTextF7),       KORVEL_FIELD(CwTextF8),
    KORVEL_FIELD(CwTextF9),       KORVEL_FIELD(CwTextF10),
    KORVEL_FIELD(CwTextF11),      KORVEL_FIELD(SummaryOperators),
    KORVEL_FIELD(SummaryOpName),  KORVEL_FIELD(SummaryOperatorCount),
    KORVEL_FIELD(SummaryQTH),     KORVEL_FIELD(SummaryTx),
    KORVEL_FIELD(SummaryRx),      KORVEL_FIELD(SummaryAnt1),
    KORVEL_FIELD(SummaryAddress), KORVEL_FIELD(SummaryAnt2),
    KORVEL_FIELD(SummaryAnt3),    KORVEL_FIELD(SummaryAnt4),
    KORVEL_FIELD(SummaryAnt5),    KORVEL_FIELD(AppDir),
    KORVEL_FIELD(DataDir),        KORVEL_FIELD(FileNo),
    KORVEL_FIELD(RawCall),        KORVEL_FIELD(LookupCall),
    KORVEL_FIELD(MyCallTrim),     KORVEL_FIELD(LookupId),
    KORVEL_FIELD(LookupCountry),  KORVEL_FIELD(LookupCnt),
    KORVEL_FIELD(LookupCtyPfx),   KORVEL_FIELD(LookupPfx),
    KORVEL_FIELD(LookupITU),      KORVEL_FIELD(LookupCQ),
    KORVEL_FIELD(LookupBeam),     KORVEL_FIELD(LearnedExchange),
    KORVEL_FIELD(RcvdReport),     KORVEL_FIELD(RcvdExchange),
    KORVEL_FIELD(SentReport),     KORVEL_FIELD(SentExchange),
    KORVEL_FIELD(MultValue),      KORVEL_FIELD(Mult1Value),
    KORVEL_FIELD(QsoPoints),      KORVEL_FIELD(MsgStyle),
    KORVEL_FIELD(MsgPrompt),      KORVEL_FIELD(MsgResult),
    KORVEL_FIELD(MsgTitle),       KORVEL_FIELD(ScreenWidthPx),
    KORVEL_FIELD(ScreenHeightPx), KORVEL_FIELD(ScaleX),
    KORVEL_FIELD(ScaleY),
};

#undef KORVEL_FIELD

const NamedField* findField(const QString& name) {
    for (const auto& f : kFields)
        if (name == QLatin1String(f.name)) return &f;
    return nullptr;
}

// Sets an enum field from its number; a number that is none of `values` is refused.
template <class E> bool setEnum(E& field, const QString& value, std::initializer_list<E> values) {
    bool ok = false;
    const int v = value.trimmed().toInt(&ok);
    if (!ok) return false;
    for (E e : values)
        if (static_cast<int>(e) == v) {
            field = e;
            return true;
        }
    return false;
}

template <class... F> struct Overload : F... { using F::operator()...; };
template <class... F> Overload(F...) -> Overload<F...>;

} // namespace

QString& SharedState::cwText(int n) {
    return this->*cwMembers().at(static_cast<std::size_t>(n - 1));
}

const QString& SharedState::cwText(int n) const {
    return this->*cwMembers().at(static_cast<std::size_t>(n - 1));
}

bool setField(SharedState& state, const QString& name, const QString& value) {
    const NamedField* field = findField(name);
    if (!field) return false;
    bool ok = true;
    std::visit(Overload{
                   [&](QString SharedState::*m) { state.*m = value; },
                   [&](int SharedState::*m) {
                       const int v = value.trimmed().toInt(&ok);
                       if (ok) state.*m = v;
                   },
                   [&](double SharedState::*m) {
                       const double v = value.trimmed().toDouble(&ok);
                       if (ok) state.*m = v;
                   },
                   [&](float SharedState::*m) {
                       const float v = value.trimmed().toFloat(&ok);
                       if (ok) state.*m = v;
                   },
                   [&](QVariant SharedState::*m) {
                       bool numeric = false;
                       const double v = value.trimmed().toDouble(&numeric);
                       state.*m = numeric ? QVariant(v) : QVariant(value);
                   },
                   [&](Flag SharedState::*m) {
                       ok = setEnum(state.*m, value, {Flag::Unset, Flag::No, Flag::On});
                   },
                   [&](Numbering SharedState::*m) {
                       ok = setEnum(state.*m, value,
                                    {Numbering::Unset, Numbering::Constant, Numbering::Increasing});
                   },
                   [&](ModeRule SharedState::*m) {
                       ok = setEnum(state.*m, value,
                                    {ModeRule::Unset, ModeRule::CwOrPhone, ModeRule::CwAndPhone});
                   },
                   [&](HelpLanguage SharedState::*m) {
                       ok = setEnum(
                           state.*m, value,
                           {HelpLanguage::None, HelpLanguage::Romanian, HelpLanguage::English});
                   },
               },
               field->member);
    return ok;
}

std::optional<QString> fieldText(const SharedState& state, const QString& name) {
    const NamedField* field = findField(name);
    if (!field) return std::nullopt;
    return std::visit(
        Overload{
            [&](QString SharedState::*m) { return state.*m; },
            [&](int SharedState::*m) { return QString::number(state.*m); },
            [&](double SharedState::*m) { return QString::number(state.*m); },
            [&](float SharedState::*m) { return QString::number(static_cast<double>(state.*m)); },
            [&](QVariant SharedState::*m) { return (state.*m).toString(); },
            [&](Flag SharedState::*m) { return QString::number(static_cast<int>(state.*m)); },
            [&](Numbering SharedState::*m) { return QString::number(static_cast<int>(state.*m)); },
            [&](ModeRule SharedState::*m) { return QString::number(static_cast<int>(state.*m)); },
            [&](HelpLanguage SharedState::*m) {
                return QString::number(static_cast<int>(state.*m));
            },
        },
        field->member);
}

} // namespace korvel
