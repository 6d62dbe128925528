#include "DatasetController.h"

#include "CommunicationController.h"
#include "ParameterSetFile.h"
#include "ParameterTexts.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <utility>
#include <cmath>

namespace {

constexpr uint16_t InverterType5A = 0x1210;
constexpr uint16_t InverterType10A = 0x1211;
constexpr uint16_t InverterType16A = 0x1212;

QString translated(const QString &source)
{
    if (source.isEmpty())
        return QString();
    return QCoreApplication::translate("DatasetController", source.toUtf8().constData());
}

// Hz from a speed entry: rounded half up and, as on the wire, kept to 16 bits.
double roundedTo16Bits(double value)
{
    const double rounded = std::floor(value + 0.5);
    if (!(std::fabs(rounded) < 1e15))
        return 0;
    return double(uint16_t(int64_t(rounded)));
}

} // namespace

DatasetController::DatasetController(CommunicationController *communicationController, QObject *parent)
    : QObject(parent), m_communicationController(communicationController)
{
    connect(&m_cyclicTimer, &QTimer::timeout, this, &DatasetController::sendCyclicUpdateRequest);
    m_differencesTimer.setSingleShot(true);
    m_differencesTimer.setInterval(0);
    connect(&m_differencesTimer, &QTimer::timeout, this, &DatasetController::differencesChanged);
    if (!m_communicationController)
        return;
    auto *comm = m_communicationController;
    connect(comm, &CommunicationController::connectedToDevice, this, &DatasetController::onConnected);
    connect(comm, &CommunicationController::disconnectedFromDevice, this, &DatasetController::onDisconnected);
    connect(comm, &CommunicationController::parameterUpdateFromDevice, this, &DatasetController::deviceParameterUpdate);
    connect(comm, &CommunicationController::parametersetFromDevice, this,
            &DatasetController::deviceParametersetUpdate);
    connect(comm, &CommunicationController::deviceInfoUpdateFromDevice, this,
            &DatasetController::deviceInformationUpdate);
    connect(comm, &CommunicationController::parameterStateReceived, this, &DatasetController::parameterStates,
            Qt::QueuedConnection);
    connect(comm, &CommunicationController::writeParametersetResponseReceived, this,
            &DatasetController::motorParameterStates, Qt::QueuedConnection);
}

DatasetController::~DatasetController() = default;

// --- values and limits

double DatasetController::stored(uint16_t id) const
{
    const ParameterDescriptor *d = slot(id);
    return d ? d->value : 0;
}

uint16_t DatasetController::flags() const
{
    const ParameterDescriptor *d = slot(Param::InverterFlags);
    return d ? d->raw() : 0;
}

uint16_t DatasetController::motorType() const
{
    const ParameterDescriptor *d = slot(Param::MotorType);
    return d ? uint16_t(d->value) : uint16_t(Code::NoMotor);
}

double DatasetController::polePairs() const
{
    const double p = stored(Param::PolePairs);
    return p > 0 ? p : 1;
}

bool DatasetController::showsRpm(const ParameterDescriptor &d) const
{
    return d.convertible && uint16_t(stored(Param::SpeedDisplay)) == Code::DisplayRpm;
}

double DatasetController::i2tFactor() const
{
    const double peak = stored(Param::MotorPeakCurrent);
    const double threshold = stored(Param::RatedMotorCurrent) * stored(Param::I2TThreshold) / 100.0;
    if (!(peak > threshold) || peak - threshold <= 1e-12 * std::min(peak, threshold))
        return -1;
    const double r = threshold / peak;
    const double factor = -std::log(1.0 - r * r);
    // A threshold of 0 gives a factor of 0: no trip time can be converted back.
    if (!(factor > 0) || !std::isfinite(factor))
        return -1;
    return factor;
}

