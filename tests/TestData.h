#pragma once

// Files of tests/data, byte for byte: inputs, and outputs a test expects.

#include <QFile>

namespace pelmora::testing {

inline QByteArray testData(const char *name)
{
    QFile file(QStringLiteral(PELMORA_TEST_DATA "/") + QLatin1StringView(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no test data %s", name);
    return file.readAll();
}

} // namespace pelmora::testing
