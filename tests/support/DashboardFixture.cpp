#include "support/DashboardFixture.h"
#include "support/StagedPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void copyAppFolderData(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const auto entries = QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QFileInfo &info : entries) {
        const QString target = to + u'/' + info.fileName();
        if (info.isDir())
            copyAppFolderData(info.filePath(), target);
        else if (!info.isExecutable())
            QFile::copy(info.filePath(), target);
    }
}

DashboardFixture::DashboardFixture()
    : fakes(m_dir.path() + "/app", m_dir.path() + "/settings/settings.ini")
{
    copyAppFolderData(stagedAppDir(), m_dir.path() + "/app");
}

DashboardFixture::~DashboardFixture() = default;

Dashboard &DashboardFixture::dashboard()
{
    if (!m_dashboard) {
        m_dashboard = std::make_unique<Dashboard>(*services);
        QObject::connect(m_dashboard.get(), &Dashboard::endProcessRequested,
                         [this](int) { ++endRequests; });
    }
    return *m_dashboard;
}

Dashboard &DashboardFixture::loaded()
{
    Dashboard &d = dashboard();
    EXPECT_EQ(d.load(), Dashboard::LoadResult::Loaded);
    return d;
}

QString DashboardFixture::setting(const QString &section, const QString &key, const QString &def)
{
    return settings->getSetting(section, key, def);
}

void DashboardFixture::setSetting(const QString &section, const QString &key, const QString &value)
{
    settings->saveSetting(section, key, value);
}

void DashboardFixture::writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray DashboardFixture::readFile(const QString &path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
