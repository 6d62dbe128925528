// The diagnostics page against a scripted inverter: form, error codes and their
// explanation, LEDs and inversion boxes with the poll skipping after a click,
// the reset button rule and the speed display.
#include "CommunicationController.h"
#include "DatasetController.h"
#include "DiagnosticsWidgetHalvex.h"
#include "ErrorDescription.h"
#include "FakeD2xxSource.h"
#include "FakeInverter.h"
#include "WidgetScaler.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

#include <cmath>

namespace {

// Frame types, parameter numbers, codes and bits restated from the protocol and
// the parameter list.
constexpr uint8_t ErrorReset = 1, SetParameter = 8;
constexpr uint16_t SpeedDisplay = 8, ActualFrequency = 13, InverterFlags = 27, FirstError = 30, SecondError = 31,
                   PolePairs = 96, HeatSinkTemperature = 99, RelayAndLed = 101, DinAndTemperature = 102;
constexpr uint16_t DisplayRpm = 0x8006;
constexpr uint16_t WarningBit = 0x0002, ErrorBit = 0x0004, MotorRunsBit = 0x0008;

const char ledOn[] = ":/Images/led_indicator_green.png";
const char ledOff[] = ":/Images/led_indicator_grey.png";

} // namespace

class TestDiagnosticsWidget : public QObject
{
    Q_OBJECT

    FakeD2xxSource *m_source = nullptr;
    FakeInverter *m_inverter = nullptr;
    CommunicationController *m_comm = nullptr;
    DatasetController *m_dataset = nullptr;
    DiagnosticsWidgetHalvex *m_page = nullptr;
    uint16_t m_temperature = 200;

    template <class T = QWidget>
    T *widget(const QString &name) const
    {
        T *w = m_page->findChild<T *>(name);
        if (!w)
            qFatal("no widget %s", qPrintable(name));
        return w;
    }

    // One poll: the values go into the inverter (so that its own answers agree)
    // and into the model; a changed heat sink temperature makes it a poll of
    // operating values, which is what the page follows.
    void poll(QMap<uint16_t, uint16_t> values)
    {
        values[HeatSinkTemperature] = ++m_temperature;
        if (m_inverter)
            for (auto it = values.cbegin(); it != values.cend(); ++it)
                m_inverter->values[it.key()] = it.value();
        m_dataset->deviceParameterUpdate(values);
        QCoreApplication::processEvents();
    }

    [[nodiscard]] bool connectInverter()
    {
        QSignalSpy connected(m_comm, &CommunicationController::connectedToDevice);
        m_source->addDevice("INVERTER");
        m_inverter = new FakeInverter(*m_source, 0);
        if (!connected.wait(5000))
            return false;
        QCoreApplication::processEvents();
        return true;
    }

    bool lit(const char *name) const
    {
        const QImage shown = widget<QLabel>(name)->pixmap(Qt::ReturnByValue).toImage();
        if (shown == QPixmap(ledOn).toImage())
            return true;
        if (shown != QPixmap(ledOff).toImage())
            qFatal("%s shows neither LED", name);
        return false;
    }

