#include "DatasetController.h"
#include "DriveWidgetHalvex.h"
#include "ScopeViewDialog.h"
#include "TemporaryHomeMain.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>

// Numbers, codes and texts restated from the inverter's parameter list and the
// page's description.
namespace {
constexpr uint16_t speedDisplay = 8;
constexpr uint16_t inverterFlags = 27;
constexpr uint16_t voltage1 = 62;
constexpr uint16_t voltage2 = 64;
constexpr uint16_t voltage3 = 66;
constexpr uint16_t i2tPeriod = 76;
constexpr uint16_t i2tFunction = 77;
constexpr uint16_t sensorType = 85;
constexpr uint16_t sensorResistance = 86;
constexpr uint16_t noMotor = 0x8001;
constexpr uint16_t dasm = 0x8002;
constexpr uint16_t pmsm = 0x8003;
constexpr uint16_t inRpm = 0x8006;
constexpr uint16_t pt1000 = 0x802C;
constexpr uint16_t i2tDeactivated = 0x806A;
constexpr uint16_t i2tWarning = 0x806B;
constexpr uint16_t motorRunsBit = 0x0008;

const char lockedTooFar[] =
    "I²t Überwachung gesperrt\nDifferenz zwischen Nennstrom und Motorspitzenstrom zu groß";
const char lockedProduct[] = "I²t Überwachung gesperrt\nBitte das Produkt aus Nennstrom und Stromschwelle kleiner "
                             "als den Motorspitzenstrom wählen";
} // namespace

class TestDriveWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void form_data();
    void form();
    void noMotorShowsOnlyTheMotorType();
    void visibilityByMotorType_data();
    void visibilityByMotorType();
    void controllerTypeText_data();
    void controllerTypeText();
    void sensorDefaults_data();
    void sensorDefaults();
    void sensorResistanceFromInverterStays();
    void i2tMonitoring_data();
    void i2tMonitoring();
    void i2tTimeShownStaysWhenCurrentsChange();
    void motorRunLocksStoppedOnlyFields();
    void ufVoltagesFollowSharedFrequencies();
    void dcBrakeOffDisablesCurrent();
    void speedDisplayInRpm();
    void diagramFedFromModel();
    void languageSwitchRestoresPageTexts();

private:
    template <typename T = QWidget>
    T *field(const QString &name) const
    {
        T *widget = m_page->findChild<T *>(name);
        if (!widget)
            qWarning("no widget %s", qPrintable(name));
        return widget;
    }
    void choose(const char *comboBox, uint16_t code)
    {
        auto *box = field<QComboBox>(comboBox);
        box->setCurrentIndex(box->findData(uint(code)));
    }
    void enter(const char *spinBox, double value) { field<QDoubleSpinBox>(spinBox)->setValue(value); }
    double shown(const char *spinBox) const { return field<QDoubleSpinBox>(spinBox)->value(); }
    QwtPlotCurve *diagramCurve() const;

    DatasetController *m_model = nullptr;
    DriveWidgetHalvex *m_page = nullptr;
};

void TestDriveWidget::init()
{
    m_model = new DatasetController(nullptr);
    m_page = new DriveWidgetHalvex(m_model, nullptr, nullptr);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
}

void TestDriveWidget::cleanup()
{
    delete m_page;
    delete m_model;
}

QwtPlotCurve *TestDriveWidget::diagramCurve() const
{
    auto *plot = m_page->findChild<ScopeViewDialog *>()->findChild<QwtPlot *>("scopeView");
    const QwtPlotItemList curves = plot->itemList(QwtPlotItem::Rtti_PlotCurve);
    return curves.isEmpty() ? nullptr : static_cast<QwtPlotCurve *>(curves.first());
}

