#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>
#include <variant>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

using SettingField = std::variant<QString Settings::*, bool Settings::*, std::int16_t Settings::*>;

struct StoredKey
{
    QLatin1StringView name;
    // Found anywhere in a line, with case. Status carries its blank so that the
    // key field "Status       " is what is found.
    QLatin1StringView searchText;
    SettingField field;
};

// The twelve keys in the order of the file's lines; a line that belongs to
// several keys is converted for each of them in this order.
const std::array<StoredKey, StoredSettingCount> storedKeys = {{
    {"FileVlx"_L1, "FileVlx"_L1, &Settings::FileVlx},
    {"SGlobal"_L1, "SGlobal"_L1, &Settings::SGlobal},
    {"OptEN"_L1, "OptEN"_L1, &Settings::OptEN},
    {"OptPT"_L1, "OptPT"_L1, &Settings::OptPT},
    {"Tool"_L1, "Tool"_L1, &Settings::Tool},
    {"Status"_L1, "Status "_L1, &Settings::Status},
    {"fMax"_L1, "fMax"_L1, &Settings::fMax},
    {"PrintOrient"_L1, "PrintOrient"_L1, &Settings::PrintOrient},
    {"valorixTop"_L1, "valorixTop"_L1, &Settings::valorixTop},
    {"valorixLeft"_L1, "valorixLeft"_L1, &Settings::valorixLeft},
    {"valorixHeight"_L1, "valorixHeight"_L1, &Settings::valorixHeight},
    {"valorixWidth"_L1, "valorixWidth"_L1, &Settings::valorixWidth},
}};

// A number in the user's regional settings; a text that is no number is a
// type mismatch, one that no double can hold an overflow.
std::optional<QString> toNumber(QStringView value, double &number, const NumberTexts &numbers)
{
    switch (numbers.convert(value, number)) {
    case NumberTexts::Conversion::Ok:
        return std::nullopt;
    case NumberTexts::Conversion::Overflow:
        return u"Overflow"_s; // the conversion errors are described in English only
    case NumberTexts::Conversion::NotANumber:
        break;
    }
    return u"Type mismatch"_s;
}

// "True" or "False" in any case, or a number: 0 is False, any other True.
// Blanks around the word are forgiven, as they are around a number.
std::optional<QString> convert(QStringView value, bool &out, const NumberTexts &numbers)
{
    double number = 0;
    const QStringView word = value.trimmed();
    if (word.compare("True"_L1, Qt::CaseInsensitive) == 0) {
        out = true;
    } else if (word.compare("False"_L1, Qt::CaseInsensitive) == 0) {
        out = false;
    } else if (const auto error = toNumber(value, number, numbers)) {
        return error;
    } else {
        out = number != 0;
    }
    return std::nullopt;
}

// A number rounded half to even, which must fit in 16 bits.
std::optional<QString> convert(QStringView value, std::int16_t &out, const NumberTexts &numbers)
{
    double number = 0;
    if (const auto error = toNumber(value, number, numbers))
        return error;
    const auto rounded = roundToInt16(number);
    if (!rounded)
        return u"Overflow"_s;
    out = *rounded;
    return std::nullopt;
}

std::optional<QString> convert(QStringView value, QString &out, const NumberTexts &)
{
    out = value.toString(); // trailing blanks included
    return std::nullopt;
}

// The file's lines: CR LF ends a line, and so do a lone CR or LF, so that a
// file edited with another convention still reads line by line. A last line
// without an end is read as well.
QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, k - start));
        if (c == u'\r' && k + 1 < text.size() && text[k + 1] == u'\n')
            ++k;
        start = k + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

// UTF-8 as written; a file whose bytes are no valid UTF-8 was written by
// something else in a single-byte code page and is read as Latin-1.
QString decodeSettingsFile(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

// Converts the line's value for each key the line belongs to; the first
// failure ends the line and the reading.
std::optional<QString> readLine(Settings &settings, const QString &line, const NumberTexts &numbers)
{
    const QStringView value = QStringView(line).mid(qMin(line.size(), qsizetype(SettingsKeyFieldWidth)));
    for (const StoredKey &key : storedKeys) {
        if (!line.contains(key.searchText, Qt::CaseSensitive))
            continue;
        const auto error =
            std::visit([&](auto member) { return convert(value, settings.*member, numbers); }, key.field);
        if (error)
            return error;
    }
    return std::nullopt;
}

QString valueText(const QString &value, const NumberTexts &)
{
    return value;
}

QString valueText(bool value, const NumberTexts &)
{
    return value ? u"True"_s : u"False"_s;
}

QString valueText(std::int16_t value, const NumberTexts &numbers)
{
    return numbers.printForm(double(value)); // " 2 ", "-15 "
}

} // namespace

QString settingsFilePath(const QString &folder)
{
    return QDir(folder).filePath(u"Valorix.ini"_s);
}

QString makeVersionText(int major, int minor, int revision)
{
    return u"%1.%2.%3"_s.arg(major).arg(minor).arg(revision);
}

bool ensureSettingsFile(const QString &folder)
{
    QFile file(settingsFilePath(folder));
    if (file.open(QIODevice::ReadOnly))
        return true;
    // Append creates a missing file and never empties one that only refused to
    // be read.
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.close();
    return file.open(QIODevice::ReadOnly);
}

std::optional<QString> ReadSettings(Settings &settings, const QString &folder, const NumberTexts &numbers)
{
    QFile file(settingsFilePath(folder));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QStringList lines = splitLines(decodeSettingsFile(file.readAll()));
    file.close();
    std::optional<QString> error;
    for (const QString &line : lines) {
        if ((error = readLine(settings, line, numbers)))
            break;
    }
    keepStorableFileVlx(settings);
    return error;
}

namespace {

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

} // namespace

void keepStorableFileVlx(Settings &settings)
{
    if (!hasLineBreak(settings.FileVlx))
        settings.StorableFileVlx = settings.FileVlx;
}

QByteArray settingsFileText(const Settings &settings, const NumberTexts &numbers)
{
    QString text;
    Settings stored = settings;
    if (hasLineBreak(stored.FileVlx))
        stored.FileVlx = settings.StorableFileVlx;
    for (const StoredKey &key : storedKeys) {
        text += QString(key.name).leftJustified(SettingsKeyFieldWidth, u' ');
        text += std::visit([&](auto member) { return valueText(stored.*member, numbers); }, key.field);
        text += u"\r\n"_s;
    }
    return text.toUtf8();
}

bool WriteSettings(const Settings &settings, const QString &folder, const NumberTexts &numbers)
{
    QSaveFile file(settingsFilePath(folder));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(settingsFileText(settings, numbers));
    return file.commit();
}

void settleUnstoredValues(Settings &settings)
{
    if (settings.ListSep.isEmpty())
        settings.ListSep = u";"_s;
    settings.SGlobal = settings.VersionText;
}

void applySettingRules(Settings &settings)
{
    if (settings.PrintOrient == 0)
        settings.PrintOrient = 2;
    settings.Tool = true;
    settings.Status = true;
    if (!settings.OptEN && !settings.OptPT)
        settings.OptEN = true;
}

} // namespace pelmora
