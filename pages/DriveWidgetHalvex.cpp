#include "DriveWidgetHalvex.h"
#include "ui_DriveWidgetHalvex.h"

#include "DatasetController.h"
#include "ParameterFieldBinder.h"
#include "ParameterId.h"

#include <QAbstractSpinBox>
#include <QEvent>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The binder's texts in this page's context (see ParameterFieldBinder.h).
[[maybe_unused]] const char *const fieldTexts[] = {
    QT_TRANSLATE_NOOP("DriveWidgetHalvex", "Parameter P%1"),
    QT_TRANSLATE_NOOP("DriveWidgetHalvex", "Parameter P%1\nMinimum: %2%3\nMaximum: %4%5"),
    QT_TRANSLATE_NOOP("DriveWidgetHalvex", "Parameter P%1\nMinimum: %2\nMaximum: %3%4"),
    QT_TRANSLATE_NOOP("DriveWidgetHalvex", " Hz"),
    QT_TRANSLATE_NOOP("DriveWidgetHalvex", " min-1"),
};

// The controller type line has no parameter of its own; its caption and field
// carry this number so that they are hidden together for a PMSM.
constexpr uint16_t ControllerTypeLine = 70;

constexpr uint16_t I2tDeactivated = 0x806A;

struct SensorDefault
{
    uint16_t code;
    double ohm;
};
// Typical resistance of each sensor type at its response temperature.
constexpr std::array<SensorDefault, 4> SensorDefaults{{
    {0x802A, 1234}, // NTC
    {0x802B, 1330}, // PTC
    {0x802C, 1385}, // PT1000
    {0x802D, 1025}, // KTY84
}};

bool isOneOf(uint16_t id, std::initializer_list<uint16_t> ids)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

} // namespace

DriveWidgetHalvex::DriveWidgetHalvex(DatasetController *datasetController,
                                     CommunicationController *communicationController, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DriveWidgetHalvex>())
    , m_parent(parent)
    , m_datasetController(datasetController)
    , m_communicationController(communicationController)
{
    ui->setupUi(this);
    m_fields = new ParameterFieldBinder(this, m_datasetController);
    connect(m_fields, &ParameterFieldBinder::parameterChangedByUser, this,
            &DriveWidgetHalvex::parameterChangedByUser);
    connect(m_fields, &ParameterFieldBinder::entryApplied, this, &DriveWidgetHalvex::entryApplied);

    m_fields->collectFields(true);
    m_fields->updateToolTips();
    connect(ui->irFactorSpinBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &DriveWidgetHalvex::checkRpmController);
    connect(ui->loadCompFactorSpinBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &DriveWidgetHalvex::checkRpmController);
    m_fields->fillComboBoxes();
    // The dialog holds the current points before it is first opened.
    updateDiagram(false);
    checkDriveType();
    checkSensorType(true);
    checkRpmController();
    checkDcBrakeTime();
    updateInverterType();
    motorStateChanged(m_datasetController->motorRunning());
    checkUfValues();
    updateSpeedDisplay();
    checkI2t();

    connect(m_datasetController, &DatasetController::parametersUpdated, this,
            &DriveWidgetHalvex::updateParameters, Qt::QueuedConnection);
    connect(m_datasetController, &DatasetController::motorOperationChanged, this,
            &DriveWidgetHalvex::motorStateChanged, Qt::QueuedConnection);
    connect(m_datasetController, &DatasetController::speedDisplayChanged, this,
            &DriveWidgetHalvex::updateSpeedDisplay, Qt::QueuedConnection);
    // Immediate, so that the fields follow before the PolePairs entry returns.
    connect(m_datasetController, &DatasetController::motorPolePairsChanged, this,
            &DriveWidgetHalvex::setConvertibleParameters);
    connect(m_datasetController, &DatasetController::inverterDataUpdated, this,
            &DriveWidgetHalvex::updateInverterType);

    // The fields were bound first (collectFields, fillComboBoxes), so an entry
    // is in the model before these checks run.
    connect(ui->driveTypeComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DriveWidgetHalvex::checkDriveType);
    connect(ui->temperatureControlComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this] { checkSensorType(); });
    connect(ui->ufDiagramPushButton, &QPushButton::clicked, this, &DriveWidgetHalvex::showDiagram);
    for (QDoubleSpinBox *frequency : {ui->frequency1SpinBox, ui->frequency2SpinBox, ui->frequency3SpinBox})
        connect(frequency, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
                &DriveWidgetHalvex::checkUfValues);
    for (QDoubleSpinBox *voltage : {ui->voltage1SpinBox, ui->voltage2SpinBox, ui->voltage3SpinBox})
        connect(voltage, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
                &DriveWidgetHalvex::checkVoltages);
    for (QDoubleSpinBox *limit : {ui->minRevolutionsSpinBox, ui->maxRevolutionsSpinBox})
        connect(limit, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
                &DriveWidgetHalvex::checkMinMaxFrequencies);
    connect(ui->dcBrakeTimeSpinBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &DriveWidgetHalvex::checkDcBrakeTime);
}

