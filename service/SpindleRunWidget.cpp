#include "SpindleRunWidget.h"
#include "ui_SpindleRunWidget.h"

#include "ComboBoxPlaceholder.h"
#include "CommunicationController.h"
#include "DatasetController.h"
#include "ParameterId.h"
#include "WidgetScaler.h"

#include <QEvent>
#include <QSettings>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace {

const QString ShowInformationMessagesKey = QStringLiteral("ShowInformationMessages");

// The built-in programs, in the order of the program box.
struct BuiltInProgram
{
    const char *name;
    const char *file;
};
const BuiltInProgram builtInPrograms[] = {
    {QT_TRANSLATE_NOOP("SpindleRunWidget", "Erstinbetriebnahme"), ":/Runin/InitialOperation.run"},
    {QT_TRANSLATE_NOOP("SpindleRunWidget", "Stillstandszeit > 3 Monate"), ":/Runin/Downtime3Months.run"},
};

// Progress bar texts while the inverter is being configured.
const char *const ConfiguringText = QT_TRANSLATE_NOOP("SpindleRunWidget", "Konfiguriere Umrichter...");
const char *const ErrorResetText = QT_TRANSLATE_NOOP("SpindleRunWidget", "Fehlerreset...");
const char *const StateUpdateText = QT_TRANSLATE_NOOP("SpindleRunWidget", "Parameteraktualisierung...");
const char *const RestoringText =
    QT_TRANSLATE_NOOP("SpindleRunWidget", "Stelle die Einstellungen vor dem Spindeleinlauf wieder her...");

const char *const PercentFormat = "%p%";

// Set to 0 (off) before a run: the set-point, StartStop and the functions of
// the digital inputs, the PLC input and both relays, so that nothing but this
// program starts, stops or signals the motor while it runs the spindle in.
const uint16_t releasedInputs[] = {Param::RatedFrequency, Param::StartStop, Param::DIN1,   Param::DIN2,
                                   Param::DIN3,           Param::DIN4,      Param::DIN5,   Param::DIN6,
                                   Param::SPSInput,       Param::Relay1,    Param::Relay2};

bool showsPlaceholder(const QComboBox *box)
{
    return ComboBoxPlaceholder::isShown(box);
}

// "m:ss min" parts of a number of seconds.
QString minutes(uint32_t seconds)
{
    return QString::number(seconds / 60);
}

QString twoDigitSeconds(uint32_t seconds)
{
    return QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

SpindleRunWidget::SpindleRunWidget(DatasetController *datasetController,
                                   CommunicationController *communicationController, QWidget *parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::SpindleRunWidget>()),
      m_datasetController(datasetController),
      m_communicationController(communicationController)
{
    ui->setupUi(this);
    m_tickTimer.setSingleShot(true);
    m_tickTimer.setInterval(TickInterval);
    m_stepTimer.setSingleShot(true);
    m_delayTimer.setSingleShot(true);

    fillSpindleFamilies();
    fillPrograms();
    updateToolTips();
    updateSpeedDisplay();
    connectSignals();
    checkStartSpindleButton();
}

SpindleRunWidget::~SpindleRunWidget() = default;

void SpindleRunWidget::setMessagePresenter(MessagePresenter *presenter)
{
    m_messagePresenter = presenter ? presenter : &m_defaultPresenter;
}

void SpindleRunWidget::setProgramSecondLength(int milliseconds)
{
    m_programSecondMs = std::max(1, milliseconds);
}

void SpindleRunWidget::connectSignals()
{
    DatasetController *dataset = m_datasetController;
    CommunicationController *comm = m_communicationController;
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);

    connect(ui->startSpindleButton, &QPushButton::clicked, this, &SpindleRunWidget::startSpindleRun,
            Qt::QueuedConnection);
    connect(ui->stopSpindleButton, &QPushButton::clicked, this, &SpindleRunWidget::stopSpindleRun,
            Qt::QueuedConnection);

    connect(ui->familyComboBox, indexChanged, this, &SpindleRunWidget::fillSpindleTypes);
    connect(ui->typeComboBox, indexChanged, this, &SpindleRunWidget::fillMaximumSpeeds);
    connect(ui->speedComboBox, indexChanged, this, &SpindleRunWidget::checkSpindleRunProgram, Qt::QueuedConnection);
    connect(ui->programComboBox, indexChanged, this, &SpindleRunWidget::checkSpindleRunProgram);

    connect(dataset, &DatasetController::motorOperationChanged, this, &SpindleRunWidget::checkStartSpindleButton,
            Qt::QueuedConnection);
    connect(dataset, &DatasetController::speedDisplayChanged, this, &SpindleRunWidget::updateSpeedDisplay,
            Qt::QueuedConnection);
    connect(dataset, &DatasetController::parameterStatesComplete, this, &SpindleRunWidget::setParameterResponse,
            Qt::QueuedConnection);
    connect(dataset, &DatasetController::inverterStateChanged, this, &SpindleRunWidget::inverterStateChanged,
            Qt::QueuedConnection);

    connect(comm, &CommunicationController::connectedToDevice, this, &SpindleRunWidget::connectedToInverter,
            Qt::QueuedConnection);
    connect(comm, &CommunicationController::disconnectedFromDevice, this,
            &SpindleRunWidget::disconnectedFromInverter, Qt::QueuedConnection);
    connect(comm, &CommunicationController::resetResponseReceived, this, &SpindleRunWidget::resetResponseReceived,
            Qt::QueuedConnection);

    connect(&m_tickTimer, &QTimer::timeout, this, &SpindleRunWidget::run);
    connect(&m_stepTimer, &QTimer::timeout, this, &SpindleRunWidget::activateNextStep);
}

