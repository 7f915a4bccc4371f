#pragma once

// pelmora-cli: a headless companion that drives the same models as the project
// window. solve and schedule start from a new window's input panel and type the
// given values into the fields, as a user would; appraise and resave open a
// project file as the program does.

#include "ProjectWindow.h"

#include <QByteArray>
#include <QStringList>

#include <memory>

namespace pelmora::cli {

struct Outcome
{
    int exitCode = 0;
    QByteArray out; // standard output
    QByteArray err; // standard error
};

// `arguments` excludes the program name.
Outcome run(const QStringList &arguments);

// The commands, by the models they drive; and what they share.
Outcome runPanel(const QStringList &arguments);
Outcome runDocument(const QStringList &arguments);
Outcome runDetails(const QStringList &arguments);
Outcome usage(const QString &why);
QByteArray fieldsText(const InputPanel &panel);

// A project file read into the shared values and a window built from them and
// activated, as the program opens it; `window` is null when the file could not
// be read, and `error` says why.
struct OpenedProject
{
    DocumentSession session;
    std::unique_ptr<ProjectWindowModel> window;
    QString error;
};
std::unique_ptr<OpenedProject> openProject(const QString &path, const QString &separator);

} // namespace pelmora::cli
