// The inverter's side of the frame protocol: takes the program's frames from
// the pseudo-terminal, applies them to the InverterModel and answers as the
// firmware does. After a bootloader reset it hands the line to the
// BootloaderEmulator until the flashing tool's Go.
#pragma once

#include "CommErrorCode.h"
#include "CommLink.h"
#include "PtyCommDriver.h"

#include <QTimer>
#include <QObject>
#include <QPair>
#include <QVector>

#include <cstdint>

class BootloaderEmulator;
class FaultInjector;
class InverterModel;
class PtyEndpoint;
class TransmitQueue;

class ProtocolServer : public QObject
{
    Q_OBJECT

public:
    enum class Mode { Application, Bootloader };

    // Bytes that arrive this long after the bootloader reset are still lost
    // (the controller restarts); the program's last polls end there.
    static constexpr int32_t BootloaderStartMs = 300;

    ProtocolServer(PtyEndpoint *endpoint, InverterModel *model, BootloaderEmulator *bootloader,
                   TransmitQueue *queue, FaultInjector *faults, QObject *parent = nullptr);

    Mode mode() const { return m_mode; }
    void enterBootloader();
    // The bootloader takes bytes (BootloaderStartMs after the reset).
    bool isBootloaderReady() const { return m_mode == Mode::Bootloader && !m_bootloaderStart.isActive(); }
    // Power-on: the application runs, partly received frames and motor sets are forgotten.
    void restart();

    // The cable comes off when the count-th frame of the type passes from now
    // on: a frame from the program is lost with it, a frame to the program is
    // the last one that leaves. Until restart() nothing more is taken or sent.
    void cutLineAt(uint8_t type, int32_t count);
    // The armed cut: its frame type (0 when none is armed) and the frames still to pass.
    uint8_t cutType() const { return m_cutType; }
    int32_t cutCountdown() const { return m_cutCountdown; }

    qint64 framesReceived() const { return m_framesReceived; }
    qint64 framesSent() const { return m_framesSent; }

signals:
    void frameReceived(quint8 type);
    void bootloaderEntered();
    void bootloaderReady();
    // The armed cut has happened.
    void lineCut();
    // The bootloader's Go: the application runs again.
    void applicationStarted(quint32 address);

private:
    using Pairs = QVector<QPair<uint16_t, uint16_t>>;

    void onReadyRead();
    void readBootloaderBytes();
    void dispatch(const uint8_t *frame);
    void answerParameterRequest(const Pairs &pairs);
    void answerSetParameters(const Pairs &pairs);
    void answerMotorStore(uint16_t slot);
    void answerMotorLoad(const Pairs &pairs);
    void answerDelete(const Pairs &pairs);
    void answerDeviceInfo();
    void rememberClock(const uint8_t *data);
    void sendFrame(uint8_t type, uint8_t status, const uint8_t *data = nullptr);
    // Frames of at most 12 pairs, filled one after the other; nothing for no pairs.
    void sendPairs(uint8_t type, const Pairs &pairs);
    void leaveBootloader(quint32 address);
    // Counts a passing frame against the armed cut; true when the line is cut now.
    bool reachesCut(uint8_t type);

    PtyEndpoint *m_endpoint = nullptr;
    InverterModel *m_model = nullptr;
    BootloaderEmulator *m_bootloader = nullptr;
    TransmitQueue *m_queue = nullptr;
    FaultInjector *m_faults = nullptr;
    PtyCommDriver m_driver;
    CommLink m_link;
    Mode m_mode = Mode::Application;
    QTimer m_bootloaderStart; // single shot: the bootloader's start-up time
    Pairs m_motorSet; // pairs of type 15 frames collected until the closing (MotorCode, slot)
    qint64 m_framesReceived = 0;
    qint64 m_framesSent = 0;
    uint8_t m_cutType = 0;
    int32_t m_cutCountdown = 0;
    bool m_lineCut = false;
};
