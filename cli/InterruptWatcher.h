#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

// Turns Ctrl+C (SIGINT) and SIGTERM into a signal on the event loop, so that a
// command can end cleanly: the device closed, a file not left half written.
// The handler only writes one byte into a pipe; the notifier reads it.
class InterruptWatcher : public QObject
{
    Q_OBJECT

public:
    explicit InterruptWatcher(QObject *parent = nullptr);
    ~InterruptWatcher() override;

signals:
    void interrupted();

private:
    void drain();

    std::unique_ptr<QSocketNotifier> m_notifier;
};
