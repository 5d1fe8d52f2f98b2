#include "webcam/CamDownload.h"
#include "CamServer.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using Behaviour = CamServer::Behaviour;

class CamDownloadTest : public ::testing::Test
{
protected:
    CamDownloadTest()
    {
        EXPECT_TRUE(server.start());
        QObject::connect(&download, &CamDownload::message,
                         [this](const Prompter::Message &m) { messages << m; });
    }

    QString temp() const { return dir.filePath("temp.dat"); }
    QByteArray tempBytes() const
    {
        QFile file(temp());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void setTemp(const QByteArray &bytes) const
    {
        QFile file(temp());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    CamServer::Cam cam(Behaviour behaviour, qint64 size = 20000, QByteArray modified = {})
    {
        CamServer::Cam c = CamServer::Cam::ofBytes(CamServer::pattern(0, size), modified);
        c.behaviour = behaviour;
        c.breakAt = 10000;
        return c;
    }
    // One download to its end; false when it did not end.
    bool run(const QString &path, const QString &destination = {})
    {
        QSignalSpy finished(&download, &CamDownload::finished);
        const CamDownload::Options options{true, hideErrors};
        if (!download.start(server.address(path), destination.isEmpty() ? temp() : destination,
                            options))
            return false;
        return finished.wait(20000) && finished.size() == 1;
    }
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto &m : messages)
            texts << m.title + " | " + m.text;
        return texts;
    }

    QTemporaryDir dir;
    CamServer server;
    QNetworkAccessManager network;
    CamDownload download{network};
    QList<Prompter::Message> messages;
    bool hideErrors = false;
};

TEST_F(CamDownloadTest, ChangeDetectionKeepsTheFileOnlyWhileTheDateIsTheSame)
{
    const QByteArray date = "Wed, 09 Dec 2026 10:00:00 GMT";
    server.setCam("/a.jpg", cam(Behaviour::Normal, 3000, date));
    ASSERT_TRUE(run("/a.jpg"));
    EXPECT_TRUE(download.completed());
    EXPECT_EQ(tempBytes(), CamServer::pattern(0, 3000));

    // Same date, new bytes: nothing is taken and the old picture stays.
    server.setCam("/a.jpg", CamServer::Cam::ofBytes(QByteArray(3000, 'n'), date));
    ASSERT_TRUE(run("/a.jpg"));
    EXPECT_TRUE(download.notModified());
    EXPECT_TRUE(download.completed());
    EXPECT_EQ(tempBytes(), CamServer::pattern(0, 3000));

    // A server that honours If-Modified-Since answers 304 and sends no body at all.
    server.cam("/a.jpg")->honoursIfModified = true;
    const qint64 sent = server.bodyBytesSent();
    download.clearNotModified();
    ASSERT_TRUE(run("/a.jpg"));
    EXPECT_TRUE(download.notModified());
    EXPECT_EQ(server.bodyBytesSent(), sent);
    EXPECT_EQ(tempBytes(), CamServer::pattern(0, 3000));

    // Without a date every refresh downloads again.
    server.setCam("/b.jpg", CamServer::Cam::ofBytes(QByteArray(3000, 'b')));
    ASSERT_TRUE(run("/b.jpg"));
    server.setCam("/b.jpg", CamServer::Cam::ofBytes(QByteArray(3000, 'c')));
    download.clearNotModified();
    ASSERT_TRUE(run("/b.jpg"));
    EXPECT_FALSE(download.notModified());
    EXPECT_EQ(tempBytes(), QByteArray(3000, 'c'));
}

TEST_F(CamDownloadTest, AnswerWithoutLengthWritesNothingAndCompletes)
{
    setTemp("previous picture");
    server.setCam("/n.jpg", cam(Behaviour::NoLength));
    ASSERT_TRUE(run("/n.jpg"));
    EXPECT_TRUE(download.completed());
    EXPECT_FALSE(download.error());
    EXPECT_EQ(tempBytes(), "previous picture");
}

