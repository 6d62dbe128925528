#include "ParameterCatalogue.h"

#include <QtGlobal>

#include <initializer_list>
#include <iterator>

namespace {

// Shorthands for the table below.
constexpr int32_t O = Access::Operating;
constexpr int32_t S = Access::StoppedOnly;
constexpr int32_t A = Access::Always;
constexpr int32_t ST = Access::StoppedOnly | Access::MotorTypeSpecific;
constexpr int32_t AT = Access::Always | Access::MotorTypeSpecific;

constexpr int32_t Both = MotorMask::Dasm | MotorMask::Pmsm;
constexpr int32_t Dasm = MotorMask::Dasm;
constexpr int32_t Pmsm = MotorMask::Pmsm;
constexpr int32_t NoMotor = 0;

enum Flag : unsigned {
    Conv = 0x01,   // shown in Hz or min-1
    Off = 0x02,    // one step below the minimum means off
    OffNow = 0x06, // off state, and off at construction
    Cyc = 0x08,    // polled every 500 ms
    Mps = 0x10,    // member of the device parameter set
    Mtr = 0x20,    // member of the motor parameter set
};

// Enumeration parameters carry min = max = 0 and divisor 1; their default is a code.
struct Row
{
    uint16_t id;
    const char *key;
    double minimum, maximum, defaultValue;
    int32_t divisor;
    int32_t access;
    int32_t mask;
    unsigned flags;
};

// clang-format off
const Row Rows[] = {
    {  1, "RatedFrequency",                 0,    4000,   83,     1,    A,  Both, Conv | Mps},
    {  2, "StartStop",                      0,    1,      0,      1,    A,  Both, 0},
    {  8, "SpeedDisplay",                   0,    0,      0x8005, 1,    A,  Both, Mps},
    { 10, "CurrentRatedFrequency",          0,    4000,   0,      1,    O,  Both, Conv | Cyc},
    { 11, "PeakCurrent",                    0.5,  1000,   0.5,    10,   O,  Both, Cyc},
    { 13, "ActualFrequencyInverter",        0,    4000,   0,      1,    O,  Both, Conv | Cyc},
    { 15, "MotorVoltage",                   0,    65,     0,      10,   O,  Both, Cyc},
    { 16, "DCLinkVoltage",                  0,    75,     0,      10,   O,  Both, Cyc},
    { 18, "MotorCurrent",                   -25,  25,     0,      1000, O,  Both, Cyc},
    { 19, "ActivePower",                    0,    2000,   0,      1,    O,  Both, Cyc},
    { 20, "MotorCode",                      0,    16,     0,      1,    O,  Both, Cyc},
    { 21, "I2TLoad",                        0,    200,    0,      10,   O,  Both, Cyc},
    { 25, "RuntimeInverter",                0,    65000,  0,      1,    O,  Both, Cyc},
    { 26, "RuntimeMotor",                   0,    65000,  0,      1,    O,  Both, Cyc},
    { 27, "InverterFlags",                  0,    65535,  0,      1,    O,  Both, Cyc},
    { 30, "1stError",                       0,    999,    0,      1,    O,  Both, Cyc},
    { 31, "2ndError",                       0,    999,    0,      1,    O,  Both, Cyc},
    { 32, "3rdError",                       0,    999,    0,      1,    O,  Both, Cyc},
    { 33, "4thError",                       0,    999,    0,      1,    O,  Both, Cyc},
    { 34, "5thError",                       0,    999,    0,      1,    O,  Both, Cyc},
    { 36, "Inverter",                       0,    65535,  0,      1,    O,  Both, 0},
    { 39, "SerialNumber",                   0,    65535,  0,      1,    O,  Both, 0},
    { 41, "MinimumMotorFrequency",          5,    100,    50,     1,    S,  Both, Conv | Mps | Mtr},
    { 42, "MaximumMotorFrequency",          100,  4000,   100,    1,    S,  Both, Conv | Mps | Mtr},
    { 44, "MotorPeakCurrent",               0.5,  100,    1.5,    10,   S,  Both, Mps | Mtr},
    { 46, "AccelerationRamp",               0.5,  400,    5,      10,   A,  Both, Mps | Mtr},
    { 47, "DecelerationRamp",               0.5,  400,    5,      10,   A,  Both, Mps | Mtr},
    { 51, "StartupTime",                    0.5,  100,    0,      10,   AT, Pmsm, OffNow | Mps | Mtr},
    { 52, "StartupCurrent",                 0.1,  16,     0.1,    10,   AT, Pmsm, Mps | Mtr},
    { 53, "StartupFrequency",               1,    30,     8,      1,    ST, Pmsm, Conv | Mps | Mtr},
    { 54, "SwitchoffTime",                  200,  1000,   330,    1,    ST, Pmsm, Mps | Mtr},
    { 55, "DCBrakeTime",                    0,    120,    0,      10,   AT, Dasm, OffNow | Mps | Mtr},
    { 56, "DCBrakeCurrent",                 0,    16,     1,      10,   AT, Dasm, Mps | Mtr},
    { 57, "HoldingCurrent",                 0,    3,      0,      10,   A,  Both, OffNow | Mps | Mtr},
    { 60, "Voltage0",                       1,    65,     1,      10,   AT, Dasm, Mps | Mtr},
    { 61, "Frequency1",                     5,    4000,   100,    1,    AT, Dasm, Mps | Mtr},
    { 62, "Voltage1",                       1,    65,     6,      10,   AT, Dasm, Mps | Mtr},
    { 63, "Frequency2",                     5,    4000,   100,    1,    AT, Dasm, Mps | Mtr},
    { 64, "Voltage2",                       1,    65,     6,      10,   AT, Dasm, Mps | Mtr},
    { 65, "Frequency3",                     5,    4000,   100,    1,    AT, Dasm, Mps | Mtr},
    { 66, "Voltage3",                       1,    65,     6,      10,   AT, Dasm, Mps | Mtr},
    { 71, "IRFactor",                       0,    10,     0,      10,   AT, Dasm, Off | Mps | Mtr},
    { 72, "LoadCompFactor",                 0,    40,     0,      10,   AT, Dasm, Off | Mps | Mtr},
    { 73, "FilterTime",                     1,    1000,   20,     1,    AT, Dasm, Mps | Mtr},
    { 75, "I2TThreshold",                   0,    100,    100,    10,   S,  Both, Mps | Mtr},
    { 76, "I2TPeriod",                      1,    3600,   17,     1,    S,  Both, Mps | Mtr},
    { 77, "I2TFunction",                    0,    0,      0x806A, 1,    S,  Both, Mps | Mtr},
    { 79, "VControlKP",                     5,    100,    20,     1,    A,  Both, Mps | Mtr},
    { 80, "VControlTN",                     1,    999,    2,      1,    A,  Both, Off | Mps | Mtr},
    { 81, "SpeedControlKP",                 5,    200,    50,     1,    A,  Both, Mps | Mtr},
    { 82, "SpeedControlTN",                 0,    999,    250,    1,    A,  Both, Off | Mps | Mtr},
    { 83, "SpeedControlTV",                 0,    300,    30,     1,    A,  Both, Off | Mps | Mtr},
    { 84, "SpeedControlTF",                 1,    300,    200,    1,    A,  Both, Mps | Mtr},
    { 85, "MotorTemperatureMonitoring",     0,    0,      0,      1,    A,  Both, Mps | Mtr},
    { 86, "SensorResistanceValue",          500,  4000,   1330,   1,    A,  Both, Mps | Mtr},
    { 90, "MotorType",                      0,    0,      0x8001, 1,    S,  Both, Mps | Mtr},
    { 91, "RatedMotorFrequency",            5,    4000,   100,    1,    S,  Both, Conv | Mps | Mtr},
    { 92, "RatedMotorVoltage",              0,    65,     6,      10,   S,  Both, Mps | Mtr},
    { 93, "RatedMotorCurrent",              0.5,  16,     1,      10,   S,  Both, Mps | Mtr},
    { 94, "cos_phi",                        20,   100,    85,     1,    S,  Both, Mps | Mtr},
    { 96, "PolePairs",                      1,    4,      1,      1,    S,  Both, Mps | Mtr},
    { 97, "InputCurrent",                   0,    4000,   0,      10,   O,  Both, Cyc},
    { 98, "InputVoltage",                   0,    4000,   0,      10,   O,  Both, Cyc},
    { 99, "HeatSinkTemperature",            0,    150,    0,      10,   O,  Both, Cyc},
    {100, "InputVoltageInverter",           0,    100,    0,      10,   O,  Both, Cyc},
    {101, "RelayAndLEDControl",             0,    65535,  0,      1,    A,  Both, Cyc},
    {102, "DinAndMotorTemperatureControl",  0,    65535,  0,      1,    O,  Both, Cyc},
    {104, "FixedFrequency1",                5,    4000,   100,    1,    A,  Both, Mps},
    {105, "FixedFrequency2",                5,    4000,   100,    1,    A,  Both, Mps},
    {106, "FixedFrequency3",                5,    4000,   100,    1,    A,  Both, Mps},
    {107, "FixedFrequency4",                5,    4000,   100,    1,    A,  Both, Mps},
    {110, "DIN1",                           0,    0,      0x803B, 1,    S,  Both, Mps},
    {111, "DIN2",                           0,    0,      0x803E, 1,    S,  Both, Mps},
    {112, "DIN3",                           0,    0,      0x803F, 1,    S,  Both, Mps},
    {113, "DIN4",                           0,    0,      0,      1,    S,  Both, Mps},
    {114, "DIN5",                           0,    0,      0x8042, 1,    S,  Both, Mps},
    {115, "DIN6",                           0,    0,      0x8043, 1,    S,  Both, Mps},
    {116, "SPSInput",                       0,    0,      0,      1,    S,  Both, Mps},
    {120, "Relay1",                         0,    0,      0x8052, 1,    A,  Both, Mps},
    {121, "Relay2",                         0,    0,      0x804C, 1,    A,  Both, Mps},
    {125, "RelayWarningCurrent",            0.4,  12,     0.4,    10,   A,  Both, Mps},
    {129, "AIN",                            0,    0,      0x805A, 1,    S,  Both, Mps},
    {130, "CanNodeId",                      1,    127,    1,      1,    A,  Both, Mps},
    {135, "AINMinimumFrequency",            0,    4000,   50,     1,    A,  Both, Conv | Mps},
    {136, "AINMaximumFrequency",            0,    4000,   100,    1,    A,  Both, Conv | Mps},
    {137, "AINMaximumVoltage",              1,    10,     10,     10,   A,  Both, Mps},
    {138, "AINMaximumCurrent",              4,    20,     20,     10,   A,  Both, Mps},
    {140, "InputForStart",                  0,    0,      0x805C, 1,    A,  Both, Mps},
    {141, "InputForRatedFrequency",         0,    0,      0x805F, 1,    A,  Both, Mps},
    {146, "DirectionOfRotation",            0,    0,      0x8064, 1,    A,  Both, Mps},
    {149, "MotorSets",                      0,    65535,  0,      1,    O,  NoMotor, Cyc},
};
// clang-format on

struct Choice
{
    uint16_t code;
    const char *text;
};

// Texts offered by several enumerations.
const char *const Aus = QT_TRANSLATE_NOOP("DatasetController", "Aus");
const char *const Reset = QT_TRANSLATE_NOOP("DatasetController", "Reset");
const char *const Direction = QT_TRANSLATE_NOOP("DatasetController", "Drehrichtung");
const char *const StartStopText = QT_TRANSLATE_NOOP("DatasetController", "Start/Stopp");
const char *const Digital = QT_TRANSLATE_NOOP("DatasetController", "Digitale Eingänge");
const char *const Torvana = QT_TRANSLATE_NOOP("DatasetController", "Torvana");
const char *const Can = QT_TRANSLATE_NOOP("DatasetController", "CAN");

} // namespace