    QString description() const { return widget<QTextEdit>("errorDescriptionTextEdit")->toPlainText(); }

private slots:
    void init()
    {
        D2xx::setSystemSourcesEnabled(false);
        m_source = new FakeD2xxSource;
        D2xx::setTestSource(m_source);
        m_comm = new CommunicationController;
        m_dataset = new DatasetController(m_comm);
        m_page = new DiagnosticsWidgetHalvex(m_dataset, m_comm);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page));
    }

    void cleanup()
    {
        delete m_page;
        delete m_dataset;
        delete m_comm;
        delete m_inverter;
        m_inverter = nullptr;
        D2xx::setTestSource(nullptr);
        delete m_source;
    }

    void fields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("set-point") << "desiredFrequencySpinBox" << 10 << "Frequenzsollwert: " << " Hz";
        QTest::newRow("actual") << "actualFrequencyWRSpinBox" << 13 << "Frequenzistwert: " << " Hz";
        QTest::newRow("power") << "effectivePowerSpinBox" << 19 << "Wirkleistung: " << " W";
        QTest::newRow("current") << "driveCurrentSpinBox" << 18 << "Motorwirkstrom: " << " A eff~";
        QTest::newRow("peak") << "peakCurrentSpinBox" << 11 << "Spitzenstrom: " << " A eff~";
        QTest::newRow("voltage") << "outputVoltageSpinBox" << 15 << "Motorspannung: " << " V~";
        QTest::newRow("dc link") << "intermediateVoltageSpinBox" << 16 << "ZK-Spannung (Motor):" << " V-";
        QTest::newRow("i2t") << "i2tLoadSpinBox" << 21 << "I²t-Auslastung" << " %";
        QTest::newRow("code") << "driveCodeSpinBox" << 20 << "Motorcode: " << "";
        QTest::newRow("inverter time") << "inverterOperatingTimeSpinBox" << 25 << "Umrichter: " << " h";
        QTest::newRow("motor time") << "driveOperatingTimeSpinBox" << 26 << "Motor: " << " h";
        QTest::newRow("AIN current") << "nominalInputCurrentSpinBox" << 97 << "N_soll Stromeingang: " << " mA";
        QTest::newRow("AIN voltage") << "nominalInputVoltageSpinBox" << 98 << "N_soll Spannungseingang: " << " V";
        QTest::newRow("heat sink") << "temperatureSpinBox" << 99 << "Temperatur Kühlkörper: " << " °C";
        QTest::newRow("input dc") << "inputVoltageSpinBox" << 100 << "ZK-Spannung (Eingang):" << " V";
        for (int i = 1; i <= 5; ++i)
            QTest::addRow("error %d", i) << QString("error%1LineEdit").arg(i) << 29 + i
                                         << QString("%1. Störung: ").arg(i) << "";
    }

    void fields()
    {
        QFETCH(QString, name);
        QFETCH(int, number);
        QFETCH(QString, caption);
        QFETCH(QString, suffix);
        QWidget *field = widget(name);
        QCOMPARE(field->accessibleDescription(), QString::number(number));
        QCOMPARE(field->toolTip(), QString("Parameter P%1").arg(number));
        if (auto *spinBox = qobject_cast<QDoubleSpinBox *>(field)) {
            QVERIFY(spinBox->isReadOnly());
            QCOMPARE(spinBox->suffix(), suffix);
            QCOMPARE(spinBox->specialValueText(), QString());
        } else {
            QVERIFY(widget<QLineEdit>(name)->isReadOnly());
        }
        QStringList captions;
        for (const QLabel *label : m_page->findChildren<QLabel *>())
            if (label->accessibleDescription() == QString::number(number))
                captions << label->text();
        QCOMPARE(captions, QStringList{caption});
    }

    void form()
    {
        QStringList titles;
        for (const QGroupBox *group : m_page->findChildren<QGroupBox *>())
            titles << group->title();
        QCOMPARE(titles, (QStringList{"Betriebswerte", "Laufzeiten", "Fehlermeldungen", "Aktor-/Sensortest"}));
        for (int i = 1; i <= 5; ++i) {
            auto *help = widget<QPushButton>(QString("error%1PushButton").arg(i));
            QCOMPARE(help->accessibleDescription(), QString::number(29 + i));
            QVERIFY(!help->icon().isNull());
        }
        QCOMPARE(widget<QPushButton>("resetButton")->text(), QString("Reset"));
        QVERIFY(widget<QTextEdit>("errorDescriptionTextEdit")->isReadOnly());
        for (const char *box : {"relay1InvertCheckBox", "relay2InvertCheckBox", "ledFaultInvertCheckBox",
                                "ledOperationInvertCheckBox"})
            QCOMPARE(widget<QCheckBox>(box)->text(), QString("Invertieren"));
        const QStringList ledTexts = {"Relais 1", "Relais 2", "LED Störung", "LED Betrieb", "DIN 1", "DIN 2",
                                      "DIN 3", "DIN 4", "DIN 5", "DIN 6", "SPS-Eingang",
                                      "Temperaturüberwachung Motor"};
        for (const QString &text : ledTexts) {
            bool found = false;
            for (const QLabel *label : m_page->findChildren<QLabel *>())
                found = found || label->text() == text;
            QVERIFY2(found, qPrintable(text));
        }
    }

    void errorDescriptions()
    {
        poll({{FirstError, 7}, {SecondError, 18}});
        QCOMPARE(widget<QLineEdit>("error1LineEdit")->text(), QString("7"));
        QCOMPARE(widget<QLineEdit>("error2LineEdit")->text(), QString("18"));
        QCOMPARE(widget<QLineEdit>("error3LineEdit")->text(), QString());

        QTest::mouseClick(widget("error1PushButton"), Qt::LeftButton);
        QCOMPARE(description().split('\n'),
                 (QStringList{"Fehler 7 - I²t Abschaltung", "Ursache",
                              "I²t-Auslastung zu hoch, daher Motor abgeschaltet.", "Behebung",
                              "Motor abkühlen lassen, Last verringern. Die Parameter \"I²t-Zeit\" und "
                              "\"I²t-Stromschwelle\" prüfen."}));
        const QString html = widget<QTextEdit>("errorDescriptionTextEdit")->toHtml();
        const double factor = WidgetScaler::screenFactor();
        QVERIFY(html.contains(QString("font-size:%1pt; font-weight:600;").arg(int(std::floor(9 * factor)))));
        QVERIFY(html.contains(QString("font-size:%1pt;").arg(int(std::floor(8 * factor)))));

        QTest::mouseClick(widget("error2PushButton"), Qt::LeftButton);
        const QStringList warning = description().split('\n');
        QCOMPARE(warning.value(0), QString("Warnung 18 - Begrenzung Drehzahlsollwert aktiv"));
        QVERIFY(warning.value(1).startsWith("Der interne Drehzahlsollwert der Motorsteuerung"));
        QCOMPARE(warning.value(2), QString("Ursache"));

        // The explanation follows the language.
        QTranslator english;
        QVERIFY(english.load(":/Translations/English.qm"));
        QVERIFY(QCoreApplication::installTranslator(&english));
        QTRY_COMPARE(description().split('\n').value(0), QString("Warning 18 - Set speed limitation active"));
        QCOMPARE(description().split('\n').value(2), QString("Cause"));
        QCoreApplication::removeTranslator(&english);
        QTRY_COMPARE(description().split('\n').value(2), QString("Ursache"));

        // Code 0 has no entry: its help button clears the text.
        QTest::mouseClick(widget("error3PushButton"), Qt::LeftButton);
        QCOMPARE(description(), QString());
        QVERIFY(!m_page->errorDescriptionForParameter(FirstError + 2));
        QCOMPARE(m_page->errorDescriptionForParameter(FirstError)->code, 7);
        QCOMPARE(m_page->errorDescriptionForParameter(SecondError)->kind, ErrorDescription::Warning);
    }

    void leds()
    {
        poll({{RelayAndLed, 0x0021}, {DinAndTemperature, 0x0080}});
        QVERIFY(lit("ledRelay1Label"));
        for (const char *name : {"ledRelay2Label", "ledFaultLabel", "ledOperationLabel"})
            QVERIFY2(!lit(name), name);
        QVERIFY(widget<QCheckBox>("relay2InvertCheckBox")->isChecked());
        for (const char *name : {"relay1InvertCheckBox", "ledFaultInvertCheckBox", "ledOperationInvertCheckBox"})
            QVERIFY2(!widget<QCheckBox>(name)->isChecked(), name);
        QVERIFY(lit("ledPlcInputLabel"));
        for (const char *name : {"ledDIN1Label", "ledDIN2Label", "ledDIN3Label", "ledDIN4Label", "ledDIN5Label",
                                 "ledDIN6Label", "ledTempLabel"})
            QVERIFY2(!lit(name), name);

        // Bit 6 is the motor temperature input, bit 7 the PLC input.
        poll({{DinAndTemperature, 0x0041}});
        QVERIFY(lit("ledTempLabel") && lit("ledDIN1Label") && !lit("ledPlcInputLabel"));

        // A hidden page does not follow the polls.
        m_page->hide();
        poll({{RelayAndLed, 0x0000}});
        QVERIFY(lit("ledRelay1Label"));
    }

    void clickedInversionSurvivesTwoPolls()
    {
        QVERIFY(connectInverter());
        poll({{RelayAndLed, 0x0000}});
        auto *relay1 = widget<QCheckBox>("relay1InvertCheckBox");
        QVERIFY(relay1->isEnabled());
        QTest::mouseClick(relay1, Qt::LeftButton);
        QVERIFY(relay1->isChecked());
        using Pairs = QVector<QPair<uint16_t, uint16_t>>;
        const Pairs written = {{RelayAndLed, 0x0010}};
        QTRY_VERIFY(m_inverter->countOf(SetParameter) == 1);
        for (const auto &frame : m_inverter->received)
            if (frame.type == SetParameter)
                QCOMPARE(frame.pairs, written);

        // The inverter still answers with its old word.
        poll({{RelayAndLed, 0x0000}});
        QVERIFY(relay1->isChecked());
        poll({{RelayAndLed, 0x0000}});
        QVERIFY(relay1->isChecked());
        poll({{RelayAndLed, 0x0000}});
        QVERIFY(!relay1->isChecked());
    }

    void resetButton_data()
    {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("disconnected with error") << false << int(ErrorBit) << false;
        QTest::newRow("connected, no fault") << true << 0 << false;
        QTest::newRow("connected, motor runs") << true << int(MotorRunsBit) << false;
        QTest::newRow("connected, warning") << true << int(WarningBit) << true;
        QTest::newRow("connected, error") << true << int(ErrorBit) << true;
    }

    void resetButton()
    {
        QFETCH(bool, connected);
        QFETCH(int, flags);
        QFETCH(bool, enabled);
        if (connected)
            QVERIFY(connectInverter());
        poll({{InverterFlags, uint16_t(flags)}, {FirstError, 7}});
        auto *reset = widget<QPushButton>("resetButton");
        QTRY_COMPARE(reset->isEnabled(), enabled);
        for (const char *name : {"relay1InvertCheckBox", "relay2InvertCheckBox", "ledFaultInvertCheckBox",
                                 "ledOperationInvertCheckBox"})
            QCOMPARE(widget(name)->isEnabled(), connected);
        if (!enabled)
            return;
        QTest::mouseClick(widget("error1PushButton"), Qt::LeftButton);
        QVERIFY(!description().isEmpty());
        QTest::mouseClick(reset, Qt::LeftButton);
        QCOMPARE(description(), QString());
        QTRY_COMPARE(m_inverter->countOf(ErrorReset), 1);
    }

    void speedDisplayInRpm()
    {
        poll({{SpeedDisplay, DisplayRpm}, {PolePairs, 2}, {ActualFrequency, 500}});
        auto *actual = widget<QDoubleSpinBox>("actualFrequencyWRSpinBox");
        QTRY_COMPARE(actual->suffix(), QString(" min-1"));
        QCOMPARE(actual->value(), 15000.0);
        QCOMPARE(widget<QLabel>("actualFrequencyWRLabel")->text(), QString("Drehzahlistwert: "));
        QCOMPARE(widget<QLabel>("desiredFrequencyLabel")->text(), QString("Drehzahlsollwert: "));
        QCOMPARE(widget<QDoubleSpinBox>("desiredFrequencySpinBox")->suffix(), QString(" min-1"));
    }
};

QTEST_MAIN(TestDiagnosticsWidget)
#include "tst_diagnosticswidget.moc"
