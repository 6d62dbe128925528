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
#include <QTextCursor>

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
// The bootloader reset frame needs 17 ms on the wire; releasing the device
// purges what has not left yet, so three frame times pass first.
constexpr int ResetSettleMs = 50;
constexpr int PortReleaseMs = 1500;
constexpr int ToolStartMs = 500;
constexpr int ToolPollMs = 50;
constexpr int AfterToolMs = 500;

constexpr int ProgressEnd = 1000;
// Lines of the tool's output kept on the page, and shown in a failure's details.
constexpr int OutputLinesKept = 500;
constexpr int OutputLinesInDetails = 15;
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
    // The tool reports its errors on standard error; the page shows both.
    m_process.setProcessChannelMode(QProcess::MergedChannels);

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
    connect(ui->retryPushButton, &QPushButton::clicked, this, &FlashUpdateWidget::retryUpdate);
    connect(ui->toolOutputToggleButton, &QToolButton::toggled, this, [this](bool shown) {
        ui->toolOutputTextEdit->setVisible(shown);
        ui->toolOutputToggleButton->setArrowType(shown ? Qt::DownArrow : Qt::RightArrow);
    });

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
    // A program built without the maker's bootloader image never offers the option.
    box->setVisible(!m_bootloaderPath.isEmpty());
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
        ui->firmwareFactsLabel->clear();
        checkStartUpdateButton(m_datasetController->motorRunning(), m_datasetController->motorHolding());
        return;
    }

    const QString refusal = checkFirmwareFile(info.absoluteFilePath());
    if (!refusal.isEmpty()) {
        m_messagePresenter->warning(this, tr("Torvana"),
                                    tr("Die ausgewählte Datei wird nicht als Firmware übernommen:\n\n%1\n\n")
                                        .arg(refusal));
        ui->firmwareFileLineEdit->clear();
        ui->firmwareFactsLabel->clear();
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
    // The motor, the connection and the file may have changed while the question was open.
    if (m_updateState != FlashIdle && m_updateState != WaitingForConnection)
        return;
    QString refusal = checkFirmwareFile(ui->firmwareFileLineEdit->text());
    if (m_communicationController->state() != CommunicationController::Connected)
        refusal = tr("Es besteht keine Verbindung zum Umrichter.");
    else if (m_datasetController->motorRunning() || m_datasetController->motorHolding())
        refusal = tr("Der Motor läuft oder der Umrichter ist im Haltebetrieb.");
    if (!refusal.isEmpty()) {
        m_messagePresenter->warning(this, tr("Torvana"),
                                    tr("Das Firmware-Update wird nicht gestartet:\n\n%1\n\n").arg(refusal));
        checkStartUpdateButton(m_datasetController->motorRunning(), m_datasetController->motorHolding());
        return;
    }
    m_toolOutput.clear();
    ui->toolOutputTextEdit->clear();
    ui->retryPushButton->hide();
    m_lastRunFailed = false;

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
#ifdef Q_OS_WIN
        if (m_comPortNumber < 1) {
#else
        // A device path names the port; /dev/ttyUSB0 has the number 0.
        if (m_comPortNumber < 0 || portName().isEmpty()) {
#endif
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
        // After a failed run the bar stays where the run left it.
        showStatus(QT_TR_NOOP("Verbindungsaufbau..."), false, !m_lastRunFailed);
        ui->retryPushButton->setVisible(m_lastRunFailed);
        m_communicationController->resume();
        m_updateState = WaitingForConnection;
        emit flashUpdateDone();
        break;

    case WaitingForConnection:
        if (m_communicationController->state() == CommunicationController::Connected) {
            ui->retryPushButton->hide();
            m_updateState = FlashIdle;
        }
        break;
    }
    m_updateTimer.start(nextStepMs);
}

void FlashUpdateWidget::startTool(QFile &imageFile, const QString &sourceFile, const QByteArray &image,
                                  bool bootloader)
{
    m_toolStarted = false;
    // Without its image the tool is not started, which counts as a failed run.
    m_unparsedOutput.clear();
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
        const QByteArray bytes = m_process.readAll();
        emit flashToolOutput(bytes);
        appendToolOutput(bytes);
        m_unparsedOutput += bytes;
        if (const auto progress = FirmwareImage::progress(m_unparsedOutput)) {
            ui->updateProgressBar->setValue(progress->permille);
            m_unparsedOutput.remove(0, int(progress->consumed));
        }
    }
    showStatusText(bootloader ? QT_TR_NOOP("Bootloader-Update...") : QT_TR_NOOP("Firmware-Update..."));
}

