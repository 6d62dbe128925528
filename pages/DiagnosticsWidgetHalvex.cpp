#include "DiagnosticsWidgetHalvex.h"
#include "ui_DiagnosticsWidgetHalvex.h"

#include "CommunicationController.h"
#include "DatasetController.h"
#include "ErrorDescription.h"
#include "FaultHistory.h"
#include "ParameterFieldBinder.h"
#include "ParameterId.h"
#include "WidgetScaler.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

// The binder's texts that this page uses, in its context (see ParameterFieldBinder.h);
// every field here is a read-only display.
[[maybe_unused]] const char *const fieldTexts[] = {
    QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex", "Parameter P%1"),
    QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex", " Hz"),
    QT_TRANSLATE_NOOP("DiagnosticsWidgetHalvex", " min-1"),
};

const QString LedOn = QStringLiteral(":/Images/led_indicator_green.png");
const QString LedOff = QStringLiteral(":/Images/led_indicator_grey.png");

// The pixmap is set only when the LED changes: every poll passes here.
void setLed(QLabel *led, bool lit)
{
    const QVariant shown = led->property("lit");
    if (shown.isValid() && shown.toBool() == lit)
        return;
    led->setProperty("lit", lit);
    led->setPixmap(QPixmap(lit ? LedOn : LedOff));
}

void setTextIfChanged(QLineEdit *lineEdit, const QString &text)
{
    if (lineEdit->text() != text)
        lineEdit->setText(text);
}

