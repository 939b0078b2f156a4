// The single-instance announcement: the body a later start sends over the local socket.
#include "core/foundation/singleinstance.h"
#include "fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzing::prepare();
    const QByteArray body = fuzzing::bytes(data, size);
    quint8 type = 0;
    quint32 id = 0;
    SingleApplicationPrivate::parseAnnouncement(body, QByteArrayLiteral("fuzz-key"), &type, &id);
    // A well-formed announcement around the input is still checked whole.
    const QByteArray whole = SingleApplicationPrivate::announcement(
        QString::fromLatin1(body.left(64)), size > 0 ? data[0] : 0, quint32(size));
    if (!SingleApplicationPrivate::parseAnnouncement(whole.mid(8),
                                                     body.left(64).split('\0').first(), &type, &id))
        std::abort();
    return 0;
}
