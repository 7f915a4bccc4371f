#include "DocumentSlots.h"

#include "ProjectFile.h"

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

QString defaultName(int slot)
{
    return u"Corporate Valorix "_s + QString::number(slot);
}

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

// Index of the last separator, -1 when there is none.
qsizetype lastSeparator(QStringView path)
{
    for (qsizetype k = path.size() - 1; k >= 0; --k) {
        if (isSeparator(path[k]))
            return k;
    }
    return -1;
}

} // namespace

DocumentSlots::DocumentSlots(DocumentShared shared, const NumberTexts &texts, FileDialogs &dialogs,
                             MessageBoxes &messages, WindowFactory &windows)
    : m_shared(shared), m_texts(texts), m_dialogs(dialogs), m_messages(messages), m_windows(windows)
{
}

// ---- the table ----

int DocumentSlots::SlotOfName(QStringView name) const
{
    for (int s = 1; s <= SlotCount; ++s) {
        if (m_slots[s].name == name)
            return s;
    }
    return 0;
}

QString DocumentSlots::name(int slot) const
{
    return slot >= 1 && slot <= SlotCount ? m_slots[slot].name : QString();
}

bool DocumentSlots::modified(int slot) const
{
    return slot >= 1 && slot <= SlotCount && m_slots[slot].modified;
}

DocumentWindow *DocumentSlots::window(int slot) const
{
    return slot >= 1 && slot <= SlotCount ? m_slots[slot].window : nullptr;
}

// A window knows its slot by its caption; the window itself is asked first so
// that two windows of the same name (a file opened twice from the command
// line) keep their own slots.
int DocumentSlots::slotOf(const DocumentWindow *window) const
{
    if (!window)
        return 0;
    for (int s = 1; s <= SlotCount; ++s) {
        if (m_slots[s].window == window)
            return s;
    }
    return SlotOfName(window->caption());
}

// The slot after the last one handed out. Numbers are not reused while any
// window is open; only past slot 20 does a closed window's number come back,
// the lowest first, so that a user with fewer than 20 windows can always open
// another.
int DocumentSlots::freeSlot() const
{
    if (m_lastSlot < SlotCount && !m_slots[m_lastSlot + 1].window)
        return m_lastSlot + 1;
    for (int s = 1; s <= SlotCount; ++s) {
        if (!m_slots[s].window && SlotOfName(defaultName(s)) == 0)
            return s;
    }
    return 0;
}

void DocumentSlots::rename(int slot, const QString &name)
{
    m_slots[slot].name = name;
    if (m_slots[slot].window)
        m_slots[slot].window->setCaption(name);
}

void DocumentSlots::setModified(int slot, bool modified)
{
    if (slot < 1 || slot > SlotCount)
        return;
    m_slots[slot].modified = modified;
    if (m_slots[slot].window)
        m_slots[slot].window->setModifiedMark(modified);
}

// ---- paths ----

QString DocumentSlots::FileTitleOf(QStringView path)
{
    return path.mid(lastSeparator(path) + 1).toString();
}

QString DocumentSlots::FolderOf(QStringView path)
{
    return path.left(lastSeparator(path) + 1).toString();
}

// ---- commands ----

FileDialogRequest DocumentSlots::dialogRequest(bool save) const
{
    FileDialogRequest request;
    request.title = save ? tr("Save As") : tr("Open");
    request.initialPath = m_shared.FileVlx;
    request.filter = u"Valorix (*.vlx);;All Files (*.*)"_s;
    return request;
}

DocumentWindow *DocumentSlots::NewWindow()
{
    return newWindow(nullptr);
}

DocumentWindow *DocumentSlots::newWindow(const QString *caption)
{
    const int s = freeSlot();
    if (s == 0) {
        m_messages.information(tr("At most 20 project windows can be open at once. Close one to open another."));
        return nullptr;
    }
    ++m_openCount;
    m_lastSlot = s;
    Slot &slot = m_slots[s];
    slot.modified = false;
    slot.name = caption ? *caption : defaultName(s);
    slot.window = m_windows.createWindow(slot.name);
    slot.window->setModifiedMark(false);
    slot.window->showDocument();
    return slot.window;
}

