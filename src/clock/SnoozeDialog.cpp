#include "clock/SnoozeDialog.h"

#include "clock/AlarmSettings.h"
#include "platform/AppFolder.h"
#include "platform/SettingsStore.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"

#include <QComboBox>
#include <QLabel>

namespace {

const QSize kSetButtonArea{84, 25};

} // namespace

SnoozeDialog::SnoozeDialog(Services &services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_combo(new QComboBox(this))
    , m_set(new LumoButton(QStringLiteral("&Set Snooze"), this, &services.sound,
                           services.appFolder.root()))
{
    setObjectName(QStringLiteral("frmSnooze"));
    setWindowTitle(QStringLiteral("Set Snooze Duration"));
    setFixedSize(260, 150);

    const QString stored = QString::number(AlarmSettings::snoozeMinutes(
        services.settings.getSetting(AlarmSettings::section(), QStringLiteral("Snooze"))));
    for (int index = 0; index < 2; ++index) {
        auto *label = new QLabel(stored, this);
        label->setObjectName(QStringLiteral("lblSnooze"));
        label->setProperty("index", index);
        QFont font = label->font();
        font.setPointSize(20);
        font.setBold(true);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(index == 0 ? QStringLiteral("color: #303030;")
                                        : QStringLiteral("color: #1c5fd0;"));
        label->setGeometry(index == 0 ? QRect(20, 14, 80, 40) : QRect(19, 13, 80, 40));
        m_lengths.append(label);
    }
    auto *minutes = new QLabel(QStringLiteral("Minutes"), this);
    minutes->setGeometry(104, 26, 60, 20);

    m_combo->setObjectName(QStringLiteral("cboSnooze"));
    m_combo->addItems(AlarmSettings::snoozeChoices());
    m_combo->setCurrentText(stored);
    m_combo->setGeometry(20, 66, 100, 24);
    m_set->setObjectName(QStringLiteral("cmdSetSnooze"));
    m_set->setGeometry(150, 106, kSetButtonArea.width(), kSetButtonArea.height());
    m_set->setButtonStyle(LumoButton::Raised);
    m_set->setEnabled(false);

    connect(m_combo, &QComboBox::activated, this, [this](int) { onCboSnoozeClick(); });
    connect(m_set, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdSetSnoozeReleased(x, y); });
}

void SnoozeDialog::onCboSnoozeClick()
{
    m_set->setEnabled(true);
    for (QLabel *label : m_lengths)
        label->setText(m_combo->currentText());
}

void SnoozeDialog::onCmdSetSnoozeReleased(int x, int y)
{
    if (!m_set->isEnabled() || !releasedInside({x, y}, kSetButtonArea))
        return;
    m_services.settings.saveSetting(AlarmSettings::section(), QStringLiteral("Snooze"),
                                    m_combo->currentText());
    accept();
}

QString SnoozeDialog::shownLength() const
{
    return m_lengths.first()->text();
}
