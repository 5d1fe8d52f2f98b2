#include "netutil/PriceNotice.h"
#include "FixtureServer.h"
#include "common/PageFetch.h"
#include "support/Fakes.h"

#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

#include <gtest/gtest.h>

TEST(PriceNoticeText, ValuesAreCutByTheirPlacesAfterTheMarker)
{
    // The page opens with the marker: the intro comes from the second one.
    const QString page = QStringLiteral("1)Version 2.4.1<$0.00: Dec 2026!\r\n"
                                        "1)Orvane is free software.%\r\n");
    EXPECT_EQ(priceNoticeText(page),
              "Orvane is free software.\r\rCurrent Price: $0.00\rCurrent Version: "
              "2.4.1\rUpdated: Dec 2026\r");

    // No marker at all: the plain places of the page.
    EXPECT_EQ(priceNoticeText(u"#Hi%.....1.2.3<$5.00: Jan 2027!"),
              "Hi\r\rCurrent Price: $5.00\rCurrent Version: 1.2.3\rUpdated: Jan 2027\r");

    // An end marker missing is a failed step.
    EXPECT_EQ(priceNoticeText(u"#Hi%.....1.2.3<$5.00: Jan 2027"), std::nullopt);
    EXPECT_EQ(priceNoticeText(u""), std::nullopt);
}

TEST(PriceNoticeFetch, TheNoticeShowsForAnInformationPageAndABoxSaysWhyOtherwise)
{
    FixtureServer server;
    ASSERT_TRUE(server.start());
    server.setFile(QStringLiteral("/PROGINFO.txt"),
                   QStringLiteral("1)Version 2.4.1<$0.00: Dec 2026!\r\n1)Thanks.%"));
    ScriptedPrompter prompter;
    QNetworkAccessManager network;
    PriceNotice notice(prompter, network);
    QSignalSpy done(&notice, &PriceNotice::done);

    qputenv("ORVANE_INFO_HOST", QString(server.host() + u'/').toUtf8());
    const QString host = infoHost(QStringLiteral("https://orvane.example.org/"));
    qunsetenv("ORVANE_INFO_HOST");
    EXPECT_EQ(host, server.host());
    notice.show(host);
    notice.show(host); // one fetch at a time
    ASSERT_TRUE(done.wait(5000));
    EXPECT_EQ(done.takeFirst().first().toBool(), true);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].title, "ORVANE");
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::None);
    EXPECT_TRUE(prompter.shown[0].text.startsWith("Thanks.\r\rCurrent Price: $0.00"));
    EXPECT_EQ(server.requests(), 1);

    // A not-found page is no information page, even one whose text would cut; the box names
    // the host and the status.
    server.setFallback(QStringLiteral("1)Version 2.4.1<$0.00: Dec 2026!\r\n1)Gone.%"));
    notice.show(server.host() + QStringLiteral("/missing"));
    ASSERT_TRUE(done.wait(5000));
    EXPECT_EQ(done.takeFirst().first().toBool(), false);
    ASSERT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(prompter.shown[1].title, "Current Pricing");
    EXPECT_TRUE(prompter.shown[1].text.contains("127.0.0.1 answered 404"))
        << qPrintable(prompter.shown[1].text);

    // A host that never answers: the time-out ends it, nothing shown.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    notice.show(infoHost(QStringLiteral("127.0.0.1:%1").arg(silent.serverPort())));
    ASSERT_TRUE(QTest::qWaitFor([&] { return silent.hasPendingConnections(); }, 5000));
    EXPECT_TRUE(done.isEmpty());
    notice.fetch()->onTimeout();
    ASSERT_EQ(done.size(), 1);
    EXPECT_EQ(done.takeFirst().first().toBool(), false);
    ASSERT_EQ(prompter.shown.size(), 3);
    EXPECT_TRUE(prompter.shown[2].text.contains("did not answer within 20 seconds"));
}
