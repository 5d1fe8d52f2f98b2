#include "netutil/MailPanel.h"
#include "netutil/MailPassword.h"
#include "netutil/MailSetupDialog.h"
#include "netutil/PostilLoader.h"

#include "common/NamedTimer.h"
#include "common/TextValues.h"
#include "contracts/PostilFactory.h"
#include "platform/AppFolder.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "widgets/LumoButton.h"
#include "widgets/OfflineQuestion.h"
#include "widgets/ReleaseRule.h"

#include "widgets/ValueLabel.h"
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

namespace {

const QString kSettings = QStringLiteral("Settings");
const QString kMailDisabled = QStringLiteral("Mail Disabled");
const QString kCrLf = QStringLiteral("\r\n");
// The activity boxes keep their newest lines; a week of checks fits many times over.
constexpr qsizetype kMaxActivity = 64 * 1024;

// The panel's place: the band right of the status line, left of the weather, in pixels.
constexpr int kMailLeft = 392, kMailTop = 505;

// New lines go on top of the box; the oldest fall off its end. Nothing else is redrawn.
void insertNewest(QPlainTextEdit *box, const QString &added)
{
    if (added.isEmpty())
        return;
    QTextDocument *document = box->document();
    // A reader at the top sees the newest line, as before; one who scrolled down stays put.
    QScrollBar *scroll = box->verticalScrollBar();
    const bool atTop = scroll->value() == scroll->minimum();
    QTextCursor top(document);
    top.insertText(QString(added).replace(kCrLf, QStringLiteral("\n")));
    const int excess = document->characterCount() - int(kMaxActivity);
    if (excess > 0) {
        QTextCursor cut(document);
        cut.setPosition(document->characterCount() - 1 - excess);
        cut.movePosition(QTextCursor::StartOfBlock);
        cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cut.removeSelectedText();
    }
    if (atTop)
        scroll->setValue(scroll->minimum());
}

} // namespace

MailPanel::MailPanel(Services &services, QWidget *surface, const Menu &menu,
                     OfflineQuestion &offline, const Connectivity::State &connectivity)
    : QObject(surface)
    , m_services(services)
    , m_menu(menu)
    , m_offline(offline)
    , m_connectivity(connectivity)
    , m_dialog(std::make_unique<MailSetupDialog>())
    , m_password(new MailPassword(services.settings, services.secrets, this))
    , m_imgMail(new QLabel(surface))
    , m_lblNumEmails{new QLabel(QStringLiteral("0"), surface),
                     new QLabel(QStringLiteral("0"), surface)}
    , m_txtChkEmail(new QPlainTextEdit(surface))
    , m_pictures(
          PictureList::load(services.appFolder.path(QStringLiteral("\\resources\\pictures\\mail"))))
    , m_activity(kMaxActivity)
    , m_log(kMaxActivity)
    , m_timActivity(namedTimer(this, "timActivity", 100))
{
    m_imgMail->setObjectName(QStringLiteral("imgMail"));
    m_imgMail->setToolTip(QStringLiteral("Email Notifier"));
    m_imgMail->setGeometry(kMailLeft + 34, kMailTop, 32, 32);
    for (int i = 0; i < 2; ++i) {
        QLabel *label = m_lblNumEmails[i];
        label->setObjectName(QStringLiteral("lblNumEmails%1").arg(i));
        label->setToolTip(QStringLiteral("Number of Emails"));
        // The shadow sits one pixel behind the text.
        label->setGeometry(kMailLeft + 70 + (1 - i), kMailTop + 6 + (1 - i), 40, 20);
        label->setStyleSheet(i == 0 ? QStringLiteral("color: #1f3a66; font-weight: bold;")
                                    : QStringLiteral("color: #c0c8d4; font-weight: bold;"));
    }
    m_lblNumEmails[0]->raise();
    readAsValue(m_lblNumEmails[0], QStringLiteral("Number of Emails"));
    readAsShadow(m_lblNumEmails[1]);
    m_txtChkEmail->setObjectName(QStringLiteral("txtChkEmail"));
    m_txtChkEmail->setAccessibleName(QStringLiteral("Mail activity"));
    m_txtChkEmail->setReadOnly(true);
    m_txtChkEmail->setGeometry(kMailLeft + 108, kMailTop, 260, 32);

    m_menu.disableEmail->setChecked(true);
    m_log.reset(QStringLiteral("Activity") + kCrLf);
    m_timActivity->setSingleShot(true);
    connect(m_timActivity, &QTimer::timeout, this, &MailPanel::flushActivity);
    // The handler decides the new state itself, as a direct call from another panel would.
    connect(m_menu.disableEmail, &QAction::triggered, this, [this] {
        m_menu.disableEmail->setChecked(!m_menu.disableEmail->isChecked());
        onMnuDisableEmailClick();
    });
    connect(m_menu.setupEmail, &QAction::triggered, this, &MailPanel::onMnuSetupEmailClick);
    connect(m_menu.checkPop3Email, &QAction::triggered, this, &MailPanel::checkMail);
    bindDialog();

    const PostilLoad load = loadPostil(services.appFolder.root(), surface);
    m_checkers = load.checkers;
    bindControl(load.control, load.error);
}

