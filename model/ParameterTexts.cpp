#include "ParameterTexts.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {

struct Row
{
    uint16_t id;
    const char *caption;
    const char *unit;
};

// clang-format off
const Row Rows[] = {
    {  1, QT_TRANSLATE_NOOP("ParameterTexts", "Frequenzsollwert"), QT_TRANSLATE_NOOP("ParameterTexts", "Hz")},
    {  2, QT_TRANSLATE_NOOP("ParameterTexts", "Start/Stopp"), nullptr},
    {  8, QT_TRANSLATE_NOOP("ParameterTexts", "Drehzahlanzeige"), nullptr},
    { 10, QT_TRANSLATE_NOOP("ParameterTexts", "Aktueller Frequenzsollwert"), QT_TRANSLATE_NOOP("ParameterTexts", "Hz")},
    { 11, QT_TRANSLATE_NOOP("ParameterTexts", "Spitzenstrom"), QT_TRANSLATE_NOOP("ParameterTexts", "A eff~")},
    { 13, QT_TRANSLATE_NOOP("ParameterTexts", "Frequenzistwert"), QT_TRANSLATE_NOOP("ParameterTexts", "Hz")},
    { 15, QT_TRANSLATE_NOOP("ParameterTexts", "Motorspannung"), QT_TRANSLATE_NOOP("ParameterTexts", "V~")},
    { 16, QT_TRANSLATE_NOOP("ParameterTexts", "ZK-Spannung (Motor)"), QT_TRANSLATE_NOOP("ParameterTexts", "V-")},
    { 18, QT_TRANSLATE_NOOP("ParameterTexts", "Motorwirkstrom"), QT_TRANSLATE_NOOP("ParameterTexts", "A eff~")},
    { 19, QT_TRANSLATE_NOOP("ParameterTexts", "Wirkleistung"), QT_TRANSLATE_NOOP("ParameterTexts", "W")},
    { 20, QT_TRANSLATE_NOOP("ParameterTexts", "Motorcode"), nullptr},
    { 21, QT_TRANSLATE_NOOP("ParameterTexts", "I²t-Auslastung"), QT_TRANSLATE_NOOP("ParameterTexts", "%")},
    { 25, QT_TRANSLATE_NOOP("ParameterTexts", "Betriebsstunden Umrichter"), QT_TRANSLATE_NOOP("ParameterTexts", "h")},
    { 26, QT_TRANSLATE_NOOP("ParameterTexts", "Betriebsstunden Motor"), QT_TRANSLATE_NOOP("ParameterTexts", "h")},
    { 27, QT_TRANSLATE_NOOP("ParameterTexts", "Umrichterstatus"), nullptr},
    { 30, QT_TRANSLATE_NOOP("ParameterTexts", "1. Störung"), nullptr},
    { 31, QT_TRANSLATE_NOOP("ParameterTexts", "2. Störung"), nullptr},
    { 32, QT_TRANSLATE_NOOP("ParameterTexts", "3. Störung"), nullptr},
    { 33, QT_TRANSLATE_NOOP("ParameterTexts", "4. Störung"), nullptr},
    { 34, QT_TRANSLATE_NOOP("ParameterTexts", "5. Störung"), nullptr},
    { 36, QT_TRANSLATE_NOOP("ParameterTexts", "Umrichtertyp"), nullptr},
    { 39, QT_TRANSLATE_NOOP("ParameterTexts", "Seriennummer"), nullptr},
    { 41, QT_TRANSLATE_NOOP("ParameterTexts", "Minimale Frequenz"), QT_TRANSLATE_NOOP("ParameterTexts", "Hz")},
    { 42, QT_TRANSLATE_NOOP("ParameterTexts", "Maximale Frequenz"), QT_TRANSLATE_NOOP("ParameterTexts", "Hz")},
    { 44, QT_TRANSLATE_NOOP("ParameterTexts", "Motorspitzenstrom"), QT_TRANSLATE_NOOP("ParameterTexts", "A eff~")},
    { 46, QT_TRANSLATE_NOOP("ParameterTexts", "Beschleunigungsrampe"), QT_TRANSLATE_NOOP("ParameterTexts", "s")},
    { 47, QT_TRANSLATE_NOOP("ParameterTexts", "Bremsrampe"), QT_TRANSLATE_NOOP("ParameterTexts", "s")},
    { 51, QT_TRANSLATE_NOOP("ParameterTexts", "Anlaufzeit"), QT_TRANSLATE_NOOP("ParameterTexts", "s")},
    { 52, QT_TRANSLATE_NOOP("ParameterTexts", "Anlaufstrom"), QT_TRANSLATE_NOOP("ParameterTexts", "A~")},
    { 53, QT_TRANSLATE_NOOP("ParameterTexts", "Anlauffrequenz"), QT_TRANSLATE_NOOP("ParameterTexts", "Hz")},
    { 54, QT_TRANSLATE_NOOP("ParameterTexts", "Ausschaltzeit Anlauf"), QT_TRANSLATE_NOOP("ParameterTexts", "µs")},
    { 55, QT_TRANSLATE_NOOP("ParameterTexts", "DC-Bremszeit"), QT_TRANSLATE_NOOP("ParameterTexts", "s")},
    { 56, QT_TRANSLATE_NOOP("ParameterTexts", "DC-Bremsstrom"), QT_TRANSLATE_NOOP("ParameterTexts", "A-")},
    { 57, QT_TRANSLATE_NOOP("ParameterTexts", "Haltestrom"), QT_TRANSLATE_NOOP("ParameterTexts", "A-")},
    { 60, QT_TRANSLATE_NOOP("ParameterTexts", "U/f-Spannung 0"), QT_TRANSLATE_NOOP("ParameterTexts", "V~")},
    { 61, QT_TRANSLATE_NOOP("ParameterTexts", "U/f-Frequenz 1"), QT_TRANSLATE_NOOP("ParameterTexts", "Hz")},
    { 62, QT_TRANSLATE_NOOP("ParameterTexts", "U/f-Spannung 1"), QT_TRANSLATE_NOOP("ParameterTexts", "V~")},
    { 63, QT_TRANSLATE_NOOP("ParameterTexts", "U/f-Frequenz 2"), QT_TRANSLATE_NOOP("ParameterTexts", "Hz")},
    { 64, QT_TRANSLATE_NOOP("ParameterTexts", "U/f-Spannung 2"), QT_TRANSLATE_NOOP("ParameterTexts", "V~")},
    { 65, QT_TRANSLATE_NOOP("ParameterTexts", "U/f-Frequenz 3"), QT_TRANSLATE_NOOP("ParameterTexts", "Hz")},
    { 66, QT_TRANSLATE_NOOP("ParameterTexts", "U/f-Spannung 3"), QT_TRANSLATE_NOOP("ParameterTexts", "V~")},
    { 71, QT_TRANSLATE_NOOP("ParameterTexts", "I*R-Anhebefaktor"), QT_TRANSLATE_NOOP("ParameterTexts", "V/A")},
    { 72, QT_TRANSLATE_NOOP("ParameterTexts", "Lastkompensationsfaktor"), QT_TRANSLATE_NOOP("ParameterTexts", "%/A~")},
    { 73, QT_TRANSLATE_NOOP("ParameterTexts", "Filterzeit"), QT_TRANSLATE_NOOP("ParameterTexts", "ms")},
    { 75, QT_TRANSLATE_NOOP("ParameterTexts", "I²t-Stromschwelle"), QT_TRANSLATE_NOOP("ParameterTexts", "%")},
    { 76, QT_TRANSLATE_NOOP("ParameterTexts", "I²t-Zeit"), QT_TRANSLATE_NOOP("ParameterTexts", "s")},
    { 77, QT_TRANSLATE_NOOP("ParameterTexts", "Funktion I²t-Überwachung"), nullptr},
    { 79, QT_TRANSLATE_NOOP("ParameterTexts", "U-Regler KP"), QT_TRANSLATE_NOOP("ParameterTexts", "%")},
    { 80, QT_TRANSLATE_NOOP("ParameterTexts", "U-Regler TN"), QT_TRANSLATE_NOOP("ParameterTexts", "ms")},
    { 81, QT_TRANSLATE_NOOP("ParameterTexts", "N-Regler KP"), QT_TRANSLATE_NOOP("ParameterTexts", "%")},
    { 82, QT_TRANSLATE_NOOP("ParameterTexts", "N-Regler TN"), QT_TRANSLATE_NOOP("ParameterTexts", "ms")},
    { 83, QT_TRANSLATE_NOOP("ParameterTexts", "N-Regler TV"), QT_TRANSLATE_NOOP("ParameterTexts", "ms")},
    { 84, QT_TRANSLATE_NOOP("ParameterTexts", "N-Regler TF"), QT_TRANSLATE_NOOP("ParameterTexts", "ms")},
    { 85, QT_TRANSLATE_NOOP("ParameterTexts", "Temperaturüberwachung"), nullptr},
    { 86, QT_TRANSLATE_NOOP("ParameterTexts", "Sensorwert"), QT_TRANSLATE_NOOP("ParameterTexts", "Ohm")},
    { 90, QT_TRANSLATE_NOOP("ParameterTexts", "Motortyp"), nullptr},
    { 91, QT_TRANSLATE_NOOP("ParameterTexts", "Nennfrequenz"), QT_TRANSLATE_NOOP("ParameterTexts", "Hz")},
    { 92, QT_TRANSLATE_NOOP("ParameterTexts", "Nennspannung"), QT_TRANSLATE_NOOP("ParameterTexts", "V~")},
    { 93, QT_TRANSLATE_NOOP("ParameterTexts", "Nennstrom"), QT_TRANSLATE_NOOP("ParameterTexts", "A eff~")},
    { 94, QT_TRANSLATE_NOOP("ParameterTexts", "cos phi"), QT_TRANSLATE_NOOP("ParameterTexts", "%")},
    { 96, QT_TRANSLATE_NOOP("ParameterTexts", "Anzahl Polpaare"), nullptr},
    { 97, QT_TRANSLATE_NOOP("ParameterTexts", "N_soll Stromeingang"), QT_TRANSLATE_NOOP("ParameterTexts", "mA")},
    { 98, QT_TRANSLATE_NOOP("ParameterTexts", "N_soll Spannungseingang"), QT_TRANSLATE_NOOP("ParameterTexts", "V")},
    { 99, QT_TRANSLATE_NOOP("ParameterTexts", "Temperatur Kühlkörper"), QT_TRANSLATE_NOOP("ParameterTexts", "°C")},
    {100, QT_TRANSLATE_NOOP("ParameterTexts", "ZK-Spannung (Eingang)"), QT_TRANSLATE_NOOP("ParameterTexts", "V")},
    {101, QT_TRANSLATE_NOOP("ParameterTexts", "Relais- und LED-Steuerung"), nullptr},
    {102, QT_TRANSLATE_NOOP("ParameterTexts", "Digitaleingänge und Motortemperatur"), nullptr},
    {104, QT_TRANSLATE_NOOP("ParameterTexts", "Festfrequenz 1"), QT_TRANSLATE_NOOP("ParameterTexts", "Hz")},
    {105, QT_TRANSLATE_NOOP("ParameterTexts", "Festfrequenz 2"), QT_TRANSLATE_NOOP("ParameterTexts", "Hz")},
    {106, QT_TRANSLATE_NOOP("ParameterTexts", "Festfrequenz 3"), QT_TRANSLATE_NOOP("ParameterTexts", "Hz")},
    {107, QT_TRANSLATE_NOOP("ParameterTexts", "Festfrequenz 4"), QT_TRANSLATE_NOOP("ParameterTexts", "Hz")},
    {110, QT_TRANSLATE_NOOP("ParameterTexts", "DIN 1"), nullptr},
    {111, QT_TRANSLATE_NOOP("ParameterTexts", "DIN 2"), nullptr},
    {112, QT_TRANSLATE_NOOP("ParameterTexts", "DIN 3"), nullptr},
    {113, QT_TRANSLATE_NOOP("ParameterTexts", "DIN 4"), nullptr},
    {114, QT_TRANSLATE_NOOP("ParameterTexts", "DIN 5"), nullptr},
    {115, QT_TRANSLATE_NOOP("ParameterTexts", "DIN 6"), nullptr},
    {116, QT_TRANSLATE_NOOP("ParameterTexts", "SPS-Eingang"), nullptr},
    {120, QT_TRANSLATE_NOOP("ParameterTexts", "Relais 1"), nullptr},
    {121, QT_TRANSLATE_NOOP("ParameterTexts", "Relais 2"), nullptr},
    {125, QT_TRANSLATE_NOOP("ParameterTexts", "Relais-Warnstrom"), QT_TRANSLATE_NOOP("ParameterTexts", "A~")},
    {129, QT_TRANSLATE_NOOP("ParameterTexts", "AIN-Funktion"), nullptr},
    {130, QT_TRANSLATE_NOOP("ParameterTexts", "CAN Node-ID"), nullptr},
    {135, QT_TRANSLATE_NOOP("ParameterTexts", "AIN minimale Frequenz"), QT_TRANSLATE_NOOP("ParameterTexts", "Hz")},
    {136, QT_TRANSLATE_NOOP("ParameterTexts", "AIN maximale Frequenz"), QT_TRANSLATE_NOOP("ParameterTexts", "Hz")},
    {137, QT_TRANSLATE_NOOP("ParameterTexts", "AIN maximale Spannung"), QT_TRANSLATE_NOOP("ParameterTexts", "V")},
    {138, QT_TRANSLATE_NOOP("ParameterTexts", "AIN maximaler Strom"), QT_TRANSLATE_NOOP("ParameterTexts", "mA")},
    {140, QT_TRANSLATE_NOOP("ParameterTexts", "Startvorgabe"), nullptr},
    {141, QT_TRANSLATE_NOOP("ParameterTexts", "Frequenzsollwertvorgabe"), nullptr},
    {146, QT_TRANSLATE_NOOP("ParameterTexts", "Drehrichtung"), nullptr},
    {149, QT_TRANSLATE_NOOP("ParameterTexts", "Belegte Motorspeicher"), nullptr},
};
// clang-format on

const Row *find(uint16_t id)
{
    const auto it = std::lower_bound(std::begin(Rows), std::end(Rows), id,
                                     [](const Row &row, uint16_t n) { return row.id < n; });
    return it != std::end(Rows) && it->id == id ? it : nullptr;
}

QString translated(const char *text)
{
    return text ? QCoreApplication::translate("ParameterTexts", text) : QString();
}

} // namespace

QString ParameterTexts::caption(uint16_t id)
{
    const Row *row = find(id);
    return row ? translated(row->caption) : QStringLiteral("P%1").arg(id);
}

QString ParameterTexts::unit(uint16_t id)
{
    const Row *row = find(id);
    return row ? translated(row->unit) : QString();
}
