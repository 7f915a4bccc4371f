#include "ProjectFile.h"

#include "CashFlowGrid.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

constexpr qsizetype KeyWidth = 13;

// The runtime's error numbers and descriptions, as the message reports them.
struct RuntimeError
{
    int number;
    const char *description;
};
constexpr RuntimeError Overflow{6, "Overflow"};
constexpr RuntimeError OutOfMemory{7, "Out of memory"};
constexpr RuntimeError SubscriptOutOfRange{9, "Subscript out of range"};
constexpr RuntimeError TypeMismatch{13, "Type mismatch"};
constexpr RuntimeError FileNotFound{53, "File not found"};
constexpr RuntimeError DeviceIoError{57, "Device I/O error"};
constexpr RuntimeError PermissionDenied{70, "Permission denied"};
constexpr RuntimeError PathFileAccessError{75, "Path/File access error"};
constexpr RuntimeError PathNotFound{76, "Path not found"};

FileOutcome failure(RuntimeError error, const char *routine)
{
    return {false, u"Error "_s + QString::number(error.number) + u": "_s + QLatin1StringView(error.description) +
                       u" on "_s + QLatin1StringView(routine)};
}

// Text in this system's code page (UTF-8); bytes that are not valid UTF-8 come
// from a Western code page.
QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

std::optional<RuntimeError> readNumber(const QString &text, const NumberTexts &texts, double &value)
{
    switch (texts.convert(text, value)) {
    case NumberTexts::Conversion::Ok:
        return std::nullopt;
    case NumberTexts::Conversion::Overflow:
        return Overflow;
    case NumberTexts::Conversion::NotANumber:
        break;
    }
    return TypeMismatch;
}

std::optional<RuntimeError> readInteger(const QString &text, const NumberTexts &texts, std::int16_t &value)
{
    double number = 0;
    if (const auto error = readNumber(text, texts, number))
        return error;
    const auto rounded = roundToInt16(number);
    if (!rounded)
        return Overflow;
    value = *rounded;
    return std::nullopt;
}

// The numeric keys, six characters each, searched in this order in every line.
std::optional<RuntimeError> readKeys(const QString &line, ProjectValues &v, const NumberTexts &texts)
{
    struct Key
    {
        QLatin1StringView key;
        std::int16_t *integer;
        double *number;
    };
    const Key keys[] = {
        {"nfsize"_L1, &v.nfsize, nullptr}, {"nFix  "_L1, &v.nFix, nullptr},   {"n     "_L1, nullptr, &v.n},
        {"i     "_L1, nullptr, &v.i},      {"PV    "_L1, nullptr, &v.PV},     {"PMT   "_L1, nullptr, &v.PMT},
        {"FV    "_L1, nullptr, &v.FV},     {"escala"_L1, &v.escala, nullptr}, {"rows  "_L1, &v.rows, nullptr},
    };
    for (const Key &key : keys) {
        if (!line.contains(key.key))
            continue;
        const QString value = line.mid(KeyWidth);
        const auto error =
            key.integer ? readInteger(value, texts, *key.integer) : readNumber(value, texts, *key.number);
        if (error)
            return error;
    }
    return std::nullopt;
}

