#pragma once

// The details of the active project window's last appraisal, as the details
// dialog shows them: a text per measure and series, the diagnosis of each
// series, and the two rates of the modified IRR. The rates start at the
// discount rate and are the user's for the rest of the run (the project file
// has no place for them); a change of either computes the details again.

#include "AppraisalDetails.h"
#include "NumberTexts.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>

namespace pelmora {

class ProjectWindowModel;

class AppraisalDetailsModel : public QObject
{
    Q_OBJECT
public:
    enum class Row : int { NPV, IRR, SignChanges, MIRR, Payback, DiscountedPayback, NFV, PI, Diagnosis };
    static constexpr int Rows = int(Row::Diagnosis) + 1;
    static constexpr int Series = 3; // A, incremental, B

    explicit AppraisalDetailsModel(const NumberTexts &texts, QObject *parent = nullptr);

    // The project window whose appraisals are shown; none: nothing to show.
    void setProject(ProjectWindowModel *project);
    bool hasDetails() const { return m_details.has_value(); }

    // The details are computed only while they are shown, so that an
    // appraisal costs nothing more while the dialog is closed.
    void setShown(bool shown);

    // Texts in the language installed now.
    static QString rowLabel(Row row);
    static QString seriesTitle(int series);
    QString text(Row row, int series) const;

    // The rates as the fields show them; a text that is no number sets the
    // discount rate back.
    QString financeRate() const;
    QString reinvestRate() const;
    void setFinanceRate(const QString &text);
    void setReinvestRate(const QString &text);

Q_SIGNALS:
    void changed();

private:
    void recompute();
    QString rawText(Row row, int series) const;
    QString rateField(const std::optional<double> &rate) const;
    QString irrText(const SeriesDetails &d) const;
    QString periodsText(const std::optional<double> &periods) const;

    NumberTexts m_texts;
    QPointer<ProjectWindowModel> m_project;
    MirrRates m_rates;
    std::optional<double> m_discountRate;
    std::optional<std::array<SeriesDetails, 3>> m_details;
    bool m_shown = false;
};

} // namespace pelmora
