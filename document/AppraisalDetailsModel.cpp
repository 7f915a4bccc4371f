#include "AppraisalDetailsModel.h"

#include "DetailTexts.h"
#include "ProjectWindow.h"

using namespace Qt::StringLiterals;

namespace pelmora {

AppraisalDetailsModel::AppraisalDetailsModel(const NumberTexts &texts, QObject *parent)
    : QObject(parent), m_texts(texts)
{
}

void AppraisalDetailsModel::setProject(ProjectWindowModel *project)
{
    if (m_project == project)
        return;
    if (m_project)
        disconnect(m_project, nullptr, this, nullptr);
    m_project = project;
    if (project)
        connect(project, &ProjectWindowModel::appraised, this, &AppraisalDetailsModel::recompute);
    recompute();
}

void AppraisalDetailsModel::setShown(bool shown)
{
    if (m_shown == shown)
        return;
    m_shown = shown;
    recompute();
}

void AppraisalDetailsModel::recompute()
{
    m_details.reset();
    m_discountRate.reset();
    if (m_shown && m_project && m_project->lastAppraisal()) {
        const ProjectWindowModel::AppraisalRun &run = *m_project->lastAppraisal();
        m_discountRate = run.result.discountRate;
        m_details = appraisalDetails(run.input, run.result, m_rates);
    }
    Q_EMIT changed();
}

QString AppraisalDetailsModel::rowLabel(Row row)
{
    switch (row) {
    case Row::NPV:
        return tr("NPV");
    case Row::IRR:
        return tr("IRR");
    case Row::SignChanges:
        return tr("Sign changes");
    case Row::MIRR:
        return tr("MIRR");
    case Row::Payback:
        return tr("Payback");
    case Row::DiscountedPayback:
        return tr("Discounted payback");
    case Row::NFV:
        return tr("NFV");
    case Row::PI:
        return tr("PI");
    case Row::Diagnosis:
        return tr("Diagnosis");
    }
    return {};
}

QString AppraisalDetailsModel::seriesTitle(int series)
{
    switch (series) {
    case SeriesA:
        return tr("Project A");
    case SeriesIncremental:
        return tr("Incremental");
    case SeriesB:
        return tr("Project B");
    }
    return {};
}

QString AppraisalDetailsModel::text(Row row, int series) const
{
    // A wrapped line never parts a rate from its sign.
    return rawText(row, series).replace(u" %"_s, u"\u00A0%"_s);
}

QString AppraisalDetailsModel::rawText(Row row, int series) const
{
    if (!m_details || series < 0 || series >= Series)
        return {};
    const SeriesDetails &d = (*m_details)[series];
    if (d.last < 0)
        return {};
    switch (row) {
    case Row::NPV:
        return m_texts.plainText(d.NPV);
    case Row::IRR:
        return irrText(d);
    case Row::SignChanges:
        return QString::number(d.signChanges);
    case Row::MIRR:
        return d.MIRR ? rateText(*d.MIRR, m_texts) : tr("undefined");
    case Row::Payback:
        return periodsText(d.payback);
    case Row::DiscountedPayback:
        return periodsText(d.discountedPayback);
    case Row::NFV:
        return m_texts.plainText(d.NFV);
    case Row::PI:
        return d.noInvestment ? tr("undefined") : m_texts.plainText(d.PI);
    case Row::Diagnosis:
        return diagnosisText(d, m_texts);
    }
    return {};
}

// Every IRR, the one the grid's cell shows marked.
QString AppraisalDetailsModel::irrText(const SeriesDetails &d) const
{
    QStringList rates;
    for (const FoundIrr &irr : d.irrs) {
        QString rate = rateText(irr.rate, m_texts);
        if (irr.touching)
            rate = tr("%1 (double root)").arg(rate);
        rates += irr.shownByGrid ? tr("%1 (IRR cell)").arg(rate) : rate;
    }
    return rates.isEmpty() ? tr("none") : rates.join(u"; "_s);
}

QString AppraisalDetailsModel::periodsText(const std::optional<double> &periods) const
{
    if (periods == 0.0)
        return tr("0 (nothing to recover)");
    return periods ? m_texts.plainText(*periods) : tr("never within the project's life");
}

QString AppraisalDetailsModel::rateField(const std::optional<double> &rate) const
{
    if (rate)
        return m_texts.plainText(*rate);
    return m_discountRate ? m_texts.plainText(*m_discountRate) : QString();
}

QString AppraisalDetailsModel::financeRate() const
{
    return rateField(m_rates.finance);
}

QString AppraisalDetailsModel::reinvestRate() const
{
    return rateField(m_rates.reinvest);
}

void AppraisalDetailsModel::setFinanceRate(const QString &text)
{
    m_rates.finance = m_texts.toNumber(text);
    recompute();
}

void AppraisalDetailsModel::setReinvestRate(const QString &text)
{
    m_rates.reinvest = m_texts.toNumber(text);
    recompute();
}

} // namespace pelmora
