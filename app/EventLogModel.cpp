#include "EventLogModel.h"

#include "EventLog.h"

EventLogModel::EventLogModel(const EventLog &log, QObject *parent)
    : QAbstractListModel(parent), m_log(log), m_rows(log.size())
{
    connect(&log, &EventLog::entryAdded, this, &EventLogModel::entryAdded);
}

int EventLogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant EventLogModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_log.size())
        return {};
    const EventLog::Entry &entry = m_log.entry(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return QStringLiteral("%1   %2   %3")
            .arg(entry.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), EventLog::name(entry.kind), entry.text);
    case Qt::ToolTipRole:
        return entry.text;
    case KindRole:
        return int(entry.kind);
    case LineRole:
        return EventLog::line(entry);
    default:
        return {};
    }
}

// The log has already changed when it tells; the row count here follows it
// step by step so that views see a consistent count at each notification.
void EventLogModel::entryAdded(int dropped)
{
    if (dropped > 0 && m_rows > 0) {
        beginRemoveRows(QModelIndex(), 0, 0);
        --m_rows;
        endRemoveRows();
    }
    beginInsertRows(QModelIndex(), m_rows, m_rows);
    ++m_rows;
    endInsertRows();
}
