#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <cstdint>

// Access class bits of a parameter.
namespace Access {
enum : int32_t {
    Operating = 1,         // operating value, read only
    StoppedOnly = 2,       // writable only while the motor is stopped
    Always = 4,            // writable at any time
    MotorTypeSpecific = 8, // only together with StoppedOnly or Always
};
}

// Motor-type mask bits of a motor-type specific parameter.
namespace MotorMask {
enum : int32_t {
    Dasm = 1,
    Pmsm = 2,
};
}

// One catalogue entry. Texts (labels, enumeration texts) are German source
// texts, translated in the "DatasetController" context where they are shown.
struct ParameterDescriptor
{
    uint16_t id = 0;
    QByteArray key;
    QString frequencyLabel;
    QString speedLabel;
    double minimum = 0;
    double maximum = 0;
    double defaultValue = 0;
    double value = 0; // display units; Hz for frequencies, never min-1
    int32_t divisor = 1;
    QMap<uint16_t, QString> enumeration;
    int32_t isOff = 0;
    bool hasOffState = false;
    bool convertible = false;
    int32_t motorTypeMask = 0;
    int32_t accessClass = 0;
    bool cyclic = false;
    bool inDeviceSet = false;
    bool inMotorSet = false;

    bool isEnumeration() const { return !enumeration.isEmpty(); }
    bool isOperatingValue() const { return accessClass & Access::Operating; }

    // Stores a raw value from the inverter or a file: decoding (divisor, offset),
    // clamping, off state. Enumeration codes without a text are not stored.
    // Returns true when the stored value changed.
    bool storeRaw(uint16_t raw);
    // The raw 16-bit value for the wire and for files: 0 while off, rounded half
    // up; a value beyond 0..65535 after scaling saturates rather than wraps.
    uint16_t raw() const;
    // Stores a display value: clamps to the static limits, keeps the off state.
    // Returns true when the stored value changed (same comparison as storeRaw).
    bool storeValue(double displayValue);
};