void TestDriveWidget::form_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<QString>("off");
    auto row = [](const char *name, int number, const char *caption, const char *suffix = "", int decimals = -1,
                  double minimum = 0, const char *off = "") {
        QTest::newRow(name) << QString(name) << number << QString::fromUtf8(caption) << QString::fromUtf8(suffix)
                            << decimals << minimum << QString(off);
    };
    row("driveTypeComboBox", 90, "Motortyp: ");
    row("temperatureControlComboBox", 85, "Temperaturüberwachung: ");
    row("cosPhiSpinBox", 94, "cos_phi: ", " %", 0, 20);
    row("sensorResistanceSpinBox", 86, "Sensorwert: ", " Ohm", 0, 500);
    row("nominalVoltageSpinBox", 92, "Nennspannung: ", " V~", 1, 0);
    row("nominalRevolutionsSpinBox", 91, "Nennfrequenz: ", " Hz", 0, 5);
    row("nominalCurrentSpinBox", 93, "Nennstrom: ", " A eff~", 1, 0.5);
    row("peakCurrentSpinBox", 44, "Motorspitzenstrom: ", " A eff~", 1, 0.5);
    row("minRevolutionsSpinBox", 41, "Minimale Frequenz: ", " Hz", 0, 5);
    row("maxRevolutionsSpinBox", 42, "Maximale Frequenz: ", " Hz", 0, 100);
    row("accRampSpinBox", 46, "Beschleunigungsrampe: ", " s", 1, 0.5);
    row("decRampSpinBox", 47, "Bremsrampe: ", " s", 1, 0.5);
    row("polePairsSpinBox", 96, "Anzahl Polpaare: ", "", 0, 1);
    row("stopCurrentSpinBox", 57, "Haltestrom: ", " A-", 1, 0, "Aus");
    row("startupTimeBLDCSpinBox", 51, "Anlaufzeit: ", " s", 1, 0.4, "ohne Rampe");
    row("switchoffTimeBLDCSpinBox", 54, "Ausschaltzeit Anlauf: ", " µs", 0, 200);
    row("startupFrequencyBLDCSpinBox", 53, "Anlauffrequenz: ", " Hz", 0, 1);
    row("startupCurrentBLDCSpinBox", 52, "Anlaufstrom: ", " A~", 1, 0.1);
    row("dcBrakeTimeSpinBox", 55, "DC-Bremszeit: ", " s", 1, 0, "Aus");
    row("dcBrakeCurrentSpinBox", 56, "DC-Bremsstrom: ", " A-", 1, 0);
    row("i2tFunctionComboBox", 77, "Funktion I²t-Überwachung: ");
    row("i2tThresholdSpinBox", 75, "I²t-Stromschwelle: ", " %", 1, 0);
    row("i2tPeriodSpinBox", 76, "I²t-Zeit: ", " s", 0, 1);
    row("voltage0SpinBox", 60, "Spannung 0: ", " V~", 1, 1);
    row("frequency1SpinBox", 61, "Frequenz 1: ", " Hz", 0, 5);
    row("voltage1SpinBox", 62, "Spannung 1: ", " V~", 1, 1);
    row("frequency2SpinBox", 63, "Frequenz 2: ", " Hz", 0, 5);
    row("voltage2SpinBox", 64, "Spannung 2: ", " V~", 1, 1);
    row("frequency3SpinBox", 65, "Frequenz 3: ", " Hz", 0, 5);
    row("voltage3SpinBox", 66, "Spannung 3: ", " V~", 1, 1);
    row("rpmControllerLineEdit", 70, "Regler: ");
    row("irFactorSpinBox", 71, "I*R Anhebefaktor: ", " V/A", 1, 0, "Aus");
    row("loadCompFactorSpinBox", 72, "Lastkomp.-Faktor: ", " %/A~", 1, 0, "Aus");
    row("filterTimeSpinBox", 73, "Filterzeit: ", " ms", 0, 1);
    row("voltageControlKPSpinBox", 79, "U-Regler KP: ", " %", 0, 5);
    row("revolutionsControlKPSpinBox", 81, "N-Regler KP: ", " %", 0, 5);
    row("revolutionsControlTimeTFSpinBox", 84, "N-Regler TF: ", " ms", 0, 1);
    row("voltageControlTimeSpinBox", 80, "U-Regler TN: ", " ms", 0, 0, "ohne I-Anteil");
    row("revolutionsControlTimeTNSpinBox", 82, "N-Regler TN: ", " ms", 0, 0, "ohne I-Anteil");
    row("revolutionsControlTimeTVSpinBox", 83, "N-Regler TV: ", " ms", 0, 0, "ohne D-Anteil");
}

