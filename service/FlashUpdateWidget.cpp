#include "FlashUpdateWidget.h"
#include "ui_FlashUpdateWidget.h"

#include "CommunicationController.h"
#include "DatasetController.h"
#include "FirmwareImage.h"
#include "StartupSettings.h"
#include "WidgetScaler.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFont>
#include <QSettings>
#include <QTemporaryDir>

#include <cmath>

#ifndef Q_OS_WIN
#include "D2xxSource.h"
#endif

namespace {

#ifdef Q_OS_WIN
const QString FlashTool = QStringLiteral("stm32flash.exe");
#else
const QString FlashTool = QStringLiteral("stm32flash");
#endif

const QString FirmwareDirectoryKey = QStringLiteral("FirmwareDirectory");
const QString BootloaderAllowedKey = QStringLiteral("BlUpdateAllowed");
const QString BootloaderFolder = QStringLiteral(":/Bootloader");
const QString TemporarySuffix = QStringLiteral(".tmp");

// Timer steps of the update, in milliseconds.
constexpr int StepMs = 100;
constexpr int ResetSettleMs = 10;
constexpr int PortReleaseMs = 1500;
constexpr int ToolStartMs = 500;
constexpr int ToolPollMs = 50;
constexpr int AfterToolMs = 500;

constexpr int ProgressEnd = 1000;
constexpr double QuestionPointSize = 9.0;

const char HintHtml[] = "<html><head/><body><p><span style=\" font-weight:600; color:%1;\">%2</span> "
                        "<span style=\" color:%1;\">%3</span></p></body></html>";
const char QuestionHtml[] = "<html><head/><body><p><span> %2 <ul><li> %3 </li><li> %4 </li><li> %5 </li>"
                            "<li> %6 </li><li> %7 </li></ul><br/> %8 <br/></span></p></body></html>";

} // namespace

FlashUpdateWidget::FlashUpdateWidget(DatasetController *datasetController,
                                     CommunicationController *communicationController, QWidget *parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::FlashUpdateWidget>()),
      m_datasetController(datasetController),
      m_communicationController(communicationController)
{
    ui->setupUi(this);
    m_updateTimer.setSingleShot(true);
    m_process.setReadChannel(QProcess::StandardOutput);

    connect(ui->loadFirmwarePushButton, &QPushButton::clicked, this, &FlashUpdateWidget::loadFirmwareFile);
    connect(ui->startUpdatePushButton, &QPushButton::clicked, this, &FlashUpdateWidget::startUpdate);
    connect(&m_updateTimer, &QTimer::timeout, this, &FlashUpdateWidget::doingUpdate);
    connect(m_communicationController, &CommunicationController::connectedToDevice, this,
            &FlashUpdateWidget::connectedToInverter, Qt::QueuedConnection);
    connect(m_communicationController, &CommunicationController::disconnectedFromDevice, this,
            &FlashUpdateWidget::disconnectedFromInverter, Qt::QueuedConnection);
    connect(m_datasetController, &DatasetController::motorOperationChanged, this,
            &FlashUpdateWidget::checkStartUpdateButton, Qt::QueuedConnection);
    connect(&m_process, &QProcess::started, this, [this] { m_toolStarted = true; });

    loadSettings();
    checkStartUpdateButton(m_datasetController->motorRunning(), m_datasetController->motorHolding());
    lookForBootloaderImage();
}

FlashUpdateWidget::~FlashUpdateWidget() = default;

void FlashUpdateWidget::setMessagePresenter(MessagePresenter *presenter)
{
    m_messagePresenter = presenter ? presenter : &m_defaultPresenter;
}

void FlashUpdateWidget::setFileChooser(FileChooser *chooser)
{
    m_fileChooser = chooser ? chooser : &m_defaultFileChooser;
}

// ---- settings and page state ---------------------------------------------------------------

void FlashUpdateWidget::loadSettings()
{
    const QSettings settings;
    m_firmwareDirectory = settings.contains(FirmwareDirectoryKey)
        ? settings.value(FirmwareDirectoryKey).toString()
        : StartupSettings::dataFolder() + QDir::separator() + QStringLiteral("Firmware");
    QDir().mkpath(m_firmwareDirectory);
    if (settings.contains(BootloaderAllowedKey))
        m_bootloaderUpdateAllowed = settings.value(BootloaderAllowedKey).toBool();
}

