// Runs a fuzz target's entry function over every file of its corpus (the seeds and every input
// that once crashed it), so that the normal test suite keeps them all passing.
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        const QStringList names = QFileInfo(path).isDir()
                                      ? QDir(path).entryList(QDir::Files, QDir::Name)
                                      : QStringList{QString()};
        for (const QString &name : names) {
            QFile file(name.isEmpty() ? path : QDir(path).filePath(name));
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                   size_t(bytes.size()));
            ++files;
        }
    }
    std::printf("%d inputs passed\n", files);
    return files > 0 ? 0 : 1;
}
