// Test main, with every folder a test could write to pointed at a temporary folder, so no test
// touches the user's home or real settings: a QApplication on the offscreen platform for the
// widget tests, a QCoreApplication for the tests of the core libraries.
#ifdef ORVANE_TEST_GUI
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QTemporaryDir sandbox;
    if (!sandbox.isValid())
        return 3;
    const QByteArray root = sandbox.path().toUtf8();
    for (const char *sub : {"home", "config", "runtime", "settings", "data", "cache"})
        QDir(sandbox.path()).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(sandbox.path() + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", root + "/home");
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    qputenv("XDG_DATA_HOME", root + "/data");
    qputenv("XDG_CACHE_HOME", root + "/cache");
    qputenv("ORVANE_SETTINGS_DIR", root + "/settings");
    // Never reach the developer's own sound server, nor start one on demand.
    qputenv("PULSE_SERVER", root + "/runtime/no-sound-server");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
