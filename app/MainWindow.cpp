#include "MainWindow.h"

#include "AboutDialog.h"
#include "CompareDialog.h"
#include "DiagnosticsWidgetHalvex.h"
#include "DriveWidgetHalvex.h"
#include "ErrorDescription.h"
#include "EventLogWindow.h"
#include "FlashUpdateWidget.h"
#include "IOWidgetHalvex.h"
#include "MonitoringWidgetHalvex.h"
#include "OverlayWidget.h"
#include "ParameterFieldBinder.h"
#include "ParameterId.h"
#include "ServiceReport.h"
#include "ServiceReportPdf.h"
#include "SpindleRunWidget.h"
#include "StartupSettings.h"
#include "TrendPlotDialog.h"
#include "UnsavedChanges.h"
#include "WidgetScaler.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

#ifndef TORVANA_VERSION_TEXT
#error "TORVANA_VERSION_TEXT must be defined by the build"
#endif

namespace {

// The transfer buttons accept one click per this time.
constexpr int TransferLatchMs = 500;
// Delay of the error reset that follows every completed parameter write.
constexpr int ResetDelayMs = 500;
constexpr int StateLineIntervalMs = 1000;
constexpr int SecondFitDelayMs = 250;

const char StateLineHtml[] = "<html><head/><body><p style=\"color:#000000; background-color: %1; "
                             "white-space: pre;\"><br/><span>%2</span><br/></p></body></html>";
const char BannerHtml[] = "<html><head/><body><p align=\"center\"><span style=\"background-color: yellow;\">"
                          "%1</span></p></body></html>";

QString windowTitleText()
{
    return QStringLiteral("Torvana %1").arg(QLatin1String(TORVANA_VERSION_TEXT));
}

// A display value as the whole unsigned 16-bit number the inverter sent.
uint16_t truncatedTo16Bits(double value)
{
    return std::isfinite(value) ? uint16_t(int64_t(value)) : 0;
}

bool isLandscape(Qt::ScreenOrientation orientation)
{
    return orientation == Qt::LandscapeOrientation || orientation == Qt::InvertedLandscapeOrientation;
}

} // namespace

MainWindow::MainWindow(QLocale::Language language, QTranslator *applicationTranslator, QTranslator *qtTranslator)
    : QMainWindow(nullptr)
    , m_ui(std::make_unique<Ui::MainWindow>())
    , m_applicationTranslator(applicationTranslator)
    , m_qtTranslator(qtTranslator)
    , m_scaler(std::make_unique<WidgetScaler>(this))
    , m_records(m_datasetController, m_communicationController, StartupSettings::dataFolder())
    , m_manualFolder(QCoreApplication::applicationDirPath() + QDir::separator() + QStringLiteral("manual"))
{
    // The form also connects its buttons' clicked() to the language, help,
    // about and transfer slots (see the .ui file).
    m_ui->setupUi(this);
    setWindowTitle(windowTitleText());
    // The state line hides while not connected; its room stays, so that the
    // page below does not move.
    {
        QSizePolicy policy = m_ui->errorStateLabel->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        m_ui->errorStateLabel->setSizePolicy(policy);
        m_ui->errorStateLabel->setText(QString::fromLatin1(StateLineHtml).arg(QStringLiteral("#FFFFFF"), tr("Umrichter betriebsbereit")));
        m_ui->errorStateLabel->setMinimumHeight(m_ui->errorStateLabel->sizeHint().height());
        m_ui->errorStateLabel->clear();
    }
    loadSettings();

    // idClicked is buttonClicked(int) under its current name.
    connect(m_ui->modeButtonGroup, &QButtonGroup::idClicked, this, &MainWindow::switchContentWidget);
    createPages();
    setMessagePresenter(m_presenter);
    // Before the pages join the scroll area: the finger scroller installs its
    // filter last and so sees a press on a number field first; a drag from a
    // field scrolls, a tap reaches the touch handling through the replay.
    installTouchHandling();
    m_wheelGuard.guard(this);

    m_ui->scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    for (QWidget *page : qAsConst(m_pages)) {
        if (page)
            m_contentLayout.addWidget(page);
    }
    m_contentLayout.setContentsMargins(0, 0, 0, 0);
    m_ui->contentWidget->setLayout(&m_contentLayout);

    m_ui->startButton->setChecked(true);
    switchContentWidget(MonitoringPage);

    const bool german = language == QLocale::German;
    m_ui->germanToolButton->setVisible(!german);
    m_ui->englishToolButton->setVisible(german);

    updateHelpButtons();
    updateToolTips();

    connectControllers();
    connectRecords();
    auto *stateLineTimer = new QTimer(this);
    connect(stateLineTimer, &QTimer::timeout, this, &MainWindow::updateErrorStateLabel);
    stateLineTimer->start(StateLineIntervalMs);

    QScreen *screen = QGuiApplication::primaryScreen();
    screen->setOrientationUpdateMask(Qt::PortraitOrientation | Qt::LandscapeOrientation
                                     | Qt::InvertedPortraitOrientation | Qt::InvertedLandscapeOrientation);
    connect(screen, &QScreen::orientationChanged, this, &MainWindow::updateOrientation);

    m_scaler->scale();
    // In the scaled fonts.
    m_comboPopups.fit(this);
    keepStatusWidths();

    updateErrorStateLabel();
    updateOrientation(screen->orientation());
}

