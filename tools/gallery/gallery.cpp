// Gallery of the styled button: every style in every state, for looking at (not installed).
//   orvane_gallery [--save FILE.png]
#include "widgets/LumoButton.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

// Holds its hover while the gallery is on screen, whatever the real pointer does.
class ShownButton : public LumoButton
{
public:
    using LumoButton::LumoButton;
    bool pointerStaysOver = false;

protected:
    void leaveEvent(QEvent *event) override
    {
        if (!pointerStaysOver)
            LumoButton::leaveEvent(event);
    }
};

QPixmap samplePicture()
{
    QPixmap pix(32, 32);
    pix.fill(Qt::black); // the default mask colour: drawn transparent
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xf0, 0xb4, 0x3c));
    p.setPen(QPen(QColor(0x5a, 0x3b, 0x08), 2));
    p.drawEllipse(QRect(3, 3, 26, 26));
    p.setPen(QPen(QColor(0x1f, 0x2a, 0x44), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(16, 16, 16, 8);
    p.drawLine(16, 16, 22, 19);
    return pix;
}

void hover(ShownButton *b)
{
    b->pointerStaysOver = true;
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(b, &move);
}

void press(ShownButton *b)
{
    hover(b);
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)),
                     Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(b, &down);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Styled button gallery"));
    auto *grid = new QGridLayout(&window);
    const QStringList states{"normal", "hover", "pressed", "disabled", "focused", "picture"};
    for (int c = 0; c < states.size(); ++c)
        grid->addWidget(new QLabel(states[c]), 0, c + 1, Qt::AlignCenter);
    struct Row
    {
        const char *name;
        int style;
        int bevel;
        bool border;
    };
    const Row rows[]
        = {{"0 raised", 0, 1, false}, {"0 bevel 6", 0, 6, false},  {"1 flat", 1, 1, false},
           {"2 xp", 2, 1, false},     {"2 xp border", 2, 1, true}, {"3 rounded", 3, 1, false},
           {"4 plain", 4, 1, false}};
    QList<ShownButton *> toFocus;
    for (int r = 0; r < int(std::size(rows)); ++r) {
        grid->addWidget(new QLabel(QString::fromLatin1(rows[r].name)), r + 1, 0);
        for (int c = 0; c < states.size(); ++c) {
            auto *b = new ShownButton(QStringLiteral("&Set Alarm"), &window);
            b->setButtonStyle(rows[r].style);
            b->setBevel(rows[r].bevel);
            b->setBevelDepth(3);
            b->setXpShowBorderAlways(rows[r].border);
            b->setFixedSize(c == 5 ? 130 : 100, c == 5 ? 44 : 30);
            if (c == 5)
                b->setPicture(samplePicture());
            grid->addWidget(b, r + 1, c + 1);
            if (c == 3)
                b->setEnabled(false);
            if (c == 4)
                toFocus << b;
            QTimer::singleShot(0, b, [b, c] {
                if (c == 1 || c == 5)
                    hover(b);
                else if (c == 2)
                    press(b);
            });
        }
    }
    window.show();
    // Only one widget can hold the focus; the focused column draws its rectangle by hand.
    QTimer::singleShot(0, &window, [&toFocus] {
        for (ShownButton *b : toFocus) {
            QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(b, &in);
        }
    });
    const int save = QApplication::arguments().indexOf(QStringLiteral("--save"));
    if (save > 0 && save + 1 < argc) {
        QTimer::singleShot(300, &window, [&window, save] {
            window.grab().save(QApplication::arguments().at(save + 1));
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
