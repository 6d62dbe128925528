// The inverter's parameter state as its firmware keeps it: current raw values,
// the copy stored in EEPROM, the sixteen motor memories, the fault state with
// the error history, the device identity and the clock. Limits, defaults,
// access classes and motor set membership come from the program's parameter
// catalogue, so the simulator checks exactly what the program knows.
#pragma once

#include "CommErrorCode.h"
#include "ParameterId.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QVector>

#include <array>
#include <cstdint>
#include <memory>

class ParameterCatalogue;

class InverterModel : public QObject
{
    Q_OBJECT

public:
    static constexpr uint16_t SlotCount = 150;
    static constexpr uint16_t MotorMemoryCount = 16;
    using Pairs = QVector<QPair<uint16_t, uint16_t>>;

    struct MotorStoreResult
    {
        CommErrorCode general = CommError::NoError;
        // One state per stored pair in the order received, then (MotorCode, 0).
        QVector<QPair<uint16_t, CommErrorCode>> states;
    };

    explicit InverterModel(QObject *parent = nullptr);
    ~InverterModel() override;

    const ParameterCatalogue &catalogue() const { return *m_catalogue; }
    // Every parameter number the inverter knows, ascending.
    QVector<uint16_t> ids() const;
    bool isKnown(uint16_t id) const;
    uint16_t raw(uint16_t id) const { return id < SlotCount ? m_raw[id] : 0; }
    // Stores without any check (drive, console, start-up presets).
    void setRaw(uint16_t id, uint16_t raw);
    // Whether the raw value decodes into the catalogue's limits: divisor and
    // offset, the off value 0 where there is one, enumeration codes of the map.
    bool isInRange(uint16_t id, uint16_t raw) const;
    // A write received over the link, with the inverter's checks: 1 unknown
    // number, 2 operating value or stopped-only parameter while the motor runs,
    // 4 out of range; the value is stored only on 0.
    CommErrorCode write(uint16_t id, uint16_t raw);
    bool motorRuns() const;

    uint16_t inverterType() const { return m_raw[Param::Inverter]; }
    void setInverterType(uint16_t type) { m_raw[Param::Inverter] = type; }
    uint16_t serialNumber() const { return m_raw[Param::SerialNumber]; }
    void setSerialNumber(uint16_t serial) { m_raw[Param::SerialNumber] = serial; }
    QByteArray firmware() const { return m_firmware; }
    void setFirmware(const QByteArray &text) { m_firmware = text; }

    // EEPROM: the stored copy survives a power cycle, the current values do not.
    void storeInEeprom();
    // Start-up after power-on or reset: settings from EEPROM, motor stopped,
    // transient faults gone (persistent ones and the error history stay).
    void powerOn();
    // Catalogue defaults become current and stored; refused while the motor runs.
    CommErrorCode factoryReset();
    uint16_t defaultRaw(uint16_t id) const { return id < SlotCount ? m_defaults[id] : 0; }

    // Motor memories M1..M16 (slot 0..15, the program's motor code). Members of the motor set are kept,
    // other numbers are refused with state 1, values out of range with 4.
    MotorStoreResult storeMotorSet(uint16_t slot, const Pairs &pairs);
    // The memory's values become current; false for an empty or invalid slot
    // and while the motor runs.
    bool loadMotorSet(uint16_t slot, Pairs *loaded);
    CommErrorCode deleteMotorSet(uint16_t slot);
    // Bit n set while memory n + 1 holds a set (MotorSets, 149).
    uint16_t motorSetMask() const;
    Pairs motorSet(uint16_t slot) const;

    // Faults. An error stops the motor and is logged in the history (30 newest);
    // warnings are logged when they appear.
    void raiseError(uint16_t code, bool persistent = false);
    void raiseWarning(uint16_t code);
    // Warnings that the drive raises while a condition holds.
    void setConditionWarning(uint16_t code, bool active);
    // Error reset from the link or a reset input: fails (2) while a persistent error is active.
    CommErrorCode resetFaults();
    // Console: clears every error and warning, persistent ones as well.
    void clearFaults();
    uint16_t activeError() const { return m_error; }
    bool isErrorPersistent() const { return m_errorPersistent; }
    QVector<uint16_t> activeWarnings() const;

    void setClock(const QDateTime &utc);
    // The inverter's clock (running on from the last setting), invalid before one.
    QDateTime clock() const;

signals:
    void errorRaised(uint16_t code);
    void faultsChanged();

private:
    void logCode(uint16_t code);
    void refreshFaultFlags();

    std::unique_ptr<ParameterCatalogue> m_catalogue;
    std::array<uint16_t, SlotCount> m_raw {};
    std::array<uint16_t, SlotCount> m_eeprom {};
    std::array<uint16_t, SlotCount> m_defaults {};
    std::array<QMap<uint16_t, uint16_t>, MotorMemoryCount> m_memories;
    QByteArray m_firmware;
    QVector<uint16_t> m_warnings;          // injected, cleared by a reset
    QVector<uint16_t> m_conditionWarnings; // held by the drive while their condition lasts
    uint16_t m_error = 0;
    bool m_errorPersistent = false;
    QDateTime m_clock;
    QElapsedTimer m_clockAge;
};
