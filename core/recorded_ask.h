#pragma once
// A message box whose question and answer are kept in the shared state (MsgStyle,
// MsgPrompt, MsgTitle, MsgResult), as every screen asks its questions.

#include "core/shared_state.h"
#include "forms/message_box.h"

#include <QString>

namespace korvel {

// Asks through `box` and records style, prompt, answer and title in the shared state.
int askRecorded(SharedState& state, forms::MessageBox& box, int style, const QString& prompt,
                const QString& title);

} // namespace korvel
