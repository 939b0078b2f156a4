// The install tree: `cmake --install` into a prefix whose path has spaces puts every file where a
// Linux desktop expects it, nothing installed points back to the source or build folders, and
// the tree still works after it was moved to another prefix: the moved app downloads and
// converts through its own tool and presets, shows its style sheets and loads its browser.
// The Debian package: CPack builds it, its dependencies are Debian packages that exist, its
// programs find every library once unpacked into a scratch root (dpkg -x), and the unpacked app
// downloads a file served on 127.0.0.1.
#include "helpers/installedapp.h"

#include <QDirIterator>
#include <QScopeGuard>

namespace {

const QString kSourceDir = QStringLiteral(CLIPMOOR_SOURCE_DIR);
const QString kBuildDir = QStringLiteral(CLIPMOOR_BUILD_DIR);

QStringList namesIn(const QString &folder, const QStringList &filters)
{
    return QDir(folder).entryList(filters, QDir::Files, QDir::Name);
}

bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

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

class TestInstall : public QObject
{
    Q_OBJECT
    QTemporaryDir scratch;
    QString prefix;
    QString deb;
    QString root;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(scratch.isValid());
        prefix = scratch.path() + "/first place/usr";
        QVERIFY(run(QStringLiteral(CLIPMOOR_CMAKE_COMMAND),
                    {"--install", kBuildDir, "--prefix", prefix}));
        const QString out = scratch.path() + "/package";
        QVERIFY(run(QStringLiteral(CLIPMOOR_CPACK_COMMAND),
                    {"-G", "DEB", "--config", kBuildDir + "/CPackConfig.cmake", "-B", out}));
        const QStringList debs = QDir(out).entryList({"clipmoor_*.deb"}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        deb = out + "/" + debs.first();
        root = scratch.path() + "/scratch root";
        QVERIFY(QDir().mkpath(root));
        QVERIFY(run("dpkg-deb", {"-x", deb, root}));
    }

    // Programs in bin/ and lib/clipmoor/, data in share/clipmoor/, and the desktop's files.
    void filesWhereTheDesktopExpectsThem()
    {
        QCOMPARE(QDir(prefix + "/bin").entryList(QDir::Files), QStringList{"clipmoor"});
        QVERIFY(isExecutableFile(prefix + "/bin/clipmoor"));
        QVERIFY(isExecutableFile(prefix + "/lib/clipmoor/vantoro-dl"));
        QVERIFY(QFileInfo(prefix + "/lib/clipmoor/clipmoor-browser.so").isFile());

        const QString data = prefix + "/share/clipmoor";
        QCOMPARE(namesIn(data + "/qss", {"*.qss"}),
                 namesIn(kSourceDir + "/resources/qss", {"*.qss"}));
        QCOMPARE(namesIn(data + "/OneClickedType", {"*.json"}),
                 namesIn(kSourceDir + "/tools/vantoro-dl/presets", {"*.json"}));
        const QStringList pictures = namesIn(data + "/images", {"*.png"});
        for (const char *folder : {"tabs", "buttons"}) {
            for (const QString &name :
                 namesIn(kSourceDir + "/resources/images/" + folder, {"*.png"}))
                QVERIFY2(pictures.contains(name), qPrintable(name));
        }
        QVERIFY(QFileInfo(data + "/supported-sites.html").isFile());
        // Data is not executable.
        QDirIterator it(data, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            QVERIFY2(!QFileInfo(it.next()).isExecutable(), qPrintable(it.filePath()));

        const QByteArray entry =
            testutil::readFile(prefix + "/share/applications/clipmoor.desktop");
        QVERIFY(entry.contains("\nExec=clipmoor %U\n"));
        QVERIFY(entry.contains("\nIcon=clipmoor\n"));
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QImage icon(QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/clipmoor.png")
                                  .arg(prefix)
                                  .arg(size));
            QCOMPARE(icon.size(), QSize(size, size));
            // Opaque in the middle, transparent in the corner: the picture, not an empty square.
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        }
        QVERIFY(QFileInfo(prefix + "/share/icons/hicolor/scalable/apps/clipmoor.svg").isFile());
    }

