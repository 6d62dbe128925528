#pragma once

#include "AcknowledgementSummary.h"
#include "CommErrorCode.h"
#include "ParameterCatalogue.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

#include <cstdint>

class CommunicationController;

// The program's model of the connected inverter. Owns the parameter catalogue
// with the current value of every parameter, turns raw values from the
// inverter into display values, decides what is transmitted when the user
// applies changes, summarises the inverter's acknowledgements and derives the
// motor and fault state from the InverterFlags word. GUI thread only.
//
// Values are stored in Hz; convertible frequencies are shown and entered in
// min-1 while SpeedDisplay says so. I2TPeriod is stored as the thermal time
// constant and shown and entered as the trip time at peak current.
class DatasetController : public QObject
{
    Q_OBJECT

public:
    static constexpr int CyclicInterval = 500;

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
    [[nodiscard]] QByteArray deviceFirmware() const { return m_deviceFirmware; }

    // Parameter set files: ".mps" device sets, ".mtr" motor sets.
    bool saveToFile(const QString &fileName);
    // -1 for a missing or unreadable file, else the number of changed values.
    int32_t loadFromFile(const QString &fileName);

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

    CommunicationController *m_communicationController = nullptr;
    QTimer m_cyclicTimer;
    ParameterCatalogue m_catalogue;
    AcknowledgementSummary m_pendingStates;
    // Kept apart from the transmission's: a motor set store may be answered
    // while a transmission waits for its answers, and the other way round.
    AcknowledgementSummary m_pendingMotorStates;
    QByteArray m_deviceFirmware;
};
