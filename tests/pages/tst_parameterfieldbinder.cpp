#include "DatasetController.h"
#include "ParameterFieldBinder.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

// Parameter numbers, codes and limits are restated from the inverter's
// parameter list rather than taken from the model.
namespace {
constexpr uint16_t speedDisplay = 8;
constexpr uint16_t inverterFlags = 27;
constexpr uint16_t maximumFrequency = 42;   // 100 ... 4000 Hz, stopped only, convertible
constexpr uint16_t accelerationRamp = 46;   // writable at any time
constexpr uint16_t dcBrakeCurrent = 56;     // at most 16 A without an inverter
constexpr uint16_t holdingCurrent = 57;     // 0 ... 3 A, off state
constexpr uint16_t polePairs = 96;
constexpr uint16_t activePower = 19;        // operating value
constexpr uint16_t din1 = 110;              // stopped only
constexpr uint16_t displayHz = 0x8005;
constexpr uint16_t displayRpm = 0x8006;
constexpr uint16_t startStop = 0x803B;
constexpr uint16_t stop = 0x803C;
constexpr uint16_t motorRunsBit = 0x0008;
} // namespace

// A minimal parameter page wired the way the operating pages wire themselves.
class FieldTestPage : public QWidget
{
    Q_OBJECT

public:
    explicit FieldTestPage(DatasetController *model)
    {
        auto *grid = new QGridLayout(this);
        maximumFrequencySpinBox = addSpinBox(grid, maximumFrequency, " Hz", 0, 100);
        holdingCurrentSpinBox = addSpinBox(grid, holdingCurrent, " A-", 1, 0, "Aus");
        dcBrakeCurrentSpinBox = addSpinBox(grid, dcBrakeCurrent, " A-", 1, 0);
        rampSpinBox = addSpinBox(grid, accelerationRamp, " s", 1, 0.5);
        powerSpinBox = addSpinBox(grid, activePower, " W", 0, 0);
        powerSpinBox->setReadOnly(true);
        din1ComboBox = new QComboBox(this);
        din1ComboBox->setAccessibleDescription(QString::number(din1));
        din1Label = addCaption(grid, din1, "DIN 1: ");
        grid->addWidget(din1ComboBox, grid->rowCount() - 1, 1);
        maximumFrequencyLabel = findChildren<QLabel *>().first();

        fields = new ParameterFieldBinder(this, model);
        connect(fields, &ParameterFieldBinder::parameterChangedByUser, this, &FieldTestPage::parameterChangedByUser);
        fields->collectFields(true);
        fields->updateToolTips();
        fields->fillComboBoxes();
        fields->motorStateChanged(model->motorRunning());
        fields->updateSpeedDisplay();
        connect(model, &DatasetController::parametersUpdated, this, [this] { fields->updateParameters(); },
                Qt::QueuedConnection);
        connect(model, &DatasetController::motorOperationChanged, this,
                [this](bool runs) { fields->motorStateChanged(runs); }, Qt::QueuedConnection);
        connect(model, &DatasetController::speedDisplayChanged, this, [this] { fields->updateSpeedDisplay(); },
                Qt::QueuedConnection);
        connect(model, &DatasetController::motorPolePairsChanged, this,
                [this] { fields->setConvertibleParameters(); });
    }

    ParameterFieldBinder *fields = nullptr;
    QDoubleSpinBox *maximumFrequencySpinBox = nullptr;
    QDoubleSpinBox *holdingCurrentSpinBox = nullptr;
    QDoubleSpinBox *dcBrakeCurrentSpinBox = nullptr;
    QDoubleSpinBox *rampSpinBox = nullptr;
    QDoubleSpinBox *powerSpinBox = nullptr;
    QComboBox *din1ComboBox = nullptr;
    QLabel *maximumFrequencyLabel = nullptr;
    QLabel *din1Label = nullptr;
    int comboEntriesWhileRetranslating = 0;

signals:
    void parameterChangedByUser();

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange) {
            fields->beginRetranslation();
            fields->fillComboBoxes();
            fields->updateSpeedDisplay();
            fields->updateToolTips();
            fields->finishRetranslation();
        }
        QWidget::changeEvent(event);
    }
    void showEvent(QShowEvent *event) override
    {
        fields->updateParameters();
        QWidget::showEvent(event);
    }

