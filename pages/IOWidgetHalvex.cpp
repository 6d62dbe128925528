#include "IOWidgetHalvex.h"
#include "ui_IOWidgetHalvex.h"

#include "DatasetController.h"
#include "MessagePresenter.h"
#include "ParameterFieldBinder.h"
#include "ParameterId.h"

#include <QEvent>
#include <QMessageBox>

namespace {

// The binder's texts in this page's context (see ParameterFieldBinder.h).
[[maybe_unused]] const char *const fieldTexts[] = {
    QT_TRANSLATE_NOOP("IOWidgetHalvex", "Parameter P%1"),
    QT_TRANSLATE_NOOP("IOWidgetHalvex", "Parameter P%1\nMinimum: %2%3\nMaximum: %4%5"),
    QT_TRANSLATE_NOOP("IOWidgetHalvex", "Parameter P%1\nMinimum: %2\nMaximum: %3%4"),
    QT_TRANSLATE_NOOP("IOWidgetHalvex", " Hz"),
    QT_TRANSLATE_NOOP("IOWidgetHalvex", " min-1"),
};

constexpr uint16_t AinVoltage = 0x805A;
constexpr uint16_t AinCurrent = 0x805B;

// Selects "Aus" without blocking signals, so that the model learns it through
// the field binding like a user choice.
void selectOff(QComboBox *comboBox)
{
    for (int i = 0; i < comboBox->count(); ++i) {
        if (comboBox->itemData(i).toUInt() == Code::Off) {
            comboBox->setCurrentIndex(i);
            return;
        }
    }
}

} // namespace

IOWidgetHalvex::IOWidgetHalvex(DatasetController *datasetController, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::IOWidgetHalvex>()), m_datasetController(datasetController)
{
    ui->setupUi(this);
    m_fields = new ParameterFieldBinder(this, m_datasetController);
    connect(m_fields, &ParameterFieldBinder::parameterChangedByUser, this,
            &IOWidgetHalvex::parameterChangedByUser);

    m_fields->collectFields(true);
    m_fields->updateToolTips();
    m_fields->fillComboBoxes();
    motorStateChanged(m_datasetController->motorRunning());
    updateSpeedDisplay();

    connect(m_datasetController, &DatasetController::parametersUpdated, this,
            &IOWidgetHalvex::updateParameters, Qt::QueuedConnection);
    connect(m_datasetController, &DatasetController::motorOperationChanged, this,
            &IOWidgetHalvex::motorStateChanged, Qt::QueuedConnection);
    connect(m_datasetController, &DatasetController::speedDisplayChanged, this,
            &IOWidgetHalvex::updateSpeedDisplay, Qt::QueuedConnection);
    // Immediate, so that the fields follow before the PolePairs entry returns.
    connect(m_datasetController, &DatasetController::motorPolePairsChanged, this,
            &IOWidgetHalvex::setConvertibleParameters);

    // The combo boxes were bound when they were filled, so a choice is in the
    // model before these checks run.
    connect(ui->minRevolutionsAINSpinBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &IOWidgetHalvex::refreshAinMaximumFrequency);
    connect(ui->plcInputComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &IOWidgetHalvex::checkPlcInput);
    connect(ui->din1ComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &IOWidgetHalvex::checkPlcInput);
    connect(ui->ainComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &IOWidgetHalvex::checkAIN);

    checkAIN();
    refreshFrequencyFields();
}

IOWidgetHalvex::~IOWidgetHalvex() = default;

void IOWidgetHalvex::setMessagePresenter(MessagePresenter *presenter)
{
    m_messagePresenter = presenter;
}

void IOWidgetHalvex::updateParameters()
{
    if (!m_fields->updateParameters())
        return;
    refreshFrequencyFields();
    checkAIN();
}

void IOWidgetHalvex::updateSpeedDisplay()
{
    m_fields->updateSpeedDisplay();
    refreshFrequencyFields();
}

void IOWidgetHalvex::setConvertibleParameters()
{
    m_fields->setConvertibleParameters();
    refreshFrequencyFields();
}

void IOWidgetHalvex::motorStateChanged(bool motorRuns)
{
    m_fields->motorStateChanged(motorRuns);
}

void IOWidgetHalvex::setParameter()
{
    m_fields->applyEntry(sender());
}

void IOWidgetHalvex::checkPlcInput()
{
    if (m_fields->isRetranslating())
        return;
    if (ParameterFieldBinder::comboBoxCode(ui->din1ComboBox) == Code::Off
        || ParameterFieldBinder::comboBoxCode(ui->plcInputComboBox) == Code::Off)
        return;
    auto *comboBox = qobject_cast<QComboBox *>(sender());
    if (!comboBox)
        return;

    // The model holds the conflicting choice until the reset below stores "Aus".
    switch (ParameterFieldBinder::parameterNumber(comboBox)) {
    case Param::DIN1:
        showInformation(tr("Bitte deaktivieren Sie den SPS-Eingang, um den digitalen Eingang DIN1 "
                           "aktivieren zu können.\n\n"));
        selectOff(ui->din1ComboBox);
        break;
    case Param::SPSInput:
        showInformation(tr("Bitte deaktivieren Sie den digitalen Eingang DIN1, um den SPS-Eingang "
                           "aktivieren zu können.\n\n"));
        selectOff(ui->plcInputComboBox);
        break;
    default:
        break;
    }
}

void IOWidgetHalvex::checkAIN()
{
    if (m_fields->isRetranslating())
        return;
    switch (ParameterFieldBinder::comboBoxCode(ui->ainComboBox)) {
    case AinVoltage:
        m_fields->setParameterEnabled(Param::AINMaximumVoltage, true);
        m_fields->setParameterEnabled(Param::AINMaximumCurrent, false);
        break;
    case AinCurrent:
        m_fields->setParameterEnabled(Param::AINMaximumVoltage, false);
        m_fields->setParameterEnabled(Param::AINMaximumCurrent, true);
        break;
    default:
        break;
    }
}

void IOWidgetHalvex::refreshFrequencyFields()
{
    // The fixed frequencies start at the motor's minimum frequency.
    m_fields->refreshDependentField(ui->minRevolutionsAINSpinBox);
    m_fields->refreshDependentField(ui->ff1SpinBox);
    m_fields->refreshDependentField(ui->ff2SpinBox);
    m_fields->refreshDependentField(ui->ff3SpinBox);
    m_fields->refreshDependentField(ui->ff4SpinBox);
    refreshAinMaximumFrequency();
}

void IOWidgetHalvex::refreshAinMaximumFrequency()
{
    // The AIN maximum frequency never lies below the AIN minimum frequency.
    m_fields->refreshDependentField(ui->maxRevolutionsAINSpinBox);
}

void IOWidgetHalvex::showInformation(const QString &text)
{
    if (m_messagePresenter) {
        m_messagePresenter->information(nullptr, tr("Torvana"), text);
        return;
    }
    QMessageBox box(QMessageBox::Information, tr("Torvana"), text, QMessageBox::Ok);
    box.exec();
}

void IOWidgetHalvex::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_fields->beginRetranslation();
        ui->retranslateUi(this);
        m_fields->fillComboBoxes();
        updateSpeedDisplay();
        m_fields->updateToolTips();
        m_fields->finishRetranslation();
    }
    QWidget::changeEvent(event);
}

void IOWidgetHalvex::showEvent(QShowEvent *event)
{
    updateParameters();
    QWidget::showEvent(event);
}
