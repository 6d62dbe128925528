#include "ErrorTable.h"

#include <QtGlobal>

#include <cmath>

namespace {

constexpr int32_t E = ErrorDescription::Error;
constexpr int32_t W = ErrorDescription::Warning;

struct Row
{
    int32_t code;
    int32_t kind;
    const char *title;
    const char *description; // null: none
    const char *cause;
    const char *remedy;
};

// clang-format off
const Row Rows[] = {
    {1, W,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Motorstrom hat den Strombegrenzungswert erreicht"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Motor zu stark belastet, Parameter \"Beschleunigungsrampe\" zu klein und/oder \"Anlaufstrom\" zu groß gewählt (sofern einstellbar)."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Last verringern, Parameter anpassen.")},
    {2, E,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "STO unterbrochen"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "STO Anschluss nicht beschalten."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Prüfen des STO Anschlusses.")},
    {3, E,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Erdschluss im Motor"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Kurzschlüsse im Motor oder der Zuleitung."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Motor austauschen oder reparieren; Motorzuleitung prüfen.")},
    {4, E,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Kühlkörpertemperatur zu hoch (Frequenzumrichter)"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Frequenzumrichter überlastet, Kühlkörper zu heiß"),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Last verringern, Ausgangsströme prüfen.")},
    {5, E,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Fehler im Wechselrichter beim Selbsttest"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Hardware-Fehler im Leistungsteil."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Bleibt der Fehler trotz mehrmaligen EIN/AUS-Schaltens bestehen, muss der Frequenzumrichter zur Reparatur.")},
    {6, E,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Überstromerkennung im Wechselrichter"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Hardware-Fehler im Leistungsteil, Fehler in der Motorleitung oder im Motor."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Motorleitung oder Motor austauschen. Bleibt der Fehler trotz mehrmaligen EIN/AUS-Schaltens bestehen, muss der Frequenzumrichter zur Reparatur.")},
    {7, E,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "I²t Abschaltung"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "I²t-Auslastung zu hoch, daher Motor abgeschaltet."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Motor abkühlen lassen, Last verringern. Die Parameter \"I²t-Zeit\" und \"I²t-Stromschwelle\" prüfen.")},
    {8, W,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "I²t Schwellwert überschritten"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "I²t-Auslastung zu hoch."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Last verringern sowie die Parameter \"I²t-Zeit\" und \"I²t-Stromschwelle\" prüfen.")},
    {9, E,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Kein Motortyp definiert"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Der Parameter \"Motortyp\" ist auf \"kein Motor\" gesetzt."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Den Parameter \"Motortyp\" prüfen.")},
    {11, E,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Temperaturüberwachung Motor"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Motor zu warm, eventuell Kabelbruch Sensor."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Motor abkühlen, Last verringern, Sensor prüfen. Die Parameter \"Temperaturüberwachung\" und \"Sensorwert\" prüfen.")},
    {14, E,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Überwachung Netzunterspannung"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Versorgungsspannung zu klein."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Versorgungsspannung prüfen, Netzanschluss prüfen.")},
    {15, E,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Zwischenkreisspannung zu groß"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Versorgungsspannung zu groß oder Motorbremsrampe zu niedrig."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Versorgungsspannung und Netzanschluss prüfen; Parameter \"Bremsrampe\" anpassen.")},
    {16, E,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Überstromschutz im Wechselrichter (Spitzenstrom)"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Frequenzumrichter überlastet, Motor Kurzschluss oder Erdschluss."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Belastung reduzieren, Motor und Zuleitung auf Kurz- und Erdschluss prüfen.")},
    {17, E,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Motoranschluss unterbrochen"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Kein Motor angeschlossen bzw. eine Motorphase unterbrochen."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Motoranschluss prüfen, ggf. Parameter \"Motortyp\" anpassen.")},
    {18, W,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Begrenzung Drehzahlsollwert aktiv"),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Der interne Drehzahlsollwert der Motorsteuerung wird auf die maximale Wechselrichterfrequenz (Parameter \"Maximale Drehzahl\") begrenzt."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Parameter \"Drehzahlsollwert\" bzw. Sollwert von Analogeingang zu groß."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Parameter \"Drehzahlsollwert\", die Grenzen für den Sollwert vom Analogeingang (\"Minimale Drehzahl\" AIN und \"Maximale Drehzahl\" AIN) sowie die Festfrequenzen 1 bis 4 prüfen; zur Kontrolle den aktuellen Sollwert nutzen.")},
    {22, W,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "10V Ausgangsspannung außerhalb des zulässigen Bereichs"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Die 10V Ausgangsspannung für den AIN ist außerhalb des zulässigen Bereiches (±3%)."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Verdrahtung prüfen; ggf. liegt ein Kurzschluss vor.")},
    {23, W,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Kurzschluss 24V Ausgang"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Kurzschluss des 24V Ausgangs."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Verdrahtung prüfen.")},
    {24, W,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Fehlerhafter Parameterimport oder -export"),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Es wurden ausschließlich die Werte übernommen, die tatsächlich vorhanden sind (Parameterimport); ein Parameterexport fand nicht statt."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Keine/fehlerhafte SD-Karte oder Parameterdatei auf SD-Karte ist nicht vollständig oder nicht vorhanden."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Vollständige Parameterdatei (Import) und intakte SD-Karte verwenden.")},
    {26, W,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Unbenutzter Motorparameterspeicher für Motorcodierung"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Der Wert am Motorcodiereingang (DIN3 bis DIN6) zeigt auf einen leeren Parameterspeicher M1...M16."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Signalwerte an DIN3 bis DIN6 prüfen (siehe auch Parameter \"Motorcode\") bzw. einen Parametersatz für den entsprechenden Motor abspeichern.")},
    {27, W,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Motor im Generatorbetrieb"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Motor rotiert bei Umrichterstopp."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Motorstillstand abwarten.")},
    {28, W,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Komparatorfehler beim Selbsttest"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Interner Fehler."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Bleibt der Fehler nach erneutem EIN/AUS-Schalten bestehen, muss der Frequenzumrichter zur Reparatur. Ein DASM-Motor kann weiter mit dem Umrichter betrieben werden, ein PMSM-Motor hingegen nicht.")},
    {29, E,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Fehler beim Parameterimport und/oder -export"),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Es wurde kein Import oder Export von Parametern vorgenommen."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Falsch konfigurierte oder beschaltene digitale Eingänge DIN5 und DIN6."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Signalwerte an DIN5 und DIN6 sowie deren Konfiguration prüfen.")},
    {45, W,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Watchdog-Reset auf Motorsteuerung"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Starke EMV-Störung auf Motorsteuerplatine."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Motor neu starten.")},
    {53, E,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Kurzschluss oder Erdschluss im Gleichstromsteller (GS)"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Hardware-Fehler im Leistungsteil."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Verkabelung prüfen. Bleibt der Fehler trotz mehrmaligem EIN/AUS-Schalten bestehen, muss der Frequenzumrichter zur Reparatur.")},
    {54, W,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Bremschopper defekt bzw. Bremswiderstand unterbrochen beim Selbsttest"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Hardware-Fehler im Leistungsteil."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Bleibt der Fehler trotz mehrmaligem EIN/AUS-Schalten bestehen, muss der Frequenzumrichter zur Reparatur. Motor kann weiter betrieben werden.")},
    {55, W,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Offset in der Strommessschaltung zu groß beim Selbsttest"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Interner Fehler."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Bleibt der Fehler trotz mehrmaligem EIN/AUS-Schalten bestehen, muss der Frequenzumrichter zur Reparatur.")},
    {57, W,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Istdrehzahl des Motors zu hoch"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Motor-Istdrehzahl liegt 10% über der Solldrehzahl. Motor kann der Solldrehzahl nicht folgen, Motor extern angetrieben."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Solldrehzahl langsamer absenken.")},
    {58, E,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "PMSM-Motor läuft nicht an"),
     nullptr,
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Trotz mehrfacher Versuche läuft der PMSM-Motor nicht an."),
     QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex",
         "Motor und Zuleitung prüfen. Parameter \"Beschleunigungsrampe\", \"Anlaufzeit\" und \"Anlaufstrom\" anpassen (sofern einstellbar).")},
};
// clang-format on

QString text(const char *source)
{
    return source ? QString::fromUtf8(source) : QString();
}

} // namespace

ErrorTable::ErrorTable()
    : m_slots(Size)
{
    for (const Row &row : Rows) {
        Q_ASSERT(row.code >= 0 && row.code < Size && !m_slots[row.code]);
        auto entry = std::make_unique<ErrorDescription>();
        entry->code = row.code;
        entry->kind = row.kind;
        entry->title = text(row.title);
        entry->description = text(row.description);
        entry->cause = text(row.cause);
        entry->remedy = text(row.remedy);
        m_slots[row.code] = std::move(entry);
    }
}

ErrorTable::~ErrorTable() = default;

const ErrorDescription *ErrorTable::entry(int code) const
{
    if (code < 0 || code >= Size)
        return nullptr;
    return m_slots[code].get();
}

const ErrorDescription *ErrorTable::entryForValue(double value) const
{
    // Compared before the conversion: casting NaN or a value beyond int is undefined.
    if (!(value > -1.0 && value < Size))
        return nullptr;
    return entry(static_cast<int>(std::trunc(value)));
}
