// The paste routing of the downloading page, without any widget.
#include "gui/pages/pasterouter.h"
#include "helpers/testutil.h"

#include <QJsonArray>

class TestPasteRouter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void aPasteWithinASecondOfTheLastAcceptedOneIsADoubleClick()
    {
        qint64 now = 5000;
        PasteRouter router([&now] { return now; });
        QVERIFY(router.acceptPaste());
        now += 1;
        qint64 interval = 0;
        QVERIFY(!router.acceptPaste(&interval));
        QCOMPARE(interval, qint64(1));
        now += 998; // 999 ms after the accepted paste
        QVERIFY(!router.acceptPaste());
        now += 1; // a whole second: accepted, and the guard starts again from here
        QVERIFY(router.acceptPaste());
        now += 500;
        QVERIFY(!router.acceptPaste());
        now += 500;
        QVERIFY(router.acceptPaste());
        // The same millisecond is no double click (a paste and its menu entry at once).
        QVERIFY(router.acceptPaste());
        // A clock that went back does not lock the button.
        now -= 10000;
        QVERIFY(router.acceptPaste());
    }

    void textsAreRoutedByWhatTheyAddress()
    {
        using R = PasteRouter::Route;
        const QJsonArray premium{"members.example.com", ""};
        QCOMPARE(PasteRouter::route("", premium), R::Addresses);
        QCOMPARE(PasteRouter::route("not an address", premium), R::Addresses);
        QCOMPARE(PasteRouter::route("ftp://files.example/clip.mp4", premium), R::Addresses);
        QCOMPARE(PasteRouter::route("https://a.example/1\nhttps://b.example/2", premium), R::Clip);
        QCOMPARE(PasteRouter::route("https://video.example/watch/1", premium), R::Clip);
        QCOMPARE(PasteRouter::route("https://www.youtube.com/playlist?list=PL1", premium),
                 R::Playlist);
        QCOMPARE(PasteRouter::route("https://www.youtube.com/watch?v=a&list=PL1", premium),
                 R::Playlist);
        QCOMPARE(PasteRouter::route("https://soundcloud.com/artist/sets/one", premium),
                 R::Playlist);
        QCOMPARE(PasteRouter::route("https://members.example.com/v/9", premium), R::Premium);
        QCOMPARE(PasteRouter::route("https://members.example.com/v/9", QJsonArray()), R::Clip);
    }
};

QTEST_GUILESS_MAIN(TestPasteRouter)
#include "tst_pasterouter.moc"
