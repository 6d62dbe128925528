#include "MonitoringWidgetHalvex.h"
#include "ui_MonitoringWidgetHalvex.h"

#include "ComboBoxPlaceholder.h"
#include "CommunicationController.h"
#include "DatasetController.h"
#include "MessagePresenter.h"
#include "UnsavedChanges.h"
#include "ParameterFieldBinder.h"
#include "ParameterId.h"
#include "StartupSettings.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSettings>
#include <QSignalBlocker>

#include <cmath>

namespace {

// The binder's texts in this page's context (see ParameterFieldBinder.h).
[[maybe_unused]] const char *const fieldTexts[] = {
    QT_TRANSLATE_NOOP("MonitoringWidgetHalvex", "Parameter P%1"),
    QT_TRANSLATE_NOOP("MonitoringWidgetHalvex", "Parameter P%1\nMinimum: %2%3\nMaximum: %4%5"),
    QT_TRANSLATE_NOOP("MonitoringWidgetHalvex", "Parameter P%1\nMinimum: %2\nMaximum: %3%4"),
    QT_TRANSLATE_NOOP("MonitoringWidgetHalvex", " Hz"),
    QT_TRANSLATE_NOOP("MonitoringWidgetHalvex", " min-1"),
};

const QString DeviceSetSuffix = QStringLiteral(".mps");
const QString ParametersetDirectoryKey = QStringLiteral("ParametersetDirectory");
const QString ShowInformationMessagesKey = QStringLiteral("ShowInformationMessages");
constexpr int MotorSlotCount = 16;

// Motor memory store results (status of the store answer).
constexpr CommErrorCode MemoryUnusable = 0x10;
constexpr CommErrorCode EepromWriteError = 0x20;

// "M1, M3. \n": the used slots in ascending order.
QString slotList(uint16_t mask)
{
    QString list;
    for (int bit = 0; bit < MotorSlotCount; ++bit) {
        if (mask & (1u << bit))
            list += (list.isEmpty() ? QStringLiteral("M%1") : QStringLiteral(", M%1")).arg(bit + 1);
    }
    return list + QStringLiteral(". \n");
}

// Missing, unreadable and empty files are refused before the model sees them.
bool isUsableFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.exists() && info.isReadable() && info.size() > 0;
}

} // namespace

MonitoringWidgetHalvex::MonitoringWidgetHalvex(DatasetController *datasetController,
                                               CommunicationController *communicationController, QWidget *parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::MonitoringWidgetHalvex>()),
      m_datasetController(datasetController),
      m_communicationController(communicationController)
{
    ui->setupUi(this);
    m_fields = new ParameterFieldBinder(this, m_datasetController);
    connect(m_fields, &ParameterFieldBinder::parameterChangedByUser, this,
            &MonitoringWidgetHalvex::parameterChangedByUser);
    m_fields->setChangeSignalSuppressed(Param::RatedFrequency);

    loadSettings();
    fillSpindleFamilies();

    // The caption of the set-point source names a frequency or a speed as well.
    m_fields->collectFields(false);
    m_fields->addConvertibleLabel(ui->targetValueLabel);

    // The slot box carries parameter 20 but is no field: only the basic
    // parameters are bound combo boxes.
    m_fields->setComboBoxScope(ui->baseParametersGroupBox);
    m_fields->updateToolTips();
    m_fields->fillComboBoxes();

    setComboBoxPlaceholder(ui->parametersetComboBox, tr("Speicherplatz wählen..."), true);
    updateSpecialToolTips();
    connectSignals();

    checkStartStopButtons();
    checkFactoryResetButton();
    updateSpeedDisplay();
    checkMotorParametersetButtons();
}

MonitoringWidgetHalvex::~MonitoringWidgetHalvex() = default;

void MonitoringWidgetHalvex::setMessagePresenter(MessagePresenter *presenter)
{
    m_messagePresenter = presenter;
}

void MonitoringWidgetHalvex::setFileChooser(FileChooser *chooser)
{
    m_fileChooser = chooser ? chooser : &m_defaultFileChooser;
}

