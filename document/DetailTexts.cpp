#include "DetailTexts.h"

#include <QCoreApplication>

#include <cmath>

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

// A rate as a sentence names it: to four decimals, which tells apart any two
// IRRs the details list, without the last digits of the refinement.
QString roundedRate(double percent, const NumberTexts &texts)
{
    return rateText(std::round(percent * 1e4) / 1e4, texts);
}

// The IRRs, ascending, separated by "; ": rounded, or with every digit.
QString irrList(const SeriesDetails &d, const NumberTexts &texts, bool rounded)
{
    QStringList rates;
    for (const FoundIrr &irr : d.irrs)
        rates += rounded ? roundedRate(irr.rate, texts) : rateText(irr.rate, texts);
    return rates.join(u"; ");
}

QString irrSentences(const SeriesDetails &d, const NumberTexts &texts)
{
    // Where the cell and the IRRs differ, only full digits show how.
    const QString all = irrList(d, texts, d.diagnosis != IrrDiagnosis::GridShowsOther);
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
            .arg(roundedRate(d.rangeStart, texts), roundedRate(d.rangeEnd, texts));
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

QString diagnosisText(const SeriesDetails &details, const NumberTexts &texts)
{
    QString text = irrSentences(details, texts);
    const bool severalOrOne =
        details.diagnosis == IrrDiagnosis::OneIrr || details.diagnosis == IrrDiagnosis::SeveralIrrs;
    if (severalOrOne && !details.gridIrr)
        text += u' ' + QCoreApplication::translate(
                           "AppraisalDetails",
                           "The IRR cell is blank: the search starts at 0 % when the discount rate is not negative.");
    for (const FoundIrr &irr : details.irrs) {
        if (irr.touching)
            text += u' ' + QCoreApplication::translate("AppraisalDetails",
                                                       "At %1 NPV touches zero without changing sign: a double root.")
                               .arg(roundedRate(irr.rate, texts));
    }
    if (details.noInvestment && details.diagnosis != IrrDiagnosis::Empty)
        text +=
            u' ' + QCoreApplication::translate("AppraisalDetails",
                                               "Period 0 is not an investment: PI is undefined (its cell shows %1).")
                       .arg(texts.plainText(details.PI));
    return text;
}

} // namespace pelmora
