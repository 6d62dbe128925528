<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="de">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../../app/AboutDialog.ui" line="+14"/>
        <source>Über</source>
        <translation>Über</translation>
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
        <translation>Kontakt:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Autor:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Orvask GmbH</source>
        <translation>Orvask GmbH</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Lizenzinformationen</source>
        <translation>Lizenzinformationen</translation>
    </message>
    <message>
        <location filename="../../app/AboutDialog.cpp" line="+72"/>
        <source>Torvana is based in part on the work of the Qwt project (%1https://qwt.sourceforge.io%2). The Qwt license can be found at %3https://qwt.sourceforge.io/qwtlicense.html%4.</source>
        <translation>Torvana basiert zum Teil auf der Arbeit des Qwt-Projekts (%1https://qwt.sourceforge.io%2). Die Qwt-Lizenz finden Sie unter %3https://qwt.sourceforge.io/qwtlicense.html%4.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Torvana includes icons from the Oxygen icon theme (%1https://invent.kde.org/frameworks/oxygen-icons%2), which is licensed under the LGPLv3 license (%3https://www.gnu.org/licenses/lgpl-3.0.html%4).</source>
        <translation>Torvana enthält Icons aus dem Oxygen-Icon-Theme (%1https://invent.kde.org/frameworks/oxygen-icons%2), das unter der LGPLv3-Lizenz (%3https://www.gnu.org/licenses/lgpl-3.0.html%4) steht.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Torvana also includes icons from the Breeze icon theme (%1https://invent.kde.org/frameworks/breeze-icons%2), which is licensed under the LGPLv3 license (%3https://www.gnu.org/licenses/lgpl-3.0.html%4).</source>
        <translation>Torvana enthält außerdem Icons aus dem Breeze-Icon-Theme (%1https://invent.kde.org/frameworks/breeze-icons%2), das unter der LGPLv3-Lizenz (%3https://www.gnu.org/licenses/lgpl-3.0.html%4) steht.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1&lt;br/&gt;%2&lt;br/&gt;%3&lt;/p&gt;&lt;p&gt;Internet: %4%5&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p&gt;E-Mail: %6%7</source>
        <extracomment>%1 company, %2 street, %3 town; %4/%6 open the web and mail links, %5/%7 are their visible addresses</extracomment>
        <translation>%1&lt;br/&gt;%2&lt;br/&gt;%3&lt;/p&gt;&lt;p&gt;Internet: %4%5&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p&gt;E-Mail: %6%7</translation>
    </message>
</context>
<context>
    <name>CliOptionParser</name>
    <message>
        <location filename="../../cli/CliOptions.cpp" line="+67"/>
        <source>Die Option %1 braucht einen Wert.</source>
        <translation>Die Option %1 braucht einen Wert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Die Option %1 hat keinen Wert.</source>
        <translation>Die Option %1 hat keinen Wert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Die Option --port braucht einen Gerätepfad.</source>
        <translation>Die Option --port braucht einen Gerätepfad.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ungültige Zeit für --timeout: %1 (Sekunden größer als 0 erwartet).</source>
        <translation>Ungültige Zeit für --timeout: %1 (Sekunden größer als 0 erwartet).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unbekannte Sprache für --lang: %1 (de oder en).</source>
        <translation>Unbekannte Sprache für --lang: %1 (de oder en).</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Ungültige Zeit für --seconds: %1 (Sekunden größer als 0 erwartet).</source>
        <translation>Ungültige Zeit für --seconds: %1 (Sekunden größer als 0 erwartet).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unbekannte Option: %1</source>
        <translation>Unbekannte Option: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Kein Befehl angegeben.</source>
        <translation>Kein Befehl angegeben.</translation>
    </message>
</context>
<context>
    <name>CliRunner</name>
    <message>
        <location filename="../../cli/CliRunner.cpp" line="+69"/>
        <source>Unbekannter Befehl: %1 (torvana-cli --help listet die Befehle)</source>
        <translation>Unbekannter Befehl: %1 (torvana-cli --help listet die Befehle)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Die Option %1 gilt nicht für %2.</source>
        <translation>Die Option %1 gilt nicht für %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 gibt kein JSON aus.</source>
        <translation>%1 gibt kein JSON aus.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Das Gerät %1 gibt es nicht.</source>
        <translation>Das Gerät %1 gibt es nicht.</translation>
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
        <translation>Aufruf: torvana-cli [--port PFAD] [--timeout SEKUNDEN] [--lang de|en] [--json] BEFEHL [ARGUMENTE]

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
4 Verbindung während des Vorgangs verloren.</translation>
    </message>
    <message>
        <location filename="../../cli/main.cpp" line="+29"/>
        <source>torvana-cli --help zeigt den Aufruf.</source>
        <translation>torvana-cli --help zeigt den Aufruf.</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <location filename="../../app/CompareDialog.ui" line="+14"/>
        <source>Parameter vergleichen</source>
        <translation>Parameter vergleichen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Referenz:</source>
        <translation>Referenz:</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>nur Unterschiede</source>
        <translation>nur Unterschiede</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Markierte Referenzwerte übernehmen</source>
        <translation>Markierte Referenzwerte übernehmen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Als CSV exportieren...</source>
        <translation>Als CSV exportieren...</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../app/CompareDialog.cpp" line="+88"/>
        <source>keine</source>
        <translation>keine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Werkseinstellungen</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parametersatz-Datei wählen...</source>
        <translation>Parametersatz-Datei wählen...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Motortyp %1</source>
        <translation>Motortyp %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Parametersatz als Referenz wählen</source>
        <translation>Parametersatz als Referenz wählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parametersätze (*.mps *.mtr)</source>
        <translation>Parametersätze (*.mps *.mtr)</translation>
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
        <translation>Die Datei kann nicht als Parametersatz gelesen werden:
%1

</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Werkseinstellung</source>
        <translation>Werkseinstellung</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Übernehmen</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bezeichnung</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Arbeitskopie</source>
        <translation>Arbeitskopie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umrichter</source>
        <translation>Umrichter</translation>
    </message>
    <message numerus="yes">
        <location line="+44"/>
        <source>%n Parameter weichen vom Umrichter ab.</source>
        <translation>
            <numerusform>%n Parameter weicht vom Umrichter ab.</numerusform>
            <numerusform>%n Parameter weichen vom Umrichter ab.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n Parameter weichen von der Referenz ab.</source>
        <translation>
            <numerusform>%n Parameter weicht von der Referenz ab.</numerusform>
            <numerusform>%n Parameter weichen von der Referenz ab.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nicht verbunden: die Umrichterwerte sind vom %1.</source>
        <translation>Nicht verbunden: die Umrichterwerte sind vom %1.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Einige Werte können nur bei stehendem Motor geändert werden und wurden nicht übernommen.
Weitere Informationen finden Sie unter Details.</source>
        <translation>Einige Werte können nur bei stehendem Motor geändert werden und wurden nicht übernommen.
Weitere Informationen finden Sie unter Details.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Vergleich</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vergleich als CSV speichern</source>
        <translation>Vergleich als CSV speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Datei konnte nicht geschrieben werden:
%1

</source>
        <translation>Die Datei konnte nicht geschrieben werden:
%1

</translation>
    </message>
</context>
<context>
    <name>DatasetController</name>
    <message>
        <location filename="../../model/AcknowledgementSummary.cpp" line="+32"/>
        <source>Folgende Parameter konnten nicht übernommen werden:</source>
        <translation>Folgende Parameter konnten nicht übernommen werden:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Folgende Parameter konnten nicht gesetzt werden:</source>
        <translation>Folgende Parameter konnten nicht gesetzt werden:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>

Parameter-Ids ungültig:
P%1</source>
        <translation>

Parameter-Ids ungültig:
P%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>

Parameteränderungen nicht zulässig:
P%1</source>
        <translation>

Parameteränderungen nicht zulässig:
P%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>

Zu setzender Wert ist außerhalb des gültigen Bereichs:
P%1</source>
        <translation>

Zu setzender Wert ist außerhalb des gültigen Bereichs:
P%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>

Keine Rückmeldung zu folgenden Parametern:
P%1</source>
        <translation>

Keine Rückmeldung zu folgenden Parametern:
P%1</translation>
    </message>
    <message>
        <location filename="../../model/ParameterCatalogue.cpp" line="+146"/>
        <source>Aus</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drehrichtung</source>
        <translation>Drehrichtung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start/Stopp</source>
        <translation>Start/Stopp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Digitale Eingänge</source>
        <translation>Digitale Eingänge</translation>
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
        <translation>in min-1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deaktiviert</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warnung</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorstopp</source>
        <translation>Motorstopp</translation>
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
        <translation>kein Motor</translation>
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
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Startimpuls</source>
        <translation>Startimpuls</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Motorcode Bit 0</source>
        <translation>Motorcode Bit 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorcode Bit 1</source>
        <translation>Motorcode Bit 1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motorcode Bit 2</source>
        <translation>Motorcode Bit 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festfrequenz Bit 1</source>
        <translation>Festfrequenz Bit 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parameterimport</source>
        <translation>Parameterimport</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motorcode Bit 3</source>
        <translation>Motorcode Bit 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festfrequenz Bit 0</source>
        <translation>Festfrequenz Bit 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parameterexport</source>
        <translation>Parameterexport</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Status Betrieb</source>
        <translation>Status Betrieb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status Warnung</source>
        <translation>Status Warnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status Störung</source>
        <translation>Status Störung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status Überlast</source>
        <translation>Status Überlast</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sollfrequenz erreicht</source>
        <translation>Sollfrequenz erreicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stromgrenze</source>
        <translation>Stromgrenze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motortemperatur</source>
        <translation>Motortemperatur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorstillstand</source>
        <translation>Motorstillstand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motor läuft</source>
        <translation>Motor läuft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I²t Warnung</source>
        <translation>I²t Warnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Haltebetrieb</source>
        <translation>Haltebetrieb</translation>
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
        <translation>Analoger Eingang</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Linkslauf</source>
        <translation>Linkslauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rechtslauf</source>
        <translation>Rechtslauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Digitaler Eingang</source>
        <translation>Digitaler Eingang</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Frequenzsollwert: </source>
        <translation>Frequenzsollwert: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drehzahlsollwert: </source>
        <translation>Drehzahlsollwert: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequenzistwert: </source>
        <translation>Frequenzistwert: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drehzahlistwert: </source>
        <translation>Drehzahlistwert: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minimale Frequenz: </source>
        <translation>Minimale Frequenz: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimale Drehzahl: </source>
        <translation>Minimale Drehzahl: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Maximale Frequenz: </source>
        <translation>Maximale Frequenz: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximale Drehzahl: </source>
        <translation>Maximale Drehzahl: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Anlauffrequenz: </source>
        <translation>Anlauffrequenz: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anlaufdrehzahl: </source>
        <translation>Anlaufdrehzahl: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nennfrequenz: </source>
        <translation>Nennfrequenz: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nenndrehzahl: </source>
        <translation>Nenndrehzahl: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequenzsollwertvorgabe: </source>
        <translation>Frequenzsollwertvorgabe: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drehzahlsollwertvorgabe: </source>
        <translation>Drehzahlsollwertvorgabe: </translation>
    </message>
</context>
<context>
    <name>DevicesCommand</name>
    <message>
        <location filename="../../cli/DevicesCommand.cpp" line="+13"/>
        <source>devices erwartet keine Argumente.</source>
        <translation>devices erwartet keine Argumente.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Keine Geräte gefunden.</source>
        <translation>Keine Geräte gefunden.</translation>
    </message>
</context>
<context>
    <name>DiagnosticsWidgetHalvex</name>
    <message>
        <location filename="../../pages/ErrorTable.cpp" line="+25"/>
        <source>Motorstrom hat den Strombegrenzungswert erreicht</source>
        <translation>Motorstrom hat den Strombegrenzungswert erreicht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Motor zu stark belastet, Parameter &quot;Beschleunigungsrampe&quot; zu klein und/oder &quot;Anlaufstrom&quot; zu groß gewählt (sofern einstellbar).</source>
        <translation>Motor zu stark belastet, Parameter &quot;Beschleunigungsrampe&quot; zu klein und/oder &quot;Anlaufstrom&quot; zu groß gewählt (sofern einstellbar).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last verringern, Parameter anpassen.</source>
        <translation>Last verringern, Parameter anpassen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>STO unterbrochen</source>
        <translation>STO unterbrochen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>STO Anschluss nicht beschalten.</source>
        <translation>STO Anschluss nicht beschalten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Prüfen des STO Anschlusses.</source>
        <translation>Prüfen des STO Anschlusses.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Erdschluss im Motor</source>
        <translation>Erdschluss im Motor</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kurzschlüsse im Motor oder der Zuleitung.</source>
        <translation>Kurzschlüsse im Motor oder der Zuleitung.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motor austauschen oder reparieren; Motorzuleitung prüfen.</source>
        <translation>Motor austauschen oder reparieren; Motorzuleitung prüfen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kühlkörpertemperatur zu hoch (Frequenzumrichter)</source>
        <translation>Kühlkörpertemperatur zu hoch (Frequenzumrichter)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Frequenzumrichter überlastet, Kühlkörper zu heiß</source>
        <translation>Frequenzumrichter überlastet, Kühlkörper zu heiß</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last verringern, Ausgangsströme prüfen.</source>
        <translation>Last verringern, Ausgangsströme prüfen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fehler im Wechselrichter beim Selbsttest</source>
        <translation>Fehler im Wechselrichter beim Selbsttest</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+155"/>
        <location line="+8"/>
        <source>Hardware-Fehler im Leistungsteil.</source>
        <translation>Hardware-Fehler im Leistungsteil.</translation>
    </message>
    <message>
        <location line="-161"/>
        <source>Bleibt der Fehler trotz mehrmaligen EIN/AUS-Schaltens bestehen, muss der Frequenzumrichter zur Reparatur.</source>
        <translation>Bleibt der Fehler trotz mehrmaligen EIN/AUS-Schaltens bestehen, muss der Frequenzumrichter zur Reparatur.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Überstromerkennung im Wechselrichter</source>
        <translation>Überstromerkennung im Wechselrichter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hardware-Fehler im Leistungsteil, Fehler in der Motorleitung oder im Motor.</source>
        <translation>Hardware-Fehler im Leistungsteil, Fehler in der Motorleitung oder im Motor.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motorleitung oder Motor austauschen. Bleibt der Fehler trotz mehrmaligen EIN/AUS-Schaltens bestehen, muss der Frequenzumrichter zur Reparatur.</source>
        <translation>Motorleitung oder Motor austauschen. Bleibt der Fehler trotz mehrmaligen EIN/AUS-Schaltens bestehen, muss der Frequenzumrichter zur Reparatur.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>I²t Abschaltung</source>
        <translation>I²t Abschaltung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>I²t-Auslastung zu hoch, daher Motor abgeschaltet.</source>
        <translation>I²t-Auslastung zu hoch, daher Motor abgeschaltet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motor abkühlen lassen, Last verringern. Die Parameter &quot;I²t-Zeit&quot; und &quot;I²t-Stromschwelle&quot; prüfen.</source>
        <translation>Motor abkühlen lassen, Last verringern. Die Parameter &quot;I²t-Zeit&quot; und &quot;I²t-Stromschwelle&quot; prüfen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>I²t Schwellwert überschritten</source>
        <translation>I²t Schwellwert überschritten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>I²t-Auslastung zu hoch.</source>
        <translation>I²t-Auslastung zu hoch.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last verringern sowie die Parameter &quot;I²t-Zeit&quot; und &quot;I²t-Stromschwelle&quot; prüfen.</source>
        <translation>Last verringern sowie die Parameter &quot;I²t-Zeit&quot; und &quot;I²t-Stromschwelle&quot; prüfen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kein Motortyp definiert</source>
        <translation>Kein Motortyp definiert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Parameter &quot;Motortyp&quot; ist auf &quot;kein Motor&quot; gesetzt.</source>
        <translation>Der Parameter &quot;Motortyp&quot; ist auf &quot;kein Motor&quot; gesetzt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Den Parameter &quot;Motortyp&quot; prüfen.</source>
        <translation>Den Parameter &quot;Motortyp&quot; prüfen.</translation>
    </message>
    <message>
        <location filename="../../pages/DiagnosticsWidgetHalvex.ui" line="+14"/>
        <source>Diagnose</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Betriebswerte</source>
        <translation>Betriebswerte</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Frequenzsollwert: </source>
        <translation>Frequenzsollwert: </translation>
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
        <translation>Frequenzistwert: </translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Wirkleistung: </source>
        <translation>Wirkleistung: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> W</source>
        <translation> W</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Motorwirkstrom: </source>
        <translation>Motorwirkstrom: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+44"/>
        <source> A eff~</source>
        <translation> A eff~</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Spitzenstrom: </source>
        <translation>Spitzenstrom: </translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Motorspannung: </source>
        <translation>Motorspannung: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> V~</source>
        <translation> V~</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>ZK-Spannung (Motor):</source>
        <translation>ZK-Spannung (Motor):</translation>
    </message>
    <message>
        <location line="+28"/>
        <source> V-</source>
        <translation> V-</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>I²t-Auslastung</source>
        <translation>I²t-Auslastung</translation>
    </message>
    <message>
        <location line="+28"/>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Motorcode: </source>
        <translation>Motorcode: </translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Laufzeiten</source>
        <translation>Laufzeiten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Umrichter: </source>
        <translation>Umrichter: </translation>
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
        <translation>Fehlermeldungen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1. Störung: </source>
        <translation>1. Störung: </translation>
    </message>
    <message>
        <location line="+45"/>
        <source>2. Störung: </source>
        <translation>2. Störung: </translation>
    </message>
    <message>
        <location line="+45"/>
        <source>3. Störung: </source>
        <translation>3. Störung: </translation>
    </message>
    <message>
        <location line="+45"/>
        <source>4. Störung: </source>
        <translation>4. Störung: </translation>
    </message>
    <message>
        <location line="+45"/>
        <source>5. Störung: </source>
        <translation>5. Störung: </translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Aktor-/Sensortest</source>
        <translation>Aktor-/Sensortest</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>N_soll Stromeingang: </source>
        <translation>N_soll Stromeingang: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> mA</source>
        <translation> mA</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>N_soll Spannungseingang: </source>
        <translation>N_soll Spannungseingang: </translation>
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
        <translation>Temperatur Kühlkörper: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> °C</source>
        <translation> °C</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>ZK-Spannung (Eingang):</source>
        <translation>ZK-Spannung (Eingang):</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Relais 1</source>
        <translation>Relais 1</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+27"/>
        <location line="+27"/>
        <location line="+27"/>
        <source>Invertieren</source>
        <translation>Invertieren</translation>
    </message>
    <message>
        <location line="-64"/>
        <source>Relais 2</source>
        <translation>Relais 2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>LED Störung</source>
        <translation>LED Störung</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>LED Betrieb</source>
        <translation>LED Betrieb</translation>
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
        <translation>SPS-Eingang</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../../pages/ErrorTable.cpp" line="+3"/>
        <source>Temperaturüberwachung Motor</source>
        <translation>Temperaturüberwachung Motor</translation>
    </message>
    <message>
        <location filename="../../pages/ErrorTable.cpp" line="+3"/>
        <source>Motor zu warm, eventuell Kabelbruch Sensor.</source>
        <translation>Motor zu warm, eventuell Kabelbruch Sensor.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motor abkühlen, Last verringern, Sensor prüfen. Die Parameter &quot;Temperaturüberwachung&quot; und &quot;Sensorwert&quot; prüfen.</source>
        <translation>Motor abkühlen, Last verringern, Sensor prüfen. Die Parameter &quot;Temperaturüberwachung&quot; und &quot;Sensorwert&quot; prüfen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Überwachung Netzunterspannung</source>
        <translation>Überwachung Netzunterspannung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Versorgungsspannung zu klein.</source>
        <translation>Versorgungsspannung zu klein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Versorgungsspannung prüfen, Netzanschluss prüfen.</source>
        <translation>Versorgungsspannung prüfen, Netzanschluss prüfen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zwischenkreisspannung zu groß</source>
        <translation>Zwischenkreisspannung zu groß</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Versorgungsspannung zu groß oder Motorbremsrampe zu niedrig.</source>
        <translation>Versorgungsspannung zu groß oder Motorbremsrampe zu niedrig.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Versorgungsspannung und Netzanschluss prüfen; Parameter &quot;Bremsrampe&quot; anpassen.</source>
        <translation>Versorgungsspannung und Netzanschluss prüfen; Parameter &quot;Bremsrampe&quot; anpassen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Überstromschutz im Wechselrichter (Spitzenstrom)</source>
        <translation>Überstromschutz im Wechselrichter (Spitzenstrom)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Frequenzumrichter überlastet, Motor Kurzschluss oder Erdschluss.</source>
        <translation>Frequenzumrichter überlastet, Motor Kurzschluss oder Erdschluss.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Belastung reduzieren, Motor und Zuleitung auf Kurz- und Erdschluss prüfen.</source>
        <translation>Belastung reduzieren, Motor und Zuleitung auf Kurz- und Erdschluss prüfen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Motoranschluss unterbrochen</source>
        <translation>Motoranschluss unterbrochen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kein Motor angeschlossen bzw. eine Motorphase unterbrochen.</source>
        <translation>Kein Motor angeschlossen bzw. eine Motorphase unterbrochen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motoranschluss prüfen, ggf. Parameter &quot;Motortyp&quot; anpassen.</source>
        <translation>Motoranschluss prüfen, ggf. Parameter &quot;Motortyp&quot; anpassen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Begrenzung Drehzahlsollwert aktiv</source>
        <translation>Begrenzung Drehzahlsollwert aktiv</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der interne Drehzahlsollwert der Motorsteuerung wird auf die maximale Wechselrichterfrequenz (Parameter &quot;Maximale Drehzahl&quot;) begrenzt.</source>
        <translation>Der interne Drehzahlsollwert der Motorsteuerung wird auf die maximale Wechselrichterfrequenz (Parameter &quot;Maximale Drehzahl&quot;) begrenzt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Parameter &quot;Drehzahlsollwert&quot; bzw. Sollwert von Analogeingang zu groß.</source>
        <translation>Parameter &quot;Drehzahlsollwert&quot; bzw. Sollwert von Analogeingang zu groß.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Parameter &quot;Drehzahlsollwert&quot;, die Grenzen für den Sollwert vom Analogeingang (&quot;Minimale Drehzahl&quot; AIN und &quot;Maximale Drehzahl&quot; AIN) sowie die Festfrequenzen 1 bis 4 prüfen; zur Kontrolle den aktuellen Sollwert nutzen.</source>
        <translation>Parameter &quot;Drehzahlsollwert&quot;, die Grenzen für den Sollwert vom Analogeingang (&quot;Minimale Drehzahl&quot; AIN und &quot;Maximale Drehzahl&quot; AIN) sowie die Festfrequenzen 1 bis 4 prüfen; zur Kontrolle den aktuellen Sollwert nutzen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>10V Ausgangsspannung außerhalb des zulässigen Bereichs</source>
        <translation>10V Ausgangsspannung außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die 10V Ausgangsspannung für den AIN ist außerhalb des zulässigen Bereiches (±3%).</source>
        <translation>Die 10V Ausgangsspannung für den AIN ist außerhalb des zulässigen Bereiches (±3%).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verdrahtung prüfen; ggf. liegt ein Kurzschluss vor.</source>
        <translation>Verdrahtung prüfen; ggf. liegt ein Kurzschluss vor.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kurzschluss 24V Ausgang</source>
        <translation>Kurzschluss 24V Ausgang</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kurzschluss des 24V Ausgangs.</source>
        <translation>Kurzschluss des 24V Ausgangs.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verdrahtung prüfen.</source>
        <translation>Verdrahtung prüfen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fehlerhafter Parameterimport oder -export</source>
        <translation>Fehlerhafter Parameterimport oder -export</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Es wurden ausschließlich die Werte übernommen, die tatsächlich vorhanden sind (Parameterimport); ein Parameterexport fand nicht statt.</source>
        <translation>Es wurden ausschließlich die Werte übernommen, die tatsächlich vorhanden sind (Parameterimport); ein Parameterexport fand nicht statt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keine/fehlerhafte SD-Karte oder Parameterdatei auf SD-Karte ist nicht vollständig oder nicht vorhanden.</source>
        <translation>Keine/fehlerhafte SD-Karte oder Parameterdatei auf SD-Karte ist nicht vollständig oder nicht vorhanden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vollständige Parameterdatei (Import) und intakte SD-Karte verwenden.</source>
        <translation>Vollständige Parameterdatei (Import) und intakte SD-Karte verwenden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unbenutzter Motorparameterspeicher für Motorcodierung</source>
        <translation>Unbenutzter Motorparameterspeicher für Motorcodierung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Wert am Motorcodiereingang (DIN3 bis DIN6) zeigt auf einen leeren Parameterspeicher M1...M16.</source>
        <translation>Der Wert am Motorcodiereingang (DIN3 bis DIN6) zeigt auf einen leeren Parameterspeicher M1...M16.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Signalwerte an DIN3 bis DIN6 prüfen (siehe auch Parameter &quot;Motorcode&quot;) bzw. einen Parametersatz für den entsprechenden Motor abspeichern.</source>
        <translation>Signalwerte an DIN3 bis DIN6 prüfen (siehe auch Parameter &quot;Motorcode&quot;) bzw. einen Parametersatz für den entsprechenden Motor abspeichern.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Motor im Generatorbetrieb</source>
        <translation>Motor im Generatorbetrieb</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Motor rotiert bei Umrichterstopp.</source>
        <translation>Motor rotiert bei Umrichterstopp.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motorstillstand abwarten.</source>
        <translation>Motorstillstand abwarten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Komparatorfehler beim Selbsttest</source>
        <translation>Komparatorfehler beim Selbsttest</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+41"/>
        <source>Interner Fehler.</source>
        <translation>Interner Fehler.</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Bleibt der Fehler nach erneutem EIN/AUS-Schalten bestehen, muss der Frequenzumrichter zur Reparatur. Ein DASM-Motor kann weiter mit dem Umrichter betrieben werden, ein PMSM-Motor hingegen nicht.</source>
        <translation>Bleibt der Fehler nach erneutem EIN/AUS-Schalten bestehen, muss der Frequenzumrichter zur Reparatur. Ein DASM-Motor kann weiter mit dem Umrichter betrieben werden, ein PMSM-Motor hingegen nicht.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fehler beim Parameterimport und/oder -export</source>
        <translation>Fehler beim Parameterimport und/oder -export</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Es wurde kein Import oder Export von Parametern vorgenommen.</source>
        <translation>Es wurde kein Import oder Export von Parametern vorgenommen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Falsch konfigurierte oder beschaltene digitale Eingänge DIN5 und DIN6.</source>
        <translation>Falsch konfigurierte oder beschaltene digitale Eingänge DIN5 und DIN6.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Signalwerte an DIN5 und DIN6 sowie deren Konfiguration prüfen.</source>
        <translation>Signalwerte an DIN5 und DIN6 sowie deren Konfiguration prüfen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Watchdog-Reset auf Motorsteuerung</source>
        <translation>Watchdog-Reset auf Motorsteuerung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Starke EMV-Störung auf Motorsteuerplatine.</source>
        <translation>Starke EMV-Störung auf Motorsteuerplatine.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motor neu starten.</source>
        <translation>Motor neu starten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kurzschluss oder Erdschluss im Gleichstromsteller (GS)</source>
        <translation>Kurzschluss oder Erdschluss im Gleichstromsteller (GS)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Verkabelung prüfen. Bleibt der Fehler trotz mehrmaligem EIN/AUS-Schalten bestehen, muss der Frequenzumrichter zur Reparatur.</source>
        <translation>Verkabelung prüfen. Bleibt der Fehler trotz mehrmaligem EIN/AUS-Schalten bestehen, muss der Frequenzumrichter zur Reparatur.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bremschopper defekt bzw. Bremswiderstand unterbrochen beim Selbsttest</source>
        <translation>Bremschopper defekt bzw. Bremswiderstand unterbrochen beim Selbsttest</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bleibt der Fehler trotz mehrmaligem EIN/AUS-Schalten bestehen, muss der Frequenzumrichter zur Reparatur. Motor kann weiter betrieben werden.</source>
        <translation>Bleibt der Fehler trotz mehrmaligem EIN/AUS-Schalten bestehen, muss der Frequenzumrichter zur Reparatur. Motor kann weiter betrieben werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Offset in der Strommessschaltung zu groß beim Selbsttest</source>
        <translation>Offset in der Strommessschaltung zu groß beim Selbsttest</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bleibt der Fehler trotz mehrmaligem EIN/AUS-Schalten bestehen, muss der Frequenzumrichter zur Reparatur.</source>
        <translation>Bleibt der Fehler trotz mehrmaligem EIN/AUS-Schalten bestehen, muss der Frequenzumrichter zur Reparatur.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Istdrehzahl des Motors zu hoch</source>
        <translation>Istdrehzahl des Motors zu hoch</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Motor-Istdrehzahl liegt 10% über der Solldrehzahl. Motor kann der Solldrehzahl nicht folgen, Motor extern angetrieben.</source>
        <translation>Motor-Istdrehzahl liegt 10% über der Solldrehzahl. Motor kann der Solldrehzahl nicht folgen, Motor extern angetrieben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solldrehzahl langsamer absenken.</source>
        <translation>Solldrehzahl langsamer absenken.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PMSM-Motor läuft nicht an</source>
        <translation>PMSM-Motor läuft nicht an</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Trotz mehrfacher Versuche läuft der PMSM-Motor nicht an.</source>
        <translation>Trotz mehrfacher Versuche läuft der PMSM-Motor nicht an.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motor und Zuleitung prüfen. Parameter &quot;Beschleunigungsrampe&quot;, &quot;Anlaufzeit&quot; und &quot;Anlaufstrom&quot; anpassen (sofern einstellbar).</source>
        <translation>Motor und Zuleitung prüfen. Parameter &quot;Beschleunigungsrampe&quot;, &quot;Anlaufzeit&quot; und &quot;Anlaufstrom&quot; anpassen (sofern einstellbar).</translation>
    </message>
    <message>
        <location filename="../../pages/DiagnosticsWidgetHalvex.cpp" line="-1"/>
        <source>Parameter P%1</source>
        <translation>Parameter P%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> min-1</source>
        <translation> min-1</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>aktiv – %1</source>
        <translation>aktiv – %1</translation>
    </message>
    <message>
        <location line="+140"/>
        <source>Fehler </source>
        <translation>Fehler </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Warnung </source>
        <translation>Warnung </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ursache</source>
        <translation>Ursache</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Behebung</source>
        <translation>Behebung</translation>
    </message>
</context>
<context>
    <name>DriveWidgetHalvex</name>
    <message>
        <location filename="../../pages/DriveWidgetHalvex.ui" line="+19"/>
        <location line="+23"/>
        <source>Motordaten</source>
        <translation>Motordaten</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Motortyp: </source>
        <translation>Motortyp: </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Temperaturüberwachung: </source>
        <translation>Temperaturüberwachung: </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>cos_phi: </source>
        <translation>cos_phi: </translation>
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
        <translation>Sensorwert: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> Ohm</source>
        <translation> Ohm</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Nennspannung: </source>
        <translation>Nennspannung: </translation>
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
        <translation>Nennfrequenz: </translation>
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
        <translation>Nennstrom: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+53"/>
        <source> A eff~</source>
        <translation> A eff~</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Motorspitzenstrom: </source>
        <translation>Motorspitzenstrom: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Minimale Frequenz: </source>
        <translation>Minimale Frequenz: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Maximale Frequenz: </source>
        <translation>Maximale Frequenz: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Beschleunigungsrampe: </source>
        <translation>Beschleunigungsrampe: </translation>
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
        <translation>Bremsrampe: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Anzahl Polpaare: </source>
        <translation>Anzahl Polpaare: </translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Haltestrom: </source>
        <translation>Haltestrom: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+271"/>
        <location line="+722"/>
        <location line="+56"/>
        <source>Aus</source>
        <translation>Aus</translation>
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
        <translation>Anlaufzeit: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>ohne Rampe</source>
        <translation>ohne Rampe</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Ausschaltzeit Anlauf: </source>
        <translation>Ausschaltzeit Anlauf: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> µs</source>
        <translation> µs</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Anlauffrequenz: </source>
        <translation>Anlauffrequenz: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Anlaufstrom: </source>
        <translation>Anlaufstrom: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source> A~</source>
        <translation> A~</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>DC-Bremszeit: </source>
        <translation>DC-Bremszeit: </translation>
    </message>
    <message>
        <location line="+56"/>
        <source>DC-Bremsstrom: </source>
        <translation>DC-Bremsstrom: </translation>
    </message>
    <message>
        <location line="+55"/>
        <source>I²t-Überwachung</source>
        <translation>I²t-Überwachung</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Funktion I²t-Überwachung: </source>
        <translation>Funktion I²t-Überwachung: </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>I²t-Stromschwelle: </source>
        <translation>I²t-Stromschwelle: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>I²t-Zeit: </source>
        <translation>I²t-Zeit: </translation>
    </message>
    <message>
        <location line="+75"/>
        <source>U/f Tabelle</source>
        <translation>U/f Tabelle</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Spannung 0: </source>
        <translation>Spannung 0: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Frequenz 1: </source>
        <translation>Frequenz 1: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Frequenz 2: </source>
        <translation>Frequenz 2: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Frequenz 3: </source>
        <translation>Frequenz 3: </translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Spannung 1: </source>
        <translation>Spannung 1: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Spannung 2: </source>
        <translation>Spannung 2: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Spannung 3: </source>
        <translation>Spannung 3: </translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Regelparameter</source>
        <translation>Regelparameter</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Regler: </source>
        <translation>Regler: </translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../../pages/DriveWidgetHalvex.cpp" line="+176"/>
        <source>U/f</source>
        <translation>U/f</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>I*R Anhebefaktor: </source>
        <translation>I*R Anhebefaktor: </translation>
    </message>
    <message>
        <location line="+31"/>
        <source> V/A</source>
        <translation> V/A</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Lastkomp.-Faktor: </source>
        <translation>Lastkomp.-Faktor: </translation>
    </message>
    <message>
        <location line="+31"/>
        <source> %/A~</source>
        <translation> %/A~</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Filterzeit: </source>
        <translation>Filterzeit: </translation>
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
        <translation>U-Regler KP: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>N-Regler KP: </source>
        <translation>N-Regler KP: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>N-Regler TF: </source>
        <translation>N-Regler TF: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>U-Regler TN: </source>
        <translation>U-Regler TN: </translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+56"/>
        <source>ohne I-Anteil</source>
        <translation>ohne I-Anteil</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>N-Regler TN: </source>
        <translation>N-Regler TN: </translation>
    </message>
    <message>
        <location line="+56"/>
        <source>N-Regler TV: </source>
        <translation>N-Regler TV: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>ohne D-Anteil</source>
        <translation>ohne D-Anteil</translation>
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
        <translation> min-1</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>U/f, I*R und Lastkompensation</source>
        <translation>U/f, I*R und Lastkompensation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>U/f und I*R</source>
        <translation>U/f und I*R</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>U/f und Lastkompensation</source>
        <translation>U/f und Lastkompensation</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>I²t Überwachung gesperrt
Differenz zwischen Nennstrom und Motorspitzenstrom zu groß</source>
        <translation>I²t Überwachung gesperrt
Differenz zwischen Nennstrom und Motorspitzenstrom zu groß</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I²t Überwachung gesperrt
Bitte das Produkt aus Nennstrom und Stromschwelle kleiner als den Motorspitzenstrom wählen</source>
        <translation>I²t Überwachung gesperrt
Bitte das Produkt aus Nennstrom und Stromschwelle kleiner als den Motorspitzenstrom wählen</translation>
    </message>
</context>
<context>
    <name>ErrorsCommand</name>
    <message>
        <location filename="../../cli/ErrorsCommand.cpp" line="+16"/>
        <source>errors erwartet keine Argumente.</source>
        <translation>errors erwartet keine Argumente.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1 kein Eintrag</source>
        <translation>%1 kein Eintrag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Code %2 (ohne Beschreibung)</source>
        <translation>%1 Code %2 (ohne Beschreibung)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Ursache: %1</source>
        <translation>Ursache: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Behebung: %1</source>
        <translation>Behebung: %1</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <location filename="../../records/EventLog.cpp" line="+12"/>
        <source>Programm</source>
        <translation>Programm</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Verbindung</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schreiben</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ablehnung</source>
        <translation>Ablehnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Befehl</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Motorspeicher</source>
        <translation>Motorspeicher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehler/Warnung</source>
        <translation>Fehler/Warnung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Spindeleinlauf</source>
        <translation>Spindeleinlauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware-Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aufzeichnung</source>
        <translation>Aufzeichnung</translation>
    </message>
</context>
<context>
    <name>EventLogWindow</name>
    <message>
        <location filename="../../app/EventLogWindow.ui" line="+14"/>
        <source>Ereignisprotokoll</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Suchen...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Kopieren</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ordner öffnen</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../app/EventLogWindow.cpp" line="+53"/>
        <source>Alle Ereignisse</source>
        <translation>Alle Ereignisse</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>%1 von %2 Einträgen</source>
        <translation>%1 von %2 Einträgen</translation>
    </message>
</context>
<context>
    <name>EventRecorder</name>
    <message>
        <location filename="../../records/EventRecorder.cpp" line="+37"/>
        <source>Fehler-Reset durchgeführt</source>
        <translation>Fehler-Reset durchgeführt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehler-Reset abgelehnt (%1)</source>
        <translation>Fehler-Reset abgelehnt (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Werkseinstellungen geladen</source>
        <translation>Werkseinstellungen geladen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Werkseinstellungen nicht geladen (%1)</source>
        <translation>Werkseinstellungen nicht geladen (%1)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Motorspeicher %1 geladen</source>
        <translation>Motorspeicher %1 geladen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Motorspeicher %1 gespeichert</source>
        <translation>Motorspeicher %1 gespeichert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Motorspeicher %1 nicht gespeichert (%2)</source>
        <translation>Motorspeicher %1 nicht gespeichert (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Motorspeicher %1 gelöscht</source>
        <translation>Motorspeicher %1 gelöscht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorspeicher %1 nicht gelöscht (%2)</source>
        <translation>Motorspeicher %1 nicht gelöscht (%2)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Parameter-Id ungültig</source>
        <translation>Parameter-Id ungültig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Änderung nicht zulässig</source>
        <translation>Änderung nicht zulässig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wert außerhalb des gültigen Bereichs</source>
        <translation>Wert außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Parametersatzspeicher nicht verwendbar</source>
        <translation>Parametersatzspeicher nicht verwendbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fehler beim Schreiben ins EEPROM</source>
        <translation>Fehler beim Schreiben ins EEPROM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Status 0x%1</source>
        <translation>Status 0x%1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Verbunden: %1, Firmware %2</source>
        <translation>Verbunden: %1, Firmware %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Umrichtertyp %1, Seriennummer %2</source>
        <translation>Umrichtertyp %1, Seriennummer %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Verbindung getrennt (%1)</source>
        <translation>Verbindung getrennt (%1)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: %2 abgelehnt (%3)</source>
        <translation>%1: %2 abgelehnt (%3)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Startbefehl (Sollwert %1)</source>
        <translation>Startbefehl (Sollwert %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stoppbefehl</source>
        <translation>Stoppbefehl</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Fehler %1 - %2</source>
        <translation>Fehler %1 - %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warnung %1 - %2</source>
        <translation>Warnung %1 - %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Störung %1 (ohne Beschreibung)</source>
        <translation>Störung %1 (ohne Beschreibung)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: nicht mehr aktiv</source>
        <translation>%1: nicht mehr aktiv</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Spindeleinlauf gestartet</source>
        <translation>Spindeleinlauf gestartet</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Stopp</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schritt %1/%2: %3 für %4 s</source>
        <translation>Schritt %1/%2: %3 für %4 s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Spindeleinlauf abgebrochen: %1</source>
        <translation>Spindeleinlauf abgebrochen: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Spindeleinlauf beendet</source>
        <translation>Spindeleinlauf beendet</translation>
    </message>
</context>
<context>
    <name>FactoryResetCommand</name>
    <message>
        <location filename="../../cli/FactoryResetCommand.cpp" line="+9"/>
        <source>factory-reset erwartet keine Argumente.</source>
        <translation>factory-reset erwartet keine Argumente.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Beim Laden der Werkseinstellungen werden alle auf dem Umrichter gespeicherten Parameter überschrieben. Mit --yes bestätigen.</source>
        <translation>Beim Laden der Werkseinstellungen werden alle auf dem Umrichter gespeicherten Parameter überschrieben. Mit --yes bestätigen.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Die Werkseinstellung konnte nicht geladen werden (Antwort %1).</source>
        <translation>Die Werkseinstellung konnte nicht geladen werden (Antwort %1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Umrichter wurde auf die Werkseinstellungen zurückgesetzt.</source>
        <translation>Der Umrichter wurde auf die Werkseinstellungen zurückgesetzt.</translation>
    </message>
</context>
<context>
    <name>FaultHistory</name>
    <message>
        <location filename="../../records/FaultHistory.cpp" line="+171"/>
        <source>vor Programmstart</source>
        <translation>vor Programmstart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vor %1</source>
        <translation>vor %1</translation>
    </message>
</context>
<context>
    <name>FlashCommand</name>
    <message>
        <location filename="../../cli/FlashCommand.cpp" line="+39"/>
        <source>flash erwartet genau eine Firmware-Datei.</source>
        <translation>flash erwartet genau eine Firmware-Datei.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+5"/>
        <source>Die ausgewählte Datei ist nicht lesbar oder keine gültige Firmware-Datei!</source>
        <translation>Die ausgewählte Datei ist nicht lesbar oder keine gültige Firmware-Datei!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Die Datei ist größer als der Firmware-Bereich des Umrichters.</source>
        <translation>Die Datei ist größer als der Firmware-Bereich des Umrichters.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Datei ist ein Bootloader, keine Firmware.</source>
        <translation>Die Datei ist ein Bootloader, keine Firmware.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Datei beginnt nicht mit der Vektortabelle einer Firmware für diesen Umrichter.</source>
        <translation>Die Datei beginnt nicht mit der Vektortabelle einer Firmware für diesen Umrichter.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Das Flash-Programm %1 wurde nicht gefunden.</source>
        <translation>Das Flash-Programm %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Die temporäre Firmware-Datei konnte nicht geschrieben werden.</source>
        <translation>Die temporäre Firmware-Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Der an den Umrichter angeschlossene Motor ist gerade in Betrieb. Ein Firmware-Update kann jedoch nur bei stehendem Motor durchgeführt werden.</source>
        <translation>Der an den Umrichter angeschlossene Motor ist gerade in Betrieb. Ein Firmware-Update kann jedoch nur bei stehendem Motor durchgeführt werden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Der Umrichter ist gerade im Haltebetrieb. In dieser Betriebsart ist es jedoch nicht möglich, ein Firmware-Update durchzuführen. Bitte deaktivieren sie den Haltestrom, um das Update einspielen zu können.</source>
        <translation>Der Umrichter ist gerade im Haltebetrieb. In dieser Betriebsart ist es jedoch nicht möglich, ein Firmware-Update durchzuführen. Bitte deaktivieren sie den Haltestrom, um das Update einspielen zu können.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Firmware-Update abgebrochen! Die Portnummer der Kommunikationsverbindung konnte nicht bestimmt werden!</source>
        <translation>Firmware-Update abgebrochen! Die Portnummer der Kommunikationsverbindung konnte nicht bestimmt werden!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Achtung: Das Firmware-Update darf keinesfalls gestört oder abgebrochen werden! Die USB-Verbindung und die Stromversorgung des Umrichters dürfen nicht unterbrochen werden!</source>
        <translation>Achtung: Das Firmware-Update darf keinesfalls gestört oder abgebrochen werden! Die USB-Verbindung und die Stromversorgung des Umrichters dürfen nicht unterbrochen werden!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bootloader-Reset...</source>
        <translation>Bootloader-Reset...</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Das Firmware-Update darf nicht abgebrochen werden; bitte warten.</source>
        <translation>Das Firmware-Update darf nicht abgebrochen werden; bitte warten.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Trenne Kommunikationsverbindung...</source>
        <translation>Trenne Kommunikationsverbindung...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Firmware-Update...</source>
        <translation>Firmware-Update...</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Firmware-Update... %1 %</source>
        <translation>Firmware-Update... %1 %</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Firmware-Update fehlgeschlagen (%1 endete mit %2)! Bitte starten Sie den Umrichter neu!</source>
        <translation>Firmware-Update fehlgeschlagen (%1 endete mit %2)! Bitte starten Sie den Umrichter neu!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Firmware-Update fehlgeschlagen (%1 startete nicht)! Bitte starten Sie den Umrichter neu!</source>
        <translation>Firmware-Update fehlgeschlagen (%1 startete nicht)! Bitte starten Sie den Umrichter neu!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Update erfolgreich abgeschlossen. Reboot...</source>
        <translation>Update erfolgreich abgeschlossen. Reboot...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verbindungsaufbau...</source>
        <translation>Verbindungsaufbau...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Firmware-Update erfolgreich abgeschlossen!</source>
        <translation>Firmware-Update erfolgreich abgeschlossen!</translation>
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
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Firmwaredatei laden</source>
        <translation>Firmwaredatei laden</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Bootloader Update</source>
        <translation>Bootloader Update</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Update starten</source>
        <translation>Update starten</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Ausgabe des Flash-Programms</source>
        <translation>Ausgabe des Flash-Programms</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Erneut versuchen</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <location filename="../../service/FlashUpdateWidget.cpp" line="-409"/>
        <location line="+447"/>
        <source>Keine gültige Bootloader-Binary gefunden!</source>
        <translation>Keine gültige Bootloader-Binary gefunden!</translation>
    </message>
    <message>
        <location line="-427"/>
        <source>Achtung:</source>
        <translation>Achtung:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Das Firmware-Update darf keinesfalls gestört oder abgebrochen werden! Torvana darf nicht beendet, die USB-Verbindung zum Umrichter nicht unterbrochen und der Rechner nicht ausgeschaltet werden! Auch die Stromversorgung des Umrichters darf keinesfalls unterbrochen werden!</source>
        <translation>Das Firmware-Update darf keinesfalls gestört oder abgebrochen werden! Torvana darf nicht beendet, die USB-Verbindung zum Umrichter nicht unterbrochen und der Rechner nicht ausgeschaltet werden! Auch die Stromversorgung des Umrichters darf keinesfalls unterbrochen werden!</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Hinweis:</source>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Der an den Umrichter angeschlossene Motor ist gerade in Betrieb. Ein Firmware-Update kann jedoch nur bei stehendem Motor durchgeführt werden.</source>
        <translation>Der an den Umrichter angeschlossene Motor ist gerade in Betrieb. Ein Firmware-Update kann jedoch nur bei stehendem Motor durchgeführt werden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Der Umrichter ist gerade im Haltebetrieb. In dieser Betriebsart ist es jedoch nicht möglich, ein Firmware-Update durchzuführen. Bitte deaktivieren sie den Haltestrom, um das Update einspielen zu können.</source>
        <translation>Der Umrichter ist gerade im Haltebetrieb. In dieser Betriebsart ist es jedoch nicht möglich, ein Firmware-Update durchzuführen. Bitte deaktivieren sie den Haltestrom, um das Update einspielen zu können.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Zu ladende Firmware wählen</source>
        <translation>Zu ladende Firmware wählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Halvex Firmwaredateien (*.bin)</source>
        <translation>Halvex Firmwaredateien (*.bin)</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+98"/>
        <location line="+236"/>
        <location line="+7"/>
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="-340"/>
        <source>Die ausgewählte Datei ist nicht lesbar oder keine gültige Firmware-Datei!

</source>
        <translation>Die ausgewählte Datei ist nicht lesbar oder keine gültige Firmware-Datei!

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
        <translation>Die ausgewählte Datei wird nicht als Firmware übernommen:

%1

</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Um ein Firmware-Update durchzuführen, gehen Sie bitte wie folgt vor:</source>
        <translation>Um ein Firmware-Update durchzuführen, gehen Sie bitte wie folgt vor:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speichern Sie Ihre Parameter vor dem Firmware-Update</source>
        <translation>Speichern Sie Ihre Parameter vor dem Firmware-Update</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stecken Sie den Stecker des STO vom Umrichter ab</source>
        <translation>Stecken Sie den Stecker des STO vom Umrichter ab</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Führen Sie anschließend das Firmware-Update durch</source>
        <translation>Führen Sie anschließend das Firmware-Update durch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Laden Sie die gewünschten Parameter und übertragen diese auf den Umrichter</source>
        <translation>Laden Sie die gewünschten Parameter und übertragen diese auf den Umrichter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stecken Sie den Stecker für STO wieder ein und führen Sie einen Reset durch</source>
        <translation>Stecken Sie den Stecker für STO wieder ein und führen Sie einen Reset durch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wollen Sie das Firmware-Update nun starten?</source>
        <translation>Wollen Sie das Firmware-Update nun starten?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Es besteht keine Verbindung zum Umrichter.</source>
        <translation>Es besteht keine Verbindung zum Umrichter.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Motor läuft oder der Umrichter ist im Haltebetrieb.</source>
        <translation>Der Motor läuft oder der Umrichter ist im Haltebetrieb.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Das Firmware-Update wird nicht gestartet:

%1

</source>
        <translation>Das Firmware-Update wird nicht gestartet:

%1

</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Bestimme Portnummer...</source>
        <translation>Bestimme Portnummer...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>abgebrochen...</source>
        <translation>abgebrochen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Firmware-Update abgebrochen!

Die Portnummer der Kommunikationsverbindung konnte nicht bestimmt werden!
</source>
        <translation>Firmware-Update abgebrochen!

Die Portnummer der Kommunikationsverbindung konnte nicht bestimmt werden!
</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Bootloader-Reset...</source>
        <translation>Bootloader-Reset...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Trenne Kommunikationsverbindung...</source>
        <translation>Trenne Kommunikationsverbindung...</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+97"/>
        <source>Bootloader-Update...</source>
        <translation>Bootloader-Update...</translation>
    </message>
    <message>
        <location line="-87"/>
        <location line="+87"/>
        <source>Firmware-Update...</source>
        <translation>Firmware-Update...</translation>
    </message>
    <message>
        <location line="-61"/>
        <source>Verbindungsaufbau...</source>
        <translation>Verbindungsaufbau...</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Größe: %1 Bytes, Version: %2, CRC-32: %3</source>
        <translation>Größe: %1 Bytes, Version: %2, CRC-32: %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Die Datei ist leer.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Datei ist größer als der Firmware-Bereich des Umrichters (%1 Bytes).</source>
        <translation>Die Datei ist größer als der Firmware-Bereich des Umrichters (%1 Bytes).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Datei ist zu kurz für eine Firmware.</source>
        <translation>Die Datei ist zu kurz für eine Firmware.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Datei beginnt nicht mit der Vektortabelle einer Firmware für diesen Umrichter.</source>
        <translation>Die Datei beginnt nicht mit der Vektortabelle einer Firmware für diesen Umrichter.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die Datei ist ein Bootloader, keine Firmware.</source>
        <translation>Die Datei ist ein Bootloader, keine Firmware.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Das Flash-Programm &quot;%1&quot; konnte nicht gestartet werden.</source>
        <translation>Das Flash-Programm &quot;%1&quot; konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bootloader erfolgreich aktualisiert.</source>
        <translation>Bootloader erfolgreich aktualisiert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Update erfolgreich abgeschlossen. Reboot...</source>
        <translation>Update erfolgreich abgeschlossen. Reboot...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Firmware-Update erfolgreich abgeschlossen!

</source>
        <translation>Firmware-Update erfolgreich abgeschlossen!

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bootloader-Update fehlerhaft!</source>
        <translation>Bootloader-Update fehlerhaft!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bootloader-Update fehlgeschlagen! Updateprozess wurdeabgebrochen!

Bitte starten Sie den Umrichter neu!
</source>
        <translation>Bootloader-Update fehlgeschlagen! Updateprozess wurdeabgebrochen!

Bitte starten Sie den Umrichter neu!
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Firmware-Update fehlerhaft!</source>
        <translation>Firmware-Update fehlerhaft!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Firmware-Update fehlgeschlagen!

Bitte starten Sie den Umrichter neu!
</source>
        <translation>Firmware-Update fehlgeschlagen!

Bitte starten Sie den Umrichter neu!
</translation>
    </message>
</context>
<context>
    <name>GetCommand</name>
    <message>
        <location filename="../../cli/GetCommand.cpp" line="+15"/>
        <source>get erwartet mindestens einen Parameter (Nummer, P&lt;Nummer&gt; oder Name).</source>
        <translation>get erwartet mindestens einen Parameter (Nummer, P&lt;Nummer&gt; oder Name).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Unbekannter Parameter: %1</source>
        <translation>Unbekannter Parameter: %1</translation>
    </message>
</context>
<context>
    <name>IOWidgetHalvex</name>
    <message>
        <location filename="../../pages/IOWidgetHalvex.ui" line="+19"/>
        <source>Ein- und Ausgänge</source>
        <translation>Ein- und Ausgänge</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Digitale Eingänge</source>
        <translation>Digitale Eingänge</translation>
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
        <translation>SPS-Eingang: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Relais</source>
        <translation>Relais</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Relais-Warnstrom:</source>
        <translation>Relais-Warnstrom:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source> A~</source>
        <translation> A~</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Relais 1: </source>
        <translation>Relais 1: </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Relais 2: </source>
        <translation>Relais 2: </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Analogeingang</source>
        <translation>Analogeingang</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>AIN: </source>
        <translation>AIN: </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Maximale Spannung: </source>
        <translation>Maximale Spannung: </translation>
    </message>
    <message>
        <location line="+31"/>
        <source> V</source>
        <translation> V</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Maximaler Strom: </source>
        <translation>Maximaler Strom: </translation>
    </message>
    <message>
        <location line="+31"/>
        <source> mA</source>
        <translation> mA</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Minimale Frequenz: </source>
        <translation>Minimale Frequenz: </translation>
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
        <translation>Maximale Frequenz: </translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Festfrequenzen</source>
        <translation>Festfrequenzen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Festfrequenz 1:</source>
        <translation>Festfrequenz 1:</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Festfrequenz 3: </source>
        <translation>Festfrequenz 3: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Festfrequenz 2: </source>
        <translation>Festfrequenz 2: </translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Festfrequenz 4: </source>
        <translation>Festfrequenz 4: </translation>
    </message>
    <message>
        <location line="+55"/>
        <source>CAN</source>
        <translation>CAN</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CAN Node-ID: </source>
        <translation>CAN Node-ID: </translation>
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
        <translation> min-1</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>Bitte deaktivieren Sie den SPS-Eingang, um den digitalen Eingang DIN1 aktivieren zu können.

</source>
        <translation>Bitte deaktivieren Sie den SPS-Eingang, um den digitalen Eingang DIN1 aktivieren zu können.

</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bitte deaktivieren Sie den digitalen Eingang DIN1, um den SPS-Eingang aktivieren zu können.

</source>
        <translation>Bitte deaktivieren Sie den digitalen Eingang DIN1, um den SPS-Eingang aktivieren zu können.

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
        <translation>info erwartet keine Argumente.</translation>
    </message>
</context>
<context>
    <name>InverterSession</name>
    <message>
        <location filename="../../cli/InverterSession.cpp" line="+15"/>
        <source>Kein Umrichter gefunden (nach %1 s).</source>
        <translation>Kein Umrichter gefunden (nach %1 s).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Umrichter antwortet nicht.</source>
        <translation>Der Umrichter antwortet nicht.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Die Verbindung zum Umrichter wurde unterbrochen.</source>
        <translation>Die Verbindung zum Umrichter wurde unterbrochen.</translation>
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
        <translation>STARTSEITE</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>MOTORDATEN</source>
        <translation>MOTORDATEN</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>EIN-/AUSGÄNGE</source>
        <translation>EIN-/AUSGÄNGE</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>DIAGNOSE</source>
        <translation>DIAGNOSE</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>SPINDELEINLAUF</source>
        <translation>SPINDELEINLAUF</translation>
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
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Seriennummer</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Umrichtertyp</source>
        <translation>Umrichtertyp</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Vom Umrichter laden</source>
        <translation>Vom Umrichter laden</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>In Umrichter speichern</source>
        <translation>In Umrichter speichern</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Vergleichen...</source>
        <translation>Vergleichen...</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+3"/>
        <location filename="../../app/MainWindow.cpp" line="-576"/>
        <source>Protokoll</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <location filename="../../app/MainWindow.cpp" line="-17"/>
        <location line="+207"/>
        <location line="+386"/>
        <source>Verbunden</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <location line="-344"/>
        <source>Prototyp</source>
        <translation>Prototyp</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Fehler </source>
        <translation>Fehler </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Warnung </source>
        <translation>Warnung </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Haltebetrieb</source>
        <translation>Haltebetrieb</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Motor läuft</source>
        <translation>Motor läuft</translation>
    </message>
    <message>
        <location line="-510"/>
        <location line="+510"/>
        <source>Umrichter betriebsbereit</source>
        <translation>Umrichter betriebsbereit</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Parameter geändert</source>
        <translation>Parameter geändert</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n Parameter weichen vom Umrichter ab.</source>
        <translation>
            <numerusform>%n Parameter weicht vom Umrichter ab.</numerusform>
            <numerusform>%n Parameter weichen vom Umrichter ab.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Trotzdem vom Umrichter laden?</source>
        <translation>Trotzdem vom Umrichter laden?</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Die Parameter wurden erfolgreich vom Umrichter abgerufen!

</source>
        <translation>Die Parameter wurden erfolgreich vom Umrichter abgerufen!

</translation>
    </message>
    <message>
        <location line="-302"/>
        <location line="+321"/>
        <location line="+26"/>
        <location line="+9"/>
        <location line="+100"/>
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="-514"/>
        <source>Ereignisprotokoll…</source>
        <translation>Ereignisprotokoll…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verlauf der Betriebswerte…</source>
        <translation>Verlauf der Betriebswerte…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aufzeichnung stoppen</source>
        <translation>Aufzeichnung stoppen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Aufzeichnung starten</source>
        <translation>Aufzeichnung starten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Servicebericht erstellen…</source>
        <translation>Servicebericht erstellen…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Aufzeichnung läuft: %1</source>
        <translation>Aufzeichnung läuft: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ereignisprotokoll, Verlauf der Betriebswerte, Aufzeichnung und Servicebericht</source>
        <translation>Ereignisprotokoll, Verlauf der Betriebswerte, Aufzeichnung und Servicebericht</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Servicebericht speichern</source>
        <translation>Servicebericht speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Der Servicebericht konnte nicht geschrieben werden:
%1

</source>
        <translation>Der Servicebericht konnte nicht geschrieben werden:
%1

</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Der Servicebericht wurde gespeichert:
%1

</source>
        <translation>Der Servicebericht wurde gespeichert:
%1

</translation>
    </message>
    <message>
        <location line="+314"/>
        <source>Beim Setzen der vorgenommenen Einstellungen ist mindestens ein Fehler aufgetreten!
Weitere Informationen finden Sie unter Details.</source>
        <translation>Beim Setzen der vorgenommenen Einstellungen ist mindestens ein Fehler aufgetreten!
Weitere Informationen finden Sie unter Details.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Die Parameter wurden erfolgreich zum Umrichter übertragen!

</source>
        <translation>Die Parameter wurden erfolgreich zum Umrichter übertragen!

</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Der Fehler-Reset konnte nicht durchgeführt werden!

</source>
        <translation>Der Fehler-Reset konnte nicht durchgeführt werden!

</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Fehler-Reset wurde durchgeführt!

</source>
        <translation>Der Fehler-Reset wurde durchgeführt!

</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Die Werkseinstellung konnte nicht geladen werden!

</source>
        <translation>Die Werkseinstellung konnte nicht geladen werden!

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Umrichter wurde erfolgreich auf die Werkseinstellungen zurückgesetzt!

</source>
        <translation>Der Umrichter wurde erfolgreich auf die Werkseinstellungen zurückgesetzt!

</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Die Hilfedatei konnte nicht geöffnet werden!

Bitte überprüfen Sie, dass ein geeignetes Programm zum Anzeigen von pdf-Dateien installiert ist!
</source>
        <translation>Die Hilfedatei konnte nicht geöffnet werden!

Bitte überprüfen Sie, dass ein geeignetes Programm zum Anzeigen von pdf-Dateien installiert ist!
</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Über Torvana</source>
        <translation>Über Torvana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bedienungsanleitung zum Umrichter aufrufen</source>
        <translation>Bedienungsanleitung zum Umrichter aufrufen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bedienungsanleitung zu Torvana aufrufen</source>
        <translation>Bedienungsanleitung zu Torvana aufrufen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umschalten zu Englisch</source>
        <translation>Umschalten zu Englisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umschalten zu Deutsch</source>
        <translation>Umschalten zu Deutsch</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Torvana trotzdem schließen?</source>
        <translation>Torvana trotzdem schließen?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Torvana kann während eines Spindeleinlaufs nicht geschlossen werden!

Bitte beenden Sie den Spindeleinlauf, um Torvana schließen zu können.
</source>
        <translation>Torvana kann während eines Spindeleinlaufs nicht geschlossen werden!

Bitte beenden Sie den Spindeleinlauf, um Torvana schließen zu können.
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Torvana kann während eines Firmware-Updates nicht geschlossen werden!

Bitte warten Sie bis das Firmware-Update abgeschlossen ist, um Torvana schließen zu können.
</source>
        <translation>Torvana kann während eines Firmware-Updates nicht geschlossen werden!

Bitte warten Sie bis das Firmware-Update abgeschlossen ist, um Torvana schließen zu können.
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Torvana kann aktuell nicht geschlossen werden!

</source>
        <translation>Torvana kann aktuell nicht geschlossen werden!

</translation>
    </message>
</context>
<context>
    <name>MemoryCommand</name>
    <message>
        <location filename="../../cli/MemoryCommand.cpp" line="+20"/>
        <source>memory list hat keine Optionen.</source>
        <translation>memory list hat keine Optionen.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>memory erwartet list, load N, save N oder delete N.</source>
        <translation>memory erwartet list, load N, save N oder delete N.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>memory %1 erwartet einen Motorspeicher von 1 bis %2.</source>
        <translation>memory %1 erwartet einen Motorspeicher von 1 bis %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Nur memory list gibt JSON aus.</source>
        <translation>Nur memory list gibt JSON aus.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--store gilt nur für memory load.</source>
        <translation>--store gilt nur für memory load.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--yes gilt nur für memory save und memory delete.</source>
        <translation>--yes gilt nur für memory save und memory delete.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Motorparametersatz M%1 kann anschließend nicht wiederhergestellt werden. Löschen mit --yes bestätigen.</source>
        <translation>Der Motorparametersatz M%1 kann anschließend nicht wiederhergestellt werden. Löschen mit --yes bestätigen.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Motorspeicher können nur bei stehendem Motor verwendet werden; der Motor läuft.</source>
        <translation>Motorspeicher können nur bei stehendem Motor verwendet werden; der Motor läuft.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>keiner</source>
        <translation>keiner</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>belegt</source>
        <translation>belegt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>frei</source>
        <translation>frei</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>M%1 ist nicht belegt und kann nicht geladen werden. Belegt: %2</source>
        <translation>M%1 ist nicht belegt und kann nicht geladen werden. Belegt: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>M%1 geladen und im EEPROM gespeichert.</source>
        <translation>M%1 geladen und im EEPROM gespeichert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>M%1 geladen.</source>
        <translation>M%1 geladen.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>M%1 ist bereits belegt. Überschreiben mit --yes bestätigen.</source>
        <translation>M%1 ist bereits belegt. Überschreiben mit --yes bestätigen.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Der Parametersatz konnte nicht gespeichert werden; der gewählte Parametersatzspeicher kann nicht verwendet werden.</source>
        <translation>Der Parametersatz konnte nicht gespeichert werden; der gewählte Parametersatzspeicher kann nicht verwendet werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Parametersatz konnte nicht gespeichert werden; es trat ein Fehler beim Schreiben in den EEPROM auf.</source>
        <translation>Der Parametersatz konnte nicht gespeichert werden; es trat ein Fehler beim Schreiben in den EEPROM auf.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Motorparametersatz in M%1 gespeichert.</source>
        <translation>Motorparametersatz in M%1 gespeichert.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>M%1 ist nicht belegt und kann daher nicht gelöscht werden. Belegt: %2</source>
        <translation>M%1 ist nicht belegt und kann daher nicht gelöscht werden. Belegt: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Der Parametersatz M%1 konnte nicht gelöscht werden (Antwort %2).</source>
        <translation>Der Parametersatz M%1 konnte nicht gelöscht werden (Antwort %2).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>M%1 gelöscht.</source>
        <translation>M%1 gelöscht.</translation>
    </message>
</context>
<context>
    <name>MonitorCommand</name>
    <message>
        <location filename="../../cli/MonitorCommand.cpp" line="+16"/>
        <source>monitor erwartet keine Argumente (nur --seconds N und --csv).</source>
        <translation>monitor erwartet keine Argumente (nur --seconds N und --csv).</translation>
    </message>
</context>
<context>
    <name>MonitoringWidgetHalvex</name>
    <message>
        <location filename="../../pages/MonitoringWidgetHalvex.ui" line="+14"/>
        <source>Startseite</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Verwaltung</source>
        <translation>Verwaltung</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Motorparametersätze</source>
        <translation>Motorparametersätze</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Motortyp laden</source>
        <translation>Motortyp laden</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Aktuell geladen:</source>
        <translation>Aktuell geladen:</translation>
    </message>
    <message>
        <location line="+125"/>
        <location filename="../../pages/MonitoringWidgetHalvex.cpp" line="+315"/>
        <source>Laden</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../pages/MonitoringWidgetHalvex.cpp" line="+1"/>
        <source>Speichern</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../pages/MonitoringWidgetHalvex.cpp" line="+1"/>
        <source>Löschen</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Geräteparametersätze</source>
        <translation>Geräteparametersätze</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Aus Datei laden</source>
        <translation>Aus Datei laden</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>In Datei speichern</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Werkseinstellung laden</source>
        <translation>Werkseinstellung laden</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Grundparameter</source>
        <translation>Grundparameter</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Drehzahl:</source>
        <translation>Drehzahl:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Frequenzsollwertvorgabe: </source>
        <translation>Frequenzsollwertvorgabe: </translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Startvorgabe:</source>
        <translation>Startvorgabe:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Drehrichtung:</source>
        <translation>Drehrichtung:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Betrieb</source>
        <translation>Betrieb</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Frequenzsollwert: </source>
        <translation>Frequenzsollwert: </translation>
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
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Betriebswerte</source>
        <translation>Betriebswerte</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Frequenzistwert: </source>
        <translation>Frequenzistwert: </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Motorspannung:</source>
        <translation>Motorspannung:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source> V~</source>
        <translation> V~</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Motorwirkstrom:</source>
        <translation>Motorwirkstrom:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source> A eff~</source>
        <translation> A eff~</translation>
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
        <translation> min-1</translation>
    </message>
    <message>
        <location line="-659"/>
        <location line="+660"/>
        <source>Speicherplatz wählen...</source>
        <translation>Speicherplatz wählen...</translation>
    </message>
    <message>
        <location line="-518"/>
        <source>Bitte wählen Sie die Spindelfamilie aus.</source>
        <translation>Bitte wählen Sie die Spindelfamilie aus.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte wählen Sie den Spindeltyp aus.</source>
        <translation>Bitte wählen Sie den Spindeltyp aus.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte wählen Sie die Maximaldrehzahl der Spindel aus.</source>
        <translation>Bitte wählen Sie die Maximaldrehzahl der Spindel aus.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;P146&lt;/p&gt;&lt;p&gt;&lt;img src=&quot;:/Images/CW_CCW_deu.png&quot;/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;P146&lt;/p&gt;&lt;p&gt;&lt;img src=&quot;:/Images/CW_CCW_deu.png&quot;/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>keine Auswahl</source>
        <translation>keine Auswahl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 laden</source>
        <translation>%1 laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 speichern</source>
        <translation>%1 speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 löschen</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <location line="+39"/>
        <location line="+59"/>
        <source>Spindelfamilie wählen...</source>
        <translation>Spindelfamilie wählen...</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+38"/>
        <source>Spindeltyp wählen...</source>
        <translation>Spindeltyp wählen...</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Maximaldrehzahl wählen...</source>
        <translation>Maximaldrehzahl wählen...</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Trotzdem den Motortyp laden?</source>
        <translation>Trotzdem den Motortyp laden?</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+132"/>
        <location line="+4"/>
        <location line="+4"/>
        <location line="+13"/>
        <location line="+21"/>
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="-173"/>
        <source>Der ausgewählte Motorparametersatz ist ungültig und konnte nicht geladen werden!

</source>
        <translation>Der ausgewählte Motorparametersatz ist ungültig und konnte nicht geladen werden!

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
        <translation>Der ausgewählte Motorparametersatz kann nicht geladen werden, solange der Motor läuft!

Bitte stoppen Sie den Motor und laden Sie den Motorparametersatz erneut.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Der ausgewählte Motorparametersatz konnte nicht geladen werden!

</source>
        <translation>Der ausgewählte Motorparametersatz konnte nicht geladen werden!

</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Der ausgewählte Motorparametersatz wurde erfolgreich geladen!

</source>
        <translation>Der ausgewählte Motorparametersatz wurde erfolgreich geladen!

</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Trotzdem den Motorparametersatz laden?</source>
        <translation>Trotzdem den Motorparametersatz laden?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Der ausgewählte Motorparametersatz ist nicht belegt und kann nicht geladen werden!

Aktuell sind keine Motorparametersätze definiert und können daher nicht geladen werden.</source>
        <translation>Der ausgewählte Motorparametersatz ist nicht belegt und kann nicht geladen werden!

Aktuell sind keine Motorparametersätze definiert und können daher nicht geladen werden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Der ausgewählte Motorparametersatz ist nicht belegt und kann nicht geladen werden!
Weitere Informationen finden Sie unter Details.</source>
        <translation>Der ausgewählte Motorparametersatz ist nicht belegt und kann nicht geladen werden!
Weitere Informationen finden Sie unter Details.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Es können nur Motorparametersätze geladen werden, die bereits definiert wurden. Aktuell sind folgende Motorparametersätze definiert und können geladen werden: </source>
        <translation>Es können nur Motorparametersätze geladen werden, die bereits definiert wurden. Aktuell sind folgende Motorparametersätze definiert und können geladen werden: </translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Der ausgewählte Parametersatz-Speicher ist bereits belegt. Wollen Sie den vorhandenen Motorparametersatz überschreiben?

Falls Sie den ausgewählten Motorparametersatz nicht überschreiben wollen, wählen Sie Nein und anschießend einen anderen Speicherplatz aus.
</source>
        <translation>Der ausgewählte Parametersatz-Speicher ist bereits belegt. Wollen Sie den vorhandenen Motorparametersatz überschreiben?

Falls Sie den ausgewählten Motorparametersatz nicht überschreiben wollen, wählen Sie Nein und anschießend einen anderen Speicherplatz aus.
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Der ausgewählte Parametersatz-Speicher ist bereits belegt. Wollen Sie den vorhandenen Motorparametersatz überschreiben?
Weitere Informationen finden Sie unter Details.</source>
        <translation>Der ausgewählte Parametersatz-Speicher ist bereits belegt. Wollen Sie den vorhandenen Motorparametersatz überschreiben?
Weitere Informationen finden Sie unter Details.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aktuell sind die folgenden Parametersatzspeicher belegt: </source>
        <translation>Aktuell sind die folgenden Parametersatzspeicher belegt: </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Wollen Sie den ausgewählten Motorparametersatz M%1 tatsächlich löschen?
Eine Wiederherstellung des Parametersatzes ist anschließend nicht mehr möglich!
</source>
        <translation>Wollen Sie den ausgewählten Motorparametersatz M%1 tatsächlich löschen?
Eine Wiederherstellung des Parametersatzes ist anschließend nicht mehr möglich!
</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Der ausgewählte Parametersatz ist nicht belegt und kann daher nicht gelöscht werden!
Aktuell sind keine Parametersätze definiert.
</source>
        <translation>Der ausgewählte Parametersatz ist nicht belegt und kann daher nicht gelöscht werden!
Aktuell sind keine Parametersätze definiert.
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Der ausgewählte Parametersatz ist nicht belegt und kann daher nicht gelöscht werden!
Weitere Informationen finden Sie unter Details.</source>
        <translation>Der ausgewählte Parametersatz ist nicht belegt und kann daher nicht gelöscht werden!
Weitere Informationen finden Sie unter Details.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Aktuell sind die folgenden Parametersätze definiert: </source>
        <translation>Aktuell sind die folgenden Parametersätze definiert: </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Der Motorparametersatz wurde erfolgreich vom Umrichter abgerufen!

</source>
        <translation>Der Motorparametersatz wurde erfolgreich vom Umrichter abgerufen!

</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Der Parametersatz konnte nicht gespeichert werden; der gewählte Parametersatzspeicher nicht verwendet werden kann!

</source>
        <translation>Der Parametersatz konnte nicht gespeichert werden; der gewählte Parametersatzspeicher nicht verwendet werden kann!

</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Der Parametersatz konnte nicht gespeichert werden; es trat ein Fehler beim Schreiben in den Eeprom auf!

</source>
        <translation>Der Parametersatz konnte nicht gespeichert werden; es trat ein Fehler beim Schreiben in den Eeprom auf!

</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Beim Übertragen der vorgenommenen Einstellungen ist mindestens ein Fehler aufgetreten!
Weitere Informationen finden Sie unter Details.</source>
        <translation>Beim Übertragen der vorgenommenen Einstellungen ist mindestens ein Fehler aufgetreten!
Weitere Informationen finden Sie unter Details.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Der Parametersatz wurde erfolgreich zum Umrichter übertragen!

</source>
        <translation>Der Parametersatz wurde erfolgreich zum Umrichter übertragen!

</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Der Parametersatz konnte nicht gelöscht werden!

</source>
        <translation>Der Parametersatz konnte nicht gelöscht werden!

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der gewählte Parametersatz wurde erfolgreich gelöscht!

</source>
        <translation>Der gewählte Parametersatz wurde erfolgreich gelöscht!

</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ein Geräteparametersatz kann nicht geladen werden, solange der Motor läuft!

Bitte stoppen Sie den Motor und laden Sie den Geräteparametersatz erneut.</source>
        <translation>Ein Geräteparametersatz kann nicht geladen werden, solange der Motor läuft!

Bitte stoppen Sie den Motor und laden Sie den Geräteparametersatz erneut.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Trotzdem einen Geräteparametersatz laden?</source>
        <translation>Trotzdem einen Geräteparametersatz laden?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zu ladenden Geräteparametersatz wählen</source>
        <translation>Zu ladenden Geräteparametersatz wählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+25"/>
        <source>Geräteparametersätze (*.mps)</source>
        <translation>Geräteparametersätze (*.mps)</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Der ausgewählte Geräteparametersatz ist ungültig und konnte nicht geladen werden!

</source>
        <translation>Der ausgewählte Geräteparametersatz ist ungültig und konnte nicht geladen werden!

</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Der ausgewählte Geräteparametersatz konnte nicht geladen werden!

</source>
        <translation>Der ausgewählte Geräteparametersatz konnte nicht geladen werden!

</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Der ausgewählte Geräteparametersatz wurde erfolgreich geladen!

</source>
        <translation>Der ausgewählte Geräteparametersatz wurde erfolgreich geladen!

</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Zu speichernde Geräteparametersatz-Datei wählen</source>
        <translation>Zu speichernde Geräteparametersatz-Datei wählen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Der Geräteparametersatz konnte nicht gespeichert werden!

</source>
        <translation>Der Geräteparametersatz konnte nicht gespeichert werden!

</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Der Geräteparametersatz wurde erfolgreich gespeichert!

</source>
        <translation>Der Geräteparametersatz wurde erfolgreich gespeichert!

</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Beim Laden der Werkseinstellungen werden alle auf dem Umrichter gespeicherten Parameter gelöscht und überschrieben! Eine Wiederherstellung der überschriebenen Parameter ist anschließend nicht mehr möglich!

Wollen Sie den Umrichter wirklich auf die Werkseinstellungen zurücksetzen?
</source>
        <translation>Beim Laden der Werkseinstellungen werden alle auf dem Umrichter gespeicherten Parameter gelöscht und überschrieben! Eine Wiederherstellung der überschriebenen Parameter ist anschließend nicht mehr möglich!

Wollen Sie den Umrichter wirklich auf die Werkseinstellungen zurücksetzen?
</translation>
    </message>
</context>
<context>
    <name>OperatingState</name>
    <message>
        <location filename="../../cli/OperatingState.cpp" line="+20"/>
        <location line="+53"/>
        <source>Motor läuft</source>
        <translation>Motor läuft</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>Motor steht</source>
        <translation>Motor steht</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+50"/>
        <source>Haltebetrieb</source>
        <translation>Haltebetrieb</translation>
    </message>
    <message>
        <location line="-48"/>
        <location line="+44"/>
        <source>Fehler aktiv</source>
        <translation>Fehler aktiv</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+44"/>
        <source>Warnung aktiv</source>
        <translation>Warnung aktiv</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Warnung</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Umrichter betriebsbereit</source>
        <translation>Umrichter betriebsbereit</translation>
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
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Arbeitskopie</source>
        <translation>Arbeitskopie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Umrichter</source>
        <translation>Umrichter</translation>
    </message>
</context>
<context>
    <name>ParameterFieldBinder</name>
    <message>
        <location filename="../../pages/ParameterFieldBinder.cpp" line="+456"/>
        <source>Im Umrichter (Stand %1): %2</source>
        <translation>Im Umrichter (Stand %1): %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Im Umrichter: %1</source>
        <translation>Im Umrichter: %1</translation>
    </message>
</context>
<context>
    <name>ParameterSetFileCheck</name>
    <message>
        <location filename="../../cli/ParameterSetFileCheck.cpp" line="+17"/>
        <location line="+17"/>
        <source>Der Dateiname muss auf .mps (Geräteparametersatz) oder .mtr (Motorparametersatz) enden: %1</source>
        <translation>Der Dateiname muss auf .mps (Geräteparametersatz) oder .mtr (Motorparametersatz) enden: %1</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Die Datei %1 ist nicht lesbar oder kein gültiger Parametersatz.</source>
        <translation>Die Datei %1 ist nicht lesbar oder kein gültiger Parametersatz.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Die Datei %1 enthält keinen Parameter des Satzes.</source>
        <translation>Die Datei %1 enthält keinen Parameter des Satzes.</translation>
    </message>
</context>
<context>
    <name>ParameterTexts</name>
    <message>
        <location filename="../../model/ParameterTexts.cpp" line="+19"/>
        <source>Frequenzsollwert</source>
        <translation>Frequenzsollwert</translation>
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
        <translation>Start/Stopp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drehzahlanzeige</source>
        <translation>Drehzahlanzeige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aktueller Frequenzsollwert</source>
        <translation>Aktueller Frequenzsollwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spitzenstrom</source>
        <translation>Spitzenstrom</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+4"/>
        <location line="+16"/>
        <location line="+34"/>
        <source>A eff~</source>
        <translation>A eff~</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>Frequenzistwert</source>
        <translation>Frequenzistwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorspannung</source>
        <translation>Motorspannung</translation>
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
        <translation>ZK-Spannung (Motor)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>V-</source>
        <translation>V-</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorwirkstrom</source>
        <translation>Motorwirkstrom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wirkleistung</source>
        <translation>Wirkleistung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorcode</source>
        <translation>Motorcode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I²t-Auslastung</source>
        <translation>I²t-Auslastung</translation>
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
        <translation>Betriebsstunden Umrichter</translation>
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
        <translation>Betriebsstunden Motor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umrichterstatus</source>
        <translation>Umrichterstatus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1. Störung</source>
        <translation>1. Störung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2. Störung</source>
        <translation>2. Störung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3. Störung</source>
        <translation>3. Störung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4. Störung</source>
        <translation>4. Störung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5. Störung</source>
        <translation>5. Störung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umrichtertyp</source>
        <translation>Umrichtertyp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seriennummer</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimale Frequenz</source>
        <translation>Minimale Frequenz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximale Frequenz</source>
        <translation>Maximale Frequenz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motorspitzenstrom</source>
        <translation>Motorspitzenstrom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beschleunigungsrampe</source>
        <translation>Beschleunigungsrampe</translation>
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
        <translation>Bremsrampe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anlaufzeit</source>
        <translation>Anlaufzeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anlaufstrom</source>
        <translation>Anlaufstrom</translation>
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
        <translation>Anlauffrequenz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ausschaltzeit Anlauf</source>
        <translation>Ausschaltzeit Anlauf</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>µs</source>
        <translation>µs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC-Bremszeit</source>
        <translation>DC-Bremszeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DC-Bremsstrom</source>
        <translation>DC-Bremsstrom</translation>
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
        <translation>Haltestrom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U/f-Spannung 0</source>
        <translation>U/f-Spannung 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U/f-Frequenz 1</source>
        <translation>U/f-Frequenz 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U/f-Spannung 1</source>
        <translation>U/f-Spannung 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U/f-Frequenz 2</source>
        <translation>U/f-Frequenz 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U/f-Spannung 2</source>
        <translation>U/f-Spannung 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U/f-Frequenz 3</source>
        <translation>U/f-Frequenz 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U/f-Spannung 3</source>
        <translation>U/f-Spannung 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I*R-Anhebefaktor</source>
        <translation>I*R-Anhebefaktor</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>V/A</source>
        <translation>V/A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lastkompensationsfaktor</source>
        <translation>Lastkompensationsfaktor</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%/A~</source>
        <translation>%/A~</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filterzeit</source>
        <translation>Filterzeit</translation>
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
        <translation>I²t-Stromschwelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I²t-Zeit</source>
        <translation>I²t-Zeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Funktion I²t-Überwachung</source>
        <translation>Funktion I²t-Überwachung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U-Regler KP</source>
        <translation>U-Regler KP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U-Regler TN</source>
        <translation>U-Regler TN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N-Regler KP</source>
        <translation>N-Regler KP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N-Regler TN</source>
        <translation>N-Regler TN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N-Regler TV</source>
        <translation>N-Regler TV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N-Regler TF</source>
        <translation>N-Regler TF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperaturüberwachung</source>
        <translation>Temperaturüberwachung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensorwert</source>
        <translation>Sensorwert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motortyp</source>
        <translation>Motortyp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nennfrequenz</source>
        <translation>Nennfrequenz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nennspannung</source>
        <translation>Nennspannung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nennstrom</source>
        <translation>Nennstrom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cos phi</source>
        <translation>cos phi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anzahl Polpaare</source>
        <translation>Anzahl Polpaare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N_soll Stromeingang</source>
        <translation>N_soll Stromeingang</translation>
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
        <translation>N_soll Spannungseingang</translation>
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
        <translation>Temperatur Kühlkörper</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZK-Spannung (Eingang)</source>
        <translation>ZK-Spannung (Eingang)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relais- und LED-Steuerung</source>
        <translation>Relais- und LED-Steuerung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Digitaleingänge und Motortemperatur</source>
        <translation>Digitaleingänge und Motortemperatur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festfrequenz 1</source>
        <translation>Festfrequenz 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festfrequenz 2</source>
        <translation>Festfrequenz 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festfrequenz 3</source>
        <translation>Festfrequenz 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Festfrequenz 4</source>
        <translation>Festfrequenz 4</translation>
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
        <translation>SPS-Eingang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relais 1</source>
        <translation>Relais 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relais 2</source>
        <translation>Relais 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relais-Warnstrom</source>
        <translation>Relais-Warnstrom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIN-Funktion</source>
        <translation>AIN-Funktion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CAN Node-ID</source>
        <translation>CAN Node-ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIN minimale Frequenz</source>
        <translation>AIN minimale Frequenz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIN maximale Frequenz</source>
        <translation>AIN maximale Frequenz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIN maximale Spannung</source>
        <translation>AIN maximale Spannung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIN maximaler Strom</source>
        <translation>AIN maximaler Strom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Startvorgabe</source>
        <translation>Startvorgabe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frequenzsollwertvorgabe</source>
        <translation>Frequenzsollwertvorgabe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drehrichtung</source>
        <translation>Drehrichtung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belegte Motorspeicher</source>
        <translation>Belegte Motorspeicher</translation>
    </message>
</context>
<context>
    <name>ReadCommand</name>
    <message>
        <location filename="../../cli/ReadCommand.cpp" line="+10"/>
        <source>read erwartet genau eine Datei.</source>
        <translation>read erwartet genau eine Datei.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Die Datei %1 konnte nicht geschrieben werden.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Parametersatz in %1 gespeichert.</source>
        <translation>Parametersatz in %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <location filename="../../records/RecordKeeper.cpp" line="+29"/>
        <source>Torvana %1 gestartet</source>
        <translation>Torvana %1 gestartet</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Fehlerschnappschuss gespeichert: %1</source>
        <translation>Fehlerschnappschuss gespeichert: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Aufzeichnung gestartet: %1</source>
        <translation>Aufzeichnung gestartet: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Aufzeichnung beendet: %1 (%n Zeilen)</source>
        <translation>
            <numerusform>Aufzeichnung beendet: %1 (%n Zeile)</numerusform>
            <numerusform>Aufzeichnung beendet: %1 (%n Zeilen)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Torvana beendet</source>
        <translation>Torvana beendet</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Servicebericht erstellt: %1</source>
        <translation>Servicebericht erstellt: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Datei konnte nicht geschrieben werden: %1</source>
        <translation>Datei konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>ResetCommand</name>
    <message>
        <location filename="../../cli/ResetCommand.cpp" line="+9"/>
        <source>reset erwartet keine Argumente.</source>
        <translation>reset erwartet keine Argumente.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Der Fehler-Reset konnte nicht durchgeführt werden (Antwort %1).</source>
        <translation>Der Fehler-Reset konnte nicht durchgeführt werden (Antwort %1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Fehler-Reset wurde durchgeführt.</source>
        <translation>Der Fehler-Reset wurde durchgeführt.</translation>
    </message>
</context>
<context>
    <name>ScopeViewDialog</name>
    <message>
        <location filename="../../pages/ScopeViewDialog.ui" line="+14"/>
        <source>U/f Tabelle</source>
        <translation>U/f Tabelle</translation>
    </message>
    <message>
        <location filename="../../pages/ScopeViewDialog.cpp" line="+87"/>
        <source>U/f Diagramm</source>
        <translation>U/f Diagramm</translation>
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
        <translation>Servicebericht %1 %2.pdf</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 (Prototyp)</source>
        <translation>%1 (Prototyp)</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>keine</source>
        <translation>keine</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Fehler %1 - %2</source>
        <translation>Fehler %1 - %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Warnung %1 - %2</source>
        <translation>Warnung %1 - %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Störung %1 (ohne Beschreibung)</source>
        <translation>Störung %1 (ohne Beschreibung)</translation>
    </message>
</context>
<context>
    <name>ServiceReportPdf</name>
    <message>
        <location filename="../../records/ServiceReportPdf.cpp" line="+117"/>
        <source>Seite %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+13"/>
        <source>Servicebericht</source>
        <translation>Servicebericht</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Servicebericht, Seriennummer %1, %2</source>
        <translation>Servicebericht, Seriennummer %1, %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Programm</source>
        <translation>Programm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erstellt</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Umrichtertyp</source>
        <translation>Umrichtertyp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seriennummer</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verbindung</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>verbunden</source>
        <translation>verbunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nicht verbunden (Werte der letzten Verbindung)</source>
        <translation>nicht verbunden (Werte der letzten Verbindung)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belegte Motorspeicher</source>
        <translation>Belegte Motorspeicher</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Fehlerhistorie</source>
        <translation>Fehlerhistorie</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+60"/>
        <source>Keine Einträge.</source>
        <translation>Keine Einträge.</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>aktiv, zuerst gesehen: %1</source>
        <translation>aktiv, zuerst gesehen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zuerst gesehen: %1</source>
        <translation>zuerst gesehen: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1. Störung: %2 (%3)</source>
        <translation>%1. Störung: %2 (%3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ursache: %1</source>
        <translation>Ursache: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Behebung: %1</source>
        <translation>Behebung: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Verlauf der letzten Minuten</source>
        <translation>Verlauf der letzten Minuten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keine Betriebswerte aufgezeichnet.</source>
        <translation>Keine Betriebswerte aufgezeichnet.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bezeichnung</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wert</source>
        <translation>Wert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Werkseinstellung</source>
        <translation>Werkseinstellung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Abweichend</source>
        <translation>Abweichend</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ja</source>
        <translation>ja</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Einstellungen</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>* Wert der Arbeitskopie; der Wert im Umrichter ist nicht bekannt.</source>
        <translation>* Wert der Arbeitskopie; der Wert im Umrichter ist nicht bekannt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Betriebswerte</source>
        <translation>Betriebswerte</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Ereignisprotokoll (letzte %n Einträge)</source>
        <translation>
            <numerusform>Ereignisprotokoll (letzter %n Eintrag)</numerusform>
            <numerusform>Ereignisprotokoll (letzte %n Einträge)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SetCommand</name>
    <message>
        <location filename="../../cli/SetCommand.cpp" line="+13"/>
        <source>set erwartet mindestens eine Zuweisung P=WERT.</source>
        <translation>set erwartet mindestens eine Zuweisung P=WERT.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keine Zuweisung P=WERT: %1</source>
        <translation>Keine Zuweisung P=WERT: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unbekannter Parameter: %1</source>
        <translation>Unbekannter Parameter: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 ist ein Betriebswert und kann nicht gesetzt werden.</source>
        <translation>%1 ist ein Betriebswert und kann nicht gesetzt werden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ungültiger Wert für %1: %2</source>
        <translation>Ungültiger Wert für %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mögliche Werte: %1</source>
        <translation>Mögliche Werte: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 kann nur bei stehendem Motor geändert werden; der Motor läuft.</source>
        <translation>%1 kann nur bei stehendem Motor geändert werden; der Motor läuft.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 kann nicht gesetzt werden: Mit den übrigen Motordaten ist keine I²t-Zeit bestimmt.</source>
        <translation>%1 kann nicht gesetzt werden: Mit den übrigen Motordaten ist keine I²t-Zeit bestimmt.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1: %2 liegt außerhalb der Grenzen und wurde auf %3 begrenzt.</source>
        <translation>%1: %2 liegt außerhalb der Grenzen und wurde auf %3 begrenzt.</translation>
    </message>
</context>
<context>
    <name>SpindleRunWidget</name>
    <message>
        <location filename="../../service/SpindleRunWidget.ui" line="+14"/>
        <location line="+82"/>
        <location filename="../../service/SpindleRunWidget.cpp" line="+469"/>
        <source>Spindeleinlauf</source>
        <translation>Spindeleinlauf</translation>
    </message>
    <message>
        <location line="-64"/>
        <source>Spindel und Einlaufprogramm</source>
        <translation>Spindel und Einlaufprogramm</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Spindelfamilie: </source>
        <translation>Spindelfamilie: </translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Spindeltyp: </source>
        <translation>Spindeltyp: </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Maximaldrehzahl: </source>
        <translation>Maximaldrehzahl: </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Einlaufprogramm: </source>
        <translation>Einlaufprogramm: </translation>
    </message>
    <message>
        <location line="+19"/>
        <location filename="../../service/SpindleRunWidget.cpp" line="+111"/>
        <source>Aktuelle Frequenz: </source>
        <translation>Aktuelle Frequenz: </translation>
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
        <translation>Gesamtlaufzeit: </translation>
    </message>
    <message>
        <location line="+16"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Schritt: </source>
        <translation>Schritt: </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Schrittzeit: </source>
        <translation>Schrittzeit: </translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Stopp</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location filename="../../service/SpindleRunWidget.cpp" line="-553"/>
        <source>Erstinbetriebnahme</source>
        <translation>Erstinbetriebnahme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stillstandszeit &gt; 3 Monate</source>
        <translation>Stillstandszeit &gt; 3 Monate</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Konfiguriere Umrichter...</source>
        <translation>Konfiguriere Umrichter...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlerreset...</source>
        <translation>Fehlerreset...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parameteraktualisierung...</source>
        <translation>Parameteraktualisierung...</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Der Parametersatz für den ausgewählten Spindelmotor konnte nicht geladen werden!

</source>
        <translation>Der Parametersatz für den ausgewählten Spindelmotor konnte nicht geladen werden!

</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ein Fehler aufgetreten! Es konnte keine Bestätigung des Umrichters empfangen werden.

</source>
        <translation>Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ein Fehler aufgetreten! Es konnte keine Bestätigung des Umrichters empfangen werden.

</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ein Fehler aufgetreten! Es konnte keine Bestätigung des Umrichters für den Fehler-Reset empfangen werden.

</source>
        <translation>Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ein Fehler aufgetreten! Es konnte keine Bestätigung des Umrichters für den Fehler-Reset empfangen werden.

</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ein Fehler aufgetreten! Es konnte kein aktueller Gerätestatus empfangen werden.

</source>
        <translation>Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ein Fehler aufgetreten! Es konnte kein aktueller Gerätestatus empfangen werden.

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
        <translation>Der Umrichter meldet anliegende Fehler!

Der Spindeleinlauf wird gestoppt. Bitte prüfen Sie die Fehlermeldungen auf der Seite DIAGNOSE, beheben diese und starten den Spindeleinlauf erneut.

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
        <translation>Der Spindeleinlauf wurde erfolgreich abgeschlossen!

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
        <translation>Beim Konfigurieren des Umrichters für den Spindeleinlauf ist mindestens ein Fehler aufgetreten! Der Spindeleinlauf wurde abgebrochen.
Weitere Informationen finden Sie unter Details.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ein Fehler aufgetreten: Der Fehler-Reset konnte nicht durchgeführt werden! Der Spindeleinlauf wurde abgebrochen.

</source>
        <translation>Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ein Fehler aufgetreten: Der Fehler-Reset konnte nicht durchgeführt werden! Der Spindeleinlauf wurde abgebrochen.

</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+89"/>
        <location line="+41"/>
        <location line="+107"/>
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="-507"/>
        <source>Stelle die Einstellungen vor dem Spindeleinlauf wieder her...</source>
        <translation>Stelle die Einstellungen vor dem Spindeleinlauf wieder her...</translation>
    </message>
    <message>
        <location line="+271"/>
        <source>Die Einstellungen vor dem Spindeleinlauf konnten nicht vollständig wiederhergestellt werden!
Weitere Informationen finden Sie unter Details.</source>
        <translation>Die Einstellungen vor dem Spindeleinlauf konnten nicht vollständig wiederhergestellt werden!
Weitere Informationen finden Sie unter Details.</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Die Einstellungen vor dem Spindeleinlauf konnten nicht wiederhergestellt werden: Der Umrichter hat nicht geantwortet.

</source>
        <translation>Die Einstellungen vor dem Spindeleinlauf konnten nicht wiederhergestellt werden: Der Umrichter hat nicht geantwortet.

</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Bei Durchführung eines Spindeleinlaufes wird die Parametrierung des Umrichters entsprechend der gewählten Spindel angepasst; d.h. der aktuelle Parametersatz wird überschrieben. Um einen Spindeleinlauf durchzuführen, gehen Sie daher bitte wie folgt vor:</source>
        <translation>Bei Durchführung eines Spindeleinlaufes wird die Parametrierung des Umrichters entsprechend der gewählten Spindel angepasst; d.h. der aktuelle Parametersatz wird überschrieben. Um einen Spindeleinlauf durchzuführen, gehen Sie daher bitte wie folgt vor:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Speichern Sie den aktuellen Parametersatz vor dem Spindeleinlauf</source>
        <translation>Speichern Sie den aktuellen Parametersatz vor dem Spindeleinlauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stellen Sie eine anwendungsgerechte Kühlung der Spindel sicher</source>
        <translation>Stellen Sie eine anwendungsgerechte Kühlung der Spindel sicher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Führen Sie den Spindeleinlauf durch</source>
        <translation>Führen Sie den Spindeleinlauf durch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Laden Sie die gewünschten Parameter und übertragen diese auf den Umrichter</source>
        <translation>Laden Sie die gewünschten Parameter und übertragen diese auf den Umrichter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Das Spindeleinlaufprogramm für den %1 hat eine Gesamtlaufzeit von ca. %2 Minuten.</source>
        <translation>Das Spindeleinlaufprogramm für den %1 hat eine Gesamtlaufzeit von ca. %2 Minuten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+93"/>
        <source>Achtung:</source>
        <translation>Achtung:</translation>
    </message>
    <message>
        <location line="-92"/>
        <source>Da Torvana den Spindeleinlauf steuert und überwacht, muss während der gesamten Laufzeit eine Verbindung zwischen Torvana und dem Umrichter existieren! Torvana darf nicht beendet, die USB-Verbindung nicht unterbrochen und der PC nicht ausgeschaltet werden!</source>
        <translation>Da Torvana den Spindeleinlauf steuert und überwacht, muss während der gesamten Laufzeit eine Verbindung zwischen Torvana und dem Umrichter existieren! Torvana darf nicht beendet, die USB-Verbindung nicht unterbrochen und der PC nicht ausgeschaltet werden!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wollen Sie den Spindeleinlauf starten?</source>
        <translation>Wollen Sie den Spindeleinlauf starten?</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Wollen Sie das laufende Spindeleinlaufprogramm wirklich abbrechen?

</source>
        <translation>Wollen Sie das laufende Spindeleinlaufprogramm wirklich abbrechen?

</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Die Kommunikationsverbindung zum Umrichter wurde unterbrochen oder ist gestört! Der Spindeleinlauf wird abgebrochen.
Bitte beheben Sie den Fehler und starten den Spindeleinlauf neu.

</source>
        <translation>Die Kommunikationsverbindung zum Umrichter wurde unterbrochen oder ist gestört! Der Spindeleinlauf wird abgebrochen.
Bitte beheben Sie den Fehler und starten den Spindeleinlauf neu.

</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Da Torvana den Spindeleinlauf steuert und überwacht, muss während der gesamten Laufzeit eine Verbindung zwischen Torvana und dem Umrichter existieren! Torvana darf nicht beendet, die USB-Verbindung nicht unterbrochen und der Rechner nicht ausgeschaltet werden!</source>
        <translation>Da Torvana den Spindeleinlauf steuert und überwacht, muss während der gesamten Laufzeit eine Verbindung zwischen Torvana und dem Umrichter existieren! Torvana darf nicht beendet, die USB-Verbindung nicht unterbrochen und der Rechner nicht ausgeschaltet werden!</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Aktuelle Drehzahl: </source>
        <translation>Aktuelle Drehzahl: </translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+112"/>
        <location line="+37"/>
        <source> min-1</source>
        <translation> min-1</translation>
    </message>
    <message>
        <location line="-90"/>
        <location line="+79"/>
        <source>Einlaufprogramm wählen...</source>
        <translation>Einlaufprogramm wählen...</translation>
    </message>
    <message>
        <location line="-63"/>
        <location line="+60"/>
        <source>Spindelfamilie wählen...</source>
        <translation>Spindelfamilie wählen...</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+40"/>
        <source>Spindeltyp wählen...</source>
        <translation>Spindeltyp wählen...</translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+20"/>
        <source>Maximaldrehzahl wählen...</source>
        <translation>Maximaldrehzahl wählen...</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Bitte wählen Sie die Spindelfamilie aus.</source>
        <translation>Bitte wählen Sie die Spindelfamilie aus.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte wählen Sie den Spindeltyp aus.</source>
        <translation>Bitte wählen Sie den Spindeltyp aus.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte wählen Sie die Maximaldrehzahl der Spindel aus.</source>
        <translation>Bitte wählen Sie die Maximaldrehzahl der Spindel aus.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte wählen Sie das Spindeleinlaufprogramm aus.</source>
        <translation>Bitte wählen Sie das Spindeleinlaufprogramm aus.</translation>
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
        <translation>Die gespeicherten Einstellungen waren beschädigt und wurden beiseitegelegt:
%1

Torvana startet mit den Standardeinstellungen.

</translation>
    </message>
</context>
<context>
    <name>StatusCommand</name>
    <message>
        <location filename="../../cli/StatusCommand.cpp" line="+15"/>
        <source>status erwartet keine Argumente.</source>
        <translation>status erwartet keine Argumente.</translation>
    </message>
</context>
<context>
    <name>TrendCsv</name>
    <message>
        <location filename="../../records/TrendCsv.cpp" line="+21"/>
        <source>Zeit</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>TrendPlotDialog</name>
    <message>
        <location filename="../../pages/TrendPlotDialog.ui" line="+14"/>
        <source>Verlauf der Betriebswerte</source>
        <translation>Verlauf der Betriebswerte</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Werte</source>
        <translation>Werte</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../../pages/TrendPlotDialog.cpp" line="+66"/>
        <location line="+261"/>
        <source>Anhalten</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Letzte 10 Minuten</source>
        <translation>Letzte 10 Minuten</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Mit der Maus einen Bereich aufziehen, um ihn zu vergrößern.</source>
        <translation>Mit der Maus einen Bereich aufziehen, um ihn zu vergrößern.</translation>
    </message>
    <message>
        <location filename="../../pages/TrendPlotDialog.cpp" line="-261"/>
        <location line="+261"/>
        <source>Fortsetzen</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Cursor %1: keine Werte</source>
        <translation>Cursor %1: keine Werte</translation>
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
            <numerusform>%n Parameter weicht vom Umrichter ab und ist dort noch nicht gespeichert. Diese Änderung geht dabei verloren.

</numerusform>
            <numerusform>%n Parameter weichen vom Umrichter ab und sind dort noch nicht gespeichert. Diese Änderungen gehen dabei verloren.

</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WriteCommand</name>
    <message>
        <location filename="../../cli/WriteCommand.cpp" line="+13"/>
        <source>write erwartet genau eine Datei.</source>
        <translation>write erwartet genau eine Datei.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Der Motor läuft: Diese Parameter werden nur bei stehendem Motor übernommen und bleiben, wie sie sind: %1</source>
        <translation>Der Motor läuft: Diese Parameter werden nur bei stehendem Motor übernommen und bleiben, wie sie sind: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Datei %1 ist nicht lesbar oder kein gültiger Parametersatz.</source>
        <translation>Die Datei %1 ist nicht lesbar oder kein gültiger Parametersatz.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1: geschrieben %2, im Umrichter %3</source>
        <translation>%1: geschrieben %2, im Umrichter %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nach dem Schreiben hält der Umrichter andere Werte:</source>
        <translation>Nach dem Schreiben hält der Umrichter andere Werte:</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n Parameter geschrieben, im EEPROM gespeichert und geprüft.</source>
        <translation>
            <numerusform>%n Parameter geschrieben, im EEPROM gespeichert und geprüft.</numerusform>
            <numerusform>%n Parameter geschrieben, im EEPROM gespeichert und geprüft.</numerusform>
        </translation>
    </message>
</context>
</TS>
