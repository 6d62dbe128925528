#include "DatasetController.h"
#include "IOWidgetHalvex.h"
#include "MessagePresenter.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

// Numbers, codes and texts restated from the inverter's parameter list and the
// page's description.
namespace {
constexpr uint16_t inverterFlags = 27;
constexpr uint16_t minimumMotorFrequency = 41;
constexpr uint16_t din1 = 110;
constexpr uint16_t plcInput = 116;
constexpr uint16_t ainMinimumFrequency = 135;
constexpr uint16_t ainMaximumFrequency = 136;
constexpr uint16_t off = 0;
constexpr uint16_t startStop = 0x803B;
constexpr uint16_t ainVoltage = 0x805A;
constexpr uint16_t ainCurrent = 0x805B;
constexpr uint16_t motorRunsBit = 0x0008;

const char din1Message[] =
    "Bitte deaktivieren Sie den SPS-Eingang, um den digitalen Eingang DIN1 aktivieren zu können.\n\n";
const char plcMessage[] =
    "Bitte deaktivieren Sie den digitalen Eingang DIN1, um den SPS-Eingang aktivieren zu können.\n\n";

struct Shown
{
    QWidget *parent;
    QString title;
    QString text;
};

class RecordingPresenter : public MessagePresenter
{
public:
    void information(QWidget *parent, const QString &title, const QString &text) override
    {
        shown.append({parent, title, text});
    }
    QList<Shown> shown;
};
} // namespace

class TestIOWidgetHalvex : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void form_data();
    void form();
    void initialState();
    void din1AndPlcInputExcludeEachOther_data();
    void din1AndPlcInputExcludeEachOther();
    void plcInputWithDin1OffIsAccepted();
    void reloadOfConflictingSetShowsNoMessage();
    void ainModeEnablesItsRange();
    void ainMinimumRaisesMaximum();
    void fixedFrequenciesFollowMotorMinimum();
    void motorRunLocksInputFunctions();
    void languageSwitchKeepsChoicesWithoutMessages();

private:
    template <typename T>
    T *field(const char *name) const { return m_page->findChild<T *>(name); }
    void choose(QComboBox *comboBox, uint16_t code) { comboBox->setCurrentIndex(comboBox->findData(uint(code))); }

    DatasetController *m_model = nullptr;
    IOWidgetHalvex *m_page = nullptr;
    RecordingPresenter m_presenter;
};

void TestIOWidgetHalvex::init()
{
    m_model = new DatasetController(nullptr);
    m_page = new IOWidgetHalvex(m_model, nullptr);
    m_page->setMessagePresenter(&m_presenter);
    m_presenter.shown.clear();
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
}

void TestIOWidgetHalvex::cleanup()
{
    delete m_page;
    delete m_model;
}