double DatasetController::storedLimit(const ParameterDescriptor &d, Limit which) const
{
    const bool lower = which == Limit::Minimum;
    switch (d.id) {
    case Param::RatedFrequency:
    case Param::RatedMotorFrequency:
        return stored(lower ? Param::MinimumMotorFrequency : Param::MaximumMotorFrequency);
    case Param::FixedFrequency1:
    case Param::FixedFrequency2:
    case Param::FixedFrequency3:
    case Param::FixedFrequency4:
        return lower ? stored(Param::MinimumMotorFrequency) : d.maximum;
    case Param::Frequency1:
        return lower ? d.minimum : stored(Param::Frequency2);
    case Param::Frequency2:
        return stored(lower ? Param::Frequency1 : Param::Frequency3);
    case Param::Frequency3:
        return lower ? stored(Param::Frequency2) : d.maximum;
    case Param::AINMaximumFrequency:
        return lower ? stored(Param::AINMinimumFrequency) : d.maximum;
    case Param::StartupCurrent:
    case Param::DCBrakeCurrent: {
        if (lower)
            return d.minimum;
        switch (uint16_t(stored(Param::Inverter))) {
        case InverterType16A:
            return 16;
        case InverterType10A:
            return 10;
        case InverterType5A:
            return 5;
        default:
            break;
        }
        const bool connected = m_communicationController
                               && m_communicationController->state() == CommunicationController::Connected;
        return connected ? 5 : 16;
    }
    default:
        return lower ? d.minimum : d.maximum;
    }
}

double DatasetController::displayLimit(const ParameterDescriptor &d, Limit which) const
{
    const double limit = storedLimit(d, which);
    if (d.id == Param::I2TPeriod) {
        const double factor = i2tFactor();
        if (factor < 0)
            return -1;
        return which == Limit::Minimum ? std::ceil(limit * factor) : std::floor(limit * factor);
    }
    return showsRpm(d) ? hzToRpm(limit) : limit;
}

double DatasetController::displayed(const ParameterDescriptor &d) const
{
    if (d.isEnumeration())
        return d.value;
    if (d.id == Param::I2TPeriod) {
        const double factor = i2tFactor();
        return factor < 0 ? -1 : d.value * factor;
    }
    return showsRpm(d) ? hzToRpm(d.value) : d.value;
}

double DatasetController::value(uint16_t id)
{
    const ParameterDescriptor *d = slot(id);
    if (!d)
        return 0;
    const double shown = displayed(*d);
    if (d->isEnumeration())
        return shown;
    if ((shown < displayLimit(*d, Limit::Minimum) && !d->hasOffState) || shown > displayLimit(*d, Limit::Maximum))
        return store(slot(id), shown, false);
    return shown;
}

double DatasetController::setValue(uint16_t id, double displayValue, bool emitUpdate)
{
    ParameterDescriptor *d = slot(id);
    if (!d)
        return 0;
    const uint16_t before = d->raw();
    const double shown = store(d, displayValue, emitUpdate);
    if (d->raw() != before && isConfiguration(*d)) {
        m_userChanges = true;
        noteDifferencesMayHaveChanged();
    }
    return shown;
}

// Clamps and stores a display value; the user's entries and the model's own
// corrections both come here.
double DatasetController::store(ParameterDescriptor *d, double displayValue, bool emitUpdate)
{
    const uint16_t id = d->id;
    if (!std::isfinite(displayValue))
        return displayed(*d);

    bool changed = false;
    if (d->isEnumeration()) {
        changed = d->storeValue(displayValue);
    } else {
        double entry = displayValue;
        const double lower = displayLimit(*d, Limit::Minimum);
        const double upper = displayLimit(*d, Limit::Maximum);
        if (entry < lower && !d->hasOffState)
            entry = lower;
        if (entry > upper)
            entry = upper;

        if (showsRpm(*d)) {
            changed = d->storeValue(roundedTo16Bits(rpmToHz(entry)));
        } else if (id == Param::I2TPeriod) {
            const double factor = i2tFactor();
            // Without a defined trip time the time constant stays as it is.
            if (factor < 0)
                return -1;
            changed = d->storeValue(entry / factor);
        } else {
            changed = d->storeValue(entry);
        }
    }

    if (changed) {
        if (isConfiguration(*d))
            noteDifferencesMayHaveChanged();
        if (id == Param::SpeedDisplay)
            emit speedDisplayChanged();
        if (id == Param::PolePairs && uint16_t(stored(Param::SpeedDisplay)) == Code::DisplayRpm)
            emit motorPolePairsChanged();
        if (d->inMotorSet)
            emit motorParametersetValueChanged();
        if (emitUpdate)
            emit parametersUpdated();
    }
    return displayed(*d);
}

