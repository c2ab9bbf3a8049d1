#pragma once
// A message box whose question and answer are kept in the shared state (MsgStyle,
// MsgPrompt, MsgTitle, MsgResult), as every screen asks its questions.

#include "core/shared_state.h"
#include "forms/message_box.h"

#include <QString>

namespace korvel {

// The question the screens ask before the program ends.
inline constexpr const char* kExitPrompt = "DO YOU WANT TO EXIT PROGRAMM ?";
inline constexpr const char* kExitTitle = "EXIT  ?";

// Asks through `box` and records style, prompt, answer and title in the shared state.
int askRecorded(SharedState& state, forms::MessageBox& box, int style, const QString& prompt,
                const QString& title);

} // namespace korvel
