#pragma once

// The program's settings: the twelve values kept in "Valorix.ini" in the
// program's folder, and the two program-wide values that are not stored.
// The file is read once at start-up and written once, at the end of the run.
//
// Valorix.ini is plain text with CR LF line ends. Every line is a key field of
// exactly 13 characters (the key name padded with blanks) followed directly by
// the value, so the value always starts at the 14th character. Strings are
// written as they are, Booleans as True or False, integers with a blank (or the
// minus sign) before and a blank after them:
//
//   FileVlx      C:\Projects\Plant.vlx
//   OptEN        False
//   PrintOrient   2
//   valorixHeight 7200
//
// The file is written in UTF-8; a file that is not valid UTF-8 is read as
// Latin-1, the single-byte code page of older files.
//
// The record is passed explicitly to whoever reads or changes it; there is no
// global instance.

#include "NumberTexts.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace pelmora {

struct Settings
{
    // Stored, in the order of the file's lines. Before the file is read each
    // holds its empty value (empty, False, 0); applySettingRules() then settles
    // what a first start without a file shows.
    QString FileVlx;              // project file last opened or saved
    QString SGlobal;              // version of the program that wrote the file
    bool OptEN = false;           // English interface
    bool OptPT = false;           // Portuguese interface (wins when both are set)
    bool Tool = false;            // tool bar shown
    bool Status = false;          // status bar shown
    bool fMax = false;            // main window maximised
    std::int16_t PrintOrient = 0; // 1 portrait, 2 landscape
    std::int16_t valorixTop = 0;  // main window's outer edges, in twips; 0: not applied
    std::int16_t valorixLeft = 0;
    std::int16_t valorixHeight = 0;
    std::int16_t valorixWidth = 0;

    // Not stored.
    QString VersionText; // "major.minor.revision"
    QString ListSep;     // separator of the exported text files
    // The last FileVlx without a line break: the file keeps it in place of a
    // path with CR or LF in it, which would split its line and spoil the keys
    // after it, so such a path serves this run only.
    QString StorableFileVlx;

    bool operator==(const Settings &) const = default;
};

inline constexpr int StoredSettingCount = 12;
inline constexpr int SettingsKeyFieldWidth = 13;

// "<folder>/Valorix.ini"; the caller passes the folder of the program file.
QString settingsFilePath(const QString &folder);

// The three version numbers joined by ".", without leading zeros ("2.1.20").
QString makeVersionText(int major, int minor, int revision);

// Makes sure that the file exists: when it cannot be opened for reading it is
// created empty. Returns whether the file can now be read. An existing file is
// never emptied, even when it cannot be read.
bool ensureSettingsFile(const QString &folder);

// Reads the file into `settings`. A line belongs to every key whose search text
// it contains (the key name; "Status " with its blank for Status); the value is
// the text from the 14th character on, converted by the key's type, and the
// last line of a key wins. A value that cannot be converted stops the reading:
// the keys read so far keep their new values, all others their old ones, and
// the description of the conversion error is returned for the message box
// (captioned with the program's title). A file that cannot be read changes
// nothing and returns no message.
std::optional<QString> ReadSettings(Settings &settings, const QString &folder,
                                    const NumberTexts &numbers = NumberTexts());

// Takes FileVlx as the one to store unless it holds a line break. Called when
// the settings are read and whenever a project file has been opened or saved.
void keepStorableFileVlx(Settings &settings);

// Replaces the file's content with the twelve lines, all or nothing. Returns
// false when the file could not be written; the caller at the end of the run
// ignores that.
bool WriteSettings(const Settings &settings, const QString &folder, const NumberTexts &numbers = NumberTexts());

// The file's content as WriteSettings writes it.
QByteArray settingsFileText(const Settings &settings, const NumberTexts &numbers = NumberTexts());

// Start-up after reading: ListSep is ";" unless set, and SGlobal takes
// VersionText, so the file written at exit names the version that wrote it.
void settleUnstoredValues(Settings &settings);

// The rules the main window applies to the settings it has read: PrintOrient 0
// becomes 2; the tool bar and status bar are always shown after start-up; with
// neither language set the interface is English. The placement (maximised, or
// each edge that is not 0) the main window applies itself.
void applySettingRules(Settings &settings);

} // namespace pelmora