uint16_t DatasetController::rawValue(uint16_t id) const
{
    const ParameterDescriptor *d = slot(id);
    return d ? d->raw() : 0;
}

bool DatasetController::setRawValue(const ParameterDescriptor *descriptor, uint16_t raw)
{
    ParameterDescriptor *d = descriptor ? slot(descriptor->id) : nullptr;
    if (!d || d != descriptor)
        return false;
    const uint16_t oldFlags = flags();
    const bool changed = d->storeRaw(raw);
    if (!changed)
        return false;
    if (d->id == Param::InverterFlags)
        noteFlagChanges(oldFlags, raw);
    else if (d->id == Param::SpeedDisplay)
        emit speedDisplayChanged();
    return true;
}

double DatasetController::minimum(uint16_t id) const
{
    const ParameterDescriptor *d = slot(id);
    return d ? displayLimit(*d, Limit::Minimum) : 0;
}

double DatasetController::maximum(uint16_t id) const
{
    const ParameterDescriptor *d = slot(id);
    return d ? displayLimit(*d, Limit::Maximum) : 0;
}

double DatasetController::resolution(uint16_t id) const
{
    const ParameterDescriptor *d = slot(id);
    if (!d)
        return 0;
    if (showsRpm(*d))
        return 60.0 / polePairs() / d->divisor;
    return 1.0 / d->divisor;
}

bool DatasetController::isConvertible(uint16_t id) const
{
    const ParameterDescriptor *d = slot(id);
    return d && d->convertible;
}

bool DatasetController::isWritable(uint16_t id) const
{
    const ParameterDescriptor *d = slot(id);
    if (!d || (d->accessClass & Access::Operating))
        return false;
    if (d->accessClass & Access::Always)
        return true;
    if (d->accessClass & Access::StoppedOnly)
        return !motorRunning();
    return false;
}

QMap<uint16_t, QString> DatasetController::enumeration(uint16_t id) const
{
    QMap<uint16_t, QString> result;
    if (const ParameterDescriptor *d = slot(id))
        for (auto it = d->enumeration.cbegin(); it != d->enumeration.cend(); ++it)
            result.insert(it.key(), translated(it.value()));
    return result;
}

QString DatasetController::caption(uint16_t id) const
{
    const ParameterDescriptor *d = slot(id);
    if (!d)
        return QString();
    const bool inHz = uint16_t(stored(Param::SpeedDisplay)) == Code::DisplayHz;
    return translated(inHz ? d->frequencyLabel : d->speedLabel);
}

double DatasetController::hzToRpm(double frequency) const
{
    return frequency * 60.0 / polePairs();
}

double DatasetController::rpmToHz(double speed) const
{
    return speed / 60.0 * polePairs();
}

void DatasetController::revalidate()
{
    for (uint16_t id = 0; id < Param::CatalogueSize; ++id) {
        const ParameterDescriptor *d = slot(id);
        if (d && !d->isEnumeration())
            value(id);
    }
}

bool DatasetController::isUnknownInverterType() const
{
    const auto type = uint16_t(stored(Param::Inverter));
    return type != InverterType5A && type != InverterType10A && type != InverterType16A;
}

// --- inverter state