ParameterCatalogue::ParameterCatalogue()
{
    m_slots.resize(Param::CatalogueSize);
    for (const Row &row : Rows) {
        auto d = std::make_unique<ParameterDescriptor>();
        d->id = row.id;
        d->key = QByteArray(row.key);
        d->minimum = row.minimum;
        d->maximum = row.maximum;
        d->defaultValue = row.defaultValue;
        d->divisor = row.divisor;
        d->hasOffState = row.flags & Off;
        d->convertible = row.flags & Conv;
        d->motorTypeMask = row.mask;
        d->accessClass = row.access;
        d->cyclic = row.flags & Cyc;
        d->inDeviceSet = row.flags & Mps;
        d->inMotorSet = row.flags & Mtr;
        m_slots[row.id] = std::move(d);
    }

    const auto choices = [this](std::initializer_list<uint16_t> ids, std::initializer_list<Choice> list) {
        for (uint16_t id : ids)
            for (const Choice &c : list)
                m_slots[id]->enumeration.insert(c.code, QString::fromUtf8(c.text));
    };
    choices({Param::SpeedDisplay},
            {{0x8005, QT_TRANSLATE_NOOP("DatasetController", "in Hz")},
             {0x8006, QT_TRANSLATE_NOOP("DatasetController", "in min-1")}});
    choices({Param::I2TFunction},
            {{0x806A, QT_TRANSLATE_NOOP("DatasetController", "Deaktiviert")},
             {0x806B, QT_TRANSLATE_NOOP("DatasetController", "Warnung")},
             {0x806C, QT_TRANSLATE_NOOP("DatasetController", "Motorstopp")}});
    choices({Param::MotorTemperatureMonitoring},
            {{0, Aus},
             {0x802A, QT_TRANSLATE_NOOP("DatasetController", "NTC")},
             {0x802B, QT_TRANSLATE_NOOP("DatasetController", "PTC")},
             {0x802C, QT_TRANSLATE_NOOP("DatasetController", "PT1000")},
             {0x802D, QT_TRANSLATE_NOOP("DatasetController", "KTY84")}});
    choices({Param::MotorType},
            {{0x8001, QT_TRANSLATE_NOOP("DatasetController", "kein Motor")},
             {0x8002, QT_TRANSLATE_NOOP("DatasetController", "DASM")},
             {0x8003, QT_TRANSLATE_NOOP("DatasetController", "PMSM")}});
    choices({Param::DIN1, Param::SPSInput}, {{0, Aus}, {0x803B, StartStopText}});
    choices({Param::DIN1}, {{0x803C, QT_TRANSLATE_NOOP("DatasetController", "Stopp")}});
    choices({Param::DIN2},
            {{0, Aus},
             {0x803D, QT_TRANSLATE_NOOP("DatasetController", "Startimpuls")},
             {0x803E, Reset},
             {0x803F, Direction}});
    choices({Param::DIN3, Param::DIN4, Param::DIN5, Param::DIN6}, {{0, Aus}, {0x803E, Reset}, {0x803F, Direction}});
    choices({Param::DIN3}, {{0x8040, QT_TRANSLATE_NOOP("DatasetController", "Motorcode Bit 0")}});
    choices({Param::DIN4}, {{0x8040, QT_TRANSLATE_NOOP("DatasetController", "Motorcode Bit 1")}});
    choices({Param::DIN5},
            {{0x8040, QT_TRANSLATE_NOOP("DatasetController", "Motorcode Bit 2")},
             {0x8041, QT_TRANSLATE_NOOP("DatasetController", "Festfrequenz Bit 1")},
             {0x8042, QT_TRANSLATE_NOOP("DatasetController", "Parameterimport")}});
    choices({Param::DIN6},
            {{0x8040, QT_TRANSLATE_NOOP("DatasetController", "Motorcode Bit 3")},
             {0x8041, QT_TRANSLATE_NOOP("DatasetController", "Festfrequenz Bit 0")},
             {0x8043, QT_TRANSLATE_NOOP("DatasetController", "Parameterexport")}});
    choices({Param::Relay1, Param::Relay2},
            {{0, Aus},
             {0x804A, QT_TRANSLATE_NOOP("DatasetController", "Status Betrieb")},
             {0x804B, QT_TRANSLATE_NOOP("DatasetController", "Status Warnung")},
             {0x804C, QT_TRANSLATE_NOOP("DatasetController", "Status Störung")},
             {0x804D, QT_TRANSLATE_NOOP("DatasetController", "Status Überlast")},
             {0x804E, QT_TRANSLATE_NOOP("DatasetController", "Sollfrequenz erreicht")},
             {0x804F, QT_TRANSLATE_NOOP("DatasetController", "Stromgrenze")},
             {0x8050, QT_TRANSLATE_NOOP("DatasetController", "Motortemperatur")},
             {0x8051, QT_TRANSLATE_NOOP("DatasetController", "Motorstillstand")},
             {0x8052, QT_TRANSLATE_NOOP("DatasetController", "Motor läuft")},
             {0x8053, QT_TRANSLATE_NOOP("DatasetController", "I²t Warnung")},
             {0x8054, QT_TRANSLATE_NOOP("DatasetController", "Haltebetrieb")}});
    choices({Param::AIN},
            {{0x805A, QT_TRANSLATE_NOOP("DatasetController", "U (0 ... 10 V)")},
             {0x805B, QT_TRANSLATE_NOOP("DatasetController", "I (0 ... 20 mA)")}});
    choices({Param::InputForStart, Param::InputForRatedFrequency}, {{0x805C, Digital}, {0x805D, Torvana}, {0x805E, Can}});
    choices({Param::InputForRatedFrequency}, {{0x805F, QT_TRANSLATE_NOOP("DatasetController", "Analoger Eingang")}});
    choices({Param::DirectionOfRotation},
            {{0x8062, QT_TRANSLATE_NOOP("DatasetController", "Linkslauf")},
             {0x8063, QT_TRANSLATE_NOOP("DatasetController", "Rechtslauf")},
             {0x8064, QT_TRANSLATE_NOOP("DatasetController", "Digitaler Eingang")}});

    const auto captions = [this](std::initializer_list<uint16_t> ids, const char *frequency, const char *speed) {
        for (uint16_t id : ids) {
            m_slots[id]->frequencyLabel = QString::fromUtf8(frequency);
            m_slots[id]->speedLabel = QString::fromUtf8(speed);
        }
    };
    captions({Param::RatedFrequency, Param::CurrentRatedFrequency},
             QT_TRANSLATE_NOOP("DatasetController", "Frequenzsollwert: "),
             QT_TRANSLATE_NOOP("DatasetController", "Drehzahlsollwert: "));
    captions({Param::ActualFrequencyInverter},
             QT_TRANSLATE_NOOP("DatasetController", "Frequenzistwert: "),
             QT_TRANSLATE_NOOP("DatasetController", "Drehzahlistwert: "));
    captions({Param::MinimumMotorFrequency, Param::AINMinimumFrequency},
             QT_TRANSLATE_NOOP("DatasetController", "Minimale Frequenz: "),
             QT_TRANSLATE_NOOP("DatasetController", "Minimale Drehzahl: "));
    captions({Param::MaximumMotorFrequency, Param::AINMaximumFrequency},
             QT_TRANSLATE_NOOP("DatasetController", "Maximale Frequenz: "),
             QT_TRANSLATE_NOOP("DatasetController", "Maximale Drehzahl: "));
    captions({Param::StartupFrequency},
             QT_TRANSLATE_NOOP("DatasetController", "Anlauffrequenz: "),
             QT_TRANSLATE_NOOP("DatasetController", "Anlaufdrehzahl: "));
    captions({Param::RatedMotorFrequency},
             QT_TRANSLATE_NOOP("DatasetController", "Nennfrequenz: "),
             QT_TRANSLATE_NOOP("DatasetController", "Nenndrehzahl: "));
    captions({Param::InputForRatedFrequency},
             QT_TRANSLATE_NOOP("DatasetController", "Frequenzsollwertvorgabe: "),
             QT_TRANSLATE_NOOP("DatasetController", "Drehzahlsollwertvorgabe: "));

    restoreDefaults();

    m_cyclic.reserve(28);
    for (const auto &d : m_slots) {
        if (!d)
            continue;
        if (d->cyclic)
            m_cyclic.append(d->id);
        if (d->accessClass & Access::StoppedOnly)
            m_stoppedOnly.append(d->id);
        if (d->convertible)
            m_convertible.append(d->id);
    }
}

ParameterCatalogue::~ParameterCatalogue() = default;

QVector<uint16_t> ParameterCatalogue::ids() const
{
    QVector<uint16_t> result;
    result.reserve(int(std::size(Rows)));
    for (const auto &d : m_slots)
        if (d)
            result.append(d->id);
    return result;
}

void ParameterCatalogue::restoreDefaults()
{
    for (const Row &row : Rows) {
        ParameterDescriptor &d = *m_slots[row.id];
        d.value = d.defaultValue;
        d.isOff = (row.flags & OffNow) == OffNow ? 1 : 0;
    }
}