void MonitoringWidgetHalvex::connectSignals()
{
    DatasetController *dataset = m_datasetController;
    CommunicationController *comm = m_communicationController;
    const auto clearLoaded = [this] { clearLoadedMotorType(); };

    connect(dataset, &DatasetController::parametersUpdated, this, &MonitoringWidgetHalvex::updateParameters,
            Qt::QueuedConnection);
    connect(dataset, &DatasetController::diagnosticsParametersUpdated, this,
            &MonitoringWidgetHalvex::updateReadOnlyParameters, Qt::QueuedConnection);
    connect(comm, &CommunicationController::connectedToDevice, this, &MonitoringWidgetHalvex::connectedToInverter,
            Qt::QueuedConnection);
    connect(comm, &CommunicationController::disconnectedFromDevice, this,
            &MonitoringWidgetHalvex::disconnectedFromInverter, Qt::QueuedConnection);
    // A set read after connecting leaves a loaded motor type in place when the
    // working copy kept the user's values.
    connect(comm, &CommunicationController::currentParametersetReceived, this, [this] {
        if (!m_datasetController->holdsUserChanges())
            clearLoadedMotorType();
    }, Qt::DirectConnection);
    connect(dataset, &DatasetController::motorParametersetValueChanged, this, clearLoaded, Qt::DirectConnection);
    connect(comm, &CommunicationController::motorParametersReceived, this,
            &MonitoringWidgetHalvex::motorParametersReceived, Qt::QueuedConnection);
    connect(comm, &CommunicationController::deleteParametersetResponseReceived, this,
            &MonitoringWidgetHalvex::deleteParametersetResponseReceived, Qt::QueuedConnection);
    connect(dataset, &DatasetController::writeMotorParametersetDone, this,
            &MonitoringWidgetHalvex::writeParametersetResponseReceived, Qt::QueuedConnection);

    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(ui->inputStartComboBox, indexChanged, this, &MonitoringWidgetHalvex::checkStartStopButtons);
    connect(ui->targetValueComboBox, indexChanged, this, &MonitoringWidgetHalvex::checkInputForRatedFrequency);
    connect(ui->motorBasetypesComboBox, indexChanged, this, &MonitoringWidgetHalvex::fillSpindleTypes);
    connect(ui->motorSubtypesComboBox, indexChanged, this, &MonitoringWidgetHalvex::fillMaximumSpeeds);
    connect(ui->motorRpmComboBox, indexChanged, this, &MonitoringWidgetHalvex::checkMotorTypes,
            Qt::QueuedConnection);

    connect(ui->startDriveButton, &QPushButton::clicked, dataset, &DatasetController::sendStartCommand,
            Qt::QueuedConnection);
    connect(ui->stopDriveButton, &QPushButton::clicked, dataset, &DatasetController::sendStopCommand,
            Qt::QueuedConnection);
    connect(ui->resetButton, &QPushButton::clicked, dataset, &DatasetController::sendResetCommand,
            Qt::QueuedConnection);

    connect(dataset, &DatasetController::inverterStateChanged, this, &MonitoringWidgetHalvex::checkResetButton,
            Qt::QueuedConnection);
    connect(dataset, &DatasetController::motorOperationChanged, this,
            &MonitoringWidgetHalvex::checkMotorParametersetButtons, Qt::QueuedConnection);
    connect(dataset, &DatasetController::motorOperationChanged, this,
            &MonitoringWidgetHalvex::checkFactoryResetButton, Qt::QueuedConnection);
    connect(dataset, &DatasetController::speedDisplayChanged, this, &MonitoringWidgetHalvex::updateSpeedDisplay,
            Qt::QueuedConnection);
    // Immediate, so that the set-point follows before the PolePairs entry returns.
    connect(dataset, &DatasetController::motorPolePairsChanged, this,
            &MonitoringWidgetHalvex::setConvertibleParameters);

    // The buttons of the form.
    connect(ui->loadParamsFromFilePushButton, &QPushButton::clicked, this,
            &MonitoringWidgetHalvex::loadMotorParametersFromFile);
    connect(ui->writeParamsToFilePushButton, &QPushButton::clicked, this,
            &MonitoringWidgetHalvex::saveMotorParametersToFile);
    connect(ui->loadDefaultsPushButton, &QPushButton::clicked, this, &MonitoringWidgetHalvex::loadFactorySettings);
    connect(ui->loadDrivePushButton, &QPushButton::clicked, this, &MonitoringWidgetHalvex::loadMotorTypeFromFile);
    connect(ui->loadFromInverterPushButton, &QPushButton::clicked, this,
            &MonitoringWidgetHalvex::loadMotorParametersFromDevice);
    connect(ui->writeToInverterPushButton, &QPushButton::clicked, this,
            &MonitoringWidgetHalvex::saveMotorParametersToDevice);
    connect(ui->deleteFromInverterPushButton, &QPushButton::clicked, this,
            &MonitoringWidgetHalvex::deleteMotorParametersOnDevice);
    connect(ui->parametersetComboBox, indexChanged, this,
            [this] { checkMotorCodeComboBox(ui->parametersetComboBox->currentText()); });

    // The start rule depends on the set-point, whose entries raise no model signal.
    connect(m_fields, &ParameterFieldBinder::entryApplied, this, [this](QWidget *, uint16_t id) {
        if (id == Param::RatedFrequency)
            checkStartStopButtons();
    });
}

