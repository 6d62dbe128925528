#include "InverterModel.h"

#include "ParameterCatalogue.h"
#include "ParameterId.h"

#include <cmath>

namespace {

// The low four bits of RelayAndLEDControl report the outputs; only the
// inversion bits above them are settings.
constexpr uint16_t OutputStateBits = 0x000F;

bool isOperating(const ParameterDescriptor *d) { return d->accessClass & Access::Operating; }

// Operating values that the inverter keeps in its EEPROM or knows of itself.
bool keptOverPowerCycle(uint16_t id)
{
    return id == Param::Inverter || id == Param::SerialNumber || id == Param::RuntimeInverter
        || id == Param::RuntimeMotor || (id >= Param::FirstError && id <= Param::FifthError) || id == Param::MotorSets;
}

} // namespace

InverterModel::InverterModel(QObject *parent)
    : QObject(parent)
    , m_catalogue(std::make_unique<ParameterCatalogue>())
{
    m_catalogue->restoreDefaults();
    for (uint16_t id : m_catalogue->ids()) {
        if (id < SlotCount)
            m_defaults[id] = m_catalogue->descriptor(id)->raw();
    }
    for (uint16_t id = 0; id < SlotCount; ++id) {
        const ParameterDescriptor *d = m_catalogue->descriptor(id);
        if (d && !isOperating(d))
            m_raw[id] = m_defaults[id];
    }
    m_eeprom = m_raw;
}

InverterModel::~InverterModel() = default;

QVector<uint16_t> InverterModel::ids() const
{
    return m_catalogue->ids();
}

bool InverterModel::isKnown(uint16_t id) const
{
    return m_catalogue->descriptor(id) != nullptr;
}

void InverterModel::setRaw(uint16_t id, uint16_t raw)
{
    if (id < SlotCount)
        m_raw[id] = raw;
}

bool InverterModel::isInRange(uint16_t id, uint16_t raw) const
{
    const ParameterDescriptor *d = m_catalogue->descriptor(id);
    if (!d)
        return false;
    if (d->isEnumeration())
        return d->enumeration.contains(raw);
    if (d->hasOffState && raw == 0)
        return true;
    const double divisor = d->divisor > 0 ? d->divisor : 1;
    if (d->minimum < 0) // offset encoding: raw 0 is the minimum
        return raw <= std::lround((d->maximum - d->minimum) * divisor);
    return raw >= std::lround(d->minimum * divisor) && raw <= std::lround(d->maximum * divisor);
}

CommErrorCode InverterModel::write(uint16_t id, uint16_t raw)
{
    const ParameterDescriptor *d = m_catalogue->descriptor(id);
    if (!d)
        return CommError::InvalidParameterId;
    if (isOperating(d))
        return CommError::ChangeNotPermitted;
    if ((d->accessClass & Access::StoppedOnly) && motorRuns())
        return CommError::ChangeNotPermitted;
    if (!isInRange(id, raw))
        return CommError::ValueOutOfRange;
    if (id == Param::RelayAndLEDControl)
        raw = uint16_t((raw & ~OutputStateBits) | (m_raw[id] & OutputStateBits));
    m_raw[id] = raw;
    return CommError::NoError;
}

bool InverterModel::motorRuns() const
{
    return m_raw[Param::InverterFlags] & InverterFlag::MotorRuns;
}

void InverterModel::storeInEeprom()
{
    for (uint16_t id : ids()) {
        const ParameterDescriptor *d = m_catalogue->descriptor(id);
        if (!isOperating(d))
            m_eeprom[id] = m_raw[id];
    }
}

void InverterModel::powerOn()
{
    for (uint16_t id : ids()) {
        const ParameterDescriptor *d = m_catalogue->descriptor(id);
        if (!isOperating(d))
            m_raw[id] = m_eeprom[id];
    }
    m_raw[Param::RelayAndLEDControl] &= ~OutputStateBits;
    m_raw[Param::StartStop] = 0; // the motor never starts by itself after power-on
    // Operating values start from rest; identity, counters and history survive.
    for (uint16_t id : ids()) {
        if (isOperating(m_catalogue->descriptor(id)) && !keptOverPowerCycle(id))
            m_raw[id] = 0;
    }
    m_warnings.clear();
    m_conditionWarnings.clear();
    if (!m_errorPersistent)
        m_error = 0;
    refreshFaultFlags();
    emit faultsChanged();
}

CommErrorCode InverterModel::factoryReset()
{
    if (motorRuns())
        return CommError::ChangeNotPermitted;
    for (uint16_t id : ids()) {
        const ParameterDescriptor *d = m_catalogue->descriptor(id);
        if (isOperating(d))
            continue;
        m_raw[id] = id == Param::RelayAndLEDControl ? uint16_t((m_defaults[id] & ~OutputStateBits) | (m_raw[id] & OutputStateBits))
                              : m_defaults[id];
    }
    storeInEeprom();
    return CommError::NoError;
}

