#include "shell/DashboardGroups.h"

#include "widgets/TabOrder.h"
#include <QEvent>
#include <QFrame>
#include <QLabel>

namespace {

constexpr int kHeadingHeight = 16;

} // namespace

const QList<DashboardGroups::Group> &DashboardGroups::groups()
{
    // Margins chosen so neighbouring frames meet without overlapping.
    static const QList<Group> list{
        {QStringLiteral("Alarms"),
         {QStringLiteral("cmdAlarm"), QStringLiteral("lblATitle")},
         6,
         kHeadingHeight,
         4,
         6},
        {QStringLiteral("Bills"),
         {QStringLiteral("MonthViewBM"), QStringLiteral("lblNoBills"),
          QStringLiteral("cmdViewAllBills")},
         2,
         kHeadingHeight,
         1,
         4},
        {QStringLiteral("Events"),
         {QStringLiteral("MonthView1"), QStringLiteral("cboCALSearch"),
          QStringLiteral("cmdViewAllEvents"), QStringLiteral("txtNoEvents")},
         1,
         kHeadingHeight,
         4,
         6},
        {QStringLiteral("Music"),
         {QStringLiteral("lblSong"), QStringLiteral("lblSongNo"), QStringLiteral("Label7"),
          QStringLiteral("Label8"), QStringLiteral("lblElapsed"), QStringLiteral("lblLength"),
          QStringLiteral("totalRemain"), QStringLiteral("totalFull"), QStringLiteral("imgPlay"),
          QStringLiteral("imgEnd"), QStringLiteral("PlayList"), QStringLiteral("imgDelete"),
          QStringLiteral("repeat"), QStringLiteral("sPackets")},
         6,
         kHeadingHeight,
         2,
         6},
        {QStringLiteral("Album"),
         {QStringLiteral("lblAlbumCount"), QStringLiteral("Album"), QStringLiteral("cmdGetMusic"),
          QStringLiteral("cmdDeleteSong")},
         4,
         kHeadingHeight,
         1,
         8},
        {QStringLiteral("Address Book"),
         {QStringLiteral("cmdViewAddress"), QStringLiteral("txtSearch"),
          QStringLiteral("lstAddress")},
         6,
         kHeadingHeight,
         6,
         6},
        {QStringLiteral("Weather"),
         {QStringLiteral("txtZip"), QStringLiteral("txtZipWorld"),
          QStringLiteral("cmdGetUSWeather"), QStringLiteral("cmdGetWorldWeather"),
          QStringLiteral("cmdGetForecast"), QStringLiteral("lblTitle"), QStringLiteral("imgCond"),
          QStringLiteral("lblCurTemp"), QStringLiteral("imgMoon"), QStringLiteral("lblCond"),
          QStringLiteral("lblHumidity"), QStringLiteral("lblSunset"), QStringLiteral("lblToday"),
          QStringLiteral("lblTomNight")},
         6,
         kHeadingHeight,
         4,
         3},
        // A thin band between the events and the address book: no room for a heading.
        {QStringLiteral("Time"),
         {QStringLiteral("cmdTimeSync"), QStringLiteral("txtStatus")},
         1,
         2,
         4,
         2},
        // A thin band under the lists: framed, but no room for its heading.
        {QStringLiteral("Mail"),
         {QStringLiteral("MyBox"), QStringLiteral("imgMail"), QStringLiteral("lblNumEmails0"),
          QStringLiteral("lblNumEmails1"), QStringLiteral("txtChkEmail")},
         4,
         2,
         2,
         2},
    };
    return list;
}

