#include "netutil/MailSetupDialog.h"

#include "widgets/LumoButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>

namespace {

constexpr int kCaptionWidth = 80;
constexpr int kFieldLeft = 96;
constexpr int kFieldWidth = 200;
constexpr int kWidth = 312;

// A fingerprint in two lines of sixteen bytes, so it fits the dialog and reads in pairs.
QString twoLines(const QString &fingerprint)
{
    const qsizetype half = fingerprint.size() / 2 + 1;
    return fingerprint.size() > 60 ? fingerprint.left(half) + u'\n' + fingerprint.mid(half)
                                   : fingerprint;
}

} // namespace

MailSetupDialog::MailSetupDialog()
    : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("frmEmail"));
    setWindowTitle(QStringLiteral("Orvane Email Setup"));
    setFixedSize(kWidth, 470);
    m_protocol = choice("cboProtocol", QStringLiteral("P&rotocol:"), 12, 72);
    m_protocol->addItems({QStringLiteral("POP3"), QStringLiteral("IMAP")});
    m_port = new QLineEdit(this);
    m_port->setObjectName(QStringLiteral("txtPort"));
    m_port->setGeometry(kFieldLeft + 152, 12, 48, 22);
    m_port->setPlaceholderText(QStringLiteral("usual"));
    m_port->setAccessibleName(QStringLiteral("Port (empty: the usual one)"));
    auto *portCaption = new QLabel(QStringLiteral("P&ort:"), this);
    portCaption->setGeometry(kFieldLeft + 112, 14, 38, 18);
    portCaption->setBuddy(m_port);
    m_security = choice("cboSecurity", QStringLiteral("S&ecurity:"), 40, 112);
    m_security->addItems(
        {QStringLiteral("None"), QStringLiteral("STARTTLS"), QStringLiteral("SSL/TLS")});
    m_server = field("txtServer", QStringLiteral("POP3 Server:"), 68);
    m_user = field("txtUser", QStringLiteral("User Name:"), 96);
    m_password = field("txtPassword", QStringLiteral("Password:"), 124);
    m_password->setEchoMode(QLineEdit::Password);
    m_passwordPlace = note("lblPasswordPlace", 148, 30);
    m_delay = field("txtDelay", QStringLiteral("Delay (min):"), 182);
    m_delay->setFixedWidth(48);
    m_delay->setText(QStringLiteral("5"));

    m_certificate = note("lblCertificate", 210, 62);
    m_certificate->setTextInteractionFlags(Qt::TextSelectableByMouse
                                           | Qt::TextSelectableByKeyboard);
    m_trust = new LumoButton(QStringLiteral("&Trust this certificate"), this);
    m_trust->setObjectName(QStringLiteral("cmdTrust"));
    m_trust->setGeometry(12, 274, 140, 19);
    showRefusedCertificate({}, {});

    m_log = new QPlainTextEdit(this);
    m_log->setObjectName(QStringLiteral("txtLog"));
    m_log->setAccessibleName(QStringLiteral("Mail check log"));
    m_log->setReadOnly(true);
    m_log->setGeometry(12, 300, 288, 132);
    m_log->setPlainText(QStringLiteral("Activity\n"));

    // The release areas fix the sizes; the captions get a font that fits them.
    m_checkMail = new LumoButton(QStringLiteral("C&heck Mail"), this);
    m_checkMail->setObjectName(QStringLiteral("cmdCheckMail"));
    m_checkMail->setGeometry(12, 440, 69, 19);
    m_close = new LumoButton(QStringLiteral("&Close"), this);
    m_close->setObjectName(QStringLiteral("cmdClose"));
    m_close->setGeometry(241, 440, 59, 19);
    // Escape leaves as the title bar's close does: nothing typed is kept.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    for (LumoButton *button : {m_checkMail, m_close, m_trust}) {
        QFont font = button->font();
        font.setPixelSize(10);
        font.setStretch(QFont::SemiCondensed);
        button->setFont(font);
    }
}

void MailSetupDialog::showProtocol(const QString &protocol)
{
    m_serverCaption->setText(protocol + QStringLiteral(" Server:"));
    m_server->setAccessibleName(protocol + QStringLiteral(" Server"));
}

void MailSetupDialog::showPasswordPlace(const QString &text, const QString &reason)
{
    m_passwordPlace->setText(text);
    m_passwordPlace->setToolTip(reason);
    m_passwordPlace->setAccessibleDescription(reason);
}

void MailSetupDialog::showRefusedCertificate(const QString &host, const QString &fingerprint)
{
    const bool shown = !fingerprint.isEmpty();
    m_certificate->setVisible(shown);
    m_trust->setVisible(shown);
    m_certificate->setText(
        shown
            ? QStringLiteral("The certificate of %1 is not trusted.\nIts SHA-256 fingerprint:\n%2")
                  .arg(host, twoLines(fingerprint))
            : QString());
    m_certificate->setAccessibleDescription(m_certificate->text());
}

QString MailSetupDialog::certificateText() const
{
    return m_certificate->isVisibleTo(this) ? m_certificate->text() : QString();
}

QLineEdit *MailSetupDialog::field(const char *name, const QString &caption, int top)
{
    auto *label = new QLabel(caption, this);
    label->setGeometry(12, top + 2, kCaptionWidth, 18);
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(kFieldLeft, top, kFieldWidth, 22);
    label->setBuddy(edit);
    if (!m_serverCaption)
        m_serverCaption = label;
    return edit;
}

QComboBox *MailSetupDialog::choice(const char *name, const QString &caption, int top, int width)
{
    auto *label = new QLabel(caption, this);
    label->setGeometry(12, top + 2, kCaptionWidth, 18);
    auto *box = new QComboBox(this);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(kFieldLeft, top, width, 22);
    label->setBuddy(box);
    return box;
}

QLabel *MailSetupDialog::note(const char *name, int top, int height)
{
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(12, top, kWidth - 24, height);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPixelSize(10);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    return label;
}
