#include "widgets/HintList.h"

#include <QPainter>

HintList::HintList(const QString &hint, QWidget *parent)
    : QListWidget(parent)
    , m_hint(hint)
{
}

void HintList::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    if (count() > 0 || m_hint.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(viewport()->rect().adjusted(4, 4, -4, -4),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_hint);
}
