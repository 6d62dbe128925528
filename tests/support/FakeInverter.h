// Plays a minimal inverter on one device of a FakeD2xxSource: answers device
// information, parameter and parameter set requests, acknowledges writes and
// resets, and records every frame the program sent. Writes are acknowledged
// but not applied to the values.
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
            }
        }
    }

private:
    FakeD2xxSource &m_source;
    int m_index;
    QTimer m_timer;
};
