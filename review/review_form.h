#pragma once
// The log review screen ("Editare", FrmAnzeigen) as a form model: the log by band or whole
// with its re-scored tallies, the deletions, the country and learned tables, the country
// entry, and the Cabrillo and STF header panels that lead to the export files.
//
// Everything outside the model comes in through the constructor and the callbacks, so that
// tests and the replay command drive it without a display.

#include "core/shared_state.h"
#include "forms/form_model.h"
#include "forms/message_box.h"
#include "review/cabrillo.h"
#include "review/grid_model.h"
#include "review/printed_page.h"
#include "review/rate_chart_model.h"
#include "review/rescoring.h"
#include "review/stf.h"
#include "review/summary_sheet.h"
#include "scoring/contests/registry.h"
#include "store/reference_data.h"
#include "store/review_queries.h"

#include <QDateTime>

#include <functional>

namespace korvel {

namespace review_text {
inline constexpr const char* kCaption = "Editare";
inline constexpr const char* kExitPrompt = "DO YOU WANT TO EXIT PROGRAMM ?";
inline constexpr const char* kExitTitle = "EXIT  ?";
inline constexpr const char* kDeletePrompt = "DO YOU WANT TO DELETE?";
inline constexpr const char* kDeleteTitle = "DELETE ?";
inline constexpr const char* kDeleteLogPrompt = "DO YOU WANT TO DELETE LOG GENERAL ?";
inline constexpr const char* kDeleteLogTitle = "Delete ?";
inline constexpr const char* kFinishedEnglish = "ARE YOUR ENTER FINISHED?";
inline constexpr const char* kFinishedRomanian = "ATI TERMINAT INTRODUCEREA DE DATE?";
inline constexpr const char* kFinishedTitle = "INPUT DATE";
inline constexpr const char* kDeclarationEnglish =
    "I hereby certify that in the contest I have operated the transmitter within the limitation "
    "of my licence and observed the rules and regulation !!!";
inline constexpr const char* kDeclarationRomanian =
    "PRIN EXPEDIEREA LOGULUI ELECTRONIC DECLAR CA AM OPERAT STATIA IN LIMITELE LICENTEI SI "
    "RESPECTIND REGULAMENTUL DE CONCURS !!!";
inline constexpr const char* kDeclarationTitle = "DECLARE";
inline constexpr const char* kDeclarationRefused =
    "FARA CONFIRMAREA DECLARATIEI REZULTATELE OBTINUTE NU SINT VALABILE ! ";
inline constexpr const char* kGataRomanian = "INTRODUCEREDE DATE TERMINATA";
inline constexpr const char* kGataEnglish = "INPUT DATA FINISHED";
inline constexpr const char* kInsertPrompt = "DO YOU WANT INSERT?";
inline constexpr const char* kInsertTitle = "INSERT DATE";
inline constexpr const char* kInsertedPrompt = "OK?";
inline constexpr const char* kInsertedTitle = "OK ? ";
inline constexpr const char* kSaveTitle = "SAVE LOG";
inline constexpr const char* kNotSaved = "NOTHING WAS SAVED. ";
inline constexpr const char* kArchiveCaption = "SAVE LOG IN HDD";
inline constexpr const char* kNameMissing = "Please print in textbox, NAME FILE";
inline constexpr const char* kArchiveDeletePrompt = "VRETI SA STERGETI FISIERUL ";
inline constexpr const char* kArchiveDeleteTitle = "STERGERE?";
inline constexpr const char* kStationCaption = "ENTER DATA TXT";
inline constexpr const char* kPrinterPrompt = "ARE PRINTER READY?";
inline constexpr const char* kPrinterTitle = "PRINT";
} // namespace review_text

struct ReviewOptions {
    // Written after "#STF specs at " in every STF file.
    QString stfSpecAddress = QLatin1String(review::kDefaultStfSpecAddress);
    // Local date and time, for the name of the copy taken before the log is deleted.
    std::function<QDateTime()> localNow;
    // Prints the log and the summary sheet; without one nothing can be printed.
    review::PagePrinter* printer = nullptr;
};

class ReviewForm : public forms::FormModel {
public:
    enum class OutputTarget { None = 0, LogFolder = 10, ArchiveFolder = 20, Printer = 100 };
    enum class ExportFormat { None = 0, Stf = 10, Text = 100, Cabrillo = 1000 };

    ReviewForm(SharedState& state, store::Databases& dbs, forms::MessageBox& box,
               ReviewOptions options = {});

    // Loads the screen: the grids bound, the export items the contest offers, the log shown.
    void load();

    std::function<void()> onReturnToSetup; // 1_ST_PAGE
    std::function<void()> onExit;          // EXIT confirmed, databases closed
    // Format TXT wrote the text log at this path (the window draws the rate picture beside).
    std::function<void(const QString& path)> onTextLogWritten;
    std::function<void(HelpLanguage language, int context)> onHelp;
    bool exitConfirmed() const { return exitConfirmed_; }

