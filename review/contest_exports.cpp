#include "core/contest_exports.h"

#include <algorithm>
#include <array>

namespace korvel {

namespace {

using L = LearnedTableView;

// One row per contest, in the order of the contest catalogue.
const std::array<ContestExports, 24> kRows = {{
    {.code = 100, .stfName = "YO-DX-HF ", .learnedTable = L::CallJud, .cabrilloHomePrefix = "YO"},
    {.code = 102, .stfName = "DARC-WAG ", .learnedTable = L::CallDok},
    {.code = 103, .offersCabrillo = false, .stfName = "IARU-FD ", .learnedTable = L::Hidden},
    {.code = 104, .stfName = "LZ-DX "},
    {.code = 105, .stfName = "HA-DX ", .claims160 = true, .countryPanel = false},
    {.code = 106, .stfName = "EU-Champ ", .claims160 = true},
    {.code = 107, .stfName = "King-of-Spain ", .claims160 = true},
    {.code = 108, .stfName = "PACC-Contest ", .claims160 = true},
    {.code = 200,
     .offersStf = false,
     .stfName = "IARU-HF ",
     .claims160 = true,
     .logGeneral160 = true,
     .exportTotals160 = true},
    {.code = 201,
     .offersStf = false,
     .offersTxt = false,
     .stfName = "CQ-WW ",
     .countsMlt1 = true,
     .claims160 = true,
     .logGeneral160 = true,
     .exportTotals160 = true},
    {.code = 202,
     .offersStf = false,
     .offersTxt = false,
     .stfName = "CQ-WPX ",
     .countsMlt1 = true,
     .claims160 = true,
     .logGeneral160 = true,
     .exportTotals160 = true},
    {.code = 203,
     .offersStf = false,
     .offersTxt = false,
     .stfName = "TAC ",
     .countsMlt1 = true,
     .claimsOnly80 = true,
     .logGeneral160 = true,
     .cabrilloSentExchangeWidth = 12,
     .cabrilloRcvdExchangeWidth = 12},
    {.code = 204, .offersStf = false, .offersTxt = false, .stfName = "REF ", .countsMlt1 = true},
    {.code = 205,
     .offersStf = false,
     .offersTxt = false,
     .stfName = "ARRL ",
     .countsMlt1 = true,
     .claims160 = true},
    {.code = 206,
     .offersStf = false,
     .offersTxt = false,
     .stfName = "Russian DX ",
     .countsMlt1 = true,
     .claims160 = true},
    {.code = 207,
     .offersStf = false,
     .offersTxt = false,
     .stfName = "SP DX ",
     .countsMlt1 = true,
     .claims160 = true},
    {.code = 208,
     .offersStf = false,
     .offersTxt = false,
     .stfName = "Holyland DX ",
     .countsMlt1 = true,
     .claims160 = true},
    {.code = 209,
     .offersStf = false,
     .offersTxt = false,
     .stfName = "Helvetia DX ",
     .countsMlt1 = true,
     .claims160 = true},
    {.code = 210, .stfName = "Keymen's Club ", .countsMlt1 = true, .claims160 = true},
    {.code = 211,
     .offersTxt = false,
     .stfName = "Ukrainian DX ",
     .countsMlt1 = true,
     .claims160 = true},
    {.code = 212,
     .offersTxt = false,
     .stfName = "OK-OM DX ",
     .countsMlt1 = true,
     .claims160 = true},
    {.code = 213,
     .offersTxt = false,
     .stfName = "Scandinavian ",
     .countsMlt1 = true,
     .claims160 = true},
    {.code = 214,
     .offersTxt = false,
     .stfName = "Log general ",
     .countsMlt1 = true,
     .claims160 = true},
    {.code = 215,
     .offersTxt = false,
     .stfName = "UBA Contest ",
     .countsMlt1 = true,
     .claims160 = true},
}};

const ContestExports kUnknown{};

} // namespace

const ContestExports& contestExports(int code) {
    const auto it = std::find_if(kRows.begin(), kRows.end(),
                                 [code](const ContestExports& r) { return r.code == code; });
    return it == kRows.end() ? kUnknown : *it;
}

} // namespace korvel
