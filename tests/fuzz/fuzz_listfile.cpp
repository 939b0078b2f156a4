// The list-file readers: task records and the history, as read at start-up from files that may
// be damaged in any way.
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
    return 0;
}
