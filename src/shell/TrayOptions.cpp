#include "shell/TrayOptions.h"

#include "common/TextValues.h"
#include "common/Twips.h"
#include "platform/AppFolder.h"
#include "platform/SettingsStore.h"
#include "platform/Tray.h"
#include "shell/ShellTexts.h"
#include "widgets/ReleaseRule.h"

#include "widgets/LumoButton.h"
#include <QCheckBox>
#include <QFrame>
#include <QLabel>

TrayOptions::TrayOptions(Services &services, QFrame *panel, QWidget *window, QMenu *popup)
    : QObject(panel)
    , m_services(services)
    , m_panel(panel)
    , m_window(window)
    , m_popup(popup)
    , m_check1(new QCheckBox(QStringLiteral("Show In tray?"), panel))
    , m_check2(new QCheckBox(QStringLiteral("Minimize to tray"), panel))
    , m_close(new LumoButton(QStringLiteral("Close"), panel, &services.sound,
                             services.appFolder.root()))
{
    auto *title = new QLabel(QStringLiteral("Tray Options"), panel);
    title->setObjectName(QStringLiteral("lblTrayTitle"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setGeometry(twips(120), twips(60), twips(2400), twips(300));
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check2->setObjectName(QStringLiteral("Check2"));
    m_close->setObjectName(QStringLiteral("Command1"));
    m_check1->setGeometry(twips(120), twips(420), twips(2400), twips(300));
    m_check2->setGeometry(twips(120), twips(750), twips(2400), twips(300));
    m_close->setGeometry(twips(1500), twips(1110), twips(1035), twips(360));
    m_panel->resize(twips(2700), twips(1560));

    // toggled, not clicked: a value set at load acts as the user's click.
    connect(m_check1, &QCheckBox::toggled, this, &TrayOptions::onCheck1Click);
    connect(m_check2, &QCheckBox::toggled, this, &TrayOptions::onCheck2Click);
    connect(m_close, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCommand1Released(x, y); });
}

void TrayOptions::load()
{
    auto ticked = [this](const char *key) {
        const QString stored
            = m_services.settings.getSetting(QStringLiteral("System"), QString::fromLatin1(key));
        return textToInt(stored).value_or(0) == 1;
    };
    m_check1->setChecked(ticked("Tray"));
    m_check2->setChecked(ticked("Minimize"));
}

bool TrayOptions::showInTray() const
{
    return m_check1->isChecked();
}

void TrayOptions::onCheck1Click()
{
    Tray &tray = m_services.tray;
    tray.setOwner(m_window);
    tray.setPopupMenu(m_popup);
    tray.setIcon(m_window->windowIcon());
    tray.setToolTip(ShellTexts::kTrayToolTip);
    tray.setInTray(m_check1->isChecked());
    m_services.settings.saveSetting(QStringLiteral("System"), QStringLiteral("Tray"),
                                    m_check1->isChecked() ? QStringLiteral("1")
                                                          : QStringLiteral("0"));
}

void TrayOptions::onCheck2Click()
{
    Tray &tray = m_services.tray;
    if (m_check2->isChecked()) {
        tray.setMinimizeMode(Tray::MinimizeToTray);
    } else {
        tray.setMinimizeMode(Tray::MinimizeNormally);
        tray.setInTray(m_check1->isChecked());
    }
    m_services.settings.saveSetting(QStringLiteral("System"), QStringLiteral("Minimize"),
                                    m_check2->isChecked() ? QStringLiteral("1")
                                                          : QStringLiteral("0"));
}

void TrayOptions::onCommand1Released(int x, int y)
{
    if (releasedInside({x, y}, m_close->size()))
        m_panel->hide();
}

void TrayOptions::removeIconWhileShown()
{
    if (m_check1->isChecked() && !m_window->isMinimized())
        m_services.tray.setInTray(false);
}

void TrayOptions::unload()
{
    if (m_check1->isChecked()) {
        m_services.tray.restore();
        m_services.tray.setInTray(false);
    }
}