void TestIOWidgetHalvex::form_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("minimum");
    QTest::newRow("DIN 1") << "din1ComboBox" << 110 << "DIN 1: " << "" << -1 << 0.0;
    QTest::newRow("DIN 2") << "din2ComboBox" << 111 << "DIN 2: " << "" << -1 << 0.0;
    QTest::newRow("DIN 3") << "din3ComboBox" << 112 << "DIN 3: " << "" << -1 << 0.0;
    QTest::newRow("DIN 4") << "din4ComboBox" << 113 << "DIN 4: " << "" << -1 << 0.0;
    QTest::newRow("DIN 5") << "din5ComboBox" << 114 << "DIN 5: " << "" << -1 << 0.0;
    QTest::newRow("DIN 6") << "din6ComboBox" << 115 << "DIN 6: " << "" << -1 << 0.0;
    QTest::newRow("PLC") << "plcInputComboBox" << 116 << "SPS-Eingang: " << "" << -1 << 0.0;
    QTest::newRow("warning current") << "relaisCurrentSpinBox" << 125 << "Relais-Warnstrom:" << " A~" << 1 << 0.4;
    QTest::newRow("relay 1") << "relais1ComboBox" << 120 << "Relais 1: " << "" << -1 << 0.0;
    QTest::newRow("relay 2") << "relais2ComboBox" << 121 << "Relais 2: " << "" << -1 << 0.0;
    QTest::newRow("AIN") << "ainComboBox" << 129 << "AIN: " << "" << -1 << 0.0;
    QTest::newRow("AIN voltage") << "maxVoltageAINSpinBox" << 137 << "Maximale Spannung: " << " V" << 1 << 1.0;
    QTest::newRow("AIN current") << "maxCurrentAINSpinBox" << 138 << "Maximaler Strom: " << " mA" << 1 << 4.0;
    QTest::newRow("AIN min") << "minRevolutionsAINSpinBox" << 135 << "Minimale Frequenz: " << " Hz" << 0 << 0.0;
    QTest::newRow("AIN max") << "maxRevolutionsAINSpinBox" << 136 << "Maximale Frequenz: " << " Hz" << 0 << 0.0;
    QTest::newRow("FF 1") << "ff1SpinBox" << 104 << "Festfrequenz 1:" << " Hz" << 0 << 5.0;
    QTest::newRow("FF 2") << "ff2SpinBox" << 105 << "Festfrequenz 2: " << " Hz" << 0 << 5.0;
    QTest::newRow("FF 3") << "ff3SpinBox" << 106 << "Festfrequenz 3: " << " Hz" << 0 << 5.0;
    QTest::newRow("FF 4") << "ff4SpinBox" << 107 << "Festfrequenz 4: " << " Hz" << 0 << 5.0;
    QTest::newRow("CAN") << "canNodeIdSpinBox" << 130 << "CAN Node-ID: " << "" << 0 << 1.0;
}

void TestIOWidgetHalvex::form()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    QFETCH(QString, caption);
    QFETCH(QString, suffix);
    QFETCH(int, decimals);
    QFETCH(double, minimum);

    auto *widget = m_page->findChild<QWidget *>(name);
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
        QVERIFY(!spinBox->keyboardTracking());
        QCOMPARE(spinBox->correctionMode(), QAbstractSpinBox::CorrectToNearestValue);
        QCOMPARE(spinBox->toolTip().section('\n', 0, 0), QString("Parameter P%1").arg(number));
    } else {
        QVERIFY(qobject_cast<QComboBox *>(widget));
        QCOMPARE(widget->toolTip(), QString("Parameter P%1").arg(number));
    }
}

void TestIOWidgetHalvex::initialState()
{
    QCOMPARE(m_page->windowTitle(), QString("Ein- und Ausgänge"));
    // Defaults: DIN1 "Start/Stopp", PLC input "Aus", AIN voltage mode.
    QCOMPARE(field<QComboBox>("din1ComboBox")->currentData().toUInt(), uint(startStop));
    QCOMPARE(field<QComboBox>("plcInputComboBox")->currentData().toUInt(), uint(off));
    QCOMPARE(field<QComboBox>("relais1ComboBox")->count(), 12); // "Aus" and eleven states
    QCOMPARE(field<QComboBox>("ainComboBox")->itemText(1), QString("I (0 ... 20 mA)"));
    QVERIFY(field<QDoubleSpinBox>("maxVoltageAINSpinBox")->isEnabled());
    QVERIFY(!field<QDoubleSpinBox>("maxCurrentAINSpinBox")->isEnabled());
    QCOMPARE(field<QDoubleSpinBox>("ff1SpinBox")->value(), 100.0);
    QCOMPARE(field<QDoubleSpinBox>("relaisCurrentSpinBox")->toolTip(),
             QString("Parameter P125\nMinimum: 0.4 A~\nMaximum: 12 A~"));
}

void TestIOWidgetHalvex::din1AndPlcInputExcludeEachOther_data()
{
    QTest::addColumn<QString>("active");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("chosenNumber");
    QTest::addColumn<QString>("message");
    QTest::newRow("DIN 1 while PLC input active") << "plcInputComboBox" << "din1ComboBox" << int(din1)
                                                   << QString::fromUtf8(din1Message);
    QTest::newRow("PLC input while DIN 1 active") << "din1ComboBox" << "plcInputComboBox" << int(plcInput)
                                                   << QString::fromUtf8(plcMessage);
}

