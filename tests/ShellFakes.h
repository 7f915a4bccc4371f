#pragma once

// Stand-ins for the desktop's dialogs: each records what it was asked and
// answers from a queue that the test fills, so no prompt waits for a person.
// An empty queue answers Cancel, which a test that expects no prompt notices.

#include "DocumentSlots.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

namespace pelmora::testing {

class ScriptedMessages : public MessageBoxes
{
public:
    QStringList shown;     // texts of the OK message boxes
    QStringList questions; // texts of the Yes/No/Cancel prompts
    QList<Answer> answers; // next answers, first first

    void information(const QString &text) override { shown.append(text); }
    Answer question(const QString &text) override
    {
        questions.append(text);
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
};

class ScriptedDialogs : public FileDialogs
{
public:
    QList<FileDialogRequest> opened; // requests of the open dialog
    QList<FileDialogRequest> saved;  // requests of the save dialog
    QList<std::optional<QString>> choices; // next choices; nullopt cancels

    std::optional<QString> ShowOpenDialog(const FileDialogRequest &request) override { return next(opened, request); }
    std::optional<QString> ShowSaveDialog(const FileDialogRequest &request) override { return next(saved, request); }

private:
    std::optional<QString> next(QList<FileDialogRequest> &asked, const FileDialogRequest &request)
    {
        asked.append(request);
        return choices.isEmpty() ? std::nullopt : choices.takeFirst();
    }
};

} // namespace pelmora::testing
