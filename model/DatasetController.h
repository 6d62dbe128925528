#pragma once

#include "AcknowledgementSummary.h"
#include "CommErrorCode.h"
#include "ParameterCatalogue.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

#include <array>
#include <bitset>
#include <cstdint>

class CommunicationController;

// The program's model of the connected inverter. Owns the parameter catalogue
// with the current value of every parameter, turns raw values from the
// inverter into display values, decides what is transmitted when the user
// applies changes, summarises the inverter's acknowledgements and derives the
// motor and fault state from the InverterFlags word. GUI thread only.
//
// Beside the working copy that the pages edit, the controller keeps the device
// image: the last value the inverter sent for each parameter and each value it
// accepted from a write. Configuration parameters (members of the device or
// motor set that a transmission would send) whose working value differs from
// the image are the unsaved changes.
//
// Values are stored in Hz; convertible frequencies are shown and entered in
// min-1 while SpeedDisplay says so. I2TPeriod is stored as the thermal time
// constant and shown and entered as the trip time at peak current.
class DatasetController : public QObject
{
    Q_OBJECT

public:
    static constexpr int CyclicInterval = 500;

    // Commands of this controller that reached the communication controller.
    enum class Command { Start, Stop, MotorMemoryLoad, MotorMemoryStore, MotorMemoryDelete };
    Q_ENUM(Command)

    explicit DatasetController(CommunicationController *communicationController, QObject *parent = nullptr);
    ~DatasetController() override;

    // Read-only view of the catalogue for pages and the run-in program.
    const ParameterCatalogue &catalogue() const { return m_catalogue; }
    // Null for a number without a catalogue slot.
    const ParameterDescriptor *descriptor(uint16_t id) const { return m_catalogue.descriptor(id); }
    const QVector<uint16_t> &cyclicList() const { return m_catalogue.cyclicList(); }
    const QVector<uint16_t> &stoppedOnlyList() const { return m_catalogue.stoppedOnlyList(); }
    const QVector<uint16_t> &convertibleList() const { return m_catalogue.convertibleList(); }

    // Current value in display units, after correcting it against the dynamic
    // limits. 0 for a number without a slot; -1 for I2TPeriod while the trip
    // time is undefined.
    double value(uint16_t id);
    // Clamps a user entry to the dynamic limits, converts and stores it;
    // returns the value now shown.
    double setValue(uint16_t id, double displayValue, bool emitUpdate = true);
    [[nodiscard]] uint16_t rawValue(uint16_t id) const;
    // Stores a raw value from the inverter or a file. The descriptor must be
    // one of this controller's. Returns true when the stored value changed.
    bool setRawValue(const ParameterDescriptor *descriptor, uint16_t raw);

    // Dynamic limits in display units.
    [[nodiscard]] double minimum(uint16_t id) const;
    [[nodiscard]] double maximum(uint16_t id) const;
    [[nodiscard]] double resolution(uint16_t id) const;
    [[nodiscard]] bool isConvertible(uint16_t id) const;
    [[nodiscard]] bool isWritable(uint16_t id) const;
    // The choices of an enumeration parameter, texts translated.
    [[nodiscard]] QMap<uint16_t, QString> enumeration(uint16_t id) const;
    // Translated frequency or speed caption, by SpeedDisplay.
    [[nodiscard]] QString caption(uint16_t id) const;
    [[nodiscard]] double hzToRpm(double frequency) const;
    [[nodiscard]] double rpmToHz(double speed) const;

    // Corrects every stored value against the dynamic limits.
    void revalidate();

    [[nodiscard]] bool motorRunning() const { return flags() & InverterFlag::MotorRuns; }
    [[nodiscard]] bool motorHolding() const { return flags() & InverterFlag::MotorHolds; }
    [[nodiscard]] bool errorActive() const { return flags() & InverterFlag::Error; }
    [[nodiscard]] bool warningActive() const { return flags() & InverterFlag::Warning; }
    [[nodiscard]] bool isUnknownInverterType() const;
    // The operating values are the inverter's of now: connected, and polled
    // since. Otherwise they are the last ones seen (or the defaults).
    [[nodiscard]] bool operatingValuesCurrent() const { return m_operatingValuesCurrent; }
    [[nodiscard]] QByteArray deviceFirmware() const { return m_deviceFirmware; }

