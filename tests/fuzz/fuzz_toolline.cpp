// The tool-line reader and handler: the download tool's output, cut into two reads at a place
// the input chooses, handled by an operator for a running job, and every display form of the
// lines it kept.
#include "core/engine/sniffoperator.h"
#include "core/engine/snifftask.h"
#include "core/engine/toolprotocol.h"
#include "fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzing::prepare();
    if (size < 1)
        return 0;
    const QByteArray input = fuzzing::bytes(data + 1, size - 1);
    const int cut = input.isEmpty() ? 0 : data[0] % (input.size() + 1);
    SniffTask task(QStringLiteral("https://example.invalid/v"), DownloadOptions{}, 1,
                   QStringLiteral("/nonexistent/.temp/"));
    task.restoreState(SniffTask::State::Downloading);
    SniffOperator op(&task);
    op.handleOutput(input.left(cut));
    op.handleOutput(input.mid(cut));
    for (const QByteArray *line : {&task.info(), &task.progress(), &task.finished()}) {
        protocol::title(*line);
        protocol::isLive(*line);
        protocol::progressText(*line);
        protocol::progressText(*line, false);
        protocol::durationText(*line);
        protocol::sizeText(*line);
        protocol::qualityText(*line);
        protocol::resolutionText(*line);
        protocol::withFilePath(*line, QStringLiteral("/tmp/x"));
    }
    protocol::convertingText(task.converting());
    protocol::LineBuffer small(64);
    small.feed(input);
    small.finish();
    return 0;
}
