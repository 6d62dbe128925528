// Plays a minimal inverter on one device of a FakeD2xxSource: answers device
// information, parameter and parameter set requests, acknowledges writes and
// resets, keeps sixteen motor memories, and records every frame the program
// sent. Writes are acknowledged but not applied to the values.
#pragma once

#include "FakeD2xxSource.h"
#include "FrameCodec.h"

#include <QMap>
#include <QObject>
#include <QTimer>

#include <iterator>

class FakeInverter : public QObject
{
public:
    FakeInverter(FakeD2xxSource &source, int deviceIndex) : m_source(source), m_index(deviceIndex)
    {
        connect(&m_timer, &QTimer::timeout, this, &FakeInverter::serve);
        m_timer.start(5);
    }

    bool answering = true;
    uint16_t inverterType = 0x1211;
    uint16_t serial = 4711;
    QByteArray firmware = "v1.0.0";
    QMap<uint16_t, uint16_t> values;
    QVector<TestFrame::Decoded> received;
    // State answered (type 22) for a written parameter; absent ones are accepted.
    QMap<uint16_t, uint8_t> refusals;
    uint8_t resetStatus = 0;        // status of the type 19 answer to an error reset
    uint8_t factoryResetStatus = 0; // status of the type 20 answer to a factory reset
    // Motor memories by slot (0 = M1): type 13 loads one (type 14 answers, the
    // values also become current), type 15 frames store the pairs they carry
    // under the slot of their closing (20, slot) frame, type 17 deletes one.
    // Bit k of values[149] (MotorSets) follows slot k.
    QMap<uint16_t, QMap<uint16_t, uint16_t>> motorMemories;
    uint8_t motorStoreStatus = 0;  // status of the type 16 answer to the closing store frame
    uint8_t motorDeleteStatus = 0; // status of the type 18 answer to a delete

    int countOf(uint8_t type) const
    {
        int n = 0;
        for (const auto &f : received)
            n += f.type == type;
        return n;
    }

    void serve()
    {
        if (m_index >= m_source.deviceCount())
            return;
        const auto frames = TestFrame::decodeAll(m_source.takeWritten(m_index));
        for (const auto &f : frames) {
            received.append(f);
            if (!answering)
                continue;
            if (f.type == 9) {
                m_source.feedReceived(m_index, TestFrame::makeDeviceInfo(inverterType, serial, firmware));
            } else if (f.type == 6) {
                QVector<QPair<uint16_t, uint16_t>> pairs;
                for (const auto &p : f.pairs)
                    pairs.append({p.first, values.value(p.first)});
                m_source.feedReceived(m_index, TestFrame::makePairs(7, 0, pairs));
            } else if (f.type == 4) {
                // The whole set, twelve pairs a frame.
                QVector<QPair<uint16_t, uint16_t>> pairs;
                for (auto it = values.cbegin(); it != values.cend(); ++it) {
                    pairs.append({it.key(), it.value()});
                    if (pairs.size() == 12 || std::next(it) == values.cend()) {
                        m_source.feedReceived(m_index, TestFrame::makePairs(5, 0, pairs));
                        pairs.clear();
                    }
                }
            } else if (f.type == 8) {
                QVector<QPair<uint16_t, uint16_t>> states;
                for (const auto &p : f.pairs)
                    states.append({p.first, refusals.value(p.first, 0)});
                m_source.feedReceived(m_index, TestFrame::makePairs(22, 0, states));
            } else if (f.type == 1) {
                m_source.feedReceived(m_index, TestFrame::make(19, resetStatus));
            } else if (f.type == 2) {
                m_source.feedReceived(m_index, TestFrame::make(20, factoryResetStatus));
            } else if (f.type == 13 || f.type == 15 || f.type == 17) {
                serveMotorMemory(f);
            }
        }
    }

private:
    static constexpr uint16_t MotorCode = 20;
    static constexpr uint16_t MotorSets = 149;

    void serveMotorMemory(const TestFrame::Decoded &f)
    {
        const bool closing = f.pairs.size() == 1 && f.pairs.first().first == MotorCode;
        const uint16_t slot = closing ? f.pairs.first().second : 0;
        if (f.type == 13) {
            if (!closing || !motorMemories.contains(slot))
                return;
            const QMap<uint16_t, uint16_t> set = motorMemories.value(slot);
            QVector<QPair<uint16_t, uint16_t>> pairs;
            for (auto it = set.cbegin(); it != set.cend(); ++it) {
                values[it.key()] = it.value();
                pairs.append({it.key(), it.value()});
                if (pairs.size() == 12 || std::next(it) == set.cend()) {
                    m_source.feedReceived(m_index, TestFrame::makePairs(14, 0, pairs));
                    pairs.clear();
                }
            }
        } else if (f.type == 15) {
            QVector<QPair<uint16_t, uint16_t>> states;
            for (const auto &p : f.pairs)
                states.append({p.first, 0});
            if (!closing) {
                for (const auto &p : f.pairs)
                    m_storing[p.first] = p.second;
                m_source.feedReceived(m_index, TestFrame::makePairs(16, 0, states));
                return;
            }
            if (motorStoreStatus == 0) {
                motorMemories[slot] = m_storing;
                values[MotorSets] = uint16_t(values.value(MotorSets) | (1u << slot));
            }
            m_storing.clear();
            m_source.feedReceived(m_index, TestFrame::makePairs(16, motorStoreStatus, states));
        } else if (closing) {
            if (motorDeleteStatus == 0) {
                motorMemories.remove(slot);
                values[MotorSets] = uint16_t(values.value(MotorSets) & ~(1u << slot));
            }
            m_source.feedReceived(m_index, TestFrame::make(18, motorDeleteStatus));
        }
    }

    QMap<uint16_t, uint16_t> m_storing;
    FakeD2xxSource &m_source;
    int m_index;
    QTimer m_timer;
};
