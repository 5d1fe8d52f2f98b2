#include "platform/SoundPlayer.h"

#include <QFileInfo>

void SoundPlayer::whenStarted(QObject *, std::function<void()> then)
{
    then();
}

void playSound(SoundPlayer &player, const QString &absolutePath, quint32 flags)
{
    if (player.hasWaveOutput() && !absolutePath.isEmpty() && QFileInfo(absolutePath).isFile())
        player.playWave(absolutePath, flags);
    else
        player.beep();
}