void FlashUpdateWidget::lookForBootloaderImage()
{
    QCheckBox *box = ui->bootloaderUpdateCheckBox;
    m_bootloaderPath.clear();
    if (!m_bootloaderUpdateAllowed) {
        box->setChecked(false);
        box->setEnabled(false);
        box->hide();
        box->setToolTip(QString());
        return;
    }

    const QFileInfoList entries = QDir(BootloaderFolder).entryInfoList({QStringLiteral("*.bin")}, QDir::Files);
    for (const QFileInfo &entry : entries) {
        if (entry.size() > 0 && entry.isReadable()) {
            m_bootloaderPath = entry.filePath();
            break;
        }
    }
    box->show();
    if (m_bootloaderPath.isEmpty()) {
        box->setEnabled(false);
        box->setChecked(false);
        box->setToolTip(tr("Keine gültige Bootloader-Binary gefunden!"));
    } else {
        box->setEnabled(true);
        box->setToolTip(QString());
    }
}

void FlashUpdateWidget::checkStartUpdateButton(bool motorRuns, bool motorHolds)
{
    const bool idle = m_updateState == FlashIdle || m_updateState == WaitingForConnection;
    ui->startUpdatePushButton->setEnabled(!ui->firmwareFileLineEdit->text().isEmpty()
                                          && m_communicationController->state() == CommunicationController::Connected
                                          && idle && !motorRuns && !motorHolds);
    updateHintLabel(motorRuns, motorHolds);
}

void FlashUpdateWidget::updateHintLabel(bool motorRuns, bool motorHolds)
{
    const QString html = QString::fromLatin1(HintHtml);
    if (m_updateState != FlashIdle && m_updateState != WaitingForConnection)
        ui->hintLabel->setText(html.arg(QStringLiteral("#ff0000"), tr("Achtung:"),
                                        tr("Das Firmware-Update darf keinesfalls gestört oder abgebrochen werden! "
                                           "Torvana darf nicht beendet, die USB-Verbindung zum Umrichter nicht "
                                           "unterbrochen und der Rechner nicht ausgeschaltet werden! Auch die "
                                           "Stromversorgung des Umrichters darf keinesfalls unterbrochen werden!")));
    else if (motorRuns)
        ui->hintLabel->setText(html.arg(QStringLiteral("#000000"), tr("Hinweis:"),
                                        tr("Der an den Umrichter angeschlossene Motor ist gerade in Betrieb. Ein "
                                           "Firmware-Update kann jedoch nur bei stehendem Motor durchgeführt "
                                           "werden.")));
    else if (motorHolds)
        ui->hintLabel->setText(html.arg(QStringLiteral("#000000"), tr("Hinweis:"),
                                        tr("Der Umrichter ist gerade im Haltebetrieb. In dieser Betriebsart ist es "
                                           "jedoch nicht möglich, ein Firmware-Update durchzuführen. Bitte "
                                           "deaktivieren sie den Haltestrom, um das Update einspielen zu können.")));
    else
        ui->hintLabel->clear();
}

void FlashUpdateWidget::connectedToInverter()
{
    checkStartUpdateButton(m_datasetController->motorRunning(), m_datasetController->motorHolding());
}

void FlashUpdateWidget::disconnectedFromInverter()
{
    ui->startUpdatePushButton->setEnabled(false);
    ui->bootloaderUpdateCheckBox->setEnabled(false);
}

void FlashUpdateWidget::showStatus(const char *text, bool busy, bool complete)
{
    showStatusText(text);
    if (*text)
        emit updateStepShown(tr(text));
    if (busy) {
        ui->updateProgressBar->setRange(0, 0);
        return;
    }
    ui->updateProgressBar->setRange(0, ProgressEnd);
    ui->updateProgressBar->setValue(complete ? ProgressEnd : 0);
}

void FlashUpdateWidget::showStatusText(const char *text)
{
    m_statusText = text;
    ui->progressLabel->setText(*text ? tr(text) : QString());
}

// ---- the user's steps ------------------------------------------------------------------------

void FlashUpdateWidget::loadFirmwareFile()
{
    const QString fileName = m_fileChooser->openFileName(this, tr("Zu ladende Firmware wählen"), m_firmwareDirectory,
                                                         tr("Halvex Firmwaredateien (*.bin)"));
    if (fileName.isEmpty())
        return;

    const QFileInfo info(fileName);
    if (!info.isFile() || !info.isReadable() || info.size() < 1) {
        m_messagePresenter->critical(this, tr("Fehler"),
                                     tr("Die ausgewählte Datei ist nicht lesbar oder keine gültige "
                                        "Firmware-Datei!\n\n"));
        ui->firmwareFileLineEdit->clear();
        checkStartUpdateButton(m_datasetController->motorRunning(), m_datasetController->motorHolding());
        return;
    }

    ui->firmwareFileLineEdit->setText(info.absoluteFilePath());
    m_firmwareDirectory = info.absolutePath();
    checkStartUpdateButton(m_datasetController->motorRunning(), m_datasetController->motorHolding());
    lookForBootloaderImage();
    QSettings().setValue(FirmwareDirectoryKey, m_firmwareDirectory);
}

