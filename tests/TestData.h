#pragma once

// Files of tests/data, byte for byte: inputs, outputs a test expects, and
// tables of known answers.

#include <QFile>
#include <QTest>

#include <charconv>

namespace pelmora::testing {

inline QByteArray testData(const char *name)
{
    QFile file(QStringLiteral(PELMORA_TEST_DATA "/") + QLatin1StringView(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no test data %s", name);
    return file.readAll();
}

// A cell of a table: UTF-8, with \t, \r, \n, \\ and \xHH (the character U+00HH)
// written as in C, so that control characters and single bytes stay visible.
inline QString unescapedCell(const QByteArray &cell)
{
    const QString raw = QString::fromUtf8(cell);
    QString text;
    for (qsizetype k = 0; k < raw.size(); ++k) {
        if (raw[k] != u'\\' || k + 1 == raw.size()) {
            text += raw[k];
        } else if (const QChar c = raw[++k]; c == u'x') {
            text += QChar(raw.mid(k + 1, 2).toUShort(nullptr, 16));
            k += 2;
        } else {
            text += c == u't' ? u'\t' : c == u'r' ? u'\r' : c == u'n' ? u'\n' : c;
        }
    }
    return text;
}

// One QTest row per line of tests/data/<name>, tab-separated: the first line
// names the columns, the first column names the row, every cell is a QString.
// Lines starting with '#' are notes.
inline void addRowsFromTsv(const char *name)
{
    QList<QByteArray> lines = testData(name).split('\n');
    lines.removeIf([](const QByteArray &line) { return line.isEmpty() || line.startsWith('#'); });
    const QList<QByteArray> columns = lines.takeFirst().split('\t');
    static QList<QByteArray> names; // QTest keeps the column names' pointers
    for (const QByteArray &column : columns.mid(1))
        QTest::addColumn<QString>(names.emplace_back(column).constData());
    for (const QByteArray &line : lines) {
        const QList<QByteArray> cells = line.split('\t');
        if (cells.size() != columns.size())
            qFatal("%s: %d cells, not %d, in: %s", name, int(cells.size()), int(columns.size()), line.constData());
        QTestData &row = QTest::newRow(cells.first().constData());
        for (const QByteArray &cell : cells.mid(1))
            row << unescapedCell(cell);
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

} // namespace pelmora::testing
