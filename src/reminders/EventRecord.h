#pragma once

#include <QString>

class Recordset;

// The five fields of an event as the entry boxes hold them and the "Events" table stores
// them: text, exactly as typed.
struct EventRecord
{
    QString type;
    QString title;
    QString msg;
    QString date;
    QString notifyDate;

    // An event is stored only with every field filled in.
    bool complete() const;

    // The current row of the recordset; false (and nothing read) without a current row.
    bool readCurrent(Recordset &rows);
    // Adds the event as a new row (it joins the recordset too). False when the store refused
    // it; the recordset's lastError() says why and nothing is written.
    bool storeNew(Recordset &rows) const;
    // Changes the current row to this event. False without a current row or when the store
    // refused it; nothing is written then.
    bool storeInto(Recordset &rows) const;

private:
    bool setFields(Recordset &rows) const;
};
