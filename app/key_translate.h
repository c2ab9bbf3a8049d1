#pragma once
// Qt key events as the screens take them.

#include "forms/form_model.h"

#include <optional>

class QKeyEvent;

namespace korvel {

// The key a window hands to its form model, or nullopt for keys the screens ignore
// (a modifier pressed alone, for example).
std::optional<forms::KeyEvent> translateKey(const QKeyEvent& event);

} // namespace korvel