// The inverter may be another one than before: its values are unknown until
// the parameter set asked for here arrives.
void DatasetController::onConnected()
{
    m_cyclicTimer.start(CyclicInterval);
    m_imageKnown.reset();
    m_imageStaleSince = QDateTime();
    m_inFlight.clear();
    noteDifferencesMayHaveChanged();
    if (std::exchange(m_stopOnConnect, false))
        sendStopCommand();
    if (m_communicationController)
        m_communicationController->sendCurrentParametersetRequest();
}

void DatasetController::onDisconnected()
{
    m_cyclicTimer.stop();
    m_imageStaleSince = QDateTime::currentDateTime();
    m_inFlight.clear();
    m_adoptNextSet = false;
    setOperatingValuesCurrent(false);
    setRawValue(slot(Param::InverterFlags), 0);
    noteDifferencesMayHaveChanged();
}

void DatasetController::setOperatingValuesCurrent(bool current)
{
    if (current == m_operatingValuesCurrent)
        return;
    m_operatingValuesCurrent = current;
    emit operatingValuesCurrentChanged(current);
}

bool DatasetController::isConnected() const
{
    return m_communicationController && m_communicationController->state() == CommunicationController::Connected;
}

// Called after the new word is stored, so that receivers asking motorRunning()
// or isWritable() already see the state the signal announces.
void DatasetController::noteFlagChanges(uint16_t oldFlags, uint16_t newFlags)
{
    const uint16_t changed = oldFlags ^ newFlags;
    const bool runs = newFlags & InverterFlag::MotorRuns;
    const bool holds = newFlags & InverterFlag::MotorHolds;
    if ((changed & InverterFlag::MotorRuns) && runs && m_communicationController)
        m_communicationController->sendParameterRequest(stoppedOnlyList());
    if (changed & InverterFlag::MotorRuns)
        emit motorOperationChanged(runs, holds);
    if (changed & InverterFlag::MotorHolds)
        emit motorOperationChanged(runs, holds);
    if (changed & (InverterFlag::Error | InverterFlag::Warning))
        emit inverterStateChanged(newFlags & InverterFlag::Error, newFlags & InverterFlag::Warning);
}

void DatasetController::deviceParameterUpdate(QMap<uint16_t, uint16_t> parameters)
{
    applyFromDevice(parameters, Take::Adopt);
    // The inverter answers a poll in request order, the last number last.
    if (!cyclicList().isEmpty() && parameters.contains(cyclicList().last()) && isConnected()) {
        setOperatingValuesCurrent(true);
        emit cyclicValuesReceived();
    }
}

// A motor memory load makes its set current in the inverter at the user's
// request, so it becomes the working copy and counts as the user's. A current
// set replaces the working copy when asked for, or when the working copy holds
// nothing of the user's; otherwise the user's set is kept and compared.
void DatasetController::deviceParametersetUpdate(QMap<uint16_t, uint16_t> parameters, bool motorSet)
{
    if (motorSet) {
        applyFromDevice(parameters, Take::Adopt);
        m_userChanges = true;
        return;
    }
    const bool adopt = m_adoptNextSet || !m_userChanges;
    m_adoptNextSet = false;
    applyFromDevice(parameters, adopt ? Take::Adopt : Take::ImageOnly);
    if (adopt)
        m_userChanges = false;
}

void DatasetController::readParametersetFromDevice()
{
    if (!m_communicationController || m_communicationController->state() != CommunicationController::Connected)
        return;
    m_adoptNextSet = true;
    m_communicationController->sendCurrentParametersetRequest();
}