void TestDriveWidget::form()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    QFETCH(QString, caption);
    QFETCH(QString, suffix);
    QFETCH(int, decimals);
    QFETCH(double, minimum);
    QFETCH(QString, off);

    QCOMPARE(m_page->windowTitle(), QString("Motordaten"));
    auto *widget = field(name);
    QVERIFY(widget);
    QCOMPARE(widget->accessibleDescription(), QString::number(number));
    QList<QLabel *> captions;
    for (QLabel *label : m_page->findChildren<QLabel *>())
        if (label->accessibleDescription() == QString::number(number))
            captions.append(label);
    QCOMPARE(captions.size(), 1);
    QCOMPARE(captions.first()->text(), caption);

    if (auto *spinBox = qobject_cast<QDoubleSpinBox *>(widget)) {
        QCOMPARE(spinBox->suffix(), suffix);
        QCOMPARE(spinBox->decimals(), decimals);
        QCOMPARE(spinBox->minimum(), minimum);
        QCOMPARE(spinBox->specialValueText(), off);
        QVERIFY(!spinBox->isReadOnly());
        QVERIFY(!spinBox->keyboardTracking());
        QCOMPARE(spinBox->toolTip().section('\n', 0, 0), QString("Parameter P%1").arg(number));
    } else if (auto *lineEdit = qobject_cast<QLineEdit *>(widget)) {
        QVERIFY(lineEdit->isReadOnly());
        QCOMPARE(lineEdit->focusPolicy(), Qt::NoFocus);
    } else {
        QVERIFY(qobject_cast<QComboBox *>(widget));
        QCOMPARE(widget->toolTip(), QString("Parameter P%1").arg(number));
    }
}

void TestDriveWidget::noMotorShowsOnlyTheMotorType()
{
    // "kein Motor" is the motor type before anything was read; switch away and back.
    QCOMPARE(field<QComboBox>("driveTypeComboBox")->currentData().toUInt(), uint(noMotor));
    choose("driveTypeComboBox", dasm);
    choose("driveTypeComboBox", noMotor);

    QStringList visible;
    for (QWidget *widget : m_page->findChildren<QWidget *>()) {
        const bool isField = qobject_cast<QLabel *>(widget) || qobject_cast<QComboBox *>(widget)
                             || qobject_cast<QDoubleSpinBox *>(widget) || qobject_cast<QLineEdit *>(widget)
                             || qobject_cast<QPushButton *>(widget);
        if (isField && widget->isVisibleTo(m_page))
            visible.append(widget->objectName());
    }
    visible.sort();
    QCOMPARE(visible, QStringList({"driveTypeComboBox", "driveTypeLabel"}));
}

