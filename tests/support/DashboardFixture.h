#pragma once

#include "shell/Dashboard.h"
#include "support/FakeServices.h"

#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>
#include <memory>

// A dashboard over a temporary copy of the staged application folder and a temporary
// settings file, with every desktop seam replaced by its double.
class DashboardFixture : public ::testing::Test
{
protected:
    DashboardFixture();
    ~DashboardFixture() override;

    // Builds the dashboard (once) without loading it.
    Dashboard &dashboard();
    // Builds and runs the load sequence; fails the test unless it loaded.
    Dashboard &loaded();

    QString appPath(const QString &name) const { return m_dir.path() + "/app/" + name; }
    QString settingsPath() const { return m_dir.path() + "/settings/settings.ini"; }
    QString setting(const QString &section, const QString &key, const QString &def = {});
    void setSetting(const QString &section, const QString &key, const QString &value);
    void writeFile(const QString &path, const QByteArray &content);
    QByteArray readFile(const QString &path) const;

    template<typename T> T *find(const QString &name) { return dashboard().findChild<T *>(name); }
    // A panel's timer, by the name the design gives it.
    QTimer *timer(const char *name) { return find<QTimer>(QLatin1String(name)); }

    QTemporaryDir m_dir;
    FakeServices fakes;
    FakeClock &clock = fakes.clock;
    IniSettingsStore *settings = &fakes.settings;
    AppFolder *folder = &fakes.folder;
    FakeSoundPlayer &sound = fakes.sound;
    ScriptedPrompter &prompter = fakes.prompter;
    RecordingShell &shell = fakes.shell;
    FakeConnectivity &connectivity = fakes.connectivity;
    FakeTray &tray = fakes.tray;
    FakeAutostart &autostart = fakes.autostart;
    FakeInstanceLock &lock = fakes.lock;
    Services *services = &fakes.services;
    std::unique_ptr<Dashboard> m_dashboard;
    int endRequests = 0;
};

// Copies the staged application folder's data (not its programs) to a new folder.
void copyAppFolderData(const QString &from, const QString &to);