private:
    QLabel *addCaption(QGridLayout *grid, uint16_t id, const QString &text)
    {
        auto *label = new QLabel(text, this);
        label->setAccessibleDescription(QString::number(id));
        grid->addWidget(label, grid->rowCount(), 0);
        return label;
    }
    QDoubleSpinBox *addSpinBox(QGridLayout *grid, uint16_t id, const QString &suffix, int decimals,
                               double minimum, const QString &offText = QString())
    {
        addCaption(grid, id, QStringLiteral("P%1: ").arg(id));
        auto *spinBox = new QDoubleSpinBox(this);
        spinBox->setAccessibleDescription(QString::number(id));
        spinBox->setKeyboardTracking(false);
        spinBox->setDecimals(decimals);
        spinBox->setRange(minimum, 100000000);
        spinBox->setSuffix(suffix);
        spinBox->setSpecialValueText(offText);
        grid->addWidget(spinBox, grid->rowCount() - 1, 1);
        return spinBox;
    }
};

class TestParameterFieldBinder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void parameterNumber_data();
    void parameterNumber();
    void toolTips_data();
    void toolTips();
    void toolTipsInMin1();
    void polePairChangeKeepsShownSpeed();
    void entryAboveDynamicMaximumIsCorrected();
    void comboEntryReachesModel();
    void reloadWithinLimitsIsNoEntry();
    void hiddenPageCatchesUpOnShow();
    void languageSwitchKeepsComboCodes();
    void motorRunLocksStoppedOnlyFields();

private:
    DatasetController *m_model = nullptr;
    FieldTestPage *m_page = nullptr;
};

void TestParameterFieldBinder::init()
{
    m_model = new DatasetController(nullptr);
    m_page = new FieldTestPage(m_model);
}

void TestParameterFieldBinder::cleanup()
{
    delete m_page;
    delete m_model;
}

void TestParameterFieldBinder::parameterNumber_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("number");
    QTest::newRow("decimal") << "93" << 93;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("text") << "RatedCurrent" << 0;
    QTest::newRow("hexadecimal is not read") << "0x10" << 0;
    QTest::newRow("largest") << "65535" << 65535;
    QTest::newRow("beyond 16 bits") << "65536" << 0;
    QTest::newRow("negative") << "-1" << 0;
}

void TestParameterFieldBinder::parameterNumber()
{
    QFETCH(QString, description);
    QFETCH(int, number);
    QLabel label;
    label.setAccessibleDescription(description);
    QCOMPARE(int(ParameterFieldBinder::parameterNumber(&label)), number);
    QCOMPARE(int(ParameterFieldBinder::parameterNumber(nullptr)), 0);
}

void TestParameterFieldBinder::toolTips_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("range") << "maximumFrequency" << "Parameter P42\nMinimum: 100 Hz\nMaximum: 4000 Hz";
    QTest::newRow("off state") << "holdingCurrent" << "Parameter P57\nMinimum: Aus\nMaximum: 3 A-";
    QTest::newRow("fractional limit") << "ramp" << "Parameter P46\nMinimum: 0.5 s\nMaximum: 400 s";
    QTest::newRow("read only") << "power" << "Parameter P19";
    QTest::newRow("combo box") << "din1" << "Parameter P110";
}

void TestParameterFieldBinder::toolTips()
{
    QFETCH(QString, field);
    QFETCH(QString, toolTip);
    const QMap<QString, QWidget *> fields = {
        {"maximumFrequency", m_page->maximumFrequencySpinBox}, {"holdingCurrent", m_page->holdingCurrentSpinBox},
        {"ramp", m_page->rampSpinBox}, {"power", m_page->powerSpinBox}, {"din1", m_page->din1ComboBox}};
    QCOMPARE(fields.value(field)->toolTip(), toolTip);
}