// ---- fields ----------------------------------------------------------------------

void MonitoringWidgetHalvex::updateSpeedDisplay()
{
    m_fields->updateSpeedDisplay();
}

void MonitoringWidgetHalvex::setConvertibleParameters()
{
    m_fields->setConvertibleParameters();
}

void MonitoringWidgetHalvex::setParameter()
{
    m_fields->applyEntry(sender());
}

void MonitoringWidgetHalvex::updateParameters()
{
    if (!isVisible())
        return;
    refreshSetpointField();
    m_fields->updateParameters();
    checkStartStopButtons();
    checkInputForRatedFrequency();
}

void MonitoringWidgetHalvex::updateReadOnlyParameters()
{
    // The read-only fields are the operating values; the binder shows them as
    // not current while they are not.
    m_fields->updateOperatingValues();
}

void MonitoringWidgetHalvex::refreshSetpointField()
{
    // The set-point's limits follow the motor frequencies.
    m_fields->refreshDependentField(ui->targetFrequencySpinBox);
}

void MonitoringWidgetHalvex::updateSpecialToolTips()
{
    ui->motorBasetypesComboBox->setToolTip(tr("Bitte wählen Sie die Spindelfamilie aus."));
    ui->motorSubtypesComboBox->setToolTip(tr("Bitte wählen Sie den Spindeltyp aus."));
    ui->motorRpmComboBox->setToolTip(tr("Bitte wählen Sie die Maximaldrehzahl der Spindel aus."));
    ui->rotationDirectionComboBox->setToolTip(
        tr("<html><head/><body><p>P146</p><p><img src=\":/Images/CW_CCW_deu.png\"/></p></body></html>"));
}

// ---- connection and button rules ---------------------------------------------------

void MonitoringWidgetHalvex::connectedToInverter()
{
    m_connected = true;
    checkFactoryResetButton();
    checkStartStopButtons();
    checkResetButton();
    checkMotorParametersetButtons();
}

void MonitoringWidgetHalvex::disconnectedFromInverter()
{
    m_connected = false;
    checkFactoryResetButton();
    checkStartStopButtons();
    checkResetButton();
    checkMotorParametersetButtons();
}

void MonitoringWidgetHalvex::checkFactoryResetButton()
{
    ui->loadDefaultsPushButton->setEnabled(m_connected && !m_datasetController->motorRunning());
}

void MonitoringWidgetHalvex::checkStartStopButtons()
{
    if (m_fields->isRetranslating())
        return;
    const bool startedHere = ParameterFieldBinder::comboBoxCode(ui->inputStartComboBox) == Code::InputTorvana;
    const bool setpointHere = ParameterFieldBinder::comboBoxCode(ui->targetValueComboBox) == Code::InputTorvana;
    const bool enabled =
        m_connected && startedHere && (ui->targetFrequencySpinBox->value() > 0 || !setpointHere);
    ui->startDriveButton->setEnabled(enabled);
    ui->stopDriveButton->setEnabled(enabled);
}

void MonitoringWidgetHalvex::checkResetButton()
{
    ui->resetButton->setEnabled(m_connected
                                && (m_datasetController->errorActive() || m_datasetController->warningActive()));
}