void MailPanel::bindDialog()
{
    MailSetupDialog *dialog = m_dialog.get();
    connect(dialog->cmdClose(), &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdCloseReleased(x, y); });
    connect(dialog->cmdCheckMail(), &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdCheckMailReleased(x, y); });
    connect(dialog->cmdTrust(), &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdTrustReleased(x, y); });
    connect(dialog->txtServer(), &QLineEdit::textChanged, this,
            [this](const QString &text) { setControlProperty("Server", text); });
    connect(dialog->txtUser(), &QLineEdit::textChanged, this,
            [this](const QString &text) { setControlProperty("User", text); });
    connect(dialog->txtPassword(), &QLineEdit::textChanged, this,
            [this](const QString &text) { setControlProperty("Password", text); });
    connect(dialog->cboProtocol(), &QComboBox::currentTextChanged, this,
            &MailPanel::applyConnection);
    connect(dialog->cboSecurity(), &QComboBox::currentTextChanged, this,
            &MailPanel::applyConnection);
    connect(dialog->txtPort(), &QLineEdit::textChanged, this, &MailPanel::applyConnection);
    connect(m_password, &MailPassword::loaded, this, &MailPanel::onPasswordLoaded);
    connect(m_password, &MailPassword::placeChanged, this, [this] {
        m_dialog->showPasswordPlace(m_password->placeText(), m_password->whyNotKeyring());
    });
    connect(m_password, &MailPassword::notice, this, &MailPanel::onMyBoxNoisy);
    dialog->cboSecurity()->setCurrentText(MailConnection().security);
}

MailPanel::~MailPanel() = default;

void MailPanel::setControl(QWidget *control)
{
    delete m_control;
    if (control)
        control->setParent(m_imgMail->parentWidget());
    bindControl(control, QStringLiteral("no mail checker"));
}

void MailPanel::bindControl(QWidget *control, const QString &error)
{
    m_control = control;
    m_unavailable.clear();
    if (control) {
        control->setObjectName(QStringLiteral("MyBox"));
        control->move(kMailLeft, kMailTop + 2);
        control->show();
        const bool bound = connect(control, SIGNAL(NewMail(int)), this, SLOT(onMyBoxNewMail(int)))
            && connect(control, SIGNAL(NoMail()), this, SLOT(onMyBoxNoMail()))
            && connect(control, SIGNAL(Noisy(QString)), this, SLOT(onMyBoxNoisy(QString)))
            && connect(control, SIGNAL(SockError(QString)), this, SLOT(onMyBoxSockError(QString)));
        if (!bound) {
            delete control;
            m_unavailable = QStringLiteral("the mail checker lacks its events");
        }
    } else {
        m_unavailable = error;
    }
    const bool usable = m_unavailable.isEmpty();
    for (QAction *action : {m_menu.setupEmail, m_menu.checkPop3Email, m_menu.disableEmail})
        action->setEnabled(usable);
    if (!usable) {
        setActivity(QStringLiteral("Mail unavailable: ") + m_unavailable);
        return;
    }
    setControlProperty("Server", m_dialog->txtServer()->text());
    setControlProperty("User", m_dialog->txtUser()->text());
    setControlProperty("Password", m_dialog->txtPassword()->text());
    applyConnection();
}

