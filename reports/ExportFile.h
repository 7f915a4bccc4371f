#pragma once

// An export ("Amort.csv", "Data.csv") written into the program's folder: the
// whole file or nothing, and the message the user sees when it fails.

#include <QByteArray>
#include <QString>

#include <optional>

namespace pelmora {

struct ExportOutcome
{
    QString path;    // the file written, to be opened with its program
    QString failure; // the message to show; empty when the file was written
    bool ok() const { return failure.isEmpty(); }
};

// The message of an export that failed; it has no Portuguese form.
QString exportFailureMessage(const QString &fileName);

// Writes `bytes` as `fileName` in `folder`. No bytes (the text could not be
// made) fail as a failed write does, and the file is left as it was.
ExportOutcome writeExport(const QString &folder, const QString &fileName, const std::optional<QByteArray> &bytes);

} // namespace pelmora