DashboardGroups::DashboardGroups(QWidget *surface, const QList<QFrame *> &subPanels)
    : QObject(surface)
    , m_surface(surface)
    , m_panels(subPanels)
{
    for (const Group &group : groups()) {
        auto *frame = new QFrame(surface);
        frame->setObjectName(QStringLiteral("grp") + QString(group.heading).remove(u' '));
        frame->setStyleSheet(QStringLiteral("#%1 { background: rgba(31, 58, 102, 10); "
                                            "border: 1px solid #a9b6c9; border-radius: 4px; }")
                                 .arg(frame->objectName()));
        auto *heading = new QLabel(group.heading, frame);
        heading->setObjectName(QStringLiteral("lblHeading"));
        heading->setStyleSheet(
            QStringLiteral("color: #1f3a66; font-weight: bold; background: transparent;"));
        heading->setGeometry(6, 1, 200, kHeadingHeight - 2);
        heading->setVisible(group.top >= kHeadingHeight);
        frame->lower();
        frame->hide();
        m_frames.append(frame);
    }
    for (QFrame *panel : m_panels) {
        auto *cover = new QFrame(surface);
        cover->setObjectName(panel->objectName() + QStringLiteral("Cover"));
        cover->setAutoFillBackground(true);
        cover->hide();
        m_covers.append(cover);
        panel->installEventFilter(this);
    }
}

QList<QWidget *> DashboardGroups::members(const Group &group) const
{
    QList<QWidget *> found;
    for (QObject *child : m_surface->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && !widget->isHidden() && group.members.contains(widget->objectName()))
            found.append(widget);
    }
    return found;
}

void DashboardGroups::place()
{
    for (qsizetype i = 0; i < groups().size(); ++i) {
        const Group &group = groups().at(i);
        QRect around;
        for (const QWidget *member : members(group))
            around |= member->geometry();
        QFrame *frame = m_frames.at(i);
        frame->setVisible(around.isValid());
        frame->setGeometry(around.adjusted(-group.left, -group.top, group.right, group.bottom));
    }
    // Tab follows the groups as they now stand: each holds the controls inside its frame.
    QList<QList<QWidget *>> controls(m_frames.size());
    for (QObject *child : m_surface->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isHidden())
            continue;
        for (qsizetype i = 0; i < m_frames.size(); ++i) {
            const QFrame *frame = m_frames.at(i);
            if (!frame->isHidden() && frame->geometry().contains(widget->geometry().center())) {
                controls[i].append(widget);
                break;
            }
        }
    }
    orderTabsByLayout(controls);
}

QFrame *DashboardGroups::frame(const QString &heading) const
{
    for (qsizetype i = 0; i < groups().size(); ++i)
        if (groups().at(i).heading == heading)
            return m_frames.at(i);
    return nullptr;
}

QRegion DashboardGroups::cover(const QRect &panel) const
{
    QRegion covered = panel;
    for (qsizetype i = 0; i < groups().size(); ++i) {
        for (const QWidget *member : members(groups().at(i))) {
            if (member->geometry().intersects(panel)) {
                covered += m_frames.at(i)->geometry();
                break;
            }
        }
    }
    // The clock face has no frame; what counts is where its figures are drawn.
    for (const QLabel *face : m_surface->findChildren<QLabel *>(QStringLiteral("lblClock"),
                                                                Qt::FindDirectChildrenOnly)) {
        const int inked = face->fontMetrics().horizontalAdvance(face->text());
        const QRect figures(face->pos(), QSize(std::min(face->width(), inked), face->height()));
        if (figures.intersects(panel))
            covered += figures;
    }
    return covered;
}

void DashboardGroups::updateCover(QFrame *panel)
{
    QFrame *backing = m_covers.at(m_panels.indexOf(panel));
    if (panel->isHidden()) {
        backing->hide();
        return;
    }
    // Exactly the panel and the groups: a bounding box would also hide the clock beside them.
    const QRegion covered = cover(panel->geometry());
    const QRect bounds = covered.boundingRect();
    backing->setGeometry(bounds);
    backing->setMask(covered.translated(-bounds.topLeft()));
    // Under every sub-panel, not just this one: two panels may be open together (the address
    // book's halves, a date picker over its list) and no cover may hide the other.
    const QObjectList order = m_surface->children();
    QFrame *lowest = panel;
    for (QFrame *other : m_panels)
        if (order.indexOf(other) < order.indexOf(lowest))
            lowest = other;
    backing->stackUnder(lowest);
    backing->show();
}

bool DashboardGroups::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ZOrderChange:
        updateCover(static_cast<QFrame *>(watched));
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
