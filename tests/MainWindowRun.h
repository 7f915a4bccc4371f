#pragma once

// One run of the program in a folder of its own, with stand-ins for every
// desktop service: message boxes, file dialogs, clock, user name, shell and
// printers. The printers are the desktop's own but for their prompts, so that a
// page really goes into a PDF file.

#include "DocumentSlots.h"
#include "PrinterServices.h"
#include "Startup.h"
#include "TestData.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace pelmora::testing {

// Stand-ins for the desktop's dialogs: each records what it was asked and
// answers from a queue that the test fills, so no prompt waits for a person.
// An empty queue answers Cancel, which a test that expects no prompt notices.
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
    QList<FileDialogRequest> opened;       // requests of the open dialog
    QList<FileDialogRequest> saved;        // requests of the save dialog
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

class FixedClock : public Clock
{
public:
    QDateTime now() const override { return {QDate(2026, 3, 2), QTime(9, 30)}; }
};

class FixedUser : public UserNameService
{
public:
    QString UserName() const override { return QStringLiteral("Ana"); }
};

class RecordingShell : public ShellService
{
public:
    QStringList browsed, opened; // web addresses, files
    int sysInfoStarts = 0;
    bool openAssociated(const QString &path) override
    {
        opened.append(path);
        return true;
    }
    bool openInBrowser(const QString &address) override
    {
        browsed.append(address);
        return true;
    }
    bool startSysInfo() override
    {
        ++sysInfoStarts;
        return false; // none installed
    }
};

// The print system's printers replaced by a list; set-up dialog, confirmation
// and the PDF file's name answered from queues.
class ScriptedPrinters : public QtPrinterServices
{
public:
    QStringList names{pdfPrinterName()};
    QString defaultName = pdfPrinterName();
    QList<std::optional<std::int16_t>> setups; // empty: cancelled
    QList<bool> answers;                       // empty: No
    QStringList questions;
    QString pdfPath; // empty: the save dialog cancelled

    QStringList printerNames() const override { return names; }
    QString defaultPrinterName() const override { return defaultName; }
    std::optional<std::int16_t> PrinterSetup(const QString &, std::int16_t) override
    {
        return setups.isEmpty() ? std::nullopt : setups.takeFirst();
    }
    bool confirm(const QString &text) override
    {
        questions.append(text);
        return !answers.isEmpty() && answers.takeFirst();
    }

protected:
    std::optional<QString> pdfFileName(const QString &) override
    {
        return pdfPath.isEmpty() ? std::nullopt : std::optional(pdfPath);
    }
};

// Settings files that choose the language.
inline const QByteArray EnglishSettings = "OptEN        True\r\nOptPT        False\r\n";
inline const QByteArray PortugueseSettings = "OptEN        False\r\nOptPT        True\r\n";

// The example appraisal: A = -1000, 700, 500; B = -1500, 700, 1200; i = 10 %.
inline const QByteArray ExampleProject = testData("example.vlx");

struct Run
{
    QTemporaryDir folder;
    ScriptedMessages messages;
    MessageBoxes *messageBoxes = &messages; // the desktop's own, for a test that looks at them
    ScriptedDialogs dialogs;
    FixedClock clock;
    FixedUser user;
    RecordingShell recordingShell;
    ShellService *shell = &recordingShell;
    ScriptedPrinters printers;
    Settings settings;
    DocumentSession session;
    std::unique_ptr<fvalorix> window;

    void writeFile(const QString &name, const QByteArray &bytes) { writeBytes(folder.filePath(name), bytes); }
    // Starts with the settings file's `settings` and the command line's `arguments`.
    void start(const QByteArray &settingsFile = {}, QStringList arguments = {})
    {
        if (!settingsFile.isEmpty())
            writeFile(QStringLiteral("Valorix.ini"), settingsFile);
        arguments.prepend(QStringLiteral("pelmora"));
        using namespace std::chrono_literals;
        window = Main(settings, session, {*messageBoxes, dialogs, clock, user, *shell, &printers},
                      {folder.path(), arguments, 0ms, {}});
    }
    QByteArray readFile(const QString &name) const { return readBytes(folder.filePath(name)); }
    // Starts with the example appraisal open.
    void startWithExample(const QByteArray &settingsFile = {})
    {
        writeFile(QStringLiteral("example.vlx"), ExampleProject);
        start(settingsFile, {folder.filePath(QStringLiteral("example.vlx"))});
    }
    template <typename T = QAction> T *find(const QString &name) const { return window->findChild<T *>(name); }
    void trigger(const QString &item) { find(item)->trigger(); }
};

// Runs `act` on the modal dialog that `open` shows, then closes it whatever
// `act` did, so that a failed check never leaves the test waiting. A dialog's
// own event loop runs until it closes, so the acting happens from inside it;
// the dialog is waited for, as a menu lets the event loop run before it is there.
inline void inModalDialog(const std::function<void()> &open, const std::function<void(QWidget *)> &act)
{
    bool acted = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || acted)
            return;
        acted = true;
        poll.stop();
        act(dialog);
        if (QWidget *still = QApplication::activeModalWidget())
            still->close();
    });
    poll.start(10);
    open();
    QVERIFY2(acted, "no dialog opened");
}

} // namespace pelmora::testing
