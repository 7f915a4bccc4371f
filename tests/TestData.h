#pragma once

// Files of tests/data, byte for byte: inputs, and outputs a test expects; and
// tables of test rows kept there as tab-separated text.

#include <QFile>
#include <QTest>

#include <set>

namespace pelmora::testing {

inline QByteArray testData(const char *name)
{
    QFile file(QStringLiteral(PELMORA_TEST_DATA "/") + QLatin1StringView(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no test data %s", name);
    return file.readAll();
}

// A field of a table: "\t", "\r", "\n" and "\\" stand for a tab, a carriage
// return, a line feed and a backslash.
inline QString unescapedField(const QByteArray &field)
{
    QByteArray text;
    for (qsizetype k = 0; k < field.size(); ++k) {
        const char c = field[k] == '\\' && k + 1 < field.size() ? field[++k] : '\0';
        text.append(c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c ? c : field[k]);
    }
    return QString::fromUtf8(text);
}

// The rows of the table `name` added to the current test's data: its first line
// names the columns, every column a QString; each further line is a row, its
// name in the first field. Empty lines and lines starting with "#" are notes.
inline void addRowsFromTsv(const char *name)
{
    static std::set<QByteArray> columnNames; // QTest keeps the pointers
    qsizetype columns = 0;
    for (const QByteArray &line : testData(name).split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        if (columns == 0) {
            for (const QByteArray &column : fields.mid(1))
                QTest::addColumn<QString>(columnNames.insert(column).first->constData());
            columns = fields.size();
            continue;
        }
        if (fields.size() != columns)
            qFatal("%s: %d fields in row %s", name, int(fields.size()), fields[0].constData());
        QTestData &row = QTest::newRow(fields[0].constData());
        for (const QByteArray &field : fields.mid(1))
            row << unescapedField(field);
    }
}

} // namespace pelmora::testing
