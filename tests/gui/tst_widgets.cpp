// The custom widgets, under the offscreen platform.
#include "gui/widgets/framelesswindow.h"
#include "gui/widgets/imagebutton.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/progressbar.h"
#include "gui/widgets/rfimageview.h"
#include "gui/widgets/rowlistview.h"
#include "gui/widgets/xlineedit.h"
#include "gui/widgets/zqmessagebox.h"
#include "helpers/gui_test.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStringListModel>

namespace {

// Rows 40 pixels high with no clickable part.
class PlainRows : public RowDelegate
{
public:
    using RowDelegate::RowDelegate;
    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return QSize(100, 40);
    }
    int partAt(const QRect &, const QModelIndex &, const QPoint &) const override
    {
        return kNoPart;
    }
};

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        fixture::testMode();
        initGuiResources(); // the application font, as in the app
    }

    // A question returns the number of the button pressed (0: closed), the last button is the
    // default; a busy box has no button and cannot be closed.
    void messageBoxesNumberTheirButtons()
    {
        testutil::answerNextModal("OK");
        QCOMPARE(ZQMessageBox::question("Delete?", {"Cancel", "OK"}), 2);
        testutil::answerNextModal("Delete");
        QCOMPARE(ZQMessageBox::question("Delete?", {"Delete", "Cancel"}), 1);
        testutil::answerNextModal("no such button"); // closed with the title bar's button
        QCOMPARE(ZQMessageBox::question("Delete?", {"Cancel", "OK"}), 0);

        ZQMessageBox box;
        box.showMessage("Text", {"One", "Two", "Three"}, -1, -1, false);
        const QList<QPushButton *> buttons = box.findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 3);
        for (QPushButton *b : buttons)
            QCOMPARE(b->isDefault(), b->text() == QString("Three"));
        int reported = -1;
        box.setCallback([&](int n) { reported = n; });
        QSignalSpy clicked(&box, &ZQMessageBox::buttonClicked);
        buttons.at(0)->click();
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(reported, 1);
        QCOMPARE(box.result(), 1);
        QVERIFY(box.minimumWidth() >= 500);

        ZQMessageBox busy;
        busy.showBusy("Please wait, saving the file...");
        QVERIFY(busy.findChildren<QPushButton *>().isEmpty());
        QVERIFY(!(busy.windowFlags() & Qt::WindowCloseButtonHint));
        busy.close();
    }

    void progressBarBusyRules()
    {
        ProgressBar bar;
        QVERIFY(testutil::show(&bar, QSize(200, 6)));
        bar.startBusy();
        QVERIFY(bar.isBusy());
        bar.setValue(0);
        QVERIFY(bar.isBusy()); // nothing done yet: still busy
        auto *tick = bar.findChild<ProgressTickV2 *>();
        QVERIFY(tick);
        const int before = tick->currentFrame();
        QTRY_VERIFY(tick->currentFrame() != before); // the shared timer animates it
        bar.setValue(1);
        QVERIFY(!bar.isBusy());
        QCOMPARE(bar.value(), 1);
        QVERIFY(!tick->isVisible());
        QCOMPARE(bar.height(), 6);
    }

    // The embedded pictures load; an image button picks the one for its state.
    void picturesLoadAndImageButtonsPickTheirs()
    {
        QVERIFY(!appIconPixmap().isNull());
        QCOMPARE(appIconPixmap(QSize(60, 60)).size(), QSize(60, 60) * screenPixelRatio());
        QVERIFY(QFile::exists(":/res/loading2.gif"));
        ImageButton button;
        button.resize(40, 20);
        QColor colour;
        QCOMPARE(button.pictureToPaint(&colour), -1);
        QVERIFY(!colour.isValid()); // nothing to paint
        button.setBackgroundColors(Qt::white, Qt::gray, Qt::blue);
        QCOMPARE(button.pictureToPaint(&colour), -1);
        QCOMPARE(colour, QColor(Qt::white));
        QPixmap normal(10, 10), checked(10, 10);
        normal.fill(Qt::red);
        checked.fill(Qt::green);
        button.setPicture(ImageButton::Normal, normal);
        button.setPicture(ImageButton::Checked, checked);
        QCOMPARE(button.pictureToPaint(&colour), int(ImageButton::Normal));
        button.setCheckable(true);
        button.setChecked(true);
        QCOMPARE(button.pictureToPaint(&colour), int(ImageButton::Checked));
        button.setChecked(false);
        button.setEnabled(false);
        QCOMPARE(button.pictureToPaint(&colour), -1); // no disabled picture: the normal colour
        QCOMPARE(colour, QColor(Qt::white));
        button.setNineSliceMargins(QMargins(3, 3, 3, 3));
        QCOMPARE(button.grab().size(), QSize(40, 20)); // paints without trouble
    }

    void framelessEdgesAndTitleBar()
    {
        CFramelessWindow window;
        auto *bar = new QWidget;
        bar->setFixedHeight(40);
        auto *close = new QPushButton("x", bar);
        auto *grip = new QPushButton("grip", bar);
        auto *row = new QHBoxLayout(bar);
        row->addStretch();
        row->addWidget(grip);
        row->addWidget(close);
        auto *central = new QWidget;
        auto *column = new QVBoxLayout(central);
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(bar);
        column->addStretch();
        window.setCentralWidget(central);
        window.setTitleBar(bar);
        window.addIgnoreWidget(grip);
        window.addIgnoreWidget(grip); // once only
        QVERIFY(testutil::show(&window, QSize(600, 400)));

        Qt::Edges edges;
        QCOMPARE(window.hitTest(QPoint(2, 200), &edges), CFramelessWindow::Hit::Resize);
        QCOMPARE(edges, Qt::Edges(Qt::LeftEdge));
        QCOMPARE(window.hitTest(QPoint(598, 398), &edges), CFramelessWindow::Hit::Resize);
        QCOMPARE(edges, Qt::RightEdge | Qt::BottomEdge);
        QCOMPARE(window.hitTest(QPoint(300, 200), &edges), CFramelessWindow::Hit::Client);
        QCOMPARE(window.hitTest(QPoint(100, 20), &edges), CFramelessWindow::Hit::Caption);
        const QPoint onClose = close->mapTo(&window, close->rect().center());
        QCOMPARE(window.hitTest(onClose, &edges), CFramelessWindow::Hit::Client);
        const QPoint onGrip = grip->mapTo(&window, grip->rect().center());
        QCOMPARE(window.hitTest(onGrip, &edges), CFramelessWindow::Hit::Caption);

        // A fixed width offers no left or right edges.
        window.setFixedWidth(600);
        QCOMPARE(window.hitTest(QPoint(2, 200), &edges), CFramelessWindow::Hit::Client);
        QCOMPARE(window.hitTest(QPoint(300, 398), &edges), CFramelessWindow::Hit::Resize);
        QCOMPARE(edges, Qt::Edges(Qt::BottomEdge));
        window.setResizeable(false);
        QCOMPARE(window.hitTest(QPoint(300, 398), &edges), CFramelessWindow::Hit::Client);

        delete bar; // the title bar may go away
        QCOMPARE(window.hitTest(QPoint(100, 20), &edges), CFramelessWindow::Hit::Client);
    }

    // In an ignored container (a tool bar) only what takes no input drags: its empty part and a
    // plain label. A button, a line edit, and a label on a button (a tab's mark) are clicked.
    // A press becomes a move only once the pointer travels; where the window system cannot move
    // the window (offscreen), the window follows the pointer itself.
    void framelessCaptionIsOnlyWhatTakesNoInput()
    {
        CFramelessWindow window;
        auto *central = new QWidget;
        auto *toolbar = new QWidget(central);
        toolbar->setGeometry(0, 0, 600, 60);
        auto *label = new QLabel("Clipmoor", toolbar);
        label->setGeometry(10, 10, 100, 40);
        auto *button = new QPushButton("Paste URL", toolbar);
        button->setGeometry(150, 10, 100, 40);
        auto *mark = new QLabel(button);
        mark->setGeometry(0, 0, 16, 16);
        auto *edit = new QLineEdit(toolbar);
        edit->setGeometry(300, 10, 100, 40);
        auto *link = new QLabel("<a href=\"x\">MP4</a>", toolbar);
        link->setGeometry(450, 10, 100, 40);
        window.setCentralWidget(central);
        window.setTitleBar(central);
        window.addIgnoreWidget(toolbar);
        window.setGeometry(100, 100, 600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto hit = [&window](QWidget *w, QPoint at = QPoint(5, 5)) {
            return window.hitTest(w->mapTo(&window, at), nullptr);
        };
        QCOMPARE(hit(toolbar, QPoint(280, 5)), CFramelessWindow::Hit::Caption);
        QCOMPARE(hit(label), CFramelessWindow::Hit::Caption);
        QCOMPARE(hit(button, QPoint(50, 30)), CFramelessWindow::Hit::Client);
        QCOMPARE(hit(mark), CFramelessWindow::Hit::Client);
        QCOMPARE(hit(edit), CFramelessWindow::Hit::Client);
        QCOMPARE(hit(link), CFramelessWindow::Hit::Client);
        QCOMPARE(hit(central, QPoint(300, 200)), CFramelessWindow::Hit::Caption); // the bar itself

        const auto mouse = [](QWidget *target, QEvent::Type type, QPoint at,
                              Qt::MouseButtons held) {
            QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held,
                              Qt::NoModifier);
            QApplication::sendEvent(target, &event);
        };
        QSignalSpy clicked(button, &QPushButton::clicked);
        mouse(button, QEvent::MouseButtonPress, QPoint(50, 20), Qt::LeftButton);
        mouse(button, QEvent::MouseButtonRelease, QPoint(50, 20), Qt::NoButton);
        QCOMPARE(clicked.count(), 1);
        const QPoint start = window.pos();
        mouse(label, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
        mouse(label, QEvent::MouseButtonRelease, QPoint(6, 5), Qt::NoButton);
        QCOMPARE(window.pos(), start); // a click that wobbled by a pixel
        mouse(label, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
        mouse(label, QEvent::MouseMove, QPoint(45, 35), Qt::LeftButton);
        mouse(label, QEvent::MouseButtonRelease, QPoint(45, 35), Qt::NoButton);
        QTRY_COMPARE(window.pos(), start + QPoint(40, 30));
    }

    void imageViewLoadsFromTheNetworkAndKeepsItsPictureOnFailure()
    {
        QTemporaryDir www;
        QImage image(64, 36, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(www.path() + "/thumb.jpg"));
        testutil::writeFile(www.path() + "/junk.jpg", "not a picture");
        TestHttpServer server(www.path());
        QVERIFY(server.start());

        RFImageView view;
        view.resize(100, 60);
        QSignalSpy downloaded(&view, &RFImageView::imageDownloaded);
        auto *network = view.findChild<QNetworkAccessManager *>();
        QSignalSpy answered(network, &QNetworkAccessManager::finished);
        view.setImageUrl(server.url("thumb.jpg"));
        QTRY_COMPARE(downloaded.count(), 1);
        QVERIFY(view.isLoaded());
        QCOMPARE(downloaded.at(0).at(1).toString(), server.url("thumb.jpg"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        view.reload(); // already loaded: nothing is fetched again
        QVERIFY(network->findChildren<QNetworkReply *>().isEmpty());

        // A picture that is none, then one that is missing: each answered, neither shown.
        view.setImageUrl(server.url("junk.jpg"));
        QTRY_COMPARE(answered.count(), 2);
        QVERIFY(!view.isLoaded());
        view.setImageUrl(server.url("missing.jpg"));
        QTRY_COMPARE(answered.count(), 3);
        QCOMPARE(downloaded.count(), 1);
        QVERIFY(!view.isLoaded());
    }

    // A long list is laid out in batches after a reset or an insertion (the rows in view first,
    // the rest in later turns of the event loop); a row the layout has not reached yet can still
    // be scrolled to at once.
    void rowListLaysOutLongListsInBatches()
    {
        QStringListModel model;
        RowListView view;
        view.setRowDelegate(new PlainRows(&view));
        view.setModel(&model);
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QStringList rows;
        for (int i = 0; i < 30000; ++i)
            rows << QString::number(i);
        model.setStringList(rows);

        const QModelIndex last = model.index(29999);
        view.scrollTo(last);
        QVERIFY(view.viewport()->rect().intersects(view.visualRect(last)));
        QCOMPARE(view.indexAt(view.visualRect(last).center()), last);

        // While batches of the former layout still run, a row of the first batch is scrolled to
        // after it (in the next turn of the event loop).
        model.setStringList(rows.mid(0, 20000));
        view.scrollTo(model.index(0));
        QTRY_COMPARE(view.visualRect(model.index(0)).top(), 0);
        QCOMPARE(view.visualRect(model.index(1)).top(), 40);
        QTRY_COMPARE(view.verticalScrollBar()->maximum(), 20000 * 40 - view.viewport()->height());
        QCOMPARE(view.visualRect(model.index(19999)).height(), 40);
        view.scrollTo(model.index(12345), QAbstractItemView::PositionAtTop);
        QCOMPARE(view.indexAt(QPoint(10, 5)), model.index(12345));
    }

    void lineEditReportsEditingOnFocusLoss()
    {
        QWidget host;
        auto *edit = new XLineEdit(&host);
        auto *other = new QPushButton("other", &host);
        other->move(0, 40);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QSignalSpy finished(edit, &QLineEdit::editingFinished);
        edit->setFocus();
        other->setFocus();
        QVERIFY(finished.count() >= 1);
        edit->setReadOnly(true);
        const int before = finished.count();
        edit->setFocus();
        other->setFocus();
        QCOMPARE(finished.count(), before);
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