    // The software centre's description names this version and pictures that exist.
    void metainfoNamesOurScreenshots()
    {
        const QString text = QString::fromUtf8(
            testutil::readFile(prefix + "/share/metainfo/app.clipmoor.clipmoor.metainfo.xml"));
        QVERIFY(text.contains(QStringLiteral("<release version=\"%1\"").arg(CLIPMOOR_VERSION)));
        QVERIFY(text.contains("<launchable type=\"desktop-id\">clipmoor.desktop</launchable>"));
        const QRegularExpression image(QStringLiteral("<image>[^<]*/([^/<]+)</image>"));
        int count = 0;
        for (auto m = image.globalMatch(text); m.hasNext(); ++count) {
            const QString name = m.next().captured(1);
            QVERIFY2(QFileInfo(kSourceDir + "/docs/screenshots/" + name).isFile(),
                     qPrintable(name));
        }
        QVERIFY(count >= 1);
    }

    // Everything is found relative to the executable, never through the folders it was built in.
    void nothingPointsBackToTheBuild()
    {
        QDirIterator it(prefix, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QByteArray content = testutil::readFile(it.next());
            QVERIFY2(!content.contains(QFile::encodeName(kBuildDir)), qPrintable(it.filePath()));
            QVERIFY2(!content.contains(QFile::encodeName(kSourceDir)), qPrintable(it.filePath()));
        }
    }

    // Moved to another prefix (with a space too) and started from another working folder, the
    // app downloads and converts with its own tool and preset and shows its style sheets.
    void movedTreeStillWorks()
    {
        const QString moved = scratch.path() + "/moved here";
        QVERIFY(QDir().rename(scratch.path() + "/first place", moved));
        InstalledApp app(moved + "/usr/bin/clipmoor");

        const QString saved = app.downloadOneClip(QStringLiteral("MP3"));
        QVERIFY2(!saved.isEmpty(), qPrintable(app.diagnostics()));
        QCOMPARE(QFileInfo(saved).suffix(), QStringLiteral("mp3"));
        QVERIFY2(app.quit(), qPrintable(app.diagnostics()));

        const QImage shot = app.screenshot();
        QVERIFY(!shot.isNull());
        QVERIFY(shot.width() >= 800 && shot.height() >= 480);
        // The navigation bar is painted blue by its style sheet; without it, it is grey.
        const QRgb bar = shot.pixel(10, shot.height() / 2);
        QVERIFY2(qBlue(bar) > qRed(bar) + 60, qPrintable(QString::number(bar, 16)));
    }

    // The Converting page's road (the file inspected, then converted by the converter's queue
    // through the tool) from the moved tree: the tool and the preset are found where they were
    // installed.
    void movedTreeConvertsLikeTheConvertingPage()
    {
        const QString bin = scratch.path() + "/moved here/usr/bin";
        InstalledApp app(bin + "/clipmoor");
        QVERIFY(QFile::copy(testutil::helperPath("convertprobe"), bin + "/convertprobe"));
        const auto removeProbe = qScopeGuard([&bin] { QFile::remove(bin + "/convertprobe"); });
        QTemporaryDir media;
        const QString clip = media.path() + "/talk show.mp4";
        QVERIFY(testutil::makeClip(clip, 2));
        Preferences::instance()->setConvertDir(media.path() + "/Converted");

        QProcess probe;
        probe.setProcessEnvironment(app.environment());
        probe.setWorkingDirectory(QDir::rootPath());
        probe.setProcessChannelMode(QProcess::MergedChannels);
        probe.start(bin + "/convertprobe", {clip, "MP3"});
        QVERIFY(probe.waitForFinished(120000));
        const QString said = QString::fromLocal8Bit(probe.readAll());
        QVERIFY2(probe.exitCode() == 0, qPrintable(said + app.diagnostics()));
        const QString converted = said.section("converted ", 1).trimmed();
        QCOMPARE(QFileInfo(converted).absolutePath(), media.path() + "/Converted");
        QCOMPARE(QFileInfo(converted).suffix(), QStringLiteral("mp3"));
        QVERIFY(QFileInfo(converted).size() > 1000);
    }

    // The browser lives in a module of its own: the moved app, reopening on the browser tab
    // where the last run ended, loads it from its own lib folder.
    void browserLoadsFromItsModule()
    {
        InstalledApp app(scratch.path() + "/moved here/usr/bin/clipmoor");
        Preferences::WindowPlacement placement = Preferences::instance()->windowPlacement();
        placement.tab = 2;
        Preferences::instance()->setWindowPlacement(placement);
        QVERIFY(!app.screenshot().isNull());
        const QString log = app.diagnostics();
        QVERIFY2(log.contains("browser module loaded"), qPrintable(log));
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

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
