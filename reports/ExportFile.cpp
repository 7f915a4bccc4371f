#include "ExportFile.h"

#include <QDir>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace pelmora {

QString exportFailureMessage(const QString &fileName)
{
    return u"Fail. Check if the file "_s + fileName + u" is already open. Close it and try again!"_s;
}

ExportOutcome writeExport(const QString &folder, const QString &fileName, const std::optional<QByteArray> &bytes)
{
    ExportOutcome outcome{QDir(folder).filePath(fileName), {}};
    if (!bytes) {
        outcome.failure = exportFailureMessage(fileName);
        return outcome;
    }
    QSaveFile file(outcome.path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.commit())
        outcome.failure = exportFailureMessage(fileName);
    return outcome;
}

} // namespace pelmora
