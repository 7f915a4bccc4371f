#include "Translations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>

using namespace Qt::StringLiterals;

namespace pelmora {

void Translations::follow(std::optional<Language> language)
{
    if (language)
        use(translationName(*language));
}

bool Translations::use(const QString &name)
{
    if (name == m_name)
        return true;
    std::unique_ptr<QTranslator> ours;
    std::unique_ptr<QTranslator> qts;
    if (!name.isEmpty()) {
        ours = std::make_unique<QTranslator>();
        if (!ours->load(u"pelmora_"_s + name, Folder.toString()))
            return false;
        qts = std::make_unique<QTranslator>();
        if (!qts->load(u"qtbase_"_s + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qts.reset();
    }
    // A translator removes itself from the application when it is deleted.
    m_ours = std::move(ours);
    m_qts = std::move(qts);
    m_name = name;
    if (m_ours)
        QCoreApplication::installTranslator(m_ours.get());
    if (m_qts)
        QCoreApplication::installTranslator(m_qts.get());
    // The windows are told by posted events; the new texts show at once, not
    // when the event loop next runs.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return true;
}

} // namespace pelmora