void MonitoringWidgetHalvex::checkMotorParametersetButtons()
{
    const bool running = m_datasetController->motorRunning();
    const bool slotChosen = !showsPlaceholder(ui->parametersetComboBox);
    ui->parametersetComboBox->setEnabled(!running && m_connected);
    const bool buttons = !running && m_connected && slotChosen;
    ui->loadFromInverterPushButton->setEnabled(buttons);
    ui->writeToInverterPushButton->setEnabled(buttons);
    ui->deleteFromInverterPushButton->setEnabled(buttons);
}

void MonitoringWidgetHalvex::checkInputForRatedFrequency()
{
    if (m_fields->isRetranslating())
        return;
    const bool setpointHere = ParameterFieldBinder::comboBoxCode(ui->targetValueComboBox) == Code::InputTorvana;
    ui->targetFrequencySpinBox->setEnabled(setpointHere);
    ui->targetFrequencyLabel->setEnabled(setpointHere);
    checkStartStopButtons();
}

void MonitoringWidgetHalvex::checkMotorTypes()
{
    removeComboBoxPlaceholder(ui->motorRpmComboBox);
    ui->loadDrivePushButton->setEnabled(ui->motorRpmComboBox->currentIndex() >= 0
                                        && !showsPlaceholder(ui->motorRpmComboBox));
}

void MonitoringWidgetHalvex::checkMotorCodeComboBox(QString text)
{
    QPushButton *load = ui->loadFromInverterPushButton;
    QPushButton *save = ui->writeToInverterPushButton;
    QPushButton *remove = ui->deleteFromInverterPushButton;
    if (text.isEmpty() || showsPlaceholder(ui->parametersetComboBox)) {
        load->setText(tr("Laden"));
        save->setText(tr("Speichern"));
        remove->setText(tr("Löschen"));
        load->setEnabled(false);
        save->setEnabled(false);
        remove->setEnabled(false);
        return;
    }
    setComboBoxPlaceholder(ui->parametersetComboBox, tr("keine Auswahl"), false);
    load->setText(tr("%1 laden").arg(text));
    save->setText(tr("%1 speichern").arg(text));
    remove->setText(tr("%1 löschen").arg(text));
    // Also run on a language change: the connection and motor state still decide.
    checkMotorParametersetButtons();
}

// ---- placeholders -------------------------------------------------------------------

void MonitoringWidgetHalvex::setComboBoxPlaceholder(QComboBox *comboBox, const QString &text, bool select)
{
    // An empty box stays empty: a placeholder alone would offer nothing to choose.
    if (comboBox && comboBox->count() > 0)
        ComboBoxPlaceholder::set(comboBox, text, select);
}

void MonitoringWidgetHalvex::removeComboBoxPlaceholder(QComboBox *comboBox)
{
    if (comboBox)
        ComboBoxPlaceholder::remove(comboBox);
}

bool MonitoringWidgetHalvex::showsPlaceholder(const QComboBox *comboBox)
{
    return ComboBoxPlaceholder::isShown(comboBox);
}

// ---- built-in motor types -----------------------------------------------------------
// Family, type and maximum speed come from the file names
// "<family> <type> - <speed> rpm.mtr". The boxes are refilled with their
// signals blocked, so that a box below is refilled once, for the final choice.

void MonitoringWidgetHalvex::fillSpindleFamilies()
{
    QComboBox *families = ui->motorBasetypesComboBox;
    {
        const QSignalBlocker blocker(families);
        families->clear();
        for (const QString &family : m_spindles.families())
            families->addItem(family, family);
    }
    setComboBoxPlaceholder(families, tr("Spindelfamilie wählen..."), true);
}

void MonitoringWidgetHalvex::fillSpindleTypes()
{
    QComboBox *families = ui->motorBasetypesComboBox;
    QComboBox *types = ui->motorSubtypesComboBox;
    removeComboBoxPlaceholder(families);
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
    if (types->count() != 1)
        setComboBoxPlaceholder(types, tr("Spindeltyp wählen..."), true);
    // A single type is current already and its speeds follow at once; while
    // the placeholder shows, the speed box stays empty.
    fillMaximumSpeeds();
}

