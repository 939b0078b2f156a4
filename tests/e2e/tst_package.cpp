// The Debian package: CPack builds it, its dependencies are Debian packages that exist, its
// programs find every library once unpacked into a scratch root (dpkg -x), and the unpacked app
// downloads a file served on 127.0.0.1.
#include "helpers/installedapp.h"

#include <QRegularExpression>

namespace {

// Runs a program to its end; true when it succeeded. Its standard output goes to `out`.
bool run(const QString &program, const QStringList &args, QByteArray *out = nullptr)
{
    QProcess process;
    process.start(program, args);
    const bool ok = process.waitForFinished(120000) &&
                    process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (out)
        *out = process.readAllStandardOutput();
    if (!ok)
        qWarning().noquote() << program << args << process.readAllStandardError();
    return ok;
}

} // namespace

class TestPackage : public QObject
{
    Q_OBJECT
    QTemporaryDir scratch;
    QString deb;
    QString root;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(scratch.isValid());
        const QString out = scratch.path() + "/package";
        QVERIFY(run(QStringLiteral(CLIPMOOR_CPACK_COMMAND),
                    {"-G", "DEB", "--config",
                     QStringLiteral(CLIPMOOR_BUILD_DIR) + "/CPackConfig.cmake", "-B", out}));
        const QStringList debs = QDir(out).entryList({"clipmoor_*.deb"}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        deb = out + "/" + debs.first();
        root = scratch.path() + "/scratch root";
        QVERIFY(QDir().mkpath(root));
        QVERIFY(run("dpkg-deb", {"-x", deb, root}));
    }

    // Every dependency is a Debian package (installed here, as the build needs them), among them
    // the programs Clipmoor drives.
    void dependsOnDebianPackages()
    {
        QByteArray field;
        QVERIFY(run("dpkg-deb", {"-f", deb, "Depends"}, &field));
        const QString depends = QString::fromUtf8(field).trimmed();
        QStringList names;
        for (const QString &entry : depends.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            QStringList alternatives;
            for (QString alternative : entry.split(QLatin1Char('|'))) {
                alternative.remove(QRegularExpression(QStringLiteral("\\(.*\\)")));
                alternatives << alternative.trimmed();
            }
            names << alternatives.first();
            bool known = false;
            for (const QString &name : alternatives)
                known = known || run("dpkg-query", {"-W", name});
            QVERIFY2(known, qPrintable(entry));
        }
        for (const char *needed : {"ffmpeg", "curl", "7zip", "yt-dlp", "libqt5core5a",
                                   "libqt5widgets5", "libqt5webenginewidgets5"})
            QVERIFY2(names.contains(QLatin1String(needed)), qPrintable(depends));
        QVERIFY2(depends.contains(QLatin1String("libspdlog")), qPrintable(depends));
    }

    // The unpacked programs find every library they link.
    void everyLibraryIsFound()
    {
        for (const char *program : {"/usr/bin/clipmoor", "/usr/lib/clipmoor/vantoro-dl"}) {
            QByteArray libraries;
            QVERIFY2(run("ldd", {root + QLatin1String(program)}, &libraries), program);
            QVERIFY2(!libraries.contains("not found"), libraries.constData());
        }
    }

    void unpackedAppDownloads()
    {
        InstalledApp app(root + "/usr/bin/clipmoor");
        const QString saved = app.downloadOneClip(QStringLiteral("Original Video"));
        QVERIFY2(!saved.isEmpty(), qPrintable(app.diagnostics()));
        QCOMPARE(QFileInfo(saved).suffix(), QStringLiteral("mp4"));
        QVERIFY2(app.quit(), qPrintable(app.diagnostics()));
    }
};

QTEST_MAIN(TestPackage)
#include "tst_package.moc"
