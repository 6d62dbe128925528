<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../../app/AboutDialog.ui" line="+14"/>
        <source>Über</source>
        <translation>About</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Torvana</source>
        <translation>Torvana</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Kontakt:</source>
        <translation>Contact:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Autor:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Orvask GmbH</source>
        <translation>Orvask GmbH</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Lizenzinformationen</source>
        <translation>License information</translation>
    </message>
    <message>
        <location filename="../../app/AboutDialog.cpp" line="+72"/>
        <source>Torvana is based in part on the work of the Qwt project (%1https://qwt.sourceforge.io%2). The Qwt license can be found at %3https://qwt.sourceforge.io/qwtlicense.html%4.</source>
        <translation>Torvana is based in part on the work of the Qwt project (%1https://qwt.sourceforge.io%2). The Qwt license can be found at %3https://qwt.sourceforge.io/qwtlicense.html%4.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Torvana includes icons from the Oxygen icon theme (%1https://invent.kde.org/frameworks/oxygen-icons%2), which is licensed under the LGPLv3 license (%3https://www.gnu.org/licenses/lgpl-3.0.html%4).</source>
        <translation>Torvana includes icons from the Oxygen icon theme (%1https://invent.kde.org/frameworks/oxygen-icons%2), which is licensed under the LGPLv3 license (%3https://www.gnu.org/licenses/lgpl-3.0.html%4).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Torvana also includes icons from the Breeze icon theme (%1https://invent.kde.org/frameworks/breeze-icons%2), which is licensed under the LGPLv3 license (%3https://www.gnu.org/licenses/lgpl-3.0.html%4).</source>
        <translation>Torvana also includes icons from the Breeze icon theme (%1https://invent.kde.org/frameworks/breeze-icons%2), which is licensed under the LGPLv3 license (%3https://www.gnu.org/licenses/lgpl-3.0.html%4).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1&lt;br/&gt;%2&lt;br/&gt;%3&lt;/p&gt;&lt;p&gt;Internet: %4%5&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p&gt;E-Mail: %6%7</source>
        <extracomment>%1 company, %2 street, %3 town; %4/%6 open the web and mail links, %5/%7 are their visible addresses</extracomment>
        <translation>%1&lt;br/&gt;%2&lt;br/&gt;%3, Germany&lt;/p&gt;&lt;p&gt;Internet: %4%5&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p&gt;E-mail: %6%7</translation>
    </message>
</context>
<context>
    <name>CliOptionParser</name>
    <message>
        <location filename="../../cli/CliOptions.cpp" line="+67"/>
        <source>Die Option %1 braucht einen Wert.</source>
        <translation>The option %1 needs a value.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Die Option %1 hat keinen Wert.</source>
        <translation>The option %1 takes no value.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Die Option --port braucht einen Gerätepfad.</source>
        <translation>The option --port needs a device path.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ungültige Zeit für --timeout: %1 (Sekunden größer als 0 erwartet).</source>
        <translation>Invalid time for --timeout: %1 (seconds greater than 0 expected).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unbekannte Sprache für --lang: %1 (de oder en).</source>
        <translation>Unknown language for --lang: %1 (de or en).</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Ungültige Zeit für --seconds: %1 (Sekunden größer als 0 erwartet).</source>
        <translation>Invalid time for --seconds: %1 (seconds greater than 0 expected).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Kein Befehl angegeben.</source>
        <translation>No command given.</translation>
    </message>
</context>
<context>
    <name>CliRunner</name>
    <message>
        <location filename="../../cli/CliRunner.cpp" line="+69"/>
        <source>Unbekannter Befehl: %1 (torvana-cli --help listet die Befehle)</source>
        <translation>Unknown command: %1 (torvana-cli --help lists the commands)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Die Option %1 gilt nicht für %2.</source>
        <translation>The option %1 does not apply to %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 gibt kein JSON aus.</source>
        <translation>%1 gives no JSON output.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Das Gerät %1 gibt es nicht.</source>
        <translation>The device %1 does not exist.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Aufruf: torvana-cli [--port PFAD] [--timeout SEKUNDEN] [--lang de|en] [--json] BEFEHL [ARGUMENTE]

Befehle:
  devices                       die Geräte, die die Suche sieht, eines je Zeile
  info                          Typ, Seriennummer und Firmware des Umrichters
  get P [P ...]                 Parameter in Anzeigeeinheiten (Nummer, P&lt;Nummer&gt;, Name oder all)
  set P=WERT [...] [--store]    Parameter schreiben; --store speichert danach im EEPROM
  read DATEI                    den aktuellen Parametersatz als .mps (oder .mtr) speichern
  write DATEI                   eine .mps- oder .mtr-Datei übertragen, im EEPROM speichern, prüfen
  status                        Betriebswerte, Zustand, aktiver Fehler oder aktive Warnung
  errors                        die fünf Einträge der Fehlerhistorie mit Ursache und Behebung
  reset                         Fehler-Reset
  factory-reset --yes           Werkseinstellungen laden
  monitor [--seconds N] [--csv] die Betriebswerte alle 500 ms
  memory list | load N [--store] | save N [--yes] | delete N --yes
                                die Motorspeicher M1 bis M16
  flash IMAGE                   Firmware-Update mit stm32flash

Optionen:
  --port PFAD                   nur dieses serielle Gerät verwenden
  --timeout SEKUNDEN            so lange nach einem Umrichter suchen (Vorgabe 5)
  --lang de|en                  Sprache der Meldungen (Vorgabe: die des Systems)
  --json                        ein JSON-Dokument auf der Standardausgabe
                                (devices, info, get, status, errors, memory list)
  --help, --version

Rückgabewerte: 0 erledigt; 1 vom Umrichter abgelehnt oder mit einem Fehler beantwortet; 2 falscher
Aufruf oder eine Datei, die nicht lesbar oder nicht gültig ist; 3 kein Umrichter gefunden;
4 Verbindung während des Vorgangs verloren.</source>
        <translation>Usage: torvana-cli [--port PATH] [--timeout SECONDS] [--lang de|en] [--json] COMMAND [ARGUMENTS]

Commands:
  devices                       the devices discovery sees, one a line
  info                          type, serial number and firmware of the inverter
  get P [P ...]                 parameters in display units (number, P&lt;number&gt;, name or all)
  set P=VALUE [...] [--store]   write parameters; --store then stores them in the EEPROM
  read FILE                     save the current parameter set as .mps (or .mtr)
  write FILE                    transfer a .mps or .mtr file, store it in the EEPROM, verify
  status                        operating values, state, active error or warning
  errors                        the five entries of the error history with cause and remedy
  reset                         error reset
  factory-reset --yes           load the factory settings
  monitor [--seconds N] [--csv] the operating values every 500 ms
  memory list | load N [--store] | save N [--yes] | delete N --yes
                                the motor memories M1 to M16
  flash IMAGE                   firmware update with stm32flash

Options:
  --port PATH                   use only this serial device
  --timeout SECONDS             look this long for an inverter (default 5)
  --lang de|en                  language of the messages (default: the system&apos;s)
  --json                        one JSON document on standard output
                                (devices, info, get, status, errors, memory list)
  --help, --version

Exit status: 0 done; 1 refused by the inverter or answered with an error; 2 usage error
or a file that is not readable or not valid; 3 no inverter found;
4 connection lost during the operation.</translation>
    </message>
    <message>
        <location filename="../../cli/main.cpp" line="+29"/>
        <source>torvana-cli --help zeigt den Aufruf.</source>
        <translation>torvana-cli --help shows the usage.</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <location filename="../../app/CompareDialog.ui" line="+14"/>
        <source>Parameter vergleichen</source>
        <translation>Compare parameters</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Referenz:</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>nur Unterschiede</source>
        <translation>differences only</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Markierte Referenzwerte übernehmen</source>
        <translation>Take checked reference values</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Als CSV exportieren...</source>
        <translation>Export as CSV...</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../../app/CompareDialog.cpp" line="+88"/>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Werkseinstellungen</source>
        <translation>Factory settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parametersatz-Datei wählen...</source>
        <translation>Choose parameter set file...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Motortyp %1</source>
        <translation>Motor type %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Parametersatz als Referenz wählen</source>
        <translation>Choose a parameter set as reference</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parametersätze (*.mps *.mtr)</source>
        <translation>Parameter sets (*.mps *.mtr)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+130"/>
        <source>Torvana</source>
        <translation>Torvana</translation>
    </message>
    <message>
        <location line="-129"/>
        <source>Die Datei kann nicht als Parametersatz gelesen werden:
%1

</source>
        <translation>The file cannot be read as a parameter set:
%1

</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Werkseinstellung</source>
        <translation>Factory setting</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Übernehmen</source>
        <translation>Take</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bezeichnung</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Arbeitskopie</source>
        <translation>Working copy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umrichter</source>
        <translation>Inverter</translation>
    </message>
    <message numerus="yes">
        <location line="+44"/>
        <source>%n Parameter weichen vom Umrichter ab.</source>
        <translation>
            <numerusform>%n parameter differs from the inverter.</numerusform>
            <numerusform>%n parameters differ from the inverter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n Parameter weichen von der Referenz ab.</source>
        <translation>
            <numerusform>%n parameter differs from the reference.</numerusform>
            <numerusform>%n parameters differ from the reference.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nicht verbunden: die Umrichterwerte sind vom %1.</source>
        <translation>Not connected: the inverter&apos;s values are from %1.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Einige Werte können nur bei stehendem Motor geändert werden und wurden nicht übernommen.
Weitere Informationen finden Sie unter Details.</source>
        <translation>Some values can only be changed while the motor is stopped and were not taken.
For more information, see details.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Vergleich</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vergleich als CSV speichern</source>
        <translation>Save comparison as CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Datei konnte nicht geschrieben werden:
%1

</source>
        <translation>The file could not be written:
%1

</translation>
    </message>
</context>
<context>
    <name>DatasetController</name>
    <message>
        <location filename="../../model/AcknowledgementSummary.cpp" line="+32"/>
        <source>Folgende Parameter konnten nicht übernommen werden:</source>
        <translation>The following parameters could not be accepted:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Folgende Parameter konnten nicht gesetzt werden:</source>
        <translation>The following parameters could not be set:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>

Parameter-Ids ungültig:
P%1</source>
        <translation>

Invalid parameter IDs:
P%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>

Parameteränderungen nicht zulässig:
P%1</source>
        <translation>

Parameter changes not permitted:
P%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>

Zu setzender Wert ist außerhalb des gültigen Bereichs:
P%1</source>
        <translation>

Value to be set is out of the valid range:
P%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>

Keine Rückmeldung zu folgenden Parametern:
P%1</source>
        <translation>

No response for the following parameters:
P%1</translation>
    </message>
    <message>
        <location filename="../../model/ParameterCatalogue.cpp" line="+146"/>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drehrichtung</source>
        <translation>Direction of rotation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start/Stopp</source>
        <translation>Start/Stop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Digitale Eingänge</source>
        <translation>Digital inputs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Torvana</source>
        <translation>Torvana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CAN</source>
        <translation>CAN</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>in Hz</source>
        <translation>in Hz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in min-1</source>
        <translation>in rpm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deaktiviert</source>
        <translation>Deactivated</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorstopp</source>
        <translation>Motor stop</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NTC</source>
        <translation>NTC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTC</source>
        <translation>PTC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PT1000</source>
        <translation>PT1000</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>KTY84</source>
        <translation>KTY84</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>kein Motor</source>
        <translation>No motor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DASM</source>
        <translation>DASM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PMSM</source>
        <translation>PMSM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Startimpuls</source>
        <translation>Start impulse</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Motorcode Bit 0</source>
        <translation>Motor code bit 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorcode Bit 1</source>
        <translation>Motor code bit 1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motorcode Bit 2</source>
        <translation>Motor code bit 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festfrequenz Bit 1</source>
        <translation>Fixed frequency bit 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parameterimport</source>
        <translation>Parameter import</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motorcode Bit 3</source>
        <translation>Motor code bit 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festfrequenz Bit 0</source>
        <translation>Fixed frequency bit 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parameterexport</source>
        <translation>Parameter export</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Status Betrieb</source>
        <translation>Status operation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status Warnung</source>
        <translation>Status warning</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status Störung</source>
        <translation>Status failure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status Überlast</source>
        <translation>Status overload</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sollfrequenz erreicht</source>
        <translation>Set frequency reached</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stromgrenze</source>
        <translation>Current limit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motortemperatur</source>
        <translation>Motor temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorstillstand</source>
        <translation>Motor standstill</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motor läuft</source>
        <translation>Motor runs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I²t Warnung</source>
        <translation>I²t warning</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Haltebetrieb</source>
        <translation>Holding operation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>U (0 ... 10 V)</source>
        <translation>U (0 ... 10 V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I (0 ... 20 mA)</source>
        <translation>I (0 ... 20 mA)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Analoger Eingang</source>
        <translation>Analog input</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Linkslauf</source>
        <translation>Counter-clockwise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rechtslauf</source>
        <translation>Clockwise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Digitaler Eingang</source>
        <translation>Digital input</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Frequenzsollwert: </source>
        <translation>Set frequency: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drehzahlsollwert: </source>
        <translation>Set speed: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequenzistwert: </source>
        <translation>Actual frequency: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drehzahlistwert: </source>
        <translation>Actual speed: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minimale Frequenz: </source>
        <translation>Minimum frequency: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimale Drehzahl: </source>
        <translation>Minimum speed: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Maximale Frequenz: </source>
        <translation>Maximum frequency: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximale Drehzahl: </source>
        <translation>Maximum speed: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Anlauffrequenz: </source>
        <translation>Start-up frequency: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anlaufdrehzahl: </source>
        <translation>Start-up speed: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nennfrequenz: </source>
        <translation>Rated frequency: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nenndrehzahl: </source>
        <translation>Rated speed: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequenzsollwertvorgabe: </source>
        <translation>Input for rated frequency: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drehzahlsollwertvorgabe: </source>
        <translation>Input for rated speed: </translation>
    </message>
</context>
<context>
    <name>DevicesCommand</name>
    <message>
        <location filename="../../cli/DevicesCommand.cpp" line="+13"/>
        <source>devices erwartet keine Argumente.</source>
        <translation>devices takes no arguments.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Keine Geräte gefunden.</source>
        <translation>No devices found.</translation>
    </message>
</context>
<context>
    <name>DiagnosticsWidgetHalvex</name>
    <message>
        <location filename="../../pages/ErrorTable.cpp" line="+25"/>
        <source>Motorstrom hat den Strombegrenzungswert erreicht</source>
        <translation>Motor current has reached the current limit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Motor zu stark belastet, Parameter &quot;Beschleunigungsrampe&quot; zu klein und/oder &quot;Anlaufstrom&quot; zu groß gewählt (sofern einstellbar).</source>
        <translation>Motor overloaded, parameter &quot;Acceleration ramp&quot; too short and/or &quot;Start-up current&quot; too high (if adjustable).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last verringern, Parameter anpassen.</source>
        <translation>Reduce the load, adjust the parameters.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>STO unterbrochen</source>
        <translation>STO interrupted</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>STO Anschluss nicht beschalten.</source>
        <translation>STO connector not wired.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Prüfen des STO Anschlusses.</source>
        <translation>Check the STO connector.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Erdschluss im Motor</source>
        <translation>Earth fault in the motor</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kurzschlüsse im Motor oder der Zuleitung.</source>
        <translation>Short circuit in the motor or its supply cable.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motor austauschen oder reparieren; Motorzuleitung prüfen.</source>
        <translation>Replace or repair the motor; check the motor cable.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kühlkörpertemperatur zu hoch (Frequenzumrichter)</source>
        <translation>Heat sink temperature too high (frequency inverter)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Frequenzumrichter überlastet, Kühlkörper zu heiß</source>
        <translation>Frequency inverter overloaded, heat sink too hot</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last verringern, Ausgangsströme prüfen.</source>
        <translation>Reduce the load, check the output currents.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fehler im Wechselrichter beim Selbsttest</source>
        <translation>Inverter fault during self-test</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+155"/>
        <location line="+8"/>
        <source>Hardware-Fehler im Leistungsteil.</source>
        <translation>Hardware fault in the power section.</translation>
    </message>
    <message>
        <location line="-161"/>
        <source>Bleibt der Fehler trotz mehrmaligen EIN/AUS-Schaltens bestehen, muss der Frequenzumrichter zur Reparatur.</source>
        <translation>If the fault persists after switching the frequency inverter off and on several times, it must be sent in for repair.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Überstromerkennung im Wechselrichter</source>
        <translation>Overcurrent detected in the inverter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hardware-Fehler im Leistungsteil, Fehler in der Motorleitung oder im Motor.</source>
        <translation>Hardware fault in the power section, fault in the motor cable or in the motor.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motorleitung oder Motor austauschen. Bleibt der Fehler trotz mehrmaligen EIN/AUS-Schaltens bestehen, muss der Frequenzumrichter zur Reparatur.</source>
        <translation>Replace the motor cable or the motor. If the fault persists after switching the frequency inverter off and on several times, it must be sent in for repair.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>I²t Abschaltung</source>
        <translation>I²t shutdown</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>I²t-Auslastung zu hoch, daher Motor abgeschaltet.</source>
        <translation>I²t load too high, so the motor was switched off.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motor abkühlen lassen, Last verringern. Die Parameter &quot;I²t-Zeit&quot; und &quot;I²t-Stromschwelle&quot; prüfen.</source>
        <translation>Let the motor cool down, reduce the load. Check the parameters &quot;I²t time&quot; and &quot;I²t current threshold&quot;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>I²t Schwellwert überschritten</source>
        <translation>I²t threshold exceeded</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>I²t-Auslastung zu hoch.</source>
        <translation>I²t load too high.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last verringern sowie die Parameter &quot;I²t-Zeit&quot; und &quot;I²t-Stromschwelle&quot; prüfen.</source>
        <translation>Reduce the load and check the parameters &quot;I²t time&quot; and &quot;I²t current threshold&quot;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kein Motortyp definiert</source>
        <translation>No motor type defined</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Parameter &quot;Motortyp&quot; ist auf &quot;kein Motor&quot; gesetzt.</source>
        <translation>The parameter &quot;Motor type&quot; is set to &quot;No motor&quot;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Den Parameter &quot;Motortyp&quot; prüfen.</source>
        <translation>Check the parameter &quot;Motor type&quot;.</translation>
    </message>
    <message>
        <location filename="../../pages/DiagnosticsWidgetHalvex.ui" line="+14"/>
        <source>Diagnose</source>
        <translation>Diagnosis</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Betriebswerte</source>
        <translation>Operating Values</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Frequenzsollwert: </source>
        <translation>Set frequency: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+44"/>
        <location filename="../../pages/DiagnosticsWidgetHalvex.cpp" line="+31"/>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Frequenzistwert: </source>
        <translation>Actual frequency: </translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Wirkleistung: </source>
        <translation>Active power: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> W</source>
        <translation> W</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Motorwirkstrom: </source>
        <translation>Active current: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+44"/>
        <source> A eff~</source>
        <translation> A RMS~</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Spitzenstrom: </source>
        <translation>Peak current: </translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Motorspannung: </source>
        <translation>Motor voltage: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> V~</source>
        <translation> V~</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>ZK-Spannung (Motor):</source>
        <translation>DC link voltage (motor):</translation>
    </message>
    <message>
        <location line="+28"/>
        <source> V-</source>
        <translation> V-</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>I²t-Auslastung</source>
        <translation>I²t load</translation>
    </message>
    <message>
        <location line="+28"/>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Motorcode: </source>
        <translation>Motor code: </translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Laufzeiten</source>
        <translation>Run Times</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Umrichter: </source>
        <translation>Inverter: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+44"/>
        <source> h</source>
        <translation> h</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Motor: </source>
        <translation>Motor: </translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Fehlermeldungen</source>
        <translation>Error Messages</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1. Störung: </source>
        <translation>1st fault: </translation>
    </message>
    <message>
        <location line="+45"/>
        <source>2. Störung: </source>
        <translation>2nd fault: </translation>
    </message>
    <message>
        <location line="+45"/>
        <source>3. Störung: </source>
        <translation>3rd fault: </translation>
    </message>
    <message>
        <location line="+45"/>
        <source>4. Störung: </source>
        <translation>4th fault: </translation>
    </message>
    <message>
        <location line="+45"/>
        <source>5. Störung: </source>
        <translation>5th fault: </translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Aktor-/Sensortest</source>
        <translation>Actuator/Sensor Test</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>N_soll Stromeingang: </source>
        <translation>N_set current input: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> mA</source>
        <translation> mA</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>N_soll Spannungseingang: </source>
        <translation>N_set voltage input: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+88"/>
        <source> V</source>
        <translation> V</translation>
    </message>
    <message>
        <location line="-72"/>
        <source>Temperatur Kühlkörper: </source>
        <translation>Heat sink temperature: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> °C</source>
        <translation> °C</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>ZK-Spannung (Eingang):</source>
        <translation>DC link voltage (input):</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Relais 1</source>
        <translation>Relay 1</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+27"/>
        <location line="+27"/>
        <location line="+27"/>
        <source>Invertieren</source>
        <translation>Invert</translation>
    </message>
    <message>
        <location line="-64"/>
        <source>Relais 2</source>
        <translation>Relay 2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>LED Störung</source>
        <translation>Fault LED</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>LED Betrieb</source>
        <translation>Operation LED</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>DIN 1</source>
        <translation>DIN 1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DIN 2</source>
        <translation>DIN 2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DIN 3</source>
        <translation>DIN 3</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DIN 4</source>
        <translation>DIN 4</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DIN 5</source>
        <translation>DIN 5</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>DIN 6</source>
        <translation>DIN 6</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>SPS-Eingang</source>
        <translation>PLC input</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../../pages/ErrorTable.cpp" line="+3"/>
        <source>Temperaturüberwachung Motor</source>
        <translation>Motor temperature monitoring</translation>
    </message>
    <message>
        <location filename="../../pages/ErrorTable.cpp" line="+3"/>
        <source>Motor zu warm, eventuell Kabelbruch Sensor.</source>
        <translation>Motor too warm, possibly a broken sensor cable.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motor abkühlen, Last verringern, Sensor prüfen. Die Parameter &quot;Temperaturüberwachung&quot; und &quot;Sensorwert&quot; prüfen.</source>
        <translation>Let the motor cool down, reduce the load, check the sensor. Check the parameters &quot;Temperature monitoring&quot; and &quot;Sensor value&quot;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Überwachung Netzunterspannung</source>
        <translation>Mains undervoltage monitoring</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Versorgungsspannung zu klein.</source>
        <translation>Supply voltage too low.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Versorgungsspannung prüfen, Netzanschluss prüfen.</source>
        <translation>Check the supply voltage and the mains connection.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zwischenkreisspannung zu groß</source>
        <translation>DC link voltage too high</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Versorgungsspannung zu groß oder Motorbremsrampe zu niedrig.</source>
        <translation>Supply voltage too high or motor deceleration ramp too short.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Versorgungsspannung und Netzanschluss prüfen; Parameter &quot;Bremsrampe&quot; anpassen.</source>
        <translation>Check the supply voltage and the mains connection; adjust the parameter &quot;Deceleration ramp&quot;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Überstromschutz im Wechselrichter (Spitzenstrom)</source>
        <translation>Overcurrent protection in the inverter (peak current)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Frequenzumrichter überlastet, Motor Kurzschluss oder Erdschluss.</source>
        <translation>Frequency inverter overloaded, short circuit or earth fault in the motor.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Belastung reduzieren, Motor und Zuleitung auf Kurz- und Erdschluss prüfen.</source>
        <translation>Reduce the load, check the motor and its cable for short circuits and earth faults.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Motoranschluss unterbrochen</source>
        <translation>Motor connection interrupted</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kein Motor angeschlossen bzw. eine Motorphase unterbrochen.</source>
        <translation>No motor connected or one motor phase interrupted.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motoranschluss prüfen, ggf. Parameter &quot;Motortyp&quot; anpassen.</source>
        <translation>Check the motor connection; adjust the parameter &quot;Motor type&quot; if necessary.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Begrenzung Drehzahlsollwert aktiv</source>
        <translation>Set speed limitation active</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der interne Drehzahlsollwert der Motorsteuerung wird auf die maximale Wechselrichterfrequenz (Parameter &quot;Maximale Drehzahl&quot;) begrenzt.</source>
        <translation>The motor control limits its internal set speed to the maximum inverter frequency (parameter &quot;Maximum speed&quot;).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Parameter &quot;Drehzahlsollwert&quot; bzw. Sollwert von Analogeingang zu groß.</source>
        <translation>Parameter &quot;Set speed&quot; or the set value from the analog input too high.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Parameter &quot;Drehzahlsollwert&quot;, die Grenzen für den Sollwert vom Analogeingang (&quot;Minimale Drehzahl&quot; AIN und &quot;Maximale Drehzahl&quot; AIN) sowie die Festfrequenzen 1 bis 4 prüfen; zur Kontrolle den aktuellen Sollwert nutzen.</source>
        <translation>Check the parameter &quot;Set speed&quot;, the limits for the set value from the analog input (AIN &quot;Minimum speed&quot; and AIN &quot;Maximum speed&quot;) and the fixed frequencies 1 to 4; use the current set value for comparison.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>10V Ausgangsspannung außerhalb des zulässigen Bereichs</source>
        <translation>10 V output voltage out of the permitted range</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die 10V Ausgangsspannung für den AIN ist außerhalb des zulässigen Bereiches (±3%).</source>
        <translation>The 10 V output voltage for the AIN is outside the permitted range (±3%).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verdrahtung prüfen; ggf. liegt ein Kurzschluss vor.</source>
        <translation>Check the wiring; there may be a short circuit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kurzschluss 24V Ausgang</source>
        <translation>Short circuit at the 24 V output</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kurzschluss des 24V Ausgangs.</source>
        <translation>Short circuit of the 24 V output.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verdrahtung prüfen.</source>
        <translation>Check the wiring.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fehlerhafter Parameterimport oder -export</source>
        <translation>Faulty parameter import or export</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Es wurden ausschließlich die Werte übernommen, die tatsächlich vorhanden sind (Parameterimport); ein Parameterexport fand nicht statt.</source>
        <translation>Only the values actually present were taken over (parameter import); no parameter export took place.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keine/fehlerhafte SD-Karte oder Parameterdatei auf SD-Karte ist nicht vollständig oder nicht vorhanden.</source>
        <translation>No SD card or a faulty one, or the parameter file on the SD card is incomplete or missing.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vollständige Parameterdatei (Import) und intakte SD-Karte verwenden.</source>
        <translation>Use a complete parameter file (import) and an intact SD card.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unbenutzter Motorparameterspeicher für Motorcodierung</source>
        <translation>Unused motor parameter memory selected by motor coding</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Wert am Motorcodiereingang (DIN3 bis DIN6) zeigt auf einen leeren Parameterspeicher M1...M16.</source>
        <translation>The value at the motor coding inputs (DIN3 to DIN6) points to an empty parameter memory M1...M16.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Signalwerte an DIN3 bis DIN6 prüfen (siehe auch Parameter &quot;Motorcode&quot;) bzw. einen Parametersatz für den entsprechenden Motor abspeichern.</source>
        <translation>Check the signals at DIN3 to DIN6 (see also the parameter &quot;Motor code&quot;) or store a parameter set for the motor concerned.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Motor im Generatorbetrieb</source>
        <translation>Motor in generator operation</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Motor rotiert bei Umrichterstopp.</source>
        <translation>Motor still rotating while the inverter is stopped.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motorstillstand abwarten.</source>
        <translation>Wait until the motor has come to a standstill.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Komparatorfehler beim Selbsttest</source>
        <translation>Comparator error during self-test</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+41"/>
        <source>Interner Fehler.</source>
        <translation>Internal error.</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Bleibt der Fehler nach erneutem EIN/AUS-Schalten bestehen, muss der Frequenzumrichter zur Reparatur. Ein DASM-Motor kann weiter mit dem Umrichter betrieben werden, ein PMSM-Motor hingegen nicht.</source>
        <translation>If the fault persists after switching off and on again, the frequency inverter must be sent in for repair. A DASM motor can still be operated with the inverter, a PMSM motor cannot.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fehler beim Parameterimport und/oder -export</source>
        <translation>Error in parameter import and/or export</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Es wurde kein Import oder Export von Parametern vorgenommen.</source>
        <translation>No parameters were imported or exported.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Falsch konfigurierte oder beschaltene digitale Eingänge DIN5 und DIN6.</source>
        <translation>Digital inputs DIN5 and DIN6 wrongly configured or wired.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Signalwerte an DIN5 und DIN6 sowie deren Konfiguration prüfen.</source>
        <translation>Check the signals at DIN5 and DIN6 and their configuration.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Watchdog-Reset auf Motorsteuerung</source>
        <translation>Watchdog reset on the motor control</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Starke EMV-Störung auf Motorsteuerplatine.</source>
        <translation>Strong electromagnetic interference on the motor control board.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motor neu starten.</source>
        <translation>Restart the motor.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kurzschluss oder Erdschluss im Gleichstromsteller (GS)</source>
        <translation>Short circuit or earth fault in the DC converter</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Verkabelung prüfen. Bleibt der Fehler trotz mehrmaligem EIN/AUS-Schalten bestehen, muss der Frequenzumrichter zur Reparatur.</source>
        <translation>Check the wiring. If the fault persists after switching the frequency inverter off and on several times, it must be sent in for repair.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bremschopper defekt bzw. Bremswiderstand unterbrochen beim Selbsttest</source>
        <translation>Brake chopper defective or braking resistor disconnected during self-test</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bleibt der Fehler trotz mehrmaligem EIN/AUS-Schalten bestehen, muss der Frequenzumrichter zur Reparatur. Motor kann weiter betrieben werden.</source>
        <translation>If the fault persists after switching the frequency inverter off and on several times, it must be sent in for repair. The motor can still be operated.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Offset in der Strommessschaltung zu groß beim Selbsttest</source>
        <translation>Offset in the current measurement circuit too large during self-test</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bleibt der Fehler trotz mehrmaligem EIN/AUS-Schalten bestehen, muss der Frequenzumrichter zur Reparatur.</source>
        <translation>If the fault persists after switching the frequency inverter off and on several times, it must be sent in for repair.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Istdrehzahl des Motors zu hoch</source>
        <translation>Actual motor speed too high</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Motor-Istdrehzahl liegt 10% über der Solldrehzahl. Motor kann der Solldrehzahl nicht folgen, Motor extern angetrieben.</source>
        <translation>The actual motor speed is 10% above the set speed. The motor cannot follow the set speed; the motor is driven externally.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solldrehzahl langsamer absenken.</source>
        <translation>Lower the set speed more slowly.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PMSM-Motor läuft nicht an</source>
        <translation>PMSM motor does not start</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Trotz mehrfacher Versuche läuft der PMSM-Motor nicht an.</source>
        <translation>The PMSM motor does not start despite several attempts.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motor und Zuleitung prüfen. Parameter &quot;Beschleunigungsrampe&quot;, &quot;Anlaufzeit&quot; und &quot;Anlaufstrom&quot; anpassen (sofern einstellbar).</source>
        <translation>Check the motor and its cable. Adjust the parameters &quot;Acceleration ramp&quot;, &quot;Start-up time&quot; and &quot;Start-up current&quot; (if adjustable).</translation>
    </message>
    <message>
        <location filename="../../pages/DiagnosticsWidgetHalvex.cpp" line="-1"/>
        <source>Parameter P%1</source>
        <translation>Parameter P%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> min-1</source>
        <translation> rpm</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>aktiv – %1</source>
        <translation>active – %1</translation>
    </message>
    <message>
        <location line="+140"/>
        <source>Fehler </source>
        <translation>Error </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Warnung </source>
        <translation>Warning </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ursache</source>
        <translation>Cause</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Behebung</source>
        <translation>Remedy</translation>
    </message>
</context>
<context>
    <name>DriveWidgetHalvex</name>
    <message>
        <location filename="../../pages/DriveWidgetHalvex.ui" line="+19"/>
        <location line="+23"/>
        <source>Motordaten</source>
        <translation>Motor Data</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Motortyp: </source>
        <translation>Motor type: </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Temperaturüberwachung: </source>
        <translation>Temperature monitoring: </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>cos_phi: </source>
        <translation>cos phi: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+1000"/>
        <location line="+738"/>
        <location line="+53"/>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <location line="-1766"/>
        <source>Sensorwert: </source>
        <translation>Resistance value: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> Ohm</source>
        <translation> Ohm</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Nennspannung: </source>
        <translation>Rated voltage: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+1034"/>
        <location line="+228"/>
        <location line="+53"/>
        <location line="+53"/>
        <source> V~</source>
        <translation> V~</translation>
    </message>
    <message>
        <location line="-1343"/>
        <source>Nennfrequenz: </source>
        <translation>Rated frequency: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+159"/>
        <location line="+53"/>
        <location line="+374"/>
        <location line="+448"/>
        <location line="+53"/>
        <location line="+53"/>
        <location filename="../../pages/DriveWidgetHalvex.cpp" line="+22"/>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <location line="-1115"/>
        <source>Nennstrom: </source>
        <translation>Rated current: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+53"/>
        <source> A eff~</source>
        <translation> A RMS~</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Motorspitzenstrom: </source>
        <translation>Motor peak current: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Minimale Frequenz: </source>
        <translation>Minimum frequency: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Maximale Frequenz: </source>
        <translation>Maximum frequency: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Beschleunigungsrampe: </source>
        <translation>Acceleration ramp: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+53"/>
        <location line="+162"/>
        <location line="+215"/>
        <location line="+199"/>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <location line="-604"/>
        <source>Bremsrampe: </source>
        <translation>Deceleration ramp: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Anzahl Polpaare: </source>
        <translation>Number of pole pairs: </translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Haltestrom: </source>
        <translation>Holding current: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+271"/>
        <location line="+722"/>
        <location line="+56"/>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <location line="-1046"/>
        <location line="+324"/>
        <source> A-</source>
        <translation> A-</translation>
    </message>
    <message>
        <location line="-299"/>
        <source>Anlaufzeit: </source>
        <translation>Start-up time: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>ohne Rampe</source>
        <translation>without ramp</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Ausschaltzeit Anlauf: </source>
        <translation>Switch-off time: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> µs</source>
        <translation> µs</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Anlauffrequenz: </source>
        <translation>Start-up frequency: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Anlaufstrom: </source>
        <translation>Start-up current: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> A~</source>
        <translation> A~</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>DC-Bremszeit: </source>
        <translation>DC brake time: </translation>
    </message>
    <message>
        <location line="+56"/>
        <source>DC-Bremsstrom: </source>
        <translation>DC brake current: </translation>
    </message>
    <message>
        <location line="+55"/>
        <source>I²t-Überwachung</source>
        <translation>I²t Monitoring</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Funktion I²t-Überwachung: </source>
        <translation>Function of I²t monitoring: </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>I²t-Stromschwelle: </source>
        <translation>I²t threshold: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>I²t-Zeit: </source>
        <translation>I²t time: </translation>
    </message>
    <message>
        <location line="+75"/>
        <source>U/f Tabelle</source>
        <translation>V/Hz Table</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Spannung 0: </source>
        <translation>Voltage 0: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Frequenz 1: </source>
        <translation>Frequency 1: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Frequenz 2: </source>
        <translation>Frequency 2: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Frequenz 3: </source>
        <translation>Frequency 3: </translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Spannung 1: </source>
        <translation>Voltage 1: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Spannung 2: </source>
        <translation>Voltage 2: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Spannung 3: </source>
        <translation>Voltage 3: </translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Regelparameter</source>
        <translation>Control Parameters</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Regler: </source>
        <translation>Controller: </translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../../pages/DriveWidgetHalvex.cpp" line="+176"/>
        <source>U/f</source>
        <translation>V/Hz</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>I*R Anhebefaktor: </source>
        <translation>I*R factor: </translation>
    </message>
    <message>
        <location line="+31"/>
        <source> V/A</source>
        <translation> V/A</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Lastkomp.-Faktor: </source>
        <translation>Load comp. factor: </translation>
    </message>
    <message>
        <location line="+31"/>
        <source> %/A~</source>
        <translation> %/A~</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Filterzeit: </source>
        <translation>Filter time: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+159"/>
        <location line="+56"/>
        <location line="+56"/>
        <location line="+56"/>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <location line="-302"/>
        <source>U-Regler KP: </source>
        <translation>V controller KP: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>N-Regler KP: </source>
        <translation>Speed controller KP: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>N-Regler TF: </source>
        <translation>Speed controller TF: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>U-Regler TN: </source>
        <translation>V controller TN: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+56"/>
        <source>ohne I-Anteil</source>
        <translation>without I-part</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>N-Regler TN: </source>
        <translation>Speed controller TN: </translation>
    </message>
    <message>
        <location line="+56"/>
        <source>N-Regler TV: </source>
        <translation>Speed controller TV: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>ohne D-Anteil</source>
        <translation>without D-part</translation>
    </message>
    <message>
        <location filename="../../pages/DriveWidgetHalvex.cpp" line="-179"/>
        <source>Parameter P%1</source>
        <translation>Parameter P%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parameter P%1
Minimum: %2%3
Maximum: %4%5</source>
        <translation>Parameter P%1
Minimum: %2%3
Maximum: %4%5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parameter P%1
Minimum: %2
Maximum: %3%4</source>
        <translation>Parameter P%1
Minimum: %2
Maximum: %3%4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> min-1</source>
        <translation> rpm</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>U/f, I*R und Lastkompensation</source>
        <translation>V/Hz, I*R and load compensation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>U/f und I*R</source>
        <translation>V/Hz and I*R</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>U/f und Lastkompensation</source>
        <translation>V/Hz and load compensation</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>I²t Überwachung gesperrt
Differenz zwischen Nennstrom und Motorspitzenstrom zu groß</source>
        <translation>I²t monitoring disabled
Difference between rated current and motor peak current is too great</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I²t Überwachung gesperrt
Bitte das Produkt aus Nennstrom und Stromschwelle kleiner als den Motorspitzenstrom wählen</source>
        <translation>I²t monitoring disabled
Please select the product of rated current and I²t threshold less than the motor peak current</translation>
    </message>
</context>
<context>
    <name>ErrorsCommand</name>
    <message>
        <location filename="../../cli/ErrorsCommand.cpp" line="+16"/>
        <source>errors erwartet keine Argumente.</source>
        <translation>errors takes no arguments.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1 kein Eintrag</source>
        <translation>%1 no entry</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Code %2 (ohne Beschreibung)</source>
        <translation>%1 code %2 (no description)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Ursache: %1</source>
        <translation>Cause: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Behebung: %1</source>
        <translation>Remedy: %1</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <location filename="../../records/EventLog.cpp" line="+12"/>
        <source>Programm</source>
        <translation>Program</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Verbindung</source>
        <translation>Connection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schreiben</source>
        <translation>Write</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ablehnung</source>
        <translation>Refusal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Befehl</source>
        <translation>Command</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Motorspeicher</source>
        <translation>Motor memory</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehler/Warnung</source>
        <translation>Error/warning</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Spindeleinlauf</source>
        <translation>Spindle run-in</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware-Update</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aufzeichnung</source>
        <translation>Recording</translation>
    </message>
</context>
<context>
    <name>EventLogWindow</name>
    <message>
        <location filename="../../app/EventLogWindow.ui" line="+14"/>
        <source>Ereignisprotokoll</source>
        <translation>Event log</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Suchen...</source>
        <translation>Search...</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ordner öffnen</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../../app/EventLogWindow.cpp" line="+53"/>
        <source>Alle Ereignisse</source>
        <translation>All events</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>%1 von %2 Einträgen</source>
        <translation>%1 of %2 entries</translation>
    </message>
</context>
<context>
    <name>EventRecorder</name>
    <message>
        <location filename="../../records/EventRecorder.cpp" line="+37"/>
        <source>Fehler-Reset durchgeführt</source>
        <translation>Error reset done</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehler-Reset abgelehnt (%1)</source>
        <translation>Error reset refused (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Werkseinstellungen geladen</source>
        <translation>Factory settings loaded</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Werkseinstellungen nicht geladen (%1)</source>
        <translation>Factory settings not loaded (%1)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Motorspeicher %1 geladen</source>
        <translation>Motor memory %1 loaded</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Motorspeicher %1 gespeichert</source>
        <translation>Motor memory %1 stored</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motorspeicher %1 nicht gespeichert (%2)</source>
        <translation>Motor memory %1 not stored (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Motorspeicher %1 gelöscht</source>
        <translation>Motor memory %1 deleted</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorspeicher %1 nicht gelöscht (%2)</source>
        <translation>Motor memory %1 not deleted (%2)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Parameter-Id ungültig</source>
        <translation>invalid parameter number</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Änderung nicht zulässig</source>
        <translation>change not permitted</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wert außerhalb des gültigen Bereichs</source>
        <translation>value out of range</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Parametersatzspeicher nicht verwendbar</source>
        <translation>parameter set memory unusable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fehler beim Schreiben ins EEPROM</source>
        <translation>EEPROM write error</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Status 0x%1</source>
        <translation>status 0x%1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Verbunden: %1, Firmware %2</source>
        <translation>Connected: %1, firmware %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Umrichtertyp %1, Seriennummer %2</source>
        <translation>inverter type %1, serial number %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Verbindung getrennt (%1)</source>
        <translation>Connection lost (%1)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: %2 abgelehnt (%3)</source>
        <translation>%1: %2 refused (%3)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Startbefehl (Sollwert %1)</source>
        <translation>Start command (set-point %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stoppbefehl</source>
        <translation>Stop command</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Fehler %1 - %2</source>
        <translation>Error %1 - %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warnung %1 - %2</source>
        <translation>Warning %1 - %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Störung %1 (ohne Beschreibung)</source>
        <translation>Fault %1 (no description)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: nicht mehr aktiv</source>
        <translation>%1: no longer active</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Spindeleinlauf gestartet</source>
        <translation>Spindle run-in started</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Stopp</source>
        <translation>stop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schritt %1/%2: %3 für %4 s</source>
        <translation>Step %1/%2: %3 for %4 s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Spindeleinlauf abgebrochen: %1</source>
        <translation>Spindle run-in aborted: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Spindeleinlauf beendet</source>
        <translation>Spindle run-in ended</translation>
    </message>
</context>
<context>
    <name>FactoryResetCommand</name>
    <message>
        <location filename="../../cli/FactoryResetCommand.cpp" line="+9"/>
        <source>factory-reset erwartet keine Argumente.</source>
        <translation>factory-reset takes no arguments.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Beim Laden der Werkseinstellungen werden alle auf dem Umrichter gespeicherten Parameter überschrieben. Mit --yes bestätigen.</source>
        <translation>Loading the factory settings overwrites all parameters stored on the inverter. Confirm with --yes.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Die Werkseinstellung konnte nicht geladen werden (Antwort %1).</source>
        <translation>The factory settings could not be loaded (answer %1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Umrichter wurde auf die Werkseinstellungen zurückgesetzt.</source>
        <translation>The inverter has been reset to the factory settings.</translation>
    </message>
</context>
<context>
    <name>FaultHistory</name>
    <message>
        <location filename="../../records/FaultHistory.cpp" line="+171"/>
        <source>vor Programmstart</source>
        <translation>before program start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vor %1</source>
        <translation>before %1</translation>
    </message>
</context>
<context>
    <name>FlashCommand</name>
    <message>
        <location filename="../../cli/FlashCommand.cpp" line="+39"/>
        <source>flash erwartet genau eine Firmware-Datei.</source>
        <translation>flash takes exactly one firmware file.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+5"/>
        <source>Die ausgewählte Datei ist nicht lesbar oder keine gültige Firmware-Datei!</source>
        <translation>The selected file is not readable or is not a valid firmware file!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Die Datei ist größer als der Firmware-Bereich des Umrichters.</source>
        <translation>The file is larger than the inverter&apos;s firmware region.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Datei ist ein Bootloader, keine Firmware.</source>
        <translation>The file is a bootloader, not a firmware.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Datei beginnt nicht mit der Vektortabelle einer Firmware für diesen Umrichter.</source>
        <translation>The file does not begin with the vector table of a firmware for this inverter.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Das Flash-Programm %1 wurde nicht gefunden.</source>
        <translation>The flashing tool %1 was not found.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Die temporäre Firmware-Datei konnte nicht geschrieben werden.</source>
        <translation>The temporary firmware file could not be written.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Der an den Umrichter angeschlossene Motor ist gerade in Betrieb. Ein Firmware-Update kann jedoch nur bei stehendem Motor durchgeführt werden.</source>
        <translation>The motor connected to the inverter is running. A firmware update can only be carried out while the motor is at a standstill.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Der Umrichter ist gerade im Haltebetrieb. In dieser Betriebsart ist es jedoch nicht möglich, ein Firmware-Update durchzuführen. Bitte deaktivieren sie den Haltestrom, um das Update einspielen zu können.</source>
        <translation>The inverter is in holding mode. A firmware update is not possible in this mode. Please switch off the holding current to install the update.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Firmware-Update abgebrochen! Die Portnummer der Kommunikationsverbindung konnte nicht bestimmt werden!</source>
        <translation>Firmware update aborted! The port number of the communication link could not be determined!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Achtung: Das Firmware-Update darf keinesfalls gestört oder abgebrochen werden! Die USB-Verbindung und die Stromversorgung des Umrichters dürfen nicht unterbrochen werden!</source>
        <translation>Attention: the firmware update must on no account be disturbed or aborted! The USB connection and the power supply of the inverter must not be interrupted!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bootloader-Reset...</source>
        <translation>Bootloader reset...</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Das Firmware-Update darf nicht abgebrochen werden; bitte warten.</source>
        <translation>The firmware update must not be aborted; please wait.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Trenne Kommunikationsverbindung...</source>
        <translation>Disconnecting the communication link...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Firmware-Update...</source>
        <translation>Firmware update...</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Firmware-Update... %1 %</source>
        <translation>Firmware update... %1 %</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Firmware-Update fehlgeschlagen (%1 endete mit %2)! Bitte starten Sie den Umrichter neu!</source>
        <translation>Firmware update failed (%1 ended with %2)! Please restart the inverter!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Firmware-Update fehlgeschlagen (%1 startete nicht)! Bitte starten Sie den Umrichter neu!</source>
        <translation>Firmware update failed (%1 did not start)! Please restart the inverter!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Update erfolgreich abgeschlossen. Reboot...</source>
        <translation>Update completed successfully. Rebooting...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verbindungsaufbau...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Firmware-Update erfolgreich abgeschlossen!</source>
        <translation>Firmware update completed successfully!</translation>
    </message>
</context>
<context>
    <name>FlashUpdateWidget</name>
    <message>
        <location filename="../../service/FlashUpdateWidget.ui" line="+14"/>
        <location line="+6"/>
        <location filename="../../service/FlashUpdateWidget.cpp" line="+261"/>
        <location line="+291"/>
        <source>Firmware-Update</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Firmwaredatei laden</source>
        <translation>Load firmware file</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Bootloader Update</source>
        <translation>Bootloader update</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Update starten</source>
        <translation>Start update</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Ausgabe des Flash-Programms</source>
        <translation>Output of the flashing tool</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Erneut versuchen</source>
        <translation>Try again</translation>
    </message>
    <message>
        <location filename="../../service/FlashUpdateWidget.cpp" line="-409"/>
        <location line="+447"/>
        <source>Keine gültige Bootloader-Binary gefunden!</source>
        <translation>No valid bootloader binary found!</translation>
    </message>
    <message>
        <location line="-427"/>
        <source>Achtung:</source>
        <translation>Attention:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Firmware-Update darf keinesfalls gestört oder abgebrochen werden! Torvana darf nicht beendet, die USB-Verbindung zum Umrichter nicht unterbrochen und der Rechner nicht ausgeschaltet werden! Auch die Stromversorgung des Umrichters darf keinesfalls unterbrochen werden!</source>
        <translation>The firmware update must not be disturbed or interrupted under any circumstances! Do not close Torvana, do not interrupt the USB connection to the inverter and do not switch off the computer! The power supply of the inverter must not be interrupted either!</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Hinweis:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Der an den Umrichter angeschlossene Motor ist gerade in Betrieb. Ein Firmware-Update kann jedoch nur bei stehendem Motor durchgeführt werden.</source>
        <translation>The motor connected to the inverter is running. A firmware update can only be carried out while the motor is at a standstill.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Der Umrichter ist gerade im Haltebetrieb. In dieser Betriebsart ist es jedoch nicht möglich, ein Firmware-Update durchzuführen. Bitte deaktivieren sie den Haltestrom, um das Update einspielen zu können.</source>
        <translation>The inverter is in holding mode. A firmware update is not possible in this mode. Please switch off the holding current to install the update.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Zu ladende Firmware wählen</source>
        <translation>Choose the firmware to load</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Halvex Firmwaredateien (*.bin)</source>
        <translation>Halvex firmware files (*.bin)</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+98"/>
        <location line="+236"/>
        <location line="+7"/>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-340"/>
        <source>Die ausgewählte Datei ist nicht lesbar oder keine gültige Firmware-Datei!

</source>
        <translation>The selected file is not readable or is not a valid firmware file!

</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+38"/>
        <source>Torvana</source>
        <translation>Torvana</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Die ausgewählte Datei wird nicht als Firmware übernommen:

%1

</source>
        <translation>The selected file is not accepted as firmware:

%1

</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Um ein Firmware-Update durchzuführen, gehen Sie bitte wie folgt vor:</source>
        <translation>To carry out a firmware update, please proceed as follows:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speichern Sie Ihre Parameter vor dem Firmware-Update</source>
        <translation>Save your parameters before the firmware update</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stecken Sie den Stecker des STO vom Umrichter ab</source>
        <translation>Unplug the STO connector from the inverter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Führen Sie anschließend das Firmware-Update durch</source>
        <translation>Then carry out the firmware update</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Laden Sie die gewünschten Parameter und übertragen diese auf den Umrichter</source>
        <translation>Load the desired parameters and transfer them to the inverter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stecken Sie den Stecker für STO wieder ein und führen Sie einen Reset durch</source>
        <translation>Plug the STO connector back in and carry out a reset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wollen Sie das Firmware-Update nun starten?</source>
        <translation>Do you want to start the firmware update now?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Es besteht keine Verbindung zum Umrichter.</source>
        <translation>There is no connection to the inverter.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Motor läuft oder der Umrichter ist im Haltebetrieb.</source>
        <translation>The motor runs or the inverter is in holding operation.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Das Firmware-Update wird nicht gestartet:

%1

</source>
        <translation>The firmware update is not started:

%1

</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Bestimme Portnummer...</source>
        <translation>Determining the port number...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>abgebrochen...</source>
        <translation>cancelled...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Firmware-Update abgebrochen!

Die Portnummer der Kommunikationsverbindung konnte nicht bestimmt werden!
</source>
        <translation>Firmware update cancelled!

The port number of the communication link could not be determined!
</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Bootloader-Reset...</source>
        <translation>Bootloader reset...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Trenne Kommunikationsverbindung...</source>
        <translation>Disconnecting the communication link...</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+97"/>
        <source>Bootloader-Update...</source>
        <translation>Bootloader update...</translation>
    </message>
    <message>
        <location line="-87"/>
        <location line="+87"/>
        <source>Firmware-Update...</source>
        <translation>Firmware update...</translation>
    </message>
    <message>
        <location line="-61"/>
        <source>Verbindungsaufbau...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Größe: %1 Bytes, Version: %2, CRC-32: %3</source>
        <translation>Size: %1 bytes, version: %2, CRC-32: %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Die Datei ist leer.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Datei ist größer als der Firmware-Bereich des Umrichters (%1 Bytes).</source>
        <translation>The file is larger than the inverter&apos;s firmware region (%1 bytes).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Datei ist zu kurz für eine Firmware.</source>
        <translation>The file is too short for a firmware.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Datei beginnt nicht mit der Vektortabelle einer Firmware für diesen Umrichter.</source>
        <translation>The file does not begin with the vector table of a firmware for this inverter.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Datei ist ein Bootloader, keine Firmware.</source>
        <translation>The file is a bootloader, not a firmware.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Das Flash-Programm &quot;%1&quot; konnte nicht gestartet werden.</source>
        <translation>The flashing tool &quot;%1&quot; could not be started.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bootloader erfolgreich aktualisiert.</source>
        <translation>Bootloader updated successfully.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Update erfolgreich abgeschlossen. Reboot...</source>
        <translation>Update completed successfully. Rebooting...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Firmware-Update erfolgreich abgeschlossen!

</source>
        <translation>Firmware update completed successfully!

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bootloader-Update fehlerhaft!</source>
        <translation>Bootloader update failed!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bootloader-Update fehlgeschlagen! Updateprozess wurdeabgebrochen!

Bitte starten Sie den Umrichter neu!
</source>
        <translation>Bootloader update failed! The update process was cancelled!

Please restart the inverter!
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Firmware-Update fehlerhaft!</source>
        <translation>Firmware update failed!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Firmware-Update fehlgeschlagen!

Bitte starten Sie den Umrichter neu!
</source>
        <translation>Firmware update failed!

Please restart the inverter!
</translation>
    </message>
</context>
<context>
    <name>GetCommand</name>
    <message>
        <location filename="../../cli/GetCommand.cpp" line="+15"/>
        <source>get erwartet mindestens einen Parameter (Nummer, P&lt;Nummer&gt; oder Name).</source>
        <translation>get takes at least one parameter (number, P&lt;number&gt; or name).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Unbekannter Parameter: %1</source>
        <translation>Unknown parameter: %1</translation>
    </message>
</context>
<context>
    <name>IOWidgetHalvex</name>
    <message>
        <location filename="../../pages/IOWidgetHalvex.ui" line="+19"/>
        <source>Ein- und Ausgänge</source>
        <translation>Inputs and Outputs</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Digitale Eingänge</source>
        <translation>Digital Inputs</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>DIN 1: </source>
        <translation>DIN 1: </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>DIN 3: </source>
        <translation>DIN 3: </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>DIN 5: </source>
        <translation>DIN 5: </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>DIN 2: </source>
        <translation>DIN 2: </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>DIN 4: </source>
        <translation>DIN 4: </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>DIN 6: </source>
        <translation>DIN 6: </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>SPS-Eingang: </source>
        <translation>PLC input: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Relais</source>
        <translation>Relays</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Relais-Warnstrom:</source>
        <translation>Relay warning current:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source> A~</source>
        <translation> A~</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Relais 1: </source>
        <translation>Relay 1: </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Relais 2: </source>
        <translation>Relay 2: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Analogeingang</source>
        <translation>Analog Input</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>AIN: </source>
        <translation>AIN: </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Maximale Spannung: </source>
        <translation>Maximum voltage: </translation>
    </message>
    <message>
        <location line="+31"/>
        <source> V</source>
        <translation> V</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Maximaler Strom: </source>
        <translation>Maximum current: </translation>
    </message>
    <message>
        <location line="+31"/>
        <source> mA</source>
        <translation> mA</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Minimale Frequenz: </source>
        <translation>Minimum frequency: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+53"/>
        <location line="+67"/>
        <location line="+53"/>
        <location line="+53"/>
        <location line="+53"/>
        <location filename="../../pages/IOWidgetHalvex.cpp" line="+19"/>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <location line="-254"/>
        <source>Maximale Frequenz: </source>
        <translation>Maximum frequency: </translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Festfrequenzen</source>
        <translation>Fixed Frequencies</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Festfrequenz 1:</source>
        <translation>Fixed frequency 1:</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Festfrequenz 3: </source>
        <translation>Fixed frequency 3: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Festfrequenz 2: </source>
        <translation>Fixed frequency 2: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Festfrequenz 4: </source>
        <translation>Fixed frequency 4: </translation>
    </message>
    <message>
        <location line="+55"/>
        <source>CAN</source>
        <translation>CAN</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CAN Node-ID: </source>
        <translation>CAN node ID: </translation>
    </message>
    <message>
        <location filename="../../pages/IOWidgetHalvex.cpp" line="-3"/>
        <source>Parameter P%1</source>
        <translation>Parameter P%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parameter P%1
Minimum: %2%3
Maximum: %4%5</source>
        <translation>Parameter P%1
Minimum: %2%3
Maximum: %4%5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parameter P%1
Minimum: %2
Maximum: %3%4</source>
        <translation>Parameter P%1
Minimum: %2
Maximum: %3%4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> min-1</source>
        <translation> rpm</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>Bitte deaktivieren Sie den SPS-Eingang, um den digitalen Eingang DIN1 aktivieren zu können.

</source>
        <translation>Please deactivate the PLC input if you want to activate the digital input DIN1.

</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bitte deaktivieren Sie den digitalen Eingang DIN1, um den SPS-Eingang aktivieren zu können.

</source>
        <translation>Please deactivate the digital input DIN1 if you want to activate the PLC input.

</translation>
    </message>
    <message>
        <location line="+47"/>
        <location line="+3"/>
        <source>Torvana</source>
        <translation>Torvana</translation>
    </message>
</context>
<context>
    <name>InfoCommand</name>
    <message>
        <location filename="../../cli/InfoCommand.cpp" line="+12"/>
        <source>info erwartet keine Argumente.</source>
        <translation>info takes no arguments.</translation>
    </message>
</context>
<context>
    <name>InverterSession</name>
    <message>
        <location filename="../../cli/InverterSession.cpp" line="+15"/>
        <source>Kein Umrichter gefunden (nach %1 s).</source>
        <translation>No inverter found (after %1 s).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Umrichter antwortet nicht.</source>
        <translation>The inverter does not answer.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Die Verbindung zum Umrichter wurde unterbrochen.</source>
        <translation>The connection to the inverter was lost.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../app/MainWindow.ui" line="+14"/>
        <location filename="../../app/MainWindow.cpp" line="+387"/>
        <location line="+294"/>
        <location line="+26"/>
        <location line="+22"/>
        <location line="+9"/>
        <location line="+267"/>
        <source>Torvana</source>
        <translation>Torvana</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>STARTSEITE</source>
        <translation>STARTPAGE</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>MOTORDATEN</source>
        <translation>MOTOR DATA</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>EIN-/AUSGÄNGE</source>
        <translation>INPUTS/OUTPUTS</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>DIAGNOSE</source>
        <translation>DIAGNOSIS</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>SPINDELEINLAUF</source>
        <translation>SPINDLE RUN-IN</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>FLASH-UPDATE</source>
        <translation>FLASH-UPDATE</translation>
    </message>
    <message>
        <location line="+90"/>
        <location filename="../../app/MainWindow.cpp" line="-694"/>
        <location line="+225"/>
        <location line="+368"/>
        <source>Nicht verbunden</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Umrichtertyp</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Vom Umrichter laden</source>
        <translation>Read from inverter</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>In Umrichter speichern</source>
        <translation>Save on inverter</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Vergleichen...</source>
        <translation>Compare...</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+3"/>
        <location filename="../../app/MainWindow.cpp" line="-576"/>
        <source>Protokoll</source>
        <translation>Records</translation>
    </message>
    <message>
        <location filename="../../app/MainWindow.cpp" line="-17"/>
        <location line="+207"/>
        <location line="+386"/>
        <source>Verbunden</source>
        <translation>Connected</translation>
    </message>
    <message>
        <location line="-344"/>
        <source>Prototyp</source>
        <translation>Prototype</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Fehler </source>
        <translation>Error </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Warnung </source>
        <translation>Warning </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Haltebetrieb</source>
        <translation>Holding operation</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Motor läuft</source>
        <translation>Motor runs</translation>
    </message>
    <message>
        <location line="-510"/>
        <location line="+510"/>
        <source>Umrichter betriebsbereit</source>
        <translation>Inverter ready for operation</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Parameter geändert</source>
        <translation>Parameters changed</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n Parameter weichen vom Umrichter ab.</source>
        <translation>
            <numerusform>%n parameter differs from the inverter.</numerusform>
            <numerusform>%n parameters differ from the inverter.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Trotzdem vom Umrichter laden?</source>
        <translation>Read from the inverter anyway?</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Die Parameter wurden erfolgreich vom Umrichter abgerufen!

</source>
        <translation>The parameters have been successfully loaded from the inverter!

</translation>
    </message>
    <message>
        <location line="-302"/>
        <location line="+321"/>
        <location line="+26"/>
        <location line="+9"/>
        <location line="+100"/>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-514"/>
        <source>Ereignisprotokoll…</source>
        <translation>Event log…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verlauf der Betriebswerte…</source>
        <translation>Trend of operating values…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aufzeichnung stoppen</source>
        <translation>Stop recording</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aufzeichnung starten</source>
        <translation>Start recording</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Servicebericht erstellen…</source>
        <translation>Create service report…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Aufzeichnung läuft: %1</source>
        <translation>Recording: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ereignisprotokoll, Verlauf der Betriebswerte, Aufzeichnung und Servicebericht</source>
        <translation>Event log, trend of operating values, recording and service report</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Servicebericht speichern</source>
        <translation>Save service report</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Der Servicebericht konnte nicht geschrieben werden:
%1

</source>
        <translation>The service report could not be written:
%1

</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Der Servicebericht wurde gespeichert:
%1

</source>
        <translation>The service report has been saved:
%1

</translation>
    </message>
    <message>
        <location line="+314"/>
        <source>Beim Setzen der vorgenommenen Einstellungen ist mindestens ein Fehler aufgetreten!
Weitere Informationen finden Sie unter Details.</source>
        <translation>At least one error has occurred by activating the settings!
For more information, see details.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Die Parameter wurden erfolgreich zum Umrichter übertragen!

</source>
        <translation>The settings have been successfully transferred to the inverter!

</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Der Fehler-Reset konnte nicht durchgeführt werden!

</source>
        <translation>The error reset could not be done!

</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Fehler-Reset wurde durchgeführt!

</source>
        <translation>The error reset was done!

</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Die Werkseinstellung konnte nicht geladen werden!

</source>
        <translation>The factory settings could not be loaded!

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Umrichter wurde erfolgreich auf die Werkseinstellungen zurückgesetzt!

</source>
        <translation>The factory settings have been loaded successfully!

</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Die Hilfedatei konnte nicht geöffnet werden!

Bitte überprüfen Sie, dass ein geeignetes Programm zum Anzeigen von pdf-Dateien installiert ist!
</source>
        <translation>Could not open the operating manual!

Please check that a suitable program for viewing pdf files is installed!
</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Über Torvana</source>
        <translation>About Torvana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bedienungsanleitung zum Umrichter aufrufen</source>
        <translation>Show help on inverter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bedienungsanleitung zu Torvana aufrufen</source>
        <translation>Show help on Torvana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umschalten zu Englisch</source>
        <translation>Switch to English</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umschalten zu Deutsch</source>
        <translation>Switch to German</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Torvana trotzdem schließen?</source>
        <translation>Close Torvana anyway?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Torvana kann während eines Spindeleinlaufs nicht geschlossen werden!

Bitte beenden Sie den Spindeleinlauf, um Torvana schließen zu können.
</source>
        <translation>It is not possible to close Torvana during a spindle run-in!

Please stop the spindle run-in before closing Torvana.
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Torvana kann während eines Firmware-Updates nicht geschlossen werden!

Bitte warten Sie bis das Firmware-Update abgeschlossen ist, um Torvana schließen zu können.
</source>
        <translation>It is not possible to close Torvana during a firmware update!

Please wait until the firmware update is finished before closing Torvana.
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Torvana kann aktuell nicht geschlossen werden!

</source>
        <translation>It is currently not possible to close Torvana!

</translation>
    </message>
</context>
<context>
    <name>MemoryCommand</name>
    <message>
        <location filename="../../cli/MemoryCommand.cpp" line="+20"/>
        <source>memory list hat keine Optionen.</source>
        <translation>memory list takes no options.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>memory erwartet list, load N, save N oder delete N.</source>
        <translation>memory takes list, load N, save N or delete N.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>memory %1 erwartet einen Motorspeicher von 1 bis %2.</source>
        <translation>memory %1 takes a motor memory from 1 to %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Nur memory list gibt JSON aus.</source>
        <translation>Only memory list gives JSON output.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--store gilt nur für memory load.</source>
        <translation>--store applies only to memory load.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--yes gilt nur für memory save und memory delete.</source>
        <translation>--yes applies only to memory save and memory delete.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Motorparametersatz M%1 kann anschließend nicht wiederhergestellt werden. Löschen mit --yes bestätigen.</source>
        <translation>The motor parameter set M%1 cannot be restored afterwards. Confirm the deletion with --yes.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Motorspeicher können nur bei stehendem Motor verwendet werden; der Motor läuft.</source>
        <translation>Motor memories can only be used while the motor is at a standstill; the motor is running.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>keiner</source>
        <translation>none</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>belegt</source>
        <translation>used</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>frei</source>
        <translation>free</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>M%1 ist nicht belegt und kann nicht geladen werden. Belegt: %2</source>
        <translation>M%1 is empty and cannot be loaded. Used: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>M%1 geladen und im EEPROM gespeichert.</source>
        <translation>M%1 loaded and stored in the EEPROM.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>M%1 geladen.</source>
        <translation>M%1 loaded.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>M%1 ist bereits belegt. Überschreiben mit --yes bestätigen.</source>
        <translation>M%1 is already in use. Confirm overwriting with --yes.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Der Parametersatz konnte nicht gespeichert werden; der gewählte Parametersatzspeicher kann nicht verwendet werden.</source>
        <translation>The parameter set could not be stored; the selected parameter set memory cannot be used.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Parametersatz konnte nicht gespeichert werden; es trat ein Fehler beim Schreiben in den EEPROM auf.</source>
        <translation>The parameter set could not be stored; an error occurred while writing to the EEPROM.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Motorparametersatz in M%1 gespeichert.</source>
        <translation>Motor parameter set stored in M%1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>M%1 ist nicht belegt und kann daher nicht gelöscht werden. Belegt: %2</source>
        <translation>M%1 is empty and therefore cannot be deleted. Used: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Der Parametersatz M%1 konnte nicht gelöscht werden (Antwort %2).</source>
        <translation>The parameter set M%1 could not be deleted (answer %2).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>M%1 gelöscht.</source>
        <translation>M%1 deleted.</translation>
    </message>
</context>
<context>
    <name>MonitorCommand</name>
    <message>
        <location filename="../../cli/MonitorCommand.cpp" line="+16"/>
        <source>monitor erwartet keine Argumente (nur --seconds N und --csv).</source>
        <translation>monitor takes no arguments (only --seconds N and --csv).</translation>
    </message>
</context>
<context>
    <name>MonitoringWidgetHalvex</name>
    <message>
        <location filename="../../pages/MonitoringWidgetHalvex.ui" line="+14"/>
        <source>Startseite</source>
        <translation>Start page</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Verwaltung</source>
        <translation>Management</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Motorparametersätze</source>
        <translation>Motor Parameter Sets</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Motortyp laden</source>
        <translation>Load motor type</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Aktuell geladen:</source>
        <translation>Currently loaded:</translation>
    </message>
    <message>
        <location line="+125"/>
        <location filename="../../pages/MonitoringWidgetHalvex.cpp" line="+315"/>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../pages/MonitoringWidgetHalvex.cpp" line="+1"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../pages/MonitoringWidgetHalvex.cpp" line="+1"/>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Geräteparametersätze</source>
        <translation>Device Parameter Sets</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Aus Datei laden</source>
        <translation>Load from file</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>In Datei speichern</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Werkseinstellung laden</source>
        <translation>Load factory settings</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Grundparameter</source>
        <translation>Basic Parameters</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Drehzahl:</source>
        <translation>Speed display:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Frequenzsollwertvorgabe: </source>
        <translation>Input for rated frequency: </translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Startvorgabe:</source>
        <translation>Input for start:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Drehrichtung:</source>
        <translation>Direction of rotation:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Betrieb</source>
        <translation>Operation</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Frequenzsollwert: </source>
        <translation>Rated frequency: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+110"/>
        <location filename="../../pages/MonitoringWidgetHalvex.cpp" line="-287"/>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <location line="-88"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Betriebswerte</source>
        <translation>Operating Values</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Frequenzistwert: </source>
        <translation>Actual frequency: </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Motorspannung:</source>
        <translation>Motor voltage:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source> V~</source>
        <translation> V~</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Motorwirkstrom:</source>
        <translation>Active current:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source> A eff~</source>
        <translation> A RMS~</translation>
    </message>
    <message>
        <location filename="../../pages/MonitoringWidgetHalvex.cpp" line="-3"/>
        <source>Parameter P%1</source>
        <translation>Parameter P%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parameter P%1
Minimum: %2%3
Maximum: %4%5</source>
        <translation>Parameter P%1
Minimum: %2%3
Maximum: %4%5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parameter P%1
Minimum: %2
Maximum: %3%4</source>
        <translation>Parameter P%1
Minimum: %2
Maximum: %3%4</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+372"/>
        <location line="+58"/>
        <location line="+287"/>
        <source> min-1</source>
        <translation> rpm</translation>
    </message>
    <message>
        <location line="-659"/>
        <location line="+660"/>
        <source>Speicherplatz wählen...</source>
        <translation>Select parameter-set...</translation>
    </message>
    <message>
        <location line="-518"/>
        <source>Bitte wählen Sie die Spindelfamilie aus.</source>
        <translation>Please select the spindle family.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte wählen Sie den Spindeltyp aus.</source>
        <translation>Please select the spindle type.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte wählen Sie die Maximaldrehzahl der Spindel aus.</source>
        <translation>Please select the spindle&apos;s maximum speed.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;P146&lt;/p&gt;&lt;p&gt;&lt;img src=&quot;:/Images/CW_CCW_deu.png&quot;/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;P146&lt;/p&gt;&lt;p&gt;&lt;img src=&quot;:/Images/CW_CCW_eng.png&quot;/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>keine Auswahl</source>
        <translation>no selection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 laden</source>
        <translation>Load %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 speichern</source>
        <translation>Save to %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 löschen</source>
        <translation>Delete %1</translation>
    </message>
    <message>
        <location line="+39"/>
        <location line="+59"/>
        <source>Spindelfamilie wählen...</source>
        <translation>Select spindle family...</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+38"/>
        <source>Spindeltyp wählen...</source>
        <translation>Select spindle type...</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Maximaldrehzahl wählen...</source>
        <translation>Select maximum speed...</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Trotzdem den Motortyp laden?</source>
        <translation>Load the motor type anyway?</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+132"/>
        <location line="+4"/>
        <location line="+4"/>
        <location line="+13"/>
        <location line="+21"/>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-173"/>
        <source>Der ausgewählte Motorparametersatz ist ungültig und konnte nicht geladen werden!

</source>
        <translation>The selected motor parameter-set is invalid and could not be loaded!

</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+22"/>
        <location line="+8"/>
        <location line="+39"/>
        <location line="+5"/>
        <location line="+50"/>
        <location line="+5"/>
        <location line="+11"/>
        <location line="+22"/>
        <location line="+10"/>
        <location line="+24"/>
        <location line="+8"/>
        <location line="+16"/>
        <location line="+4"/>
        <location line="+66"/>
        <source>Torvana</source>
        <translation>Torvana</translation>
    </message>
    <message>
        <location line="-281"/>
        <source>Der ausgewählte Motorparametersatz kann nicht geladen werden, solange der Motor läuft!

Bitte stoppen Sie den Motor und laden Sie den Motorparametersatz erneut.</source>
        <translation>The selected motor parameter-set cannot be loaded while the motor is running!

Please stop the motor and load the motor parameter-set again.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Der ausgewählte Motorparametersatz konnte nicht geladen werden!

</source>
        <translation>The selected motor parameter-set could not be loaded!

</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Der ausgewählte Motorparametersatz wurde erfolgreich geladen!

</source>
        <translation>The selected motor parameter-set has been loaded successfully!

</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Trotzdem den Motorparametersatz laden?</source>
        <translation>Load the motor parameter set anyway?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Der ausgewählte Motorparametersatz ist nicht belegt und kann nicht geladen werden!

Aktuell sind keine Motorparametersätze definiert und können daher nicht geladen werden.</source>
        <translation>The selected motor parameter-set is not assigned and cannot be loaded!

No motor parameter-sets are currently defined, so none can be loaded.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Der ausgewählte Motorparametersatz ist nicht belegt und kann nicht geladen werden!
Weitere Informationen finden Sie unter Details.</source>
        <translation>The selected motor parameter-set is not assigned and cannot be loaded!
For more information, see details.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Es können nur Motorparametersätze geladen werden, die bereits definiert wurden. Aktuell sind folgende Motorparametersätze definiert und können geladen werden: </source>
        <translation>Only motor parameter-sets that have already been defined can be loaded. The following motor parameter-sets are currently defined and can be loaded: </translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Der ausgewählte Parametersatz-Speicher ist bereits belegt. Wollen Sie den vorhandenen Motorparametersatz überschreiben?

Falls Sie den ausgewählten Motorparametersatz nicht überschreiben wollen, wählen Sie Nein und anschießend einen anderen Speicherplatz aus.
</source>
        <translation>The selected parameter-set memory is already in use. Do you want to overwrite the existing motor parameter-set?

If you do not want to overwrite the selected motor parameter-set, choose No and then select another memory slot.
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Der ausgewählte Parametersatz-Speicher ist bereits belegt. Wollen Sie den vorhandenen Motorparametersatz überschreiben?
Weitere Informationen finden Sie unter Details.</source>
        <translation>The selected parameter-set memory is already in use. Do you want to overwrite the existing motor parameter-set?
For more information, see details.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aktuell sind die folgenden Parametersatzspeicher belegt: </source>
        <translation>The following parameter-set memories are currently in use: </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Wollen Sie den ausgewählten Motorparametersatz M%1 tatsächlich löschen?
Eine Wiederherstellung des Parametersatzes ist anschließend nicht mehr möglich!
</source>
        <translation>Do you really want to delete the selected motor parameter-set M%1?
The parameter-set cannot be restored afterwards!
</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Der ausgewählte Parametersatz ist nicht belegt und kann daher nicht gelöscht werden!
Aktuell sind keine Parametersätze definiert.
</source>
        <translation>The selected parameter-set is not assigned and therefore cannot be deleted!
No parameter-sets are currently defined.
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Der ausgewählte Parametersatz ist nicht belegt und kann daher nicht gelöscht werden!
Weitere Informationen finden Sie unter Details.</source>
        <translation>The selected parameter-set is not assigned and therefore cannot be deleted!
For more information, see details.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aktuell sind die folgenden Parametersätze definiert: </source>
        <translation>The following parameter-sets are currently defined: </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Der Motorparametersatz wurde erfolgreich vom Umrichter abgerufen!

</source>
        <translation>The motor parameter-set has been loaded successfully from the inverter!

</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Der Parametersatz konnte nicht gespeichert werden; der gewählte Parametersatzspeicher nicht verwendet werden kann!

</source>
        <translation>The parameter-set could not be saved; the selected parameter-set memory cannot be used!

</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Der Parametersatz konnte nicht gespeichert werden; es trat ein Fehler beim Schreiben in den Eeprom auf!

</source>
        <translation>The parameter-set could not be saved; an error occurred while writing to the EEPROM!

</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Beim Übertragen der vorgenommenen Einstellungen ist mindestens ein Fehler aufgetreten!
Weitere Informationen finden Sie unter Details.</source>
        <translation>At least one error has occurred while transferring the settings!
For more information, see details.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Der Parametersatz wurde erfolgreich zum Umrichter übertragen!

</source>
        <translation>The parameter-set has been transferred successfully to the inverter!

</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Der Parametersatz konnte nicht gelöscht werden!

</source>
        <translation>The parameter-set could not be deleted!

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der gewählte Parametersatz wurde erfolgreich gelöscht!

</source>
        <translation>The selected parameter-set has been deleted successfully!

</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ein Geräteparametersatz kann nicht geladen werden, solange der Motor läuft!

Bitte stoppen Sie den Motor und laden Sie den Geräteparametersatz erneut.</source>
        <translation>A device parameter-set cannot be loaded while the motor is running!

Please stop the motor and load the device parameter-set again.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Trotzdem einen Geräteparametersatz laden?</source>
        <translation>Load a device parameter set anyway?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zu ladenden Geräteparametersatz wählen</source>
        <translation>Select device parameter-set to load</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+25"/>
        <source>Geräteparametersätze (*.mps)</source>
        <translation>Device parameter-sets (*.mps)</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Der ausgewählte Geräteparametersatz ist ungültig und konnte nicht geladen werden!

</source>
        <translation>The selected device parameter-set is invalid and could not be loaded!

</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Der ausgewählte Geräteparametersatz konnte nicht geladen werden!

</source>
        <translation>The selected device parameter-set could not be loaded!

</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Der ausgewählte Geräteparametersatz wurde erfolgreich geladen!

</source>
        <translation>The selected device parameter-set has been loaded successfully!

</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Zu speichernde Geräteparametersatz-Datei wählen</source>
        <translation>Save device parameter-set</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Der Geräteparametersatz konnte nicht gespeichert werden!

</source>
        <translation>The device parameter-set could not be saved!

</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Der Geräteparametersatz wurde erfolgreich gespeichert!

</source>
        <translation>The device parameter-set has been saved successfully!

</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Beim Laden der Werkseinstellungen werden alle auf dem Umrichter gespeicherten Parameter gelöscht und überschrieben! Eine Wiederherstellung der überschriebenen Parameter ist anschließend nicht mehr möglich!

Wollen Sie den Umrichter wirklich auf die Werkseinstellungen zurücksetzen?
</source>
        <translation>Loading the factory settings deletes and overwrites all parameters stored on the inverter! The overwritten parameters cannot be restored afterwards!

Do you really want to reset the inverter to its factory settings?
</translation>
    </message>
</context>
<context>
    <name>OperatingState</name>
    <message>
        <location filename="../../cli/OperatingState.cpp" line="+20"/>
        <location line="+53"/>
        <source>Motor läuft</source>
        <translation>Motor runs</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>Motor steht</source>
        <translation>Motor stopped</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+50"/>
        <source>Haltebetrieb</source>
        <translation>Holding operation</translation>
    </message>
    <message>
        <location line="-48"/>
        <location line="+44"/>
        <source>Fehler aktiv</source>
        <translation>Error active</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+44"/>
        <source>Warnung aktiv</source>
        <translation>Warning active</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Umrichter betriebsbereit</source>
        <translation>Inverter ready for operation</translation>
    </message>
</context>
<context>
    <name>ParameterComparison</name>
    <message>
        <location filename="../../model/ParameterComparison.cpp" line="+82"/>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bezeichnung</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Arbeitskopie</source>
        <translation>Working copy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Umrichter</source>
        <translation>Inverter</translation>
    </message>
</context>
<context>
    <name>ParameterFieldBinder</name>
    <message>
        <location filename="../../pages/ParameterFieldBinder.cpp" line="+456"/>
        <source>Im Umrichter (Stand %1): %2</source>
        <translation>On the inverter (as of %1): %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Im Umrichter: %1</source>
        <translation>On the inverter: %1</translation>
    </message>
</context>
<context>
    <name>ParameterSetFileCheck</name>
    <message>
        <location filename="../../cli/ParameterSetFileCheck.cpp" line="+17"/>
        <location line="+17"/>
        <source>Der Dateiname muss auf .mps (Geräteparametersatz) oder .mtr (Motorparametersatz) enden: %1</source>
        <translation>The file name must end in .mps (device parameter set) or .mtr (motor parameter set): %1</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Die Datei %1 ist nicht lesbar oder kein gültiger Parametersatz.</source>
        <translation>The file %1 is not readable or is not a valid parameter set.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Die Datei %1 enthält keinen Parameter des Satzes.</source>
        <translation>The file %1 holds no parameter of its set.</translation>
    </message>
</context>
<context>
    <name>ParameterTexts</name>
    <message>
        <location filename="../../model/ParameterTexts.cpp" line="+19"/>
        <source>Frequenzsollwert</source>
        <translation>Frequency set-point</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+3"/>
        <location line="+2"/>
        <location line="+17"/>
        <location line="+1"/>
        <location line="+6"/>
        <location line="+6"/>
        <location line="+2"/>
        <location line="+2"/>
        <location line="+17"/>
        <location line="+11"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+13"/>
        <location line="+1"/>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>Start/Stopp</source>
        <translation>Start/stop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drehzahlanzeige</source>
        <translation>Speed display</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aktueller Frequenzsollwert</source>
        <translation>Current frequency set-point</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spitzenstrom</source>
        <translation>Peak current</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+4"/>
        <location line="+16"/>
        <location line="+34"/>
        <source>A eff~</source>
        <translation>A RMS~</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>Frequenzistwert</source>
        <translation>Actual frequency</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorspannung</source>
        <translation>Motor voltage</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+28"/>
        <location line="+2"/>
        <location line="+2"/>
        <location line="+2"/>
        <location line="+17"/>
        <source>V~</source>
        <translation>V~</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>ZK-Spannung (Motor)</source>
        <translation>DC link voltage (motor)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>V-</source>
        <translation>V-</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorwirkstrom</source>
        <translation>Motor active current</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wirkleistung</source>
        <translation>Active power</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorcode</source>
        <translation>Motor code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I²t-Auslastung</source>
        <translation>I²t load</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+33"/>
        <location line="+3"/>
        <location line="+2"/>
        <location line="+10"/>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <location line="-47"/>
        <source>Betriebsstunden Umrichter</source>
        <translation>Operating hours inverter</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Betriebsstunden Motor</source>
        <translation>Operating hours motor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umrichterstatus</source>
        <translation>Inverter status</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1. Störung</source>
        <translation>1st fault</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2. Störung</source>
        <translation>2nd fault</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3. Störung</source>
        <translation>3rd fault</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4. Störung</source>
        <translation>4th fault</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5. Störung</source>
        <translation>5th fault</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umrichtertyp</source>
        <translation>Inverter type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimale Frequenz</source>
        <translation>Minimum frequency</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximale Frequenz</source>
        <translation>Maximum frequency</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorspitzenstrom</source>
        <translation>Motor peak current</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beschleunigungsrampe</source>
        <translation>Acceleration ramp</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+4"/>
        <location line="+14"/>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Bremsrampe</source>
        <translation>Deceleration ramp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anlaufzeit</source>
        <translation>Start-up time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anlaufstrom</source>
        <translation>Start-up current</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+52"/>
        <source>A~</source>
        <translation>A~</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>Anlauffrequenz</source>
        <translation>Start-up frequency</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ausschaltzeit Anlauf</source>
        <translation>Start-up switch-off time</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>µs</source>
        <translation>µs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC-Bremszeit</source>
        <translation>DC brake time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC-Bremsstrom</source>
        <translation>DC brake current</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>A-</source>
        <translation>A-</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Haltestrom</source>
        <translation>Holding current</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U/f-Spannung 0</source>
        <translation>U/f voltage 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U/f-Frequenz 1</source>
        <translation>U/f frequency 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U/f-Spannung 1</source>
        <translation>U/f voltage 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U/f-Frequenz 2</source>
        <translation>U/f frequency 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U/f-Spannung 2</source>
        <translation>U/f voltage 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U/f-Frequenz 3</source>
        <translation>U/f frequency 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U/f-Spannung 3</source>
        <translation>U/f voltage 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I*R-Anhebefaktor</source>
        <translation>I*R boost factor</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>V/A</source>
        <translation>V/A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lastkompensationsfaktor</source>
        <translation>Load compensation factor</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%/A~</source>
        <translation>%/A~</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filterzeit</source>
        <translation>Filter time</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+5"/>
        <location line="+2"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>I²t-Stromschwelle</source>
        <translation>I²t current threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I²t-Zeit</source>
        <translation>I²t time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Funktion I²t-Überwachung</source>
        <translation>I²t monitoring function</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U-Regler KP</source>
        <translation>Voltage controller KP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U-Regler TN</source>
        <translation>Voltage controller TN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N-Regler KP</source>
        <translation>Speed controller KP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N-Regler TN</source>
        <translation>Speed controller TN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N-Regler TV</source>
        <translation>Speed controller TV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N-Regler TF</source>
        <translation>Speed controller TF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperaturüberwachung</source>
        <translation>Temperature monitoring</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensorwert</source>
        <translation>Sensor value</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motortyp</source>
        <translation>Motor type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nennfrequenz</source>
        <translation>Rated frequency</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nennspannung</source>
        <translation>Rated voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nennstrom</source>
        <translation>Rated current</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cos phi</source>
        <translation>cos phi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anzahl Polpaare</source>
        <translation>Number of pole pairs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N_soll Stromeingang</source>
        <translation>Speed set-point current input</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+25"/>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>N_soll Spannungseingang</source>
        <translation>Speed set-point voltage input</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+2"/>
        <location line="+21"/>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Temperatur Kühlkörper</source>
        <translation>Heat sink temperature</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZK-Spannung (Eingang)</source>
        <translation>DC link voltage (input)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relais- und LED-Steuerung</source>
        <translation>Relay and LED control</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Digitaleingänge und Motortemperatur</source>
        <translation>Digital inputs and motor temperature</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festfrequenz 1</source>
        <translation>Fixed frequency 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festfrequenz 2</source>
        <translation>Fixed frequency 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festfrequenz 3</source>
        <translation>Fixed frequency 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festfrequenz 4</source>
        <translation>Fixed frequency 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 1</source>
        <translation>DIN 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 2</source>
        <translation>DIN 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 3</source>
        <translation>DIN 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 4</source>
        <translation>DIN 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 5</source>
        <translation>DIN 5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIN 6</source>
        <translation>DIN 6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SPS-Eingang</source>
        <translation>PLC input</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relais 1</source>
        <translation>Relay 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relais 2</source>
        <translation>Relay 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relais-Warnstrom</source>
        <translation>Relay warning current</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIN-Funktion</source>
        <translation>AIN function</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CAN Node-ID</source>
        <translation>CAN node ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIN minimale Frequenz</source>
        <translation>AIN minimum frequency</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIN maximale Frequenz</source>
        <translation>AIN maximum frequency</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIN maximale Spannung</source>
        <translation>AIN maximum voltage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIN maximaler Strom</source>
        <translation>AIN maximum current</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Startvorgabe</source>
        <translation>Start source</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frequenzsollwertvorgabe</source>
        <translation>Set-point source</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drehrichtung</source>
        <translation>Direction of rotation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belegte Motorspeicher</source>
        <translation>Motor memories in use</translation>
    </message>
</context>
<context>
    <name>ReadCommand</name>
    <message>
        <location filename="../../cli/ReadCommand.cpp" line="+10"/>
        <source>read erwartet genau eine Datei.</source>
        <translation>read takes exactly one file.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Die Datei %1 konnte nicht geschrieben werden.</source>
        <translation>The file %1 could not be written.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Parametersatz in %1 gespeichert.</source>
        <translation>Parameter set saved in %1.</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <location filename="../../records/RecordKeeper.cpp" line="+29"/>
        <source>Torvana %1 gestartet</source>
        <translation>Torvana %1 started</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Fehlerschnappschuss gespeichert: %1</source>
        <translation>Fault snapshot saved: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Aufzeichnung gestartet: %1</source>
        <translation>Recording started: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Aufzeichnung beendet: %1 (%n Zeilen)</source>
        <translation>
            <numerusform>Recording ended: %1 (%n row)</numerusform>
            <numerusform>Recording ended: %1 (%n rows)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Torvana beendet</source>
        <translation>Torvana closed</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Servicebericht erstellt: %1</source>
        <translation>Service report created: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Datei konnte nicht geschrieben werden: %1</source>
        <translation>File could not be written: %1</translation>
    </message>
</context>
<context>
    <name>ResetCommand</name>
    <message>
        <location filename="../../cli/ResetCommand.cpp" line="+9"/>
        <source>reset erwartet keine Argumente.</source>
        <translation>reset takes no arguments.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Der Fehler-Reset konnte nicht durchgeführt werden (Antwort %1).</source>
        <translation>The error reset could not be carried out (answer %1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Fehler-Reset wurde durchgeführt.</source>
        <translation>The error reset has been carried out.</translation>
    </message>
</context>
<context>
    <name>ScopeViewDialog</name>
    <message>
        <location filename="../../pages/ScopeViewDialog.ui" line="+14"/>
        <source>U/f Tabelle</source>
        <translation>V/Hz table</translation>
    </message>
    <message>
        <location filename="../../pages/ScopeViewDialog.cpp" line="+87"/>
        <source>U/f Diagramm</source>
        <translation>V/Hz diagram</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>f [Hz]</source>
        <translation>f [Hz]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U [V~]</source>
        <translation>U [V~]</translation>
    </message>
</context>
<context>
    <name>ServiceReport</name>
    <message>
        <location filename="../../records/ServiceReport.cpp" line="+29"/>
        <source>Servicebericht %1 %2.pdf</source>
        <translation>Service report %1 %2.pdf</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 (Prototyp)</source>
        <translation>%1 (prototype)</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Fehler %1 - %2</source>
        <translation>Error %1 - %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Warnung %1 - %2</source>
        <translation>Warning %1 - %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Störung %1 (ohne Beschreibung)</source>
        <translation>Fault %1 (no description)</translation>
    </message>
</context>
<context>
    <name>ServiceReportPdf</name>
    <message>
        <location filename="../../records/ServiceReportPdf.cpp" line="+117"/>
        <source>Seite %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+13"/>
        <source>Servicebericht</source>
        <translation>Service report</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Servicebericht, Seriennummer %1, %2</source>
        <translation>Service report, serial number %1, %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Programm</source>
        <translation>Program</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erstellt</source>
        <translation>Created</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umrichtertyp</source>
        <translation>Inverter type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verbindung</source>
        <translation>Connection</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>verbunden</source>
        <translation>connected</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nicht verbunden (Werte der letzten Verbindung)</source>
        <translation>not connected (values of the last connection)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belegte Motorspeicher</source>
        <translation>Motor memories in use</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Fehlerhistorie</source>
        <translation>Fault history</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+60"/>
        <source>Keine Einträge.</source>
        <translation>No entries.</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>aktiv, zuerst gesehen: %1</source>
        <translation>active, first seen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zuerst gesehen: %1</source>
        <translation>first seen: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1. Störung: %2 (%3)</source>
        <translation>Fault %1: %2 (%3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ursache: %1</source>
        <translation>Cause: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Behebung: %1</source>
        <translation>Remedy: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Verlauf der letzten Minuten</source>
        <translation>Trend of the last minutes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keine Betriebswerte aufgezeichnet.</source>
        <translation>No operating values recorded.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bezeichnung</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Werkseinstellung</source>
        <translation>Factory default</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Abweichend</source>
        <translation>Differs</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>* Wert der Arbeitskopie; der Wert im Umrichter ist nicht bekannt.</source>
        <translation>* Value of the working copy; the inverter&apos;s value is not known.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebswerte</source>
        <translation>Operating values</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Ereignisprotokoll (letzte %n Einträge)</source>
        <translation>
            <numerusform>Event log (last %n entry)</numerusform>
            <numerusform>Event log (last %n entries)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SetCommand</name>
    <message>
        <location filename="../../cli/SetCommand.cpp" line="+13"/>
        <source>set erwartet mindestens eine Zuweisung P=WERT.</source>
        <translation>set takes at least one assignment P=VALUE.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keine Zuweisung P=WERT: %1</source>
        <translation>No assignment P=VALUE: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unbekannter Parameter: %1</source>
        <translation>Unknown parameter: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 ist ein Betriebswert und kann nicht gesetzt werden.</source>
        <translation>%1 is an operating value and cannot be set.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ungültiger Wert für %1: %2</source>
        <translation>Invalid value for %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mögliche Werte: %1</source>
        <translation>Possible values: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 kann nur bei stehendem Motor geändert werden; der Motor läuft.</source>
        <translation>%1 can only be changed while the motor is at a standstill; the motor is running.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 kann nicht gesetzt werden: Mit den übrigen Motordaten ist keine I²t-Zeit bestimmt.</source>
        <translation>%1 cannot be set: the other motor data define no I²t time.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1: %2 liegt außerhalb der Grenzen und wurde auf %3 begrenzt.</source>
        <translation>%1: %2 is outside the limits and was limited to %3.</translation>
    </message>
</context>
<context>
    <name>SpindleRunWidget</name>
    <message>
        <location filename="../../service/SpindleRunWidget.ui" line="+14"/>
        <location line="+82"/>
        <location filename="../../service/SpindleRunWidget.cpp" line="+469"/>
        <source>Spindeleinlauf</source>
        <translation>Spindle run-in</translation>
    </message>
    <message>
        <location line="-64"/>
        <source>Spindel und Einlaufprogramm</source>
        <translation>Spindle and run-in program</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Spindelfamilie: </source>
        <translation>Spindle family: </translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Spindeltyp: </source>
        <translation>Spindle type: </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Maximaldrehzahl: </source>
        <translation>Maximum speed: </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Einlaufprogramm: </source>
        <translation>Run-in program: </translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../service/SpindleRunWidget.cpp" line="+111"/>
        <source>Aktuelle Frequenz: </source>
        <translation>Current frequency: </translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../../service/SpindleRunWidget.cpp" line="+1"/>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Gesamtlaufzeit: </source>
        <translation>Total run time: </translation>
    </message>
    <message>
        <location line="+16"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Schritt: </source>
        <translation>Step: </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Schrittzeit: </source>
        <translation>Step time: </translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location filename="../../service/SpindleRunWidget.cpp" line="-553"/>
        <source>Erstinbetriebnahme</source>
        <translation>Initial operation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stillstandszeit &gt; 3 Monate</source>
        <translation>Downtime &gt; 3 months</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Konfiguriere Umrichter...</source>
        <translation>Configuring the inverter...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlerreset...</source>
        <translation>Error reset...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parameteraktualisierung...</source>
        <translation>Updating the parameters...</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Der Parametersatz für den ausgewählten Spindelmotor konnte nicht geladen werden!

</source>
        <translation>The parameter set of the selected spindle motor could not be loaded!

</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ein Fehler aufgetreten! Es konnte keine Bestätigung des Umrichters empfangen werden.

</source>
        <translation>An error occurred while configuring the inverter for the spindle run-in! No acknowledgement was received from the inverter.

</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ein Fehler aufgetreten! Es konnte keine Bestätigung des Umrichters für den Fehler-Reset empfangen werden.

</source>
        <translation>An error occurred while configuring the inverter for the spindle run-in! The inverter did not acknowledge the error reset.

</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ein Fehler aufgetreten! Es konnte kein aktueller Gerätestatus empfangen werden.

</source>
        <translation>An error occurred while configuring the inverter for the spindle run-in! No current device state was received.

</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1:%2 min / %3:%4 min</source>
        <translation>%1:%2 min / %3:%4 min</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Der Umrichter meldet anliegende Fehler!

Der Spindeleinlauf wird gestoppt. Bitte prüfen Sie die Fehlermeldungen auf der Seite DIAGNOSE, beheben diese und starten den Spindeleinlauf erneut.

</source>
        <translation>The inverter reports active errors!

The spindle run-in is stopped. Please check the error messages on the DIAGNOSTICS page, remove their causes and start the spindle run-in again.

</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+211"/>
        <location line="+15"/>
        <source>Torvana</source>
        <translation>Torvana</translation>
    </message>
    <message>
        <location line="-225"/>
        <source>Der Spindeleinlauf wurde erfolgreich abgeschlossen!

</source>
        <translation>The spindle run-in has been completed successfully!

</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>0:00 min / %1:%2 min</source>
        <translation>0:00 min / %1:%2 min</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Beim Konfigurieren des Umrichters für den Spindeleinlauf ist mindestens ein Fehler aufgetreten! Der Spindeleinlauf wurde abgebrochen.
Weitere Informationen finden Sie unter Details.</source>
        <translation>At least one error occurred while configuring the inverter for the spindle run-in! The spindle run-in has been aborted.
For more information, see details.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ein Fehler aufgetreten: Der Fehler-Reset konnte nicht durchgeführt werden! Der Spindeleinlauf wurde abgebrochen.

</source>
        <translation>An error occurred while configuring the inverter for the spindle run-in: the error reset could not be done! The spindle run-in has been aborted.

</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+89"/>
        <location line="+41"/>
        <location line="+107"/>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-507"/>
        <source>Stelle die Einstellungen vor dem Spindeleinlauf wieder her...</source>
        <translation>Restoring the settings from before the spindle run-in...</translation>
    </message>
    <message>
        <location line="+271"/>
        <source>Die Einstellungen vor dem Spindeleinlauf konnten nicht vollständig wiederhergestellt werden!
Weitere Informationen finden Sie unter Details.</source>
        <translation>The settings from before the spindle run-in could not be restored completely!
For more information, see details.</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Die Einstellungen vor dem Spindeleinlauf konnten nicht wiederhergestellt werden: Der Umrichter hat nicht geantwortet.

</source>
        <translation>The settings from before the spindle run-in could not be restored: the inverter did not answer.

</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Bei Durchführung eines Spindeleinlaufes wird die Parametrierung des Umrichters entsprechend der gewählten Spindel angepasst; d.h. der aktuelle Parametersatz wird überschrieben. Um einen Spindeleinlauf durchzuführen, gehen Sie daher bitte wie folgt vor:</source>
        <translation>A spindle run-in adapts the inverter&apos;s parameters to the selected spindle, i.e. the current parameter set is overwritten. To carry out a spindle run-in, please proceed as follows:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Speichern Sie den aktuellen Parametersatz vor dem Spindeleinlauf</source>
        <translation>Save the current parameter set before the spindle run-in</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stellen Sie eine anwendungsgerechte Kühlung der Spindel sicher</source>
        <translation>Make sure the spindle is cooled as the application requires</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Führen Sie den Spindeleinlauf durch</source>
        <translation>Carry out the spindle run-in</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Laden Sie die gewünschten Parameter und übertragen diese auf den Umrichter</source>
        <translation>Load the desired parameters and transfer them to the inverter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Das Spindeleinlaufprogramm für den %1 hat eine Gesamtlaufzeit von ca. %2 Minuten.</source>
        <translation>The spindle run-in program for the %1 takes about %2 minutes in total.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+93"/>
        <source>Achtung:</source>
        <translation>Attention:</translation>
    </message>
    <message>
        <location line="-92"/>
        <source>Da Torvana den Spindeleinlauf steuert und überwacht, muss während der gesamten Laufzeit eine Verbindung zwischen Torvana und dem Umrichter existieren! Torvana darf nicht beendet, die USB-Verbindung nicht unterbrochen und der PC nicht ausgeschaltet werden!</source>
        <translation>As Torvana controls and monitors the spindle run-in, Torvana must stay connected to the inverter for the whole run time! Do not close Torvana, do not interrupt the USB connection and do not switch off the PC!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wollen Sie den Spindeleinlauf starten?</source>
        <translation>Do you want to start the spindle run-in?</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Wollen Sie das laufende Spindeleinlaufprogramm wirklich abbrechen?

</source>
        <translation>Do you really want to abort the running spindle run-in program?

</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Die Kommunikationsverbindung zum Umrichter wurde unterbrochen oder ist gestört! Der Spindeleinlauf wird abgebrochen.
Bitte beheben Sie den Fehler und starten den Spindeleinlauf neu.

</source>
        <translation>The communication link to the inverter has been interrupted or is disturbed! The spindle run-in is aborted.
Please remove the cause and start the spindle run-in again.

</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Da Torvana den Spindeleinlauf steuert und überwacht, muss während der gesamten Laufzeit eine Verbindung zwischen Torvana und dem Umrichter existieren! Torvana darf nicht beendet, die USB-Verbindung nicht unterbrochen und der Rechner nicht ausgeschaltet werden!</source>
        <translation>As Torvana controls and monitors the spindle run-in, Torvana must stay connected to the inverter for the whole run time! Do not close Torvana, do not interrupt the USB connection and do not switch off the computer!</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Aktuelle Drehzahl: </source>
        <translation>Current speed: </translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+112"/>
        <location line="+37"/>
        <source> min-1</source>
        <translation> rpm</translation>
    </message>
    <message>
        <location line="-90"/>
        <location line="+79"/>
        <source>Einlaufprogramm wählen...</source>
        <translation>Select run-in program...</translation>
    </message>
    <message>
        <location line="-63"/>
        <location line="+60"/>
        <source>Spindelfamilie wählen...</source>
        <translation>Select spindle family...</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+40"/>
        <source>Spindeltyp wählen...</source>
        <translation>Select spindle type...</translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+20"/>
        <source>Maximaldrehzahl wählen...</source>
        <translation>Select maximum speed...</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Bitte wählen Sie die Spindelfamilie aus.</source>
        <translation>Please select the spindle family.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte wählen Sie den Spindeltyp aus.</source>
        <translation>Please select the spindle type.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte wählen Sie die Maximaldrehzahl der Spindel aus.</source>
        <translation>Please select the maximum speed of the spindle.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte wählen Sie das Spindeleinlaufprogramm aus.</source>
        <translation>Please select the spindle run-in program.</translation>
    </message>
</context>
<context>
    <name>StartupSettings</name>
    <message>
        <location filename="../../app/StartupSettings.cpp" line="+91"/>
        <source>Torvana</source>
        <translation>Torvana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die gespeicherten Einstellungen waren beschädigt und wurden beiseitegelegt:
%1

Torvana startet mit den Standardeinstellungen.

</source>
        <translation>The stored settings were damaged and have been set aside:
%1

Torvana starts with the default settings.

</translation>
    </message>
</context>
<context>
    <name>StatusCommand</name>
    <message>
        <location filename="../../cli/StatusCommand.cpp" line="+15"/>
        <source>status erwartet keine Argumente.</source>
        <translation>status takes no arguments.</translation>
    </message>
</context>
<context>
    <name>TrendCsv</name>
    <message>
        <location filename="../../records/TrendCsv.cpp" line="+21"/>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
</context>
<context>
    <name>TrendPlotDialog</name>
    <message>
        <location filename="../../pages/TrendPlotDialog.ui" line="+14"/>
        <source>Verlauf der Betriebswerte</source>
        <translation>Trend of operating values</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Werte</source>
        <translation>Values</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../pages/TrendPlotDialog.cpp" line="+66"/>
        <location line="+261"/>
        <source>Anhalten</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Letzte 10 Minuten</source>
        <translation>Last 10 minutes</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Mit der Maus einen Bereich aufziehen, um ihn zu vergrößern.</source>
        <translation>Drag over a span with the mouse to zoom into it.</translation>
    </message>
    <message>
        <location filename="../../pages/TrendPlotDialog.cpp" line="-261"/>
        <location line="+261"/>
        <source>Fortsetzen</source>
        <translation>Resume</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Cursor %1: keine Werte</source>
        <translation>Cursor %1: no values</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cursor %1: %2</source>
        <translation>Cursor %1: %2</translation>
    </message>
</context>
<context>
    <name>UnsavedChanges</name>
    <message>
        <location filename="../../app/UnsavedChanges.cpp" line="+10"/>
        <source>Torvana</source>
        <translation>Torvana</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n Parameter weichen vom Umrichter ab und sind dort noch nicht gespeichert. Diese Änderungen gehen dabei verloren.

</source>
        <translation>
            <numerusform>%n parameter differs from the inverter and is not saved there yet. This change will be lost.

</numerusform>
            <numerusform>%n parameters differ from the inverter and are not saved there yet. These changes will be lost.

</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WriteCommand</name>
    <message>
        <location filename="../../cli/WriteCommand.cpp" line="+13"/>
        <source>write erwartet genau eine Datei.</source>
        <translation>write takes exactly one file.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Der Motor läuft: Diese Parameter werden nur bei stehendem Motor übernommen und bleiben, wie sie sind: %1</source>
        <translation>The motor is running: these parameters are taken only while the motor is at a standstill and stay as they are: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Datei %1 ist nicht lesbar oder kein gültiger Parametersatz.</source>
        <translation>The file %1 is not readable or is not a valid parameter set.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1: geschrieben %2, im Umrichter %3</source>
        <translation>%1: written %2, in the inverter %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nach dem Schreiben hält der Umrichter andere Werte:</source>
        <translation>After writing, the inverter holds other values:</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n Parameter geschrieben, im EEPROM gespeichert und geprüft.</source>
        <translation>
            <numerusform>%n parameter written, stored in the EEPROM and verified.</numerusform>
            <numerusform>%n parameters written, stored in the EEPROM and verified.</numerusform>
        </translation>
    </message>
</context>
</TS>
