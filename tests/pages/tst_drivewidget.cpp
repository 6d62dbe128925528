#include "DatasetController.h"
#include "DriveWidgetHalvex.h"
#include "ScopeViewDialog.h"
#include "TemporaryHomeMain.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include "PageChecks.h"

#include <qwt_plot.h>
#include <qwt_plot_curve.h>

// Numbers, codes and texts restated from the inverter's parameter list and the page's description.
namespace {
enum : uint16_t { InverterFlags = 27, Voltage1 = 62, Voltage2 = 64, Voltage3 = 66, I2tPeriod = 76,
                  I2tFunction = 77, SensorType = 85, SensorResistance = 86 };
enum : uint16_t { NoMotor = 0x8001, Dasm = 0x8002, Pmsm = 0x8003, Pt1000 = 0x802C, I2tDeactivated = 0x806A,
                  I2tWarning = 0x806B, MotorRuns = 0x0008 };
const char lockedTooFar[] = "I²t Überwachung gesperrt\nDifferenz zwischen Nennstrom und Motorspitzenstrom zu groß";
const char lockedProduct[] = "I²t Überwachung gesperrt\nBitte das Produkt aus Nennstrom und Stromschwelle kleiner "
                             "als den Motorspitzenstrom wählen";
} // namespace

class TestDriveWidget : public QObject
{
    Q_OBJECT

    DatasetController *m_model = nullptr;
    DriveWidgetHalvex *m_page = nullptr;

