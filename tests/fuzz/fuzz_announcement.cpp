// The single-instance socket: the announcement a later start sends, the messages after it and
// the address list a message carries.
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

    QByteArray payload;
    QStringList addresses;
    if (SingleApplicationPrivate::parseMessage(body, &payload))
        instancemessage::decodeAddresses(payload, &addresses);
    instancemessage::decodeAddresses(body, &addresses);
    // Framed and encoded by us, the input comes back as it went in.
    const QStringList sent = QString::fromUtf8(body).split(QLatin1Char('\n'));
    const QByteArray frame =
        SingleApplicationPrivate::messageFrame(instancemessage::encodeAddresses(sent));
    if (!SingleApplicationPrivate::parseMessage(frame.mid(8), &payload) ||
        !instancemessage::decodeAddresses(payload, &addresses) ||
        (size < size_t(instancemessage::kMaxAddressLength) &&
         addresses != sent.mid(0, instancemessage::kMaxAddresses)))
        std::abort();
    return 0;
}
