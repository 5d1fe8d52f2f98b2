#pragma once

#include "common/Twips.h"
#include "reminders/EventsGuide.h"
#include "reminders/EventsPanel.h"
#include "reminders/ReminderPanels.h"
#include "reminders/StoreFiles.h"
#include "support/DashboardFixture.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"
#include "widgets/TipPanel.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

// A dashboard whose events database holds the rows a test seeds before loading; today is
// 12/09/2026 and tips are on.
class EventsFixture : public DashboardFixture
{
protected:
    EventsFixture()
    {
        setSetting("System", "AutoHide", "True");
        setSetting("System", "Tips", "True");
    }

    void seed(const QString &title, const QString &type, const QString &date,
              const QString &notifyDate)
    {
        RecordStore store;
        store.open(appPath("Events.mdb"));
        Recordset rows = store.openTable("Events");
        addEvent(rows, title, type, date, notifyDate);
    }
    // Every stored row as "Title|Type|Msg|Date|NotifyDate", in table order.
    QStringList stored()
    {
        RecordStore store;
        store.open(appPath("Events.mdb"));
        Recordset rows = store.openTable("Events");
        QStringList all;
        for (rows.moveFirst(); rows.hasCurrentRow(); rows.moveNext()) {
            QStringList fields;
            for (const char *f : {"Title", "Type", "Msg", "Date", "NotifyDate"})
                fields << rows.field(f).value_or("?");
            all << fields.join('|');
        }
        return all;
    }

    EventsPanel &panel() { return dashboard().reminders().events(); }
    const EventControls &c() { return panel().controls(); }
    void click(const QDate &date)
    {
        c().monthView1->setSelectedDate(date);
        panel().onMonthView1DateClick(date);
    }
    QStringList listed()
    {
        QStringList texts;
        for (int i = 0; i < c().list->count(); ++i)
            texts << c().list->item(i)->text();
        return texts;
    }
    void select(const QString &title)
    {
        const auto items = c().list->findItems(title, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << title.toStdString();
        c().list->setCurrentItem(items.first());
        panel().onLstDataClick();
    }
    void fill(const QString &type, const QString &title, const QString &msg, const QString &notify)
    {
        c().type->setEditText(type);
        c().title->setText(title);
        c().msg->setText(msg);
        c().notify->setText(notify);
    }
    // Which of Add, Edit, Save, Delete, Cancel, Close are enabled, as "AESDCX" letters.
    QString enabledButtons()
    {
        QString on;
        const LumoButton *buttons[]
            = {c().add, c().edit, c().save, c().remove, c().cancel, c().close};
        for (int i = 0; i < 6; ++i)
            if (buttons[i]->isEnabled())
                on += QStringLiteral("AESDCX")[i];
        return on;
    }
    bool panelShown() { return c().panel->isVisibleTo(&dashboard()); }
    int notifyPlays(const char *file = "notify2.wav")
    {
        int n = 0;
        for (const auto &play : sound.plays)
            n += play.path.endsWith(QStringLiteral("/Sounds/") + file);
        return n;
    }
    QString tip() { return dashboard().tips().label()->text(); }

    const QDate today{2026, 12, 9};
};
