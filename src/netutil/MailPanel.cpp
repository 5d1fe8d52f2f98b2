#include "netutil/MailPanel.h"

#include "common/TextValues.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QWidget>

MailPanel::MailPanel(Services &services, QWidget *surface, QAction *disableEmail)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
    , m_disableEmail(disableEmail)
{
    m_disableEmail->setChecked(true);
}

void MailPanel::loadSwitch(bool connected)
{
    const QString stored = m_services.settings.getSetting(
        QStringLiteral("System"), QStringLiteral("NoEmail"), QStringLiteral("1"));
    const bool disabled = textToBool(stored).value_or(true);
    if (disabled)
        m_disableEmail->setChecked(true);
    else if (connected)
        m_disableEmail->setChecked(false);
}

void MailPanel::loadSettings()
{
    auto read = [this](const char *key) {
        return m_services.settings.getSetting(QStringLiteral("Settings"), QString::fromLatin1(key));
    };
    m_delay = read("Delay");
    m_password = read("Password");
    m_server = read("Server");
    m_user = read("User");
    if (!m_server.isEmpty() && !mailDisabled())
        checkMail();
}

bool MailPanel::mailDisabled() const
{
    return m_disableEmail->isChecked();
}

void MailPanel::checkMail() { }

void MailPanel::closeSetupDialog() { }