// The tool rewrites its progress line with carriage returns; the page keeps
// the line as it stands last.
void FlashUpdateWidget::appendToolOutput(const QByteArray &bytes)
{
    if (m_toolOutput.isEmpty())
        m_toolOutput.append(QString());
    for (const char c : bytes) {
        if (c == '\n')
            m_toolOutput.append(QString());
        else if (c == '\r')
            m_toolOutput.last().clear();
        else
            m_toolOutput.last().append(QLatin1Char(c));
    }
    while (m_toolOutput.size() > OutputLinesKept)
        m_toolOutput.removeFirst();
    ui->toolOutputTextEdit->setPlainText(toolOutput());
    ui->toolOutputTextEdit->moveCursor(QTextCursor::End);
}

QString FlashUpdateWidget::checkFirmwareFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tr("Die Datei kann nicht gelesen werden.");
    // An image larger than the region is refused without reading it whole.
    const qint64 region = qint64(FirmwareImage::FirmwareEnd - FirmwareImage::FirmwareStart);
    const QByteArray firmware = file.read(region + 1);
    const FirmwareImage::Facts facts = FirmwareImage::check(firmware, bootloaderImage());
    switch (facts.verdict) {
    case FirmwareImage::Verdict::Valid: {
        // The version's nibbles as the inverter shows them: 0x210 is 2.1.0.
        QStringList digits;
        for (const QChar digit : QString::number(facts.version, 16))
            digits << digit;
        ui->firmwareFactsLabel->setText(
            tr("Größe: %1 Bytes, Version: %2, CRC-32: %3")
                .arg(facts.size)
                .arg(facts.version ? digits.join(QLatin1Char('.')) : QStringLiteral("–"),
                     QStringLiteral("0x%1").arg(facts.crc, 8, 16, QLatin1Char('0')).toUpper().replace(0, 2, "0x")));
        return QString();
    }
    case FirmwareImage::Verdict::Empty:
        return tr("Die Datei ist leer.");
    case FirmwareImage::Verdict::TooLarge:
        return tr("Die Datei ist größer als der Firmware-Bereich des Umrichters (%1 Bytes).")
            .arg(region - FirmwareImage::TrailerSize);
    case FirmwareImage::Verdict::NoVectorTable:
        return tr("Die Datei ist zu kurz für eine Firmware.");
    case FirmwareImage::Verdict::StackOutsideSram:
    case FirmwareImage::Verdict::ResetOutsideFirmware:
        return tr("Die Datei beginnt nicht mit der Vektortabelle einer Firmware für diesen Umrichter.");
    case FirmwareImage::Verdict::IsBootloader:
        return tr("Die Datei ist ein Bootloader, keine Firmware.");
    }
    return QString();
}

QByteArray FlashUpdateWidget::bootloaderImage() const
{
    const QFileInfoList entries = QDir(BootloaderFolder).entryInfoList({QStringLiteral("*.bin")}, QDir::Files);
    for (const QFileInfo &entry : entries) {
        QFile file(entry.filePath());
        if (entry.size() > 0 && file.open(QIODevice::ReadOnly))
            return file.readAll();
    }
    return QByteArray();
}

void FlashUpdateWidget::retryUpdate()
{
    if (m_updateState != WaitingForConnection || !m_lastRunFailed)
        return;
    ui->retryPushButton->hide();
    m_lastRunFailed = false;
    m_toolOutput.clear();
    ui->toolOutputTextEdit->clear();
    emit flashUpdateStarted();
    m_communicationController->suspend();
    m_updateState = StartingFirmwareUpdate;
    m_updateTimer.start(PortReleaseMs);
}

void FlashUpdateWidget::finishTool(bool bootloader)
{
    const bool success =
        m_toolStarted && m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    const QByteArray rest = m_process.readAll();
    emit flashToolOutput(rest);
    appendToolOutput(rest);
    m_unparsedOutput.clear();
    m_lastRunFailed = !success;
    QStringList lastLines = m_toolOutput;
    lastLines.removeAll(QString());
    if (!m_toolStarted)
        lastLines << tr("Das Flash-Programm \"%1\" konnte nicht gestartet werden.").arg(FlashTool);
    const QString details = lastLines.mid(std::max(0, lastLines.size() - OutputLinesInDetails)).join(QLatin1Char('\n'));

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
                                        "Bitte starten Sie den Umrichter neu!\n"),
                                     details);
        m_updateState = Reconnecting;
    } else {
        showStatus(QT_TR_NOOP("Firmware-Update fehlerhaft!"), false, false);
        m_messagePresenter->critical(this, tr("Fehler"),
                                     tr("Firmware-Update fehlgeschlagen!\n\nBitte starten Sie den Umrichter neu!\n"),
                                     details);
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
