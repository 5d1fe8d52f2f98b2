#include "contracts/PostilFactory.h"
#include "support/StagedPaths.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QWidget>

#include <gtest/gtest.h>
#include <memory>

TEST(PostilPlugin, LoadsFromTheApplicationFolderAndMakesAWorkingControl)
{
    QPluginLoader loader(stagedAppDir() + QStringLiteral("/Postil"));
    const QJsonObject meta = loader.metaData();
    EXPECT_EQ(meta.value("IID").toString(), "PostilLib.Postil");
    const QJsonObject own = meta.value("MetaData").toObject();
    EXPECT_EQ(own.value("className").toString(), "Postil");
    EXPECT_EQ(own.value("interfaces").toArray().first().toString(), "PostilLib.Postil");

    auto *factory = qobject_cast<PostilFactory *>(loader.instance());
    ASSERT_NE(factory, nullptr) << loader.errorString().toStdString();
    std::unique_ptr<QWidget> control(factory->createControl(nullptr));
    ASSERT_NE(control, nullptr);
    // The host sees the control only through its meta-object.
    EXPECT_STREQ(control->metaObject()->className(), "Postil");
    EXPECT_EQ(control->property("MailPort").toInt(), 110);
    EXPECT_TRUE(control->setProperty("Server", QStringLiteral("mail.example")));
    EXPECT_EQ(control->property("Server").toString(), "mail.example");
    for (const char *signal : {"NewMail(int)", "NoMail()", "Noisy(QString)", "SockError(QString)"})
        EXPECT_GE(control->metaObject()->indexOfSignal(signal), 0) << signal;
    EXPECT_GE(control->metaObject()->indexOfMethod("CheckNewMail()"), 0);
    EXPECT_EQ(control->size(), QSize(28, 28));
}