void MonitoringWidgetHalvex::fillMaximumSpeeds()
{
    QComboBox *types = ui->motorSubtypesComboBox;
    QComboBox *speeds = ui->motorRpmComboBox;
    removeComboBoxPlaceholder(types);
    const QString family = ui->motorBasetypesComboBox->currentText();
    const bool typeChosen = types->currentIndex() >= 0 && !showsPlaceholder(types);
    const QString remembered = speeds->currentData().toString();
    {
        const QSignalBlocker blocker(speeds);
        speeds->clear();
        if (typeChosen) {
            for (const SpindleCatalogue::Speed &speed : m_spindles.speeds(family, types->currentText()))
                speeds->addItem(speed.speed + tr(" min-1"), speed.path);
        }
        speeds->setEnabled(typeChosen);
    }
    const int rememberedIndex = remembered.isEmpty() ? -1 : speeds->findData(remembered);
    if (rememberedIndex >= 0) {
        const QSignalBlocker blocker(speeds);
        speeds->setCurrentIndex(rememberedIndex);
    } else if (speeds->count() > 1) {
        setComboBoxPlaceholder(speeds, tr("Maximaldrehzahl wählen..."), true);
    }
    // A single speed is current already: it needs no choice.
    checkMotorTypes();
}

void MonitoringWidgetHalvex::refreshSpindleChoices()
{
    fillMaximumSpeeds();
    if (showsPlaceholder(ui->motorSubtypesComboBox))
        setComboBoxPlaceholder(ui->motorSubtypesComboBox, tr("Spindeltyp wählen..."), false);
    if (showsPlaceholder(ui->motorBasetypesComboBox))
        setComboBoxPlaceholder(ui->motorBasetypesComboBox, tr("Spindelfamilie wählen..."), false);
}

bool MonitoringWidgetHalvex::refuseLoadWhileRunning(const QString &text)
{
    // The model takes no stopped-only parameter while the motor runs; such a
    // load would leave motor type and limits as they were.
    if (!m_datasetController->motorRunning())
        return false;
    showBox(Box::Warning, this, tr("Torvana"), text);
    return true;
}

void MonitoringWidgetHalvex::loadMotorTypeFromFile()
{
    QComboBox *speeds = ui->motorRpmComboBox;
    if (speeds->currentIndex() < 0 || showsPlaceholder(speeds))
        return;
    if (refuseLoadWhileRunning(tr("Der ausgewählte Motorparametersatz kann nicht geladen werden, solange der Motor "
                                  "läuft!\n\nBitte stoppen Sie den Motor und laden Sie den Motorparametersatz "
                                  "erneut.")))
        return;
    const QString fileName = speeds->currentData().toString();
    if (!confirmDiscardChanges(tr("Trotzdem den Motortyp laden?")))
        return;
    if (!isUsableFile(fileName)) {
        showBox(Box::Critical, this, tr("Fehler"),
                tr("Der ausgewählte Motorparametersatz ist ungültig und konnte nicht geladen werden!\n\n"));
        return;
    }
    if (m_datasetController->loadFromFile(fileName) < 0) {
        showBox(Box::Warning, this, tr("Torvana"),
                tr("Der ausgewählte Motorparametersatz konnte nicht geladen werden!\n\n"));
        return;
    }
    const QString baseName = QFileInfo(fileName).completeBaseName();
    m_loadedMotorTypeName = baseName.left(baseName.lastIndexOf(QLatin1String(" rpm")));
    ui->halvexDriveLineEdit->setText(m_loadedMotorTypeName + tr(" min-1"));
    if (m_showInformationMessages)
        showBox(Box::Information, this, tr("Torvana"),
                tr("Der ausgewählte Motorparametersatz wurde erfolgreich geladen!\n\n"));
}

void MonitoringWidgetHalvex::clearLoadedMotorType()
{
    ui->halvexDriveLineEdit->clear();
    m_loadedMotorTypeName.clear();
}

// ---- motor memories on the inverter -------------------------------------------------

uint16_t MonitoringWidgetHalvex::motorSets()
{
    return uint16_t(std::floor(m_datasetController->value(Param::MotorSets) + 0.5));
}

int MonitoringWidgetHalvex::chosenSlot() const
{
    const QComboBox *box = ui->parametersetComboBox;
    if (box->currentIndex() < 0 || showsPlaceholder(box))
        return -1;
    return box->currentIndex() - 1;
}