void DatasetController::applyFromDevice(const QMap<uint16_t, uint16_t> &parameters, Take take)
{
    bool settingsChanged = false;
    bool operatingValuesChanged = false;
    bool imageChanged = false;
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it) {
        const ParameterDescriptor *d = slot(it.key());
        if (!d)
            continue;
        const bool keep = take == Take::ImageOnly && isConfiguration(*d);
        if (isConfiguration(*d)) {
            imageChanged = imageChanged || !m_imageKnown.test(d->id) || m_image[d->id] != it.value();
            setImage(d->id, it.value());
        }
        if (keep || !setRawValue(d, it.value()))
            continue;
        if (d->cyclic && d->isOperatingValue())
            operatingValuesChanged = true;
        else
            settingsChanged = true;
    }
    if (settingsChanged || imageChanged)
        noteDifferencesMayHaveChanged();
    if (settingsChanged)
        emit parametersUpdated();
    if (operatingValuesChanged)
        emit diagnosticsParametersUpdated();
}

void DatasetController::deviceInformationUpdate(uint16_t inverterType, uint16_t inverterSerial, QByteArray firmware)
{
    bool changed = setRawValue(slot(Param::Inverter), inverterType);
    changed = setRawValue(slot(Param::SerialNumber), inverterSerial) || changed;
    if (firmware != m_deviceFirmware) {
        m_deviceFirmware = firmware;
        changed = true;
    }
    if (changed)
        emit inverterDataUpdated();
}

void DatasetController::sendCyclicUpdateRequest()
{
    if (m_communicationController)
        m_communicationController->sendParameterRequest(cyclicList());
}

// --- commands

bool DatasetController::appliesToMotorType(const ParameterDescriptor &d, uint16_t type) const
{
    if (!(d.accessClass & Access::MotorTypeSpecific))
        return true;
    return (type == Code::Dasm && (d.motorTypeMask & MotorMask::Dasm))
           || (type == Code::Pmsm && (d.motorTypeMask & MotorMask::Pmsm));
}

void DatasetController::addPending(QMap<uint16_t, uint16_t> &message, uint16_t id, uint16_t raw)
{
    message.insert(id, raw);
    m_pendingStates.expect(id);
}

void DatasetController::sendChangedParametersToInverter()
{
    const uint16_t type = motorType();
    revalidate();
    m_pendingStates.clear();

    // Motor type and control sources go first so that the inverter judges the
    // rest under the new motor type.
    QMap<uint16_t, uint16_t> first;
    if (isWritable(Param::MotorType))
        addPending(first, Param::MotorType, rawValue(Param::MotorType));
    addPending(first, Param::InputForStart, rawValue(Param::InputForStart));
    addPending(first, Param::InputForRatedFrequency, rawValue(Param::InputForRatedFrequency));
    const bool runsUnderOurControl =
        motorRunning() && uint16_t(stored(Param::InputForStart)) == Code::InputTorvana;
    if (!runsUnderOurControl) {
        setValue(Param::StartStop, 0, false);
        addPending(first, Param::StartStop, rawValue(Param::StartStop));
    }
    sendMap(first);

    if (type == Code::NoMotor)
        return;
    QMap<uint16_t, uint16_t> second;
    for (uint16_t id = 1; id < Param::CatalogueSize; ++id) {
        const ParameterDescriptor *d = slot(id);
        if (!d || id == Param::StartStop || id == Param::MotorType || id == Param::InputForStart
            || id == Param::InputForRatedFrequency)
            continue;
        if (isWritable(id) && appliesToMotorType(*d, type))
            addPending(second, id, d->raw());
    }
    if (!second.isEmpty())
        sendMap(second);
}

void DatasetController::loadMotorParamsFromDevice(uint16_t motorCode)
{
    if (!m_communicationController)
        return;
    m_communicationController->sendLoadMotorParamsCommand(motorCode);
    if (isConnected())
        emit commandSent(Command::MotorMemoryLoad, motorCode);
}