void TestIOWidgetHalvex::din1AndPlcInputExcludeEachOther()
{
    QFETCH(QString, active);
    QFETCH(QString, chosen);
    QFETCH(int, chosenNumber);
    QFETCH(QString, message);

    auto *activeBox = m_page->findChild<QComboBox *>(active);
    auto *chosenBox = m_page->findChild<QComboBox *>(chosen);
    choose(chosenBox, off);
    choose(activeBox, startStop);
    QVERIFY(m_presenter.shown.isEmpty());

    QSignalSpy changed(m_page, &IOWidgetHalvex::parameterChangedByUser);
    choose(chosenBox, startStop);

    QCOMPARE(m_presenter.shown.size(), 1);
    QCOMPARE(m_presenter.shown.first().parent, nullptr);
    QCOMPARE(m_presenter.shown.first().title, QString("Torvana"));
    QCOMPARE(m_presenter.shown.first().text, message);
    QCOMPARE(chosenBox->currentData().toUInt(), uint(off));
    QCOMPARE(m_model->value(uint16_t(chosenNumber)), 0.0);
    QCOMPARE(activeBox->currentData().toUInt(), uint(startStop));
    QVERIFY(changed.count() >= 1);
}

void TestIOWidgetHalvex::plcInputWithDin1OffIsAccepted()
{
    choose(field<QComboBox>("din1ComboBox"), off);
    choose(field<QComboBox>("plcInputComboBox"), startStop);
    QVERIFY(m_presenter.shown.isEmpty());
    QCOMPARE(m_model->value(plcInput), double(startStop));
    QCOMPARE(m_model->value(din1), 0.0);
}

void TestIOWidgetHalvex::reloadOfConflictingSetShowsNoMessage()
{
    QSignalSpy changed(m_page, &IOWidgetHalvex::parameterChangedByUser);
    m_model->deviceParameterUpdate({{din1, startStop}, {plcInput, startStop}});
    QTRY_COMPARE(field<QComboBox>("plcInputComboBox")->currentData().toUInt(), uint(startStop));
    QCOMPARE(field<QComboBox>("din1ComboBox")->currentData().toUInt(), uint(startStop));
    QVERIFY(m_presenter.shown.isEmpty());
    QCOMPARE(changed.count(), 0);
}

void TestIOWidgetHalvex::ainModeEnablesItsRange()
{
    auto *mode = field<QComboBox>("ainComboBox");
    const QList<QWidget *> voltage = {field<QWidget>("maxVoltageAINSpinBox"), field<QWidget>("maxVoltageAINLabel")};
    const QList<QWidget *> current = {field<QWidget>("maxCurrentAINSpinBox"), field<QWidget>("maxCurrentAINLabel")};

    choose(mode, ainCurrent);
    QCOMPARE(m_model->value(129), double(ainCurrent));
    for (QWidget *w : voltage)
        QVERIFY(!w->isEnabled());
    for (QWidget *w : current)
        QVERIFY(w->isEnabled());

    // A mode read from the inverter applies on the reload.
    m_model->deviceParameterUpdate({{129, ainVoltage}});
    QTRY_COMPARE(mode->currentData().toUInt(), uint(ainVoltage));
    for (QWidget *w : voltage)
        QVERIFY(w->isEnabled());
    for (QWidget *w : current)
        QVERIFY(!w->isEnabled());
}

void TestIOWidgetHalvex::ainMinimumRaisesMaximum()
{
    auto *minimum = field<QDoubleSpinBox>("minRevolutionsAINSpinBox");
    auto *maximum = field<QDoubleSpinBox>("maxRevolutionsAINSpinBox");
    QCOMPARE(maximum->value(), 100.0); // default
    minimum->setValue(500);
    QCOMPARE(m_model->value(ainMinimumFrequency), 500.0);
    QCOMPARE(maximum->value(), 500.0);
    QCOMPARE(m_model->value(ainMaximumFrequency), 500.0);
    QCOMPARE(maximum->toolTip(), QString("Parameter P136\nMinimum: 500 Hz\nMaximum: 4000 Hz"));

    // The maximum cannot be set below the minimum.
    maximum->setValue(200);
    QCOMPARE(maximum->value(), 500.0);
}