MainWindow::~MainWindow()
{
    m_scaler.reset();
    m_ui.reset();
}

void MainWindow::setMessagePresenter(MessagePresenter *presenter)
{
    m_presenter = presenter ? presenter : &m_defaultPresenter;
    if (m_monitoringPage)
        m_monitoringPage->setMessagePresenter(m_presenter);
    if (m_ioPage)
        m_ioPage->setMessagePresenter(m_presenter);
    if (m_spindleRunPage)
        m_spindleRunPage->setMessagePresenter(m_presenter);
    if (m_flashPage)
        m_flashPage->setMessagePresenter(m_presenter);
}

void MainWindow::setManualFolder(const QString &folder)
{
    m_manualFolder = folder;
    updateHelpButtons();
}

// --- construction

QList<QAbstractButton *> MainWindow::pageButtons() const
{
    return {m_ui->startButton,       m_ui->driveDataButton,  m_ui->inputOutputButton,
            m_ui->diagnosticsButton, m_ui->spindleRunButton, m_ui->flashUpdateButton};
}

void MainWindow::createPages()
{
    const QList<QAbstractButton *> buttons = pageButtons();
    for (int id = MonitoringPage; id <= SpindleRunPage; ++id)
        m_ui->modeButtonGroup->setId(buttons.at(id), id);

    // The list is indexed by page id; each page is created in page-id order
    // with the window as parent.
    m_pages = QList<QWidget *>::fromVector(QVector<QWidget *>(PageCount, nullptr));
    DatasetController *dataset = &m_datasetController;
    CommunicationController *communication = &m_communicationController;
    const auto lowerBanner = [this] { showParameterChangedLabel(false); };
    const auto edited = [this] { updateChangeIndicators(); };

    m_pages[MonitoringPage] = m_monitoringPage = new MonitoringWidgetHalvex(dataset, communication, this);
    connect(m_monitoringPage, &MonitoringWidgetHalvex::parameterChangedByUser, this, edited, Qt::DirectConnection);
    m_pages[DrivePage] = m_drivePage = new DriveWidgetHalvex(dataset, communication, this);
    connect(m_drivePage, &DriveWidgetHalvex::parameterChangedByUser, this, edited, Qt::DirectConnection);
    m_pages[IOPage] = m_ioPage = new IOWidgetHalvex(dataset, this);
    connect(m_ioPage, &IOWidgetHalvex::parameterChangedByUser, this, edited, Qt::DirectConnection);
    for (int id = MonitoringPage; id <= IOPage; ++id)
        m_pageParameters.append(ParameterFieldBinder::fieldNumbers(m_pages.at(id)));
    // The diagnostics page owns the error table that the error state line reads.
    m_pages[DiagnosticsPage] = m_diagnosticsPage = new DiagnosticsWidgetHalvex(dataset, communication, this);

    // While a run-in holds the inverter the window is locked; the parameters it
    // changed are read back afterwards.
    m_pages[SpindleRunPage] = m_spindleRunPage = new SpindleRunWidget(dataset, communication, this);
    connect(m_spindleRunPage, &SpindleRunWidget::spindleRunStarted, this, lowerBanner, Qt::DirectConnection);
    connect(m_spindleRunPage, &SpindleRunWidget::spindleRunStarted, this,
            &MainWindow::disableModificationsDueToSpindleRun);
    connect(m_spindleRunPage, &SpindleRunWidget::spindleRunStopped, this, &MainWindow::enableModifications);
    connect(m_spindleRunPage, &SpindleRunWidget::spindleRunStopped, dataset,
            &DatasetController::readParametersetFromDevice, Qt::DirectConnection);

    m_ui->modeButtonGroup->setId(m_ui->flashUpdateButton, FlashUpdatePage);
    m_pages[FlashUpdatePage] = m_flashPage = new FlashUpdateWidget(dataset, communication, this);
    connect(m_flashPage, &FlashUpdateWidget::flashUpdateStarted, this, lowerBanner, Qt::DirectConnection);
    connect(m_flashPage, &FlashUpdateWidget::flashUpdateStarted, this,
            &MainWindow::disableModificationsDueToFlashUpdate);
    connect(m_flashPage, &FlashUpdateWidget::flashUpdateDone, this, &MainWindow::enableModifications);
}

