#include "webcam/cSplitter.h"

#include "common/Twips.h"

#include <QApplication>
#include <QFrame>
#include <QWidget>

#include <algorithm>
#include <cmath>

cSplitter::~cSplitter()
{
    if (m_cursorSet)
        QApplication::restoreOverrideCursor();
}

void cSplitter::setOrientation(int orientation)
{
    m_orientation = orientation;
    if (m_bar)
        m_bar->setCursor(horizontal() ? Qt::SizeVerCursor : Qt::SizeHorCursor);
}

void cSplitter::Initialise(QWidget *picSplitter, QWidget *frmParent)
{
    m_bar = picSplitter;
    m_parent = frmParent;
    if (auto *frame = qobject_cast<QFrame *>(m_bar.data()))
        frame->setFrameShape(QFrame::NoFrame);
    m_bar->lower();
    m_bar->setCursor(Qt::SizeHorCursor);
    m_bar->setAutoFillBackground(true);
    m_bar->show();
}

void cSplitter::MouseDown(double Pos)
{
    bool split = true;
    Q_EMIT DoSplit(split);
    if (!split || !m_bar || !m_parent)
        return;
    m_splitting = true;
    m_grabOffset = int(std::lround(Pos));
    m_bar->setBackgroundRole(QPalette::Dark);
    m_bar->raise();
    if (auto *frame = qobject_cast<QFrame *>(m_bar.data()))
        frame->setFrameShape(QFrame::Box);
    if (horizontal())
        m_bar->resize(m_bar->width(), 4);
    else
        m_bar->resize(4, m_bar->height());
    m_parent->grabMouse();
}

int cSplitter::limit() const
{
    return toTwips(horizontal() ? m_parent->height() : m_parent->width());
}

void cSplitter::setScreenCursor(Qt::CursorShape shape)
{
    if (m_cursorSet) {
        QApplication::changeOverrideCursor(shape);
    } else {
        QApplication::setOverrideCursor(shape);
        m_cursorSet = true;
    }
}

void cSplitter::moveBar(int edge)
{
    if (horizontal())
        m_bar->move(m_bar->x(), twips(edge));
    else
        m_bar->move(twips(edge), m_bar->y());
}

void cSplitter::MouseMove(int position)
{
    if (!m_splitting || !m_bar || !m_parent)
        return;
    if (position > m_borderSize && position < limit() - m_borderSize) {
        setScreenCursor(horizontal() ? Qt::SizeVerCursor : Qt::SizeHorCursor);
        moveBar(position);
    } else {
        setScreenCursor(Qt::ForbiddenCursor);
    }
}

bool cSplitter::MouseUp(int position)
{
    if (!m_splitting || !m_bar || !m_parent)
        return false;
    m_parent->releaseMouse();
    m_bar->setBackgroundRole(QPalette::Button);
    if (auto *frame = qobject_cast<QFrame *>(m_bar.data()))
        frame->setFrameShape(QFrame::NoFrame);
    const int clamped = std::max(m_borderSize, std::min(position, limit() - m_borderSize));
    moveBar(clamped - m_grabOffset);
    m_bar->lower();
    m_splitting = false;
    if (m_cursorSet) {
        QApplication::restoreOverrideCursor();
        m_cursorSet = false;
    }
    Q_EMIT SplitComplete();
    return true;
}
