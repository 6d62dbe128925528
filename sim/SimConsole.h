// Line commands on standard input that steer the simulator while it runs:
// faults, inputs, parameters, unplugging, status. "help" lists them.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class InverterSimulator;
class QSocketNotifier;

class SimConsole : public QObject
{
    Q_OBJECT

public:
    explicit SimConsole(InverterSimulator *simulator, QObject *parent = nullptr);
    ~SimConsole() override;

    // Reads commands from the descriptor (standard input by default) and
    // prints the answers on standard output.
    void start(int fd = 0);
    // Runs one command line and returns the answer text.
    QString execute(const QString &line);

    static QString helpText();

signals:
    void quitRequested();

private:
    void onReadable();

    InverterSimulator *m_simulator = nullptr;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QByteArray m_pending;
    int m_fd = -1;
};
