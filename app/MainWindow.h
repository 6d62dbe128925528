#pragma once

#include "ComboPopupFitter.h"
#include "CommErrorCode.h"
#include "CommunicationController.h"
#include "DatasetController.h"
#include "FileChooser.h"
#include "MessagePresenter.h"
#include "RecordKeeper.h"
#include "WheelFocusGuard.h"

#include <QList>
#include <QLocale>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QVBoxLayout>

#include <cstdint>
#include <memory>

class QAbstractButton;
class QAction;
class QDoubleSpinBox;
class QTranslator;
class WidgetScaler;
struct ErrorDescription;

class MonitoringWidgetHalvex;
class DriveWidgetHalvex;
class IOWidgetHalvex;
class DiagnosticsWidgetHalvex;
class FlashUpdateWidget;
class SpindleRunWidget;
class EventLogWindow;
class TrendPlotDialog;

namespace Ui {
class MainWindow;
}

// The program's only top-level window and the owner of everything that lives
// as long as the program: the communication and dataset controllers, the six
// operating pages and the frame around them (page buttons, connection lamp,
// device information, error state line, "Parameter geändert" banner, the two
// transfer buttons, help, language switch and the about dialog). It locks
// itself while a firmware update or a spindle run-in holds the inverter.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum Page { MonitoringPage, DrivePage, IOPage, DiagnosticsPage, SpindleRunPage, FlashUpdatePage, PageCount };

    // The language only decides which language button is visible at first;
    // the translators are main()'s and outlive the window.
    MainWindow(QLocale::Language language, QTranslator *applicationTranslator, QTranslator *qtTranslator);
    ~MainWindow() override;

    // For the pages created later and for tests.
    CommunicationController &communicationController() { return m_communicationController; }
    DatasetController &datasetController() { return m_datasetController; }
    RecordKeeper &records() { return m_records; }

    // All message boxes and the about dialog go through the presenter. Not
    // owned; null restores the default, which shows real boxes.
    void setMessagePresenter(MessagePresenter *presenter);
    MessagePresenter &messagePresenter() const { return *m_presenter; }

    // The file dialogs of the compare view. Not owned; null restores the default.
    void setFileChooser(FileChooser *chooser) { m_fileChooser = chooser ? chooser : &m_defaultFileChooser; }

    // The folder of the PDF manuals; "manual" beside the program unless set.
    void setManualFolder(const QString &folder);
    [[nodiscard]] QString manualFolder() const { return m_manualFolder; }

    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void updateOrientation(Qt::ScreenOrientation orientation);
    void switchContentWidget(int id);
    void showInfo();
    void showHardwareHelp();
    void showSoftwareHelp();
    void showHelp(QString pdfFilename);
    void switchUiToEnglish();
    void switchUiToGerman();
    void connectedToInverter();
    void disconnectedFromInverter();
    void updateInverterData();
    void sendParametersetRequest();
    void currentParametersetReceived();
    void setParameterResponse(CommErrorCode error, QString detailedText);
    void resetResponseReceived(CommErrorCode error);
    void factoryResetResponseReceived(CommErrorCode error);
    void updateErrorStateLabel();
    void sendChangedParametersAndStore();
    void disableModificationsDueToFlashUpdate();
    void disableModificationsDueToSpindleRun();
    void enableModifications();
    // Banner, its tooltip and the page button marks follow the differences
    // between the working copy and the inverter.
    void updateChangeIndicators();
    void showCompareView();
    // The records menu: event log, trend plot, recording, service report.
    void showEventLog();
    void showTrendPlot();
    void toggleRecording();
    void createServiceReport();

private:
    void showParameterChangedLabel(bool changed);
    void updateToolTips();
    void updateHelpButtons();
    [[nodiscard]] QString softwareManualFile() const;
    [[nodiscard]] QString inverterManualFile() const;
    void fitToAvailableScreen();
    [[nodiscard]] bool shrinkPageButtonIcons();
    void loadSettings();
    void saveSettings();

    void createPages();
    void connectControllers();
    void connectRecords();
    void updateRecordsMenu();
    void keepStatusWidths();
    void installTouchHandling();
    void switchLanguage(QLocale::Language language);
    // The error table entry of the code that an error parameter (30 to 34)
    // holds now; null for a code without an entry.
    [[nodiscard]] const ErrorDescription *errorEntryForParameter(uint16_t parameterId);
    [[nodiscard]] QList<QAbstractButton *> pageButtons() const;
    [[nodiscard]] QString manualFile(bool software) const;

    std::unique_ptr<Ui::MainWindow> m_ui;
    QTranslator *m_applicationTranslator = nullptr;
    QTranslator *m_qtTranslator = nullptr;
    QList<QWidget *> m_pages;
    int m_currentPage = 0;
    QVBoxLayout m_contentLayout;
    QPointer<QDoubleSpinBox> m_lastTouchedSpinBox;
    bool m_connected = false;
    bool m_modificationsAllowed = true;
    bool m_storeReady = true;
    bool m_requestReady = true;
    bool m_userRequestedParameterset = false;
    bool m_suppressNextResetMessage = false;
    bool m_showInformationMessages = true;
    bool m_pageIconsShrunk = false;
    std::unique_ptr<WidgetScaler> m_scaler;
    WheelFocusGuard m_wheelGuard;
    ComboPopupFitter m_comboPopups;
    CommunicationController m_communicationController{this};
    DatasetController m_datasetController{&m_communicationController};
    // After the controllers, so that it is destroyed first and finishes its files.
    RecordKeeper m_records;
    MonitoringWidgetHalvex *m_monitoringPage = nullptr;
    DriveWidgetHalvex *m_drivePage = nullptr;
    IOWidgetHalvex *m_ioPage = nullptr;
    DiagnosticsWidgetHalvex *m_diagnosticsPage = nullptr;
    FlashUpdateWidget *m_flashPage = nullptr;
    SpindleRunWidget *m_spindleRunPage = nullptr;
    EventLogWindow *m_eventLogWindow = nullptr;
    TrendPlotDialog *m_trendPlot = nullptr;
    QAction *m_eventLogAction = nullptr;
    QAction *m_trendPlotAction = nullptr;
    QAction *m_recordingAction = nullptr;
    QAction *m_reportAction = nullptr;

    // The parameter numbers of the three parameter pages, for their buttons' marks.
    QList<QVector<uint16_t>> m_pageParameters;

    MessagePresenter m_defaultPresenter;
    MessagePresenter *m_presenter = &m_defaultPresenter;
    FileChooser m_defaultFileChooser;
    FileChooser *m_fileChooser = &m_defaultFileChooser;
    QString m_manualFolder;
};
