#include "core/recorded_ask.h"

namespace korvel {

int askRecorded(SharedState& state, forms::MessageBox& box, int style, const QString& prompt,
                const QString& title) {
    state.MsgStyle = QString::number(style);
    state.MsgPrompt = prompt;
    state.MsgTitle = title;
    const int answer = box.ask(style, prompt, title);
    state.MsgResult = QString::number(answer);
    return answer;
}

} // namespace korvel
