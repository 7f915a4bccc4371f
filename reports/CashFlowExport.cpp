#include "CashFlowExport.h"

namespace pelmora {

QByteArray ExportCashFlowsText(int rows, const std::function<QString(int row, int column)> &cell,
                               const QString &separator)
{
    QString out;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c <= 3; ++c) {
            out += cell(r, c);
            if (c < 3)
                out += separator;
        }
        out += QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

} // namespace pelmora
