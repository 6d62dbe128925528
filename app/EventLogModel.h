#pragma once

#include <QAbstractListModel>

class EventLog;

// The session's event log as a list for the log window: one row per entry,
// oldest first, following the log as it grows and drops its oldest entries.
class EventLogModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role { KindRole = Qt::UserRole + 1, LineRole };

    // The log is not owned and must outlive the model.
    explicit EventLogModel(const EventLog &log, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    void entryAdded(int dropped);

    const EventLog &m_log;
    int m_rows = 0;
};