void MainWindow::connectControllers()
{
    CommunicationController *comm = &m_communicationController;
    DatasetController *dataset = &m_datasetController;
    const auto changed = [this] { updateChangeIndicators(); };

    connect(comm, &CommunicationController::connectedToDevice, this, &MainWindow::connectedToInverter,
            Qt::QueuedConnection);
    connect(comm, &CommunicationController::disconnectedFromDevice, this, &MainWindow::disconnectedFromInverter,
            Qt::QueuedConnection);
    connect(dataset, &DatasetController::inverterDataUpdated, this, &MainWindow::updateInverterData);
    connect(comm, &CommunicationController::currentParametersetReceived, this,
            &MainWindow::currentParametersetReceived, Qt::QueuedConnection);
    connect(dataset, &DatasetController::parameterStatesComplete, this, &MainWindow::setParameterResponse,
            Qt::QueuedConnection);
    connect(comm, &CommunicationController::resetResponseReceived, this, &MainWindow::resetResponseReceived,
            Qt::QueuedConnection);
    connect(comm, &CommunicationController::factoryResetResponseReceived, this,
            &MainWindow::factoryResetResponseReceived, Qt::QueuedConnection);
    connect(dataset, &DatasetController::inverterStateChanged, this, &MainWindow::updateErrorStateLabel,
            Qt::QueuedConnection);
    connect(comm, &CommunicationController::motorParametersReceived, this, changed, Qt::DirectConnection);
    connect(dataset, &DatasetController::loadedParametersFromFile, this, changed, Qt::DirectConnection);
    connect(dataset, &DatasetController::differencesChanged, this, changed);
    connect(m_ui->compareButton, &QPushButton::clicked, this, &MainWindow::showCompareView);
}

void MainWindow::connectRecords()
{
    // The error table is the diagnostics page's; the records only read it.
    if (m_diagnosticsPage) {
        const DiagnosticsWidgetHalvex *page = m_diagnosticsPage;
        m_records.setFaultLookup([page](int code) {
            FaultText text;
            if (const ErrorDescription *entry = page->errorDescriptionForCode(code)) {
                text.kind = entry->kind == ErrorDescription::Error     ? FaultText::Error
                            : entry->kind == ErrorDescription::Warning ? FaultText::Warning
                                                                       : FaultText::Unknown;
                text.title = ErrorDescription::translated(entry->title);
                text.cause = ErrorDescription::translated(entry->cause);
                text.remedy = ErrorDescription::translated(entry->remedy);
            }
            return text;
        });
        m_diagnosticsPage->setFaultHistory(&m_records.faultHistory());
    }
    EventRecorder *recorder = &m_records.eventRecorder();
    if (m_spindleRunPage) {
        connect(m_spindleRunPage, &SpindleRunWidget::spindleRunStarted, recorder, &EventRecorder::noteRunInStarted);
        connect(m_spindleRunPage, &SpindleRunWidget::spindleRunStopped, recorder, &EventRecorder::noteRunInStopped);
        connect(m_spindleRunPage, &SpindleRunWidget::runInStep, recorder, &EventRecorder::noteRunInStep);
        connect(m_spindleRunPage, &SpindleRunWidget::runInAborted, recorder, &EventRecorder::noteRunInAborted);
    }
    if (m_flashPage) {
        connect(m_flashPage, &FlashUpdateWidget::updateStepShown, recorder, &EventRecorder::noteFirmwareStep);
        connect(m_flashPage, &FlashUpdateWidget::flashToolOutput, recorder, &EventRecorder::noteFlashToolOutput);
    }

    auto *menu = new QMenu(this);
    m_eventLogAction = menu->addAction(QString(), this, &MainWindow::showEventLog);
    m_trendPlotAction = menu->addAction(QString(), this, &MainWindow::showTrendPlot);
    m_recordingAction = menu->addAction(QString(), this, &MainWindow::toggleRecording);
    menu->addSeparator();
    m_reportAction = menu->addAction(QString(), this, &MainWindow::createServiceReport);
    m_ui->recordsButton->setMenu(menu);
    connect(&m_records, &RecordKeeper::recordingChanged, this, &MainWindow::updateRecordsMenu);
    connect(&m_communicationController, &CommunicationController::connectedToDevice, this,
            &MainWindow::updateRecordsMenu, Qt::QueuedConnection);
    connect(&m_communicationController, &CommunicationController::disconnectedFromDevice, this,
            &MainWindow::updateRecordsMenu, Qt::QueuedConnection);
    updateRecordsMenu();
}

// The connection text changes with the connection; the side bar keeps the
// width of the longer one, so that the page beside it does not move.
void MainWindow::keepStatusWidths()
{
    QLabel *label = m_ui->connectedLabel;
    const QString shown = label->text();
    int width = 0;
    for (const QString &text : {tr("Verbunden"), tr("Nicht verbunden")}) {
        label->setText(text);
        width = std::max(width, label->sizeHint().width());
    }
    label->setText(shown);
    label->setMinimumWidth(width);
}

void MainWindow::updateRecordsMenu()
{
    const bool recording = m_records.recording().isRunning();
    m_eventLogAction->setText(tr("Ereignisprotokoll…"));
    m_trendPlotAction->setText(tr("Verlauf der Betriebswerte…"));
    m_recordingAction->setText(recording ? tr("Aufzeichnung stoppen") : tr("Aufzeichnung starten"));
    m_recordingAction->setEnabled(recording || m_connected);
    m_reportAction->setText(tr("Servicebericht erstellen…"));
    // The text stays, so that the bar keeps its width; the style sheet marks a recording.
    m_ui->recordsButton->setText(tr("Protokoll"));
    m_ui->recordsButton->setToolTip(
        recording ? tr("Aufzeichnung läuft: %1").arg(QDir::toNativeSeparators(m_records.recording().fileName()))
                  : tr("Ereignisprotokoll, Verlauf der Betriebswerte, Aufzeichnung und Servicebericht"));
    if (m_ui->recordsButton->property("recording").toBool() != recording) {
        m_ui->recordsButton->setProperty("recording", recording);
        m_ui->recordsButton->style()->unpolish(m_ui->recordsButton);
        m_ui->recordsButton->style()->polish(m_ui->recordsButton);
    }
}