// ---- the run-in state machine --------------------------------------------------------
// Stepped by the single-shot tick timer, which is started again at the end of
// every tick until the run is over; a modal box shown from a tick therefore
// holds the machine until it is closed.

void SpindleRunWidget::run()
{
    switch (m_runState) {
    case Idle:
        updateHintLabel();
        return;

    case Starting:
        emit spindleRunStarted();
        ui->startSpindleButton->setEnabled(false);
        enableSelectionBoxes(false);
        ui->stopSpindleButton->setEnabled(true);
        clearStepTexts();
        showSetpoint(0);
        ui->totalTimeSpinBox->setValue(m_totalSeconds / 60);
        ui->progressBar->setRange(0, int(m_totalSeconds));
        ui->progressBar->setValue(0);
        m_nextStep = 0;
        m_runState = LoadingSpindle;
        break;

    case LoadingSpindle:
        saveSettings();
        if (m_datasetController->loadFromFile(ui->speedComboBox->currentData().toString()) < 0) {
            abortWithError(
                tr("Der Parametersatz für den ausgewählten Spindelmotor konnte nicht geladen werden!\n\n"));
            break;
        }
        showProgressText(ConfiguringText);
        // Start, stop and set-point come from this program alone during the run.
        for (uint16_t id : releasedInputs)
            m_datasetController->setValue(id, 0, false);
        m_datasetController->setValue(Param::InputForStart, Code::InputTorvana, false);
        m_datasetController->setValue(Param::InputForRatedFrequency, Code::InputTorvana, false);
        m_maximumFrequency = int(m_datasetController->value(Param::MaximumMotorFrequency));
        m_nextStep = 0;
        m_runState = Configuring;
        m_datasetController->sendChangedParametersToInverter();
        m_elapsedTimer.start();
        break;

    case Configuring:
        if (m_elapsedTimer.isValid() && m_elapsedTimer.elapsed() > ConfigureTimeout) {
            abortWithError(tr("Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ein Fehler aufgetreten! "
                              "Es konnte keine Bestätigung des Umrichters empfangen werden.\n\n"));
            break;
        }
        showProgressText(m_elapsedTimer.isValid() ? ConfiguringText : ErrorResetText);
        break;

    case ResettingErrors:
        if (m_elapsedTimer.isValid() && m_elapsedTimer.elapsed() > ResetTimeout) {
            abortWithError(tr("Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ein Fehler aufgetreten! "
                              "Es konnte keine Bestätigung des Umrichters für den Fehler-Reset empfangen "
                              "werden.\n\n"));
            break;
        }
        showProgressText(m_elapsedTimer.isValid() ? ErrorResetText : StateUpdateText);
        break;

    case UpdatingState:
        if (m_elapsedTimer.isValid() && m_elapsedTimer.elapsed() > StateUpdateTimeout)
            abortWithError(tr("Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ein Fehler aufgetreten! "
                              "Es konnte kein aktueller Gerätestatus empfangen werden.\n\n"));
        break;

    case Running: {
        const int remainingMs = std::max(0, m_stepTimer.remainingTime());
        const uint32_t elapsed = uint32_t(std::max(0, m_stepDuration - remainingMs / m_programSecondMs));
        ui->stepTimeLabel->setText(tr("%1:%2 min / %3:%4 min")
                                       .arg(minutes(elapsed), twoDigitSeconds(elapsed), minutes(m_stepDuration),
                                            twoDigitSeconds(m_stepDuration)));
        ui->progressBar->setValue(int(std::min<qint64>(m_elapsedTimer.elapsed() / 1000, ui->progressBar->maximum())));
        showProgressText(nullptr);
        if (m_datasetController->errorActive()) {
            m_setpoint = 0;
            m_datasetController->sendStopCommand();
            m_stepTimer.stop();
            abortWithError(tr("Der Umrichter meldet anliegende Fehler!\n\nDer Spindeleinlauf wird gestoppt. Bitte "
                              "prüfen Sie die Fehlermeldungen auf der Seite DIAGNOSE, beheben diese und starten "
                              "den Spindeleinlauf erneut.\n\n"));
        }
        break;
    }

    case Stopping:
        showProgressText(nullptr);
        enableSelectionBoxes(true);
        ui->stopSpindleButton->setEnabled(false);
        clearStepTexts();
        showSetpoint(0);
        updateHintLabel();
        m_setpoint = 0;
        m_datasetController->sendStopCommand();
        m_stepTimer.stop();
        // A pause still running must not act on a later run.
        m_delayTimer.stop();
        m_delayTimer.disconnect(this);
        m_restoreSent = false;
        m_runState = m_savedSettings.isEmpty() ? Stopped : RestoringSettings;
        break;

    case RestoringSettings:
        restoreSettingsStep();
        break;

    case Stopped:
        ui->progressBar->setRange(0, 100);
        ui->progressBar->setValue(0);
        m_runState = Idle;
        m_tickTimer.stop();
        // The start rule decides again (the connection may be gone).
        checkStartSpindleButton();
        emit spindleRunStopped();
        return;
    }
    m_tickTimer.start();
}

