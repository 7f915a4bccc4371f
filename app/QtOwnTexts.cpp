#include "QtOwnTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

using namespace Qt::StringLiterals;

namespace pelmora {

void QtOwnTexts::follow(std::optional<Language> language)
{
    if (!language)
        return;
    const bool portuguese = *language == Language::Portuguese;
    if (portuguese == m_installed)
        return;
    if (!portuguese) {
        QCoreApplication::removeTranslator(m_portuguese.get());
        m_installed = false;
        return;
    }
    if (!m_portuguese) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(u"qtbase_pt_BR"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            return;
        m_portuguese = std::move(translator);
    }
    m_installed = QCoreApplication::installTranslator(m_portuguese.get());
}

} // namespace pelmora