    // Parameter set files: ".mps" device sets, ".mtr" motor sets.
    bool saveToFile(const QString &fileName);
    // -1 for a missing or unreadable file, else the number of changed values.
    int32_t loadFromFile(const QString &fileName);
    // Takes number -> raw values into the working copy as a file load does
    // (writable parameters only, clamped); answers the number of changed values.
    int32_t takeValues(const QMap<uint16_t, uint16_t> &values);

    // ---- the device image ------------------------------------------------------
    [[nodiscard]] bool deviceValueKnown(uint16_t id) const;
    // The inverter's raw value; meaningful only while deviceValueKnown(id).
    [[nodiscard]] uint16_t deviceRawValue(uint16_t id) const;
    // Whether id is a configuration parameter that a transmission would send
    // under the working copy's motor type.
    [[nodiscard]] bool isComparable(uint16_t id) const;
    // A comparable parameter whose working value differs from the known
    // inverter value.
    [[nodiscard]] bool differsFromDevice(uint16_t id) const;
    // The differing parameters in ascending number.
    [[nodiscard]] QVector<uint16_t> differingParameters() const;
    [[nodiscard]] int32_t differenceCount() const { return differingParameters().size(); }
    // When the connection was lost; invalid while connected or before the first connection.
    [[nodiscard]] QDateTime deviceImageStaleSince() const { return m_imageStaleSince; }
    // The working copy holds something of the user's: an edit, a file, a motor
    // type or a motor memory, since the start or the last complete read or write.
    [[nodiscard]] bool holdsUserChanges() const { return m_userChanges; }

    // ---- values for lists ---------------------------------------------------------
    // A raw value in the units the pages show (min-1 where SpeedDisplay says so,
    // the I²t trip time); -1 for an undefined trip time.
    [[nodiscard]] double displayValue(uint16_t id, uint16_t raw) const;
    // The same as text with its unit ("900 Hz"), an enumeration as its translated text.
    [[nodiscard]] QString displayText(uint16_t id, uint16_t raw) const;
    // The unit the pages show for id, translated; empty for none.
    [[nodiscard]] QString unit(uint16_t id) const;
    // The catalogue's factory default as raw value.
    [[nodiscard]] uint16_t defaultRawValue(uint16_t id) const;

signals:
    void parametersUpdated();
    void loadedParametersFromFile();
    void motorParametersetValueChanged();
    void diagnosticsParametersUpdated();
    void inverterDataUpdated();
    void motorOperationChanged(bool motorRuns, bool motorHolds);
    void inverterStateChanged(bool activeError, bool activeWarning);
    void parameterStatesComplete(CommErrorCode error, QString detailedText = QString());
    void writeMotorParametersetDone(CommErrorCode error, QString detailedText = QString());
    void motorPolePairsChanged();
    void speedDisplayChanged();
    // The set of parameters that differ from the inverter, or the inverter's
    // values behind them, may have changed. Coalesced: once per event loop pass.
    void differencesChanged();
    // The answer to a poll is complete: every cyclic value is the inverter's
    // of this moment. Once per poll, after diagnosticsParametersUpdated().
    void cyclicValuesReceived();
    void operatingValuesCurrentChanged(bool current);
    // The inverter answered the write of one parameter: the value it held
    // before (when known), the value written and its state (0 accepted).
    // Not emitted for the stop command's transient set-point.
    void writeAnswered(uint16_t id, bool oldKnown, uint16_t oldRaw, uint16_t newRaw, CommErrorCode state);
    // A command went out; argument: the motor code of a motor memory command,
    // the set-point (raw) of a start, else 0.
    void commandSent(DatasetController::Command command, uint16_t argument);

public slots:
    void sendChangedParametersToInverter();
    void loadMotorParamsFromDevice(uint16_t motorCode);
    void saveMotorParamsToDevice(uint16_t motorCode);
    void deleteMotorParamsOnDevice(uint16_t motorCode);
    void sendStartCommand();
    void sendStopCommand();
    void sendResetCommand();
    void invertRelay1(bool invert);
    void invertRelay2(bool invert);
    void invertFaultLed(bool invert);
    void invertOperationLed(bool invert);
    void invertAllActors(bool invert);
    void deviceParameterUpdate(QMap<uint16_t, uint16_t> parameters);
    // A whole parameter set: the current set (type 5 answers) or the motor set
    // that a motor memory load made current (type 14).
    void deviceParametersetUpdate(QMap<uint16_t, uint16_t> parameters, bool motorSet);
    // Asks for the current parameter set; it replaces the working copy when it arrives.
    void readParametersetFromDevice();
    // Sends the working value of one parameter at once (the set-point on Enter).
    void sendParameter(uint16_t id);
    // The next connection begins with a stop command, before anything else is
    // asked (a run-in was cut off with the motor possibly running).
    void stopOnNextConnect() { m_stopOnConnect = true; }
    void deviceInformationUpdate(uint16_t inverterType, uint16_t inverterSerial, QByteArray firmware);
    void parameterStates(QMap<uint16_t, CommErrorCode> paramStates);
    void motorParameterStates(QMap<uint16_t, CommErrorCode> motorParamStates, CommErrorCode generalError);
    void sendCyclicUpdateRequest();

private:
    // Actor inversion bits of RelayAndLEDControl.
    static constexpr uint16_t Relay1Bit = 0x0010;
    static constexpr uint16_t Relay2Bit = 0x0020;
    static constexpr uint16_t FaultLedBit = 0x0040;
    static constexpr uint16_t OperationLedBit = 0x0080;