void SpindleRunWidget::activateNextStep()
{
    // A step that ends after an abort or a fault starts nothing.
    if (m_runState != Running)
        return;

    if (m_nextStep >= m_steps.size()) {
        m_setpoint = 0;
        m_datasetController->sendStopCommand();
        ui->progressBar->setValue(ui->progressBar->maximum());
        m_runState = Stopping;
        if (QSettings().value(ShowInformationMessagesKey, true).toBool())
            m_messagePresenter->information(this, tr("Torvana"),
                                            tr("Der Spindeleinlauf wurde erfolgreich abgeschlossen!\n\n"));
        return;
    }

    const RunInProgram::Step step = m_steps.at(m_nextStep++);
    if (step.second == 0) {
        m_setpoint = 0;
        m_datasetController->sendStopCommand();
    } else {
        const auto setpoint = int(qint64(m_maximumFrequency) * step.second / 100);
        // The model clamps to the spindle's limits; the stored value counts.
        m_setpoint = int(m_datasetController->setValue(Param::RatedFrequency, setpoint, false));
        m_datasetController->sendStartCommand();
    }

    m_stepDuration = step.first;
    emit runInStep(m_nextStep, m_steps.size(), m_setpoint, m_stepDuration);
    showProgressText(nullptr);
    ui->stepLabel->setText(QStringLiteral("%1/%2").arg(m_nextStep).arg(m_steps.size()));
    showSetpoint(m_setpoint);
    ui->stepTimeLabel->setText(
        tr("0:00 min / %1:%2 min").arg(minutes(m_stepDuration), twoDigitSeconds(m_stepDuration)));
    if (!m_elapsedTimer.isValid())
        m_elapsedTimer.start();
    m_stepTimer.start(int(m_stepDuration) * m_programSecondMs);
}

// ---- acknowledgement chain: parameters, error reset, fresh state ------------------------

