#include "shell/ShellTexts.h"

#include <QStringList>

namespace ShellTexts {

QString taskbarAdvice()
{
    // Lines joined by single carriage returns; an empty line gives two in a row.
    const QStringList lines{
        QStringLiteral("It is highly recommended you use the AutoHide feature of your desktop "
                       "panel."),
        QString(),
        QStringLiteral("1) Right-Click the desktop panel (where the application menu is "
                       "located)"),
        QStringLiteral("2) Choose the panel's PROPERTIES or SETTINGS from the pop-up menu"),
        QStringLiteral("3) Switch on AUTOMATICALLY HIDE THE PANEL (auto-hide)"),
        QStringLiteral("4) Click Apply or close the settings"),
        QString(),
        QStringLiteral("To view the panel simply move the mouse to the edge of the screen"),
        QStringLiteral("and the panel will re-appear."),
    };
    return lines.join(u'\r');
}

QString aboutText()
{
    return QStringList{
        QStringLiteral("Orvane version 1.0"),
        QStringLiteral("Reminders, clock, music and more."),
        QString(),
        QStringLiteral("Copyright (C) 2026 the Orvane developers."),
        QStringLiteral("This program comes with ABSOLUTELY NO WARRANTY."),
        QString(),
        QStringLiteral("Weather data by Open-Meteo.com (CC BY 4.0)."),
    }
        .join(u'\n');
}

} // namespace ShellTexts
