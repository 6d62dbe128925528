#pragma once

#include "CliOptions.h"
#include "ExitStatus.h"

#include <QObject>
#include <QString>

class InverterSession;

// One command of torvana-cli. prepare() checks the arguments and files before
// anything is opened, so that a usage error or a bad file sends no frame;
// run() does the work once the inverter is ready (at once for commands that
// need none) and ends with finished().
class CliCommand : public QObject
{
    Q_OBJECT

public:
    CliCommand(const CliOptions &options, InverterSession *session, QObject *parent = nullptr);

    [[nodiscard]] virtual bool needsInverter() const { return true; }
    // Done to go on; any other status ends the program with it (the message is printed).
    [[nodiscard]] virtual ExitStatus prepare() { return ExitStatus::Done; }
    virtual void run() = 0;
    // Ctrl+C or a termination request. Ends with Interrupted unless the command
    // has a better end (the monitor ends normally; the firmware update refuses).
    virtual void interrupt();

signals:
    void finished(ExitStatus status);

protected:
    void finish(ExitStatus status = ExitStatus::Done);
    // The message on standard error, then finished(status).
    void fail(ExitStatus status, const QString &message);
    // For prepare(): the message on standard error; answers the status.
    static ExitStatus refuse(ExitStatus status, const QString &message);

    InverterSession &session() const { return *m_session; }
    const CliOptions &options() const { return m_options; }

private:
    const CliOptions m_options;
    InverterSession *m_session = nullptr;
    bool m_finished = false;
};