void SpindleRunWidget::setParameterResponse(CommErrorCode error, QString detailedText)
{
    if (m_runState == RestoringSettings && m_restoreSent) {
        m_savedSettings.clear();
        m_runState = Stopped;
        if (error != CommError::NoError)
            m_messagePresenter->critical(this, tr("Fehler"),
                                         tr("Die Einstellungen vor dem Spindeleinlauf konnten nicht vollständig "
                                            "wiederhergestellt werden!\nWeitere Informationen finden Sie unter "
                                            "Details."),
                                         detailedText);
        return;
    }
    if (m_runState != Configuring)
        return;
    m_elapsedTimer.invalidate();
    if (error != CommError::NoError) {
        abortWithError(tr("Beim Konfigurieren des Umrichters für den Spindeleinlauf ist mindestens ein Fehler "
                          "aufgetreten! Der Spindeleinlauf wurde abgebrochen.\nWeitere Informationen finden Sie "
                          "unter Details."),
                       detailedText);
    } else if (!m_datasetController->errorActive()) {
        m_runState = Running;
        activateNextStep();
    } else {
        showProgressText(ErrorResetText);
        startDelay(&SpindleRunWidget::sendErrorReset, ErrorResetDelay);
    }
}

void SpindleRunWidget::sendErrorReset()
{
    disconnect(&m_delayTimer, &QTimer::timeout, this, &SpindleRunWidget::sendErrorReset);
    if (!isRunActive())
        return;
    m_runState = ResettingErrors;
    m_datasetController->sendResetCommand();
    m_elapsedTimer.start();
}

void SpindleRunWidget::resetResponseReceived(CommErrorCode error)
{
    if (m_runState != ResettingErrors)
        return;
    m_elapsedTimer.invalidate();
    if (error != CommError::NoError) {
        abortWithError(tr("Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ein Fehler aufgetreten: Der "
                          "Fehler-Reset konnte nicht durchgeführt werden! Der Spindeleinlauf wurde "
                          "abgebrochen.\n\n"));
    } else if (!m_datasetController->errorActive()) {
        m_runState = Running;
        activateNextStep();
    } else {
        // The flags known here may predate the reset: look again after a pause.
        showProgressText(StateUpdateText);
        startDelay(&SpindleRunWidget::sendInverterFlagsUpdateRequest, StateUpdateDelay);
    }
}

void SpindleRunWidget::sendInverterFlagsUpdateRequest()
{
    disconnect(&m_delayTimer, &QTimer::timeout, this, &SpindleRunWidget::sendInverterFlagsUpdateRequest);
    if (!isRunActive())
        return;
    if (!m_datasetController->errorActive()) {
        m_runState = Running;
        activateNextStep();
        return;
    }
    m_runState = UpdatingState;
    m_communicationController->sendParameterRequest({Param::InverterFlags});
    m_elapsedTimer.start();
}

void SpindleRunWidget::inverterStateChanged()
{
    if (m_runState != UpdatingState)
        return;
    // An error still active is caught by the next Running tick.
    m_elapsedTimer.invalidate();
    m_runState = Running;
    activateNextStep();
}

void SpindleRunWidget::startDelay(void (SpindleRunWidget::*slot)(), int milliseconds)
{
    m_delayTimer.disconnect(this);
    connect(&m_delayTimer, &QTimer::timeout, this, slot);
    m_delayTimer.start(milliseconds);
}

void SpindleRunWidget::abortWithError(const QString &text, const QString &detailedText)
{
    m_runState = Stopping;
    emit runInAborted(text);
    m_messagePresenter->critical(this, tr("Fehler"), text, detailedText);
}

bool SpindleRunWidget::isRunActive() const
{
    return m_runState != Idle && m_runState != Stopping && m_runState != Stopped && m_runState != RestoringSettings;
}

void SpindleRunWidget::saveSettings()
{
    m_savedSettings.clear();
    const auto save = [this](uint16_t id) {
        m_savedSettings.insert(id, m_datasetController->deviceValueKnown(id) ? m_datasetController->deviceRawValue(id)
                                                                            : m_datasetController->rawValue(id));
    };
    for (uint16_t id = 1; id < Param::CatalogueSize; ++id) {
        const ParameterDescriptor *d = m_datasetController->descriptor(id);
        if (d && d->inMotorSet)
            save(id);
    }
    for (uint16_t id : releasedInputs)
        if (id != Param::StartStop)
            save(id);
    save(Param::InputForStart);
    save(Param::InputForRatedFrequency);
}