QString DocumentSlots::OpenProject()
{
    // The new window is built from the file; whenever no window is built the
    // next activation must not take the values read for one.
    m_shared.session.NewDoc = false;
    const auto chosen = m_dialogs.ShowOpenDialog(dialogRequest(false));
    if (!chosen) {
        m_shared.session.NewDoc = true;
        return {};
    }
    // The same name in another folder counts as the same document.
    if (const int s = SlotOfName(FileTitleOf(*chosen))) {
        m_shared.session.NewDoc = true;
        m_slots[s].window->activateDocument();
        return {};
    }
    m_shared.FileVlx = *chosen;
    return openFile();
}

QString DocumentSlots::OpenProjectPath()
{
    m_shared.session.NewDoc = false;
    return openFile();
}

// Reads FileVlx into the shared values and builds its window. A full table is
// reported before reading, so that the active window keeps its values.
QString DocumentSlots::openFile()
{
    DocumentSession &session = m_shared.session;
    if (freeSlot() == 0) {
        session.NewDoc = true;
        newWindow(nullptr); // reports the full table
        return {};
    }
    const FileOutcome read = ReadProject(m_shared.FileVlx, session.values, session.nLoaded, m_texts);
    if (!read.ok) {
        session.NewDoc = true;
        m_messages.information(read.message);
        return {};
    }
    const QString title = FileTitleOf(m_shared.FileVlx);
    newWindow(&title);
    return m_shared.FileVlx + u" opened"_s;
}

bool DocumentSlots::writeWindow(DocumentWindow *window, const QString &path, bool reportFailure)
{
    window->fillProjectArrays();
    const FileOutcome written = WriteProject(path, m_shared.session.values, m_texts);
    if (!written.ok && reportFailure)
        m_messages.information(written.message);
    return written.ok;
}

QString DocumentSlots::SaveProject()
{
    DocumentWindow *active = m_windows.activeWindow();
    return active ? save(active) : QString();
}

QString DocumentSlots::SaveProjectAs()
{
    DocumentWindow *active = m_windows.activeWindow();
    return active ? saveAs(active) : QString();
}

// The folder of the file last opened or saved, whichever window that was.
QString DocumentSlots::save(DocumentWindow *window)
{
    const QString path = FolderOf(m_shared.FileVlx) + window->caption();
    if (!path.contains(u".vlx"_s, Qt::CaseSensitive))
        return saveAs(window);
    m_shared.FileVlx = path;
    if (!writeWindow(window, path, false))
        return {};
    setModified(slotOf(window), false);
    return path + u" saved"_s;
}

QString DocumentSlots::saveAs(DocumentWindow *window)
{
    const int s = slotOf(window);
    FileDialogRequest request = dialogRequest(true);
    request.initialPath = FolderOf(m_shared.FileVlx) + window->caption();
    const auto chosen = m_dialogs.ShowSaveDialog(request);
    if (!chosen)
        return {}; // FileVlx stays as it was
    m_shared.FileVlx = *chosen;
    // Unlike Save, a failed Save As says why: the user just chose this path.
    if (!writeWindow(window, *chosen, true))
        return {};
    rename(s, FileTitleOf(*chosen));
    setModified(s, false);
    return *chosen + u" saved"_s;
}

// ---- closing ----

bool DocumentSlots::queryClose(DocumentWindow *window)
{
    const int s = slotOf(window);
    if (s == 0 || !m_slots[s].modified)
        return true;
    // The prompt names the window and a Yes saves its values, so it is made the
    // active one first (a quit closes windows that are not active).
    window->activateDocument();
    QString prompt = tr("Do you want to save changes to ");
    prompt += u'\'' + window->caption() + u"'?"_s;
    switch (m_messages.question(prompt)) {
    case Answer::Yes:
        // The window closes even when the save did not happen; its " closed"
        // report follows at once.
        save(window);
        return true;
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    m_closeCancelled = true;
    return false;
}

QString DocumentSlots::windowClosed(DocumentWindow *window)
{
    const int s = slotOf(window);
    if (s == 0)
        return {};
    Slot &slot = m_slots[s];
    const QString report = slot.name + u" closed"_s;
    slot = Slot();
    if (--m_openCount <= 0) {
        m_openCount = 0;
        m_lastSlot = 0;
    }
    return report;
}

void DocumentSlots::markModified(DocumentWindow *window)
{
    setModified(slotOf(window), true);
}

} // namespace pelmora
