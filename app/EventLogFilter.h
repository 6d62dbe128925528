#pragma once

#include <QSortFilterProxyModel>

// The log window's filter: one kind of event (or all) and a search text that
// the line must contain, ignoring case.
class EventLogFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    // -1 for every kind.
    void setKind(int kind);
    void setSearchText(const QString &text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    int m_kind = -1;
    QString m_search;
};
