#include "core/contest_catalogue.h"

#include <algorithm>

namespace korvel {

namespace {

using enum PrefixSource;
using enum ExchangeFill;
using enum SentExchange;
using enum ModeFrame;
constexpr Switch K = Switch::Keep;
constexpr Switch On = Switch::On;
constexpr Switch Off = Switch::Off;

constexpr std::string_view kYO[] = {"YO"};
constexpr std::string_view kDL[] = {"DL"};
constexpr std::string_view kLZ[] = {"LZ"};
constexpr std::string_view kHA[] = {"HA"};
constexpr std::string_view kEA[] = {"EA", "EA6", "EA8", "EA9"};
constexpr std::string_view kPA[] = {"PA"};

constexpr OwnExchangePrompt kNoExchange{};

constexpr std::array<Switch, 6> kBandsKept = {K, K, K, K, K, K};
constexpr std::array<Switch, 6> k160Off = {K, K, K, K, K, Off};
constexpr std::array<Switch, 6> k160On = {K, K, K, K, K, On};
constexpr std::array<Switch, 6> kFiveOn160Off = {On, On, On, On, On, Off};
constexpr std::array<Switch, 6> kAllOn = {On, On, On, On, On, On};
constexpr std::array<Switch, 6> k80Only = {Off, Off, Off, Off, K, Off};

// clang-format off
const ContestInfo kContests[] = {
    {100, "OpbYODX", "YO-DX-HF", "YO-DX-HF", "YO-DX-HF", "YO-DX-HF", "YODx Contest",
     {ReRead, kYO, false, nullptr, nullptr, County, None},
     OwnExchange, Serial, Shown, kBandsKept, K, nullptr, true, true},
    {102, "OpbWAG", "DARC-WAG", "DARC-WAG ", "WAG ", "DARC-WAG ", "WAG Contest",
     {AsStored, kDL, false, "    MY DOK", nullptr, Dok, None},
     OwnExchange, SerialFromControl, Shown, kBandsKept, K, nullptr, true, true},
    {103, "OpBFD", "FieldDay Reg.1", "IARU-FD", "IARU-FD", "IARU-FD", "Field Day",
     kNoExchange, SerialFromControl, SerialFromControl, HiddenLearnOff, kBandsKept, K, nullptr,
     true, true},
    {104, "OpbLZ", "LZ-DX ", "LZ-DX", "LZ-DX", "LZ-DX", "LZDx Contest",
     {AsStored, kLZ, true, "     MY DISTRICT", "     MY ITU", MyBezirk, MyZone},
     OwnExchange, OwnItuZone, HiddenLearnOff, k160Off, K, "SELECT BAND AND MODE", true, true},
    {105, "OpbHA", "HA-DX", "HA-DX", "HA-DX", "HA-DX", "HADx Contest",
     {ReRead, kHA, false, "MY COUNTY", nullptr, MyBezirk, None},
     OwnExchange, Serial, Shown, k160On, K, nullptr, true, true},
    {106, "OpbSlovContest", "Eu-Champ.(Slov) ", "EU-CHAMP", "EU-CHAMP", "EU-CHAMP",
     "Europ.HF Contest",
     {ReRead, {}, true, "LIST.YEAR", "LIST.YEAR", MyBezirk, MyBezirk},
     OwnExchange, OwnExchange, Shown, k160On, K, nullptr, true, true},
    {107, "OpbKing", "King-of-Spain Contest", "KING-OF-SPAIN", "KingEA", "KingEA", "King of Spain",
     {ReRead, kEA, false, "MY COUNTY", nullptr, MyBezirk, None},
     OwnExchange, Serial, HiddenModeKept, k160On, K, nullptr, true, true},
    {108, "OpbPACC", "PACC  Contest", "PACC Contest", "PACC", "PACC", "PACC Contest",
     {ReRead, kPA, false, "MY COUNTY", nullptr, MyBezirk, None},
     OwnExchange, Serial, HiddenModeKept, k160On, K, nullptr, true, true},
    {200, "OpbIARU", "IARU- HF", "IARU-HF", "IARU-HF", "IARU-HF", "IARU World Camp.",
     kNoExchange, NotSet, NotSet, HiddenLearnOff, k160On, K, nullptr, true, true},
    {201, "OpBCQWW", "CQ-WW", "CQ-WW", "CQ-WW", "CQ-WW", "CQ WW DX Cont.",
     kNoExchange, NotSet, NotSet, HiddenLearnOff, k160On, K, nullptr, true, true},
    {202, "OpBWPX", "CQ-WPX ", "CQ-WPX", "CQ-WPX", "CQ-WPX", "WPX Cont.",
     kNoExchange, SerialFromControl, SerialFromControl, HiddenLearnOff, k160On, K, nullptr,
     true, false},
    {203, "OpBTAC", "TAC Contest", "TAC", "TAC", "TAC ", "TAC Cont.",
     kNoExchange, SerialFromControl, SerialFromControl, HiddenLearnOff, k80Only, Off, nullptr,
     true, false},
    {204, "OpbREF", "Coupe du REF", "Coupe du REF", "REF", "REF ", "Coupe du REF",
     kNoExchange, SerialFromControl, SerialFromControl, HiddenLearnOff, kFiveOn160Off, On,
     nullptr, false, false},
    {205, "OpbARRL", "ARRL DX Contest", "ARRL-DX", "ARRL-DX", "ARRL Dx Contest ", "ARRL DX ",
     {AsStored, {}, true, "         POWER", "         POWER", Unchanged, Unchanged},
     OwnExchange, OwnExchange, HiddenLearnOff, k160On, K, nullptr, true, true},
    {206, "OpbRussian", "Russian DX Contest", "Russian DX", "Russian DX", "Russian DX Contest ",
     "Russian DX ",
     kNoExchange, SerialFromControl, SerialFromControl, HiddenLearnOff, kAllOn, On, nullptr,
     false, false},
    {207, "OpbSPDX", "SP DX Contest", "SP DX", "SP DX", "SP DX Contest ", "SP DX ",
     kNoExchange, SerialFromControl, SerialFromControl, HiddenLearnOff, kAllOn, On, nullptr,
     false, false},
    {208, "OpbHolyland", "Holyland DX Contest", "Holyland DX", "Holyland DX",
     "Holyland DX Contest ", "Holyland DX ",
     kNoExchange, SerialFromControl, SerialFromControl, HiddenLearnOff, kAllOn, On, nullptr,
     false, false},
    {209, "Helvetia", "Helvetia Contest", "Helvetia ", "Helvetia", "Helvetia Contest ",
     "Helvetia ",
     kNoExchange, SerialFromControl, SerialFromControl, HiddenLearnOff, kAllOn, On, nullptr,
     false, false},
    {210, "OpbKeymens", "Keymen's Club", "Keymen's Club", "Keymen's ", "Keymen's Club of Japan ",
     "Keymen's Club ",
     kNoExchange, OwnContinent, OwnContinent, HiddenLearnOff, kAllOn, Off, nullptr, false,
     false},
    {211, "OpbUkrainean", "Ukrainian DX Contest", "Ukrainian DX", "Ukrainian DX",
     "Ukrainian DX Contest ", "Ukrainian DX ",
     kNoExchange, SerialFromControl, SerialFromControl, HiddenLearnOff, kAllOn, On, nullptr,
     false, false},
    {212, "OpbOKOm", "OK-OM DX Contest", "OK-OM DX", "OK-OM DX", "OK-OM DX Contest ",
     "OK-OM DX ",
     kNoExchange, SerialFromControl, SerialFromControl, HiddenLearnOff, kAllOn, Off, nullptr,
     false, false},
    {213, "OpbScandin", "Scandinavian Contest", "Scandinavian", "Scandinav ",
     "Scandinavian Contest ", "Scandinavian ",
     kNoExchange, SerialFromControl, SerialFromControl, HiddenLearnOff, kFiveOn160Off, On,
     nullptr, false, false},
    {214, "OpbLogGen", "Log general", "Log Gen", "Log Gen", "Log General ", "Log General ",
     kNoExchange, ConstantOrSerial, ConstantOrSerial, HiddenLearnOff, k160On, K, nullptr, false,
     true},
    {215, "OpbUBA", "UBA Contest", "UBA Contest", "UBA", "UBA Contest", "UBA Contest ",
     kNoExchange, SerialFromControl, SerialFromControl, HiddenLearnOff, k160Off, K, nullptr,
     true, true},
};
// clang-format on

} // namespace

std::span<const ContestInfo> contestCatalogue() {
    return kContests;
}

const ContestInfo* findContest(int code) {
    const auto it = std::find_if(std::begin(kContests), std::end(kContests),
                                 [code](const ContestInfo& c) { return c.code == code; });
    return it == std::end(kContests) ? nullptr : &*it;
}

bool ownPrefixQualifies(const ContestInfo& contest, const QString& myPrfx) {
    if (contest.prompt.qualifying.empty()) return true;
    const QByteArray p = myPrfx.trimmed().toLatin1();
    return std::any_of(
        contest.prompt.qualifying.begin(), contest.prompt.qualifying.end(),
        [&](std::string_view q) { return q == std::string_view(p.data(), p.size()); });
}

} // namespace korvel
