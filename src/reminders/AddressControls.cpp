#include "reminders/AddressControls.h"

#include "common/Twips.h"
#include "reminders/AddressFields.h"
#include "reminders/AddressNameList.h"
#include "reminders/LimitedTextEdit.h"
#include "widgets/HintList.h"
#include "widgets/LumoButton.h"
#include "widgets/SmallControls.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

// Where each box sits on its page, in pixels: a caption, then the box.
struct BoxPlace
{
    const char *caption;
    int page; // 1 or 2
    int labelLeft, top, boxLeft, boxWidth, boxHeight;
};

constexpr int Row = 25, BoxHeight = 22;
// First page: two columns. Second page: the boxes right of the buttons, so the tip shown
// by "View Address Book" never covers a button.
constexpr int Left = 8, LeftBox = 96, RightLabel = 248, RightBox = 330;
constexpr int Label2 = 196, Box2 = 276;

// In the order of addressFields().
const BoxPlace kPlaces[] = {
    {"First Name:", 1, Left, 8 + 0 * Row, LeftBox, 140, BoxHeight},
    {"Last Name:", 1, Left, 8 + 1 * Row, LeftBox, 140, BoxHeight},
    {"Home Phone:", 1, Left, 8 + 2 * Row, LeftBox, 140, BoxHeight},
    {"Address:", 1, Left, 8 + 3 * Row, LeftBox, 140, BoxHeight},
    {"Address 2:", 1, Left, 8 + 4 * Row, LeftBox, 140, BoxHeight},
    {"City:", 1, Left, 8 + 5 * Row, LeftBox, 140, BoxHeight},
    {"State:", 1, Left, 8 + 6 * Row, LeftBox, 140, BoxHeight},
    {"Country:", 1, RightLabel, 8 + 0 * Row, RightBox, 142, BoxHeight},
    {"Zip:", 1, RightLabel, 8 + 1 * Row, RightBox, 142, BoxHeight},
    {"Bus. Phone:", 2, Label2, 8 + 1 * Row, Box2, 100, BoxHeight},
    {"Ext:", 2, 380, 8 + 1 * Row, 404, 68, BoxHeight},
    {"FAX:", 2, Label2, 8 + 2 * Row, Box2, 196, BoxHeight},
    {"Email:", 1, RightLabel, 8 + 2 * Row, RightBox, 142, BoxHeight},
    {"Website:", 1, RightLabel, 8 + 3 * Row, RightBox, 142, BoxHeight},
    {"Business:", 2, Label2, 8 + 0 * Row, Box2, 196, BoxHeight},
    {"Birthday:", 1, RightLabel, 8 + 4 * Row, RightBox, 142, BoxHeight},
    {"Anniversary:", 1, RightLabel, 8 + 5 * Row, RightBox, 142, BoxHeight},
    {"Comments:", 2, Label2, 8 + 3 * Row, Box2, 196, 92},
};

// The dashboard makes the two frames; a bare surface (a panel under test on its own) gets
// frames of the same name and size here.
QFrame *page(QWidget *surface, const QString &name)
{
    if (auto *frame = surface->findChild<QFrame *>(name))
        return frame;
    auto *frame = new QFrame(surface);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setAutoFillBackground(true);
    frame->resize(twips(7200), twips(2760));
    frame->hide();
    return frame;
}

QWidget *makeBox(const AddressField &field, const BoxPlace &place, QWidget *parent)
{
    QWidget *box;
    if (field.field == QLatin1String("Comments")) {
        box = new LimitedTextEdit(field.limit, parent);
    } else {
        auto *line = new QLineEdit(parent);
        line->setMaxLength(field.limit);
        box = line;
    }
    box->setObjectName(field.box);
    box->setGeometry(place.boxLeft, place.top, place.boxWidth, place.boxHeight);
    auto *label = new QLabel(QString::fromLatin1(place.caption), parent);
    label->setObjectName(QStringLiteral("lbl") + field.box.mid(3));
    label->setGeometry(place.labelLeft, place.top, place.boxLeft - place.labelLeft - 4, BoxHeight);
    label->setBuddy(box);
    box->setAccessibleName(label->text().chopped(1));
    return box;
}

LumoButton *makeButton(const char *caption, const char *name, QWidget *parent, Services &services,
                       QRect geometry)
{
    auto *button = smallButton(QString::fromLatin1(caption), name, parent, services);
    button->setGeometry(geometry);
    return button;
}

} // namespace

AddressControls AddressControls::build(QWidget *surface, Services &services)
{
    AddressControls c;
    // On the dashboard, right of the music lists, clear of the two pages it opens.
    c.view = makeButton("View Address Book", "cmdViewAddress", surface, services,
                        {twips(8880), twips(4500), kViewButtonWidth, kViewButtonHeight});
    QFont smaller = c.view->font();
    smaller.setPointSizeF(6.75); // the whole caption on one line of this narrow button
    c.view->setFont(smaller);
    c.search = new QLineEdit(surface);
    c.search->setObjectName(QStringLiteral("txtSearch"));
    c.search->setAccessibleName(QStringLiteral("Search last names"));
    c.search->setPlaceholderText(QStringLiteral("Last name search"));
    c.search->setGeometry(twips(8880), twips(4920), twips(2340), twips(315));
    // Names read as they come into view: a book of 100,000 is listed in one go, without an
    // object per entry to make and free at every keystroke.
    c.names = new AddressNameList(surface);
    c.list = new HintListView(QStringLiteral("No Addresses Found"), surface);
    c.list->setObjectName(QStringLiteral("lstAddress"));
    c.list->setAccessibleName(QStringLiteral("Contacts"));
    c.list->setModel(c.names);
    c.list->setSelectionMode(QAbstractItemView::SingleSelection);
    c.list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c.list->setUniformItemSizes(true);
    c.list->setGeometry(twips(8880), twips(5280), twips(2340), twips(2160));

    c.page1 = page(surface, QStringLiteral("PicAddress1"));
    c.page2 = page(surface, QStringLiteral("picAddress2"));
    const QList<AddressField> &fields = addressFields();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const BoxPlace &place = kPlaces[i];
        c.boxes << makeBox(fields[i], place, place.page == 1 ? c.page1 : c.page2);
    }

    // Two columns of three, left on the second page.
    const auto at = [](int column, int row) {
        return QRect(10 + column * 90, 12 + row * 36, kPageButtonWidth, kPageButtonHeight);
    };
    c.add = makeButton("Add Address", "cmdAddAddress", c.page2, services, at(0, 0));
    c.edit = makeButton("Edit Address", "cmdEditAddress", c.page2, services, at(1, 0));
    c.save = makeButton("Save Address", "cmdSaveAddress", c.page2, services, at(0, 1));
    c.remove = makeButton("Delete Address", "cmdDeleteAddress", c.page2, services, at(1, 1));
    c.cancel = makeButton("Cancel", "cmdCancelAddress", c.page2, services, at(0, 2));
    c.close = makeButton("Close", "cmdCloseAddress", c.page2, services, at(1, 2));
    return c;
}
