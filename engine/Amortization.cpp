#include "Amortization.h"

#include "Checked.h"
#include "NumberPattern.h"
#include "NumberTexts.h"
#include "VectorState.h"

namespace pelmora {

void Calc_Amort(ProjectValues &pv)
{
    const Checked r = Checked(pv.i) / 100;
    // TI = n * PMT - PV
    assignStep(pv.TI, Checked(pv.n) * pv.PMT - pv.PV);
    // Amort = (PMT - PV * r) * (1 + r)^(paym - 1): the first principal part grows
    // by the factor 1 + r from one payment to the next.
    assignStep(pv.Amort, (Checked(pv.PMT) - Checked(pv.PV) * r) * pow(1 + r, Checked(pv.paym) - 1));
    assignStep(pv.IPaym, Checked(pv.PMT) - pv.Amort);
    if (pv.i == 0)
        assignStep(pv.BD, Checked(pv.PV) - Checked(pv.paym) * pv.Amort);
    if (pv.i != 0) {
        // BD = PMT * ((1 + r)^(n - paym) - 1) / ((1 + r)^(n - paym) * r): the present
        // value of the payments still to come.
        const Checked growth = pow(1 + r, Checked(pv.n) - pv.paym);
        assignStep(pv.BD, Checked(pv.PMT) * (growth - 1) / (growth * r));
    }
    if (pv.i == -100)
        pv.BD = 0;
}

AmortSchedule buildAmortRows(ProjectValues &pv, const NumberTexts &texts)
{
    clearVectorUpperState();
    AmortSchedule schedule;
    const std::optional<std::int16_t> count = roundToInt16(pv.n);
    if (!count || *count < 1)
        return schedule;

    const NumberPattern amount = NumberPattern::parse(ZLen(pv.nFix));
    const NumberPattern number = NumberPattern::parse(ZInt(pv.n <= 99 ? 2 : 3));
    double cumAmort = 0;
    double cumInterest = 0;
    double cumPayment = 0;
    schedule.rows.reserve(size_t(*count));
    for (int j = 1; j <= *count; ++j) {
        AmortRow row;
        row.key = QString::number(j) + u'p';
        row.cells[0] = texts.format(j, number);
        pv.paym = j;
        Calc_Amort(pv);
        assignStep(cumAmort, Checked(cumAmort) + pv.Amort);
        assignStep(cumInterest, Checked(cumInterest) + pv.IPaym);
        assignStep(cumPayment, Checked(cumAmort) + cumInterest);
        const double figures[6] = {pv.Amort, pv.IPaym, cumAmort, cumInterest, cumPayment, pv.BD};
        for (int c = 0; c < 6; ++c)
            row.cells[c + 1] = texts.format(figures[c], amount);
        schedule.rows.push_back(std::move(row));
    }
    return schedule;
}

} // namespace pelmora
