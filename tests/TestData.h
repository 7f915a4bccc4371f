#pragma once

// Files of tests/data, byte for byte: inputs, and outputs a test expects.

#include <QFile>
#include <QTest>

namespace pelmora::testing {

inline QByteArray testData(const char *name)
{
    QFile file(QStringLiteral(PELMORA_TEST_DATA "/") + QLatin1StringView(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no test data %s", name);
    return file.readAll();
}

// The lines of a tab-separated file of tests/data, each split at its tabs;
// empty lines and "#" comments left out.
inline QList<QStringList> tsvRows(const char *name)
{
    QList<QStringList> rows;
    for (const QString &line : QString::fromUtf8(testData(name)).split(u'\n')) {
        if (!line.isEmpty() && !line.startsWith(u'#'))
            rows.append(line.split(u'\t'));
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
        QTestData &row = QTest::newRow(fields.first().toUtf8().constData());
        for (qsizetype k = 1; k < rows.first().size(); ++k)
            row << fields.value(k);
    }
}

} // namespace pelmora::testing
