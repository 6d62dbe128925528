#include "DriveModel.h"

#include "InverterModel.h"
#include "ParameterId.h"

#include <algorithm>
#include <cmath>

namespace {

// Enumeration codes of the input and relay functions.
constexpr uint16_t FunctionStartStop = 0x803B;
constexpr uint16_t FunctionReset = 0x803E;
constexpr uint16_t FunctionMotorCodeBit = 0x8040;
constexpr uint16_t FunctionFixedFrequencyBit = 0x8041;
constexpr uint16_t RelayOperation = 0x804A;
constexpr uint16_t RelayWarning = 0x804B;
constexpr uint16_t RelayFailure = 0x804C;
constexpr uint16_t RelayOverload = 0x804D;
constexpr uint16_t RelaySetFrequencyReached = 0x804E;
constexpr uint16_t RelayCurrentLimit = 0x804F;
constexpr uint16_t RelayMotorTemperature = 0x8050;
constexpr uint16_t RelayStandstill = 0x8051;
constexpr uint16_t RelayMotorRuns = 0x8052;
constexpr uint16_t RelayI2tWarning = 0x8053;
constexpr uint16_t RelayHolding = 0x8054;
constexpr uint16_t I2tWarn = 0x806B;
constexpr uint16_t I2tStop = 0x806C;

// Error and warning codes the drive raises by itself.
constexpr uint16_t ErrorI2tShutdown = 7;
constexpr uint16_t WarningI2tThreshold = 8;
constexpr uint16_t ErrorNoMotorType = 9;
constexpr uint16_t ErrorMotorTemperature = 11;
constexpr uint16_t WarningSetpointLimited = 18;

constexpr double MsPerHour = 3600.0 * 1000.0;
constexpr double HeatSinkTimeConstant = 90.0; // s

uint16_t toRaw(double value, double divisor, double maximum = 65535)
{
    return uint16_t(std::lround(std::clamp(value * divisor, 0.0, maximum)));
}

} // namespace

DriveModel::DriveModel(InverterModel *model, QObject *parent)
    : QObject(parent)
    , m_model(model)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &DriveModel::tick);
    publish();
}

void DriveModel::start(int32_t periodMs)
{
    m_elapsed.start();
    m_timer.start(periodMs);
}

void DriveModel::stop()
{
    m_timer.stop();
}

void DriveModel::tick()
{
    const qint64 ms = m_elapsed.restart();
    step(std::min<qint64>(ms, 1000) / 1000.0);
}

void DriveModel::reset()
{
    m_frequency = 0;
    m_target = 0;
    m_output = false;
    m_holding = false;
    m_accelerating = false;
    m_current = m_voltage = m_power = 0;
    m_i2t = 0;
    m_heatSink = AmbientTemperature;
    m_previousInputs = m_inputs;
    publish();
}

bool DriveModel::startRequested() const
{
    const InverterModel &m = *m_model;
    switch (m.raw(Param::InputForStart)) {
    case Code::InputTorvana:
        return m.raw(Param::StartStop) == 1;
    case Code::InputDigital:
        return (m.raw(Param::DIN1) == FunctionStartStop && (m_inputs & Din1))
            || (m.raw(Param::SPSInput) == FunctionStartStop && (m_inputs & PlcInput));
    default:
        return false; // CAN is not simulated
    }
}

double DriveModel::requestedSetpoint() const
{
    const InverterModel &m = *m_model;
    switch (m.raw(Param::InputForRatedFrequency)) {
    case Code::InputTorvana:
        return m.raw(Param::RatedFrequency);
    case Code::InputDigital: {
        int index = 0;
        if (m.raw(Param::DIN6) == FunctionFixedFrequencyBit && (m_inputs & Din6))
            index |= 1;
        if (m.raw(Param::DIN5) == FunctionFixedFrequencyBit && (m_inputs & Din5))
            index |= 2;
        return m.raw(uint16_t(Param::FixedFrequency1 + index));
    }
    case Code::InputAnalog:
        return m.raw(Param::AINMinimumFrequency); // the analog input stands at its lower end
    default:
        return 0;
    }
}

double DriveModel::ufVoltage(double f) const
{
    const InverterModel &m = *m_model;
    const double points[4][2] = {
        { 0, m.raw(Param::Voltage0) / 10.0 },
        { double(m.raw(Param::Frequency1)), m.raw(Param::Voltage1) / 10.0 },
        { double(m.raw(Param::Frequency2)), m.raw(Param::Voltage2) / 10.0 },
        { double(m.raw(Param::Frequency3)), m.raw(Param::Voltage3) / 10.0 },
    };
    for (int i = 1; i < 4; ++i) {
        if (f <= points[i][0]) {
            const double span = points[i][0] - points[i - 1][0];
            if (span <= 0)
                return points[i][1];
            return points[i - 1][1] + (points[i][1] - points[i - 1][1]) * (f - points[i - 1][0]) / span;
        }
    }
    return points[3][1];
}

