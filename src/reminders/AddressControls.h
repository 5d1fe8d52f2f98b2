#pragma once

#include <QList>

class LumoButton;
class QFrame;
class QLineEdit;
class QListView;
class AddressNameList;
class QWidget;
struct Services;

// The address book's controls: the search box, the last-name list and "View Address Book"
// on the dashboard, and the eighteen boxes and six buttons on the two address pages (the
// dashboard's frames "PicAddress1" and "picAddress2").
struct AddressControls
{
    QLineEdit *search = nullptr;      // txtSearch
    QListView *list = nullptr;        // lstAddress
    AddressNameList *names = nullptr; // what lstAddress shows
    LumoButton *view = nullptr;       // "View Address Book"
    QFrame *page1 = nullptr;
    QFrame *page2 = nullptr;
    QList<QWidget *> boxes;       // in the order of addressFields()
    LumoButton *add = nullptr;    // "Add Address"
    LumoButton *edit = nullptr;   // "Edit Address"
    LumoButton *save = nullptr;   // "Save Address"
    LumoButton *remove = nullptr; // "Delete Address"
    LumoButton *cancel = nullptr; // "Cancel"
    LumoButton *close = nullptr;  // "Close"

    static AddressControls build(QWidget *surface, Services &services);
};

// Page buttons: act on a release inside (0, 0)-(84, 26); "View Address Book": (0, 0)-(101, 22).
inline constexpr int kPageButtonWidth = 84, kPageButtonHeight = 26;
inline constexpr int kViewButtonWidth = 101, kViewButtonHeight = 22;
