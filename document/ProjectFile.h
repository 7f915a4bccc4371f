#pragma once

// The project file ".vlx": one record per line, a key field of exactly 13
// characters, the value from character 14 on; CR LF line ends.
//
//   nfsize, nFix, n, i, PV, PMT, FV, escala, rows   numbers in print form (" 4 ")
//   CFa00..CFaNN, then CFb00..CFbNN                  cell texts of A and B, N = rows - 6
//
// The reader finds values by key anywhere in a line, not by line number, so
// lines may come in any order as long as "rows" precedes the cash-flow lines.

#include "NumberTexts.h"
#include "ProjectValues.h"

#include <QByteArray>
#include <QString>

namespace pelmora {

struct FileOutcome
{
    bool ok = true;
    QString message; // the message box text when not ok
};

// A 99-period project is a few kilobytes; anything past this is no project and
// is refused before it is read.
constexpr qint64 MaxProjectFileBytes = 16 * 1024 * 1024;

// Reads `path` into `values`; values read before an error stay. On success
// `nLoaded` takes the n just read. Only a regular file of at most
// MaxProjectFileBytes is read.
FileOutcome ReadProject(const QString &path, ProjectValues &values, double &nLoaded, const NumberTexts &texts);

// The same, from the file's bytes (errors name no file).
FileOutcome readProjectBytes(const QByteArray &bytes, ProjectValues &values, double &nLoaded, const NumberTexts &texts);

// The file's bytes for `values` (CFa and CFb already taken from the grid).
QByteArray projectFileBytes(const ProjectValues &values, const NumberTexts &texts);

// Writes through a temporary file that replaces the old one only when complete,
// so a failed save never destroys a good project.
FileOutcome WriteProject(const QString &path, const ProjectValues &values, const NumberTexts &texts);

} // namespace pelmora