void DatasetController::saveMotorParamsToDevice(uint16_t motorCode)
{
    revalidate();
    m_pendingMotorStates.clear();
    const uint16_t type = motorType();
    QMap<uint16_t, uint16_t> motorSet;
    for (uint16_t id = 1; id < Param::CatalogueSize; ++id) {
        const ParameterDescriptor *d = slot(id);
        if (d && d->inMotorSet && appliesToMotorType(*d, type)) {
            motorSet.insert(id, d->raw());
            m_pendingMotorStates.expect(id);
        }
    }
    if (!motorSet.isEmpty() && m_communicationController) {
        m_communicationController->sendMotorParamsToDeviceMemory(motorCode, motorSet);
        if (isConnected())
            emit commandSent(Command::MotorMemoryStore, motorCode);
    }
}

void DatasetController::deleteMotorParamsOnDevice(uint16_t motorCode)
{
    if (!m_communicationController)
        return;
    m_communicationController->sendDeleteMotorParamsCommand(motorCode);
    if (isConnected())
        emit commandSent(Command::MotorMemoryDelete, motorCode);
}

void DatasetController::sendStartCommand()
{
    if (!m_communicationController)
        return;
    sendOne(Param::RatedFrequency, rawValue(Param::RatedFrequency), rawValue(Param::RatedFrequency));
    if (motorRunning())
        return;
    setValue(Param::StartStop, 1, false);
    sendOne(Param::StartStop, rawValue(Param::StartStop), rawValue(Param::StartStop));
    if (isConnected())
        emit commandSent(Command::Start, rawValue(Param::RatedFrequency));
}

void DatasetController::sendStopCommand()
{
    setValue(Param::StartStop, 0, false);
    if (!m_communicationController)
        return;
    sendOne(Param::StartStop, rawValue(Param::StartStop), rawValue(Param::StartStop));
    // The stored set frequency stays, so that the next start sends it again.
    sendOne(Param::RatedFrequency, 0, Transient);
    if (isConnected())
        emit commandSent(Command::Stop, 0);
}

void DatasetController::sendParameter(uint16_t id)
{
    if (slot(id))
        sendOne(id, rawValue(id), rawValue(id));
}

void DatasetController::sendResetCommand()
{
    if (m_communicationController)
        m_communicationController->sendInverterResetCommand();
}

void DatasetController::changeActorBits(uint16_t bits, bool set)
{
    ParameterDescriptor *d = slot(Param::RelayAndLEDControl);
    if (!d)
        return;
    const uint16_t word = set ? uint16_t(d->raw() | bits) : uint16_t(d->raw() & ~bits);
    d->value = word;
    sendOne(Param::RelayAndLEDControl, word, word);
}

void DatasetController::invertRelay1(bool invert)
{
    changeActorBits(Relay1Bit, invert);
}

void DatasetController::invertRelay2(bool invert)
{
    changeActorBits(Relay2Bit, invert);
}

void DatasetController::invertFaultLed(bool invert)
{
    changeActorBits(FaultLedBit, invert);
}

void DatasetController::invertOperationLed(bool invert)
{
    changeActorBits(OperationLedBit, invert);
}

void DatasetController::invertAllActors(bool invert)
{
    changeActorBits(Relay1Bit | Relay2Bit | FaultLedBit | OperationLedBit, invert);
}

// --- acknowledgements

void DatasetController::parameterStates(QMap<uint16_t, CommErrorCode> paramStates)
{
    noteWritesAnswered(paramStates);
    if (m_pendingStates.isEmpty() || paramStates.isEmpty())
        return;
    m_pendingStates.record(paramStates);
    if (m_pendingStates.awaitsAnswers())
        return;

    const bool accepted = m_pendingStates.allAccepted();
    const QString text = accepted ? QString() : m_pendingStates.transmissionText();
    m_pendingStates.clear();
    if (accepted && differingParameters().isEmpty())
        m_userChanges = false;
    if (accepted)
        emit parameterStatesComplete(CommError::NoError);
    else
        emit parameterStatesComplete(CommError::NoAcknowledge, text);
}

