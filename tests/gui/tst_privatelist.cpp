// Private mode: the password digest and its migration, the marking rule, PrivateListDlg in its
// three modes (and a wrong password), and the downloaded page's "Private" view behind it.
#include "core/foundation/passworddigest.h"
#include "core/foundation/privatelistmanager.h"
#include "gui/pages/downloadedpage.h"
#include "gui/pages/mylistwidget.h"
#include "gui/privatelist/privatelistdlg.h"
#include "gui/widgets/pictures.h"
#include "helpers/gui_test.h"

class TestPrivateList : public QObject
{
    Q_OBJECT
    PrivateListManager *privacy = nullptr;

    static QString storedKey() { return testutil::storedSettings().value("plkey").toString(); }
    static void storeRaw(const QString &key, const QVariant &value)
    {
        QSettings store = testutil::storedSettings();
        store.setValue(key, value);
        store.sync();
    }
    static QPushButton *actionButton(PrivateListDlg &dialog)
    {
        QPushButton *lock = testutil::childWithText<QPushButton>(&dialog, "Lock");
        return lock ? lock : testutil::childWithText<QPushButton>(&dialog, "Unlock");
    }
    static void clickTab(DownloadedPage &page, const QString &text)
    {
        for (QPushButton *button : page.findChildren<QPushButton *>()) {
            if (button->text() == text && button->isCheckable())
                return button->click();
        }
        QFAIL("no such tab");
    }
private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        initGuiResources();
        privacy = PrivateListManager::instance();
    }

    void init()
    {
        Preferences::instance()->setPrivateListKey(QString());
        privacy->setUnlocked(false);
    }

    // --- the digest ----------------------------------------------------------------------------

    void theDigestMatchesOnlyItsPasswordAndIsSaltedPerUser()
    {
        const QString first = passworddigest::make("correct horse");
        const QString second = passworddigest::make("correct horse");
        QVERIFY(first != second); // two users with one password: different salts and digests
        QVERIFY(passworddigest::isDigest(first));
        const QStringList parts = first.split('$');
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts.at(0), QString("pbkdf2-sha256"));
        QVERIFY(parts.at(1).toInt() >= 100000);
        QCOMPARE(QByteArray::fromBase64(parts.at(2).toLatin1()).size(), 16);
        QVERIFY(!first.contains("correct horse"));
        QVERIFY(passworddigest::matches(first, "correct horse"));
        QVERIFY(passworddigest::matches(second, "correct horse"));
        QVERIFY(!passworddigest::matches(first, "Correct horse"));
        QVERIFY(!passworddigest::matches(first, "correct horse "));
        QVERIFY(!passworddigest::matches(first, QString()));
        // Malformed or absurd stored texts match nothing, and quickly.
        const QString salt = parts.at(2), digest = parts.at(3);
        for (const QString &bad :
             {QString("pbkdf2-sha256$0$%1$%2").arg(salt, digest),
              QString("pbkdf2-sha256$2000000000$%1$%2").arg(salt, digest),
              QString("pbkdf2-sha256$x$%1$%2").arg(salt, digest),
              QString("pbkdf2-sha256$100000$$%1").arg(digest),
              QString("pbkdf2-sha256$100000$%1$AAAA").arg(salt), QString("pbkdf2-sha256$")})
            QVERIFY2(!passworddigest::matches(bad, "correct horse"), qPrintable(bad));
        QVERIFY(passworddigest::constantTimeEquals("abc", "abc"));
        QVERIFY(!passworddigest::constantTimeEquals("abc", "abd"));
        QVERIFY(!passworddigest::constantTimeEquals("abc", "abcd"));
        QVERIFY(!passworddigest::constantTimeEquals("", "a"));
    }

    void thePasswordIsNeverStoredAsTypedAndTheFileIsTheUsersOnly()
    {
        QSignalSpy locked(privacy, &PrivateListManager::locked);
        privacy->turnOn("s3cret", true, false);
        QCOMPARE(locked.count(), 1);
        QVERIFY(privacy->isOn());
        QVERIFY(passworddigest::isDigest(storedKey()));
        QVERIFY(!storedKey().contains("s3cret"));
        QFile file(Preferences::fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("s3cret"));
        const QFileDevice::Permissions permissions = QFileInfo(file).permissions();
        QVERIFY(permissions & QFileDevice::ReadOwner);
        QVERIFY(!(permissions & (QFileDevice::ReadGroup | QFileDevice::ReadOther |
                                 QFileDevice::WriteGroup | QFileDevice::WriteOther)));
        QVERIFY(privacy->checkPassword("s3cret"));
        QVERIFY(!privacy->checkPassword("S3cret"));
    }

    void aPasswordStoredAsTypedIsAcceptedOnceAndRewrittenAsADigest()
    {
        // Read at first use: the plain text leaves the file at once.
        storeRaw("plkey", "old pass");
        QVERIFY(privacy->isOn());
        QVERIFY(privacy->migrateStoredPassword());
        QVERIFY(passworddigest::isDigest(storedKey()));
        QVERIFY(!privacy->migrateStoredPassword());
        QVERIFY(privacy->checkPassword("old pass"));
        QVERIFY(!privacy->checkPassword("old"));
        // Written by an older version while this one runs: the right password is accepted and
        // the key rewritten, a wrong one changes nothing.
        storeRaw("plkey", "older");
        QVERIFY(!privacy->checkPassword("olde"));
        QCOMPARE(storedKey(), QString("older"));
        QVERIFY(privacy->unlock("older", false));
        QVERIFY(passworddigest::isDigest(storedKey()));
        QVERIFY(privacy->checkPassword("older"));
    }

    void downloadsFromListedSitesAreMarkedOnlyInPrivateModeWithHiddenThumbnails()
    {
        const QString adult = "https://www.XVideos.com/video123/some_title";
        const QString other = "https://www.example.com/xvideos/clip";
        QVERIFY(!privacy->keywords().isEmpty());
        QVERIFY(!privacy->marksPrivate(adult)); // private mode off
        privacy->turnOn("pw", false, false);
        QVERIFY(!privacy->marksPrivate(adult)); // thumbnails not hidden
        privacy->turnOn("pw", true, false);
        QVERIFY(privacy->marksPrivate(adult));
        QVERIFY(privacy->marksPrivate("http://pornhub.com/view_video.php?viewkey=1"));
        QVERIFY(!privacy->marksPrivate(other));
        QVERIFY(privacy->turnOff("pw"));
        QVERIFY(!privacy->marksPrivate(adult));
    }

    // --- the dialog ----------------------------------------------------------------------------

    void theDialogShowsWhatEachModeNeedsAndLocks()
    {
        Preferences::instance()->setPrivateThumbnailsHidden(true);
        Preferences::instance()->setPrivateFilesHidden(false);
        PrivateListDlg dialog;
        dialog.setMode(PrivateListManager::TurnOn);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("Private List"));
        QVERIFY(dialog.minimumWidth() >= 580 && dialog.minimumHeight() >= 160);
        auto *field = dialog.findChild<QLineEdit *>();
        QPushButton *button = actionButton(dialog);
        QVERIFY(field && button);
        QCOMPARE(button->text(), QString("Lock"));
        QCOMPARE(field->placeholderText(), QString("Enter password"));
        QCOMPARE(field->echoMode(), QLineEdit::Password);
        QVERIFY(dialog.findChildren<QLabel *>().first()->text().contains("Lock Private Space"));
        QCheckBox *thumbs =
            testutil::childWithText<QCheckBox>(&dialog, "Do not show thumbnails", true);
        QCheckBox *files =
            testutil::childWithText<QCheckBox>(&dialog, "Save adult videos as hidden", true);
        QCheckBox *remember = testutil::childWithText<QCheckBox>(
            &dialog, "Remember the password before restart", true);
        QVERIFY(thumbs && files && remember);
        QVERIFY(thumbs->isVisible() && files->isVisible() && !remember->isVisible());
        QVERIFY(thumbs->isChecked() && !files->isChecked()); // the stored options
        QVERIFY(remember->text().endsWith("Clipmoor"));
        // The button waits for a password; the eye shows and hides it.
        QVERIFY(!button->isEnabled());
        QTest::keyClicks(field, "pw1");
        QVERIFY(button->isEnabled());
        field->actions().first()->trigger();
        QCOMPARE(field->echoMode(), QLineEdit::Normal);
        testutil::screenshot(&dialog, "private-list-lock");
        // Setting a mode starts again: empty field, hidden text.
        dialog.setMode(PrivateListManager::Unlock);
        QVERIFY(field->text().isEmpty());
        QCOMPARE(field->echoMode(), QLineEdit::Password);
        QCOMPARE(button->text(), QString("Unlock"));
        QVERIFY(!thumbs->isVisible() && !files->isVisible() && remember->isVisible());
        dialog.setMode(PrivateListManager::TurnOff);
        QVERIFY(!thumbs->isVisible() && !files->isVisible() && !remember->isVisible());
        QVERIFY(dialog.findChildren<QLabel *>().first()->text().contains("Unlock Private Space"));

        dialog.setMode(PrivateListManager::TurnOn);
        files->setChecked(true);
        QTest::keyClicks(field, "pw1");
        // A new password is typed twice; a mismatch is told and nothing is locked.
        QLineEdit *again = dialog.findChildren<QLineEdit *>().at(1);
        QVERIFY(again->isVisible());
        QCOMPARE(again->placeholderText(), QString("Enter the password again"));
        QTest::keyClicks(again, "pw2");
        QSignalSpy locked(privacy, &PrivateListManager::locked);
        auto mismatch = testutil::answerNextModal("OK");
        button->click();
        QTRY_VERIFY(mismatch->answered);
        QVERIFY(mismatch->texts.contains("The passwords do not match."));
        QVERIFY(!dialog.isBusy() && !privacy->isOn());
        again->setText("pw1");
        button->click();
        // The digest is derived off the window's thread: the click returns at once, the button
        // looks busy and the field keeps what was typed until the outcome arrives.
        QVERIFY(dialog.isBusy());
        QCOMPARE(locked.count(), 0);
        QVERIFY(!button->isEnabled() && field->isReadOnly() && !files->isEnabled());
        QCOMPARE(field->text(), QString("pw1"));
        button->click(); // a second press while busy changes nothing
        QTRY_COMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isBusy() && !field->isReadOnly());
        QCOMPARE(locked.count(), 1);
        QVERIFY(privacy->isOn() && !privacy->isUnlocked());
        QVERIFY(privacy->thumbnailsHidden() && privacy->filesHidden());
        QVERIFY(privacy->checkPassword("pw1"));
    }

    // Closed while the password is checked, the outcome is dropped; opened again, a wrong
    // password is told and the dialog stays. Turning private mode off needs the password too,
    // and erases it.
    void aWrongPasswordIsToldAndTheDialogStaysOpen()
    {
        privacy->turnOn("right", false, false);
        QSignalSpy unlocked(privacy, &PrivateListManager::unlocked);
        PrivateListDlg dialog;
        dialog.setMode(PrivateListManager::Unlock);
        dialog.show();
        auto *field = dialog.findChild<QLineEdit *>();
        field->setText("right");
        actionButton(dialog)->click();
        QVERIFY(dialog.isBusy());
        dialog.reject();
        QVERIFY(!dialog.isBusy());
        // The worker ends and its queued outcome is delivered: nothing follows from it.
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(unlocked.count(), 0);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!privacy->isUnlocked());

        dialog.setMode(PrivateListManager::Unlock);
        dialog.show();
        testutil::screenshot(&dialog, "private-list-unlock");
        QTest::keyClicks(field, "wrong");
        auto answer = testutil::answerNextModal("OK");
        actionButton(dialog)->click();
        QTRY_VERIFY(answer->answered);
        QVERIFY(answer->texts.contains("Password error."));
        QTRY_VERIFY(!dialog.isBusy());
        QVERIFY(dialog.isVisible());
        QCOMPARE(field->selectedText(), QString("wrong"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(unlocked.count(), 0);
        QVERIFY(privacy->isOn() && !privacy->isUnlocked());

        // Right, without the remember box: unlocked once, not for the run.
        field->setText("right");
        actionButton(dialog)->click();
        QTRY_COMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(unlocked.count(), 1);
        QCOMPARE(unlocked.at(0).at(0).toBool(), false);
        QVERIFY(!privacy->isUnlocked());
        // With it: unlocked until the program ends.
        dialog.setMode(PrivateListManager::Unlock);
        field->setText("right");
        testutil::childWithText<QCheckBox>(&dialog, "Remember", true)->setChecked(true);
        actionButton(dialog)->click();
        QTRY_VERIFY(privacy->isUnlocked());

        dialog.setMode(PrivateListManager::TurnOff);
        testutil::screenshot(&dialog, "private-list-turn-off");
        field->setText("RIGHT");
        answer = testutil::answerNextModal("OK");
        actionButton(dialog)->click();
        QTRY_VERIFY(answer->answered);
        QVERIFY(answer->texts.contains("Password error."));
        QTRY_VERIFY(!dialog.isBusy());
        QVERIFY(privacy->isOn());
        field->setText("right");
        unlocked.clear();
        dialog.setResult(QDialog::Rejected);
        actionButton(dialog)->click();
        QTRY_COMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(unlocked.count(), 1);
        QCOMPARE(unlocked.at(0).at(0).toBool(), true);
        QVERIFY(!privacy->isOn());
        QVERIFY(storedKey().isEmpty());
    }

    // --- the pages -----------------------------------------------------------------------------

    void thePrivateViewOpensBehindThePasswordAndMovedRowsHideTheirFiles()
    {
        PrivateListDlg::installAskHandler();
        SniffMgr *mgr = SniffMgr::instance();
        const QString path = QDir(fixture::downloadFolder()).filePath("holiday.mp4");
        testutil::writeFile(path, "not really a video");
        JobRecord holiday = fixture::finished("http://127.0.0.1:9/holiday", "Holiday", path);
        holiday.result.resolution = "1920x1080";
        holiday.result.fileSize = 73400320;
        holiday.result.duration = 754;
        SniffTask *task = mgr->restoreJob(holiday, SniffTask::Place::Done);

        // With no password the view opens without a question.
        DownloadedPage page;
        QVERIFY(testutil::show(&page, QSize(900, 560)));
        clickTab(page, "Private");
        QVERIFY(page.isPrivateView());
        clickTab(page, "All");

        // Moving a row in turns private mode on first (through the dialog), here with hidden
        // files: the file takes its dot-name and the record follows.
        page.allList()->setCurrentRow(page.allList()->rowOf(task),
                                      QItemSelectionModel::ClearAndSelect);
        auto lock = testutil::answerNextModal("Lock", [](QWidget *dialog) {
            for (QLineEdit *field : dialog->findChildren<QLineEdit *>())
                field->setText("page-pw"); // and its confirmation
            for (QCheckBox *box : dialog->findChildren<QCheckBox *>())
                box->setChecked(box->text().startsWith("Save adult videos"));
        });
        page.runContextAction(213);
        QVERIFY(lock->answered);
        QVERIFY(privacy->isOn() && privacy->filesHidden());
        QVERIFY(mgr->privateList().contains(task));
        const QString hidden = QDir(fixture::downloadFolder()).filePath(".holiday.mp4");
        QCOMPARE(task->filePath(), hidden);
        QVERIFY(QFileInfo::exists(hidden) && !QFileInfo::exists(path));
        QVERIFY(task->media().privateFile);
        // Private rows are in no public view.
        QCOMPARE(page.allList()->rowOf(task), -1);

        // The view asks for the password: cancelled, "All" stays.
        auto cancel = testutil::answerNextModal("no such button");
        clickTab(page, "Private");
        QVERIFY(!page.isPrivateView());
        auto unlock = testutil::answerNextModal("Unlock", [](QWidget *dialog) {
            dialog->findChild<QLineEdit *>()->setText("page-pw");
        });
        clickTab(page, "Private");
        QVERIFY(unlock->answered);
        QVERIFY(page.isPrivateView());
        QCOMPARE(page.privateList()->count(), mgr->privateList().size());
        testutil::screenshot(&page, "downloaded-private-view");

        // Moving it out shows the file again.
        page.privateList()->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        page.runContextAction(214);
        QVERIFY(mgr->doneList().contains(task));
        QCOMPARE(task->filePath(), path);
        QVERIFY(QFileInfo::exists(path) && !QFileInfo::exists(hidden));
        QVERIFY(!task->media().privateFile);
        QCOMPARE(page.allList()->rowOf(task), 0);
    }
};

QTEST_MAIN(TestPrivateList)
#include "tst_privatelist.moc"
