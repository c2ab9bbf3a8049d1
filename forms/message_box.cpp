#include "forms/message_box.h"

#include <algorithm>

namespace korvel::forms {

namespace msg {

std::vector<int> buttons(int style) {
    switch (style & 7) {
    case kOkCancel: return {kOk, kCancel};
    case kAbortRetryIgnore: return {kAbort, kRetry, kIgnore};
    case kYesNoCancel: return {kYes, kNo, kCancel};
    case kYesNo: return {kYes, kNo};
    case kRetryCancel: return {kRetry, kCancel};
    default: return {kOk};
    }
}

int defaultAnswer(int style) {
    const std::vector<int> b = buttons(style);
    const std::size_t index = (style & kDefault3) ? 2 : (style & kDefault2) ? 1 : 0;
    return index < b.size() ? b[index] : b.front();
}

int escapeAnswer(int style) {
    const std::vector<int> b = buttons(style);
    for (int answer : {kCancel, kNo})
        if (std::find(b.begin(), b.end(), answer) != b.end()) return answer;
    return b.size() == 1 ? b.front() : defaultAnswer(style);
}

namespace {
constexpr std::pair<int, const char*> kNames[] = {
    {kOk, "OK"},         {kCancel, "Cancel"}, {kAbort, "Abort"}, {kRetry, "Retry"},
    {kIgnore, "Ignore"}, {kYes, "Yes"},       {kNo, "No"}};
}

std::optional<int> answerFromName(const QString& name) {
    for (const auto& [value, text] : kNames)
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0) return value;
    return std::nullopt;
}

QString answerName(int answer) {
    for (const auto& [value, text] : kNames)
        if (value == answer) return QLatin1String(text);
    return QString::number(answer);
}

} // namespace msg

int ScriptedMessageBox::ask(int style, const QString& prompt, const QString& title) {
    int answer = msg::defaultAnswer(style);
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    shown_.push_back({style, prompt, title, answer});
    if (onShown) onShown(shown_.back());
    return answer;
}

} // namespace korvel::forms
