// Everything the simulator sends passes through here: optional latency before
// an answer leaves, and optional pacing at the wire speed of the line settings.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <deque>

class PtyEndpoint;

class TransmitQueue : public QObject
{
    Q_OBJECT

public:
    explicit TransmitQueue(PtyEndpoint *endpoint, QObject *parent = nullptr);

    void setLatency(int32_t milliseconds) { m_latencyMs = milliseconds < 0 ? 0 : milliseconds; }
    int32_t latency() const { return m_latencyMs; }
    // Paced output leaves at baud / bits-per-character bytes per second
    // (3840 bytes/s at 38400 baud 8N1).
    void setPaced(bool paced) { m_paced = paced; }
    bool isPaced() const { return m_paced; }

    // Queues bytes; they leave after the latency, in the order queued.
    void send(const QByteArray &bytes);
    // Drops everything not yet sent (the terminal went away).
    void clear();

    bool isEmpty() const { return m_items.empty(); }
    qint64 sentBytes() const { return m_sent; }
    // Bytes the terminal did not take (nobody reads the slave side).
    qint64 lostBytes() const { return m_lost; }

private:
    struct Item
    {
        qint64 due = 0;
        QByteArray bytes;
        int32_t offset = 0;
    };

    void pump();
    void writeOut(const char *data, int32_t length);
    void arm(qint64 delayMs);

    PtyEndpoint *m_endpoint = nullptr;
    std::deque<Item> m_items;
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_wireFreeMs = 0; // when the last paced byte has left the wire
    int32_t m_latencyMs = 0;
    bool m_paced = false;
    qint64 m_sent = 0;
    qint64 m_lost = 0;
};