void MonitoringWidgetHalvex::loadMotorParametersFromDevice()
{
    const int slot = chosenSlot();
    if (slot < 0)
        return;
    const uint16_t mask = motorSets();
    if (mask & (1u << slot)) {
        if (!confirmDiscardChanges(tr("Trotzdem den Motorparametersatz laden?")))
            return;
        m_motorSetLoadRequested = true;
        m_datasetController->loadMotorParamsFromDevice(uint16_t(slot));
        return;
    }
    if (mask == 0) {
        showBox(Box::Warning, nullptr, tr("Torvana"),
                tr("Der ausgewählte Motorparametersatz ist nicht belegt und kann nicht geladen werden!\n\n"
                   "Aktuell sind keine Motorparametersätze definiert und können daher nicht geladen werden."));
        return;
    }
    showBox(Box::Warning, nullptr, tr("Torvana"),
            tr("Der ausgewählte Motorparametersatz ist nicht belegt und kann nicht geladen werden!\n"
               "Weitere Informationen finden Sie unter Details."),
            tr("Es können nur Motorparametersätze geladen werden, die bereits definiert wurden. Aktuell sind "
               "folgende Motorparametersätze definiert und können geladen werden: ")
                + slotList(mask));
}

void MonitoringWidgetHalvex::saveMotorParametersToDevice()
{
    const int slot = chosenSlot();
    if (slot < 0)
        return;
    const uint16_t mask = motorSets();
    const uint16_t bit = uint16_t(1u << slot);
    if (!(mask & bit)) {
        m_datasetController->saveMotorParamsToDevice(uint16_t(slot));
        return;
    }
    bool overwrite = false;
    if (mask == bit) {
        overwrite = ask(nullptr,
                        tr("Der ausgewählte Parametersatz-Speicher ist bereits belegt. Wollen Sie den vorhandenen "
                           "Motorparametersatz überschreiben?\n\nFalls Sie den ausgewählten Motorparametersatz "
                           "nicht überschreiben wollen, wählen Sie Nein und anschießend einen anderen "
                           "Speicherplatz aus.\n"));
    } else {
        overwrite = ask(nullptr,
                        tr("Der ausgewählte Parametersatz-Speicher ist bereits belegt. Wollen Sie den vorhandenen "
                           "Motorparametersatz überschreiben?\nWeitere Informationen finden Sie unter Details."),
                        tr("Aktuell sind die folgenden Parametersatzspeicher belegt: ") + slotList(mask));
    }
    if (overwrite)
        m_datasetController->saveMotorParamsToDevice(uint16_t(slot));
}

void MonitoringWidgetHalvex::deleteMotorParametersOnDevice()
{
    const int slot = chosenSlot();
    if (slot < 0)
        return;
    const uint16_t mask = motorSets();
    if (mask & (1u << slot)) {
        if (ask(nullptr, tr("Wollen Sie den ausgewählten Motorparametersatz M%1 tatsächlich löschen?\n"
                            "Eine Wiederherstellung des Parametersatzes ist anschließend nicht mehr möglich!\n")
                             .arg(slot + 1)))
            m_datasetController->deleteMotorParamsOnDevice(uint16_t(slot));
        return;
    }
    if (mask == 0) {
        showBox(Box::Warning, nullptr, tr("Torvana"),
                tr("Der ausgewählte Parametersatz ist nicht belegt und kann daher nicht gelöscht werden!\n"
                   "Aktuell sind keine Parametersätze definiert.\n"));
        return;
    }
    showBox(Box::Warning, nullptr, tr("Torvana"),
            tr("Der ausgewählte Parametersatz ist nicht belegt und kann daher nicht gelöscht werden!\n"
               "Weitere Informationen finden Sie unter Details."),
            tr("Aktuell sind die folgenden Parametersätze definiert: ") + slotList(mask));
}

void MonitoringWidgetHalvex::motorParametersReceived()
{
    if (m_motorSetLoadRequested) {
        m_motorSetLoadRequested = false;
        if (m_showInformationMessages)
            showBox(Box::Information, this, tr("Torvana"),
                    tr("Der Motorparametersatz wurde erfolgreich vom Umrichter abgerufen!\n\n"));
    }
    clearLoadedMotorType();
}