void TestDriveWidget::visibilityByMotorType_data()
{
    QTest::addColumn<int>("motorType");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");
    QTest::newRow("DASM") << int(dasm)
                          << QStringList{"i2tGroupBox", "ufTableGroupBox", "controllerGroupBox", "cosPhiSpinBox",
                                         "dcBrakeTimeSpinBox", "dcBrakeCurrentLabel", "rpmControllerLineEdit",
                                         "rpmControllerLabel", "irFactorSpinBox", "filterTimeLabel",
                                         "revolutionsControlKPSpinBox", "stopCurrentSpinBox"}
                          << QStringList{"startupTimeBLDCSpinBox", "startupCurrentBLDCLabel",
                                         "startupFrequencyBLDCSpinBox", "switchoffTimeBLDCLabel",
                                         "nominalRevolutionsSpinBox", "nominalVoltageLabel"};
    QTest::newRow("PMSM") << int(pmsm)
                          << QStringList{"i2tGroupBox", "controllerGroupBox", "startupTimeBLDCSpinBox",
                                         "startupCurrentBLDCLabel", "startupFrequencyBLDCSpinBox",
                                         "switchoffTimeBLDCLabel", "nominalRevolutionsSpinBox", "nominalVoltageLabel",
                                         "revolutionsControlKPSpinBox", "voltageControlTimeLabel"}
                          << QStringList{"ufTableGroupBox", "dcBrakeTimeSpinBox", "dcBrakeCurrentLabel",
                                         "rpmControllerLineEdit", "rpmControllerLabel", "irFactorSpinBox",
                                         "loadCompFactorLabel", "filterTimeSpinBox"};
}

void TestDriveWidget::visibilityByMotorType()
{
    QFETCH(int, motorType);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);

    // Always from the other motor type, so every rule has to switch something.
    choose("driveTypeComboBox", motorType == dasm ? pmsm : dasm);
    choose("driveTypeComboBox", uint16_t(motorType));
    QCOMPARE(m_model->value(90), double(motorType));
    for (const QString &name : shown)
        QVERIFY2(field(name)->isVisibleTo(m_page), qPrintable(name));
    for (const QString &name : hidden)
        QVERIFY2(!field(name)->isVisibleTo(m_page), qPrintable(name));
}

void TestDriveWidget::controllerTypeText_data()
{
    QTest::addColumn<double>("irFactor");
    QTest::addColumn<double>("loadCompensation");
    QTest::addColumn<QString>("text");
    // 0 is the fields' "Aus".
    QTest::newRow("neither") << 0.0 << 0.0 << "U/f";
    QTest::newRow("I*R 0.5, load compensation off") << 0.5 << 0.0 << "U/f und I*R";
    QTest::newRow("load compensation only") << 0.0 << 2.0 << "U/f und Lastkompensation";
    QTest::newRow("both") << 1.0 << 2.0 << "U/f, I*R und Lastkompensation";
}

void TestDriveWidget::controllerTypeText()
{
    QFETCH(double, irFactor);
    QFETCH(double, loadCompensation);
    QFETCH(QString, text);

    enter("irFactorSpinBox", 3);
    enter("irFactorSpinBox", irFactor);
    enter("loadCompFactorSpinBox", loadCompensation);
    QCOMPARE(field<QLineEdit>("rpmControllerLineEdit")->text(), text);
    if (irFactor == 0)
        QCOMPARE(field<QDoubleSpinBox>("irFactorSpinBox")->text(), QString("Aus"));
}

void TestDriveWidget::sensorDefaults_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("ohm");
    QTest::newRow("NTC") << 0x802A << 1234.0;
    QTest::newRow("PTC") << 0x802B << 1330.0;
    QTest::newRow("PT1000") << 0x802C << 1385.0;
    QTest::newRow("KTY84") << 0x802D << 1025.0;
}

void TestDriveWidget::sensorDefaults()
{
    QFETCH(int, code);
    QFETCH(double, ohm);

    // "Aus" (0), the initial choice, leaves the resistance disabled.
    QVERIFY(!field("sensorResistanceSpinBox")->isEnabled());
    QVERIFY(!field("sensorResistanceLabel")->isEnabled());
    enter("sensorResistanceSpinBox", 2000);
    QSignalSpy changed(m_page, &DriveWidgetHalvex::parameterChangedByUser);

    choose("temperatureControlComboBox", uint16_t(code));
    QCOMPARE(shown("sensorResistanceSpinBox"), ohm);
    QCOMPARE(m_model->value(sensorResistance), ohm);
    QCOMPARE(m_model->value(sensorType), double(code));
    QVERIFY(field("sensorResistanceSpinBox")->isEnabled());
    QVERIFY(field("sensorResistanceLabel")->isEnabled());
    QCOMPARE(changed.count(), 2); // the sensor type and its resistance

    choose("temperatureControlComboBox", 0);
    QCOMPARE(shown("sensorResistanceSpinBox"), ohm);
    QVERIFY(!field("sensorResistanceSpinBox")->isEnabled());
}