void MainWindow::showEventLog()
{
    if (!m_eventLogWindow)
        m_eventLogWindow = new EventLogWindow(m_records.eventLog(), m_records.logFolder(), this);
    m_eventLogWindow->show();
    m_eventLogWindow->raise();
    m_eventLogWindow->activateWindow();
}

void MainWindow::showTrendPlot()
{
    if (!m_trendPlot)
        m_trendPlot = new TrendPlotDialog(m_records.trend(), this);
    m_trendPlot->show();
    m_trendPlot->raise();
    m_trendPlot->activateWindow();
}

void MainWindow::toggleRecording()
{
    if (m_records.recording().isRunning())
        m_records.stopRecording();
    else
        m_records.startRecording();
}

void MainWindow::createServiceReport()
{
    const uint16_t serial = m_connected ? m_datasetController.rawValue(Param::SerialNumber)
                                        : m_records.eventRecorder().lastSerialNumber();
    QDir().mkpath(m_records.reportFolder());
    const QString suggested = QDir(m_records.reportFolder())
                                  .filePath(ServiceReport::defaultFileName(serial, QDateTime::currentDateTime()));
    QString fileName =
        m_fileChooser->saveFileName(this, tr("Servicebericht speichern"), suggested, tr("PDF-Dateien (*.pdf)"));
    if (fileName.isEmpty())
        return;
    if (!fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        fileName += QStringLiteral(".pdf");
    const ServiceReport report = ServiceReport::collect(m_datasetController, m_records, m_connected);
    if (!ServiceReportPdf::write(report, fileName)) {
        m_presenter->critical(this, tr("Fehler"),
                              tr("Der Servicebericht konnte nicht geschrieben werden:\n%1\n\n")
                                  .arg(QDir::toNativeSeparators(fileName)));
        return;
    }
    m_records.noteReportWritten(fileName);
    if (m_showInformationMessages)
        m_presenter->information(this, tr("Torvana"),
                                 tr("Der Servicebericht wurde gespeichert:\n%1\n\n")
                                     .arg(QDir::toNativeSeparators(fileName)));
}

void MainWindow::installTouchHandling()
{
    const auto spinBoxes = findChildren<QDoubleSpinBox *>();
    for (QDoubleSpinBox *spinBox : spinBoxes) {
        if (spinBox->isReadOnly())
            continue;
        spinBox->installEventFilter(this);
        const auto lineEdits = spinBox->findChildren<QLineEdit *>();
        for (QLineEdit *lineEdit : lineEdits) {
            lineEdit->installEventFilter(this);
            lineEdit->deselect();
        }
    }
}

// --- page buttons, orientation and screen fitting

void MainWindow::switchContentWidget(int id)
{
    for (QWidget *page : qAsConst(m_pages)) {
        if (page)
            page->hide();
    }
    if (id >= 0 && id < m_pages.size() && m_pages.at(id))
        m_pages.at(id)->show();
    m_currentPage = id;
    QScrollBar *bar = m_ui->scrollArea->verticalScrollBar();
    bar->setValue(bar->minimum());
}

void MainWindow::updateOrientation(Qt::ScreenOrientation orientation)
{
    // Screens that report no orientation of their own count as their natural one.
    if (orientation == Qt::PrimaryOrientation)
        orientation = QGuiApplication::primaryScreen()->primaryOrientation();

    const QList<QAbstractButton *> buttons = pageButtons();
    QBoxLayout *vertical = m_ui->verticalButtonBarLayout;
    QBoxLayout *horizontal = m_ui->horizontalButtonBarLayout;
    const bool landscape = isLandscape(orientation);

    for (QAbstractButton *button : buttons) {
        vertical->removeWidget(button);
        horizontal->removeWidget(button);
    }
    if (landscape) {
        for (int i = 0; i < buttons.size(); ++i)
            vertical->insertWidget(i, buttons.at(i));
        vertical->removeItem(m_ui->verticalButtonBarSpacer);
        vertical->addItem(m_ui->verticalButtonBarSpacer);
        vertical->removeItem(m_ui->statusLabelLayout);
        m_ui->statusLabelLayout->setParent(nullptr); // addLayout() takes only an orphan
        vertical->addLayout(m_ui->statusLabelLayout);
    } else {
        for (QAbstractButton *button : buttons)
            horizontal->addWidget(button);
    }
    // Moving into the other bar reparents a button, which hides it.
    for (QAbstractButton *button : buttons)
        button->show();

    for (int i = 0; i < m_ui->statusLabelLayout->count(); ++i) {
        if (QWidget *label = m_ui->statusLabelLayout->itemAt(i)->widget())
            label->setVisible(landscape);
    }
    m_ui->verticalButtonBar->setVisible(landscape);
    m_ui->horizontalButtonBar->setVisible(!landscape);
}

void MainWindow::fitToAvailableScreen()
{
    if (isMaximized())
        return;
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen->availableGeometry();
    const QRect frame = frameGeometry();
    if (available.height() > frame.height())
        return;

    const int extraWidth = frame.width() - width();
    const int extraHeight = frame.height() - height();
    const int newWidth = qMin(available.width() - extraWidth, width());
    const int newHeight = qMin(available.height() - extraHeight, height());
    resize(newWidth, newHeight);
    // move() places the frame, title bar included.
    move(available.x() + (available.width() - newWidth - extraWidth) / 2,
         available.y() + (available.height() - newHeight - extraHeight) / 2);
}

bool MainWindow::shrinkPageButtonIcons()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen->availableGeometry();
    int overshoot = frameGeometry().width() - available.width();
    // Stacked in the vertical bar, the six buttons also set the window's least
    // height; the pages themselves scroll.
    if (m_ui->verticalButtonBar->isVisibleTo(this))
        overshoot = qMax(overshoot, frameGeometry().height() - available.height());
    if (overshoot <= 0)
        return false;
    const int reduction = (overshoot + 5) / 6;
    const auto buttons = pageButtons();
    for (QAbstractButton *button : buttons) {
        const QSize size = button->iconSize();
        button->setIconSize(QSize(size.width() - reduction, size.height() - reduction));
    }
    return true;
}