DriveWidgetHalvex::~DriveWidgetHalvex() = default;

// ---- motor type, sensor, controller type ------------------------------------------

void DriveWidgetHalvex::setParametersVisible(QGroupBox *group, bool hideListed, std::initializer_list<uint16_t> ids)
{
    for (QWidget *widget : group->findChildren<QWidget *>()) {
        const bool isLineEdit = qobject_cast<QLineEdit *>(widget) != nullptr;
        if (!isLineEdit && !qobject_cast<QLabel *>(widget) && !qobject_cast<QComboBox *>(widget)
            && !qobject_cast<QDoubleSpinBox *>(widget))
            continue;
        // A spin box's own editor goes with its spin box.
        if (isLineEdit && qobject_cast<QAbstractSpinBox *>(widget->parentWidget()))
            continue;
        const bool listed = isOneOf(ParameterFieldBinder::parameterNumber(widget), ids);
        widget->setVisible(listed != hideListed);
    }
}

void DriveWidgetHalvex::checkDriveType()
{
    if (m_fields->isRetranslating())
        return;
    switch (ParameterFieldBinder::comboBoxCode(ui->driveTypeComboBox)) {
    case Code::Dasm:
        // The U/f table takes the place of the rated voltage and frequency.
        setParametersVisible(ui->driveParametersGroupBox, true,
                             {Param::StartupTime, Param::StartupCurrent, Param::StartupFrequency,
                              Param::SwitchoffTime, Param::RatedMotorFrequency, Param::RatedMotorVoltage});
        ui->i2tGroupBox->show();
        ui->ufTableGroupBox->show();
        ui->controllerGroupBox->show();
        setParametersVisible(ui->controllerGroupBox, true, {});
        break;
    case Code::Pmsm:
        ui->ufTableGroupBox->hide();
        ui->i2tGroupBox->show();
        ui->controllerGroupBox->show();
        setParametersVisible(ui->controllerGroupBox, true,
                             {ControllerTypeLine, Param::IRFactor, Param::LoadCompFactor, Param::FilterTime});
        setParametersVisible(ui->driveParametersGroupBox, true, {Param::DCBrakeTime, Param::DCBrakeCurrent});
        break;
    default:
        ui->i2tGroupBox->hide();
        ui->ufTableGroupBox->hide();
        ui->controllerGroupBox->hide();
        setParametersVisible(ui->driveParametersGroupBox, false, {Param::MotorType});
        break;
    }
    update();
}