void DatasetController::motorParameterStates(QMap<uint16_t, CommErrorCode> motorParamStates,
                                             CommErrorCode generalError)
{
    m_pendingMotorStates.record(motorParamStates);
    if (generalError == CommError::ParametersetMemoryUnusable || generalError == CommError::EepromWriteError) {
        m_pendingMotorStates.clear();
        emit writeMotorParametersetDone(generalError);
        return;
    }
    // The answer is complete with the entry for the memory slot.
    if (!motorParamStates.contains(Param::MotorCode))
        return;

    const bool accepted = m_pendingMotorStates.allAccepted();
    const QString text = accepted ? QString() : m_pendingMotorStates.motorSetText();
    m_pendingMotorStates.clear();
    if (accepted)
        emit writeMotorParametersetDone(CommError::NoError);
    else
        emit writeMotorParametersetDone(CommError::NoAcknowledge, text);
}

// --- parameter set files

bool DatasetController::saveToFile(const QString &fileName)
{
    const ParameterSetFile file(fileName);
    const uint16_t type = motorType();
    revalidate();

    QVector<ParameterSetFile::Entry> entries;
    for (uint16_t id = 1; id < Param::CatalogueSize; ++id) {
        const ParameterDescriptor *d = slot(id);
        if (d && file.includes(*d) && appliesToMotorType(*d, type))
            entries.append({d->key, d->raw()});
    }
    return file.write(entries);
}

int32_t DatasetController::loadFromFile(const QString &fileName)
{
    const ParameterSetFile file(fileName);
    QHash<QByteArray, uint16_t> values;
    if (!file.read(values))
        return -1;

    QMap<uint16_t, uint16_t> members;
    for (uint16_t id = 1; id < Param::CatalogueSize; ++id) {
        const ParameterDescriptor *d = slot(id);
        if (!d || !file.includes(*d))
            continue;
        const auto it = values.constFind(d->key);
        if (it != values.cend())
            members.insert(id, it.value());
    }
    return takeValues(members);
}

int32_t DatasetController::takeValues(const QMap<uint16_t, uint16_t> &values)
{
    int32_t count = 0;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const ParameterDescriptor *d = slot(it.key());
        if (d && isWritable(d->id) && setRawValue(d, it.value()))
            ++count;
    }
    revalidate();
    if (count != 0) {
        m_userChanges = true;
        noteDifferencesMayHaveChanged();
        emit loadedParametersFromFile();
        emit parametersUpdated();
    }
    return count;
}

// --- the device image

void DatasetController::setImage(uint16_t id, uint16_t raw)
{
    m_image[id] = raw;
    m_imageKnown.set(id);
}

bool DatasetController::deviceValueKnown(uint16_t id) const
{
    return id < Param::CatalogueSize && m_imageKnown.test(id);
}

uint16_t DatasetController::deviceRawValue(uint16_t id) const
{
    return id < Param::CatalogueSize ? m_image[id] : 0;
}

bool DatasetController::isConfiguration(const ParameterDescriptor &d) const
{
    return (d.inDeviceSet || d.inMotorSet) && !d.isOperatingValue();
}

// The same choice as the transmission's: with "kein Motor" only the motor type
// and the two control sources go out, and motor-type specific parameters only
// for their motor type.
bool DatasetController::isComparable(uint16_t id) const
{
    const ParameterDescriptor *d = slot(id);
    if (!d || !isConfiguration(*d))
        return false;
    if (id == Param::MotorType || id == Param::InputForStart || id == Param::InputForRatedFrequency)
        return true;
    const uint16_t type = motorType();
    return type != Code::NoMotor && appliesToMotorType(*d, type);
}

bool DatasetController::differsFromDevice(uint16_t id) const
{
    return isComparable(id) && m_imageKnown.test(id) && rawValue(id) != m_image[id];
}

QVector<uint16_t> DatasetController::differingParameters() const
{
    QVector<uint16_t> ids;
    for (uint16_t id = 1; id < Param::CatalogueSize; ++id)
        if (differsFromDevice(id))
            ids.append(id);
    return ids;
}