void TestDriveWidget::sensorResistanceFromInverterStays()
{
    QSignalSpy changed(m_page, &DriveWidgetHalvex::parameterChangedByUser);
    // PT1000 with 1500 Ω read from the inverter: not replaced by the 1385 Ω default.
    m_model->deviceParameterUpdate({{sensorType, pt1000}, {sensorResistance, 1500}});
    QTRY_COMPARE(field<QComboBox>("temperatureControlComboBox")->currentData().toUInt(), uint(pt1000));
    QCOMPARE(shown("sensorResistanceSpinBox"), 1500.0);
    QCOMPARE(m_model->value(sensorResistance), 1500.0);
    QVERIFY(field("sensorResistanceSpinBox")->isEnabled());
    QCOMPARE(changed.count(), 0);
}

void TestDriveWidget::i2tMonitoring_data()
{
    QTest::addColumn<double>("rated");
    QTest::addColumn<double>("threshold");
    QTest::addColumn<double>("peak");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("periodToolTip");
    // 10 A × 100 % equals the 10 A peak current: no trip time can be converted.
    QTest::newRow("10 A, 100 %, 10 A") << 10.0 << 100.0 << 10.0 << QString::fromUtf8(lockedProduct)
                                       << "Parameter P76";
    QTest::newRow("product above peak") << 10.0 << 100.0 << 8.0 << QString::fromUtf8(lockedProduct)
                                        << "Parameter P76";
    // r = 0.005 A / 100 A: even 3600 s of time constant trip in less than 1 s.
    QTest::newRow("0.5 A, 1 %, 100 A") << 0.5 << 1.0 << 100.0 << QString::fromUtf8(lockedTooFar)
                                       << "Parameter P76";
    // r = 0.5: t = τ × -ln(0.75), 1 s..3600 s gives 1..1035 s.
    QTest::newRow("10 A, 50 %, 10 A") << 10.0 << 50.0 << 10.0 << QString()
                                      << "Parameter P76\nMinimum: 1 s\nMaximum: 1035 s";
}

void TestDriveWidget::i2tMonitoring()
{
    QFETCH(double, rated);
    QFETCH(double, threshold);
    QFETCH(double, peak);
    QFETCH(QString, text);
    QFETCH(QString, periodToolTip);

    choose("driveTypeComboBox", dasm);
    choose("i2tFunctionComboBox", i2tWarning);
    QCOMPARE(m_model->value(i2tFunction), double(i2tWarning));
    // In this order no row passes through a locked state before its last entry.
    enter("i2tThresholdSpinBox", threshold);
    enter("peakCurrentSpinBox", peak);
    enter("nominalCurrentSpinBox", rated);

    const bool locked = !text.isEmpty();
    auto *info = field<QLabel>("i2tInfoLabel");
    QCOMPARE(info->text(), text);
    QCOMPARE(info->isVisibleTo(m_page), locked);
    QCOMPARE(m_model->value(i2tFunction), double(locked ? i2tDeactivated : i2tWarning));
    QCOMPARE(field<QComboBox>("i2tFunctionComboBox")->currentData().toUInt(),
             uint(locked ? i2tDeactivated : i2tWarning));
    QCOMPARE(field("i2tPeriodSpinBox")->toolTip(), periodToolTip);
    for (const char *name : {"i2tFunctionComboBox", "i2tFunctionLabel", "i2tThresholdSpinBox", "i2tThresholdLabel",
                             "i2tPeriodSpinBox", "i2tPeriodLabel"})
        QVERIFY2(field(name)->isEnabled() == !locked, name);

    // 10 A × 50 % against 40 A lifts the lock; the function stays as it was forced.
    enter("i2tThresholdSpinBox", 50);
    enter("nominalCurrentSpinBox", 10);
    enter("peakCurrentSpinBox", 40);
    QVERIFY(!info->isVisibleTo(m_page));
    QVERIFY(field("i2tFunctionComboBox")->isEnabled());
}

