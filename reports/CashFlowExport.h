#pragma once

// The text of "Data.csv": every grid row as the user sees it, the four columns'
// texts each followed by the list separator but the last; CR LF line ends;
// nothing quoted or escaped.

#include <QByteArray>
#include <QString>

#include <functional>

namespace pelmora {

QByteArray ExportCashFlowsText(int rows, const std::function<QString(int row, int column)> &cell,
                               const QString &separator);

} // namespace pelmora
