#pragma once

#include "reminders/Recordset.h"

#include <QAbstractListModel>

// What the last-name list shows: one entry per row of a recordset, its last name, in table
// order. Only the row ids are copied when the list is replaced; a name is read from the file
// when the list needs it (the entries in view), so a keystroke in the search box costs the
// same for a book of 100 or of 100,000 contacts.
class AddressNameList : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Lists the rows of the recordset as it is now; later searches do not change the list.
    void show(const Recordset &rows);
    void clear();

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The entry's text; empty outside the list.
    QString name(int row) const;

private:
    mutable Recordset m_rows; // reading a field keeps the last error: not part of the list
};
