// The field binding every parameter page shares, exercised on the motor data page.
#include "../app/TemporaryHomeMain.h"
#include "DatasetController.h"
#include "DriveWidgetHalvex.h"
#include "PageChecks.h"
#include "ParameterFieldBinder.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>

// Numbers, codes and limits restated from the inverter's parameter list.
namespace {
enum : uint16_t { SpeedDisplay = 8, InverterFlags = 27, MaximumFrequency = 42, DcBrakeCurrent = 56,
                  HoldingCurrent = 57, MotorType = 90, PolePairs = 96 };
enum : uint16_t { Dasm = 0x8002, DisplayRpm = 0x8006, MotorRuns = 0x0008 };
const QString hzToolTip = QStringLiteral("Parameter P42\nMinimum: 100 Hz\nMaximum: 4000 Hz");
} // namespace

class TestParameterFieldBinder : public QObject
{
    Q_OBJECT

    DatasetController *m_model = nullptr;
    DriveWidgetHalvex *m_page = nullptr;

    template <class T = QDoubleSpinBox>
    T *field(const char *name) const { return m_page->findChild<T *>(name); }

private slots:
    void init()
    {
        m_model = new DatasetController(nullptr);
        m_page = new DriveWidgetHalvex(m_model, nullptr, nullptr);
        m_model->setValue(MotorType, Dasm, false);
        m_page->show();
    }
    void cleanup() { delete m_page, delete m_model; }

    void parameterNumber_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("number");
        QTest::newRow("decimal") << "93" << 93;
        QTest::newRow("hexadecimal") << "0x10" << 0;
        QTest::newRow("largest") << "65535" << 65535;
        QTest::newRow("beyond 16 bits") << "65536" << 0;
        QTest::newRow("negative") << "-1" << 0;
    }
    void parameterNumber()
    {
        QFETCH(QString, description);
        QLabel label;
        label.setAccessibleDescription(description);
        QTEST(int(ParameterFieldBinder::parameterNumber(&label)), "number");
        QCOMPARE(int(ParameterFieldBinder::parameterNumber(nullptr)), 0);
    }

    void toolTipsAndSpeedUnit()
    {
        auto *maximum = field("maxRevolutionsSpinBox");
        QCOMPARE(maximum->toolTip(), hzToolTip);
        QCOMPARE(field("stopCurrentSpinBox")->toolTip(), QString("Parameter P57\nMinimum: Aus\nMaximum: 3 A-"));
        QCOMPARE(field<QComboBox>("driveTypeComboBox")->toolTip(), QString("Parameter P90"));

        m_model->setValue(MaximumFrequency, 1000, false);
        m_model->setValue(SpeedDisplay, DisplayRpm, false);
        QTRY_COMPARE(maximum->toolTip(), QString("Parameter P42\nMinimum: 6000 min-1\nMaximum: 240000 min-1"));
        QCOMPARE(maximum->value(), 60000.0);
        QCOMPARE(maximum->singleStep(), 60.0);
        QCOMPARE(field<QLabel>("maxRevolutionsLabel")->text(), QString("Maximale Drehzahl: "));
        QCOMPARE(field<QLabel>("nominalRevolutionsLabel")->text(), QString("Nenndrehzahl: "));
        QCOMPARE(field<QLabel>("startupFrequencyBLDCLabel")->text(), QString("Anlaufdrehzahl: "));
        QCOMPARE(field("dcBrakeCurrentSpinBox")->suffix(), QString(" A-"));
        QCOMPARE(field("frequency1SpinBox")->suffix(), QString(" Hz"));

        // The speed shown stays when the pole pairs change; the stored frequency follows.
        QSignalSpy changed(m_page, &DriveWidgetHalvex::parameterChangedByUser);
        m_model->setValue(PolePairs, 2, false);
        QTRY_COMPARE(maximum->singleStep(), 30.0);
        QCOMPARE(maximum->value(), 60000.0);
        QCOMPARE(m_model->rawValue(MaximumFrequency), uint16_t(2000));
        QCOMPARE(maximum->toolTip(), QString("Parameter P42\nMinimum: 3000 min-1\nMaximum: 120000 min-1"));
        QCOMPARE(changed.count(), 0);

        m_model->setValue(SpeedDisplay, 0x8005, false);
        QTRY_COMPARE(maximum->suffix(), QString(" Hz"));
        QCOMPARE(maximum->value(), 2000.0);
        QCOMPARE(field<QLabel>("maxRevolutionsLabel")->text(), QString("Maximale Frequenz: "));
    }

    void entryAboveDynamicMaximumIsCorrected()
    {
        field("dcBrakeTimeSpinBox")->setValue(2);
        QSignalSpy changed(m_page, &DriveWidgetHalvex::parameterChangedByUser);
        QDoubleSpinBox *current = field("dcBrakeCurrentSpinBox"); // at most 16 A without an inverter
        current->selectAll();
        QTest::keyClicks(current, "20");
        QTest::keyClick(current, Qt::Key_Enter);
        QCOMPARE(current->value(), 16.0);
        QCOMPARE(m_model->value(DcBrakeCurrent), 16.0);
        QCOMPARE(changed.count(), 1);
    }

    void reloadAndHiddenPage()
    {
        QSignalSpy changed(m_page, &DriveWidgetHalvex::parameterChangedByUser);
        m_model->deviceParameterUpdate({{MaximumFrequency, 3000}, {HoldingCurrent, 25}});
        QTRY_COMPARE(field("maxRevolutionsSpinBox")->value(), 3000.0);
        QCOMPARE(field("stopCurrentSpinBox")->value(), 2.5);

        m_page->hide();
        m_model->deviceParameterUpdate({{MaximumFrequency, 2000}});
        QCoreApplication::processEvents();
        QCOMPARE(field("maxRevolutionsSpinBox")->value(), 3000.0);
        m_page->show();
        QCOMPARE(field("maxRevolutionsSpinBox")->value(), 2000.0);
        QCOMPARE(field("maxRevolutionsSpinBox")->toolTip(), hzToolTip);
        QCOMPARE(changed.count(), 0);
    }

    void motorRunLocksStoppedOnlyFields()
    {
        const char *stoppedOnly[] = {"maxRevolutionsSpinBox", "maxRevolutionsLabel", "driveTypeComboBox",
                                     "polePairsSpinBox", "i2tFunctionLabel", "nominalCurrentSpinBox"};
        m_model->deviceParameterUpdate({{InverterFlags, MotorRuns}});
        QTRY_VERIFY(!field<QWidget>("maxRevolutionsSpinBox")->isEnabled());
        for (const char *name : stoppedOnly)
            QVERIFY2(!field<QWidget>(name)->isEnabled(), name);
        for (const char *name : {"accRampSpinBox", "voltage1SpinBox", "irFactorSpinBox", "stopCurrentLabel"})
            QVERIFY2(field<QWidget>(name)->isEnabled(), name);
        m_model->deviceParameterUpdate({{InverterFlags, 0}});
        QTRY_VERIFY(field<QWidget>("maxRevolutionsSpinBox")->isEnabled());
        for (const char *name : stoppedOnly)
            QVERIFY2(field<QWidget>(name)->isEnabled(), name);
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestParameterFieldBinder)
#include "tst_parameterfieldbinder.moc"