// Waits for the motor to stand (the stop went out when the run ended), then
// writes the saved settings; without a connection the stop and the write wait
// for the next one.
void SpindleRunWidget::restoreSettingsStep()
{
    showProgressText(RestoringText);
    if (m_communicationController->state() != CommunicationController::Connected) {
        m_datasetController->stopOnNextConnect();
        m_runState = Stopped;
        return;
    }
    if (m_restoreSent) {
        if (m_elapsedTimer.isValid() && m_elapsedTimer.elapsed() > RestoreTimeout) {
            m_runState = Stopped;
            m_messagePresenter->critical(this, tr("Fehler"),
                                         tr("Die Einstellungen vor dem Spindeleinlauf konnten nicht "
                                            "wiederhergestellt werden: Der Umrichter hat nicht geantwortet.\n\n"));
        }
        return;
    }
    if (m_datasetController->motorRunning())
        return;
    m_datasetController->takeValues(m_savedSettings);
    m_datasetController->sendChangedParametersToInverter();
    m_restoreSent = true;
    m_elapsedTimer.start();
}

// ---- start and stop ---------------------------------------------------------------------

void SpindleRunWidget::startSpindleRun()
{
    if (m_runState != Idle || m_steps.isEmpty() || !speedChosen())
        return;
    const QFont font = boxFont();

    const QString notice =
        QStringLiteral("<html><head/><body><p><span> %1 <ul><li> %2 </li><li> %3 </li><li> %4 </li><li> %5 "
                       "</li></ul></span><br/></p></body></html>")
            .arg(tr("Bei Durchführung eines Spindeleinlaufes wird die Parametrierung des Umrichters entsprechend "
                    "der gewählten Spindel angepasst; d.h. der aktuelle Parametersatz wird überschrieben. Um einen "
                    "Spindeleinlauf durchzuführen, gehen Sie daher bitte wie folgt vor:"),
                 tr("Speichern Sie den aktuellen Parametersatz vor dem Spindeleinlauf"),
                 tr("Stellen Sie eine anwendungsgerechte Kühlung der Spindel sicher"),
                 tr("Führen Sie den Spindeleinlauf durch"),
                 tr("Laden Sie die gewünschten Parameter und übertragen diese auf den Umrichter"));
    if (!m_messagePresenter->confirmWarning(this, tr("Spindeleinlauf"), notice, font))
        return;

    const QString question =
        QStringLiteral("<html><head/><body><p><span> %1 </span></p><p><span style=\" font-weight:600;\"> %2 "
                       "</span><span> %3 </span></p><p><span> %4 </span></p></body></html>")
            .arg(tr("Das Spindeleinlaufprogramm für den %1 hat eine Gesamtlaufzeit von ca. %2 Minuten.")
                     .arg(ui->typeComboBox->currentText(), QString::number(m_totalSeconds / 60)),
                 tr("Achtung:"),
                 tr("Da Torvana den Spindeleinlauf steuert und überwacht, muss während der gesamten Laufzeit eine "
                    "Verbindung zwischen Torvana und dem Umrichter existieren! Torvana darf nicht beendet, die "
                    "USB-Verbindung nicht unterbrochen und der PC nicht ausgeschaltet werden!"),
                 tr("Wollen Sie den Spindeleinlauf starten?"));
    if (!m_messagePresenter->questionInFont(this, tr("Torvana"), question, font))
        return;
    // Things may have changed while the boxes were open.
    if (m_runState != Idle || !ui->startSpindleButton->isEnabled())
        return;

    m_runState = Starting;
    updateHintLabel();
    m_tickTimer.start();
}

void SpindleRunWidget::stopSpindleRun()
{
    if (!isRunActive())
        return;
    if (!m_messagePresenter->question(this, tr("Torvana"),
                                      tr("Wollen Sie das laufende Spindeleinlaufprogramm wirklich abbrechen?\n\n")))
        return;
    // The program may have ended while the question was open.
    if (!isRunActive())
        return;
    m_runState = Stopping;
    m_setpoint = 0;
    m_datasetController->sendStopCommand();
}

QFont SpindleRunWidget::boxFont() const
{
    QFont boxFont = font();
    boxFont.setPointSize(std::max(1, int(std::floor(9 * WidgetScaler::screenFactor()))));
    return boxFont;
}

// ---- connection and button rules ----------------------------------------------------------

void SpindleRunWidget::connectedToInverter()
{
    if (isRunActive())
        return;
    // A run cut off by a lost connection: the window is locked again until
    // the settings are back.
    if (m_runState == Idle && !m_savedSettings.isEmpty()) {
        emit spindleRunStarted();
        enableSelectionBoxes(false);
        m_restoreSent = false;
        m_runState = RestoringSettings;
        m_tickTimer.start();
        return;
    }
    enableSelectionBoxes(true);
    checkStartSpindleButton();
}

