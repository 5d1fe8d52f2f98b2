#include "platform/QtPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace {

struct Shown
{
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat format = Qt::AutoText;
    QWidget *parent = nullptr;
    QRect frame;
    bool onTop = false;
    Prompter::Answer answer = Prompter::Answer::Ok;
};

// Asks, and answers the box from inside its modal loop; a box that cannot be found is still
// closed so the test fails rather than hangs.
Shown askAndAnswer(QtPrompter &prompter, const Prompter::Message &message,
                   const std::function<void(QMessageBox &)> &answer)
{
    Shown shown;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no message box was shown";
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
            return;
        }
        shown = {box->text(),          box->windowTitle(),
                 box->icon(),          box->standardButtons(),
                 box->textFormat(),    box->parentWidget(),
                 box->frameGeometry(), box->windowFlags().testFlag(Qt::WindowStaysOnTopHint)};
        answer(*box);
    });
    const Prompter::Answer answered = prompter.ask(message);
    shown.answer = answered;
    return shown;
}

void pressEscape(QMessageBox &box)
{
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&box, &escape);
}

} // namespace

TEST(QtPrompter, ShowsTheTextTitleIconAndButtonsAsGiven)
{
    QWidget window;
    QtPrompter prompter;
    prompter.setParent(&window);
    const QString text = QStringLiteral("Delete <b>Bills</b> & co?\nSure?");
    const Shown shown = askAndAnswer(
        prompter,
        {text, QStringLiteral("Bills"), Prompter::Icon::Warning, Prompter::Buttons::YesNoCancel},
        [](QMessageBox &box) { box.button(QMessageBox::No)->click(); });

    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.format, Qt::PlainText);
    EXPECT_EQ(shown.title, QStringLiteral("Bills"));
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_EQ(shown.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(shown.parent, &window);
    EXPECT_EQ(shown.answer, Prompter::Answer::No);
}

// Centred over the dashboard when it shows, on the screen before it does, and never narrower
// than its title.
TEST(QtPrompter, BoxesSitCentredAndFitTheirTitle)
{
    QWidget window;
    window.setGeometry(40, 60, 500, 400);
    QtPrompter prompter(&window);
    const QString title = QStringLiteral("Orvane Critical: a title far longer than its text");
    const auto ok = [](QMessageBox &box) {
        box.button(QMessageBox::Ok)->click();
    };

    const Shown early = askAndAnswer(prompter, {"x", title, Prompter::Icon::None}, ok);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((early.frame.center() - screen.center()).manhattanLength(), 2);
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_GT(early.frame.width(), QFontMetrics(bold).horizontalAdvance(title));
    EXPECT_TRUE(early.onTop); // in front of the start-up picture, which stays on top

    window.show();
    const Shown later = askAndAnswer(prompter, {"x", "Bills", Prompter::Icon::None}, ok);
    EXPECT_LE((later.frame.center() - window.frameGeometry().center()).manhattanLength(), 2);
    EXPECT_FALSE(later.onTop);
}

TEST(QtPrompter, EscapeAndTheCloseBoxGiveCancelElseNoElseOk)
{
    struct Case
    {
        Prompter::Buttons buttons;
        Prompter::Icon icon;
        QMessageBox::Icon shownIcon;
        Prompter::Answer expected;
    };
    const Case cases[] = {
        {Prompter::Buttons::Ok, Prompter::Icon::None, QMessageBox::NoIcon, Prompter::Answer::Ok},
        {Prompter::Buttons::OkCancel, Prompter::Icon::Critical, QMessageBox::Critical,
         Prompter::Answer::Cancel},
        {Prompter::Buttons::YesNo, Prompter::Icon::Question, QMessageBox::Question,
         Prompter::Answer::No},
        {Prompter::Buttons::YesNoCancel, Prompter::Icon::Information, QMessageBox::Information,
         Prompter::Answer::Cancel},
    };
    QtPrompter prompter;
    for (const Case &c : cases) {
        const Prompter::Message message{QStringLiteral("?"), QString(), c.icon, c.buttons};
        const Shown escaped = askAndAnswer(prompter, message, pressEscape);
        EXPECT_EQ(escaped.title, QStringLiteral("Orvane"));
        EXPECT_EQ(escaped.icon, c.shownIcon);
        EXPECT_EQ(escaped.answer, c.expected) << "escape, buttons " << int(c.buttons);

        const Shown closed = askAndAnswer(prompter, message, [](QMessageBox &box) { box.close(); });
        EXPECT_EQ(closed.answer, c.expected) << "close box, buttons " << int(c.buttons);
    }
}

TEST(QtPrompter, DismissClosesTheOpenBoxAndAnswersLaterOnesWithoutABox)
{
    QtPrompter prompter;
    const Prompter::Message question{"Delete it?", "Delete", Prompter::Icon::Question,
                                     Prompter::Buttons::YesNo};
    const Shown shown = askAndAnswer(prompter, question, [&](QMessageBox &) {
        prompter.dismiss(); // as a termination request does while the box is open
    });
    EXPECT_EQ(shown.text, "Delete it?");
    EXPECT_EQ(shown.answer, Prompter::Answer::No);

    bool boxShown = false;
    QTimer::singleShot(0, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            boxShown = true;
            modal->close();
        }
    });
    EXPECT_EQ(prompter.ask({"Save?", {}, Prompter::Icon::Question, Prompter::Buttons::YesNoCancel}),
              Prompter::Answer::Cancel);
    EXPECT_FALSE(boxShown);
    QApplication::processEvents(); // the check above runs, finding no box
}
