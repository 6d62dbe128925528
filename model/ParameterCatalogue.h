#pragma once

#include "ParameterDescriptor.h"
#include "ParameterId.h"

#include <QVector>

#include <memory>
#include <vector>

// The program's one table of every inverter parameter: 150 slots indexed by the
// parameter number, most of them empty. Built completely by the constructor;
// descriptors never move, so pointers to them stay valid for its lifetime.
class ParameterCatalogue
{
public:
    ParameterCatalogue();
    ~ParameterCatalogue();
    ParameterCatalogue(const ParameterCatalogue &) = delete;
    ParameterCatalogue &operator=(const ParameterCatalogue &) = delete;

    // Null for an empty slot or a number >= 150. Direct index, no search.
    ParameterDescriptor *descriptor(uint16_t id) const
    {
        return id < m_slots.size() ? m_slots[id].get() : nullptr;
    }

    // Ascending parameter numbers.
    const QVector<uint16_t> &cyclicList() const { return m_cyclic; }
    const QVector<uint16_t> &stoppedOnlyList() const { return m_stoppedOnly; }
    const QVector<uint16_t> &convertibleList() const { return m_convertible; }

    // Every non-empty slot, ascending.
    QVector<uint16_t> ids() const;

    // Sets every value back to its default (and the off state to its initial one).
    void restoreDefaults();

private:
    std::vector<std::unique_ptr<ParameterDescriptor>> m_slots;
    QVector<uint16_t> m_cyclic;
    QVector<uint16_t> m_stoppedOnly;
    QVector<uint16_t> m_convertible;
};