void DriveWidgetHalvex::checkSensorType(bool useDefaults)
{
    if (m_fields->isRetranslating())
        return;
    const uint16_t code = ParameterFieldBinder::comboBoxCode(ui->temperatureControlComboBox);
    m_fields->setParameterEnabled(Param::SensorResistanceValue, code != Code::Off);
    if (!useDefaults)
        return;
    // Not blocked: the default reaches the model like an entry of the user.
    for (const SensorDefault &sensor : SensorDefaults) {
        if (sensor.code == code) {
            ui->sensorResistanceSpinBox->setValue(sensor.ohm);
            return;
        }
    }
}

void DriveWidgetHalvex::checkRpmController()
{
    const bool irFactor = ui->irFactorSpinBox->value() > 0;
    const bool loadCompensation = ui->loadCompFactorSpinBox->value() > 0;
    QString text;
    if (irFactor && loadCompensation)
        text = tr("U/f, I*R und Lastkompensation");
    else if (irFactor)
        text = tr("U/f und I*R");
    else if (loadCompensation)
        text = tr("U/f und Lastkompensation");
    else
        text = tr("U/f");
    ui->rpmControllerLineEdit->setText(text);
}

void DriveWidgetHalvex::checkDcBrakeTime()
{
    // The brake time's lowest value is "Aus": no braking, so no current to set.
    m_fields->setParameterEnabled(Param::DCBrakeCurrent,
                                  ui->dcBrakeTimeSpinBox->value() > m_datasetController->minimum(Param::DCBrakeTime));
}

// ---- dependent limits ---------------------------------------------------------------

void DriveWidgetHalvex::checkMinMaxFrequencies()
{
    // The rated frequency lies between the minimum and the maximum frequency.
    m_fields->refreshDependentField(ui->nominalRevolutionsSpinBox);
}

void DriveWidgetHalvex::updateInverterType()
{
    // Both currents are limited by the inverter's rated current.
    m_fields->refreshDependentField(ui->dcBrakeCurrentSpinBox);
    m_fields->refreshDependentField(ui->startupCurrentBLDCSpinBox);
}

// ---- U/f table and diagram -------------------------------------------------------------

void DriveWidgetHalvex::checkUfValues()
{
    // Voltages are set without blocking, so they are stored and run
    // checkVoltages() in turn.
    const auto *field = qobject_cast<QDoubleSpinBox *>(sender());
    const double f1 = ui->frequency1SpinBox->value();
    const double f2 = ui->frequency2SpinBox->value();
    const double f3 = ui->frequency3SpinBox->value();
    switch (field ? ParameterFieldBinder::parameterNumber(field) : 0) {
    case Param::Frequency2:
        if (f2 == f1)
            ui->voltage2SpinBox->setValue(ui->voltage1SpinBox->value());
        if (f2 == f3)
            ui->voltage2SpinBox->setValue(ui->voltage3SpinBox->value());
        break;
    case Param::Frequency3:
        if (f3 == f2)
            ui->voltage3SpinBox->setValue(ui->voltage2SpinBox->value());
        break;
    case Param::Frequency1:
        if (f1 == f2)
            ui->voltage1SpinBox->setValue(ui->voltage2SpinBox->value());
        break;
    default:
        break;
    }
    // Each frequency is limited by its neighbours.
    m_fields->refreshDependentField(ui->frequency1SpinBox);
    m_fields->refreshDependentField(ui->frequency2SpinBox);
    m_fields->refreshDependentField(ui->frequency3SpinBox);
    updateDiagram();
}

void DriveWidgetHalvex::copyVoltage(uint16_t fromId, uint16_t toId)
{
    QDoubleSpinBox *voltages[] = {ui->voltage1SpinBox, ui->voltage2SpinBox, ui->voltage3SpinBox};
    auto spinBox = [&](uint16_t id) { return voltages[(id - Param::Voltage1) / 2]; };
    const double kept = m_datasetController->setValue(toId, spinBox(fromId)->value(), false);
    ParameterFieldBinder::setSpinBoxValue(spinBox(toId), kept);
}

