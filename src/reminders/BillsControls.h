#pragma once

#include <array>

class LumoButton;
class QCalendarWidget;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;
struct Services;

// The bills' widgets on the dashboard surface, by their control names: the calendar, status
// label and "View All Bills" on the surface; the list, boxes, choices and buttons in the
// bills panel (PicBMBills); the notify calendar in its pop-up (PicBM). Both panel frames are
// made by the dashboard; this fills them.
struct BillsControls
{
    QCalendarWidget *MonthViewBM = nullptr;
    QLabel *lblNoBills = nullptr;
    LumoButton *cmdViewAllBills = nullptr;

    QFrame *PicBMBills = nullptr;
    QListWidget *lstBillMinder = nullptr;
    QLineEdit *txtBMPayee = nullptr;
    QLineEdit *txtBMAmount = nullptr;
    QLineEdit *txtBMDueDate = nullptr;
    QLineEdit *txtBMNDate = nullptr;
    std::array<QRadioButton *, 2> optEveryMonth{}; // 0 YES, 1 NO
    LumoButton *cmdAddNewBill = nullptr;
    LumoButton *cmdEditBill = nullptr;
    LumoButton *cmdSaveBill = nullptr;
    LumoButton *cmdDeleteBill = nullptr;
    LumoButton *cmdBMCancel = nullptr;
    LumoButton *cmdBMClose = nullptr;

    QFrame *PicBM = nullptr;
    QCalendarWidget *MonthViewBM2 = nullptr;
    LumoButton *cmdBMSetDate = nullptr;

    static BillsControls build(QWidget *surface, Services &services);
};