    template <typename T = QWidget>
    T *field(const QString &name) const { return m_page->findChild<T *>(name); }
    void choose(const char *comboBox, uint16_t code)
    {
        auto *box = field<QComboBox>(comboBox);
        box->setCurrentIndex(box->findData(uint(code)));
    }
    void enter(const char *spinBox, double value) { field<QDoubleSpinBox>(spinBox)->setValue(value); }
    double shown(const char *spinBox) const { return field<QDoubleSpinBox>(spinBox)->value(); }
    bool visible(const QString &name) const { return field(name)->isVisibleTo(m_page); }

private slots:
    void init()
    {
        m_model = new DatasetController(nullptr);
        m_page = new DriveWidgetHalvex(m_model, nullptr, nullptr);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page));
    }
    void cleanup() { delete m_page, delete m_model; }

    void fieldsAreBound()
    {
        QCOMPARE(unboundField(m_page,
            "driveTypeComboBox=90 temperatureControlComboBox=85 cosPhiSpinBox=94 sensorResistanceSpinBox=86 "
            "nominalVoltageSpinBox=92 nominalRevolutionsSpinBox=91 nominalCurrentSpinBox=93 peakCurrentSpinBox=44 "
            "minRevolutionsSpinBox=41 maxRevolutionsSpinBox=42 accRampSpinBox=46 decRampSpinBox=47 "
            "polePairsSpinBox=96 stopCurrentSpinBox=57 startupTimeBLDCSpinBox=51 switchoffTimeBLDCSpinBox=54 "
            "startupFrequencyBLDCSpinBox=53 startupCurrentBLDCSpinBox=52 dcBrakeTimeSpinBox=55 "
            "dcBrakeCurrentSpinBox=56 i2tFunctionComboBox=77 i2tThresholdSpinBox=75 i2tPeriodSpinBox=76 "
            "voltage0SpinBox=60 frequency1SpinBox=61 voltage1SpinBox=62 frequency2SpinBox=63 voltage2SpinBox=64 "
            "frequency3SpinBox=65 voltage3SpinBox=66 rpmControllerLineEdit=70 irFactorSpinBox=71 "
            "loadCompFactorSpinBox=72 filterTimeSpinBox=73 voltageControlKPSpinBox=79 voltageControlTimeSpinBox=80 "
            "revolutionsControlKPSpinBox=81 revolutionsControlTimeTNSpinBox=82 revolutionsControlTimeTVSpinBox=83 "
            "revolutionsControlTimeTFSpinBox=84"), QString());
    }

    void noMotorShowsOnlyTheMotorType()
    {
        QCOMPARE(field<QComboBox>("driveTypeComboBox")->currentData().toUInt(), uint(NoMotor));
        choose("driveTypeComboBox", Dasm);
        choose("driveTypeComboBox", NoMotor);
        QStringList shownFields;
        for (QWidget *widget : m_page->findChildren<QWidget *>())
            if ((qobject_cast<QLabel *>(widget) || qobject_cast<QComboBox *>(widget)
                 || qobject_cast<QDoubleSpinBox *>(widget) || qobject_cast<QLineEdit *>(widget)
                 || qobject_cast<QPushButton *>(widget))
                && widget->isVisibleTo(m_page))
                shownFields.append(widget->objectName());
        shownFields.sort();
        QCOMPARE(shownFields, QStringList({"driveTypeComboBox", "driveTypeLabel"}));
    }

    void visibilityByMotorType_data()
    {
        QTest::addColumn<int>("motorType");
        QTest::addColumn<QStringList>("shownFields");
        QTest::addColumn<QStringList>("hiddenFields");
        const QStringList asynchronous = {"ufTableGroupBox", "dcBrakeTimeSpinBox", "dcBrakeCurrentLabel",
                                          "rpmControllerLineEdit", "rpmControllerLabel", "irFactorSpinBox",
                                          "loadCompFactorLabel", "filterTimeSpinBox"};
        const QStringList synchronous = {"startupTimeBLDCSpinBox", "startupCurrentBLDCLabel",
                                         "startupFrequencyBLDCSpinBox", "switchoffTimeBLDCLabel",
                                         "nominalRevolutionsSpinBox", "nominalVoltageLabel"};
        const QStringList both = {"i2tGroupBox", "controllerGroupBox", "revolutionsControlKPSpinBox"};
        QTest::newRow("DASM") << int(Dasm) << asynchronous + both << synchronous;
        QTest::newRow("PMSM") << int(Pmsm) << synchronous + both << asynchronous;
    }
    void visibilityByMotorType()
    {
        QFETCH(int, motorType);
        QFETCH(QStringList, shownFields);
        QFETCH(QStringList, hiddenFields);
        // Always from the other motor type, so every rule has to switch something.
        choose("driveTypeComboBox", motorType == Dasm ? Pmsm : Dasm);
        choose("driveTypeComboBox", uint16_t(motorType));
        for (const QString &name : shownFields)
            QVERIFY2(visible(name), qPrintable(name));
        for (const QString &name : hiddenFields)
            QVERIFY2(!visible(name), qPrintable(name));
    }

    void controllerTypeText_data()
    {
        QTest::addColumn<double>("irFactor");
        QTest::addColumn<double>("loadCompensation"); // 0 is "Aus"
        QTest::addColumn<QString>("text");
        QTest::newRow("neither") << 0.0 << 0.0 << "U/f";
        QTest::newRow("I*R 0.5, load compensation off") << 0.5 << 0.0 << "U/f und I*R";
        QTest::newRow("load compensation only") << 0.0 << 2.0 << "U/f und Lastkompensation";
        QTest::newRow("both") << 1.0 << 2.0 << "U/f, I*R und Lastkompensation";
    }
    void controllerTypeText()
    {
        QFETCH(double, irFactor);
        QFETCH(double, loadCompensation);
        enter("irFactorSpinBox", 3);
        enter("irFactorSpinBox", irFactor);
        enter("loadCompFactorSpinBox", loadCompensation);
        QTEST(field<QLineEdit>("rpmControllerLineEdit")->text(), "text");
    }

    // A chosen sensor brings its resistance; one read from the inverter keeps the inverter's value.
    void sensorResistance()
    {
        QVERIFY(!field("sensorResistanceSpinBox")->isEnabled() && !field("sensorResistanceLabel")->isEnabled());
        QSignalSpy changed(m_page, &DriveWidgetHalvex::parameterChangedByUser);
        choose("temperatureControlComboBox", Pt1000);
        QCOMPARE(m_model->value(SensorResistance), 1385.0);
        QVERIFY(field("sensorResistanceSpinBox")->isEnabled() && field("sensorResistanceLabel")->isEnabled());
        QCOMPARE(changed.count(), 2); // the sensor type and its resistance
        choose("temperatureControlComboBox", 0);
        QVERIFY(!field("sensorResistanceSpinBox")->isEnabled());
        changed.clear();
        m_model->deviceParameterUpdate({{SensorType, Pt1000}, {SensorResistance, 1500}});
        QTRY_COMPARE(field<QComboBox>("temperatureControlComboBox")->currentData().toUInt(), uint(Pt1000));
        QCOMPARE(shown("sensorResistanceSpinBox"), 1500.0);
        QCOMPARE(m_model->value(SensorResistance), 1500.0);
        QCOMPARE(changed.count(), 0);
    }

    void i2tMonitoring_data()
    {
        QTest::addColumn<double>("rated");
        QTest::addColumn<double>("threshold");
        QTest::addColumn<double>("peak");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("periodToolTip");
        // 10 A × 100 % equals the 10 A peak current: no trip time can be converted.
        QTest::newRow("10 A, 100 %, 10 A") << 10.0 << 100.0 << 10.0 << lockedProduct << "Parameter P76";
        // r = 0.005 A / 100 A: even 3600 s of time constant trip in less than 1 s.
        QTest::newRow("0.5 A, 1 %, 100 A") << 0.5 << 1.0 << 100.0 << lockedTooFar << "Parameter P76";
        // r = 0.5: t = τ × -ln(0.75), 1 s..3600 s gives 1..1035 s.
        QTest::newRow("10 A, 50 %, 10 A") << 10.0 << 50.0 << 10.0 << QString()
                                          << "Parameter P76\nMinimum: 1 s\nMaximum: 1035 s";
    }
    void i2tMonitoring()
    {
        QFETCH(double, rated);
        QFETCH(double, threshold);
        QFETCH(double, peak);
        QFETCH(QString, text);
        choose("driveTypeComboBox", Dasm);
        choose("i2tFunctionComboBox", I2tWarning);
        // In this order no row passes through a locked state before its last entry.
        enter("i2tThresholdSpinBox", threshold);
        enter("peakCurrentSpinBox", peak);
        enter("nominalCurrentSpinBox", rated);
        const bool locked = !text.isEmpty();
        auto *info = field<QLabel>("i2tInfoLabel");
        QCOMPARE(info->text(), text);
        QCOMPARE(info->isVisibleTo(m_page), locked);
        const uint function = locked ? I2tDeactivated : I2tWarning;
        QCOMPARE(uint(m_model->value(I2tFunction)), function);
        QCOMPARE(field<QComboBox>("i2tFunctionComboBox")->currentData().toUInt(), function);
        QTEST(field("i2tPeriodSpinBox")->toolTip(), "periodToolTip");
        for (const char *name : {"i2tFunctionComboBox", "i2tFunctionLabel", "i2tThresholdSpinBox",
                                 "i2tThresholdLabel", "i2tPeriodSpinBox", "i2tPeriodLabel"})
            QVERIFY2(field(name)->isEnabled() == !locked, name);

        // 10 A × 50 % against 40 A lifts the lock.
        enter("i2tThresholdSpinBox", 50);
        enter("nominalCurrentSpinBox", 10);
        enter("peakCurrentSpinBox", 40);
        QVERIFY(!info->isVisibleTo(m_page) && field("i2tFunctionComboBox")->isEnabled());
    }

    void i2tTimeShownStaysWhenCurrentsChange()
    {
        // Rated 1 A, threshold 100 %, peak 2 A: r = 0.5.
        enter("peakCurrentSpinBox", 2);
        enter("i2tPeriodSpinBox", 100);
        enter("peakCurrentSpinBox", 4);
        QCOMPARE(shown("i2tPeriodSpinBox"), 100.0);
        QCOMPARE(qRound(m_model->value(I2tPeriod)), 100);
    }

    void ufVoltagesFollowSharedFrequencies()
    {
        choose("driveTypeComboBox", Dasm);
        // All three frequencies start at 100 Hz: an outer voltage reaches both others.
        enter("voltage3SpinBox", 20);
        QCOMPARE(m_model->value(Voltage1), 20.0);

        enter("frequency3SpinBox", 1000);
        enter("frequency2SpinBox", 500);
        QCOMPARE(field("frequency1SpinBox")->toolTip(), QString("Parameter P61\nMinimum: 5 Hz\nMaximum: 500 Hz"));
        enter("voltage1SpinBox", 10);
        enter("voltage2SpinBox", 30);
        enter("voltage3SpinBox", 40);
        QCOMPARE(m_model->value(Voltage1), 10.0);

        // Frequency 2 onto frequency 1 takes voltage 1; later changes of either are copied.
        QSignalSpy changed(m_page, &DriveWidgetHalvex::parameterChangedByUser);
        enter("frequency2SpinBox", 100);
        QCOMPARE(m_model->value(Voltage2), 10.0);
        QCOMPARE(changed.count(), 2);
        enter("voltage1SpinBox", 12.5);
        QCOMPARE(shown("voltage2SpinBox"), 12.5);
        enter("voltage2SpinBox", 15);
        QCOMPARE(m_model->value(Voltage1), 15.0);
        QCOMPARE(m_model->value(Voltage3), 40.0);

        enter("frequency3SpinBox", 100);
        QCOMPARE(shown("voltage3SpinBox"), 15.0);
    }

    void dcBrakeOffDisablesCurrent()
    {
        choose("driveTypeComboBox", Dasm);
        for (double time : {0.0, 2.0, 0.0}) { // the brake time starts "Aus"
            enter("dcBrakeTimeSpinBox", time);
            QCOMPARE(field("dcBrakeCurrentSpinBox")->isEnabled(), time > 0);
            QCOMPARE(field("dcBrakeCurrentLabel")->isEnabled(), time > 0);
        }
        QCOMPARE(field<QDoubleSpinBox>("dcBrakeTimeSpinBox")->text(), QString("Aus"));
    }

    void diagramFedFromModel()
    {
        choose("driveTypeComboBox", Dasm);
        enter("frequency3SpinBox", 1666);
        enter("frequency2SpinBox", 1135);
        enter("frequency1SpinBox", 333);
        enter("voltage0SpinBox", 2.9);
        enter("voltage1SpinBox", 20);
        enter("voltage2SpinBox", 49);
        enter("voltage3SpinBox", 49);

        auto *dialog = m_page->findChild<ScopeViewDialog *>();
        QTest::mouseClick(field<QPushButton>("ufDiagramPushButton"), Qt::LeftButton);
        QVERIFY(dialog->isVisible() && !dialog->isModal());
        auto *curve = static_cast<QwtPlotCurve *>(
            dialog->findChild<QwtPlot *>("scopeView")->itemList(QwtPlotItem::Rtti_PlotCurve).first());
        const QList<QPointF> points = {{0, 2.9}, {333, 20}, {1135, 49}, {1666, 49}};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(curve->sample(i), points.at(i));

        // Entries reach the open dialog at once; a closed one is fed again only when opened.
        enter("frequency1SpinBox", 400);
        QCOMPARE(curve->sample(1), QPointF(400, 20));
        dialog->hide();
        enter("voltage0SpinBox", 7);
        QCOMPARE(curve->sample(0), QPointF(0, 2.9));
        field<QPushButton>("ufDiagramPushButton")->click();
        QCOMPARE(curve->sample(0), QPointF(0, 7));
        dialog->hide();
    }

    // Retranslating refills the boxes and the page's own texts; no code changes and the fields stay bound.
    void languageSwitch()
    {
        choose("driveTypeComboBox", Dasm);
        enter("irFactorSpinBox", 0.5);
        enter("nominalCurrentSpinBox", 10);
        enter("peakCurrentSpinBox", 10);
        choose("temperatureControlComboBox", Pt1000);
        enter("sensorResistanceSpinBox", 1500);
        QSignalSpy changed(m_page, &DriveWidgetHalvex::parameterChangedByUser);

        {
            English english;
            QVERIFY(english.installed);
            QTRY_COMPARE(m_page->windowTitle(), QString("Motor Data"));
            QCOMPARE(field<QLineEdit>("rpmControllerLineEdit")->text(), QString("V/Hz and I*R"));
            QVERIFY(field<QLabel>("i2tInfoLabel")->text().startsWith("I²t monitoring disabled\nPlease select"));
            QVERIFY(visible("ufTableGroupBox"));
            QCOMPARE(shown("sensorResistanceSpinBox"), 1500.0);
            QCOMPARE(field<QComboBox>("temperatureControlComboBox")->itemText(0), QString("Off"));
            QCOMPARE(field<QComboBox>("driveTypeComboBox")->currentData().toUInt(), uint(Dasm));
        }
        QCOMPARE(changed.count(), 0);
        QTRY_COMPARE(field<QLineEdit>("rpmControllerLineEdit")->text(), QString("U/f und I*R"));
        QCOMPARE(field<QComboBox>("temperatureControlComboBox")->currentData().toUInt(), uint(Pt1000));
        choose("temperatureControlComboBox", 0);
        QCOMPARE(m_model->value(SensorType), 0.0);
        QCOMPARE(changed.count(), 1);
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestDriveWidget)
#include "tst_drivewidget.moc"
