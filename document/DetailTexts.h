#pragma once

// The plain sentences that explain one series' details, in the language the
// program shows, with the locale's number texts: shared by the command line and
// the window.

#include "AppraisalDetails.h"
#include "NumberTexts.h"

#include <QString>

namespace pelmora {

// A rate in percent, as the locale writes it: "13.8986691902721 %".
QString rateText(double percent, const NumberTexts &texts);
// One or two sentences on the series' IRRs, and one more when PI is undefined.
QString diagnosisText(const SeriesDetails &details, const NumberTexts &texts);

} // namespace pelmora