void TestDriveWidget::i2tTimeShownStaysWhenCurrentsChange()
{
    // Rated 1 A, threshold 100 %, peak 2 A: r = 0.5.
    enter("peakCurrentSpinBox", 2);
    enter("i2tPeriodSpinBox", 100);
    QCOMPARE(m_model->value(i2tPeriod), 100.0);
    enter("peakCurrentSpinBox", 4);
    QCOMPARE(shown("i2tPeriodSpinBox"), 100.0);
    QCOMPARE(qRound(m_model->value(i2tPeriod)), 100);
}

void TestDriveWidget::motorRunLocksStoppedOnlyFields()
{
    choose("driveTypeComboBox", dasm);
    m_model->deviceParameterUpdate({{inverterFlags, motorRunsBit}});
    QTRY_VERIFY(!field("maxRevolutionsSpinBox")->isEnabled());
    for (const char *name : {"maxRevolutionsLabel", "driveTypeComboBox", "polePairsSpinBox", "i2tPeriodSpinBox",
                             "i2tFunctionLabel", "nominalCurrentSpinBox"})
        QVERIFY2(!field(name)->isEnabled(), name);
    for (const char *name : {"accRampSpinBox", "voltage1SpinBox", "irFactorSpinBox", "stopCurrentLabel"})
        QVERIFY2(field(name)->isEnabled(), name);
    m_model->deviceParameterUpdate({{inverterFlags, 0}});
    QTRY_VERIFY(field("maxRevolutionsSpinBox")->isEnabled());
    QVERIFY(field("i2tPeriodSpinBox")->isEnabled());

    // Locked by the currents (rated 1 A above the 0.5 A peak): stays disabled
    // through a run and the stop after it.
    enter("peakCurrentSpinBox", 0.5);
    m_model->deviceParameterUpdate({{inverterFlags, motorRunsBit}});
    QTRY_VERIFY(!field("maxRevolutionsSpinBox")->isEnabled());
    m_model->deviceParameterUpdate({{inverterFlags, 0}});
    QTRY_VERIFY(field("maxRevolutionsSpinBox")->isEnabled());
    QVERIFY(!field("i2tPeriodSpinBox")->isEnabled());
    QVERIFY(!field("i2tThresholdLabel")->isEnabled());
    QVERIFY(field<QLabel>("i2tInfoLabel")->isVisibleTo(m_page));
}

void TestDriveWidget::ufVoltagesFollowSharedFrequencies()
{
    choose("driveTypeComboBox", dasm);
    // All three frequencies start at 100 Hz: an outer voltage reaches both others.
    enter("voltage3SpinBox", 20);
    QCOMPARE(m_model->value(voltage1), 20.0);
    QCOMPARE(m_model->value(voltage2), 20.0);
    QCOMPARE(shown("voltage1SpinBox"), 20.0);

    // Frequencies 100 / 500 / 1000 Hz: independent voltages.
    enter("frequency3SpinBox", 1000);
    enter("frequency2SpinBox", 500);
    QCOMPARE(field("frequency1SpinBox")->toolTip(), QString("Parameter P61\nMinimum: 5 Hz\nMaximum: 500 Hz"));
    enter("voltage1SpinBox", 10);
    enter("voltage2SpinBox", 30);
    enter("voltage3SpinBox", 40);
    QCOMPARE(m_model->value(voltage1), 10.0);

    // Frequency 2 onto frequency 1 takes voltage 1.
    QSignalSpy changed(m_page, &DriveWidgetHalvex::parameterChangedByUser);
    enter("frequency2SpinBox", 100);
    QCOMPARE(shown("voltage2SpinBox"), 10.0);
    QCOMPARE(m_model->value(voltage2), 10.0);
    QCOMPARE(changed.count(), 2); // frequency 2 and the copied voltage 2

    // Later changes of either voltage are copied to the other; voltage 3 stays.
    enter("voltage1SpinBox", 12.5);
    QCOMPARE(shown("voltage2SpinBox"), 12.5);
    QCOMPARE(m_model->value(voltage2), 12.5);
    enter("voltage2SpinBox", 15);
    QCOMPARE(m_model->value(voltage1), 15.0);
    QCOMPARE(m_model->value(voltage3), 40.0);

    // Frequency 3 onto frequency 2 takes voltage 2.
    enter("frequency3SpinBox", 100);
    QCOMPARE(m_model->value(voltage3), 15.0);
    QCOMPARE(shown("voltage3SpinBox"), 15.0);
}