InverterModel::MotorStoreResult InverterModel::storeMotorSet(uint16_t slot, const Pairs &pairs)
{
    MotorStoreResult result;
    if (slot >= MotorMemoryCount) {
        result.general = CommError::ParametersetMemoryUnusable;
        return result;
    }
    // Members not sent keep their current value, so a stored set is always complete.
    QMap<uint16_t, uint16_t> memory;
    for (uint16_t id : ids()) {
        if (m_catalogue->descriptor(id)->inMotorSet)
            memory.insert(id, m_raw[id]);
    }
    for (const auto &pair : pairs) {
        const ParameterDescriptor *d = m_catalogue->descriptor(pair.first);
        CommErrorCode state = CommError::NoError;
        if (!d || !d->inMotorSet)
            state = CommError::InvalidParameterId;
        else if (!isInRange(pair.first, pair.second))
            state = CommError::ValueOutOfRange;
        else
            memory.insert(pair.first, pair.second);
        result.states.append({ pair.first, state });
    }
    result.states.append({ uint16_t(Param::MotorCode), CommError::NoError });
    m_memories[slot] = memory;
    m_raw[Param::MotorSets] = motorSetMask();
    return result;
}

bool InverterModel::loadMotorSet(uint16_t slot, Pairs *loaded)
{
    if (slot >= MotorMemoryCount || m_memories[slot].isEmpty() || motorRuns())
        return false;
    const QMap<uint16_t, uint16_t> &memory = m_memories[slot];
    for (auto it = memory.cbegin(); it != memory.cend(); ++it) {
        m_raw[it.key()] = it.value();
        if (loaded)
            loaded->append({ it.key(), it.value() });
    }
    return true;
}

CommErrorCode InverterModel::deleteMotorSet(uint16_t slot)
{
    if (slot >= MotorMemoryCount)
        return CommError::ParametersetMemoryUnusable;
    m_memories[slot].clear();
    m_raw[Param::MotorSets] = motorSetMask();
    return CommError::NoError;
}

uint16_t InverterModel::motorSetMask() const
{
    uint16_t mask = 0;
    for (uint16_t n = 0; n < MotorMemoryCount; ++n) {
        if (!m_memories[n].isEmpty())
            mask |= uint16_t(1u << n);
    }
    return mask;
}

InverterModel::Pairs InverterModel::motorSet(uint16_t slot) const
{
    Pairs pairs;
    if (slot >= MotorMemoryCount)
        return pairs;
    const QMap<uint16_t, uint16_t> &memory = m_memories[slot];
    for (auto it = memory.cbegin(); it != memory.cend(); ++it)
        pairs.append({ it.key(), it.value() });
    return pairs;
}

void InverterModel::raiseError(uint16_t code, bool persistent)
{
    if (code == 0)
        return;
    if (m_error != code)
        logCode(code);
    m_error = code;
    m_errorPersistent = persistent;
    m_raw[Param::StartStop] = 0; // a fault ends the start command; the motor needs a new one
    refreshFaultFlags();
    emit errorRaised(code);
    emit faultsChanged();
}

void InverterModel::raiseWarning(uint16_t code)
{
    if (code == 0 || m_warnings.contains(code))
        return;
    if (!m_conditionWarnings.contains(code))
        logCode(code);
    m_warnings.append(code);
    refreshFaultFlags();
    emit faultsChanged();
}

void InverterModel::setConditionWarning(uint16_t code, bool active)
{
    if (active == m_conditionWarnings.contains(code))
        return;
    if (active) {
        if (!m_warnings.contains(code))
            logCode(code);
        m_conditionWarnings.append(code);
    } else {
        m_conditionWarnings.removeAll(code);
    }
    refreshFaultFlags();
    emit faultsChanged();
}

CommErrorCode InverterModel::resetFaults()
{
    if (m_error && m_errorPersistent)
        return CommError::ChangeNotPermitted;
    m_error = 0;
    m_warnings.clear();
    refreshFaultFlags();
    emit faultsChanged();
    return CommError::NoError;
}

void InverterModel::clearFaults()
{
    m_error = 0;
    m_errorPersistent = false;
    m_warnings.clear();
    m_conditionWarnings.clear();
    refreshFaultFlags();
    emit faultsChanged();
}

QVector<uint16_t> InverterModel::activeWarnings() const
{
    QVector<uint16_t> all = m_warnings;
    for (uint16_t code : m_conditionWarnings) {
        if (!all.contains(code))
            all.append(code);
    }
    return all;
}

void InverterModel::setClock(const QDateTime &utc)
{
    m_clock = utc;
    m_clockAge.start();
}

QDateTime InverterModel::clock() const
{
    if (!m_clock.isValid())
        return m_clock;
    return m_clock.addMSecs(m_clockAge.elapsed());
}

void InverterModel::logCode(uint16_t code)
{
    for (uint16_t id = Param::FifthError; id > Param::FirstError; --id)
        m_raw[id] = m_raw[id - 1];
    m_raw[Param::FirstError] = code;
}

void InverterModel::refreshFaultFlags()
{
    uint16_t flags = m_raw[Param::InverterFlags] & ~uint16_t(InverterFlag::Warning | InverterFlag::Error);
    if (!m_warnings.isEmpty() || !m_conditionWarnings.isEmpty())
        flags |= InverterFlag::Warning;
    if (m_error)
        flags |= InverterFlag::Error;
    m_raw[Param::InverterFlags] = flags;
}
