#include "WebcamFixture.h"

#include "webcam/frmFullscreen.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

namespace {

class CamShowTest : public WebcamFixture
{
protected:
    void pref(const char *name, bool on)
    {
        settings->saveSetting("Prefs", name, on ? "True" : "False");
    }
    QLabel *picture() { return window->findChild<QLabel *>("imgCam"); }
    QTimer *refreshTimer() { return window->findChild<QTimer *>("TimerRefresh"); }
    QString showRate(const QByteArray &rate)
    {
        favoritesFile("[R]\r\nAddress=http://cams/a.jpg\r\n" + rate);
        delete std::exchange(window, nullptr);
        frmMain &w = opened();
        select("R");
        EXPECT_TRUE(downloaded());
        return refreshTimer()->isActive() ? w.statusText(2) : "no refresh";
    }
};

TEST_F(CamShowTest, ACamIsShownRefreshedOnItsScheduleAndMeasured)
{
    favoritesFile("[Five]\r\nAddress=http://cams/a.jpg\r\nUpdateInterval=5\r\n");
    frmMain &w = opened();
    select("Five");
    EXPECT_EQ(w.statusText(1), "Busy");
    EXPECT_EQ(w.statusText(2), "Downloading Cam: Five");
    ASSERT_TRUE(downloaded());
    EXPECT_TRUE(picture()->isVisible());
    EXPECT_EQ(w.naturalSizeTwips(), QSize(4800, 3600));
    EXPECT_EQ(w.statusText(1), "Ready");
    QStringList texts{w.statusText(2)};
    for (int tick = 0; tick < 5; ++tick) {
        w.refreshSchedule().onTimerRefreshTimer();
        texts << w.statusText(2);
    }
    EXPECT_EQ(texts,
              QStringList({"Refresh Scheduled in 5 Seconds", "Refresh Scheduled in 4 Seconds",
                           "Refresh Scheduled in 3 Seconds", "Refresh Scheduled in 2 Seconds",
                           "Refresh Scheduled in 1 Seconds", "Refresh Scheduled in 0 Seconds"}));
    EXPECT_EQ(server.requests().size(), 1);
    // The sixth second fetches the picture again; a tick meanwhile starts nothing.
    server.setCam("/a.jpg", CamServer::Cam::ofBytes(jpeg(QSize(64, 48), Qt::red)));
    w.refreshSchedule().onTimerRefreshTimer();
    EXPECT_EQ(w.statusText(2), "Refreshing ...");
    w.refreshSchedule().onTimerRefreshTimer();
    ASSERT_TRUE(downloaded());
    EXPECT_EQ(server.requests().size(), 2);
    EXPECT_EQ(w.statusText(2), "Refresh Scheduled in 5 Seconds");
    EXPECT_EQ(picture()->pixmap().size(), QSize(64, 48));
    EXPECT_EQ(w.naturalSizeTwips(), QSize(4800, 3600)); // a refresh does not measure again

    // Half size: the measured picture at half its size, centred in the pane.
    w.windowLayout().onMnuViewModeClick(2);
    const QWidget *pane = window->findChild<QWidget *>("picPane");
    EXPECT_EQ(picture()->size(), QSize(160, 120));
    EXPECT_LE((picture()->geometry().center() - pane->rect().center()).manhattanLength(), 2);
    w.windowLayout().onMnuViewModeClick(1);
    EXPECT_EQ(picture()->size(), QSize(320, 240));
}

TEST_F(CamShowTest, RatesOtherThanWholeNumbersRefreshEveryMinuteOrNotAtAll)
{
    EXPECT_EQ(showRate("UpdateInterval=x\r\n"), "no refresh");
    EXPECT_EQ(showRate(""), "Refresh Scheduled in 60 Seconds");
    for (const QByteArray rate : {"0", "-3", "2.5", "soon"})
        EXPECT_EQ(showRate("UpdateInterval=" + rate + "\r\n"), "Refresh Scheduled in 60 Seconds")
            << rate.constData();
    pref("ForceNull60Sec", true);
    EXPECT_EQ(showRate("UpdateInterval=X\r\n"), "");
    window->refreshSchedule().onTimerRefreshTimer();
    EXPECT_EQ(window->statusText(2), "Refresh Scheduled in 59 Seconds");
}

TEST_F(CamShowTest, AnUnchangedCamSaysSoAndNoCamShowsAnotherCamsPicture)
{
    server.setCam("/a.jpg", CamServer::Cam::ofBytes(jpeg(QSize(320, 240)), "Thu, 10 Dec 2026"));
    // Copied onto the server together with the first: the same date, another picture.
    server.setCam("/b.jpg", CamServer::Cam::ofBytes(jpeg(QSize(64, 48)), "Thu, 10 Dec 2026"));
    server.setCam("/silent.jpg", [] {
        CamServer::Cam cam = CamServer::Cam::ofBytes("x");
        cam.behaviour = CamServer::Behaviour::Silent;
        return cam;
    }());
    favoritesFile("[Same]\r\nAddress=http://cams/a.jpg\r\n"
                  "[Twin]\r\nAddress=http://cams/b.jpg\r\n"
                  "[Gone]\r\nAddress=http://cams/gone.jpg\r\n"
                  "[Hung]\r\nAddress=http://cams/silent.jpg\r\n");
    pref("DeleteTemps", true);
    frmMain &w = opened();
    select("Same");
    ASSERT_TRUE(downloaded());
    EXPECT_FALSE(QFile::exists(temporary())); // completed and not wanted afterwards
    w.camTree().onMnuViewCamClick();
    ASSERT_TRUE(downloaded());
    EXPECT_EQ(w.statusText(2), "Same has not changed");
    EXPECT_TRUE(picture()->isVisible());

    select("Twin");
    ASSERT_TRUE(downloaded());
    EXPECT_FALSE(w.download().notModified());
    EXPECT_EQ(picture()->pixmap().size(), QSize(64, 48));

    // A failed first download shows no picture, and says why even with errors hidden.
    select("Gone");
    ASSERT_TRUE(downloaded());
    EXPECT_TRUE(w.download().error());
    EXPECT_TRUE(picture()->pixmap().isNull());
    EXPECT_EQ(w.statusText(2),
              "Cam download failed! The image, \"" + server.address("/gone.jpg")
                  + "\" was not found.");
    EXPECT_FALSE(refreshTimer()->isActive());
    EXPECT_TRUE(prompter.shown.isEmpty()); // errors are hidden by default

    select("Same");
    ASSERT_TRUE(downloaded());
    select("Hung");
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.requests().size() == 6; }, 10000));
    w.download().onStall();
    ASSERT_TRUE(downloaded());
    EXPECT_TRUE(w.download().error());
    EXPECT_TRUE(picture()->pixmap().isNull());
    EXPECT_EQ(w.statusText(2), "The server returned the following response: <nothing>");
}

