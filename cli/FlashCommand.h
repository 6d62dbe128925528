#pragma once

#include "CliCommand.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

// flash IMAGE: the firmware update of the program's firmware page, without
// the bootloader option. The image is checked and its temporary copy with
// version and CRC written before the inverter is touched; then the inverter is
// sent into its bootloader, the device released, the flashing tool run on the
// same port with its progress on standard error, and after success the
// connection made again and the new firmware version printed.
class FlashCommand : public CliCommand
{
    Q_OBJECT

public:
    using CliCommand::CliCommand;

    ExitStatus prepare() override;
    void run() override;
    void interrupt() override;

private:
    enum class Step { Idle, ResettingToBootloader, Releasing, Flashing, Reconnecting };

    void releaseDevice();
    void startTool();
    void watchTool();
    void toolFinished();
    void reconnected();

    QByteArray m_firmware;
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_imageFile;
    QString m_port;
    QString m_tool;
    Step m_step = Step::Idle;
    QProcess m_process;
    bool m_toolStarted = false;
    QTimer m_watchTimer;
    int m_shownPermille = -1;
    QByteArray m_toolOutput;
};