void MainWindow::showEvent(QShowEvent *event)
{
    fitToAvailableScreen();
    if (!m_pageIconsShrunk)
        m_pageIconsShrunk = shrinkPageButtonIcons();
    // The window manager may still change the frame after the first show.
    QTimer::singleShot(SecondFitDelayMs, this, &MainWindow::fitToAvailableScreen);
    QMainWindow::showEvent(event);
}

// --- connection, device information, state line and banner

void MainWindow::connectedToInverter()
{
    m_connected = true;
    updateChangeIndicators();
    m_ui->ledConnectedLabel->setPixmap(QPixmap(QStringLiteral(":/Images/led_indicator_green.png")));
    m_ui->connectedLabel->setText(tr("Verbunden"));
    if (m_modificationsAllowed) {
        m_ui->requestSettingsPushButton->setEnabled(true);
        m_ui->activateSavePushButton->setEnabled(true);
    }
    updateErrorStateLabel();
}

void MainWindow::disconnectedFromInverter()
{
    m_connected = false;
    // The connection that was to answer "Vom Umrichter laden" is gone; a set
    // arriving on the next one was not asked for by the user.
    m_userRequestedParameterset = false;
    // Nor can the automatic reset after a write be answered any more.
    m_suppressNextResetMessage = false;
    updateChangeIndicators();
    m_ui->ledConnectedLabel->setPixmap(QPixmap(QStringLiteral(":/Images/led_indicator_grey.png")));
    m_ui->connectedLabel->setText(tr("Nicht verbunden"));
    m_ui->serialNumberLabel->clear();
    m_ui->deviceTypeLabel->clear();
    m_ui->firmwareVersionLabel->clear();
    m_ui->requestSettingsPushButton->setEnabled(false);
    m_ui->activateSavePushButton->setEnabled(false);
    // Forget the device silently, so that the next connection shows its data
    // again even if it is the same inverter.
    {
        const QSignalBlocker blocker(&m_datasetController);
        m_datasetController.deviceInformationUpdate(0, 0, QByteArray());
    }
    updateErrorStateLabel();
}

void MainWindow::updateInverterData()
{
    const uint16_t serial = truncatedTo16Bits(m_datasetController.value(Param::SerialNumber));
    if (serial != 0)
        m_ui->serialNumberLabel->setText(QString::number(serial));
    else
        m_ui->serialNumberLabel->clear();

    const uint16_t type = truncatedTo16Bits(m_datasetController.value(Param::Inverter));
    m_ui->deviceTypeLabel->setText(m_datasetController.isUnknownInverterType() ? tr("Prototyp")
                                                                               : QString::number(type));

    const QByteArray firmware = m_datasetController.deviceFirmware();
    const int length = int(qstrnlen(firmware.constData(), uint(firmware.size())));
    m_ui->firmwareVersionLabel->setText(QString::fromUtf8(firmware.constData(), length).trimmed());
}

const ErrorDescription *MainWindow::errorEntryForParameter(uint16_t parameterId)
{
    // Without the diagnostics page there is no table: the state line stays empty.
    return m_diagnosticsPage ? m_diagnosticsPage->errorDescriptionForParameter(parameterId) : nullptr;
}