void MailPanel::applyConnection()
{
    const QString wanted = m_dialog->cboProtocol()->currentText();
    m_dialog->showProtocol(wanted);
    if (wanted != m_controlProtocol && (m_control || m_checkers)) {
        m_controlProtocol = wanted;
        QWidget *parent = m_imgMail->parentWidget();
        QWidget *made = m_checkers ? m_checkers->createChecker(wanted, parent) : nullptr;
        delete m_control;
        // A checker of the other protocol must not be left to talk to this server.
        bindControl(made, QStringLiteral("the mail checker has no %1 checker").arg(wanted));
        return;
    }
    MailConnection connection;
    connection.port = m_dialog->txtPort()->text().trimmed();
    setControlProperty("Security", m_dialog->cboSecurity()->currentText());
    setControlProperty("MailPort", connection.portNumber());
    setControlProperty("TrustedCertificate", m_trusted);
}

void MailPanel::loadSwitch(bool connected)
{
    const QString stored = m_services.settings.getSetting(
        QStringLiteral("System"), QStringLiteral("NoEmail"), QStringLiteral("1"));
    m_disabled = textToBool(stored).value_or(true);
    if (m_disabled) {
        m_menu.disableEmail->setChecked(true);
        setActivity(kMailDisabled);
    } else if (connected) {
        m_menu.disableEmail->setChecked(false);
    }
    showCount(0, 2);
}

void MailPanel::loadSettings()
{
    auto read = [this](const char *key) {
        return m_services.settings.getSetting(kSettings, QString::fromLatin1(key));
    };
    m_dialog->txtDelay()->setText(read("Delay"));
    m_dialog->txtServer()->setText(read("Server"));
    m_dialog->txtUser()->setText(read("User"));
    const MailConnection connection = MailConnection::load(m_services.settings);
    m_trusted = connection.trustedCertificate;
    m_dialog->txtPort()->setText(connection.port);
    m_dialog->cboSecurity()->setCurrentText(connection.security);
    m_dialog->cboProtocol()->setCurrentText(connection.protocol);
    applyConnection();
    // The start-up check waits for the password, which the keyring may give later.
    m_checkWhenLoaded = true;
    m_password->load();
}

void MailPanel::onPasswordLoaded(const QString &password)
{
    m_dialog->txtPassword()->setText(password);
    if (!std::exchange(m_checkWhenLoaded, false))
        return;
    if (!m_dialog->txtServer()->text().isEmpty() && !m_disabled)
        checkMail();
}

QString MailPanel::delayText() const
{
    return m_dialog->txtDelay()->text();
}

void MailPanel::checkMail()
{
    if (!m_control)
        return;
    if (!m_offline.goOn(m_connectivity.connected, QStringLiteral("get your mail")))
        return;
    callCheckNewMail();
    m_disabled = m_menu.disableEmail->isChecked();
}

bool MailPanel::onMinute()
{
    const MinuteSchedule::Actions actions = m_schedule.tick(delayText(), m_disabled);
    if (actions.checkMail && !m_periodicStopped)
        checkMail();
    return actions.checkConnectivity;
}

void MailPanel::closeSetupDialog()
{
    m_dialog->close();
}

