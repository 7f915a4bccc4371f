#include "AppraisalDetailsDialog.h"

#include <QEvent>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace pelmora {

using Row = AppraisalDetailsModel::Row;

AppraisalDetailsDialog::AppraisalDetailsDialog(AppraisalDetailsModel &model, QWidget *parent)
    : QDialog(parent),
      m_model(model),
      m_financeLabel(new QLabel(this)),
      m_reinvestLabel(new QLabel(this)),
      m_finance(new QLineEdit(this)),
      m_reinvest(new QLineEdit(this)),
      m_table(new QTableWidget(AppraisalDetailsModel::Rows, AppraisalDetailsModel::Series, this))
{
    setObjectName(u"fdetails"_s);
    setModal(false);
    m_finance->setObjectName(u"FinanceRate"_s);
    m_reinvest->setObjectName(u"ReinvestRate"_s);
    m_table->setObjectName(u"Details"_s);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectColumns);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setWordWrap(true);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The wrapped diagnosis needs the columns' final widths to find its height.
    connect(m_table->horizontalHeader(), &QHeaderView::sectionResized, m_table, &QTableWidget::resizeRowsToContents,
            Qt::QueuedConnection);
    for (int row = 0; row < AppraisalDetailsModel::Rows; ++row) {
        for (int series = 0; series < AppraisalDetailsModel::Series; ++series)
            m_table->setItem(row, series, new QTableWidgetItem);
    }

    auto *rates = new QFormLayout;
    rates->addRow(m_financeLabel, m_finance);
    rates->addRow(m_reinvestLabel, m_reinvest);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(rates);
    layout->addWidget(m_table);
    resize(900, 560);

    connect(m_finance, &QLineEdit::textEdited, &m_model, &AppraisalDetailsModel::setFinanceRate);
    connect(m_reinvest, &QLineEdit::textEdited, &m_model, &AppraisalDetailsModel::setReinvestRate);
    connect(&m_model, &AppraisalDetailsModel::changed, this, &AppraisalDetailsDialog::refresh);
    retranslateUi();
}

void AppraisalDetailsDialog::showSeries(int series)
{
    m_table->selectColumn(series);
    show();
    raise();
    activateWindow();
}

void AppraisalDetailsDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void AppraisalDetailsDialog::showEvent(QShowEvent *event)
{
    m_model.setShown(true);
    QDialog::showEvent(event);
}

void AppraisalDetailsDialog::hideEvent(QHideEvent *event)
{
    m_model.setShown(false);
    QDialog::hideEvent(event);
}

void AppraisalDetailsDialog::retranslateUi()
{
    setWindowTitle(tr("Appraisal Details"));
    m_financeLabel->setText(tr("MIRR finance rate (%)"));
    m_reinvestLabel->setText(tr("MIRR reinvestment rate (%)"));
    QStringList rows, series;
    for (int row = 0; row < AppraisalDetailsModel::Rows; ++row)
        rows += AppraisalDetailsModel::rowLabel(Row(row));
    for (int s = 0; s < AppraisalDetailsModel::Series; ++s)
        series += AppraisalDetailsModel::seriesTitle(s);
    m_table->setVerticalHeaderLabels(rows);
    m_table->setHorizontalHeaderLabels(series);
    refresh();
}

// The texts from the model; a rate field being typed in keeps its text.
void AppraisalDetailsDialog::refresh()
{
    for (int row = 0; row < AppraisalDetailsModel::Rows; ++row) {
        for (int series = 0; series < AppraisalDetailsModel::Series; ++series)
            m_table->item(row, series)->setText(m_model.text(Row(row), series));
    }
    if (!m_finance->hasFocus())
        m_finance->setText(m_model.financeRate());
    if (!m_reinvest->hasFocus())
        m_reinvest->setText(m_model.reinvestRate());
    m_table->resizeRowsToContents();
}

} // namespace pelmora