void MainWindow::updateErrorStateLabel()
{
    if (m_communicationController.state() != CommunicationController::Connected) {
        m_ui->errorStateLabel->hide();
        return;
    }

    QString colour;
    QString text;
    if (m_datasetController.errorActive() || m_datasetController.warningActive()) {
        // The lowest code of each kind wins; the list ends at the first
        // parameter without an entry.
        const ErrorDescription *error = nullptr;
        const ErrorDescription *warning = nullptr;
        for (uint16_t id = Param::FirstError; id <= Param::FifthError; ++id) {
            const ErrorDescription *entry = errorEntryForParameter(id);
            if (!entry)
                break;
            if (entry->kind == ErrorDescription::Error && (!error || entry->code < error->code))
                error = entry;
            else if (entry->kind == ErrorDescription::Warning && (!warning || entry->code < warning->code))
                warning = entry;
        }
        if (error && m_datasetController.errorActive()) {
            colour = QStringLiteral("#FF7979");
            text = tr("Fehler ") + QString::number(error->code) + QStringLiteral(" - ")
                + ErrorDescription::translated(error->title);
        } else if (warning && m_datasetController.warningActive()) {
            colour = QStringLiteral("#FFBD65");
            text = tr("Warnung ") + QString::number(warning->code) + QStringLiteral(" - ")
                + ErrorDescription::translated(warning->title);
        }
    } else if (m_datasetController.motorHolding()) {
        colour = QStringLiteral("#FFD966");
        text = tr("Haltebetrieb");
    } else {
        colour = QStringLiteral("#8FC26C");
        text = m_datasetController.motorRunning() ? tr("Motor läuft") : tr("Umrichter betriebsbereit");
    }

    m_ui->errorStateLabel->setTextFormat(Qt::RichText);
    m_ui->errorStateLabel->setText(QString::fromLatin1(StateLineHtml).arg(colour, text));
    m_ui->errorStateLabel->show();
}

void MainWindow::showCompareView()
{
    CompareDialog dialog(m_datasetController, *m_presenter, *m_fileChooser, this);
    m_presenter->runModal(dialog);
}

void MainWindow::updateChangeIndicators()
{
    const QVector<uint16_t> differing = m_datasetController.differingParameters();
    showParameterChangedLabel(m_modificationsAllowed && !differing.isEmpty());
    const QList<QAbstractButton *> buttons = pageButtons();
    for (int page = 0; page < m_pageParameters.size(); ++page) {
        const QVector<uint16_t> &ids = m_pageParameters.at(page);
        const bool holds = m_connected
            && std::any_of(differing.cbegin(), differing.cend(), [&](uint16_t id) { return ids.contains(id); });
        QAbstractButton *button = buttons.at(page);
        if (button->property("holdsChanges").toBool() != holds) {
            button->setProperty("holdsChanges", holds);
            button->style()->unpolish(button);
            button->style()->polish(button);
        }
    }
}

void MainWindow::showParameterChangedLabel(bool changed)
{
    // The label's enabled state records whether the banner is up.
    if (changed && m_connected) {
        m_ui->paramChangedLabel->setText(QString::fromLatin1(BannerHtml).arg(tr("Parameter geändert")));
        m_ui->paramChangedLabel->setEnabled(true);
        const int count = m_datasetController.differenceCount();
        m_ui->paramChangedLabel->setToolTip(
            count > 0 ? tr("%n Parameter weichen vom Umrichter ab.", nullptr, count) : QString());
    } else {
        m_ui->paramChangedLabel->clear();
        m_ui->paramChangedLabel->setEnabled(false);
        m_ui->paramChangedLabel->setToolTip(QString());
    }
}

// --- transfers and their answers

void MainWindow::sendParametersetRequest()
{
    if (!m_requestReady)
        return;
    if (!UnsavedChanges::confirmDiscard(*m_presenter, this, m_datasetController.differenceCount(),
                                        tr("Trotzdem vom Umrichter laden?")))
        return;
    m_requestReady = false;
    m_userRequestedParameterset = true;
    m_datasetController.readParametersetFromDevice();
    QTimer::singleShot(TransferLatchMs, this, [this] { m_requestReady = true; });
}

void MainWindow::currentParametersetReceived()
{
    updateChangeIndicators();
    if (!m_userRequestedParameterset)
        return;
    m_userRequestedParameterset = false;
    if (m_showInformationMessages)
        m_presenter->information(this, tr("Torvana"),
                                 tr("Die Parameter wurden erfolgreich vom Umrichter abgerufen!\n\n"));
}

void MainWindow::sendChangedParametersAndStore()
{
    if (!m_storeReady || !m_connected)
        return;
    m_storeReady = false;
    m_datasetController.sendChangedParametersToInverter();
    m_communicationController.sendStoreOnEepromCommand();
    QTimer::singleShot(TransferLatchMs, this, [this] { m_storeReady = true; });
}

void MainWindow::setParameterResponse(CommErrorCode error, QString detailedText)
{
    if (!m_modificationsAllowed)
        return;
    updateChangeIndicators();
    if (error != CommError::NoError) {
        m_presenter->critical(nullptr, tr("Fehler"),
                              tr("Beim Setzen der vorgenommenen Einstellungen ist mindestens ein Fehler "
                                 "aufgetreten!\nWeitere Informationen finden Sie unter Details."),
                              detailedText);
    } else {
        if (m_showInformationMessages)
            m_presenter->information(nullptr, tr("Torvana"),
                                     tr("Die Parameter wurden erfolgreich zum Umrichter übertragen!\n\n"));
    }
    // Every completed write is followed by an error reset, whose answer is
    // not the user's business. Marked only when it goes out: a reset dropped
    // for a lost connection is never answered.
    QTimer::singleShot(ResetDelayMs, this, [this] {
        m_suppressNextResetMessage = m_communicationController.state() == CommunicationController::Connected;
        m_datasetController.sendResetCommand();
    });
}

