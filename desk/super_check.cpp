#include "desk/super_check.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstring>

namespace korvel {

namespace {

// A line of the list as a call: blanks and control characters dropped, upper case.
std::string cleanCall(const char* begin, const char* end) {
    std::string call;
    for (const char* p = begin; p != end; ++p) {
        const auto ch = static_cast<unsigned char>(*p);
        if (ch <= ' ' || ch >= 127) continue;
        call.push_back(static_cast<char>(ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch));
    }
    return call;
}

} // namespace

SuperCheck::Source SuperCheck::load(const QString& dataDir, const QString& systemFolder) {
    const QString name = QLatin1String(kFileName);
    const std::pair<QString, Source> candidates[] = {
        {QDir(dataDir).filePath(name), Source::DataFolder},
        {QDir(systemFolder).filePath(name), Source::System}};
    for (const auto& [file, source] : candidates) {
        QFile f(file);
        if (dataDir.isEmpty() && source == Source::DataFolder) continue;
        if (!f.open(QIODevice::ReadOnly)) continue;
        setList(f.readAll());
        source_ = source;
        path_ = file;
        return source_;
    }
    setList({});
    source_ = Source::None;
    path_.clear();
    return source_;
}

void SuperCheck::setList(const QByteArray& text) {
    std::vector<std::string> calls;
    calls.reserve(static_cast<std::size_t>(text.size() / 7));
    const char* p = text.constData();
    const char* const end = p + text.size();
    while (p < end) {
        const char* eol = static_cast<const char*>(std::memchr(p, '\n', end - p));
        if (!eol) eol = end;
        if (*p != '#') {
            std::string call = cleanCall(p, eol);
            if (!call.empty()) calls.push_back(std::move(call));
        }
        p = eol + 1;
    }
    std::sort(calls.begin(), calls.end());
    calls.erase(std::unique(calls.begin(), calls.end()), calls.end());
    block_.clear();
    starts_.clear();
    starts_.reserve(calls.size());
    block_.push_back('\n');
    for (const std::string& c : calls) {
        starts_.push_back(static_cast<std::uint32_t>(block_.size()));
        block_ += c;
        block_.push_back('\n');
    }
}

QString SuperCheck::missingText(const QString& dataDir) {
    return QStringLiteral("No %1: copy one to %2 or install hamradio-files")
        .arg(QLatin1String(kFileName), QDir(dataDir).filePath(QLatin1String(kFileName)));
}

std::string_view SuperCheck::call(std::size_t i) const {
    const std::size_t from = starts_[i];
    const std::size_t to = i + 1 < starts_.size() ? starts_[i + 1] - 1 : block_.size() - 1;
    return std::string_view(block_).substr(from, to - from);
}

QStringList SuperCheck::find(const QString& typed, int limit) const {
    QStringList out;
    const std::string text = typed.trimmed().toUpper().toStdString();
    if (static_cast<int>(text.size()) < kMinTyped || limit <= 0 || starts_.empty()) return out;
    if (text.find('\n') != std::string::npos) return out;
    auto toQString = [](std::string_view v) {
        return QString::fromLatin1(v.data(), static_cast<qsizetype>(v.size()));
    };

    // Calls beginning with the text: one range of the sorted list.
    std::size_t lo = 0, hi = starts_.size();
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (call(mid) < text)
            lo = mid + 1;
        else
            hi = mid;
    }
    for (std::size_t i = lo; i < starts_.size() && out.size() < limit; ++i) {
        if (call(i).substr(0, text.size()) != text) break;
        out.push_back(toQString(call(i)));
    }

    // Calls holding it further in: one scan of the block.
    const char* const base = block_.data();
    const std::size_t n = block_.size();
    std::size_t pos = 0;
    std::size_t lastCall = starts_.size();
    while (out.size() < limit) {
        const void* hit = memmem(base + pos, n - pos, text.data(), text.size());
        if (!hit) break;
        const auto at = static_cast<std::size_t>(static_cast<const char*>(hit) - base);
        pos = at + 1;
        const std::size_t i = static_cast<std::size_t>(
            std::upper_bound(starts_.begin(), starts_.end(), static_cast<std::uint32_t>(at)) -
            starts_.begin() - 1);
        if (i == lastCall) continue;
        lastCall = i;
        const std::string_view c = call(i);
        if (c.substr(0, text.size()) == text) continue; // listed with the first group
        out.push_back(toQString(c));
        pos = starts_[i] + c.size(); // on to the next call
    }
    return out;
}

} // namespace korvel
