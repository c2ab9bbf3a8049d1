#pragma once
// Super check partial: a list of calls active in contests (MASTER.SCP), held in memory and
// searched on every key in the call field for the calls that contain the typed text.
//
// The calls are kept sorted in one block of text, each on its own line, with the offset of
// each call beside it. Calls that begin with the text are a range found by binary search;
// the others are found by one scan of the block, which stops once enough are found.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvel {

class SuperCheck {
public:
    // The file's name, in the data folder or in the system folder below.
    static constexpr const char* kFileName = "MASTER.SCP";
    // Where Debian's hamradio-files package installs it.
    static constexpr const char* kSystemFolder = "/usr/share/hamradio-files";
    // At most this many calls are shown; the text must be this long before any is.
    static constexpr int kMaxShown = 50;
    static constexpr int kMinTyped = 3;

    enum class Source { None, DataFolder, System };

    // Reads the list: the copy in `dataDir` wins over the one in `systemFolder`. Without
    // either the list is empty and `missingText` says where to put one.
    Source load(const QString& dataDir, const QString& systemFolder = QLatin1String(kSystemFolder));
    // Takes the calls from the text of a call list: one call a line, "#" starts a comment
    // line; calls are upper-cased, blanks dropped, doubles kept once.
    void setList(const QByteArray& text);

    Source source() const { return source_; }
    const QString& path() const { return path_; } // the file read, empty when none
    std::size_t size() const { return starts_.size(); }
    // "No MASTER.SCP: copy one to DATA/MASTER.SCP or install hamradio-files".
    static QString missingText(const QString& dataDir);

    // The calls that contain `typed` (trimmed, upper-cased) anywhere, at most `limit`: those
    // that begin with it first, each group in the order of the calls. Nothing for a text
    // shorter than kMinTyped.
    QStringList find(const QString& typed, int limit = kMaxShown) const;

private:
    std::string_view call(std::size_t i) const;

    Source source_ = Source::None;
    QString path_;
    std::string block_;                 // "\nCALL\nCALL\n...": sorted, each call once
    std::vector<std::uint32_t> starts_; // offset of each call in block_
};

} // namespace korvel