void MainWindow::resetResponseReceived(CommErrorCode error)
{
    // The automatic reset's answer clears the mark even while locked, so that
    // the user's next reset is answered.
    const bool automatic = std::exchange(m_suppressNextResetMessage, false);
    if (!m_modificationsAllowed || automatic)
        return;
    if (error != CommError::NoError)
        m_presenter->critical(this, tr("Fehler"), tr("Der Fehler-Reset konnte nicht durchgeführt werden!\n\n"));
    else if (m_showInformationMessages)
        m_presenter->information(this, tr("Torvana"), tr("Der Fehler-Reset wurde durchgeführt!\n\n"));
}

void MainWindow::factoryResetResponseReceived(CommErrorCode error)
{
    m_datasetController.readParametersetFromDevice();
    if (error != CommError::NoError)
        m_presenter->critical(this, tr("Fehler"), tr("Die Werkseinstellung konnte nicht geladen werden!\n\n"));
    else if (m_showInformationMessages)
        m_presenter->information(this, tr("Torvana"),
                                 tr("Der Umrichter wurde erfolgreich auf die Werkseinstellungen "
                                    "zurückgesetzt!\n\n"));
}

// --- modification lock

void MainWindow::disableModificationsDueToFlashUpdate()
{
    m_modificationsAllowed = false;
    // The firmware update page itself stays reachable.
    const std::initializer_list<QWidget *> locked{m_ui->startButton,       m_ui->driveDataButton,
                                                  m_ui->inputOutputButton, m_ui->diagnosticsButton,
                                                  m_ui->spindleRunButton,  m_ui->requestSettingsPushButton,
                                                  m_ui->activateSavePushButton, m_ui->compareButton};
    for (QWidget *widget : locked)
        widget->setEnabled(false);
}

void MainWindow::disableModificationsDueToSpindleRun()
{
    m_modificationsAllowed = false;
    // The run-in page and the diagnostics page stay reachable.
    const std::initializer_list<QWidget *> locked{m_ui->startButton,       m_ui->driveDataButton,
                                                  m_ui->inputOutputButton, m_ui->flashUpdateButton,
                                                  m_ui->requestSettingsPushButton,
                                                  m_ui->activateSavePushButton, m_ui->compareButton};
    for (QWidget *widget : locked)
        widget->setEnabled(false);
}

void MainWindow::enableModifications()
{
    m_modificationsAllowed = true;
    const auto buttons = pageButtons();
    for (QAbstractButton *button : buttons)
        button->setEnabled(true);
    m_ui->requestSettingsPushButton->setEnabled(m_connected);
    m_ui->activateSavePushButton->setEnabled(m_connected);
    m_ui->compareButton->setEnabled(true);
    updateChangeIndicators();
}

// --- help, about and keyboard

QString MainWindow::manualFile(bool software) const
{
    const auto matching = [this, software](const QString &pattern) {
        QStringList names = QDir(m_manualFolder)
                                .entryList({pattern}, QDir::Files | QDir::NoSymLinks, QDir::Unsorted);
        names.erase(std::remove_if(names.begin(), names.end(),
                                   [software](const QString &name) {
                                       return name.contains(QLatin1String("Torvana"), Qt::CaseInsensitive)
                                           != software;
                                   }),
                    names.end());
        return names;
    };
    QStringList names;
    if (QLocale().language() == QLocale::German)
        names = matching(QStringLiteral("*GA_*_DE_*.pdf"));
    if (names.isEmpty())
        names = matching(QStringLiteral("*GA_*_EN_*.pdf"));
    return names.value(0);
}

QString MainWindow::softwareManualFile() const
{
    return manualFile(true);
}

QString MainWindow::inverterManualFile() const
{
    return manualFile(false);
}

void MainWindow::updateHelpButtons()
{
    m_ui->helpInverterToolButton->setVisible(!inverterManualFile().isEmpty());
    m_ui->helpTorvanaToolButton->setVisible(!softwareManualFile().isEmpty());
}

void MainWindow::showHardwareHelp()
{
    showHelp(inverterManualFile());
}

void MainWindow::showSoftwareHelp()
{
    showHelp(softwareManualFile());
}

void MainWindow::showHelp(QString pdfFilename)
{
    if (pdfFilename.isEmpty())
        return;
    const QString path = QDir(m_manualFolder).absoluteFilePath(pdfFilename);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        m_presenter->critical(this, tr("Fehler"),
                              tr("Die Hilfedatei konnte nicht geöffnet werden!\n\nBitte überprüfen Sie, dass ein "
                                 "geeignetes Programm zum Anzeigen von pdf-Dateien installiert ist!\n"));
}

void MainWindow::showInfo()
{
    const OverlayWidget overlay(this);
    AboutDialog dialog(this, Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                                 | Qt::MSWindowsFixedSizeDialogHint);
    m_presenter->runModal(dialog);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F1:
        showHardwareHelp();
        break;
    case Qt::Key_F2:
        showSoftwareHelp();
        break;
    case Qt::Key_F9:
        showInfo();
        break;
    default:
        QMainWindow::keyPressEvent(event);
        break;
    }
}

