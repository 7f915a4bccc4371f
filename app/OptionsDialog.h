#pragma once

// The Options dialog fopcoes: the interface language and the list separator of
// the exported files. A language button takes effect as soon as it is checked; OK
// takes the separator; the close box keeps the language and leaves the
// separator. The dialog only reports the choices: the main window applies them.

#include "Language.h"

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pelmora {

class fopcoes : public QDialog
{
    Q_OBJECT
public:
    // Load: Text1 shows `listSep`; the button of `language` is selected.
    fopcoes(const QString &listSep, std::optional<Language> language, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

Q_SIGNALS:
    void languageClicked(pelmora::Language language);
    void okClicked(const QString &separatorText);

private:
    // The dialog's own texts in the installed translation; the option buttons
    // keep theirs.
    void retranslateUi();

    QGroupBox *m_frame1;
    QGroupBox *m_frame2;
    QLineEdit *m_text1;
    QRadioButton *m_option1;
    QRadioButton *m_option2;
    QPushButton *m_ok;
};

} // namespace pelmora