void MonitoringWidgetHalvex::writeParametersetResponseReceived(CommErrorCode error, QString detailedText)
{
    if (error == MemoryUnusable) {
        showBox(Box::Critical, nullptr, tr("Fehler"),
                tr("Der Parametersatz konnte nicht gespeichert werden; der gewählte Parametersatzspeicher nicht "
                   "verwendet werden kann!\n\n"));
    } else if (error == EepromWriteError) {
        showBox(Box::Critical, nullptr, tr("Fehler"),
                tr("Der Parametersatz konnte nicht gespeichert werden; es trat ein Fehler beim Schreiben in den "
                   "Eeprom auf!\n\n"));
    } else if (error != 0) {
        showBox(Box::Critical, nullptr, tr("Fehler"),
                tr("Beim Übertragen der vorgenommenen Einstellungen ist mindestens ein Fehler aufgetreten!\n"
                   "Weitere Informationen finden Sie unter Details."),
                detailedText);
    } else if (m_showInformationMessages) {
        showBox(Box::Information, nullptr, tr("Torvana"),
                tr("Der Parametersatz wurde erfolgreich zum Umrichter übertragen!\n\n"));
    }
}

void MonitoringWidgetHalvex::deleteParametersetResponseReceived(CommErrorCode error)
{
    if (error != 0)
        showBox(Box::Critical, this, tr("Fehler"), tr("Der Parametersatz konnte nicht gelöscht werden!\n\n"));
    else if (m_showInformationMessages)
        showBox(Box::Information, this, tr("Torvana"),
                tr("Der gewählte Parametersatz wurde erfolgreich gelöscht!\n\n"));
}

// ---- device parameter set files and factory settings ---------------------------------

void MonitoringWidgetHalvex::loadMotorParametersFromFile()
{
    if (refuseLoadWhileRunning(tr("Ein Geräteparametersatz kann nicht geladen werden, solange der Motor läuft!\n\n"
                                  "Bitte stoppen Sie den Motor und laden Sie den Geräteparametersatz erneut.")))
        return;
    if (!confirmDiscardChanges(tr("Trotzdem einen Geräteparametersatz laden?")))
        return;
    const QString fileName =
        m_fileChooser->openFileName(this, tr("Zu ladenden Geräteparametersatz wählen"), m_parametersetDirectory,
                                    tr("Geräteparametersätze (*.mps)"));
    if (fileName.isEmpty())
        return;
    if (!isUsableFile(fileName)) {
        showBox(Box::Critical, this, tr("Fehler"),
                tr("Der ausgewählte Geräteparametersatz ist ungültig und konnte nicht geladen werden!\n\n"));
        return;
    }
    if (m_datasetController->loadFromFile(fileName) < 0) {
        showBox(Box::Warning, this, tr("Torvana"),
                tr("Der ausgewählte Geräteparametersatz konnte nicht geladen werden!\n\n"));
        return;
    }
    clearLoadedMotorType();
    m_parametersetDirectory = QFileInfo(fileName).absolutePath();
    saveParametersetDirectory();
    if (m_showInformationMessages)
        showBox(Box::Information, this, tr("Torvana"),
                tr("Der ausgewählte Geräteparametersatz wurde erfolgreich geladen!\n\n"));
}

void MonitoringWidgetHalvex::saveMotorParametersToFile()
{
    QString fileName =
        m_fileChooser->saveFileName(this, tr("Zu speichernde Geräteparametersatz-Datei wählen"),
                                    m_parametersetDirectory, tr("Geräteparametersätze (*.mps)"));
    if (fileName.isEmpty())
        return;
    if (!fileName.endsWith(DeviceSetSuffix, Qt::CaseSensitive))
        fileName += DeviceSetSuffix;
    m_parametersetDirectory = QFileInfo(fileName).absolutePath();
    saveParametersetDirectory();
    if (!m_datasetController->saveToFile(fileName)) {
        showBox(Box::Warning, this, tr("Torvana"), tr("Der Geräteparametersatz konnte nicht gespeichert werden!\n\n"));
        return;
    }
    if (m_showInformationMessages)
        showBox(Box::Information, this, tr("Torvana"),
                tr("Der Geräteparametersatz wurde erfolgreich gespeichert!\n\n"));
}