// --- language

void MainWindow::switchUiToEnglish()
{
    switchLanguage(QLocale::English);
}

void MainWindow::switchUiToGerman()
{
    switchLanguage(QLocale::German);
}

void MainWindow::switchLanguage(QLocale::Language language)
{
    // Installing the translators posts the language-change event that
    // changeEvent() answers.
    StartupSettings::installLanguage(language, *m_applicationTranslator, *m_qtTranslator);
}

void MainWindow::updateToolTips()
{
    m_ui->aboutToolButton->setToolTip(tr("Über Torvana"));
    m_ui->helpInverterToolButton->setToolTip(tr("Bedienungsanleitung zum Umrichter aufrufen"));
    m_ui->helpTorvanaToolButton->setToolTip(tr("Bedienungsanleitung zu Torvana aufrufen"));
    m_ui->englishToolButton->setToolTip(tr("Umschalten zu Englisch"));
    m_ui->germanToolButton->setToolTip(tr("Umschalten zu Deutsch"));
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        setWindowTitle(windowTitleText());
        updateToolTips();
        setLocale(QLocale());
        updateErrorStateLabel();
        updateHelpButtons();
        m_ui->connectedLabel->setText(m_connected ? tr("Verbunden") : tr("Nicht verbunden"));
        keepStatusWidths();
        updateRecordsMenu();
        showParameterChangedLabel(m_ui->paramChangedLabel->isEnabled());
        if (QWidget *focused = focusWidget())
            focused->clearFocus();
    } else if (event->type() == QEvent::WindowStateChange) {
        if (windowState() == Qt::WindowNoState)
            fitToAvailableScreen();
    }
    QMainWindow::changeEvent(event);
}

// --- touch input on number fields

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *spinBox = qobject_cast<QDoubleSpinBox *>(watched);
    QLineEdit *lineEdit = nullptr;
    if (spinBox)
        lineEdit = spinBox->findChild<QLineEdit *>();
    else if ((lineEdit = qobject_cast<QLineEdit *>(watched)))
        spinBox = qobject_cast<QDoubleSpinBox *>(lineEdit->parent());

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        if (spinBox && lineEdit && spinBox->isEnabled()) {
            QGuiApplication::inputMethod()->show();
            // The first touch selects the whole number for replacement; a
            // second touch into the text places the cursor.
            if (spinBox != m_lastTouchedSpinBox || lineEdit->cursorPosition() == lineEdit->text().length()
                || lineEdit->text() == spinBox->specialValueText()) {
                m_lastTouchedSpinBox = spinBox;
                spinBox->setFocus();
                spinBox->selectAll();
                return true;
            }
        }
        break;
    case QEvent::FocusOut:
        m_lastTouchedSpinBox = nullptr;
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- settings and closing

void MainWindow::loadSettings()
{
    const QSettings settings;
    if (settings.contains(QStringLiteral("MainWindow/Size")))
        resize(settings.value(QStringLiteral("MainWindow/Size")).toSize());
    // A position on a screen that is gone, or a damaged one, would put the
    // window out of reach; the window system then places it.
    if (settings.contains(QStringLiteral("MainWindow/Position"))) {
        const QPoint position = settings.value(QStringLiteral("MainWindow/Position")).toPoint();
        if (QGuiApplication::screenAt(QRect(position, size()).center()))
            move(position);
    }
    setWindowState(settings.value(QStringLiteral("MainWindow/Maximized"), false).toBool() ? Qt::WindowMaximized
                                                                                          : Qt::WindowNoState);
    if (settings.contains(QStringLiteral("ShowInformationMessages")))
        m_showInformationMessages = settings.value(QStringLiteral("ShowInformationMessages")).toBool();
}

void MainWindow::saveSettings()
{
    QSettings settings;
    settings.setValue(QStringLiteral("Language"), int(QLocale().language()));
    if (!isMaximized())
        settings.setValue(QStringLiteral("MainWindow/Size"), size());
    settings.setValue(QStringLiteral("MainWindow/Position"), pos());
    settings.setValue(QStringLiteral("MainWindow/Maximized"), isMaximized());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_modificationsAllowed) {
        if (!UnsavedChanges::confirmDiscard(*m_presenter, this, m_datasetController.differenceCount(),
                                            tr("Torvana trotzdem schließen?"))) {
            event->ignore();
            return;
        }
        saveSettings();
        event->accept();
        return;
    }
    event->ignore();
    QString text;
    if (m_currentPage == SpindleRunPage)
        text = tr("Torvana kann während eines Spindeleinlaufs nicht geschlossen werden!\n\nBitte beenden Sie den "
                  "Spindeleinlauf, um Torvana schließen zu können.\n");
    else if (m_currentPage == FlashUpdatePage)
        text = tr("Torvana kann während eines Firmware-Updates nicht geschlossen werden!\n\nBitte warten Sie bis das "
                  "Firmware-Update abgeschlossen ist, um Torvana schließen zu können.\n");
    else
        text = tr("Torvana kann aktuell nicht geschlossen werden!\n\n");
    m_presenter->critical(this, tr("Torvana"), text);
}