void TestDriveWidget::dcBrakeOffDisablesCurrent()
{
    choose("driveTypeComboBox", dasm);
    // The brake time starts "Aus".
    QVERIFY(!field("dcBrakeCurrentSpinBox")->isEnabled());
    enter("dcBrakeTimeSpinBox", 2);
    QVERIFY(field("dcBrakeCurrentSpinBox")->isEnabled());
    QVERIFY(field("dcBrakeCurrentLabel")->isEnabled());

    enter("dcBrakeTimeSpinBox", 0);
    QCOMPARE(field<QDoubleSpinBox>("dcBrakeTimeSpinBox")->text(), QString("Aus"));
    QVERIFY(!field("dcBrakeCurrentSpinBox")->isEnabled());
    QVERIFY(!field("dcBrakeCurrentLabel")->isEnabled());
    QVERIFY(field("dcBrakeTimeSpinBox")->isEnabled());
}

void TestDriveWidget::speedDisplayInRpm()
{
    choose("driveTypeComboBox", pmsm);
    enter("polePairsSpinBox", 2);
    m_model->setValue(speedDisplay, inRpm, false);

    // Two pole pairs: 1 Hz is 30 min-1.
    auto *maximum = field<QDoubleSpinBox>("maxRevolutionsSpinBox");
    QTRY_COMPARE(maximum->suffix(), QString(" min-1"));
    QCOMPARE(maximum->value(), 3000.0);    // 100 Hz
    QCOMPARE(maximum->singleStep(), 30.0);
    QCOMPARE(maximum->toolTip(), QString("Parameter P42\nMinimum: 3000 min-1\nMaximum: 120000 min-1"));
    QCOMPARE(shown("minRevolutionsSpinBox"), 1500.0);      // 50 Hz
    QCOMPARE(shown("startupFrequencyBLDCSpinBox"), 240.0); // 8 Hz
    QCOMPARE(field<QLabel>("maxRevolutionsLabel")->text(), QString("Maximale Drehzahl: "));
    QCOMPARE(field<QLabel>("nominalRevolutionsLabel")->text(), QString("Nenndrehzahl: "));
    QCOMPARE(field<QLabel>("startupFrequencyBLDCLabel")->text(), QString("Anlaufdrehzahl: "));
    // The U/f table is always in Hz.
    QCOMPARE(field<QDoubleSpinBox>("frequency1SpinBox")->suffix(), QString(" Hz"));

    // The speed shown stays when the pole pairs change; the stored frequency
    // follows: 3000 min-1 with one pole pair is 50 Hz.
    auto *rated = field<QDoubleSpinBox>("nominalRevolutionsSpinBox");
    QCOMPARE(rated->value(), 3000.0); // 100 Hz
    enter("polePairsSpinBox", 1);
    QCOMPARE(rated->value(), 3000.0);
    QCOMPARE(rated->singleStep(), 60.0);
    m_model->setValue(speedDisplay, 0x8005, false);
    QTRY_COMPARE(rated->suffix(), QString(" Hz"));
    QCOMPARE(rated->value(), 50.0);
}

