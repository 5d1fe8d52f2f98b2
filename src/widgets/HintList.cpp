#include "widgets/HintList.h"

#include <QPainter>

void paintEmptyHint(QAbstractItemView *list, const QString &hint)
{
    if (hint.isEmpty() || (list->model() && list->model()->rowCount(list->rootIndex()) > 0))
        return;
    QPainter painter(list->viewport());
    painter.setPen(list->palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(list->viewport()->rect().adjusted(4, 4, -4, -4),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, hint);
}

HintList::HintList(const QString &hint, QWidget *parent)
    : QListWidget(parent)
    , m_hint(hint)
{
}

void HintList::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    paintEmptyHint(this, m_hint);
}

HintListView::HintListView(const QString &hint, QWidget *parent)
    : QListView(parent)
    , m_hint(hint)
{
}

void HintListView::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    paintEmptyHint(this, m_hint);
}
