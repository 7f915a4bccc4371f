#pragma once

// The life of the project documents from New to Close: the table of document
// slots 1..20, each with its window, its name (the window's caption) and its
// modified flag; the commands New, Open, Save and Save As; and the save prompt
// of a closing window.
//
// The table is widget-free. What it needs of the desktop comes through three
// small interfaces: file dialogs, message boxes and the factory of project
// windows, so that tests answer the prompts and the program shows real dialogs.
//
// Paths: a folder ends at the last "/" or "\". The dialogs of this system return
// "/", and a path that an older settings file kept with "\" splits the same way.

#include "ProjectWindow.h"

#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace pelmora {

enum class Answer { Yes, No, Cancel };

// Message boxes captioned with the program's title.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual void information(const QString &text) = 0; // OK button only
    virtual Answer question(const QString &text) = 0;  // Yes, No, Cancel; question icon
};

struct FileDialogRequest
{
    QString title;       // "Open" / "Save As", translated
    QString initialPath; // folder and proposed file name
    QString filter;      // "Valorix (*.vlx);;All Files (*.*)"
};

// The common file dialogs: the chosen full path, or nothing when the user
// cancelled. The save dialog asks before it overwrites a file and adds no
// extension to a typed name.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> ShowOpenDialog(const FileDialogRequest &request) = 0;
    virtual std::optional<QString> ShowSaveDialog(const FileDialogRequest &request) = 0;
};

// One project window as the document commands see it.
class DocumentWindow
{
public:
    virtual ~DocumentWindow() = default;
    virtual QString caption() const = 0;
    virtual void setCaption(const QString &caption) = 0;
    virtual void setModifiedMark(bool modified) = 0;
    virtual void showDocument() = 0; // show it and make it the active window
    virtual void activateDocument() = 0;
    virtual void fillProjectArrays() = 0; // its cell texts into CFa and CFb
};

class WindowFactory
{
public:
    virtual ~WindowFactory() = default;
    // A new, not yet shown window, built blank or from the values just read,
    // as the session's NewDoc says.
    virtual DocumentWindow *createWindow(const QString &caption) = 0;
    virtual DocumentWindow *activeWindow() const = 0;
};

// The values the document commands share with the rest of the program.
struct DocumentShared
{
    DocumentSession &session;
    QString &FileVlx; // project file last opened or saved, kept between runs
};

// Its texts are in the language of the installed translation.
class DocumentSlots
{
    Q_DECLARE_TR_FUNCTIONS(DocumentSlots)
public:
    static constexpr int SlotCount = 20;

    DocumentSlots(DocumentShared shared, const NumberTexts &texts, FileDialogs &dialogs, MessageBoxes &messages,
                  WindowFactory &windows);

    // A shown window in the next slot, named "Corporate Valorix <slot>". The
    // caller sets NewDoc first. When all 20 slots hold open windows a message
    // says so and no window is made (nullptr).
    DocumentWindow *NewWindow();

    // The file commands return the report of the first status panel,
    // "<FileVlx> opened" or "<FileVlx> saved", for the caller to show once the
    // command has ended; empty when no file was read or written.

    // Open: the open dialog on FileVlx; a file whose title names an open window
    // activates that window, else the file is read into a new window captioned
    // with its title.
    QString OpenProject();
    // Start-up with a path on the command line: FileVlx holds it.
    QString OpenProjectPath();
    // Save into the folder of FileVlx under the active window's caption; a name
    // without ".vlx" goes through Save As. Failures end it quietly.
    QString SaveProject();
    QString SaveProjectAs();

    // The save prompt before `window` closes: false keeps it open and sets
    // CloseCancelled, which stops a quit in progress.
    bool queryClose(DocumentWindow *window);
    // Bookkeeping after `window` has closed; returns the status report
    // "<name> closed". With no window left the numbering starts again at 1.
    QString windowClosed(DocumentWindow *window);
    // A grid edit in `window` (CommitCell, PasteCell, ClearCell).
    void markModified(DocumentWindow *window);

    bool CloseCancelled() const { return m_closeCancelled; }
    void clearCloseCancelled() { m_closeCancelled = false; }

    // The table.
    int SlotOfName(QStringView name) const; // first slot with that name, 0 if none
    QString name(int slot) const;
    bool modified(int slot) const;
    DocumentWindow *window(int slot) const;
    int openCount() const { return m_openCount; }

    // Path parts: after the last separator ("/" or "\"), and up to and
    // including it; with no separator, the whole path and the empty text.
    static QString FileTitleOf(QStringView path);
    static QString FolderOf(QStringView path);

private:
    struct Slot
    {
        DocumentWindow *window = nullptr;
        QString name;
        bool modified = false;
    };

    DocumentWindow *newWindow(const QString *caption);
    QString openFile();
    int freeSlot() const;
    int slotOf(const DocumentWindow *window) const;
    bool writeWindow(DocumentWindow *window, const QString &path, bool reportFailure);
    QString saveAs(DocumentWindow *window);
    QString save(DocumentWindow *window);
    void rename(int slot, const QString &name);
    void setModified(int slot, bool modified);
    FileDialogRequest dialogRequest(bool save) const;

    DocumentShared m_shared;
    NumberTexts m_texts;
    FileDialogs &m_dialogs;
    MessageBoxes &m_messages;
    WindowFactory &m_windows;
    std::array<Slot, SlotCount + 1> m_slots; // index 0 is never used
    int m_lastSlot = 0;
    int m_openCount = 0;
    bool m_closeCancelled = false;
};

} // namespace pelmora