void MailPanel::onMnuSetupEmailClick()
{
    // A window of its own that belongs to the dashboard, so the desktop keeps it over it;
    // Wayland places a window only by such a tie.
    if (QWindow *owner = m_imgMail->window()->windowHandle()) {
        m_dialog->winId();
        m_dialog->windowHandle()->setTransientParent(owner);
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void MailPanel::onMnuDisableEmailClick()
{
    m_disabled = !m_menu.disableEmail->isChecked();
    m_menu.disableEmail->setChecked(m_disabled);
    m_services.settings.saveSetting(QStringLiteral("System"), QStringLiteral("NoEmail"),
                                    boolToText(m_disabled));
    setActivity(m_disabled ? kMailDisabled : QString());
    // A count that passed the delay while mail was off must not keep the checks away.
    if (!m_disabled)
        m_schedule.restart();
}

void MailPanel::onCmdCloseReleased(int x, int y)
{
    if (!releasedInside({x, y}, {59, 19}))
        return;
    m_password->save(m_dialog->txtPassword()->text());
    m_services.settings.saveSetting(kSettings, QStringLiteral("User"), m_dialog->txtUser()->text());
    m_services.settings.saveSetting(kSettings, QStringLiteral("Delay"),
                                    m_dialog->txtDelay()->text());
    m_services.settings.saveSetting(kSettings, QStringLiteral("Server"),
                                    m_dialog->txtServer()->text());
    MailConnection connection;
    connection.protocol = m_dialog->cboProtocol()->currentText();
    connection.security = m_dialog->cboSecurity()->currentText();
    connection.port = m_dialog->txtPort()->text().trimmed();
    connection.trustedCertificate = m_trusted;
    connection.save(m_services.settings);
    m_dialog->hide();
    m_schedule.restart();
}

void MailPanel::onCmdCheckMailReleased(int x, int y)
{
    if (!releasedInside({x, y}, {69, 19}))
        return;
    // Only the scheduled checks stop; each minute still refreshes the status line.
    m_menu.disableEmail->setChecked(true);
    m_periodicStopped = true;
    callCheckNewMail();
    m_dialog->hide();
}

void MailPanel::onCmdTrustReleased(int x, int y)
{
    if (!releasedInside({x, y}, {140, 19}) || m_offered.isEmpty())
        return;
    // Trusting is a decision of its own: it is kept at once, not at "Close".
    m_trusted = std::exchange(m_offered, QString());
    m_services.settings.saveSetting(kSettings, QStringLiteral("TrustedCertificate"), m_trusted);
    setControlProperty("TrustedCertificate", m_trusted);
    m_dialog->showRefusedCertificate({}, {});
    onMyBoxNoisy(QStringLiteral("Trusting the certificate ") + m_trusted);
    callCheckNewMail();
}

void MailPanel::onMyBoxNewMail(int count)
{
    m_dialog->showRefusedCertificate({}, {});
    m_lastCount = count;
    showCount(count, 1);
}

void MailPanel::onMyBoxNoMail()
{
    m_dialog->showRefusedCertificate({}, {});
    showCount(0, 2);
}

void MailPanel::onMyBoxNoisy(const QString &text)
{
    m_log.prepend(text);
    m_activity.prepend(text);
    if (!m_timActivity->isActive())
        m_timActivity->start();
}

void MailPanel::flushActivity()
{
    m_timActivity->stop();
    insertNewest(m_txtChkEmail, m_activity.takeAdded());
    insertNewest(m_dialog->txtLog(), m_log.takeAdded());
}

// A refused connection or a refused password must not pass as "no new mail": the failure
// goes where the activity goes, without a box that a scheduled check would pop up again.
void MailPanel::onMyBoxSockError(const QString &text)
{
    onMyBoxNoisy(QStringLiteral("Mail check failed: ") + text);
    const QString refused = m_control->property("RefusedCertificate").toString();
    if (!refused.isEmpty()) {
        m_offered = refused;
        m_dialog->showRefusedCertificate(m_dialog->txtServer()->text(), refused);
    }
}

void MailPanel::setControlProperty(const char *name, const QVariant &value)
{
    if (m_control)
        m_control->setProperty(name, value);
}

void MailPanel::callCheckNewMail()
{
    if (m_control)
        QMetaObject::invokeMethod(m_control, "CheckNewMail");
}

void MailPanel::showCount(int count, int picture)
{
    for (QLabel *label : m_lblNumEmails)
        label->setText(QString::number(count));
    m_picture = picture;
    m_imgMail->setPixmap(m_pictures.at(picture));
}

void MailPanel::setActivity(const QString &text)
{
    // Without a checker the reason stays in view.
    m_activity.reset(
        m_unavailable.isEmpty() ? text : QStringLiteral("Mail unavailable: ") + m_unavailable);
    m_txtChkEmail->setPlainText(m_activity.text().replace(kCrLf, QStringLiteral("\n")));
}