void DriveWidgetHalvex::checkVoltages()
{
    const bool shared12 = ui->frequency1SpinBox->value() == ui->frequency2SpinBox->value();
    const bool shared23 = ui->frequency2SpinBox->value() == ui->frequency3SpinBox->value();
    if (!shared12 && !shared23)
        return;
    // Copies are shown blocked, so they do not come back here. When all three
    // frequencies coincide, an outer voltage is copied across both others.
    const auto *field = qobject_cast<QDoubleSpinBox *>(sender());
    switch (field ? ParameterFieldBinder::parameterNumber(field) : 0) {
    case Param::Voltage2:
        if (shared12)
            copyVoltage(Param::Voltage2, Param::Voltage1);
        if (shared23)
            copyVoltage(Param::Voltage2, Param::Voltage3);
        break;
    case Param::Voltage3:
        if (shared23) {
            copyVoltage(Param::Voltage3, Param::Voltage2);
            if (shared12)
                copyVoltage(Param::Voltage3, Param::Voltage1);
        }
        break;
    case Param::Voltage1:
        if (shared12) {
            copyVoltage(Param::Voltage1, Param::Voltage2);
            if (shared23)
                copyVoltage(Param::Voltage1, Param::Voltage3);
        }
        break;
    default:
        break;
    }
    updateDiagram();
}

void DriveWidgetHalvex::updateDiagram(bool checkVisibility)
{
    if (checkVisibility && !m_diagram.isVisible())
        return;
    // The U/f frequencies are always in Hz, whatever the speed display.
    DatasetController *model = m_datasetController;
    const double x[ScopeViewDialog::PointCount] = {0, model->value(Param::Frequency1),
                                                   model->value(Param::Frequency2),
                                                   model->value(Param::Frequency3)};
    const double y[ScopeViewDialog::PointCount] = {model->value(Param::Voltage0), model->value(Param::Voltage1),
                                                   model->value(Param::Voltage2),
                                                   model->value(Param::Voltage3)};
    m_diagram.setPoints(x, y);
}

void DriveWidgetHalvex::showDiagram()
{
    updateDiagram(false);
    m_diagram.show();
}

// ---- I²t monitoring ---------------------------------------------------------------------

bool DriveWidgetHalvex::i2tCurrentsAllowed()
{
    const double peak = m_datasetController->value(Param::MotorPeakCurrent);
    const double product = m_datasetController->value(Param::RatedMotorCurrent)
                           * m_datasetController->value(Param::I2TThreshold) / 100.0;
    return product < peak && peak - product > 1e-12 * std::min(product, peak);
}

bool DriveWidgetHalvex::i2tLocked()
{
    const double shortest = std::trunc(m_datasetController->minimum(Param::I2TPeriod));
    const double longest = std::trunc(m_datasetController->maximum(Param::I2TPeriod));
    return !(i2tCurrentsAllowed() && shortest <= longest);
}

void DriveWidgetHalvex::updateI2tPeriodToolTip(bool locked)
{
    QDoubleSpinBox *period = ui->i2tPeriodSpinBox;
    if (locked) {
        period->setToolTip(m_fields->plainToolTip(Param::I2TPeriod));
        return;
    }
    period->setToolTip(m_fields->spinBoxToolTip(period, std::trunc(m_datasetController->minimum(Param::I2TPeriod)),
                                                std::trunc(m_datasetController->maximum(Param::I2TPeriod))));
}

