#pragma once
// The controls of the log review screen ("Editare"), by the names the screen has always had.

namespace korvel::rc {

// Menus.
inline constexpr char mnuAnfang[] = "mnuAnfang";           // "1_ST_P&AGE": back to the setup screen
inline constexpr char mnuLogAnzeigen[] = "mnuLogAnzeigen"; // "VIEW_LO&G": the view panel
inline constexpr char mnuLOGDrucken[] = "mnuLOGDrucken";   // "P&RINT_LOG": the print panel
inline constexpr char mnuLOGL[] = "mnuLOGL";               // "&DELETE_LOG ": the delete-log panel
inline constexpr char mnuMem[] = "mnuMem";                 // "&SAVE LOG": the export submenu
inline constexpr char mnuLog[] = "mnuLog";                 // submenu of the log-folder formats
inline constexpr char mnutxt[] = "mnutxt";                 // "Format TXT": text log and summary
inline constexpr char mnucabrillo[] = "mnucabrillo";       // "Format CABRILLO (ARRL)"
inline constexpr char mnuFormatSTF[] = "mnuFormatSTF";     // "Format STF (DARC)"
inline constexpr char mnuArhiva[] = "mnuArhiva";           // save into the archive folder
inline constexpr char mnuHelp3[] = "mnuHelp3";             // "HELP" with the topics of the screen
inline constexpr char mnuBeenden[] = "mnuBeenden";         // "E&XIT": asks, then ends the program

// View panel "VIEW".
inline constexpr char Frame1[] = "Frame1";
inline constexpr char OpB10[] = "OpB10";           // the 10 m QSOs and tallies
inline constexpr char OpB15[] = "OpB15";           // 15 m
inline constexpr char OpB20[] = "OpB20";           // 20 m
inline constexpr char OpB40[] = "OpB40";           // 40 m
inline constexpr char OpB80[] = "OpB80";           // 80 m
inline constexpr char Opb160[] = "Opb160";         // 160 m
inline constexpr char OpbLogGen[] = "OpbLogGen";   // the whole log and its totals
inline constexpr char OpBDXCC[] = "OpBDXCC";       // the country table; a double click opens Frame7
inline constexpr char OpbCallJud[] = "OpbCallJud"; // the learned county or DOK table

// Print panel "PRINT".
inline constexpr char Frame3[] = "Frame3";
inline constexpr char OpBD10[] = "OpBD10"; // a band's log to print
inline constexpr char OpBD15[] = "OpBD15";
inline constexpr char OpBD20[] = "OpBD20";
inline constexpr char OpBD40[] = "OpBD40";
inline constexpr char OpBD80[] = "OpBD80";
inline constexpr char OpBD160[] = "OpBD160";
inline constexpr char OpbDLogGen[] = "OpbDLogGen"; // the whole log to print
inline constexpr char OpBDSumm[] = "OpBDSumm";     // the summary sheet to print

// Delete-log panel "DELETE LOG".
inline constexpr char Frame2[] = "Frame2";
inline constexpr char OpbLLogGen[] = "OpbLLogGen"; // deletes the whole log after a question

// Band summary.
inline constexpr char Frame4[] = "Frame4";
inline constexpr char TxtQSO[] = "TxtQSO"; // QSOs of the view
inline constexpr char TxtPkt[] = "TxtPkt"; // points of the view
inline constexpr char TxtMlt[] = "TxtMlt"; // multipliers of the view
inline constexpr char LblQSO[] = "LblQSO";
inline constexpr char LblPkt[] = "LblPkt";
inline constexpr char LblMlt[] = "LblMlt";

// Single-QSO delete panel "&DELETE".
inline constexpr char Frame5[] = "Frame5";
inline constexpr char OpBDelete[] = "OpBDelete"; // deletes the QSO selected in the log grid

// Country table panel "TAB. DXCC".
inline constexpr char Frame7[] = "Frame7";
inline constexpr char OpBAnf_gen[] = "OpBAnf_gen"; // opens the country entry panel

// Country entry panel "ENTER DATA".
inline constexpr char Frame8[] = "Frame8";
inline constexpr char TxtCountry[] = "TxtCountry"; // country name
inline constexpr char TxtCont[] = "TxtCont";       // continent
inline constexpr char TxtCtyPfx[] = "TxtCtyPfx";   // the country's principal prefix
inline constexpr char TxtPfx[] = "TxtPfx";         // the prefix the row is found by
inline constexpr char TxtITU[] = "TxtITU";         // ITU zone
inline constexpr char TxtCQ[] = "TxtCQ";           // CQ zone
inline constexpr char TxtBeam[] = "TxtBeam";       // beam heading
inline constexpr char txtQRA[] = "txtQRA";         // reference locator; Enter stores the row

// Grids.
inline constexpr char DBGrid9[] = "DBGrid9"; // the log (LogGen)
inline constexpr char DBGrid7[] = "DBGrid7"; // learned counties (CallJud)
inline constexpr char DBGrid8[] = "DBGrid8"; // learned DOKs (CallDOK)
inline constexpr char DBGrid6[] = "DBGrid6"; // the country table (CountryName)

// Cabrillo header panel "ENTER DATA CABRILLO (ARRL FORMAT)".
inline constexpr char FraLogCbr[] = "FraLogCbr";
inline constexpr char TxtCall[] = "TxtCall";           // CALLSIGN
inline constexpr char TxtCA[] = "TxtCA";               // CATEGORY-ASSISTED
inline constexpr char TxtCategBand[] = "TxtCategBand"; // CATEGORY-BAND
inline constexpr char TxtCategMode[] = "TxtCategMode"; // CATEGORY-MODE
inline constexpr char TxtCategOp[] = "TxtCategOp";     // CATEGORY-OPERATOR
inline constexpr char TxtPw[] = "TxtPw";               // CATEGORY-POWER
inline constexpr char TxtCategStat[] = "TxtCategStat"; // CATEGORY-STATION
inline constexpr char TxtCategT[] = "TxtCategT";       // CATEGORY-TIME
inline constexpr char TxtTransm[] = "TxtTransm";       // CATEGORY-TRANSMITTER
inline constexpr char TxtOverl[] = "TxtOverl";         // CATEGORY-OVERLAY
inline constexpr char TxtScore[] = "TxtScore";         // CLAIMED-SCORE
inline constexpr char TxtClub[] = "TxtClub";           // CLUB
inline constexpr char TxtContest[] = "TxtContest";     // CONTEST
inline constexpr char TxtCreated[] = "TxtCreated";     // CREATED-BY (the file has a fixed line)
inline constexpr char TxtEmail[] = "TxtEmail";         // EMAIL
inline constexpr char TxtLoc[] = "TxtLoc";             // LOCATION
inline constexpr char TxtName[] = "TxtName";           // NAME
inline constexpr char TxtAdrs1[] = "TxtAdrs1";         // ADDRESS, first line
inline constexpr char TxtAdrs2[] = "TxtAdrs2";         // ADDRESS, second line
inline constexpr char TxtOperat[] = "TxtOperat";       // OPERATORS
inline constexpr char TxtOffTime[] = "TxtOffTime";     // OFFTIME
inline constexpr char TxtSoap1[] = "TxtSoap1";         // SOAPBOX, first line
inline constexpr char TxtSoap2[] = "TxtSoap2";         // SOAPBOX, second line
inline constexpr char TxtDebug[] = "TxtDebug";         // DEBUG
inline constexpr char TxtStart[] = "TxtStart";         // START-OF-LOG (the file has a fixed line)

// STF header panel "ENTER DATA STF (DARC FORMAT)".
inline constexpr char FraLogSTF[] = "FraLogSTF";
inline constexpr char TxtContest1[] = "TxtContest1";       // Contest: name and date
inline constexpr char TxtMyCall1[] = "TxtMyCall1";         // MyCall
inline constexpr char TxtCategory1[] = "TxtCategory1";     // Category
inline constexpr char TxtMailAdress1[] = "TxtMailAdress1"; // Mailadress, four lines
inline constexpr char TxtMailAdress2[] = "TxtMailAdress2";
inline constexpr char TxtMailAdress3[] = "TxtMailAdress3";
inline constexpr char TxtMailAdress4[] = "TxtMailAdress4";
inline constexpr char TxtEMail1[] = "TxtEMail1";               // EMail
inline constexpr char TxtClaimedQso1[] = "TxtClaimedQso1";     // ClaimedQso
inline constexpr char TxtClaimedPts1[] = "TxtClaimedPts1";     // ClaimedPts
inline constexpr char TxtClaimedMult1[] = "TxtClaimedMult1";   // ClaimedMult
inline constexpr char TxtClaimedScore1[] = "TxtClaimedScore1"; // ClaimedScore
inline constexpr char TxtOperators1[] = "TxtOperators1";       // Operators
inline constexpr char TxtClub1[] = "TxtClub1";                 // Club
inline constexpr char TxtEquipment1[] = "TxtEquipment1";       // Equipment
inline constexpr char TxtPower1[] = "TxtPower1";               // Power
inline constexpr char TxtSpecific1[] = "TxtSpecific1";         // Specific
inline constexpr char TxtSoapBox1[] = "TxtSoapBox1";           // Soapbox
inline constexpr char TxtQsoOrder1[] = "TxtQsoOrder1";         // QsoOrder (the header line only)

// Archive panel "SAVE LOG IN HDD": a log saved under a name of the operator's choice.
inline constexpr char FraArh[] = "FraArh";
inline constexpr char LblNameDat[] = "LblNameDat"; // "Name file :"
inline constexpr char TxtNameDat[] = "TxtNameDat"; // the name, without folder
inline constexpr char FilList[] = "FilList";       // the archive folder's files; a click takes one
inline constexpr char CmdMem[] = "CmdMem";         // "Save TEXT file"
inline constexpr char CmdArhivADI[] = "CmdArhivADI"; // "Save ADIF file"
inline constexpr char CmdSterg[] = "CmdSterg";       // "Delete       file"

// Station panel "ENTER DATA TXT": the summary sheet's station lines, kept in the settings file.
inline constexpr char Frame6[] = "Frame6";
inline constexpr char TxtSection[] = "TxtSection"; // "Section": the section worked in
inline constexpr char TxtOp[] = "TxtOp";           // "Op.Name": the operator's name
inline constexpr char TxtNo[] = "TxtNo";           // "No.Operat": the number of operators
inline constexpr char TxtQTH[] = "TxtQTH";         // QTH
inline constexpr char TxtAds[] = "TxtAds";         // "Adress": the postal address
inline constexpr char TxtTx[] = "TxtTx";           // the transmitter
inline constexpr char TxtRx[] = "TxtRx";           // the receiver
inline constexpr char TxtAnt[] = "TxtAnt";         // "Ant1": antenna 1
inline constexpr char TxtAnt2[] = "TxtAnt2";       // "Ant2"
inline constexpr char TxtAnt3[] = "TxtAnt3";       // "Ant3"
inline constexpr char TxtAnt4[] = "TxtAnt4";       // "Ant4"
inline constexpr char TxtAnt5[] = "TxtAnt5";       // "Club": the club, kept as antenna 5

// Shared by the header panels and the station panel.
inline constexpr char CmdGata[] = "CmdGata"; // finishes the header input
inline constexpr char ListCbr[] = "ListCbr"; // the pick list; afterwards the written file

} // namespace korvel::rc
