#pragma once

// Files of tests/data, byte for byte: inputs, and outputs a test expects; and
// tables of test rows kept there as tab-separated text.

#include <QFile>
#include <QLocale>
#include <QTest>

#include <charconv>

namespace pelmora::testing {

// The two locales the program is used in; every test pins one.
inline const QLocale English(QLocale::English, QLocale::UnitedStates);
inline const QLocale Brazilian(QLocale::Portuguese, QLocale::Brazil);

inline QByteArray testData(const char *name)
{
    QFile file(QStringLiteral(PELMORA_TEST_DATA "/") + QLatin1StringView(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no test data %s", name);
    return file.readAll();
}

// The bytes of the file at `path`; empty when it cannot be read.
inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
// Writes `bytes` to the file at `path`; returns the path, empty when it could not.
inline QString writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

// A field of a table: "\t", "\r", "\n" and "\\" stand for a tab, a carriage
// return, a line feed and a backslash.
inline QString unescapedField(QStringView field)
{
    QString text;
    for (qsizetype k = 0; k < field.size(); ++k) {
        const QChar c = field[k] == u'\\' && k + 1 < field.size() ? field[++k] : QChar();
        text.append(c == u't' ? u'\t' : c == u'r' ? u'\r' : c == u'n' ? u'\n' : c.isNull() ? field[k] : c);
    }
    return text;
}

// The lines of a tab-separated file of tests/data, each split at its tabs and
// its fields unescaped; empty lines and "#" comments left out.
inline QList<QStringList> tsvRows(const char *name)
{
    QList<QStringList> rows;
    for (const QString &line : QString::fromUtf8(testData(name)).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList fields;
        for (QStringView field : QStringView(line).split(u'\t'))
            fields.append(unescapedField(field));
        rows.append(fields);
    }
    return rows;
}

// One QTest row per line of a tab-separated file: its first line names the
// columns (text, all of them), the first column of every line names the row.
inline void addRowsFromTsv(const char *name)
{
    static QByteArrayList columnNames; // a table keeps its columns' names by pointer
    const QList<QStringList> rows = tsvRows(name);
    for (const QString &column : rows.first().mid(1))
        QTest::addColumn<QString>(columnNames.emplaceBack(column.toUtf8()).constData());
    for (const QStringList &fields : rows.mid(1)) {
        if (fields.size() != rows.first().size())
            qFatal("%s: %d fields in row %s", name, int(fields.size()), qPrintable(fields.first()));
        QTestData &row = QTest::newRow(fields.first().toUtf8().constData());
        for (const QString &field : fields.mid(1))
            row << field;
    }
}

// A number of a table, exactly as written (%.17g, "nan", "-0"), in no locale.
inline double exactNumber(const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    double value = 0;
    const auto [end, error] = std::from_chars(bytes.begin(), bytes.end(), value);
    if (error != std::errc() || end != bytes.end())
        qFatal("not a number: %s", bytes.constData());
    return value;
}

// The pt_BR twin of a text written for en_US: "." and "," swapped.
inline QString decimalCommaTwin(QString text)
{
    for (QChar &c : text)
        c = c == u'.' ? u',' : c == u',' ? u'.' : c;
    return text;
}

} // namespace pelmora::testing
