#include "EventLogFilter.h"

#include "EventLogModel.h"

void EventLogFilter::setKind(int kind)
{
    m_kind = kind;
    invalidateFilter();
}

void EventLogFilter::setSearchText(const QString &text)
{
    m_search = text.trimmed();
    invalidateFilter();
}

bool EventLogFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    if (m_kind >= 0 && index.data(EventLogModel::KindRole).toInt() != m_kind)
        return false;
    return m_search.isEmpty() || index.data(Qt::DisplayRole).toString().contains(m_search, Qt::CaseInsensitive);
}