    enum class Limit { Minimum, Maximum };
    // How values from the inverter reach the working copy; operating values always do.
    enum class Take {
        Adopt,     // the working copy becomes what the inverter holds
        ImageOnly, // the working copy keeps the user's set
    };
    // A write of this value is not taken into the image when accepted (the
    // stop command's set-point 0: the next start sends the stored one again).
    static constexpr int32_t Transient = -1;

    void onConnected();
    void onDisconnected();
    void noteFlagChanges(uint16_t oldFlags, uint16_t newFlags);
    void changeActorBits(uint16_t bits, bool set);

    ParameterDescriptor *slot(uint16_t id) const { return m_catalogue.descriptor(id); }
    double stored(uint16_t id) const;
    uint16_t flags() const;
    uint16_t motorType() const;
    double polePairs() const;
    bool showsRpm(const ParameterDescriptor &d) const;
    // Time until the I²t limit per unit of time constant; negative when undefined.
    double i2tFactor() const;
    // Limit in stored units (Hz, time constant), before any display conversion.
    double storedLimit(const ParameterDescriptor &d, Limit which) const;
    double displayLimit(const ParameterDescriptor &d, Limit which) const;
    double displayed(const ParameterDescriptor &d) const;
    bool appliesToMotorType(const ParameterDescriptor &d, uint16_t type) const;
    void addPending(QMap<uint16_t, uint16_t> &message, uint16_t id, uint16_t raw);
    double store(ParameterDescriptor *d, double displayValue, bool emitUpdate);
    void applyFromDevice(const QMap<uint16_t, uint16_t> &parameters, Take take);
    bool isConfiguration(const ParameterDescriptor &d) const;
    void sendOne(uint16_t id, uint16_t raw, int32_t imaged);
    void sendMap(QMap<uint16_t, uint16_t> &message);
    void noteWritesAnswered(const QMap<uint16_t, CommErrorCode> &states);
    void setImage(uint16_t id, uint16_t raw);
    void noteDifferencesMayHaveChanged();
    void setOperatingValuesCurrent(bool current);
    [[nodiscard]] bool isConnected() const;

    CommunicationController *m_communicationController = nullptr;
    QTimer m_cyclicTimer;
    ParameterCatalogue m_catalogue;
    AcknowledgementSummary m_pendingStates;
    // Kept apart from the transmission's: a motor set store may be answered
    // while a transmission waits for its answers, and the other way round.
    AcknowledgementSummary m_pendingMotorStates;
    QByteArray m_deviceFirmware;

    std::array<uint16_t, Param::CatalogueSize> m_image{};
    std::bitset<Param::CatalogueSize> m_imageKnown;
    QDateTime m_imageStaleSince;
    // Values written and not yet answered, per number in sending order (a raw
    // value, or Transient); the inverter answers every frame in order.
    QMap<uint16_t, QList<int32_t>> m_inFlight;
    bool m_userChanges = false;
    bool m_adoptNextSet = false;
    bool m_stopOnConnect = false;
    bool m_operatingValuesCurrent = false;
    QTimer m_differencesTimer;
};
