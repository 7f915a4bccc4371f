#pragma once

// The translations installed in the application: the program's own texts and
// Qt's (the standard buttons of message boxes, the file dialogs, the text
// fields' menus), always in the same language. Installing or removing them
// sends every widget a LanguageChange event, on which it sets its texts again.

#include "Language.h"

#include <QString>
#include <QTranslator>

#include <memory>

namespace pelmora {

class Translations
{
public:
    // Where the program's translation files are: built into the program, which
    // runs from any folder.
    static constexpr QStringView Folder = u":/i18n";

    // No language (neither flag set) leaves the texts as they are.
    void follow(std::optional<Language> language);

    // The translations of the locale `name` ("pt_BR"): "pelmora_<name>.qm" from
    // Folder and Qt's "qtbase_<name>.qm" from Qt's own folder; an empty name
    // removes both, which leaves the English source texts. Without a file of
    // ours for `name` nothing changes (false). Qt's file is optional: without
    // it Qt's texts stay English.
    bool use(const QString &name);
    QString name() const { return m_name; }

private:
    std::unique_ptr<QTranslator> m_ours;
    std::unique_ptr<QTranslator> m_qts;
    QString m_name;
};

} // namespace pelmora