void SpindleRunWidget::disconnectedFromInverter()
{
    ui->startSpindleButton->setEnabled(false);
    ui->stopSpindleButton->setEnabled(false);
    if (!isRunActive())
        return;
    m_runState = Stopping;
    m_stepTimer.stop();
    m_elapsedTimer.invalidate();
    m_messagePresenter->critical(this, tr("Fehler"),
                                 tr("Die Kommunikationsverbindung zum Umrichter wurde unterbrochen oder ist gestört! "
                                    "Der Spindeleinlauf wird abgebrochen.\nBitte beheben Sie den Fehler und starten "
                                    "den Spindeleinlauf neu.\n\n"));
}

void SpindleRunWidget::checkStartSpindleButton()
{
    ui->startSpindleButton->setEnabled(
        m_runState == Idle && !m_steps.isEmpty()
        && m_communicationController->state() == CommunicationController::Connected
        && !m_datasetController->motorRunning() && speedChosen());
    updateHintLabel();
}

void SpindleRunWidget::updateHintLabel()
{
    const bool programLoaded = ui->programComboBox->currentIndex() >= 0 && !showsPlaceholder(ui->programComboBox)
        && !m_steps.isEmpty();
    if (m_runState == Idle || m_runState == Stopping || !programLoaded) {
        ui->hintLabel->clear();
        return;
    }
    ui->hintLabel->setText(
        QStringLiteral("<html><head/><body><p><span style=\" font-weight:600; color:#ff0000;\">%1</span> "
                       "<span>%2</span></p></body></html>")
            .arg(tr("Achtung:").toHtmlEscaped(),
                 tr("Da Torvana den Spindeleinlauf steuert und überwacht, muss während der gesamten Laufzeit eine "
                    "Verbindung zwischen Torvana und dem Umrichter existieren! Torvana darf nicht beendet, die "
                    "USB-Verbindung nicht unterbrochen und der Rechner nicht ausgeschaltet werden!")
                     .toHtmlEscaped()));
}

void SpindleRunWidget::updateSpeedDisplay()
{
    const bool rpm = m_datasetController->rawValue(Param::SpeedDisplay) == Code::DisplayRpm;
    ui->setpointLabel->setText(rpm ? tr("Aktuelle Drehzahl: ") : tr("Aktuelle Frequenz: "));
    ui->setpointSpinBox->setSuffix(rpm ? tr(" min-1") : tr(" Hz"));
}

void SpindleRunWidget::enableSelectionBoxes(bool enable)
{
    for (QComboBox *box : {ui->familyComboBox, ui->typeComboBox, ui->speedComboBox, ui->programComboBox})
        box->setEnabled(enable && box->count() > 0);
}

void SpindleRunWidget::showProgressText(const char *sourceText)
{
    m_progressText = sourceText;
    ui->progressBar->setFormat(sourceText ? tr(sourceText) : QString::fromLatin1(PercentFormat));
}

void SpindleRunWidget::showSetpoint(int setpoint)
{
    ui->setpointSpinBox->setValue(setpoint);
}

void SpindleRunWidget::clearStepTexts()
{
    ui->stepLabel->clear();
    ui->stepTimeLabel->clear();
}

bool SpindleRunWidget::speedChosen() const
{
    return ui->speedComboBox->currentIndex() >= 0 && !showsPlaceholder(ui->speedComboBox);
}

// ---- program and spindle choice -------------------------------------------------------------

void SpindleRunWidget::checkSpindleRunProgram()
{
    // The boxes are locked during a run; its steps stay as they were started.
    if (isRunActive())
        return;
    m_steps.clear();
    m_totalSeconds = 0;
    QComboBox *programs = ui->programComboBox;
    if (programs->currentIndex() >= 0 && !showsPlaceholder(programs)) {
        ComboBoxPlaceholder::remove(programs);
        const RunInProgram program = RunInProgram::fromFile(programs->currentData().toString());
        m_steps = program.steps();
        m_totalSeconds = program.totalSeconds();
    }
    if (speedChosen())
        ComboBoxPlaceholder::remove(ui->speedComboBox);
    checkStartSpindleButton();
}

