#include "webcam/frmAddModify.h"

#include "platform/AppFolder.h"
#include "platform/Prompter.h"
#include "platform/Services.h"
#include "webcam/CamList.h"
#include "webcam/WebcamTexts.h"
#include "widgets/LumoButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

// The buttons count a release only inside their 80 x 25 face.
bool insideButton(int x, int y)
{
    return x > 0 && x < 80 && y > 0 && y < 25;
}

} // namespace

frmAddModify::frmAddModify(Services &services, cInifile &favorites, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_favorites(favorites)
{
    setObjectName(QStringLiteral("frmAddModify"));
    setFixedSize(380, 150);
    auto label = [this](const QString &text, int x, int y) {
        auto *l = new QLabel(text, this);
        l->move(x, y);
        return l;
    };
    QLabel *titleLabel = label(QStringLiteral("Cam Title:"), 12, 14);
    m_txtTitle = new QLineEdit(this);
    titleLabel->setBuddy(m_txtTitle); // a screen reader names the box by its label
    m_txtTitle->setObjectName(QStringLiteral("txtTitle"));
    m_txtTitle->setGeometry(100, 10, 268, 22);
    QLabel *locationLabel = label(QStringLiteral("Cam Location:"), 12, 44);
    m_txtLocation = new QLineEdit(this);
    locationLabel->setBuddy(m_txtLocation);
    m_txtLocation->setObjectName(QStringLiteral("txtLocation"));
    m_txtLocation->setGeometry(100, 40, 268, 22);
    m_chkRate = new QCheckBox(QStringLiteral("&Refresh Rate"), this);
    m_chkRate->setObjectName(QStringLiteral("chkRate"));
    m_chkRate->setGeometry(12, 72, 100, 22);
    m_cboRate = new QComboBox(this);
    m_cboRate->setObjectName(QStringLiteral("cboRate"));
    m_cboRate->setEditable(true);
    m_cboRate->addItems({QStringLiteral("60"), QStringLiteral("50"), QStringLiteral("40"),
                         QStringLiteral("30"), QStringLiteral("20"), QStringLiteral("10")});
    m_cboRate->setGeometry(118, 72, 70, 22);
    m_cboRate->setEditText(QStringLiteral("60"));
    m_lblSeconds = label(QStringLiteral("Seconds"), 196, 76);
    m_lblSeconds->setObjectName(QStringLiteral("lblSeconds"));
    m_cmdApply = new LumoButton(QStringLiteral("&Apply"), this, &services.sound,
                                services.appFolder.root());
    m_cmdApply->setObjectName(QStringLiteral("cmdApply"));
    m_cmdApply->setGeometry(196, 112, 80, 25);
    m_cmdCancel = new LumoButton(QStringLiteral("&Cancel"), this, &services.sound,
                                 services.appFolder.root());
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cmdCancel->setGeometry(288, 112, 80, 25);

    connect(m_chkRate, &QCheckBox::clicked, this, &frmAddModify::onChkRateClick);
    connect(m_cmdApply, &LumoButton::MouseUp, this, &frmAddModify::onCmdApplyMouseUp);
    connect(m_cmdCancel, &LumoButton::MouseUp, this, &frmAddModify::onCmdCancelMouseUp);
    for (QWidget *box : {static_cast<QWidget *>(m_txtTitle), static_cast<QWidget *>(m_txtLocation),
                         static_cast<QWidget *>(m_cboRate->lineEdit())})
        box->installEventFilter(this);
}

void frmAddModify::start()
{
    if (!ModifyMode) {
        setWindowTitle(QStringLiteral("Add Cam"));
        m_txtTitle->setText(QStringLiteral("Untitled Cam"));
        m_txtLocation->setText(QStringLiteral("http://"));
        m_chkRate->setChecked(true);
        m_cboRate->setEditText(QStringLiteral("60"));
    } else {
        setWindowTitle(QStringLiteral("Modify Cam"));
        m_txtTitle->setText(camTitle);
        m_txtLocation->setText(camLocal);
        const bool none = camRate == QLatin1String("x");
        m_chkRate->setChecked(!none);
        m_cboRate->setEditText(none ? QStringLiteral("60") : camRate);
        if (none)
            return; // the boxes keep their design look until the box is clicked
    }
    onChkRateClick();
}

void frmAddModify::onChkRateClick()
{
    const bool on = m_chkRate->isChecked();
    m_cboRate->setEnabled(on);
    m_lblSeconds->setEnabled(on);
}

void frmAddModify::onCmdApplyMouseUp(int, int, int x, int y)
{
    if (!insideButton(x, y))
        return;
    CamList::Edit edit;
    edit.modifyMode = ModifyMode;
    edit.oldTitle = camTitle;
    edit.title = m_txtTitle->text();
    edit.address = m_txtLocation->text();
    edit.rateText = m_cboRate->currentText();
    edit.rateTicked = m_chkRate->isChecked();
    const auto askReplace = [this] {
        return m_services.prompter.ask({WebcamTexts::kReplaceCam, kApplicationTitle,
                                        Prompter::Icon::None, Prompter::Buttons::YesNo})
            == Prompter::Answer::Yes;
    };
    switch (CamList::apply(m_favorites, edit, askReplace)) {
    case CamList::Applied::BadRate:
        m_services.prompter.tell(WebcamTexts::kBadRate, kApplicationTitle, Prompter::Icon::None);
        return;
    case CamList::Applied::AddressTooLong:
        m_services.prompter.tell(WebcamTexts::kAddressTooLong, kApplicationTitle,
                                 Prompter::Icon::Warning);
        return;
    case CamList::Applied::Declined:
        return;
    case CamList::Applied::Written:
        m_applied = true;
        accept();
        return;
    }
}

void frmAddModify::onCmdCancelMouseUp(int, int, int x, int y)
{
    if (insideButton(x, y))
        reject();
}

bool frmAddModify::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, edit, &QLineEdit::selectAll); // after the click placed the caret
    }
    return QDialog::eventFilter(watched, event);
}