void TestParameterFieldBinder::toolTipsInMin1()
{
    m_model->setValue(speedDisplay, displayRpm, false);
    // One pole pair: 100 Hz and 4000 Hz are 6000 and 240000 min-1.
    QTRY_COMPARE(m_page->maximumFrequencySpinBox->toolTip(),
                 QString("Parameter P42\nMinimum: 6000 min-1\nMaximum: 240000 min-1"));
    QCOMPARE(m_page->maximumFrequencySpinBox->suffix(), QString(" min-1"));
    QCOMPARE(m_page->maximumFrequencySpinBox->value(), 6000.0); // default 100 Hz
    QCOMPARE(m_page->maximumFrequencySpinBox->singleStep(), 60.0);
    QCOMPARE(m_page->maximumFrequencyLabel->text(), QString("Maximale Drehzahl: "));
    // Fields that are not convertible keep their unit.
    QCOMPARE(m_page->dcBrakeCurrentSpinBox->suffix(), QString(" A-"));

    m_model->setValue(speedDisplay, displayHz, false);
    QTRY_COMPARE(m_page->maximumFrequencySpinBox->suffix(), QString(" Hz"));
    QCOMPARE(m_page->maximumFrequencySpinBox->toolTip(), QString("Parameter P42\nMinimum: 100 Hz\nMaximum: 4000 Hz"));
    QCOMPARE(m_page->maximumFrequencyLabel->text(), QString("Maximale Frequenz: "));
}

void TestParameterFieldBinder::polePairChangeKeepsShownSpeed()
{
    m_model->setValue(maximumFrequency, 1000, false);
    m_model->setValue(speedDisplay, displayRpm, false);
    QTRY_COMPARE(m_page->maximumFrequencySpinBox->value(), 60000.0);
    QSignalSpy changed(m_page, &FieldTestPage::parameterChangedByUser);

    // Applied before setValue returns: the connection is immediate.
    m_model->setValue(polePairs, 2, false);
    QCOMPARE(m_page->maximumFrequencySpinBox->value(), 60000.0);
    QCOMPARE(int(m_model->rawValue(maximumFrequency)), 2000); // stored in Hz
    QCOMPARE(m_page->maximumFrequencySpinBox->singleStep(), 30.0);
    QCOMPARE(m_page->maximumFrequencySpinBox->toolTip(),
             QString("Parameter P42\nMinimum: 3000 min-1\nMaximum: 120000 min-1"));
    QCOMPARE(changed.count(), 0);
}

