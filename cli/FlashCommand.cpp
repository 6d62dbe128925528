#include "FlashCommand.h"

#include "Console.h"
#include "FirmwareImage.h"
#include "InverterSession.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include "D2xxSource.h"
#endif

namespace {

#ifdef Q_OS_WIN
const QString FlashTool = QStringLiteral("stm32flash.exe");
#else
const QString FlashTool = QStringLiteral("stm32flash");
#endif
const QString TemporarySuffix = QStringLiteral(".tmp");

// The steps of the firmware page, in milliseconds; the bootloader reset frame
// (17 ms on the wire) leaves before the port is released.
constexpr int ResetSettleMs = 50;
constexpr int PortReleaseMs = 1500;
constexpr int ToolPollMs = 50;
// Without a terminal, progress is a line per this many per mille.
constexpr int ProgressLineStep = 100;
// What is kept of the tool's other output, for the message when it fails.
constexpr int KeptOutput = 2000;

} // namespace

ExitStatus FlashCommand::prepare()
{
    if (options().arguments.size() != 1)
        return refuse(ExitStatus::Usage, tr("flash erwartet genau eine Firmware-Datei."));
    const QString fileName = options().arguments.constFirst();
    QFile file(fileName);
    const QFileInfo info(fileName);
    if (!info.isFile() || !info.isReadable() || info.size() < 1 || !file.open(QIODevice::ReadOnly))
        return refuse(ExitStatus::Usage,
                      tr("Die ausgewählte Datei ist nicht lesbar oder keine gültige Firmware-Datei!"));
    // An image larger than the firmware region is refused from its first bytes.
    m_firmware = file.read(qint64(FirmwareImage::FirmwareEnd - FirmwareImage::FirmwareStart) + 1);
    if (m_firmware.isEmpty())
        return refuse(ExitStatus::Usage,
                      tr("Die ausgewählte Datei ist nicht lesbar oder keine gültige Firmware-Datei!"));
    switch (FirmwareImage::check(m_firmware).verdict) {
    case FirmwareImage::Verdict::Valid:
        break;
    case FirmwareImage::Verdict::TooLarge:
        return refuse(ExitStatus::Usage, tr("Die Datei ist größer als der Firmware-Bereich des Umrichters."));
    case FirmwareImage::Verdict::IsBootloader:
        return refuse(ExitStatus::Usage, tr("Die Datei ist ein Bootloader, keine Firmware."));
    default:
        return refuse(ExitStatus::Usage,
                      tr("Die Datei beginnt nicht mit der Vektortabelle einer Firmware für diesen Umrichter."));
    }

    m_tool = QStandardPaths::findExecutable(FlashTool);
    if (m_tool.isEmpty())
        return refuse(ExitStatus::Usage, tr("Das Flash-Programm %1 wurde nicht gefunden.").arg(FlashTool));

    // The temporary image exists before the inverter is touched.
    m_folder = std::make_unique<QTemporaryDir>();
    m_imageFile = m_folder->filePath(info.fileName() + TemporarySuffix);
    const QByteArray image = FirmwareImage::temporaryImage(m_firmware);
    QFile imageFile(m_imageFile);
    if (!m_folder->isValid() || !imageFile.open(QIODevice::WriteOnly) || imageFile.write(image) != image.size()
        || !imageFile.flush())
        return refuse(ExitStatus::Usage, tr("Die temporäre Firmware-Datei konnte nicht geschrieben werden."));
    return ExitStatus::Done;
}

void FlashCommand::run()
{
    DatasetController &model = session().dataset();
    if (model.motorRunning()) {
        fail(ExitStatus::Refused, tr("Der an den Umrichter angeschlossene Motor ist gerade in Betrieb. Ein "
                                     "Firmware-Update kann jedoch nur bei stehendem Motor durchgeführt werden."));
        return;
    }
    if (model.motorHolding()) {
        fail(ExitStatus::Refused, tr("Der Umrichter ist gerade im Haltebetrieb. In dieser Betriebsart ist es jedoch "
                                     "nicht möglich, ein Firmware-Update durchzuführen. Bitte deaktivieren sie den "
                                     "Haltestrom, um das Update einspielen zu können."));
        return;
    }
    const int32_t comPort = session().communication().comPortNumber();
#ifdef Q_OS_WIN
    m_port = comPort >= 1 ? QStringLiteral("\\\\.\\COM%1").arg(comPort) : QString();
#else
    m_port = QString::fromStdString(D2xx::devicePathForComPort(comPort));
#endif
    if (m_port.isEmpty()) {
        fail(ExitStatus::Refused, tr("Firmware-Update abgebrochen! Die Portnummer der Kommunikationsverbindung "
                                     "konnte nicht bestimmt werden!"));
        return;
    }

    Console::err(tr("Achtung: Das Firmware-Update darf keinesfalls gestört oder abgebrochen werden! Die "
                    "USB-Verbindung und die Stromversorgung des Umrichters dürfen nicht unterbrochen werden!"));
    Console::progress(tr("Bootloader-Reset..."));
    m_step = Step::ResettingToBootloader;
    session().communication().sendBootloaderResetCommand();
    QTimer::singleShot(ResetSettleMs, this, &FlashCommand::releaseDevice);
}