void setTextIfChanged(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

void setStyleProperty(QWidget *widget, const char *name, const QString &value)
{
    if (widget->property(name).toString() == value)
        return;
    widget->setProperty(name, value);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

bool isErrorParameter(uint16_t id)
{
    return id >= Param::FirstError && id <= Param::FifthError;
}

// Error codes are whole numbers; a value is truncated towards zero.
int errorCode(double value)
{
    return std::isfinite(value) ? int(std::trunc(value)) : 0;
}

} // namespace

DiagnosticsWidgetHalvex::DiagnosticsWidgetHalvex(DatasetController *datasetController,
                                                 CommunicationController *communicationController, QWidget *parent)
    : QWidget(parent)
    , m_datasetController(datasetController)
    , m_communicationController(communicationController)
    , ui(std::make_unique<Ui::DiagnosticsWidgetHalvex>())
{
    ui->setupUi(this);
    m_fields = new ParameterFieldBinder(this, m_datasetController);

    // Nothing on this page is locked while the motor runs: it has no entries.
    m_fields->collectFields(false);
    updateToolTips();
    updateErrorFields();
    updateActuatorsAndSensors();
    updateSpeedDisplay();
    checkResetButton();
    connectSignals();
    showStaleness();
}

DiagnosticsWidgetHalvex::~DiagnosticsWidgetHalvex() = default;

void DiagnosticsWidgetHalvex::connectSignals()
{
    if (m_communicationController) {
        connect(m_communicationController, &CommunicationController::connectedToDevice, this,
                &DiagnosticsWidgetHalvex::checkResetButton);
        connect(m_communicationController, &CommunicationController::disconnectedFromDevice, this,
                &DiagnosticsWidgetHalvex::checkResetButton);
    }
    connect(m_datasetController, &DatasetController::inverterStateChanged, this,
            &DiagnosticsWidgetHalvex::checkResetButton);
    // Queued like every page's reload, so that the page reads the model after its update.
    connect(m_datasetController, &DatasetController::diagnosticsParametersUpdated, this,
            &DiagnosticsWidgetHalvex::updateParameters, Qt::QueuedConnection);
    connect(m_datasetController, &DatasetController::speedDisplayChanged, this,
            &DiagnosticsWidgetHalvex::updateSpeedDisplay, Qt::QueuedConnection);
    connect(m_datasetController, &DatasetController::operatingValuesCurrentChanged, this,
            &DiagnosticsWidgetHalvex::showStaleness);

    for (QPushButton *button : {ui->error1PushButton, ui->error2PushButton, ui->error3PushButton,
                                ui->error4PushButton, ui->error5PushButton})
        connect(button, &QPushButton::clicked, this, &DiagnosticsWidgetHalvex::errorDescription);

    connect(ui->resetButton, &QPushButton::clicked, m_datasetController, &DatasetController::sendResetCommand);
    connect(ui->resetButton, &QPushButton::clicked, this, [this] { showErrorDescription(nullptr); });

    const std::pair<QCheckBox *, void (DatasetController::*)(bool)> inversions[] = {
        {ui->relay1InvertCheckBox, &DatasetController::invertRelay1},
        {ui->relay2InvertCheckBox, &DatasetController::invertRelay2},
        {ui->ledFaultInvertCheckBox, &DatasetController::invertFaultLed},
        {ui->ledOperationInvertCheckBox, &DatasetController::invertOperationLed},
    };
    for (const auto &[checkBox, invert] : inversions) {
        connect(checkBox, &QCheckBox::toggled, m_datasetController, invert);
        connect(checkBox, &QCheckBox::toggled, this, [this] { m_skipCounter += 2; });
    }
}

const ErrorDescription *DiagnosticsWidgetHalvex::errorDescriptionForParameter(uint16_t parameterId) const
{
    if (!isErrorParameter(parameterId))
        return nullptr;
    return m_errorTable.entryForValue(m_datasetController->value(parameterId));
}

const ErrorDescription *DiagnosticsWidgetHalvex::errorDescriptionForCode(int code) const
{
    return m_errorTable.entry(code);
}

void DiagnosticsWidgetHalvex::setFaultHistory(const FaultHistory *history)
{
    if (m_faultHistory)
        disconnect(m_faultHistory, nullptr, this, nullptr);
    m_faultHistory = history;
    if (m_faultHistory)
        connect(m_faultHistory, &FaultHistory::changed, this, &DiagnosticsWidgetHalvex::updateFaultTimes);
    updateFaultTimes();
}

QList<QLineEdit *> DiagnosticsWidgetHalvex::errorLineEdits() const
{
    return {ui->error1LineEdit, ui->error2LineEdit, ui->error3LineEdit, ui->error4LineEdit, ui->error5LineEdit};
}

QList<QLabel *> DiagnosticsWidgetHalvex::errorTimeLabels() const
{
    return {ui->error1TimeLabel, ui->error2TimeLabel, ui->error3TimeLabel, ui->error4TimeLabel,
            ui->error5TimeLabel};
}

// The history moves with the inverter's list; its times and marks belong to
// the codes shown, so both are drawn from the history alone.
void DiagnosticsWidgetHalvex::updateFaultTimes()
{
    const QList<QLineEdit *> codes = errorLineEdits();
    const QList<QLabel *> times = errorTimeLabels();
    for (int i = 0; i < FaultHistory::Size; ++i) {
        QString text;
        QString mark;
        if (m_faultHistory && m_faultHistory->known()) {
            const FaultHistory::Entry &entry = m_faultHistory->entry(i);
            text = m_faultHistory->seenText(i);
            if (entry.active) {
                text = tr("aktiv – %1").arg(text);
                mark = entry.kind == FaultText::Warning ? QStringLiteral("warning") : QStringLiteral("error");
            }
        }
        setTextIfChanged(times.at(i), text);
        setStyleProperty(codes.at(i), "activeFault", mark);
        setStyleProperty(times.at(i), "activeFault", mark);
    }
}

void DiagnosticsWidgetHalvex::showStaleness()
{
    const bool current = m_datasetController->operatingValuesCurrent();
    // The codes are the inverter's history, still worth reading; they are greyed.
    for (QLineEdit *lineEdit : errorLineEdits())
        lineEdit->setEnabled(current);
    updateActuatorsAndSensors();
}

bool DiagnosticsWidgetHalvex::isConnected() const
{
    return m_communicationController && m_communicationController->state() == CommunicationController::Connected;
}

// ---- slots ------------------------------------------------------------------------------

void DiagnosticsWidgetHalvex::errorDescription()
{
    const auto *button = qobject_cast<const QWidget *>(sender());
    if (!button)
        return;
    showErrorDescription(errorDescriptionForParameter(ParameterFieldBinder::parameterNumber(button)));
}

void DiagnosticsWidgetHalvex::updateParameters()
{
    if (!m_fields->updateParameters())
        return;
    updateErrorFields();
    updateActuatorsAndSensors();
}

void DiagnosticsWidgetHalvex::updateSpeedDisplay()
{
    m_fields->updateSpeedDisplay();
}

void DiagnosticsWidgetHalvex::checkResetButton()
{
    const bool connected = isConnected();
    for (QCheckBox *checkBox : {ui->relay1InvertCheckBox, ui->relay2InvertCheckBox, ui->ledFaultInvertCheckBox,
                                ui->ledOperationInvertCheckBox})
        checkBox->setEnabled(connected);
    ui->resetButton->setEnabled(connected
                                && (m_datasetController->errorActive() || m_datasetController->warningActive()));
}

// ---- refreshes ---------------------------------------------------------------------------

void DiagnosticsWidgetHalvex::updateToolTips()
{
    m_fields->updateToolTips();
    for (QLineEdit *lineEdit : findChildren<QLineEdit *>()) {
        const uint16_t id = ParameterFieldBinder::parameterNumber(lineEdit);
        if (isErrorParameter(id))
            lineEdit->setToolTip(m_fields->plainToolTip(id));
    }
}

void DiagnosticsWidgetHalvex::updateErrorFields()
{
    for (QLineEdit *lineEdit : findChildren<QLineEdit *>()) {
        const uint16_t id = ParameterFieldBinder::parameterNumber(lineEdit);
        if (!isErrorParameter(id))
            continue;
        const int code = errorCode(m_datasetController->value(id));
        setTextIfChanged(lineEdit, code == 0 ? QString() : QString::number(code));
    }
}

void DiagnosticsWidgetHalvex::updateActuatorsAndSensors()
{
    // Without current values no LED is lit: a lit one would claim a live state.
    const bool current = m_datasetController->operatingValuesCurrent();
    const uint16_t actors = current ? m_datasetController->rawValue(Param::RelayAndLEDControl) : 0;
    setLed(ui->ledRelay1Label, actors & 0x0001);
    setLed(ui->ledRelay2Label, actors & 0x0002);
    setLed(ui->ledFaultLabel, actors & 0x0004);
    setLed(ui->ledOperationLabel, actors & 0x0008);

    if (!current) {
        // The boxes keep the last word while disconnected (they are disabled).
    } else if (m_skipCounter != 0) {
        --m_skipCounter;
    } else {
        const std::pair<QCheckBox *, uint16_t> inversions[] = {
            {ui->relay1InvertCheckBox, 0x0010},
            {ui->relay2InvertCheckBox, 0x0020},
            {ui->ledFaultInvertCheckBox, 0x0040},
            {ui->ledOperationInvertCheckBox, 0x0080},
        };
        for (const auto &[checkBox, bit] : inversions) {
            const QSignalBlocker blocker(checkBox);
            checkBox->setChecked(actors & bit);
        }
    }

    const uint16_t inputs = current ? m_datasetController->rawValue(Param::DinAndMotorTemperatureControl) : 0;
    setLed(ui->ledDIN1Label, inputs & 0x0001);
    setLed(ui->ledDIN2Label, inputs & 0x0002);
    setLed(ui->ledDIN3Label, inputs & 0x0004);
    setLed(ui->ledDIN4Label, inputs & 0x0008);
    setLed(ui->ledDIN5Label, inputs & 0x0010);
    setLed(ui->ledDIN6Label, inputs & 0x0020);
    setLed(ui->ledTempLabel, inputs & 0x0040);
    setLed(ui->ledPlcInputLabel, inputs & 0x0080);
}

void DiagnosticsWidgetHalvex::showErrorDescription(const ErrorDescription *entry)
{
    m_shownDescription = entry;
    if (!entry) {
        ui->errorDescriptionTextEdit->clear();
        return;
    }

    // The form is drawn for 96 dpi; this text follows the screen like the scaled widgets.
    const double factor = WidgetScaler::screenFactor();
    const int headingSize = int(std::floor(9 * factor));
    const int textSize = int(std::floor(8 * factor));
    const auto bold = [headingSize](const QString &text) {
        return QStringLiteral("<span style=\" font-size:%1pt; font-weight:600;\">%2</span>")
            .arg(headingSize)
            .arg(text.toHtmlEscaped());
    };
    const auto normal = [textSize](const QString &text) {
        return QStringLiteral("<span style=\" font-size:%1pt;\">%2</span>").arg(textSize).arg(text.toHtmlEscaped());
    };
    const auto paragraph = [](const QString &content) { return QStringLiteral("<p>%1</p>").arg(content); };

    const QString kind = entry->kind == ErrorDescription::Error ? tr("Fehler ") : tr("Warnung ");
    QString html = QStringLiteral("<html><head/><body>");
    html += paragraph(bold(kind + QString::number(entry->code) + QStringLiteral(" - ")
                           + ErrorDescription::translated(entry->title)));
    if (!entry->description.isEmpty())
        html += paragraph(normal(ErrorDescription::translated(entry->description)));
    html += paragraph(bold(tr("Ursache")));
    html += paragraph(normal(ErrorDescription::translated(entry->cause)));
    html += paragraph(bold(tr("Behebung")));
    html += paragraph(normal(ErrorDescription::translated(entry->remedy)));
    html += QStringLiteral("</body></html>");
    ui->errorDescriptionTextEdit->setHtml(html);
}

// ---- events ----------------------------------------------------------------------------------

void DiagnosticsWidgetHalvex::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_fields->beginRetranslation();
        ui->retranslateUi(this);
        updateSpeedDisplay();
        updateToolTips();
        showErrorDescription(m_shownDescription);
        updateFaultTimes();
        m_fields->finishRetranslation();
    }
    QWidget::changeEvent(event);
}

void DiagnosticsWidgetHalvex::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Polls that arrived while the page was hidden were not shown.
    updateParameters();
}
