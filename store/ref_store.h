#pragma once
// The reference database "DbsKorvel.mdb": the country table and the tables of learned
// and reference exchanges. One function per statement; every value bound as a parameter.

#include "store/connection.h"
#include "store/country_index.h"
#include "store/rows.h"

#include <functional>
#include <optional>
#include <vector>

namespace korvel::store {

enum class LearnedTable { CallJud, CallDOK, CallObl, HADXM };

class RefStore {
public:
    RefStore() = default;
    ~RefStore();
    RefStore(const RefStore&) = delete;
    RefStore& operator=(const RefStore&) = delete;

    // Opens the file and makes sure every table is there. Returns an empty string or an
    // error naming the file. A missing file is created by createReferenceDatabase first.
    QString open(const QString& path);
    void close();
    bool isOpen() const { return conn_.isOpen(); }
    const QString& lastError() const { return lastError_; }
    // The open connection, for the statements kept in other files (store/review_queries.h).
    Connection& connection() { return conn_; }

    // Country lookups are answered from the table kept in memory.
    // Country row by exact prefix (the first row when there are several).
    std::optional<CountryRow> countryByPrefix(const QString& prefix);
    // The row of the longest prefix of `key` that is stored (one statement).
    std::optional<CountryRow> countryByLongestPrefix(const QString& key);
    // The exact-call entry of a call, when the country file lists the call itself.
    std::optional<CountryRow> countryByExactCall(const QString& call);
    // A call's row: its exact-call entry when there is one, else its longest prefix.
    std::optional<CountryRow> countryForCall(const QString& call);
    std::vector<CountryRow> allCountries(); // ordered by CtyPfx
    bool addCountry(const CountryRow& row);
    // Swaps the whole country table for `rows` in one transaction.
    bool replaceCountries(const std::vector<CountryRow>& rows);
    std::int64_t countryCount();

    // First row of a learned table for a call (for CallObl: a two-character call area).
    std::optional<LearnedRow> learned(LearnedTable table, const QString& call);
    std::vector<LearnedRow> allLearned(LearnedTable table); // ordered by Call
    // Appends (call, value) to CallJud or CallDOK (the tables the desk learns into).
    bool learn(LearnedTable table, const QString& call, const QString& value);
    bool insertLearnedRows(LearnedTable table, const std::vector<LearnedRow>& rows);

    std::optional<IaruRow> societyByCall(const QString& call);
    std::optional<IaruRow> societyByPrefix(const QString& prefix);
    bool insertSocieties(const std::vector<IaruRow>& rows);

    // Runs `work` in one transaction: committed when it returns true, else rolled back.
    bool inTransaction(const std::function<bool()>& work);

private:
    std::optional<CountryRow> firstCountry(QSqlQuery& q);
    // The country table in memory, loaded when first asked after opening or a change.
    const CountryIndex& countries();
    std::optional<IaruRow> firstSociety(QSqlQuery& q);
    QSqlQuery& statement(const QString& sql);
    bool fail(const QSqlQuery& q);
    bool insertCountries(const std::vector<CountryRow>& rows);

    Connection conn_;
    QString lastError_;
    std::vector<std::pair<QString, QSqlQuery>> statements_; // prepared once per text
    int savepointDepth_ = 0;
    CountryIndex countries_;
    bool countriesLoaded_ = false;
};

// The columns every read of CountryName selects, in stored order, and the row they give.
QString countryColumns();
CountryRow readCountryRow(const QSqlQuery& q);
// The table of a learned kind and the column of its value.
QString learnedTableName(LearnedTable table);
QString learnedValueColumn(LearnedTable table);

// Longest key length the longest-prefix lookup looks at (calls are cut to 15).
inline constexpr int kMaxCallLength = 15;

} // namespace korvel::store
