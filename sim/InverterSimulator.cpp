#include "InverterSimulator.h"

#include "BootloaderEmulator.h"
#include "DriveModel.h"
#include "FaultInjector.h"
#include "InverterModel.h"
#include "ParameterId.h"
#include "ProtocolServer.h"
#include "PtyEndpoint.h"
#include "TransmitQueue.h"

#include <QStringList>

InverterSimulator::InverterSimulator(const SimulatorOptions &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_endpoint(new PtyEndpoint(this))
    , m_queue(new TransmitQueue(m_endpoint, this))
    , m_faults(new FaultInjector(this))
    , m_model(new InverterModel(this))
    , m_drive(new DriveModel(m_model, this))
    , m_bootloader(new BootloaderEmulator(this))
    , m_server(new ProtocolServer(m_endpoint, m_model, m_bootloader, m_queue, m_faults, this))
{
    m_endpoint->setLinkPath(options.linkPath);
    m_endpoint->setPathFile(options.pathFile);

    m_model->setInverterType(options.inverterType);
    m_model->setSerialNumber(options.serialNumber);
    m_model->setFirmware(options.firmware);
    for (const auto &preset : options.presets)
        m_model->setRaw(preset.first, preset.second);
    m_model->storeInEeprom();
    if (options.errorCode)
        m_model->raiseError(options.errorCode, options.persistentError);
    if (options.warningCode)
        m_model->raiseWarning(options.warningCode);

    m_queue->setLatency(options.latencyMs);
    m_queue->setPaced(options.paced);
    if (options.seed)
        m_faults->setSeed(options.seed);
    m_faults->setSilent(options.silent);
    m_faults->setCorruptPercent(options.corruptPercent);
    m_faults->setMemoryFailure(options.memoryFailure);
    for (const auto &refusal : options.refusals)
        m_faults->setRefusal(refusal.first, refusal.second);
    connect(m_faults, &FaultInjector::garbage, m_queue, &TransmitQueue::send);

    m_replugTimer.setSingleShot(true);
    connect(&m_replugTimer, &QTimer::timeout, this, [this] { plugIn(); });
    m_cutTimer.setSingleShot(true);
    m_cutTimer.setInterval(LineCutGraceMs);
    connect(&m_cutTimer, &QTimer::timeout, this, [this] { unplug(m_cutReplugSeconds); });
    connect(m_server, &ProtocolServer::lineCut, &m_cutTimer, qOverload<>(&QTimer::start));
    connect(m_server, &ProtocolServer::applicationStarted, this, &InverterSimulator::onApplicationStarted);
    m_drive->reset();
}

InverterSimulator::~InverterSimulator()
{
    m_drive->stop();
    m_endpoint->close();
}

bool InverterSimulator::start(QString *errorText)
{
    if (!m_endpoint->open(errorText))
        return false;
    m_drive->start(m_options.tickMs);
    m_faults->setGarbage(m_options.garbageBytes, m_options.garbagePeriodMs);
    emit slavePathChanged(m_endpoint->slavePath());
    return true;
}

QString InverterSimulator::slavePath() const
{
    return m_endpoint->slavePath();
}

bool InverterSimulator::isPlugged() const
{
    return m_endpoint->isOpen();
}

void InverterSimulator::unplug(int32_t seconds)
{
    m_cutTimer.stop();
    m_replugTimer.stop();
    m_queue->clear();
    m_endpoint->close();
    m_drive->stop();
    emit unplugged();
    if (seconds >= 0)
        m_replugTimer.start(seconds * 1000);
}

void InverterSimulator::unplugAt(uint8_t type, int32_t count, int32_t seconds)
{
    m_cutReplugSeconds = seconds;
    m_server->cutLineAt(type, count);
}

bool InverterSimulator::plugIn(QString *errorText)
{
    m_cutTimer.stop();
    m_replugTimer.stop();
    if (m_endpoint->isOpen())
        return true;
    powerCycle();
    if (!m_endpoint->open(errorText))
        return false;
    m_drive->start(m_options.tickMs);
    emit slavePathChanged(m_endpoint->slavePath());
    return true;
}

void InverterSimulator::powerCycle()
{
    m_server->restart();
    m_model->powerOn();
    m_drive->reset();
    if (m_bricked)
        m_server->enterBootloader();
}

void InverterSimulator::onApplicationStarted()
{
    const FlashMemory &flash = m_bootloader->flash();
    uint32_t version = 0;
    if (flash.writtenFirmwareVersion(&version)) {
        m_model->setFirmware(FlashMemory::versionText(version));
        m_leftoverBytes = flash.leftoverBytes();
        if (m_leftoverBytes > 0)
            emit notice(QStringLiteral("%1 bytes of an earlier image are left behind the new firmware").arg(m_leftoverBytes));
    } else if (flash.imageVersion(FlashMemory::FlashBase, &version)) {
        m_bricked = true;
        emit notice(QStringLiteral("a firmware image (version %1) was written at 0x08000000 over the bootloader "
                                   "pages instead of at 0x08003000; the inverter no longer starts and stays in "
                                   "its bootloader")
                        .arg(QString::fromLatin1(FlashMemory::versionText(version))));
        m_server->enterBootloader();
        return;
    } else if (flash.bootloaderWritten()) {
        emit notice(QStringLiteral("the bootloader pages 0..5 were rewritten"));
    }
    m_model->powerOn();
    m_drive->reset();
    emit firmwareRestarted(m_model->firmware());
}

QString InverterSimulator::statusText() const
{
    const InverterModel &m = *m_model;
    QStringList lines;
    auto hex = [](uint32_t v, int width = 4) { return QStringLiteral("0x%1").arg(v, width, 16, QLatin1Char('0')); };

    lines << QStringLiteral("terminal:   %1%2").arg(m_endpoint->isOpen() ? m_endpoint->slavePath() : QStringLiteral("unplugged"),
                                                   m_endpoint->linkPath().isEmpty() ? QString() : QStringLiteral(" (link %1)").arg(m_endpoint->linkPath()));
    lines << QStringLiteral("mode:       %1").arg(m_server->mode() == ProtocolServer::Mode::Bootloader
                                                       ? QStringLiteral("bootloader (%1)").arg(m_bootloader->isSynchronised() ? "synchronised" : "waiting for 0x7F")
                                                       : QStringLiteral("application"));
    lines << QStringLiteral("flash:      %1, %2 bytes of an earlier image left behind the firmware")
                 .arg(m_bricked ? QStringLiteral("bootloader overwritten by a firmware (bricked: stays in the bootloader)")
                                : QStringLiteral("bootloader intact"))
                 .arg(m_leftoverBytes);
    lines << QStringLiteral("device:     type %1, serial %2, firmware \"%3\"")
                 .arg(hex(m.inverterType()))
                 .arg(m.serialNumber())
                 .arg(QString::fromLatin1(m.firmware()));
    const uint16_t flags = m.raw(Param::InverterFlags);
    QStringList flagNames;
    if (flags & InverterFlag::Warning)
        flagNames << QStringLiteral("warning");
    if (flags & InverterFlag::Error)
        flagNames << QStringLiteral("error");
    if (flags & InverterFlag::MotorRuns)
        flagNames << QStringLiteral("runs");
    if (flags & InverterFlag::MotorHolds)
        flagNames << QStringLiteral("holds");
    lines << QStringLiteral("flags:      %1 %2").arg(hex(flags), flagNames.join(QLatin1Char(' ')));
    lines << QStringLiteral("drive:      start %1, set-point %2 Hz, target %3 Hz, actual %4 Hz")
                 .arg(m.raw(Param::StartStop))
                 .arg(m.raw(Param::RatedFrequency))
                 .arg(m_drive->targetFrequency(), 0, 'f', 0)
                 .arg(m_drive->frequency(), 0, 'f', 1);
    lines << QStringLiteral("sources:    start %1, frequency %2, motor type %3")
                 .arg(hex(m.raw(Param::InputForStart)), hex(m.raw(Param::InputForRatedFrequency)), hex(m.raw(Param::MotorType)));
    lines << QStringLiteral("electrics:  %1 V, %2 A, %3 W, I2t %4 %, heat sink %5 C")
                 .arg(m_drive->motorVoltage(), 0, 'f', 1)
                 .arg(m_drive->motorCurrent(), 0, 'f', 2)
                 .arg(m_drive->activePower(), 0, 'f', 0)
                 .arg(m_drive->i2tLoad() * 100, 0, 'f', 1)
                 .arg(m_drive->heatSinkTemperature(), 0, 'f', 1);
    QStringList warnings;
    for (uint16_t code : m.activeWarnings())
        warnings << QString::number(code);
    lines << QStringLiteral("faults:     error %1%2, warnings %3, history %4 %5 %6 %7 %8")
                 .arg(m.activeError())
                 .arg(m.isErrorPersistent() ? QStringLiteral(" (persistent)") : QString())
                 .arg(warnings.isEmpty() ? QStringLiteral("none") : warnings.join(QLatin1Char(',')))
                 .arg(m.raw(Param::FirstError)).arg(m.raw(Param::SecondError)).arg(m.raw(Param::ThirdError))
                 .arg(m.raw(Param::FourthError)).arg(m.raw(Param::FifthError));
    lines << QStringLiteral("outputs:    relays/LEDs %1, inputs %2, motor code %3")
                 .arg(hex(m.raw(Param::RelayAndLEDControl)), hex(m.raw(Param::DinAndMotorTemperatureControl), 2))
                 .arg(m.raw(Param::MotorCode));
    lines << QStringLiteral("memories:   MotorSets %1").arg(hex(m.motorSetMask()));
    lines << QStringLiteral("run times:  inverter %1 h, motor %2 h").arg(m.raw(Param::RuntimeInverter)).arg(m.raw(Param::RuntimeMotor));
    lines << QStringLiteral("clock:      %1").arg(m.clock().isValid() ? m.clock().toString(Qt::ISODate) : QStringLiteral("not set"));
    lines << QStringLiteral("link:       %1 frames in, %2 out, %3 bytes sent, %4 lost, %5 corrupted")
                 .arg(m_server->framesReceived())
                 .arg(m_server->framesSent())
                 .arg(m_queue->sentBytes())
                 .arg(m_queue->lostBytes())
                 .arg(m_faults->corruptedFrames());
    lines << QStringLiteral("faults set: silent %1, corrupt %2 %, latency %3 ms, pace %4, garbage %5 bytes every %6 ms, memory failure %7")
                 .arg(m_faults->isSilent() ? "on" : "off")
                 .arg(m_faults->corruptPercent())
                 .arg(m_queue->latency())
                 .arg(m_queue->isPaced() ? "on" : "off")
                 .arg(m_faults->garbageBytes())
                 .arg(m_faults->garbagePeriod())
                 .arg(m_faults->memoryFailure() ? hex(m_faults->memoryFailure(), 2) : QStringLiteral("off"));
    QStringList refusals;
    const QMap<uint16_t, CommErrorCode> refused = m_faults->refusals();
    for (auto it = refused.cbegin(); it != refused.cend(); ++it)
        refusals << QStringLiteral("P%1:%2").arg(it.key()).arg(it.value());
    if (m_server->cutType() != 0)
        lines << QStringLiteral("cable:      comes off at frame type %1 in %2 frame(s), re-plugged after %3 s")
                     .arg(m_server->cutType())
                     .arg(m_server->cutCountdown())
                     .arg(m_cutReplugSeconds);
    lines << QStringLiteral("refused:    %1").arg(refusals.isEmpty() ? QStringLiteral("none") : refusals.join(QLatin1Char(' ')));
    return lines.join(QLatin1Char('\n'));
}
