#include "netutil/MailSetupDialog.h"

#include "widgets/LumoButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>

namespace {

constexpr int kCaptionWidth = 80;
constexpr int kFieldLeft = 96;
constexpr int kFieldWidth = 200;

} // namespace

MailSetupDialog::MailSetupDialog()
    : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("frmEmail"));
    setWindowTitle(QStringLiteral("Orvane Email Setup"));
    setFixedSize(312, 330);
    m_server = field("txtServer", QStringLiteral("POP3 Server:"), 12);
    m_user = field("txtUser", QStringLiteral("User Name:"), 40);
    m_password = field("txtPassword", QStringLiteral("Password:"), 68);
    m_password->setEchoMode(QLineEdit::Password);
    m_delay = field("txtDelay", QStringLiteral("Delay (min):"), 96);
    m_delay->setFixedWidth(48);
    m_delay->setText(QStringLiteral("5"));

    m_log = new QPlainTextEdit(this);
    m_log->setObjectName(QStringLiteral("txtLog"));
    m_log->setAccessibleName(QStringLiteral("Mail check log"));
    m_log->setReadOnly(true);
    m_log->setGeometry(12, 128, 288, 156);
    m_log->setPlainText(QStringLiteral("Activity\n"));

    // The release areas fix the sizes; the captions get a font that fits them.
    m_checkMail = new LumoButton(QStringLiteral("C&heck Mail"), this);
    m_checkMail->setObjectName(QStringLiteral("cmdCheckMail"));
    m_checkMail->setGeometry(12, 298, 69, 19);
    m_close = new LumoButton(QStringLiteral("&Close"), this);
    m_close->setObjectName(QStringLiteral("cmdClose"));
    m_close->setGeometry(241, 298, 59, 19);
    // Escape leaves as the title bar's close does: nothing typed is kept.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    for (LumoButton *button : {m_checkMail, m_close}) {
        QFont font = button->font();
        font.setPixelSize(10);
        font.setStretch(QFont::SemiCondensed);
        button->setFont(font);
    }
}

QLineEdit *MailSetupDialog::field(const char *name, const QString &caption, int top)
{
    auto *label = new QLabel(caption, this);
    label->setGeometry(12, top + 2, kCaptionWidth, 18);
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(kFieldLeft, top, kFieldWidth, 22);
    label->setBuddy(edit);
    return edit;
}
