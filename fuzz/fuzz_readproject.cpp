// libFuzzer target: the project-file reader must never crash or hang on any bytes.
#include "ProjectFile.h"

#include <QLocale>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const pelmora::NumberTexts english(QLocale(QLocale::English, QLocale::UnitedStates));
    static const pelmora::NumberTexts brazilian(QLocale(QLocale::Portuguese, QLocale::Brazil));
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const pelmora::NumberTexts *texts : {&english, &brazilian}) {
        pelmora::ProjectValues values;
        double nLoaded = 0;
        const pelmora::FileOutcome outcome = pelmora::readProjectBytes(bytes, values, nLoaded, *texts);
        // What was read must write back without trouble.
        if (outcome.ok)
            (void)pelmora::projectFileBytes(values, *texts);
    }
    return 0;
}
