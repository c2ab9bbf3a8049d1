#pragma once
// What the review screen and the export files need to know about one contest: the export
// formats it offers, how its claimed totals are counted, its name in an STF file, the
// learned table it shows and the widths of its Cabrillo exchange columns. Plain data, part
// of each contest's catalogue row (scoring/contests/); code reads the fields and never asks
// which contest is running.

namespace korvel {

// The learned table behind the review screen's "&Call -Jud" option.
enum class LearnedTableView {
    None,    // the option is offered but shows no table
    CallJud, // counties learned in the contest
    CallDok, // DOKs learned in the contest; the option reads "CallDOK"
    Hidden,  // the option is not offered
};

struct ContestExports {
    // Export menu items offered on the review screen.
    bool offersCabrillo = true;
    bool offersStf = true;
    bool offersTxt = true;

    // The contest's name in the STF "Contest" header line; ends with one blank, the contest
    // date follows it directly.
    const char* stfName = "";

    // Re-scoring: a mark in Mlt1 counts one more multiplier.
    bool countsMlt1 = false;
    // Claimed totals: the 80 m values alone.
    bool claimsOnly80 = false;
    // Claimed totals: the 160 m values are added to those of 10 to 80 m.
    bool claims160 = false;
    // The review screen's Log General adds the 160 m values to its band-summary fields.
    bool logGeneral160 = false;
    // The multiplier and points totals formed after an export pass add the 160 m values.
    bool exportTotals160 = false;

    LearnedTableView learnedTable = LearnedTableView::None;
    // A double click on the DXCC option opens the country table panel.
    bool countryPanel = true;

    // Cabrillo QSO line: widths of the sent and the received exchange columns.
    int cabrilloSentExchangeWidth = 7;
    int cabrilloRcvdExchangeWidth = 6;
    // The own prefix (after YQ, YR, YP count as YO) whose stations get the home categories
    // in the Cabrillo operator pick list and the county hint for the location; empty: none.
    const char* cabrilloHomePrefix = "";

    // The COMMENT of every ADIF record (trimmed when written); with adifCommentDated the
    // contest's start date is appended first.
    const char* adifComment = "";
    bool adifCommentDated = false;

    // Text log and text archive: two blanks between the multiplier and the points columns.
    bool textPointsGap = true;

    // Still to come with the text log and the printouts: the printed log's title and the
    // summary sheet's title.
};

} // namespace korvel
