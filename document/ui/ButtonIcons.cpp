#include "ButtonIcons.h"

namespace pelmora {

QIcon commandIcon(int command)
{
    // Commands 0 to 4 solve for a field, 7 analyses the cash flows, the others
    // without a caption show the amortization schedule.
    const char *file = command <= 4 ? "solve" : command == 7 ? "cash-analysis" : "amortization";
    return QIcon(QStringLiteral(":/pictures/commands/%1.svg").arg(QLatin1StringView(file)));
}

} // namespace pelmora
