// The update manifests: the download tool's and the page scripts', as the update server (or
// anyone in its place) sends them.
#include "core/foundation/globals.h"
#include "core/provision/updatecheck.h"
#include "fuzzing.h"

#include <QJsonValue>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzing::prepare();
    const QJsonObject manifest = parseManifest(fuzzing::bytes(data, size));
    const ArchiveEntry tool = archiveEntry(manifest.value(QStringLiteral("linux")).toObject());
    const ArchiveEntry scripts = archiveEntry(manifest);
    for (const ArchiveEntry &entry : {tool, scripts}) {
        if (entry.usable && (entry.fileName.contains(QLatin1Char('/')) ||
                             entry.folderName.isEmpty() || entry.folderName.startsWith('.')))
            std::abort();
    }
    compareVersions(manifest.value(QStringLiteral("version")).toString(), QStringLiteral("1.0.1"));
    return 0;
}
