// One simulated inverter on a pseudo-terminal: owns the terminal, the
// parameter and drive models, the protocol server with its bootloader and
// the fault injection, and ties their life cycle together (start, unplug and
// re-plug, restart after a firmware update).
#pragma once

#include "SimulatorOptions.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>

class BootloaderEmulator;
class DriveModel;
class FaultInjector;
class InverterModel;
class ProtocolServer;
class PtyEndpoint;
class TransmitQueue;

class InverterSimulator : public QObject
{
    Q_OBJECT

public:
    // Bytes on the wire when the cable comes off still arrive: a 64-byte
    // frame takes 17 ms at 38400 baud, and the program reads every 50 ms.
    static constexpr int32_t LineCutGraceMs = 150;

    explicit InverterSimulator(const SimulatorOptions &options = SimulatorOptions(), QObject *parent = nullptr);
    ~InverterSimulator() override;

    // Opens the terminal and starts the drive; false with a reason on failure.
    bool start(QString *errorText = nullptr);
    QString slavePath() const;
    bool isPlugged() const;

    // Closes the terminal (the program sees the device vanish) and powers the
    // inverter down; after the given seconds a new terminal is opened, the
    // link and path file are updated and the inverter starts from its EEPROM.
    // A negative delay leaves it unplugged until plugIn().
    void unplug(int32_t seconds);
    bool plugIn(QString *errorText = nullptr);
    // Unplugs as above when the count-th frame of the type passes (a frame
    // from the program is lost, one to it is the last to leave), LineCutGraceMs
    // after that frame so that what already left reaches the program.
    void unplugAt(uint8_t type, int32_t count, int32_t seconds);
    // Restart: settings from EEPROM, motor at rest.
    void powerCycle();

    InverterModel *model() const { return m_model; }
    DriveModel *drive() const { return m_drive; }
    ProtocolServer *server() const { return m_server; }
    BootloaderEmulator *bootloader() const { return m_bootloader; }
    FaultInjector *faults() const { return m_faults; }
    TransmitQueue *transmitQueue() const { return m_queue; }
    PtyEndpoint *endpoint() const { return m_endpoint; }

    // Multi-line human-readable state for the console.
    QString statusText() const;

signals:
    // A new terminal is open (start and every re-plug).
    void slavePathChanged(const QString &path);
    void unplugged();
    // The application runs again after the bootloader's Go; firmware is the
    // version now reported.
    void firmwareRestarted(const QByteArray &firmware);
    // Something the user of the simulator should know (printed by the program).
    void notice(const QString &text);

private:
    void onApplicationStarted();

    // What the last firmware update left: bytes of an older image behind the
    // new one, and whether a firmware went over the bootloader (the inverter
    // then no longer starts and stays in its bootloader).
    uint32_t m_leftoverBytes = 0;
    bool m_bricked = false;

    SimulatorOptions m_options;
    PtyEndpoint *m_endpoint = nullptr;
    TransmitQueue *m_queue = nullptr;
    FaultInjector *m_faults = nullptr;
    InverterModel *m_model = nullptr;
    DriveModel *m_drive = nullptr;
    BootloaderEmulator *m_bootloader = nullptr;
    ProtocolServer *m_server = nullptr;
    QTimer m_replugTimer;
    QTimer m_cutTimer; // single shot: from the cut to the unplugging
    int32_t m_cutReplugSeconds = 3;
};