void SpindleRunWidget::fillPrograms()
{
    QComboBox *programs = ui->programComboBox;
    const QSignalBlocker blocker(programs);
    programs->clear();
    for (const BuiltInProgram &program : builtInPrograms)
        programs->addItem(tr(program.name), QString::fromLatin1(program.file));
    ComboBoxPlaceholder::set(programs, tr("Einlaufprogramm wählen..."), true);
}

// Family, type and maximum speed come from the file names
// "<family> <type> - <speed> rpm.mtr". A box is refilled with its signals
// blocked, and the box below is refilled once, for the final choice.

void SpindleRunWidget::fillSpindleFamilies()
{
    QComboBox *families = ui->familyComboBox;
    {
        const QSignalBlocker blocker(families);
        families->clear();
        for (const QString &family : m_spindles.families())
            families->addItem(family, family);
    }
    ComboBoxPlaceholder::set(families, tr("Spindelfamilie wählen..."), true);
    fillSpindleTypes();
}

void SpindleRunWidget::fillSpindleTypes()
{
    QComboBox *families = ui->familyComboBox;
    QComboBox *types = ui->typeComboBox;
    ComboBoxPlaceholder::remove(families);
    const QString family = showsPlaceholder(families) ? QString() : families->currentText();
    {
        const QSignalBlocker blocker(types);
        types->clear();
        if (!family.isEmpty()) {
            for (const QString &type : m_spindles.types(family))
                types->addItem(type, type);
        }
    }
    types->setEnabled(types->count() > 0);
    // A single type needs no choice.
    if (types->count() > 1)
        ComboBoxPlaceholder::set(types, tr("Spindeltyp wählen..."), true);
    fillMaximumSpeeds();
}

void SpindleRunWidget::fillMaximumSpeeds()
{
    QComboBox *types = ui->typeComboBox;
    QComboBox *speeds = ui->speedComboBox;
    ComboBoxPlaceholder::remove(types);
    const bool typeChosen = types->currentIndex() >= 0 && !showsPlaceholder(types);
    {
        const QSignalBlocker blocker(speeds);
        speeds->clear();
        if (typeChosen) {
            const auto choices = m_spindles.speeds(ui->familyComboBox->currentText(), types->currentText());
            for (const SpindleCatalogue::Speed &speed : choices)
                speeds->addItem(speed.speed + tr(" min-1"), speed.path);
        }
    }
    speeds->setEnabled(speeds->count() > 0);
    if (speeds->count() > 1)
        ComboBoxPlaceholder::set(speeds, tr("Maximaldrehzahl wählen..."), true);
    checkSpindleRunProgram();
}

void SpindleRunWidget::updateToolTips()
{
    ui->familyComboBox->setToolTip(tr("Bitte wählen Sie die Spindelfamilie aus."));
    ui->typeComboBox->setToolTip(tr("Bitte wählen Sie den Spindeltyp aus."));
    ui->speedComboBox->setToolTip(tr("Bitte wählen Sie die Maximaldrehzahl der Spindel aus."));
    ui->programComboBox->setToolTip(tr("Bitte wählen Sie das Spindeleinlaufprogramm aus."));
}

void SpindleRunWidget::retranslatePlaceholders()
{
    const auto rename = [](QComboBox *box, const QString &text) {
        if (ComboBoxPlaceholder::isPresent(box))
            ComboBoxPlaceholder::set(box, text, false);
    };
    rename(ui->familyComboBox, tr("Spindelfamilie wählen..."));
    rename(ui->typeComboBox, tr("Spindeltyp wählen..."));
    rename(ui->speedComboBox, tr("Maximaldrehzahl wählen..."));
    rename(ui->programComboBox, tr("Einlaufprogramm wählen..."));

    for (const BuiltInProgram &program : builtInPrograms) {
        const int index = ui->programComboBox->findData(QString::fromLatin1(program.file));
        if (index >= 0)
            ui->programComboBox->setItemText(index, tr(program.name));
    }
    // Speed items are the digits and the unit, which starts with a blank in every language.
    QComboBox *speeds = ui->speedComboBox;
    for (int index = ComboBoxPlaceholder::isPresent(speeds) ? 1 : 0; index < speeds->count(); ++index) {
        const QString digits = speeds->itemText(index).section(QLatin1Char(' '), 0, 0);
        speeds->setItemText(index, digits + tr(" min-1"));
    }
}

void SpindleRunWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslatePlaceholders();
        updateToolTips();
        updateSpeedDisplay();
        updateHintLabel();
        showProgressText(m_progressText);
    }
    QWidget::changeEvent(event);
}
