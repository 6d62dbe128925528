#include "DatasetController.h"
#include "IOWidgetHalvex.h"
#include "PageChecks.h"
#include "RecordingPresenter.h"

#include <QComboBox>
#include <QDoubleSpinBox>

// Numbers, codes and texts restated from the inverter's parameter list and the page's description.
namespace {
enum : uint16_t { InverterFlags = 27, MinimumMotorFrequency = 41, Din1 = 110, PlcInput = 116, AinMode = 129,
                  AinMinimumFrequency = 135, AinMaximumFrequency = 136 };
enum : uint16_t { Off = 0, StartStop = 0x803B, AinVoltage = 0x805A, AinCurrent = 0x805B, MotorRuns = 0x0008 };
} // namespace

class TestIOWidgetHalvex : public QObject
{
    Q_OBJECT

    DatasetController *m_model = nullptr;
    IOWidgetHalvex *m_page = nullptr;
    RecordingPresenter m_presenter;

    template <typename T = QWidget>
    T *field(const QString &name) const { return m_page->findChild<T *>(name); }
    void choose(const QString &comboBox, uint16_t code)
    {
        auto *box = field<QComboBox>(comboBox);
        box->setCurrentIndex(box->findData(uint(code)));
    }
    uint code(const char *comboBox) const { return field<QComboBox>(comboBox)->currentData().toUInt(); }

private slots:
    void init()
    {
        m_model = new DatasetController(nullptr);
        m_page = new IOWidgetHalvex(m_model, nullptr);
        m_page->setMessagePresenter(&m_presenter);
        m_presenter.boxes.clear();
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page));
    }
    void cleanup() { delete m_page, delete m_model; }

    void fieldsAreBound()
    {
        QCOMPARE(unboundField(m_page, "din1ComboBox=110 din2ComboBox=111 din3ComboBox=112 din4ComboBox=113 "
                                      "din5ComboBox=114 din6ComboBox=115 plcInputComboBox=116 relais1ComboBox=120 "
                                      "relais2ComboBox=121 relaisCurrentSpinBox=125 ainComboBox=129 "
                                      "maxVoltageAINSpinBox=137 maxCurrentAINSpinBox=138 minRevolutionsAINSpinBox=135 "
                                      "maxRevolutionsAINSpinBox=136 ff1SpinBox=104 ff2SpinBox=105 ff3SpinBox=106 "
                                      "ff4SpinBox=107 canNodeIdSpinBox=130"),
                 QString());
        QCOMPARE(field<QComboBox>("relais1ComboBox")->count(), 12); // "Aus" and eleven states
    }

    void din1AndPlcInputExcludeEachOther_data()
    {
        QTest::addColumn<QString>("active");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("chosenNumber");
        QTest::addColumn<QString>("message");
        QTest::newRow("DIN 1 while PLC input active")
            << "plcInputComboBox" << "din1ComboBox" << int(Din1)
            << "Bitte deaktivieren Sie den SPS-Eingang, um den digitalen Eingang DIN1 aktivieren zu können.\n\n";
        QTest::newRow("PLC input while DIN 1 active")
            << "din1ComboBox" << "plcInputComboBox" << int(PlcInput)
            << "Bitte deaktivieren Sie den digitalen Eingang DIN1, um den SPS-Eingang aktivieren zu können.\n\n";
    }
    void din1AndPlcInputExcludeEachOther()
    {
        QFETCH(QString, active);
        QFETCH(QString, chosen);
        QFETCH(int, chosenNumber);
        // With the other one off, either can be set without a message.
        choose(chosen, Off);
        choose(active, StartStop);
        QVERIFY(m_presenter.boxes.isEmpty());
        QCOMPARE(m_model->value(uint16_t(active == "din1ComboBox" ? Din1 : PlcInput)), double(StartStop));

        choose(chosen, StartStop);
        QCOMPARE(m_presenter.boxes.size(), 1);
        QVERIFY(!m_presenter.boxes.first().parent && m_presenter.boxes.first().title == "Torvana");
        QTEST(m_presenter.boxes.first().text, "message");
        QCOMPARE(field<QComboBox>(chosen)->currentData().toUInt(), uint(Off));
        QCOMPARE(m_model->value(uint16_t(chosenNumber)), 0.0);
        QCOMPARE(field<QComboBox>(active)->currentData().toUInt(), uint(StartStop));
    }

    // Signals are blocked during a reload; refilling the boxes on a language switch is no choice either.
    void conflictingSetFromInverterShowsNoMessage()
    {
        QSignalSpy changed(m_page, &IOWidgetHalvex::parameterChangedByUser);
        m_model->deviceParameterUpdate({{Din1, StartStop}, {PlcInput, StartStop}, {AinMode, AinCurrent}});
        QTRY_COMPARE(code("plcInputComboBox"), uint(StartStop));
        QCOMPARE(code("din1ComboBox"), uint(StartStop));

        {
            English english;
            QTRY_COMPARE(field<QComboBox>("plcInputComboBox")->currentText(), QString("Start/Stop"));
            QCOMPARE(code("din1ComboBox"), uint(StartStop));
            QCOMPARE(code("ainComboBox"), uint(AinCurrent));
            QVERIFY(!field("maxVoltageAINSpinBox")->isEnabled() && field("maxCurrentAINSpinBox")->isEnabled());
        }
        QTRY_COMPARE(m_page->windowTitle(), QString("Ein- und Ausgänge"));
        QVERIFY(m_presenter.boxes.isEmpty());
        QCOMPARE(changed.count(), 0);
    }

    void ainModeEnablesItsRange()
    {
        const QWidgetList voltage = {field("maxVoltageAINSpinBox"), field("maxVoltageAINLabel")};
        const QWidgetList current = {field("maxCurrentAINSpinBox"), field("maxCurrentAINLabel")};
        for (bool currentMode : {true, false}) {
            if (currentMode)
                choose("ainComboBox", AinCurrent); // a choice of the user
            else
                m_model->deviceParameterUpdate({{AinMode, AinVoltage}}); // a reload
            QTRY_COMPARE(code("ainComboBox"), uint(currentMode ? AinCurrent : AinVoltage));
            for (QWidget *w : voltage)
                QCOMPARE(w->isEnabled(), !currentMode);
            for (QWidget *w : current)
                QCOMPARE(w->isEnabled(), currentMode);
        }
    }

    void frequencyLimits()
    {
        auto *minimum = field<QDoubleSpinBox>("minRevolutionsAINSpinBox");
        auto *maximum = field<QDoubleSpinBox>("maxRevolutionsAINSpinBox");
        minimum->setValue(500);
        QCOMPARE(maximum->value(), 500.0);
        QCOMPARE(m_model->value(AinMaximumFrequency), 500.0);
        QCOMPARE(maximum->toolTip(), QString("Parameter P136\nMinimum: 500 Hz\nMaximum: 4000 Hz"));
        maximum->setValue(200);
        QCOMPARE(maximum->value(), 500.0);
        QCOMPARE(m_model->value(AinMinimumFrequency), 500.0);

        // The fixed frequencies start at the motor's minimum frequency.
        m_model->deviceParameterUpdate({{MinimumMotorFrequency, 60}, {104, 10}});
        QTRY_COMPARE(field<QDoubleSpinBox>("ff1SpinBox")->value(), 60.0);
        QCOMPARE(field("ff2SpinBox")->toolTip(), QString("Parameter P105\nMinimum: 60 Hz\nMaximum: 4000 Hz"));
    }

    void motorRunLocksInputFunctions()
    {
        const QStringList locked = {"din1ComboBox", "din2ComboBox", "din3ComboBox", "din4ComboBox",
                                    "din5ComboBox", "din6ComboBox", "plcInputComboBox", "ainComboBox",
                                    "din1Label", "plcInputLabel", "ainLabel"};
        m_model->deviceParameterUpdate({{InverterFlags, MotorRuns}});
        QTRY_VERIFY(!field("din1ComboBox")->isEnabled());
        for (const QString &name : locked)
            QVERIFY2(!field(name)->isEnabled(), qPrintable(name));
        for (const char *name : {"ff1SpinBox", "ff4SpinBox", "relais1ComboBox", "maxRevolutionsAINSpinBox"})
            QVERIFY2(field(name)->isEnabled(), name);
        m_model->deviceParameterUpdate({{InverterFlags, 0}});
        QTRY_VERIFY(field("din1ComboBox")->isEnabled());
        for (const QString &name : locked)
            QVERIFY2(field(name)->isEnabled(), qPrintable(name));
    }
};

QTEST_MAIN(TestIOWidgetHalvex)
#include "tst_iowidgethalvex.moc"
