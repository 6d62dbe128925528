// Faults of the link that the simulator can play on request: silence, damaged
// frames, garbage bursts, refused parameters and failing motor memory stores. Faults of the drive
// (errors, warnings) live in InverterModel; latency and pacing in TransmitQueue.
#pragma once

#include "CommErrorCode.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>

#include <cstdint>

class FaultInjector : public QObject
{
    Q_OBJECT

public:
    explicit FaultInjector(QObject *parent = nullptr);

    void setSeed(quint32 seed) { m_random.seed(seed); }

    // A silent inverter neither takes nor answers frames.
    void setSilent(bool silent) { m_silent = silent; }
    bool isSilent() const { return m_silent; }

    // Share of outgoing frames (0 to 100 %) that get one data byte changed, so
    // that their CRC no longer matches.
    void setCorruptPercent(int32_t percent);
    int32_t corruptPercent() const { return m_corruptPercent; }
    // Damages the frame in place when chosen; true when it did.
    bool corruptFrame(QByteArray &frame);
    qint64 corruptedFrames() const { return m_corrupted; }

    // Bursts of random bytes: one now (period 0) or one every period.
    void setGarbage(int32_t bytes, int32_t periodMs);
    int32_t garbageBytes() const { return m_garbageBytes; }
    int32_t garbagePeriod() const { return m_garbageTimer.isActive() ? m_garbageTimer.interval() : 0; }
    void burstGarbage(int32_t bytes);

    // Overall result of every motor memory store: 0 (no failure), 0x10 or 0x20.
    void setMemoryFailure(CommErrorCode code) { m_memoryFailure = code; }
    CommErrorCode memoryFailure() const { return m_memoryFailure; }

    // Writes of the parameter are answered with this state (1, 2 or 4) and not
    // applied, like a firmware that disagrees with the program; 0 removes it.
    void setRefusal(uint16_t id, CommErrorCode state);
    void clearRefusals() { m_refusals.clear(); }
    CommErrorCode refusal(uint16_t id) const { return m_refusals.value(id, CommError::NoError); }
    QMap<uint16_t, CommErrorCode> refusals() const { return m_refusals; }

signals:
    void garbage(const QByteArray &bytes);

private:
    QRandomGenerator m_random { QRandomGenerator::securelySeeded() };
    QTimer m_garbageTimer;
    int32_t m_garbageBytes = 0;
    int32_t m_corruptPercent = 0;
    qint64 m_corrupted = 0;
    CommErrorCode m_memoryFailure = CommError::NoError;
    QMap<uint16_t, CommErrorCode> m_refusals;
    bool m_silent = false;
};