TEST_F(CamShowTest, TheAddressBarSelectsCamsOpensPagesAndShowsPictures)
{
    favoritesFile("[b]\r\nAddress=http://cams/b.jpg\r\n");
    frmMain &w = opened();
    QLineEdit *edit = addressList()->lineEdit();
    const auto enter = [&](const QString &text) {
        addressList()->setEditText(text);
        w.addressBar().ParseAddressChange();
    };
    enter("b");
    ASSERT_TRUE(downloaded());
    EXPECT_EQ(w.currentTitle(), "b");
    EXPECT_EQ(tree()->currentItem()->text(0), "b");

    addressList()->setEditText("http://pages.example/cam.JPG");
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(0, 0, 255));
    w.addressBar().ParseAddressChange();
    EXPECT_EQ(shell.opened, QStringList{"http://pages.example/cam.JPG"});
    EXPECT_EQ(tree()->currentItem()->text(0), "Add a Cam");
    const int items = addressList()->count();
    enter("http://pages.example/cam.JPG"); // listed already: selected, not added
    EXPECT_EQ(addressList()->count(), items);
    EXPECT_EQ(addressList()->currentText(), "http://pages.example/cam.JPG");
    EXPECT_EQ(addressTexts().mid(3), QStringList({"Webpages", "http://pages.example/cam.JPG"}));

    addressList()->setEditText("Homepage");
    EXPECT_NE(edit->palette().color(QPalette::Text), QColor(0, 0, 255));

    server.setCam("/shot.jpg", CamServer::Cam::ofBytes(jpeg(QSize(200, 100))));
    enter(server.address("/shot.jpg"));
    ASSERT_TRUE(downloaded());
    EXPECT_EQ(shell.opened.size(), 2); // the page twice, the picture never
    EXPECT_EQ(picture()->pixmap().size(), QSize(200, 100));
    EXPECT_EQ(w.statusText(1), "Ready");
    EXPECT_EQ(tree()->currentItem()->text(0), "Add a Cam");
}

TEST_F(CamShowTest, ThePictureGoesFullScreenToAFileAndToTheClipboard)
{
    favoritesFile("[Two]\r\nAddress=http://cams/a.jpg\r\nUpdateInterval=2\r\n");
    frmMain &w = opened();
    select("Two");
    ASSERT_TRUE(downloaded());
    w.windowLayout().onMnuViewModeClick(3);
    w.picture().onMnuFullscreenClick();
    frmFullscreen *view = w.fullscreenView();
    ASSERT_TRUE(view);
    EXPECT_EQ(w.viewMode(), 4);
    // A refresh while it is open: the indicator during the download, then the new picture.
    server.setCam("/a.jpg", CamServer::Cam::ofBytes(jpeg(QSize(64, 48), Qt::red)));
    for (int tick = 0; tick < 3; ++tick)
        w.refreshSchedule().onTimerRefreshTimer();
    EXPECT_TRUE(view->indicatorVisible());
    ASSERT_TRUE(downloaded());
    EXPECT_FALSE(view->indicatorVisible());
    EXPECT_EQ(view->findChild<QLabel *>("imgFullscreen")->pixmap().size(), QSize(64, 48));
    view->reject();
    EXPECT_EQ(w.viewMode(), 3);

    w.picture().onMnuCopyImageClick();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(64, 48));
    w.picture().onMnuSaveAsClick();
    auto *dialog = w.findChild<QFileDialog *>();
    ASSERT_TRUE(dialog);
    const QString path = appPath("shot.bmp");
    dialog->selectFile(path);
    static_cast<QDialog *>(dialog)->accept();
    QImageReader saved(path);
    EXPECT_EQ(saved.format(), "bmp");
    EXPECT_EQ(saved.size(), QSize(64, 48));
}

TEST_F(CamShowTest, ClosingMidDownloadCancelsIt)
{
    CamServer::Cam silent = CamServer::Cam::ofBytes("x");
    silent.behaviour = CamServer::Behaviour::Silent;
    server.setCam("/a.jpg", silent);
    favoritesFile("[Slow]\r\nAddress=http://cams/a.jpg\r\n");
    pref("ShowStatusBar", false);
    frmMain &w = opened();
    // Without a status bar the progress bar spans the bottom of the window.
    const QProgressBar *bar = w.findChild<QProgressBar *>("ProgressBar1");
    EXPECT_EQ(bar->x(), 0);
    EXPECT_EQ(bar->width(), w.width());
    select("Slow");
    EXPECT_TRUE(w.download().running());
    w.close();
    EXPECT_FALSE(w.download().running());
    EXPECT_FALSE(refreshTimer()->isActive());
}

} // namespace
