// The diagnostics page against a scripted inverter.
#include "CommunicationController.h"
#include "DatasetController.h"
#include "DiagnosticsWidgetHalvex.h"
#include "ErrorDescription.h"
#include "FakeD2xxSource.h"
#include "FakeInverter.h"
#include "PageChecks.h"
#include "WidgetScaler.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include <cmath>

// Frame types, parameter numbers, codes and bits restated from the protocol and the parameter list.
namespace {
constexpr uint8_t ErrorReset = 1, SetParameter = 8;
enum : uint16_t { SpeedDisplay = 8, ActualFrequency = 13, InverterFlags = 27, FirstError = 30, SecondError = 31,
                  PolePairs = 96, HeatSinkTemperature = 99, RelayAndLed = 101, DinAndTemperature = 102,
                  MotorSets = 149 };
enum : uint16_t { WarningBit = 0x0002, ErrorBit = 0x0004, MotorRunsBit = 0x0008 };
const char *const inversionBoxes[] = {"relay1InvertCheckBox", "relay2InvertCheckBox", "ledFaultInvertCheckBox",
                                      "ledOperationInvertCheckBox"};
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
    T *widget(const QString &name) const { return m_page->findChild<T *>(name); }

    // A changed heat sink temperature makes it a poll of operating values, which the page follows;
    // the last number of the poll (MotorSets) completes it.
    void poll(QMap<uint16_t, uint16_t> values)
    {
        values[HeatSinkTemperature] = ++m_temperature;
        values.insert(MotorSets, 0);
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
        return connected.wait(5000);
    }

    bool lit(const char *name) const
    {
        const QImage shown = widget<QLabel>(name)->pixmap(Qt::ReturnByValue).toImage();
        return shown == QPixmap(":/Images/led_indicator_green.png").toImage();
    }