void FlashUpdateWidget::startUpdate()
{
    const QString text = QString::fromLatin1(QuestionHtml)
                             .arg(tr("Um ein Firmware-Update durchzuführen, gehen Sie bitte wie folgt vor:"),
                                  tr("Speichern Sie Ihre Parameter vor dem Firmware-Update"),
                                  tr("Stecken Sie den Stecker des STO vom Umrichter ab"),
                                  tr("Führen Sie anschließend das Firmware-Update durch"),
                                  tr("Laden Sie die gewünschten Parameter und übertragen diese auf den Umrichter"),
                                  tr("Stecken Sie den Stecker für STO wieder ein und führen Sie einen Reset durch"),
                                  tr("Wollen Sie das Firmware-Update nun starten?"));
    QFont questionFont = font();
    questionFont.setPointSize(int(std::floor(QuestionPointSize * WidgetScaler::screenFactor())));
    if (!m_messagePresenter->questionInFont(this, tr("Firmware-Update"), text, questionFont))
        return;

    ui->loadFirmwarePushButton->setEnabled(false);
    ui->startUpdatePushButton->setEnabled(false);
    ui->bootloaderUpdateCheckBox->setEnabled(false);
    m_temporaryFolder = std::make_unique<QTemporaryDir>();
    if (m_temporaryFolder->isValid())
        QFile::setPermissions(m_temporaryFolder->path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_updateState = DeterminingPort;
    updateHintLabel(m_datasetController->motorRunning(), m_datasetController->motorHolding());
    m_updateTimer.start(StepMs);
}

// ---- the update ------------------------------------------------------------------------------

void FlashUpdateWidget::doingUpdate()
{
    int nextStepMs = StepMs;
    switch (m_updateState) {
    case FlashIdle:
        showStatus("", false, false);
        checkStartUpdateButton(m_datasetController->motorRunning(), m_datasetController->motorHolding());
        ui->loadFirmwarePushButton->setEnabled(true);
        lookForBootloaderImage();
        removeTemporaryImages();
        m_updateTimer.stop();
        emit flashUpdateDone();
        return;

    case DeterminingPort:
        emit flashUpdateStarted();
        showStatus(QT_TR_NOOP("Bestimme Portnummer..."), true, false);
        m_comPortNumber = m_communicationController->comPortNumber();
        if (m_comPortNumber < 1) {
            showStatus(QT_TR_NOOP("abgebrochen..."), false, true);
            m_messagePresenter->critical(this, tr("Fehler"),
                                         tr("Firmware-Update abgebrochen!\n\nDie Portnummer der "
                                            "Kommunikationsverbindung konnte nicht bestimmt werden!\n"));
            m_updateState = FlashIdle;
        } else {
            m_updateState = ResettingToBootloader;
        }
        break;

    case ResettingToBootloader:
        showStatus(QT_TR_NOOP("Bootloader-Reset..."), true, false);
        m_communicationController->sendBootloaderResetCommand();
        m_updateState = Disconnecting;
        nextStepMs = ResetSettleMs;
        break;

    case Disconnecting:
        showStatus(QT_TR_NOOP("Trenne Kommunikationsverbindung..."), true, false);
        // The controller closes the device on its next tick; the tool starts
        // once the port is free and the bootloader listens.
        m_communicationController->suspend();
        m_updateState = ui->bootloaderUpdateCheckBox->isChecked() && !m_bootloaderPath.isEmpty()
            ? StartingBootloaderUpdate
            : StartingFirmwareUpdate;
        nextStepMs = PortReleaseMs;
        break;

    case StartingBootloaderUpdate: {
        showStatus(QT_TR_NOOP("Bootloader-Update..."), false, false);
        QFile source(m_bootloaderPath);
        const QByteArray image = source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
        startTool(m_bootloaderTemporaryFile, m_bootloaderPath, image, true);
        m_updateState = UpdatingBootloader;
        nextStepMs = ToolStartMs;
        break;
    }

    case StartingFirmwareUpdate: {
        showStatus(QT_TR_NOOP("Firmware-Update..."), false, false);
        const QString path = ui->firmwareFileLineEdit->text();
        QFile source(path);
        const QByteArray firmware = source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
        startTool(m_firmwareTemporaryFile, path,
                  firmware.isEmpty() ? QByteArray() : FirmwareImage::temporaryImage(firmware), false);
        m_updateState = UpdatingFirmware;
        nextStepMs = ToolStartMs;
        break;
    }

    case UpdatingBootloader:
    case UpdatingFirmware: {
        const bool bootloader = m_updateState == UpdatingBootloader;
        if (m_process.state() != QProcess::NotRunning) {
            watchTool(bootloader);
            nextStepMs = ToolPollMs;
        } else {
            finishTool(bootloader);
            nextStepMs = AfterToolMs;
        }
        break;
    }

    case Reconnecting:
        showStatus(QT_TR_NOOP("Verbindungsaufbau..."), false, true);
        m_communicationController->resume();
        m_updateState = WaitingForConnection;
        emit flashUpdateDone();
        break;

    case WaitingForConnection:
        if (m_communicationController->state() == CommunicationController::Connected)
            m_updateState = FlashIdle;
        break;
    }
    m_updateTimer.start(nextStepMs);
}

void FlashUpdateWidget::startTool(QFile &imageFile, const QString &sourceFile, const QByteArray &image,
                                  bool bootloader)
{
    m_toolStarted = false;
    // Without its image the tool is not started, which counts as a failed run.
    if (image.isEmpty() || !m_temporaryFolder || !m_temporaryFolder->isValid())
        return;
    imageFile.setFileName(m_temporaryFolder->filePath(QFileInfo(sourceFile).fileName() + TemporarySuffix));
    if (imageFile.exists())
        imageFile.remove();
    const bool written = imageFile.open(QIODevice::WriteOnly) && imageFile.write(image) == image.size();
    imageFile.close();
    if (!written)
        return;

    const QString port = portName();
    m_process.start(FlashTool,
                    bootloader ? FirmwareImage::bootloaderArguments(imageFile.fileName(), port)
                               : FirmwareImage::firmwareArguments(imageFile.fileName(), port),
                    QIODevice::ReadWrite);
}

QString FlashUpdateWidget::portName() const
{
#ifdef Q_OS_WIN
    return QStringLiteral("\\\\.\\COM%1").arg(m_comPortNumber);
#else
    return QString::fromStdString(D2xx::devicePathForComPort(m_comPortNumber));
#endif
}

void FlashUpdateWidget::watchTool(bool bootloader)
{
    if (m_process.bytesAvailable() > 0) {
        if (const auto progress = FirmwareImage::progress(m_process.peek(m_process.bytesAvailable()))) {
            ui->updateProgressBar->setValue(progress->permille);
            emit flashToolOutput(m_process.peek(progress->consumed));
            m_process.skip(progress->consumed);
        }
    }
    showStatusText(bootloader ? QT_TR_NOOP("Bootloader-Update...") : QT_TR_NOOP("Firmware-Update..."));
}

void FlashUpdateWidget::finishTool(bool bootloader)
{
    const bool success =
        m_toolStarted && m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    emit flashToolOutput(m_process.readAll());
    // Its complaints go to the error channel.
    emit flashToolOutput(m_process.readAllStandardError());

    if (bootloader && success) {
        showStatus(QT_TR_NOOP("Bootloader erfolgreich aktualisiert."), false, true);
        m_updateState = StartingFirmwareUpdate;
    } else if (success) {
        showStatus(QT_TR_NOOP("Update erfolgreich abgeschlossen. Reboot..."), false, true);
        m_messagePresenter->information(this, tr("Firmware-Update"),
                                        tr("Firmware-Update erfolgreich abgeschlossen!\n\n"));
        m_updateState = Reconnecting;
    } else if (bootloader) {
        showStatus(QT_TR_NOOP("Bootloader-Update fehlerhaft!"), false, false);
        m_messagePresenter->critical(this, tr("Fehler"),
                                     tr("Bootloader-Update fehlgeschlagen! Updateprozess wurdeabgebrochen!\n\n"
                                        "Bitte starten Sie den Umrichter neu!\n"));
        m_updateState = Reconnecting;
    } else {
        showStatus(QT_TR_NOOP("Firmware-Update fehlerhaft!"), false, false);
        m_messagePresenter->critical(this, tr("Fehler"),
                                     tr("Firmware-Update fehlgeschlagen!\n\nBitte starten Sie den Umrichter neu!\n"));
        m_updateState = Reconnecting;
    }
}

void FlashUpdateWidget::removeTemporaryImages()
{
    for (QFile *file : {&m_firmwareTemporaryFile, &m_bootloaderTemporaryFile}) {
        if (!file->fileName().isEmpty() && file->exists())
            file->remove();
        file->setFileName(QString());
    }
    m_temporaryFolder.reset();
}

// ---- events ------------------------------------------------------------------------------------

void FlashUpdateWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showStatusText(m_statusText);
        updateHintLabel(m_datasetController->motorRunning(), m_datasetController->motorHolding());
        if (!ui->bootloaderUpdateCheckBox->toolTip().isEmpty())
            ui->bootloaderUpdateCheckBox->setToolTip(tr("Keine gültige Bootloader-Binary gefunden!"));
    }
    QWidget::changeEvent(event);
}
