#pragma once

// The non-modal Appraisal Details dialog: one column per series (A,
// incremental, B) with the measures and the diagnosis under them, and the two
// rates of the modified IRR, editable. It draws from its model and hands the
// typed rates to it.

#include "AppraisalDetailsModel.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace pelmora {

class AppraisalDetailsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AppraisalDetailsDialog(AppraisalDetailsModel &model, QWidget *parent = nullptr);

    // Shows the dialog in front with `series`' column selected.
    void showSeries(int series);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void retranslateUi();
    void refresh();

    AppraisalDetailsModel &m_model;
    QLabel *m_financeLabel;
    QLabel *m_reinvestLabel;
    QLineEdit *m_finance;
    QLineEdit *m_reinvest;
    QTableWidget *m_table;
};

} // namespace pelmora
