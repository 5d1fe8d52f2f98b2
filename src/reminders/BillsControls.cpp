#include "reminders/BillsControls.h"

#include "common/Twips.h"
#include "widgets/HintList.h"
#include "widgets/LumoButton.h"
#include "widgets/SmallControls.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

namespace {

// The panel buttons all take the same 80 by 25 area, which their release rule uses.
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 25;

QFrame *frame(QWidget *surface, const char *name)
{
    auto *found = surface->findChild<QFrame *>(QString::fromLatin1(name));
    if (!found) { // a surface without the dashboard's frames (a panel on its own)
        found = new QFrame(surface);
        found->setObjectName(QString::fromLatin1(name));
        found->setFrameShape(QFrame::Panel);
        found->setAutoFillBackground(true);
        found->hide();
    }
    return found;
}

QCalendarWidget *calendar(QWidget *parent, const char *name, QRect place)
{
    auto *c = namedCalendar(parent, name);
    c->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    c->setGridVisible(false);
    c->setGeometry(place);
    return c;
}

QLineEdit *box(QWidget *parent, const char *name, const QString &accessible, QRect place)
{
    auto *b = new QLineEdit(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(accessible);
    b->setGeometry(place);
    b->setReadOnly(true);
    return b;
}

LumoButton *button(QWidget *parent, Services &services, const char *name, const QString &caption,
                   QPoint at)
{
    auto *b = smallButton(caption, name, parent, services);
    b->setGeometry(at.x(), at.y(), kButtonWidth, kButtonHeight);
    return b;
}

} // namespace

BillsControls BillsControls::build(QWidget *surface, Services &services)
{
    BillsControls c;
    // On the surface, in the middle band between the clock and the music player.
    c.MonthViewBM = calendar(surface, "MonthViewBM",
                             QRect(twips(4320), twips(1740), twips(3480), twips(2640)));
    c.MonthViewBM->setToolTip(QStringLiteral("Select a date to see the bills due that day"));
    c.lblNoBills = placedLabel(QStringLiteral("No Bills Due"), surface,
                               QRect(twips(4320), twips(4440), twips(1860), twips(285)));
    c.lblNoBills->setObjectName(QStringLiteral("lblNoBills"));
    // Raised like the dashboard's other buttons, so it does not read as a label.
    c.cmdViewAllBills
        = smallButton(QStringLiteral("View All Bills"), "cmdViewAllBills", surface, services);
    c.cmdViewAllBills->setGeometry(twips(7800) - 128, twips(4425), 128, 21);

    // The bills panel: the boxes on the left, the notify box first so it stays in sight while
    // the notify calendar is up over the panel's lower left; the list on the right, clear of
    // the list hint.
    QFrame *bills = c.PicBMBills = frame(surface, "PicBMBills");
    const int col = 8, colWidth = 168;
    placedLabel(QStringLiteral("Notify Date:"), bills, QRect(col, 4, colWidth, 16));
    c.txtBMNDate
        = box(bills, "txtBMNDate", QStringLiteral("Notify Date"), QRect(col, 20, colWidth, 20));
    c.txtBMNDate->setMaxLength(10);
    c.txtBMNDate->setToolTip(QStringLiteral("Select a DATE you want to be notified on"));
    placedLabel(QStringLiteral("Due Date:"), bills, QRect(col, 44, colWidth, 16));
    c.txtBMDueDate
        = box(bills, "txtBMDueDate", QStringLiteral("Due Date"), QRect(col, 60, colWidth, 20));
    c.txtBMDueDate->setMaxLength(10);
    placedLabel(QStringLiteral("Pay Bill To:"), bills, QRect(col, 84, colWidth, 16));
    c.txtBMPayee
        = box(bills, "txtBMPayee", QStringLiteral("Pay Bill To"), QRect(col, 100, colWidth, 20));
    placedLabel(QStringLiteral("Amount:"), bills, QRect(col, 124, colWidth, 16));
    c.txtBMAmount
        = box(bills, "txtBMAmount", QStringLiteral("Amount"), QRect(col, 140, colWidth, 20));
    c.lstBillMinder = new HintList(QStringLiteral("No Records Found"), bills);
    c.lstBillMinder->setObjectName(QStringLiteral("lstBillMinder"));
    c.lstBillMinder->setAccessibleName(QStringLiteral("Bills"));
    c.lstBillMinder->setToolTip(QStringLiteral("Click here to display the bill"));
    c.lstBillMinder->setGeometry(184, 8, 128, 152);

    placedLabel(QStringLiteral("Notify on this day every month?"), bills, QRect(col, 166, 196, 18));
    // The two choices in a box of their own, so they exclude only each other.
    auto *choices = new QWidget(bills);
    choices->setGeometry(206, 164, 106, 22);
    const QString captions[2] = {QStringLiteral("YES"), QStringLiteral("NO")};
    for (int index = 0; index < 2; ++index) {
        auto *option = new QRadioButton(captions[index], choices);
        option->setObjectName(QStringLiteral("optEveryMonth"));
        option->setProperty("index", index);
        option->setAccessibleName(captions[index] + QStringLiteral(", notify every month"));
        option->setGeometry(index * 54, 0, 52, 22);
        option->setEnabled(false);
        c.optEveryMonth[index] = option;
    }

    c.cmdAddNewBill
        = button(bills, services, "cmdAddNewBill", QStringLiteral("Add New Bill"), {8, 190});
    c.cmdEditBill = button(bills, services, "cmdEditBill", QStringLiteral("Edit Bill"), {120, 190});
    c.cmdSaveBill = button(bills, services, "cmdSaveBill", QStringLiteral("Save Bill"), {232, 190});
    c.cmdDeleteBill
        = button(bills, services, "cmdDeleteBill", QStringLiteral("Delete Bill"), {8, 218});
    c.cmdBMCancel = button(bills, services, "cmdBMCancel", QStringLiteral("Cancel"), {120, 218});
    c.cmdBMClose = button(bills, services, "cmdBMClose", QStringLiteral("Close"), {232, 218});

    // The notify calendar pop-up.
    QFrame *pop = c.PicBM = frame(surface, "PicBM");
    c.MonthViewBM2 = calendar(pop, "MonthViewBM2",
                              QRect(4, 4, pop->width() - 8, pop->height() - 8 - kButtonHeight - 6));
    c.cmdBMSetDate
        = button(pop, services, "cmdBMSetDate", QStringLiteral("Set Date"),
                 {(pop->width() - kButtonWidth) / 2, pop->height() - 4 - kButtonHeight - 2});
    return c;
}
