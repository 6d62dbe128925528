// The drive behind the parameters: start and set-point sources, ramps, the
// electrical and thermal values, run-time counters, the InverterFlags motor
// bits and the relay, LED and input bits. Stepped by a 50 ms timer; every step
// writes the operating values into the InverterModel.
//
// Choices of this simulation:
// - AccelerationRamp / DecelerationRamp are the seconds for a change from 0 to
//   MaximumMotorFrequency (and back).
// - RuntimeInverter counts powered hours, RuntimeMotor hours with the output on.
// - RelayAndLEDControl bits 0..3 report relay 1, relay 2, fault LED and
//   operation LED after the inversion bits 4..7 are applied.
// - DinAndMotorTemperatureControl bits 0..5 are DIN1..DIN6, bit 6 the motor
//   temperature input (set = sensor alarm), bit 7 the PLC input.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>

class InverterModel;

class DriveModel : public QObject
{
    Q_OBJECT

public:
    // Bits of the simulated inputs, as reported in DinAndMotorTemperatureControl.
    enum Input : uint16_t {
        Din1 = 0x01,
        Din2 = 0x02,
        Din3 = 0x04,
        Din4 = 0x08,
        Din5 = 0x10,
        Din6 = 0x20,
        MotorTemperatureInput = 0x40,
        PlcInput = 0x80,
    };

    static constexpr double AmbientTemperature = 25.0;
    static constexpr double NominalDcLinkVoltage = 48.0;

    explicit DriveModel(InverterModel *model, QObject *parent = nullptr);

    // Steps with the real elapsed time every periodMs.
    void start(int32_t periodMs = 50);
    void stop();
    // One step of the given length; public so that tests can step exactly.
    void step(double seconds);
    // Power-on: output off, motor at rest, cold.
    void reset();

    void setInputs(uint16_t bits) { m_inputs = bits; }
    uint16_t inputs() const { return m_inputs; }

    double frequency() const { return m_frequency; }
    double targetFrequency() const { return m_target; }
    bool outputOn() const { return m_output; }
    bool holding() const { return m_holding; }
    double motorCurrent() const { return m_current; }
    double motorVoltage() const { return m_voltage; }
    double activePower() const { return m_power; }
    double i2tLoad() const { return m_i2t; }
    double heatSinkTemperature() const { return m_heatSink; }

private:
    void tick();
    bool startRequested() const;
    double requestedSetpoint() const;
    double ufVoltage(double frequency) const;
    bool relayState(uint16_t function) const;
    void handleInputs();
    void publish();

    InverterModel *m_model = nullptr;
    QTimer m_timer;
    QElapsedTimer m_elapsed;
    double m_frequency = 0;
    double m_target = 0;
    bool m_output = false;
    bool m_holding = false;
    bool m_accelerating = false;
    double m_current = 0;
    double m_voltage = 0;
    double m_power = 0;
    double m_i2t = 0; // 1.0 = limit reached
    double m_heatSink = AmbientTemperature;
    double m_ripplePhase = 0;
    double m_inverterMs = 0; // fraction of an hour not yet counted
    double m_motorMs = 0;
    uint16_t m_inputs = 0;
    uint16_t m_previousInputs = 0;
};
