#include "InputPanelView.h"

#include "ButtonIcons.h"
#include "ProjectWindow.h"
#include "Twips.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

struct Place
{
    int left, top, width, height;
};

// Text(0)..Text(10), then Text2 (twips).
constexpr Place FieldPlaces[11] = {
    {730, 480, 1935, 340},   {730, 840, 1935, 340},   {730, 1200, 1935, 340}, {730, 1560, 1935, 340},
    {730, 1920, 1935, 340},  {4200, 480, 615, 340},   {4200, 840, 1935, 340}, {4200, 1200, 1935, 340},
    {4200, 1560, 1935, 340}, {4200, 1920, 1935, 340}, {730, 2640, 1935, 340},
};
constexpr Place DecimalsPlace = {5625, 2640, 495, 340};

constexpr Place CommandPlaces[10] = {
    {2670, 480, 615, 340},  {2670, 840, 615, 340}, {2670, 1200, 615, 340}, {2670, 1560, 615, 340},
    {2670, 1920, 615, 340}, {20, 2640, 735, 345},  {2670, 2640, 615, 345}, {3440, 2640, 615, 345},
    {4200, 2640, 615, 345}, {5520, 480, 615, 345},
};

// Label1..Label11 stand before their fields: n, i, PV, PMT, FV, Fix, paym, Amort, I, BD, TI.
const char *const LabelCaptions[11] = {"n", "i", "PV", "PMT", "FV", "Fix", "paym", "Amort", "I", "BD", "TI"};
constexpr int LabelField[11] = {0, 1, 2, 3, 4, -1, 5, 6, 7, 8, 9}; // -1: Text2

// Each command button shows a caption or a picture; the tool tip (English in
// both languages) also names a picture-only button for a screen reader.
struct CommandText
{
    const char *caption;
    const char *tip;
};
constexpr CommandText CommandTexts[CommandCount] = {
    {nullptr, " Solve for n "},         // Command(0)
    {nullptr, " Solve for i "},         // Command(1)
    {nullptr, " Solve for PV "},        // Command(2)
    {nullptr, " Solve for PMT "},       // Command(3)
    {nullptr, " Solve for FV "},        // Command(4)
    {"CFn", nullptr},                   // Command(5)
    {"CFj", nullptr},                   // Command(6)
    {nullptr, " Cash Analysis"},        // Command(7)
    {"Excel", nullptr},                 // Command(8)
    {nullptr, "Amortization Schedule"}, // Command(9)
};

} // namespace

InputPanelView::InputPanelView(ProjectWindowModel &model, QWidget *parent) : QFrame(parent), m_model(model)
{
    setObjectName(u"Frame1"_s);
    setFrameShape(QFrame::StyledPanel);
    build();
    layoutControls();
}

