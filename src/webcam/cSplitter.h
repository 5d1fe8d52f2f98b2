#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Drags a thin bar across its parent: captures the mouse, follows the pointer within the
// parent less the border, and reports the end of the drag. Positions are in twips; the
// window feeds it the mouse events of the bar and of the parent.
class cSplitter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~cSplitter() override;

    int Orientation() const { return m_orientation; }
    void setOrientation(int orientation);
    int BorderSize() const { return m_borderSize; }
    void setBorderSize(int size) { m_borderSize = size; }
    bool splitting() const { return m_splitting; }

    void Initialise(QWidget *picSplitter, QWidget *frmParent);
    // Pos: across the bar, inside it.
    void MouseDown(double Pos);
    // Positions in the parent.
    void MouseMove(int position);
    bool MouseUp(int position);

Q_SIGNALS:
    void DoSplit(bool &bSplit);
    void SplitComplete();

private:
    bool horizontal() const { return m_orientation == 1; }
    int limit() const;
    void setScreenCursor(Qt::CursorShape shape);
    void moveBar(int edge);

    QPointer<QWidget> m_bar, m_parent;
    bool m_splitting = false;
    bool m_cursorSet = false;
    int m_grabOffset = 0;
    int m_borderSize = 0;
    int m_orientation = 2;
};
