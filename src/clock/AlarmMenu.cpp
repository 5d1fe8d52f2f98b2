#include "clock/AlarmMenu.h"

#include "clock/AlarmRinging.h"
#include "clock/AlarmSettings.h"
#include "clock/SnoozeDialog.h"
#include "contracts/AlarmSources.h"
#include "platform/AppFolder.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "platform/SoundPlayer.h"

#include <QAction>

namespace {

const QString kNoDiscTitle = QStringLiteral("No CD in the Player");

} // namespace

AlarmMenu::AlarmMenu(Services &services, QWidget *window, const AlarmControls &controls,
                     AlarmRinging &ringing)
    : QObject(window)
    , m_services(services)
    , m_window(window)
    , m_controls(controls)
    , m_ringing(ringing)
{
    for (int i = 0; i < m_controls.sounds.size(); ++i) {
        connect(m_controls.sounds[i], &QAction::triggered, this,
                [this, i] { onMnuAlarmSoundClick(i); });
        connect(m_controls.tests[i], &QAction::triggered, this,
                [this, i] { onMnuTestAlarmClick(i); });
    }
    connect(m_controls.mp3, &QAction::triggered, this, &AlarmMenu::onMnuMp3Click);
    connect(m_controls.cd, &QAction::triggered, this, &AlarmMenu::onMnuCdClick);
    connect(m_controls.snoozeTime, &QAction::triggered, this, &AlarmMenu::onMnuSnoozeTimeClick);
}

void AlarmMenu::load()
{
    readSnoozeLength();
    m_source = AlarmSettings::alarmSource(m_services.settings);
    m_ringing.setSoundFile(AlarmSettings::ringingSoundFile(m_services.settings.getSetting(
        AlarmSettings::section(), QStringLiteral("AlarmFile"), QStringLiteral("1"))));
    if (m_source == QLatin1String("Alarm"))
        applyInterval(m_ringing.soundFile());
    setCheckMarks();
}

void AlarmMenu::onMnuAlarmSoundClick(int index)
{
    const QString file = AlarmSettings::soundFile(index);
    m_ringing.setSoundFile(file);
    m_services.settings.saveSetting(AlarmSettings::section(), QStringLiteral("AlarmFile"), file);
    storeSource(QStringLiteral("Alarm"));
    setCheckMarks();
    applyInterval(file);
}

void AlarmMenu::onMnuMp3Click()
{
    if (!m_controls.music->hasSongs()) {
        setCheckMarks(); // the item's own toggle is undone: nothing changes
        m_services.prompter.tell(QStringLiteral("You need an MP3 in the PlayList"), QString(),
                                 Prompter::Icon::None);
        return;
    }
    storeSource(QStringLiteral("MP3"));
    setCheckMarks();
}

void AlarmMenu::onMnuCdClick()
{
    setCheckMarks(); // until the disc is confirmed, nothing changes
    AlarmDisc &disc = *m_controls.disc;
    if (m_source != QLatin1String("CD") && !disc.isOpen() && !disc.open())
        return; // the device's error has been shown
    if (disc.discPresent()) {
        storeSource(QStringLiteral("CD"));
        setCheckMarks();
    } else {
        m_services.prompter.tell(QStringLiteral("You need to put in a CD!"), kNoDiscTitle,
                                 Prompter::Icon::Warning);
    }
}

void AlarmMenu::onMnuTestAlarmClick(int index)
{
    const quint32 flags = m_controls.connectivity ? m_controls.connectivity->flags : 0;
    playSound(m_services.sound, m_services.appFolder.path(AlarmSettings::testFile(index)), flags);
}

void AlarmMenu::onMnuSnoozeTimeClick()
{
    if (m_dialog) {
        m_dialog->raise();
        return;
    }
    m_dialog = new SnoozeDialog(m_services, m_window);
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog->setWindowModality(Qt::ApplicationModal);
    connect(m_dialog, &QDialog::finished, this, &AlarmMenu::readSnoozeLength);
    m_dialog->show();
}

void AlarmMenu::readSnoozeLength()
{
    m_snoozeLength = AlarmSettings::snoozeMinutes(
        m_services.settings.getSetting(AlarmSettings::section(), QStringLiteral("Snooze")));
    m_controls.snoozeTime->setText(AlarmSettings::snoozeCaption(m_snoozeLength));
}

void AlarmMenu::applyInterval(const QString &soundFile)
{
    const int index = AlarmSettings::soundIndex(soundFile);
    if (index >= 0 && AlarmSettings::sound(index).intervalMs > 0)
        m_ringing.setRingInterval(AlarmSettings::sound(index).intervalMs);
}

void AlarmMenu::setCheckMarks()
{
    const bool alarm = m_source == QLatin1String("Alarm");
    m_controls.mp3->setChecked(m_source == QLatin1String("MP3"));
    m_controls.cd->setChecked(m_source == QLatin1String("CD"));
    // A stored sound that is not one of the eight checks "Alarm".
    const int chosen = std::max(0, AlarmSettings::soundIndex(m_ringing.soundFile()));
    for (int i = 0; i < m_controls.sounds.size(); ++i)
        m_controls.sounds[i]->setChecked(alarm && i == chosen);
}

void AlarmMenu::storeSource(const QString &source)
{
    m_source = source;
    m_services.settings.saveSetting(AlarmSettings::section(), QStringLiteral("AlarmType"), source);
}

SnoozeDialog *AlarmMenu::snoozeDialog() const
{
    return m_dialog;
}