void MonitoringWidgetHalvex::loadFactorySettings()
{
    if (!ask(nullptr, tr("Beim Laden der Werkseinstellungen werden alle auf dem Umrichter gespeicherten Parameter "
                         "gelöscht und überschrieben! Eine Wiederherstellung der überschriebenen Parameter ist "
                         "anschließend nicht mehr möglich!\n\nWollen Sie den Umrichter wirklich auf die "
                         "Werkseinstellungen zurücksetzen?\n")))
        return;
    // The window reports the answer and reads the parameters again.
    m_communicationController->sendFactoryResetCommand();
    clearLoadedMotorType();
}

// ---- settings --------------------------------------------------------------------------

void MonitoringWidgetHalvex::loadSettings()
{
    QSettings settings;
    if (settings.contains(ShowInformationMessagesKey))
        m_showInformationMessages = settings.value(ShowInformationMessagesKey).toBool();
    if (settings.contains(ParametersetDirectoryKey))
        m_parametersetDirectory = settings.value(ParametersetDirectoryKey).toString();
    else
        m_parametersetDirectory =
            StartupSettings::dataFolder() + QDir::separator() + QStringLiteral("Parametersets");
    QDir().mkpath(m_parametersetDirectory);
}

void MonitoringWidgetHalvex::saveParametersetDirectory()
{
    QSettings().setValue(ParametersetDirectoryKey, m_parametersetDirectory);
}

// ---- message boxes ----------------------------------------------------------------------

void MonitoringWidgetHalvex::showBox(Box kind, QWidget *parent, const QString &title, const QString &text,
                                     const QString &detailedText)
{
    if (m_messagePresenter) {
        switch (kind) {
        case Box::Information:
            m_messagePresenter->information(parent, title, text);
            break;
        case Box::Warning:
            m_messagePresenter->warning(parent, title, text, detailedText);
            break;
        case Box::Critical:
            m_messagePresenter->critical(parent, title, text, detailedText);
            break;
        }
        return;
    }
    const QMessageBox::Icon icon = kind == Box::Information ? QMessageBox::Information
        : kind == Box::Warning                              ? QMessageBox::Warning
                                                            : QMessageBox::Critical;
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    if (!detailedText.isEmpty())
        box.setDetailedText(detailedText);
    box.exec();
}

bool MonitoringWidgetHalvex::ask(QWidget *parent, const QString &text, const QString &detailedText)
{
    const QString title = tr("Torvana");
    if (m_messagePresenter)
        return detailedText.isEmpty() ? m_messagePresenter->question(parent, title, text)
                                      : m_messagePresenter->detailedQuestion(parent, title, text, detailedText);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    if (!detailedText.isEmpty())
        box.setDetailedText(detailedText);
    return box.exec() == QMessageBox::Yes;
}

bool MonitoringWidgetHalvex::confirmDiscardChanges(const QString &actionQuestion)
{
    const int changes = m_datasetController->differenceCount();
    return changes == 0 || ask(this, UnsavedChanges::questionText(changes, actionQuestion));
}

// ---- events ------------------------------------------------------------------------------

void MonitoringWidgetHalvex::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_fields->beginRetranslation();
        ui->retranslateUi(this);
        if (!m_loadedMotorTypeName.isEmpty())
            ui->halvexDriveLineEdit->setText(m_loadedMotorTypeName + tr(" min-1"));
        setComboBoxPlaceholder(ui->parametersetComboBox, tr("Speicherplatz wählen..."), false);
        checkMotorCodeComboBox(ui->parametersetComboBox->currentText());
        refreshSpindleChoices();
        m_fields->fillComboBoxes();
        updateSpeedDisplay();
        updateSpecialToolTips();
        m_fields->updateToolTips();
        m_fields->finishRetranslation();
    }
    QWidget::changeEvent(event);
}

void MonitoringWidgetHalvex::showEvent(QShowEvent *event)
{
    updateParameters();
    updateReadOnlyParameters();
    QWidget::showEvent(event);
}

void MonitoringWidgetHalvex::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Enter && event->key() != Qt::Key_Return) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The set-point entry has already reached the model through the field. With
    // the motor stopped and started from here, the start button sends it.
    const auto code = [this](uint16_t id) { return uint16_t(m_datasetController->value(id)); };
    if (ui->targetFrequencySpinBox->hasFocus() && code(Param::InputForRatedFrequency) == Code::InputTorvana
        && (m_datasetController->motorRunning() || code(Param::InputForStart) != Code::InputTorvana))
        m_datasetController->sendParameter(Param::RatedFrequency);
    event->accept();
}