TEST_F(CamDownloadTest, EachFailedOutcomeHasItsMessageAndTheErrorFlag)
{
    CamServer::Cam missing = cam(Behaviour::Status);
    server.setCam("/missing.jpg", missing);
    missing.status = "500 Internal Server Error";
    server.setCam("/error.jpg", missing);
    missing.status = "401 Unauthorized";
    server.setCam("/locked.jpg", missing);
    missing.status = "204 No Content";
    server.setCam("/empty.jpg", missing);
    server.setCam("/garbage.jpg", cam(Behaviour::Garbage));
    for (const char *path :
         {"/missing.jpg", "/error.jpg", "/locked.jpg", "/empty.jpg", "/garbage.jpg"}) {
        ASSERT_TRUE(run(path)) << path;
        EXPECT_TRUE(download.error()) << path;
        EXPECT_TRUE(download.completed()) << path; // nothing was expected, nothing came
    }
    const QString url = server.address("/missing.jpg");
    server.close();
    ASSERT_TRUE(download.start(url, temp(), {true, false}));
    QSignalSpy(&download, &CamDownload::finished).wait(20000);
    EXPECT_EQ(
        messageTexts(),
        QStringList({"Error Downloading File | Cam download failed!\r\nThe image, \"" + url
                         + "\" was not found.",
                     "Error Downloading File | The server returned the following "
                     "response:\r\rHTTP/1.1 500 Internal Server Error\r",
                     "Unauthorized | Authorization failed!", "No Content | Nothing to download!",
                     "Error Downloading File | The server returned the following "
                     "response:\r\r<nothing>",
                     "Cannot Establish Connection | Cannot establish connection.\r\rCheck your "
                     "Internet connection and try again."}));

    // Hidden errors still set the flag.
    messages.clear();
    hideErrors = true;
    ASSERT_TRUE(server.start());
    server.setCam("/missing.jpg", cam(Behaviour::Status));
    ASSERT_TRUE(run("/missing.jpg"));
    EXPECT_TRUE(download.error());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CamDownloadTest, ABrokenTransferResumesFourKilobytesBackAndEndsByteForByte)
{
    // The resume's 206 repeats the date the first answer gave: it is the same picture.
    server.setCam("/broken.jpg", cam(Behaviour::BreakFirst, 20000, "Thu, 10 Dec 2026"));
    ASSERT_TRUE(run("/broken.jpg"));
    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_EQ(server.requests()[0].range, "");
    EXPECT_EQ(server.requests()[1].range, "bytes=5904-");
    EXPECT_TRUE(server.requests()[1].head.contains("Accept-Encoding: identity"));
    EXPECT_TRUE(download.completed());
    EXPECT_EQ(download.offset(), 20000);
    EXPECT_EQ(tempBytes(), CamServer::pattern(0, 20000));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CamDownloadTest, AResumeAnsweredWithTheWholePictureStartsTheFileAfresh)
{
    setTemp(QByteArray(50000, 'x')); // longer than the picture: only a new file ends at 20000
    // Breaks once; from the moment the body begins, ranges are answered with the whole picture.
    server.setCam("/full.jpg", cam(Behaviour::BreakFirst));
    QObject::connect(&download, &CamDownload::progress,
                     [this] { server.cam("/full.jpg")->behaviour = Behaviour::ResumeAsFull; });
    ASSERT_TRUE(run("/full.jpg"));
    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_EQ(server.requests()[1].range, "bytes=5904-");
    EXPECT_TRUE(download.completed());
    EXPECT_EQ(tempBytes(), CamServer::pattern(0, 20000));
}

TEST_F(CamDownloadTest, FailuresEndTheDownloadWithCompletedClear)
{
    // A server failing every resume: six attempts in all, then the download gives up.
    server.setCam("/noresume.jpg", cam(Behaviour::FailResume));
    ASSERT_TRUE(run("/noresume.jpg"));
    EXPECT_EQ(server.requests().size(), 1 + CamDownload::kMaxResumes);
    EXPECT_FALSE(download.completed());
    EXPECT_FALSE(download.running());

    // A destination that cannot be created.
    messages.clear();
    server.setCam("/a.jpg", cam(Behaviour::Normal));
    ASSERT_TRUE(run("/a.jpg", dir.filePath("no/such/folder/temp.dat")));
    EXPECT_FALSE(download.completed());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].text.startsWith("Cannot write file to disk.\r\rError "));

    // A length past 2 GB is refused before a byte is written.
    messages.clear();
    setTemp("kept");
    CamServer::Cam huge; // its bytes made as they are sent
    huge.size = 3'000'000'000LL;
    server.setCam("/huge.jpg", huge);
    ASSERT_TRUE(run("/huge.jpg"));
    EXPECT_FALSE(download.completed());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].text.startsWith("Error: "));
    EXPECT_EQ(tempBytes(), "kept");

    // Too little room: the message once, no retry.
    messages.clear();
    const int before = server.requests().size();
    download.setFreeSpace([](const QString &) { return qint64(100); });
    ASSERT_TRUE(run("/a.jpg"));
    EXPECT_FALSE(download.completed());
    EXPECT_EQ(server.requests().size(), before + 1);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].title, "Insufficient Disk Space");
}

TEST_F(CamDownloadTest, AStallEndsTheAttemptAndStopEndsTheDownload)
{
    server.setCam("/stall.jpg", cam(Behaviour::StallAfterHeaders));
    QSignalSpy finished(&download, &CamDownload::finished);
    QSignalSpy progress(&download, &CamDownload::progress);
    ASSERT_TRUE(download.start(server.address("/stall.jpg"), temp(), {}));
    EXPECT_FALSE(download.start(server.address("/stall.jpg"), temp(), {})); // one at a time
    ASSERT_TRUE(progress.wait(20000)); // headers in, then silence
    EXPECT_EQ(download.findChild<QTimer *>("timFetchTimeout")->interval(), 30000);
    download.onStall();
    // The resumed request gets the picture from its range: the download completes.
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_TRUE(download.completed());
    EXPECT_EQ(server.requests().size(), 2);
    EXPECT_EQ(tempBytes(), CamServer::pattern(0, 20000));

    // Stop while the body is awaited: no further attempt.
    QFile::remove(temp());
    server.setCam("/stall2.jpg", cam(Behaviour::StallAfterHeaders));
    ASSERT_TRUE(download.start(server.address("/stall2.jpg"), temp(), {}));
    ASSERT_TRUE(progress.wait(20000));
    download.stop();
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_FALSE(download.completed());
    EXPECT_EQ(server.requests().size(), 3);
}

} // namespace
