#include "reminders/AddressNameList.h"

namespace {

const QString kLastName = QStringLiteral("Lastname");

} // namespace

void AddressNameList::show(const Recordset &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

void AddressNameList::clear()
{
    beginResetModel();
    m_rows = Recordset();
    endResetModel();
}

int AddressNameList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.recordCount();
}

QVariant AddressNameList::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    return name(index.row());
}

QString AddressNameList::name(int row) const
{
    return m_rows.fieldAt(row, kLastName).value_or(QString());
}
