// The tool-line reader and handler: the download tool's output, cut into two reads at a place
// the input chooses, handled by an operator for a running job; every line read into its typed
// facts, written back into the stored form and read again (which must give the same form), and
// every display form of the facts.
#include "core/engine/sniffoperator.h"
#include "core/engine/snifftask.h"
#include "core/protocol/displaytext.h"
#include "core/protocol/toolline.h"
#include "fuzzing.h"

#include <cstdlib>

namespace {
template <typename Fact, typename Read> void roundTrip(const Fact &fact, Read read)
{
    const QByteArray stored = protocol::storedLine(fact);
    if (protocol::storedLine(read(stored)) != stored)
        std::abort(); // what a list holds must read back as itself
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzing::prepare();
    if (size < 1)
        return 0;
    const QByteArray input = fuzzing::bytes(data + 1, size - 1);
    const int cut = input.isEmpty() ? 0 : data[0] % (input.size() + 1);
    JobRecord job;
    job.url = QStringLiteral("https://example.invalid/v");
    job.workDir = QStringLiteral("/nonexistent/.temp/1_x");
    job.state = qint32(SniffTask::State::Downloading);
    SniffTask task(job);
    SniffOperator op(&task);
    op.handleOutput(input.left(cut));
    op.handleOutput(input.mid(cut));
    protocol::LineBuffer small(64);
    for (const QByteArray &line : small.feed(input) + small.finish()) {
        const protocol::Line read = protocol::parseLine(line);
        roundTrip(read.media, protocol::readMediaInfo);
        roundTrip(read.progress, protocol::readProgress);
        roundTrip(read.result, protocol::readResult);
    }
    protocol::progressText(task.progress());
    protocol::progressText(task.progress(), false);
    protocol::formatDuration(qint64(task.result().duration));
    protocol::formatSize(task.result().fileSize);
    protocol::convertingText(task.conversion().fraction);
    protocol::failureText(task.result().failure);
    return 0;
}