void FlashCommand::interrupt()
{
    if (m_step == Step::Idle || m_step == Step::Reconnecting) {
        CliCommand::interrupt();
        return;
    }
    Console::err(tr("Das Firmware-Update darf nicht abgebrochen werden; bitte warten."));
}

void FlashCommand::releaseDevice()
{
    Console::progress(tr("Trenne Kommunikationsverbindung..."));
    m_step = Step::Releasing;
    // The controller closes the device on its next tick; the tool starts once
    // the port is free and the bootloader listens.
    session().releaseDevice();
    QTimer::singleShot(PortReleaseMs, this, &FlashCommand::startTool);
}

void FlashCommand::startTool()
{
    m_step = Step::Flashing;
    Console::progress(tr("Firmware-Update..."));
    m_process.setReadChannel(QProcess::StandardOutput);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(&m_process, &QProcess::started, this, [this] { m_toolStarted = true; });
    m_process.start(m_tool, FirmwareImage::firmwareArguments(m_imageFile, m_port), QIODevice::ReadWrite);
    connect(&m_watchTimer, &QTimer::timeout, this, &FlashCommand::watchTool);
    m_watchTimer.start(ToolPollMs);
}

void FlashCommand::watchTool()
{
    if (m_process.bytesAvailable() > 0) {
        if (const auto progress = FirmwareImage::progress(m_process.peek(m_process.bytesAvailable()))) {
            m_toolOutput = (m_toolOutput + m_process.read(progress->consumed)).right(KeptOutput);
            const bool terminal = Console::errorIsTerminal();
            const int step = terminal ? 1 : ProgressLineStep;
            if (progress->permille / step != m_shownPermille / step) {
                m_shownPermille = progress->permille;
                Console::progress(tr("Firmware-Update... %1 %").arg(progress->permille / 10.0, 0, 'f', 1));
            }
        }
    }
    if (m_process.state() == QProcess::NotRunning)
        toolFinished();
}

void FlashCommand::toolFinished()
{
    m_watchTimer.stop();
    m_toolOutput = (m_toolOutput + m_process.readAll()).right(KeptOutput);
    const bool success = m_toolStarted && m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    if (!success) {
        m_step = Step::Idle;
        Console::endProgress();
        if (!m_toolOutput.trimmed().isEmpty())
            Console::err(QString::fromLocal8Bit(m_toolOutput).replace(QLatin1Char('\r'), QLatin1Char('\n')).trimmed());
        fail(ExitStatus::Refused,
             m_toolStarted ? tr("Firmware-Update fehlgeschlagen (%1 endete mit %2)! Bitte starten Sie den Umrichter "
                                "neu!").arg(FlashTool).arg(m_process.exitCode())
                           : tr("Firmware-Update fehlgeschlagen (%1 startete nicht)! Bitte starten Sie den "
                                "Umrichter neu!").arg(FlashTool));
        return;
    }
    Console::progress(tr("Update erfolgreich abgeschlossen. Reboot..."));
    Console::endProgress();
    Console::err(tr("Verbindungsaufbau..."));
    m_step = Step::Reconnecting;
    connect(&session(), &InverterSession::ready, this, &FlashCommand::reconnected);
    session().start(options().timeoutSeconds);
}

void FlashCommand::reconnected()
{
    const QByteArray bytes = session().dataset().deviceFirmware();
    const QString firmware =
        QString::fromUtf8(bytes.constData(), int(qstrnlen(bytes.constData(), uint(bytes.size())))).trimmed();
    Console::err(tr("Firmware-Update erfolgreich abgeschlossen!"));
    Console::out(QStringLiteral("firmware %1").arg(firmware));
    finish();
}