void TestDriveWidget::diagramFedFromModel()
{
    choose("driveTypeComboBox", dasm);
    enter("frequency3SpinBox", 1666);
    enter("frequency2SpinBox", 1135);
    enter("frequency1SpinBox", 333);
    enter("voltage0SpinBox", 2.9);
    enter("voltage1SpinBox", 20);
    enter("voltage2SpinBox", 49);
    enter("voltage3SpinBox", 49);

    auto *dialog = m_page->findChild<ScopeViewDialog *>();
    QVERIFY(dialog);
    QVERIFY(!dialog->isVisible());
    QTest::mouseClick(field<QPushButton>("ufDiagramPushButton"), Qt::LeftButton);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());

    QwtPlotCurve *curve = diagramCurve();
    QVERIFY(curve);
    QCOMPARE(int(curve->dataSize()), 4);
    const QList<QPointF> points = {{0, 2.9}, {333, 20}, {1135, 49}, {1666, 49}};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(curve->sample(i), points.at(i));

    // Entries reach the open dialog at once.
    enter("voltage0SpinBox", 5);
    QCOMPARE(curve->sample(0), QPointF(0, 5));
    enter("frequency1SpinBox", 400);
    QCOMPARE(curve->sample(1), QPointF(400, 20));

    // A fifth point does not exist.
    dialog->setPoint(4, 9, 9);
    QCOMPARE(curve->sample(3), QPointF(1666, 49));
    QCOMPARE(int(curve->dataSize()), 4);

    // Closed, it is fed again only when it is opened.
    dialog->hide();
    enter("voltage0SpinBox", 7);
    QCOMPARE(curve->sample(0), QPointF(0, 5));
    field<QPushButton>("ufDiagramPushButton")->click();
    QCOMPARE(curve->sample(0), QPointF(0, 7));
    dialog->hide();
}

void TestDriveWidget::languageSwitchRestoresPageTexts()
{
    choose("driveTypeComboBox", dasm);
    enter("irFactorSpinBox", 0.5);
    enter("nominalCurrentSpinBox", 10);
    enter("peakCurrentSpinBox", 10);
    choose("temperatureControlComboBox", pt1000);
    enter("sensorResistanceSpinBox", 1500);
    QSignalSpy changed(m_page, &DriveWidgetHalvex::parameterChangedByUser);

    QTranslator english;
    QVERIFY(english.load(":/Translations/English.qm"));
    QVERIFY(QCoreApplication::installTranslator(&english));
    QTRY_COMPARE(m_page->windowTitle(), QString("Motor Data"));
    QCOMPARE(field<QLineEdit>("rpmControllerLineEdit")->text(), QString("V/Hz and I*R"));
    QCOMPARE(field<QLabel>("i2tInfoLabel")->text(),
             QString("I²t monitoring disabled\nPlease select the product of rated current and I²t threshold "
                     "less than the motor peak current"));
    QCOMPARE(field("i2tPeriodSpinBox")->toolTip(), QString("Parameter P76"));
    QCOMPARE(field<QComboBox>("driveTypeComboBox")->currentData().toUInt(), uint(dasm));
    QVERIFY(field("ufTableGroupBox")->isVisibleTo(m_page));
    QCOMPARE(field<QComboBox>("temperatureControlComboBox")->currentData().toUInt(), uint(pt1000));
    QCOMPARE(shown("sensorResistanceSpinBox"), 1500.0);
    QCOMPARE(field<QDoubleSpinBox>("stopCurrentSpinBox")->specialValueText(), QString("Off"));
    QCOMPARE(changed.count(), 0);

    QCoreApplication::removeTranslator(&english);
    QTRY_COMPARE(m_page->windowTitle(), QString("Motordaten"));
    QCOMPARE(field<QLineEdit>("rpmControllerLineEdit")->text(), QString("U/f und I*R"));
}

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestDriveWidget)
#include "tst_drivewidget.moc"
