#pragma once

// The input panel of a project window, without widgets: the texts of the fields
// Text(0)..Text(10) and Text2, their change handlers, and the commands of the
// solve buttons and of the amortization button. A view binds its line edits to
// these texts: typing is a text change, a button is an operation.

#include "Command.h"
#include "NumberTexts.h"
#include "ProjectValues.h"
#include "TimeValue.h"

#include <QObject>
#include <QString>

#include <array>

namespace pelmora {

class AmortList;

class InputPanel : public QObject, private FieldDisplay
{
    Q_OBJECT
public:
    static constexpr int FieldCount = 11; // Text(0)..Text(10)

    // `values` is the record shared by all project windows; `list` receives the
    // schedule of the amortization button (none: the button lists nothing).
    InputPanel(ProjectValues &values, const NumberTexts &texts, AmortList *list = nullptr, QObject *parent = nullptr);

    const QString &text(int field) const { return m_text[field]; }
    const QString &decimalsText() const { return m_decimals; }
    const NumberTexts &numberTexts() const { return m_texts; }
    ProjectValues &values() { return m_values; }
    // Where calculations show the values they write: into these fields.
    FieldDisplay &fieldDisplay() { return *this; }

    // A change of a field's text, as typing makes it; the same text is no change.
    void setText(int field, const QString &text);
    // A change of Text2, the decimal places.
    void setDecimalsText(const QString &text);

    // The solve buttons (then FormatNumber) and Command::Amortization (FillAmort).
    // Other buttons belong to the grid and the window.
    void clickCommand(Command command);

    void LoadInputs();
    void FormatNumber();
    void FillAmort();

Q_SIGNALS:
    void textChanged(int field, const QString &text);
    void decimalsTextChanged(const QString &text);
    // After a change of decimal places has re-formatted the fields: the grid and
    // the list re-format next.
    void decimalsApplied();
    // Text(10) changed: the floating cell editor takes its text.
    void cellEntryChanged(const QString &text);

private:
    void show(int field, double value) override;
    void onTextChanged(int field);
    double &valueOf(int field);

    ProjectValues &m_values;
    NumberTexts m_texts;
    AmortList *m_list;
    std::array<QString, FieldCount> m_text;
    QString m_decimals;
};

} // namespace pelmora
