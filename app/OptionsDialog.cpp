#include "OptionsDialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace pelmora {

fopcoes::fopcoes(const QString &listSep, std::optional<Language> language, QWidget *parent) : QDialog(parent)
{
    setObjectName(u"fopcoes"_s);

    m_frame2 = new QGroupBox(this);
    m_frame2->setObjectName(u"Frame2"_s);
    m_text1 = new QLineEdit(listSep, m_frame2);
    m_text1->setObjectName(u"Text1"_s);
    (new QVBoxLayout(m_frame2))->addWidget(m_text1);

    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(u"Frame1"_s);
    m_option1 = new QRadioButton(u"English"_s, m_frame1);
    m_option1->setObjectName(u"Option1"_s);
    m_option2 = new QRadioButton(u"Português"_s, m_frame1);
    m_option2->setObjectName(u"Option2"_s);
    auto *options = new QVBoxLayout(m_frame1);
    options->addWidget(m_option1);
    options->addWidget(m_option2);

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(u"OK"_s, QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(u"cok"_s);
    m_ok->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_frame1);
    layout->addWidget(m_frame2);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (language == Language::English)
        m_option1->setChecked(true);
    else if (language == Language::Portuguese)
        m_option2->setChecked(true);
    retranslateUi();

    // A language is chosen however its button gets checked: a click, a key, or
    // an assistive tool's toggle action (which checks the button without a
    // click). Connected after the load step, which only shows the language.
    connect(m_option1, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            Q_EMIT languageClicked(Language::English);
    });
    connect(m_option2, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            Q_EMIT languageClicked(Language::Portuguese);
    });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        Q_EMIT okClicked(m_text1->text());
        accept();
    });
}

void fopcoes::retranslateUi()
{
    setWindowTitle(tr("Options"));
    m_frame1->setTitle(tr("Language"));
    m_frame1->setToolTip(tr("Language used in Valorix"));
    m_frame2->setTitle(tr("List Separator"));
}

void fopcoes::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

} // namespace pelmora