void TestIOWidgetHalvex::fixedFrequenciesFollowMotorMinimum()
{
    m_model->deviceParameterUpdate({{minimumMotorFrequency, 60}, {104, 10}});
    auto *ff1 = field<QDoubleSpinBox>("ff1SpinBox");
    QTRY_COMPARE(ff1->value(), 60.0);
    QCOMPARE(ff1->toolTip(), QString("Parameter P104\nMinimum: 60 Hz\nMaximum: 4000 Hz"));
    QCOMPARE(field<QDoubleSpinBox>("ff2SpinBox")->toolTip(), QString("Parameter P105\nMinimum: 60 Hz\nMaximum: 4000 Hz"));
}

void TestIOWidgetHalvex::motorRunLocksInputFunctions()
{
    const QStringList locked = {"din1ComboBox", "din2ComboBox", "din3ComboBox", "din4ComboBox", "din5ComboBox",
                                "din6ComboBox", "plcInputComboBox", "ainComboBox", "din1Label", "plcInputLabel",
                                "ainLabel"};
    const QStringList free = {"ff1SpinBox", "ff4SpinBox", "relais1ComboBox", "relaisCurrentSpinBox",
                              "minRevolutionsAINSpinBox", "maxRevolutionsAINSpinBox", "canNodeIdSpinBox"};
    m_model->deviceParameterUpdate({{inverterFlags, motorRunsBit}});
    QTRY_VERIFY(!field<QWidget>("din1ComboBox")->isEnabled());
    for (const QString &name : locked)
        QVERIFY2(!m_page->findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
    for (const QString &name : free)
        QVERIFY2(m_page->findChild<QWidget *>(name)->isEnabled(), qPrintable(name));

    m_model->deviceParameterUpdate({{inverterFlags, 0}});
    QTRY_VERIFY(field<QWidget>("din1ComboBox")->isEnabled());
    for (const QString &name : locked)
        QVERIFY2(m_page->findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
}

void TestIOWidgetHalvex::languageSwitchKeepsChoicesWithoutMessages()
{
    // A conflicting pair read from the inverter: refilling the boxes must not
    // count as a choice of either.
    m_model->deviceParameterUpdate({{din1, startStop}, {plcInput, startStop}, {129, ainCurrent}});
    auto *plc = field<QComboBox>("plcInputComboBox");
    QTRY_COMPARE(plc->currentData().toUInt(), uint(startStop));
    QSignalSpy changed(m_page, &IOWidgetHalvex::parameterChangedByUser);

    QTranslator english;
    QVERIFY(english.load(":/Translations/English.qm"));
    QVERIFY(QCoreApplication::installTranslator(&english));
    QTRY_COMPARE(m_page->windowTitle(), QString("Inputs and Outputs"));
    QCOMPARE(plc->currentText(), QString("Start/Stop"));
    QCOMPARE(field<QLabel>("plcInputLabel")->text(), QString("PLC input: "));
    QCOMPARE(field<QComboBox>("din1ComboBox")->currentData().toUInt(), uint(startStop));
    QCOMPARE(field<QComboBox>("ainComboBox")->currentData().toUInt(), uint(ainCurrent));
    QVERIFY(!field<QWidget>("maxVoltageAINSpinBox")->isEnabled());
    QVERIFY(field<QWidget>("maxCurrentAINSpinBox")->isEnabled());
    QCOMPARE(field<QDoubleSpinBox>("ff1SpinBox")->toolTip(),
             QString("Parameter P104\nMinimum: 50 Hz\nMaximum: 4000 Hz"));
    QCOMPARE(field<QDoubleSpinBox>("ff1SpinBox")->suffix(), QString(" Hz"));
    QVERIFY(m_presenter.shown.isEmpty());
    QCOMPARE(changed.count(), 0);
    QCoreApplication::removeTranslator(&english);
    QTRY_COMPARE(m_page->windowTitle(), QString("Ein- und Ausgänge"));
}

QTEST_MAIN(TestIOWidgetHalvex)
#include "tst_iowidgethalvex.moc"
