// Plays a minimal inverter on one device of a FakeD2xxSource: answers device
// information and parameter requests, and records every frame the program sent.
#pragma once

#include "FakeD2xxSource.h"
#include "FrameCodec.h"

#include <QMap>
#include <QObject>
#include <QTimer>

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
    QMap<uint16_t, uint16_t> values;
    QVector<TestFrame::Decoded> received;

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
                m_source.feedReceived(m_index, TestFrame::makeDeviceInfo(inverterType, serial, "v1.0.0"));
            } else if (f.type == 6) {
                QVector<QPair<uint16_t, uint16_t>> pairs;
                for (const auto &p : f.pairs)
                    pairs.append({p.first, values.value(p.first)});
                m_source.feedReceived(m_index, TestFrame::makePairs(7, 0, pairs));
            }
        }
    }

private:
    FakeD2xxSource &m_source;
    int m_index;
    QTimer m_timer;
};
