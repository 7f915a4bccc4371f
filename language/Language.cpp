#include "Language.h"

using namespace Qt::StringLiterals;

namespace pelmora {

std::optional<Language> chosenLanguage(bool OptEN, bool OptPT)
{
    std::optional<Language> language;
    if (OptEN)
        language = Language::English;
    if (OptPT)
        language = Language::Portuguese;
    return language;
}

QString translationName(Language language)
{
    switch (language) {
    case Language::English:
        break;
    case Language::Portuguese:
        return u"pt_BR"_s;
    }
    return {};
}

} // namespace pelmora