void DriveModel::handleInputs()
{
    InverterModel &m = *m_model;
    const uint16_t rising = m_inputs & ~m_previousInputs;
    m_previousInputs = m_inputs;
    for (int n = 0; n < 6; ++n) {
        if ((rising & (1u << n)) && m.raw(uint16_t(Param::DIN1 + n)) == FunctionReset)
            m.resetFaults();
    }
    if (m.raw(Param::MotorTemperatureMonitoring) != 0 && (m_inputs & MotorTemperatureInput)
        && m.activeError() != ErrorMotorTemperature)
        m.raiseError(ErrorMotorTemperature);
}

void DriveModel::step(double dt)
{
    InverterModel &m = *m_model;
    handleInputs();

    const bool runRequest = startRequested();
    if (runRequest && !m.activeError() && m.raw(Param::MotorType) == Code::NoMotor)
        m.raiseError(ErrorNoMotorType);
    const bool fault = m.activeError() != 0;
    if (fault) {
        // An error switches the output off at once; the motor coasts to rest.
        m_output = false;
        m_frequency = 0;
    } else if (runRequest) {
        m_output = true;
    }

    const double minimum = m.raw(Param::MinimumMotorFrequency);
    const double maximum = std::max(minimum, double(m.raw(Param::MaximumMotorFrequency)));
    const double setpoint = requestedSetpoint();
    const bool running = m_output && runRequest;
    m_target = running ? std::clamp(setpoint, minimum, maximum) : 0.0;
    m.setConditionWarning(WarningSetpointLimited, running && setpoint > maximum);

    m_accelerating = false;
    if (m_output) {
        const double up = maximum / std::max(0.05, m.raw(Param::AccelerationRamp) / 10.0);
        const double down = maximum / std::max(0.05, m.raw(Param::DecelerationRamp) / 10.0);
        if (m_frequency < m_target) {
            m_frequency = std::min(m_target, m_frequency + up * dt);
            m_accelerating = true;
        } else {
            m_frequency = std::max(m_target, m_frequency - down * dt);
        }
        if (!runRequest && m_frequency <= 0) {
            m_frequency = 0;
            m_output = false;
        }
    }

    const uint16_t motorType = m.raw(Param::MotorType);
    m_holding = !m_output && !fault && motorType != Code::NoMotor && m.raw(Param::HoldingCurrent) != 0;

    const double ratedCurrent = std::max(0.1, m.raw(Param::RatedMotorCurrent) / 10.0);
    const double ratedFrequency = m.raw(Param::RatedMotorFrequency);
    if (m_output) {
        const double ratio = ratedFrequency > 0 ? m_frequency / ratedFrequency : 0;
        m_current = ratedCurrent * (0.3 + 0.4 * std::min(ratio, 1.5)) + (m_accelerating ? 0.3 * ratedCurrent : 0);
        m_current = std::min(m_current, std::max(0.5, m.raw(Param::MotorPeakCurrent) / 10.0));
        m_voltage = motorType == Code::Pmsm ? m.raw(Param::RatedMotorVoltage) / 10.0 * ratio : ufVoltage(m_frequency);
    } else if (m_holding) {
        m_current = m.raw(Param::HoldingCurrent) / 10.0;
        m_voltage = m.raw(Param::Voltage0) / 10.0;
    } else {
        m_current = 0;
        m_voltage = 0;
    }
    m_voltage = std::clamp(m_voltage, 0.0, 65.0);
    m_power = std::clamp(std::sqrt(3.0) * m_voltage * m_current * m.raw(Param::CosPhi) / 100.0, 0.0, 2000.0);

    // I²t: first-order heating towards (I / I_threshold)², time constant I2TPeriod.
    const double threshold = m.raw(Param::I2TThreshold) > 0 ? m.raw(Param::I2TThreshold) / 1000.0 : 1.0;
    const double r = m_current / (ratedCurrent * threshold);
    const double tau = std::max(1.0, double(m.raw(Param::I2TPeriod)));
    m_i2t += (r * r - m_i2t) * (1.0 - std::exp(-dt / tau));
    const uint16_t i2tFunction = m.raw(Param::I2TFunction);
    m.setConditionWarning(WarningI2tThreshold, i2tFunction == I2tWarn && m_i2t >= 1.0);
    if (i2tFunction == I2tStop && m_i2t >= 1.0 && !m.activeError())
        m.raiseError(ErrorI2tShutdown);

    const double heatTarget = AmbientTemperature + 0.08 * m_power + 1.5 * m_current;
    m_heatSink += (heatTarget - m_heatSink) * (1.0 - std::exp(-dt / HeatSinkTimeConstant));
    m_ripplePhase = std::fmod(m_ripplePhase + dt * 2.0, 2.0 * M_PI);

    m_inverterMs += dt * 1000.0;
    if (m_output)
        m_motorMs += dt * 1000.0;
    for (auto [counter, id] : { std::pair<double *, uint16_t> { &m_inverterMs, Param::RuntimeInverter },
                                std::pair<double *, uint16_t> { &m_motorMs, Param::RuntimeMotor } }) {
        while (*counter >= MsPerHour) {
            *counter -= MsPerHour;
            m.setRaw(id, uint16_t(std::min(65000, m.raw(id) + 1)));
        }
    }
    publish();
}