    // The grids' rows, read from the store as they are shown.
    review::PagedTableModel& logGrid() { return logGrid_; }
    review::PagedTableModel& countryGrid() { return countryGrid_; }
    review::PagedTableModel& learnedGrid() { return learnedGrid_; }
    // The operator selected a row of the log grid / the country grid.
    void selectLogRow(int row);
    int logSelection() const { return logSelection_; }
    int countrySelection() const { return countrySelection_; }

    const review::Tallies& tallies() const { return tallies_; }
    review::Totals claimed() const { return review::claimedTotals(tallies_, contest()); }
    // The pick list shows the written file, enlarged over the screen.
    bool fileShown() const { return fileShown_; }
    const QString& lastExportPath() const { return lastExportPath_; }
    // The whole log's QSOs per hour, for the rate picture.
    std::vector<review::RateHour> rateHours() { return review::rateByHour(dbs_.log.all()); }
    int activeChoiceField() const { return activeChoice_; }
    OutputTarget outputTarget() const { return outputTarget_; }
    ExportFormat exportFormat() const { return exportFormat_; }
    int confirmState() const { return confirmState_; }
    // The archive panel: the name as stored (extension removed), the kind of the last name
    // typed with an extension (50 text, 60 ADIF, 0 none yet), the kind of the last save.
    const QString& archiveName() const { return archiveName_; }
    int typedKind() const { return typedKind_; }
    int archiveKind() const { return archiveKind_; }

protected:
    void onKeyDown(const QString& control, forms::KeyEvent& e) override;
    void onKeyPress(const QString& control, int& ascii) override;
    void onClick(const QString& control) override;
    void onDblClick(const QString& control) override;
    void onChange(const QString& control) override;
    void onFocusIn(const QString& control) override;

private:
    const ContestExports& contest() const { return scoring::contestExports(state_.ContestCode); }
    void buildControls();
    void show(const char* name, bool visible) { ctl(QLatin1String(name)).visible = visible; }
    QString& text(const char* name) { return ctl(QLatin1String(name)).text; }
    int ask(int style, const QString& prompt, const QString& title);
    bool english() const;

    // Panels.
    void hidePanels();
    void clearPanels();
    void showGrid(const char* grid);
    void menu(const QString& name);
    void option(const QString& name);

    // Views and tallies.
    void rescore();
    void showSummary(const review::Totals& t);
    void viewBand(int band);
    void viewWholeLog();
    void showLog(const QString& band); // empty: the whole log
    void showCountries();
    void showLearned();

    // Deletions.
    void deleteSelectedQso();
    void deleteWholeLog();
    bool copyLogBeforeDelete();

    // Country entry.
    void countryEnter(const QString& field);
    void storeCountry();

    // Header panels and the export.
    bool ensureLogFolder();
    void openCabrillo();
    void openStf();
    void fillPickList(const QString& field);
    void pick();
    void finishInput();
    void write();
    review::CabrilloHeader cabrilloHeader();
    review::StfHeader stfHeader();
    void showWrittenFile(const QString& path);
    void notSaved(const QString& why);

    void clearOldFiles(const QString& folder);

    // The station panel, the text log and summary file, the printouts.
    void openStation(bool file);
    void finishStation();
    bool takeStationFields();
    void writeTextLog();
    review::SummarySheet summarySheet(const char* title);
    review::Totals passTotals();
    void printLog();
    void printSummary();
    bool printed(const review::PrintedDocument& document, const QString& pdfName);

    // The archive panel.
    void openArchive();
    void archiveNameChanged();
    bool archiveNameUsable(const QString& name, const QString& title);
    void saveArchive(int kind);
    void deleteArchive();
    void listArchive();
    void closeArchive();

    SharedState& state_;
    store::Databases& dbs_;
    store::ReviewQueries queries_;
    forms::MessageBox& box_;
    ReviewOptions options_;
    review::PagedTableModel logGrid_;
    review::PagedTableModel countryGrid_;
    review::PagedTableModel learnedGrid_;
    review::Tallies tallies_{};
    QString logBand_; // band text of the log grid; empty for the whole log
    int logSelection_ = -1;
    int countrySelection_ = -1;
    int confirmState_ = 0;
    OutputTarget outputTarget_ = OutputTarget::None;
    ExportFormat exportFormat_ = ExportFormat::None;
    bool fileAsked_ = false;
    int activeChoice_ = 0;
    bool listTakesPicks_ = false; // false while it holds hints or the written file
    bool fileShown_ = false;
    QString lastExportPath_;
    bool exitConfirmed_ = false;
    QString archiveName_;
    int typedKind_ = 0;
    int archiveKind_ = 0;
};

} // namespace korvel
