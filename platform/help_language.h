#pragma once
// The language of the help texts and of the few notices that come in two languages, as the
// setup screen's "HELP LANGUAGE" choice sets it. The numbers are those a replay script sets
// and reads ("set Language 1000").

namespace korvel {

enum class HelpLanguage : int { None = 0, Romanian = 100, English = 1000 };

} // namespace korvel