void DatasetController::noteDifferencesMayHaveChanged()
{
    if (!m_differencesTimer.isActive())
        m_differencesTimer.start();
}

void DatasetController::sendOne(uint16_t id, uint16_t raw, int32_t imaged)
{
    if (!m_communicationController || m_communicationController->state() != CommunicationController::Connected)
        return;
    m_inFlight[id].append(imaged);
    m_communicationController->sendSetParameterCommand(id, raw);
}

void DatasetController::sendMap(QMap<uint16_t, uint16_t> &message)
{
    if (!m_communicationController || m_communicationController->state() != CommunicationController::Connected)
        return;
    for (auto it = message.cbegin(); it != message.cend(); ++it)
        m_inFlight[it.key()].append(it.value());
    m_communicationController->sendSetParameterCommand(message);
}

// Answers come in the order of the writes, so each state belongs to the oldest
// unanswered write of its number.
void DatasetController::noteWritesAnswered(const QMap<uint16_t, CommErrorCode> &states)
{
    bool imageChanged = false;
    for (auto it = states.cbegin(); it != states.cend(); ++it) {
        const auto sent = m_inFlight.find(it.key());
        if (sent == m_inFlight.end() || sent->isEmpty())
            continue;
        const int32_t raw = sent->takeFirst();
        if (sent->isEmpty())
            m_inFlight.erase(sent);
        if (raw != Transient && it.key() < Param::CatalogueSize)
            emit writeAnswered(it.key(), m_imageKnown.test(it.key()), m_image[it.key()], uint16_t(raw), it.value());
        if (it.value() == CommError::NoError && raw != Transient && it.key() < Param::CatalogueSize) {
            setImage(it.key(), uint16_t(raw));
            imageChanged = true;
        }
    }
    if (imageChanged)
        noteDifferencesMayHaveChanged();
}

// --- values for lists

double DatasetController::displayValue(uint16_t id, uint16_t raw) const
{
    const ParameterDescriptor *d = slot(id);
    if (!d)
        return 0;
    ParameterDescriptor decoded = *d;
    decoded.storeRaw(raw);
    return displayed(decoded);
}

QString DatasetController::unit(uint16_t id) const
{
    const ParameterDescriptor *d = slot(id);
    if (d && showsRpm(*d))
        return QStringLiteral("min-1");
    return ParameterTexts::unit(id);
}

QString DatasetController::displayText(uint16_t id, uint16_t raw) const
{
    const ParameterDescriptor *d = slot(id);
    if (!d)
        return QString();
    if (d->isEnumeration()) {
        const auto it = d->enumeration.constFind(raw);
        return it != d->enumeration.cend() ? translated(it.value()) : QStringLiteral("0x%1").arg(raw, 4, 16, QChar('0'));
    }
    if (d->hasOffState && raw == 0)
        return translated(QStringLiteral("Aus"));
    const double shown = displayValue(id, raw);
    if (id == Param::I2TPeriod && shown < 0)
        return QStringLiteral("–");
    // As the fields show it: the divisor's decimals, whole min-1 values.
    const int decimals = showsRpm(*d) ? 0 : (d->divisor >= 10 ? int(std::lround(std::log10(d->divisor))) : 0);
    const QString number = QString::number(shown, 'f', id == Param::I2TPeriod ? 0 : decimals);
    const QString u = unit(id);
    return u.isEmpty() ? number : number + QLatin1Char(' ') + u;
}

uint16_t DatasetController::defaultRawValue(uint16_t id) const
{
    const ParameterDescriptor *d = slot(id);
    if (!d)
        return 0;
    ParameterDescriptor fresh = *d;
    fresh.value = d->defaultValue;
    fresh.isOff = d->hasOffState && d->defaultValue < d->minimum ? 1 : 0;
    return fresh.raw();
}
