#include "DetailTexts.h"

#include <QCoreApplication>

namespace pelmora {

namespace {

// Why the grid's walk does not stop at `irr`.
QString blindReason(const FoundIrr &irr)
{
    switch (irr.finding) {
    case IrrFinding::ExactZero:
        return QCoreApplication::translate(
            "AppraisalDetails",
            "NPV is exactly zero at one of the search's points, and the search only stops where NPV changes "
            "sign.");
    case IrrFinding::CloseLook:
        return QCoreApplication::translate(
            "AppraisalDetails",
            "Two IRRs lie within one step of 0.1, so NPV shows no change of sign between the search's points.");
    case IrrFinding::SignChange:
        break;
    }
    return QCoreApplication::translate("AppraisalDetails",
                                       "The search stops at the first change of sign from its start.");
}

QString irrSentences(const SeriesDetails &d, const NumberTexts &texts)
{
    const QString all = irrListText(d, texts);
    switch (d.diagnosis) {
    case IrrDiagnosis::Empty:
        return QCoreApplication::translate("AppraisalDetails", "This series has no flows.");
    case IrrDiagnosis::ZeroFlows:
        return QCoreApplication::translate("AppraisalDetails",
                                           "Every flow of this series is zero: NPV is zero at every rate.");
    case IrrDiagnosis::OnePeriod:
        return QCoreApplication::translate("AppraisalDetails",
                                           "This series has period 0 only: it has no rate of return.");
    case IrrDiagnosis::OneIrr:
        return QCoreApplication::translate("AppraisalDetails", "This series has exactly one IRR: %1.").arg(all);
    case IrrDiagnosis::SeveralIrrs:
        return QCoreApplication::translate(
                   "AppraisalDetails",
                   "This series has several IRRs: %1. IRR cannot rank this project: compare by NPV or MIRR.")
            .arg(all);
    case IrrDiagnosis::NoneAbove:
    case IrrDiagnosis::NoneBelow:
        return (d.diagnosis == IrrDiagnosis::NoneAbove
                    ? QCoreApplication::translate("AppraisalDetails", "No IRR between %1 and %2: NPV stays above zero.")
                    : QCoreApplication::translate("AppraisalDetails",
                                                  "No IRR between %1 and %2: NPV stays below zero."))
            .arg(rateText(d.rangeStart, texts), rateText(d.rangeEnd, texts));
    case IrrDiagnosis::GridShowsNone:
        return QCoreApplication::translate("AppraisalDetails",
                                           "The IRR cell is blank, but this series has the IRRs %1.")
                   .arg(all) +
               u' ' + blindReason(*d.blindIrr);
    case IrrDiagnosis::GridShowsOther:
        return QCoreApplication::translate("AppraisalDetails",
                                           "The IRR cell shows %1, but this series has the IRRs %2.")
                   .arg(rateText(*d.gridIrr, texts), all) +
               (d.blindIrr ? u' ' + blindReason(*d.blindIrr) : QString());
    }
    return {};
}

} // namespace

QString rateText(double percent, const NumberTexts &texts)
{
    return texts.plainText(percent) + QStringLiteral(" %");
}

QString irrListText(const SeriesDetails &details, const NumberTexts &texts)
{
    QStringList rates;
    for (const FoundIrr &irr : details.irrs)
        rates += rateText(irr.rate, texts);
    return rates.join(u"; ");
}

QString diagnosisText(const SeriesDetails &details, const NumberTexts &texts)
{
    QString text = irrSentences(details, texts);
    const bool severalOrOne =
        details.diagnosis == IrrDiagnosis::OneIrr || details.diagnosis == IrrDiagnosis::SeveralIrrs;
    if (severalOrOne && !details.gridIrr)
        text += u' ' + QCoreApplication::translate(
                           "AppraisalDetails",
                           "The IRR cell is blank: the search starts at 0 % when the discount rate is not negative.");
    if (details.noInvestment && details.diagnosis != IrrDiagnosis::Empty)
        text +=
            u' ' + QCoreApplication::translate("AppraisalDetails", "Period 0 is not an investment: PI is undefined.");
    return text;
}

} // namespace pelmora