void InputPanelView::build()
{
    InputPanel &panel = m_model.panel();
    for (int k = 0; k < 11; ++k) {
        auto *edit = new QLineEdit(panel.text(k), this);
        edit->setObjectName(u"Text("_s + QString::number(k) + u')');
        edit->setAlignment(k == Field_CellEntry ? Qt::AlignLeft : Qt::AlignRight);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [&panel, k](const QString &text) { panel.setText(k, text); });
        if (k == Field_n || k == Field_i || k == Field_CellEntry)
            connect(edit, &QLineEdit::returnPressed, this, [this, k] { m_model.pressEnter(k); });
        m_fields[size_t(k)] = edit;
    }
    m_decimals = new QLineEdit(panel.decimalsText(), this);
    m_decimals->setObjectName(u"Text2"_s);
    m_decimals->setAlignment(Qt::AlignRight);
    m_decimals->installEventFilter(this);
    connect(m_decimals, &QLineEdit::textEdited, this, [&panel](const QString &text) { panel.setDecimalsText(text); });

    // The model's texts are the truth: show every change, keep the caret where it was.
    connect(&panel, &InputPanel::textChanged, this, [this](int k, const QString &text) {
        QLineEdit *edit = m_fields[size_t(k)];
        if (edit->text() != text) {
            const int caret = edit->cursorPosition();
            edit->setText(text);
            edit->setCursorPosition(std::min(caret, int(text.size())));
        }
    });
    connect(&panel, &InputPanel::decimalsTextChanged, this, [this](const QString &text) {
        if (m_decimals->text() != text)
            m_decimals->setText(text);
    });

    for (int k = 0; k < CommandCount; ++k) {
        auto *button = new QPushButton(this);
        button->setObjectName(u"Command("_s + QString::number(k) + u')');
        const CommandText &text = CommandTexts[k];
        if (text.caption)
            button->setText(QString::fromLatin1(text.caption));
        else
            button->setIcon(commandIcon(k));
        if (text.tip) {
            button->setToolTip(QString::fromLatin1(text.tip));
            button->setAccessibleName(button->toolTip().trimmed());
        }
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, [this, k] { m_model.clickCommand(Command(k)); });
        m_commands[size_t(k)] = button;
    }
    for (int k = 0; k < 11; ++k) {
        m_labels[size_t(k)] = new QLabel(QString::fromLatin1(LabelCaptions[k]), this);
        m_labels[size_t(k)]->setObjectName(u"Label"_s + QString::number(k + 1));
        m_labels[size_t(k)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    m_title = new QLabel(u"Time Value of Money"_s, this);
    m_title->setObjectName(u"Label13"_s);
    m_program = new QLabel(u"Corporate Valorix"_s, this);
    m_program->setObjectName(u"Label12"_s);
    for (QLabel *caption : {m_title, m_program}) {
        QFont font = caption->font();
        font.setBold(true);
        caption->setFont(font);
    }
}

void InputPanelView::layoutControls()
{
    setFixedSize(twipsToPixels(6500, this), twipsToPixels(3070, this));
    for (int k = 0; k < 11; ++k) {
        const Place &p = FieldPlaces[k];
        m_fields[size_t(k)]->setGeometry(twipsRect(p.left, p.top, p.width, p.height, this));
    }
    m_decimals->setGeometry(
        twipsRect(DecimalsPlace.left, DecimalsPlace.top, DecimalsPlace.width, DecimalsPlace.height, this));
    for (int k = 0; k < CommandCount; ++k) {
        const Place &p = CommandPlaces[k];
        m_commands[size_t(k)]->setGeometry(twipsRect(p.left, p.top, p.width, p.height, this));
    }
    // Each label stands in the 600 twips before its field.
    for (int k = 0; k < 11; ++k) {
        const Place &p = LabelField[k] < 0 ? DecimalsPlace : FieldPlaces[LabelField[k]];
        m_labels[size_t(k)]->setGeometry(twipsRect(p.left - 640, p.top, 580, p.height, this));
    }
    m_title->setGeometry(twipsRect(730, 100, 3300, 340, this));
    m_program->setGeometry(twipsRect(4200, 2280, 2200, 340, this));
    m_program->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void InputPanelView::setFontPointSize(int size)
{
    for (QLineEdit *edit : m_fields) {
        QFont font = edit->font();
        font.setPointSize(size);
        edit->setFont(font);
    }
    QFont font = m_decimals->font();
    font.setPointSize(size);
    m_decimals->setFont(font);
}

void InputPanelView::setLabelTips(const std::array<QString, 11> &tips)
{
    // The labels' tips are the fields' long names: a screen reader reads them.
    for (int k = 0; k < 11; ++k) {
        m_labels[size_t(k)]->setToolTip(tips[size_t(k)]);
        QLineEdit *field = LabelField[k] < 0 ? m_decimals : m_fields[size_t(LabelField[k])];
        field->setAccessibleName(tips[size_t(k)]);
    }
}

void InputPanelView::setCellEntryName(const QString &name)
{
    m_fields[Field_CellEntry]->setAccessibleName(name);
}

bool InputPanelView::eventFilter(QObject *watched, QEvent *event)
{
    // A field that gets the focus shows its whole text selected (after the click
    // that gave it the focus has placed the caret), so typing replaces it. The
    // other fields select theirs when they get the focus: a selection in a field
    // without the focus is not seen, and drawn here it would only distract.
    if (event->type() == QEvent::FocusIn) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace pelmora
