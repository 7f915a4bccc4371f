#pragma once

// pelmora-cli: a headless companion that drives the same models as the project
// window. Each command starts from a new window's input panel and types the given
// values into the fields, as a user would.

#include <QByteArray>
#include <QStringList>

namespace pelmora::cli {

struct Outcome
{
    int exitCode = 0;
    QByteArray out; // standard output
    QByteArray err; // standard error
};

// `arguments` excludes the program name.
Outcome run(const QStringList &arguments);

} // namespace pelmora::cli
