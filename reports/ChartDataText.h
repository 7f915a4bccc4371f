#pragma once

// A chart's data as the text that goes with its picture to the clipboard, for
// pasting into a spreadsheet: a header row with the series' labels after an
// empty first cell, then one row per data row with its label and its values.
// Cells are separated by tabs and every row ends with CR LF, as the grid's
// copied cells are; a series without a point in a row leaves its cell empty.

#include "ChartData.h"

#include <QString>

namespace pelmora {

QString chartDataText(const ProfileChart &chart, const NumberTexts &texts);
// A small chart's one series is labelled `seriesLabel` ("Project A").
QString chartDataText(const FlowChart &chart, const QString &seriesLabel, const NumberTexts &texts);

} // namespace pelmora
