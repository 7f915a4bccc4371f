#pragma once

// The interface language: which one the settings choose, and the translation
// that shows it. English is the language of the source texts; every other
// language is a translation file named after its locale ("pelmora_pt_BR.qm"),
// so a new language needs no code here beyond its name.

#include <QString>

#include <optional>

namespace pelmora {

enum class Language { English, Portuguese };

// English when OptEN is set, then Portuguese when OptPT is set, so Portuguese
// wins when both are set. With neither set no text is changed (no value).
std::optional<Language> chosenLanguage(bool OptEN, bool OptPT);

// The locale name of the language's translation files; empty for English,
// which the source texts already are.
QString translationName(Language language);

} // namespace pelmora