// The periods p = 0..rows-6 whose key ("CFa" or "CFb" and p as two digits)
// occurs in the line, found from the occurrences of the prefix rather than by
// trying every period, so that a huge rows value costs nothing.
std::vector<int> periodsInLine(const QString &line, QLatin1StringView prefix, int lastPeriod)
{
    std::vector<int> found;
    auto add = [&](QStringView digits) {
        const int p = digits.toInt();
        if (p <= lastPeriod)
            found.push_back(p);
    };
    for (qsizetype at = line.indexOf(prefix); at >= 0; at = line.indexOf(prefix, at + 1)) {
        const qsizetype first = at + prefix.size();
        qsizetype end = first;
        while (end < line.size() && end - first < 5 && line[end] >= u'0' && line[end] <= u'9')
            ++end;
        const QStringView digits = QStringView(line).mid(first, end - first);
        // Periods below 100 have two digits ("CFa07"); from 100 on, all their digits.
        if (digits.size() >= 2)
            add(digits.first(2));
        for (qsizetype length = 3; length <= digits.size() && digits.front() != u'0'; ++length)
            add(digits.first(length));
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

std::optional<RuntimeError> readCashFlows(const QString &line, ProjectValues &v)
{
    const int lastPeriod = v.rows - CashFlowGrid::FixedRows;
    if (lastPeriod < 0 || !line.contains(u"CF"))
        return std::nullopt;
    const std::vector<int> a = periodsInLine(line, "CFa"_L1, lastPeriod);
    const std::vector<int> b = periodsInLine(line, "CFb"_L1, lastPeriod);
    std::vector<int> all = a;
    all.insert(all.end(), b.begin(), b.end());
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    const QString value = line.mid(KeyWidth);
    for (int p : all) {
        if (p >= ProjectValues::MaxPeriods)
            return SubscriptOutOfRange;
        if (std::binary_search(a.begin(), a.end(), p))
            v.CFa[size_t(p)] = value;
        if (std::binary_search(b.begin(), b.end(), p))
            v.CFb[size_t(p)] = value;
    }
    return std::nullopt;
}

} // namespace

FileOutcome readProjectBytes(const QByteArray &bytes, ProjectValues &values, double &nLoaded, const NumberTexts &texts)
{
    const QString text = decode(bytes);
    qsizetype start = 0;
    while (start < text.size()) {
        // CR LF ends a line; a lone CR or LF does too.
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QString line = text.mid(start, end - start);
        start = end + (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n' ? 2 : 1);

        if (const auto error = readKeys(line, values, texts))
            return failure(*error, "ReadVlxcorp");
        if (const auto error = readCashFlows(line, values))
            return failure(*error, "ReadVlxcorp");
    }
    nLoaded = values.n;
    return {};
}

FileOutcome ReadProject(const QString &path, ProjectValues &values, double &nLoaded, const NumberTexts &texts)
{
    const QFileInfo info(path);
    if (!info.exists())
        return failure(FileNotFound, "ReadVlxcorp");
    // Only regular files: opening a FIFO waits for a writer forever, and a
    // device such as /dev/zero never ends.
    if (!info.isFile())
        return failure(PathFileAccessError, "ReadVlxcorp");
    if (info.size() > MaxProjectFileBytes)
        return failure(OutOfMemory, "ReadVlxcorp");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(PermissionDenied, "ReadVlxcorp");
    // One byte more than allowed tells a file that grew since it was looked at.
    const QByteArray bytes = file.read(MaxProjectFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(DeviceIoError, "ReadVlxcorp");
    if (bytes.size() > MaxProjectFileBytes)
        return failure(OutOfMemory, "ReadVlxcorp");
    return readProjectBytes(bytes, values, nLoaded, texts);
}

QByteArray projectFileBytes(const ProjectValues &v, const NumberTexts &texts)
{
    auto key = [](const QString &name) { return name.leftJustified(KeyWidth, u' '); };
    QString out;
    const std::pair<const char *, double> numbers[] = {
        {"nfsize", v.nfsize}, {"nFix", v.nFix}, {"n", v.n},           {"i", v.i},       {"PV", v.PV},
        {"PMT", v.PMT},       {"FV", v.FV},     {"escala", v.escala}, {"rows", v.rows},
    };
    for (const auto &[name, value] : numbers)
        out += key(QString::fromLatin1(name)) + texts.printForm(value) + u"\r\n"_s;
    const int last = std::min(v.rows - CashFlowGrid::FixedRows, ProjectValues::MaxPeriods - 1);
    for (const auto &[prefix, cells] : {std::pair{"CFa", &v.CFa}, std::pair{"CFb", &v.CFb}}) {
        for (int p = 0; p <= last; ++p) {
            out += key(QString::fromLatin1(prefix) + QString::number(p).rightJustified(2, u'0')) + (*cells)[size_t(p)] +
                   u"\r\n"_s;
        }
    }
    return out.toUtf8();
}

FileOutcome WriteProject(const QString &path, const ProjectValues &values, const NumberTexts &texts)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const QFileInfo info(path);
        if (!info.absoluteDir().exists())
            return failure(PathNotFound, "WriteVlxcorp");
        return failure(info.exists() && !info.isWritable() ? PermissionDenied : PathFileAccessError, "WriteVlxcorp");
    }
    const QByteArray bytes = projectFileBytes(values, texts);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return failure(DeviceIoError, "WriteVlxcorp");
    return {};
}

} // namespace pelmora