bool DriveModel::relayState(uint16_t function) const
{
    const InverterModel &m = *m_model;
    switch (function) {
    case RelayOperation:
    case RelayMotorRuns:
        return m_output;
    case RelayWarning:
        return !m.activeWarnings().isEmpty();
    case RelayFailure:
        return m.activeError() != 0;
    case RelayOverload:
    case RelayI2tWarning:
        return m_i2t >= 1.0;
    case RelaySetFrequencyReached:
        return m_output && m_target > 0 && std::abs(m_frequency - m_target) < 0.5;
    case RelayCurrentLimit:
        return m_output && m_current >= m.raw(Param::MotorPeakCurrent) / 10.0;
    case RelayMotorTemperature:
        return m_inputs & MotorTemperatureInput;
    case RelayStandstill:
        return m_frequency <= 0;
    case RelayHolding:
        return m_holding;
    default:
        return false;
    }
}

void DriveModel::publish()
{
    InverterModel &m = *m_model;
    m.setRaw(Param::CurrentRatedFrequency, toRaw(m_target, 1, 4000));
    m.setRaw(Param::ActualFrequencyInverter, toRaw(m_frequency, 1, 4000));
    m.setRaw(Param::MotorVoltage, toRaw(m_voltage, 10));
    m.setRaw(Param::MotorCurrent, toRaw(m_current + 25.0, 1000, 50000)); // offset: raw 25000 is 0 A
    m.setRaw(Param::PeakCurrent, toRaw(std::max(0.5, m_current * std::sqrt(2.0)), 10));
    m.setRaw(Param::ActivePower, toRaw(m_power, 1, 2000));
    m.setRaw(Param::I2TLoad, toRaw(m_i2t * 100.0, 10, 2000));
    m.setRaw(Param::HeatSinkTemperature, toRaw(m_heatSink, 10, 1500));
    m.setRaw(Param::DCLinkVoltage, toRaw(NominalDcLinkVoltage - 0.4 * m_current + 0.1 * std::sin(m_ripplePhase), 10));
    m.setRaw(Param::InputVoltageInverter, toRaw(NominalDcLinkVoltage + 0.1 * std::cos(m_ripplePhase), 10));

    uint16_t flags = m.raw(Param::InverterFlags) & uint16_t(InverterFlag::Warning | InverterFlag::Error);
    if (m_output)
        flags |= InverterFlag::MotorRuns;
    if (m_holding)
        flags |= InverterFlag::MotorHolds;
    m.setRaw(Param::InverterFlags, flags);

    const uint16_t control = m.raw(Param::RelayAndLEDControl);
    const bool states[4] = { relayState(m.raw(Param::Relay1)), relayState(m.raw(Param::Relay2)),
                             m.activeError() != 0, m_output };
    uint16_t outputs = 0;
    for (int n = 0; n < 4; ++n) {
        const bool inverted = control & (0x10u << n);
        if (states[n] != inverted)
            outputs |= uint16_t(1u << n);
    }
    m.setRaw(Param::RelayAndLEDControl, uint16_t((control & ~0x000Fu) | outputs));
    m.setRaw(Param::DinAndMotorTemperatureControl, m_inputs);

    uint16_t motorCode = 0;
    for (int bit = 0; bit < 4; ++bit) {
        if (m.raw(uint16_t(Param::DIN3 + bit)) == FunctionMotorCodeBit && (m_inputs & (Din3 << bit)))
            motorCode |= uint16_t(1u << bit);
    }
    m.setRaw(Param::MotorCode, motorCode);
    m.setRaw(Param::MotorSets, m.motorSetMask());
}
