#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QRegion>
#include <QStringList>

class QFrame;
class QWidget;

// The framed, headed groups of the dashboard ("Alarms", "Bills", ...) drawn behind their
// controls, and the plain covers that let a sub-panel hide every group it reaches into, so no
// cut-off piece of a calendar or list shows beside it.
class DashboardGroups : public QObject
{
    Q_OBJECT
public:
    struct Group
    {
        QString heading;
        QStringList members;          // object names of the surface's controls
        int left, top, right, bottom; // margins around them; the heading sits in the top one
    };
    static const QList<Group> &groups();

    DashboardGroups(QWidget *surface, const QList<QFrame *> &subPanels);

    // Fits every frame around its members as they now stand.
    void place();
    QFrame *frame(const QString &heading) const;
    // What a sub-panel at this place covers: itself and every group whose controls it reaches.
    QRegion cover(const QRect &panel) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QWidget *> members(const Group &group) const;
    void updateCover(QFrame *panel);

    QWidget *m_surface;
    QList<QFrame *> m_frames;
    QList<QFrame *> m_panels;
    QList<QFrame *> m_covers; // one per sub-panel, same index
};
