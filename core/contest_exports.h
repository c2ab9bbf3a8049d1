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

    // Text log of the log folder: a band column (before the call), and its name: the
    // whole-log band value 100 after the call, or "LOG ALL" after the date.
    bool textLogBandColumn = true;
    bool textLogNamedByBand = false;

    // Titles, each ending with one blank: the printed log's page head, the summary file and
    // the printed summary sheet (empty: the sheet has no title line).
    const char* printedLogTitle = "";
    const char* summaryFileTitle = "";
    const char* printedSummaryTitle = "";
    // The printed log's head shows the time of the shared state where the others show the
    // contest date.
    bool printedLogHeadTime = false;
    // The summary's band table begins with 1.8 MHz.
    bool summary160 = false;
};

} // namespace korvel