void TestParameterFieldBinder::entryAboveDynamicMaximumIsCorrected()
{
    QSignalSpy changed(m_page, &FieldTestPage::parameterChangedByUser);
    QSignalSpy applied(m_page->fields, &ParameterFieldBinder::entryApplied);
    QDoubleSpinBox *field = m_page->dcBrakeCurrentSpinBox;
    field->selectAll();
    QTest::keyClicks(field, "20");
    QTest::keyClick(field, Qt::Key_Enter);

    QCOMPARE(field->value(), 16.0);
    QCOMPARE(m_model->value(dcBrakeCurrent), 16.0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(applied.count(), 1);
    QCOMPARE(applied.first().at(0).value<QWidget *>(), field);
    QCOMPARE(applied.first().at(1).value<uint16_t>(), dcBrakeCurrent);
}

void TestParameterFieldBinder::comboEntryReachesModel()
{
    QSignalSpy changed(m_page, &FieldTestPage::parameterChangedByUser);
    QComboBox *field = m_page->din1ComboBox;
    QCOMPARE(field->count(), 3); // Aus, Start/Stopp, Stopp in ascending code
    QCOMPARE(field->itemText(0), QString("Aus"));
    QCOMPARE(field->itemData(1).toUInt(), uint(startStop));
    QCOMPARE(field->currentData().toUInt(), uint(startStop)); // the default

    field->setCurrentIndex(field->findData(uint(stop)));
    QCOMPARE(m_model->value(din1), double(stop));
    QCOMPARE(changed.count(), 1);

    // An entry that is not announced as a change (the start page's set-point).
    m_page->fields->setChangeSignalSuppressed(din1);
    field->setCurrentIndex(0);
    QCOMPARE(m_model->value(din1), 0.0);
    QCOMPARE(changed.count(), 1);
}

void TestParameterFieldBinder::reloadWithinLimitsIsNoEntry()
{
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
    QSignalSpy changed(m_page, &FieldTestPage::parameterChangedByUser);
    m_model->deviceParameterUpdate({{maximumFrequency, 3000}, {din1, stop}, {holdingCurrent, 25}});
    QTRY_COMPARE(m_page->maximumFrequencySpinBox->value(), 3000.0);
    QCOMPARE(m_page->din1ComboBox->currentData().toUInt(), uint(stop));
    QCOMPARE(m_page->holdingCurrentSpinBox->value(), 2.5);
    QCOMPARE(changed.count(), 0);
    // Tooltips are not rewritten by a reload.
    QCOMPARE(m_page->maximumFrequencySpinBox->toolTip(), QString("Parameter P42\nMinimum: 100 Hz\nMaximum: 4000 Hz"));
}

void TestParameterFieldBinder::hiddenPageCatchesUpOnShow()
{
    QVERIFY(!m_page->isVisible());
    QSignalSpy updated(m_model, &DatasetController::parametersUpdated);
    m_model->deviceParameterUpdate({{maximumFrequency, 2000}});
    QCOMPARE(updated.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(m_page->maximumFrequencySpinBox->value(), 100.0); // still the default

    m_page->show();
    QCOMPARE(m_page->maximumFrequencySpinBox->value(), 2000.0);
}

void TestParameterFieldBinder::languageSwitchKeepsComboCodes()
{
    m_model->setValue(din1, stop, false);
    m_page->fields->updateParameters(); // hidden: nothing happens
    QCOMPARE(m_page->din1ComboBox->currentData().toUInt(), uint(startStop));
    m_page->show();
    QCOMPARE(m_page->din1ComboBox->currentText(), QString("Stopp"));
    QSignalSpy changed(m_page, &FieldTestPage::parameterChangedByUser);

    QTranslator english;
    QVERIFY(english.load(":/Translations/English.qm"));
    QVERIFY(QCoreApplication::installTranslator(&english));
    QTRY_COMPARE(m_page->din1ComboBox->currentText(), QString("Stop"));
    QCOMPARE(m_page->din1ComboBox->itemText(0), QString("Off"));
    QCOMPARE(m_page->din1ComboBox->currentData().toUInt(), uint(stop));
    QCOMPARE(m_page->fields->eventInProgress(), 0);

    QCoreApplication::removeTranslator(&english);
    QTRY_COMPARE(m_page->din1ComboBox->currentText(), QString("Stopp"));
    QCOMPARE(m_page->din1ComboBox->currentData().toUInt(), uint(stop));
    QCOMPARE(m_model->value(din1), double(stop));
    QCOMPARE(changed.count(), 0);

    // Still bound after the refills: a choice reaches the model once.
    m_page->din1ComboBox->setCurrentIndex(1);
    QCOMPARE(m_model->value(din1), double(startStop));
    QCOMPARE(changed.count(), 1);
}

void TestParameterFieldBinder::motorRunLocksStoppedOnlyFields()
{
    const QList<QWidget *> stoppedOnly = {m_page->maximumFrequencySpinBox, m_page->maximumFrequencyLabel,
                                          m_page->din1ComboBox, m_page->din1Label};
    m_model->deviceParameterUpdate({{inverterFlags, motorRunsBit}});
    QTRY_VERIFY(!m_page->din1ComboBox->isEnabled());
    for (QWidget *widget : stoppedOnly)
        QVERIFY2(!widget->isEnabled(), qPrintable(widget->accessibleDescription()));
    QVERIFY(m_page->rampSpinBox->isEnabled());
    QVERIFY(m_page->dcBrakeCurrentSpinBox->isEnabled());

    m_model->deviceParameterUpdate({{inverterFlags, 0}});
    QTRY_VERIFY(m_page->din1ComboBox->isEnabled());
    for (QWidget *widget : stoppedOnly)
        QVERIFY(widget->isEnabled());
}

QTEST_MAIN(TestParameterFieldBinder)
#include "tst_parameterfieldbinder.moc"