    QStringList description() const
    {
        return widget<QTextEdit>("errorDescriptionTextEdit")->toPlainText().split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void init()
    {
        D2xx::setSystemSourcesEnabled(false);
        D2xx::setTestSource(m_source = new FakeD2xxSource);
        m_comm = new CommunicationController;
        m_dataset = new DatasetController(m_comm);
        m_page = new DiagnosticsWidgetHalvex(m_dataset, m_comm);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page));
    }

    void cleanup()
    {
        delete m_page, delete m_dataset, delete m_comm, delete m_inverter, m_inverter = nullptr;
        D2xx::setTestSource(nullptr);
        delete m_source;
    }

    void fieldsAreBound()
    {
        QCOMPARE(unboundField(m_page, "desiredFrequencySpinBox=10 actualFrequencyWRSpinBox=13 effectivePowerSpinBox=19 "
                                      "driveCurrentSpinBox=18 peakCurrentSpinBox=11 outputVoltageSpinBox=15 "
                                      "intermediateVoltageSpinBox=16 i2tLoadSpinBox=21 driveCodeSpinBox=20 "
                                      "inverterOperatingTimeSpinBox=25 driveOperatingTimeSpinBox=26 "
                                      "nominalInputCurrentSpinBox=97 nominalInputVoltageSpinBox=98 "
                                      "temperatureSpinBox=99 inputVoltageSpinBox=100 error1LineEdit=30 "
                                      "error2LineEdit=31 error3LineEdit=32 error4LineEdit=33 error5LineEdit=34"),
                 QString());
    }

    void errorDescriptions()
    {
        poll({{FirstError, 7}, {SecondError, 18}});
        QCOMPARE(widget<QLineEdit>("error1LineEdit")->text(), QString("7"));
        QCOMPARE(widget<QLineEdit>("error3LineEdit")->text(), QString());

        QTest::mouseClick(widget("error1PushButton"), Qt::LeftButton);
        QCOMPARE(description(), (QStringList{"Fehler 7 - I²t Abschaltung", "Ursache",
                                             "I²t-Auslastung zu hoch, daher Motor abgeschaltet.", "Behebung",
                                             "Motor abkühlen lassen, Last verringern. Die Parameter \"I²t-Zeit\" "
                                             "und \"I²t-Stromschwelle\" prüfen."}));
        const QString html = widget<QTextEdit>("errorDescriptionTextEdit")->toHtml();
        const double factor = WidgetScaler::screenFactor();
        QVERIFY(html.contains(QString("font-size:%1pt; font-weight:600;").arg(int(std::floor(9 * factor)))));
        QVERIFY(html.contains(QString("font-size:%1pt;").arg(int(std::floor(8 * factor)))));

        QTest::mouseClick(widget("error2PushButton"), Qt::LeftButton);
        QCOMPARE(description().value(0), QString("Warnung 18 - Begrenzung Drehzahlsollwert aktiv"));
        QVERIFY(description().value(1).startsWith("Der interne Drehzahlsollwert der Motorsteuerung"));
        QCOMPARE(description().value(2), QString("Ursache"));

        // The explanation follows the language.
        {
            English english;
            QTRY_COMPARE(description().value(0), QString("Warning 18 - Set speed limitation active"));
        }
        QTRY_COMPARE(description().value(2), QString("Ursache"));

        // Code 0 has no entry: its help button clears the text.
        QTest::mouseClick(widget("error3PushButton"), Qt::LeftButton);
        QCOMPARE(description(), QStringList());
        QVERIFY(!m_page->errorDescriptionForParameter(FirstError + 2));
        QCOMPARE(m_page->errorDescriptionForParameter(SecondError)->kind, ErrorDescription::Warning);
    }

    void leds()
    {
        // Without a connection no lamp claims a state.
        poll({{RelayAndLed, 0x0021}, {DinAndTemperature, 0x0080}});
        QVERIFY(!lit("ledRelay1Label") && !lit("ledPlcInputLabel"));
        QVERIFY(connectInverter());
        poll({{RelayAndLed, 0x0021}, {DinAndTemperature, 0x0080}});
        QStringList lamps;
        for (const char *name : {"ledRelay1Label", "ledRelay2Label", "ledFaultLabel", "ledOperationLabel",
                                 "ledDIN1Label", "ledDIN2Label", "ledDIN3Label", "ledDIN4Label", "ledDIN5Label",
                                 "ledDIN6Label", "ledPlcInputLabel", "ledTempLabel"})
            if (lit(name))
                lamps << name;
        QCOMPARE(lamps, (QStringList{"ledRelay1Label", "ledPlcInputLabel"}));
        QStringList checked;
        for (const char *name : inversionBoxes)
            if (widget<QCheckBox>(name)->isChecked())
                checked << name;
        QCOMPARE(checked, QStringList{"relay2InvertCheckBox"});

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
        QTest::mouseClick(relay1, Qt::LeftButton);
        QTRY_COMPARE(m_inverter->countOf(SetParameter), 1);
        for (const auto &frame : m_inverter->received)
            if (frame.type == SetParameter)
                QCOMPARE(frame.pairs, (QVector<QPair<uint16_t, uint16_t>>{{RelayAndLed, 0x0010}}));

        // The inverter still answers with its old word.
        for (bool expected : {true, true, false}) {
            poll({{RelayAndLed, 0x0000}});
            QCOMPARE(relay1->isChecked(), expected);
        }
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
        for (const char *name : inversionBoxes)
            QCOMPARE(widget(name)->isEnabled(), connected);
        if (!enabled)
            return;
        QTest::mouseClick(widget("error1PushButton"), Qt::LeftButton);
        QVERIFY(!description().isEmpty());
        QTest::mouseClick(reset, Qt::LeftButton);
        QCOMPARE(description(), QStringList());
        QTRY_COMPARE(m_inverter->countOf(ErrorReset), 1);
    }

    void speedDisplayInRpm()
    {
        QVERIFY(connectInverter());
        poll({{SpeedDisplay, 0x8006}, {PolePairs, 2}, {ActualFrequency, 500}});
        auto *actual = widget<QDoubleSpinBox>("actualFrequencyWRSpinBox");
        QTRY_COMPARE(actual->suffix(), QString(" min-1"));
        QCOMPARE(actual->value(), 15000.0);
        QCOMPARE(widget<QLabel>("actualFrequencyWRLabel")->text(), QString("Drehzahlistwert: "));
        QCOMPARE(widget<QDoubleSpinBox>("desiredFrequencySpinBox")->suffix(), QString(" min-1"));
    }
};

QTEST_MAIN(TestDiagnosticsWidget)
#include "tst_diagnosticswidget.moc"
