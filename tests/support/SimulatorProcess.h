// The inverter simulator as a child process: it prints its pseudo-terminal
// first, then answers console commands line by line. start() points the
// program's port list (TORVANA_SERIAL_PORTS) at that terminal.
#pragma once

#include <QProcess>
#include <QRegularExpression>

class SimulatorProcess
{
public:
    ~SimulatorProcess() { quit(); }

    [[nodiscard]] bool start(const QString &program, const QStringList &arguments = {})
    {
        m_process.start(program, arguments);
        if (!m_process.waitForStarted(5000) || !m_process.waitForReadyRead(5000))
            return false;
        m_terminal = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        qputenv("TORVANA_SERIAL_PORTS", m_terminal.toLocal8Bit());
        return m_terminal.startsWith(QLatin1Char('/'));
    }

    QString terminal() const { return m_terminal; }

    // Sends a console command; the first answer line matching `answer`, empty when none came.
    QString command(const QString &line, const QRegularExpression &answer)
    {
        m_process.readAllStandardOutput();
        m_process.write((line + QLatin1Char('\n')).toLatin1());
        while (m_process.canReadLine() || m_process.waitForReadyRead(3000)) {
            while (m_process.canReadLine()) {
                const QString text = QString::fromLatin1(m_process.readLine()).trimmed();
                if (answer.match(text).hasMatch())
                    return text;
            }
        }
        return {};
    }

    // The simulator's raw value of a parameter; -1 without an answer.
    int value(uint16_t id)
    {
        const QRegularExpression answer(QStringLiteral("^P%1 = (\\d+)").arg(id));
        const auto match = answer.match(command(QStringLiteral("get %1").arg(id), answer));
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }

    void quit()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.write("quit\n");
        if (!m_process.waitForFinished(3000))
            m_process.kill();
    }

private:
    QProcess m_process;
    QString m_terminal;
};
