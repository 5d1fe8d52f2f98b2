#include "widgets/TipPanel.h"

#include "common/Twips.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace {
// The tips sit just left of the panels they explain (4425 + 2790 reaches the events panel at
// 7230), so the panel is this wide and as tall as its text.
constexpr int kWidthTw = 2790;
} // namespace

TipPanel::TipPanel(QWidget *surface)
    : QObject(surface)
    , m_panel(new QFrame(surface))
    , m_label(new QLabel(m_panel))
{
    m_panel->setObjectName(QStringLiteral("picTip"));
    m_label->setObjectName(QStringLiteral("lblTip"));
    m_panel->setFrameShape(QFrame::Box);
    m_panel->setAutoFillBackground(true);
    m_panel->setStyleSheet(
        QStringLiteral("#picTip { background: #ffffe1; border: 1px solid #7a6f3a; }"
                       "#lblTip { color: #202020; }"));
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *layout = new QVBoxLayout(m_panel);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(m_label);
    m_panel->setGeometry(twips(3750), twips(4200), twips(kWidthTw), twips(1500));
    m_panel->setAccessibleName(QStringLiteral("Tip"));
    m_panel->hide();
    m_panel->installEventFilter(this);
    m_label->installEventFilter(this);
}

void TipPanel::show(const QString &text, std::optional<QPoint> twipsPosition)
{
    if (!m_tipsOn)
        return;
    if (twipsPosition)
        m_panel->move(twips(twipsPosition->x()), twips(twipsPosition->y()));
    setText(text);
    m_panel->show();
    m_panel->raise();
}

void TipPanel::setText(const QString &text)
{
    m_label->setText(text);
    fitToText();
}

void TipPanel::fitToText()
{
    const int width = twips(kWidthTw);
    m_panel->resize(width, m_panel->layout()->totalHeightForWidth(width));
}

void TipPanel::hide()
{
    if (m_tipsOn)
        m_panel->hide();
}

void TipPanel::onClick()
{
    m_panel->hide();
}

bool TipPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && (watched == m_panel || watched == m_label))
        onClick();
    return QObject::eventFilter(watched, event);
}
