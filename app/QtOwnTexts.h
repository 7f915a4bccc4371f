#pragma once

// Qt's own texts (the standard buttons of message boxes, the file dialogs, the
// text fields' menus) in the interface language: Qt's Portuguese translation is
// installed while the interface is Portuguese and removed for English.

#include "InterfaceTexts.h"

#include <QTranslator>

#include <memory>
#include <optional>

namespace pelmora {

class QtOwnTexts
{
public:
    // No language (neither flag set) leaves the texts as they are. Without
    // Qt's translations installed on the system the texts stay English.
    void follow(std::optional<Language> language);

private:
    std::unique_ptr<QTranslator> m_portuguese;
    bool m_installed = false;
};

} // namespace pelmora
