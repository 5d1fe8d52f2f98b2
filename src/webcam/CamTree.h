#pragma once

#include "webcam/WebcamFiles.h"

#include <QObject>
#include <QPointer>

#include <functional>

class CamViewer;
class QTreeWidgetItem;
class cInifile;
class frmAddModify;
struct Services;
struct WebcamWidgets;

// The cam tree: "Add a Cam", "Webcams" and the cams of the favourites file under it, what a
// click on a node shows, and the commands that add, modify, remove and reload cams.
class CamTree : public QObject
{
    Q_OBJECT
public:
    CamTree(Services &services, WebcamFiles files, cInifile &favorites,
            const WebcamWidgets &widgets, CamViewer &viewer, QWidget *window);

    void ReloadCamList();
    // The cam nodes in the order the favourites file lists them.
    QList<QTreeWidgetItem *> camsInFileOrder() const;
    // The first cam node of that title, in tree order.
    QTreeWidgetItem *findCam(const QString &title) const;
    QTreeWidgetItem *selectedNode() const;
    void selectNode(QTreeWidgetItem *node);
    void selectAddCam();
    // Shows a node of the tree, the selected one when none is given: a cam, or the welcome.
    void LoadCamFromNode(QTreeWidgetItem *Node = nullptr);

    // What the tree shows: a cam's title, or the marker of "Add a Cam" or "Webcams".
    const QString &selectionMarker() const { return m_marker; }
    void setSelectionMarker(const QString &marker) { m_marker = marker; }
    frmAddModify *camDialog() const;

    void onTreeView1NodeClick(QTreeWidgetItem *node);
    void onMnuAddCamClick();
    void onMnuModifyCamClick();
    void onMnuRemoveCamClick();
    void onMnuRefreshClick();
    void onMnuViewCamClick();

Q_SIGNALS:
    // A cam node was clicked: the address bar shows its title.
    void camClicked(const QString &title);
    // The cam dialog wrote the favourites file: the address list is built again.
    void camsEdited();

private:
    QTreeWidgetItem *camsNode() const;
    void openCamDialog(bool modify, const std::function<void()> &closed);

    Services &m_services;
    WebcamFiles m_files;
    cInifile &m_favorites;
    const WebcamWidgets &m_w;
    CamViewer &m_viewer;
    QWidget *m_window;
    QPointer<frmAddModify> m_camDialog;
    QString m_marker;
};
