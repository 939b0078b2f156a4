// The list-file readers: task records, the history and the converter's records, as read at
// start-up from files that may be damaged in any way.
#include "core/converter/convertlistfile.h"
#include "core/engine/tasklistfile.h"
#include "fuzzing.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzing::prepare();
    QByteArray input = fuzzing::bytes(data, size);
    QBuffer device(&input);
    device.open(QIODevice::ReadOnly);
    const tasklist::Records records = tasklist::read(&device);
    // What was read writes back and reads again as the same records.
    const QByteArray again = tasklist::serialize(records);
    QByteArray copy = again;
    QBuffer second(&copy);
    second.open(QIODevice::ReadOnly);
    if (tasklist::read(&second).size() != records.size())
        std::abort();
    device.seek(0);
    tasklist::readHistory(&device);
    device.seek(0);
    const QList<ConvMediaInfo> converted = convertlist::read(&device);
    QList<const ConvMediaInfo *> pointers;
    for (const ConvMediaInfo &info : converted)
        pointers << &info;
    QByteArray convertedAgain = convertlist::serialize(pointers);
    QBuffer third(&convertedAgain);
    third.open(QIODevice::ReadOnly);
    if (convertlist::read(&third).size() != converted.size())
        std::abort();
    return 0;
}
