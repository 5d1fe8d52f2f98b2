#pragma once

#include "CamServer.h"
#include "support/DashboardFixture.h"
#include "webcam/AddressBar.h"
#include "webcam/CamDownload.h"
#include "webcam/CamEditMenu.h"
#include "webcam/CamPicture.h"
#include "webcam/CamTree.h"
#include "webcam/RefreshSchedule.h"
#include "webcam/WebcamFiles.h"
#include "webcam/WindowLayout.h"
#include "webcam/frmAddModify.h"
#include "webcam/frmMain.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QMenu>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

// The webcam window over temporary folders, with a loopback cam server for its pictures.
class WebcamFixture : public DashboardFixture
{
protected:
    WebcamFixture()
    {
        QFile::remove(favorites());
        EXPECT_TRUE(server.start());
        for (const char *path : {"/a.jpg", "/b.jpg", "/c.jpg"})
            server.setCam(path, CamServer::Cam::ofBytes(jpeg(QSize(320, 240))));
    }
    ~WebcamFixture() override { delete window; }

    static QByteArray jpeg(QSize size, QColor colour = Qt::darkCyan)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG");
        return bytes;
    }
    // Cam addresses written as "http://cams/..." point at the loopback server.
    QByteArray onServer(QByteArray text) const
    {
        return text.replace("http://cams/", server.address("/").toUtf8());
    }

    QString favorites() const { return WebcamFiles(appPath({})).favorites(); }
    QString temporary() const { return WebcamFiles(appPath({})).temporary(); }
    void favoritesFile(const QByteArray &text) { writeFile(favorites(), onServer(text)); }
    frmMain &opened(const QString &commandLine = "Orvane")
    {
        window = new frmMain(*services, WebcamFiles(appPath({})), commandLine);
        EXPECT_TRUE(window->open());
        return *window;
    }
    // Until the running download has ended; false when it did not.
    bool downloaded()
    {
        QDeadlineTimer deadline(20000);
        while (window->download().running() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return !window->download().running();
    }
    QTreeWidget *tree() { return window->findChild<QTreeWidget *>("TreeView1"); }
    QComboBox *addressList() { return window->findChild<QComboBox *>("ImageCombo1"); }
    QStringList treeTexts()
    {
        QStringList texts;
        for (QTreeWidgetItemIterator it(tree()); *it; ++it)
            texts << (*it)->text(0);
        return texts;
    }
    QStringList addressTexts()
    {
        QStringList texts;
        for (int i = 0; i < addressList()->count(); ++i)
            texts << addressList()->itemText(i);
        return texts;
    }
    QTreeWidgetItem *node(const QString &text)
    {
        const auto found = tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    void select(const QString &text)
    {
        tree()->setCurrentItem(node(text));
        window->camTree().onTreeView1NodeClick(node(text));
    }
    QStringList shownEntries(QMenu *menu)
    {
        QStringList entries;
        for (QAction *a : menu->actions())
            if (a->isVisible())
                entries << (a->isSeparator() ? QString("-") : a->text());
        return entries;
    }
    void apply(frmAddModify *dialog) { dialog->onCmdApplyMouseUp(1, 0, 10, 10); }
    template<typename T> T *in(QWidget *w, const char *name) { return w->findChild<T *>(name); }

    CamServer server;
    frmMain *window = nullptr;
};
