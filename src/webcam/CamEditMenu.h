#pragma once

#include <QObject>
#include <QPoint>

class CamTree;
struct WebcamWidgets;

// The Edit menu: in the menu bar "Refresh", the cam commands and "Copy Image"; as the pop-up
// over the cam tree "View Cam" (or "Refresh Cam" for the cam on display) and the cam commands;
// as the pop-up over the picture the same with "Add Cam" first, as its default entry.
class CamEditMenu : public QObject
{
    Q_OBJECT
public:
    CamEditMenu(const WebcamWidgets &widgets, const CamTree &tree, QObject *parent);

    void onTreeView1MouseDown(Qt::MouseButton button, QPoint at);
    void onImgCamMouseDown(Qt::MouseButton button, QPoint at);
    void PopupEditMnu(QPoint at);
    void PopupEditMnu2(QPoint at);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setMenuBarEditState();

    const WebcamWidgets &m_w;
    const CamTree &m_tree;
};