void DriveWidgetHalvex::checkI2t()
{
    const bool locked = i2tLocked();
    if (!locked) {
        ui->i2tInfoLabel->clear();
        ui->i2tInfoLabel->hide();
    } else {
        m_datasetController->setValue(Param::I2TFunction, I2tDeactivated, false);
        ParameterFieldBinder::setComboBoxValue(ui->i2tFunctionComboBox, I2tDeactivated);
        // The trip time range is empty when even the longest time constant
        // trips at once, i.e. the peak current is far above the threshold.
        const bool noTimeRange = std::trunc(m_datasetController->maximum(Param::I2TPeriod))
                                 < std::trunc(m_datasetController->minimum(Param::I2TPeriod));
        ui->i2tInfoLabel->setText(
            noTimeRange ? tr("I²t Überwachung gesperrt\nDifferenz zwischen Nennstrom und Motorspitzenstrom zu groß")
                        : tr("I²t Überwachung gesperrt\nBitte das Produkt aus Nennstrom und Stromschwelle kleiner "
                             "als den Motorspitzenstrom wählen"));
        ui->i2tInfoLabel->show();
    }
    updateI2tPeriodToolTip(locked);

    const bool motorRuns = m_datasetController->motorRunning();
    const std::initializer_list<QWidget *> monitoringFields = {
        ui->i2tFunctionComboBox, ui->i2tFunctionLabel, ui->i2tThresholdSpinBox,
        ui->i2tThresholdLabel,   ui->i2tPeriodSpinBox, ui->i2tPeriodLabel};
    for (QWidget *widget : monitoringFields) {
        const bool stoppedOnly = m_fields->stoppedOnlyIds().contains(ParameterFieldBinder::parameterNumber(widget));
        widget->setEnabled(!locked && !(stoppedOnly && motorRuns));
    }
}

// ---- common field slots -------------------------------------------------------------------

void DriveWidgetHalvex::setParameter()
{
    m_fields->applyEntry(sender());
}

void DriveWidgetHalvex::entryApplied(QWidget *field, uint16_t id)
{
    if (!qobject_cast<QDoubleSpinBox *>(field))
        return;
    switch (id) {
    case Param::RatedMotorCurrent:
    case Param::MotorPeakCurrent:
    case Param::I2TThreshold:
        if (i2tCurrentsAllowed()) {
            // The trip time shown stays; the stored time constant follows the
            // new current ratio.
            const double shown = ui->i2tPeriodSpinBox->value();
            const double kept = m_datasetController->setValue(Param::I2TPeriod, shown, false);
            if (kept != shown)
                ParameterFieldBinder::setSpinBoxValue(ui->i2tPeriodSpinBox, kept);
        }
        checkI2t();
        break;
    case Param::Voltage0:
    case Param::Frequency1:
    case Param::Voltage1:
    case Param::Frequency2:
    case Param::Voltage2:
    case Param::Frequency3:
    case Param::Voltage3:
        updateDiagram();
        break;
    default:
        break;
    }
}

void DriveWidgetHalvex::updateParameters()
{
    if (!m_fields->updateParameters())
        return;
    checkDriveType();
    // The resistance read from the inverter stays; defaults are for the user's choice only.
    checkSensorType(false);
    checkRpmController();
    checkDcBrakeTime();
    checkUfValues();
    updateSpeedDisplay();
    checkI2t();
}

void DriveWidgetHalvex::updateSpeedDisplay()
{
    m_fields->updateSpeedDisplay();
}

void DriveWidgetHalvex::setConvertibleParameters()
{
    m_fields->setConvertibleParameters();
}

void DriveWidgetHalvex::motorStateChanged(bool motorRuns)
{
    m_fields->motorStateChanged(motorRuns);
    // A locked monitoring stays disabled after the motor stops.
    checkI2t();
}

// ---- events ----------------------------------------------------------------------------------

void DriveWidgetHalvex::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_fields->beginRetranslation();
        // Retranslation empties the I²t label and writes "U/f" into the
        // controller type line; the checks restore both.
        ui->retranslateUi(this);
        m_fields->fillComboBoxes();
        checkRpmController();
        updateSpeedDisplay();
        checkI2t();
        m_fields->updateToolTips();
        // updateToolTips() writes the I²t time's plain limits, which are -1
        // while the monitoring is locked.
        updateI2tPeriodToolTip(i2tLocked());
        m_fields->finishRetranslation();
    }
    QWidget::changeEvent(event);
}

void DriveWidgetHalvex::showEvent(QShowEvent *event)
{
    updateParameters();
    QWidget::showEvent(event);
}
