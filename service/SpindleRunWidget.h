#pragma once

#include "CommErrorCode.h"
#include "MessagePresenter.h"
#include "RunInProgram.h"
#include "SpindleCatalogue.h"

#include <QElapsedTimer>
#include <QMap>
#include <QString>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <cstdint>
#include <memory>

class CommunicationController;
class DatasetController;
class QComboBox;

namespace Ui {
class SpindleRunWidget;
}

// The page "Spindeleinlauf": runs a built-in run-in program on the chosen
// spindle, step by step, while the rest of the window is locked. The page
// loads the spindle's motor set, hands the set-point and start/stop to this
// program and then drives the steps from the PC, watching the inverter's error
// state; every time-out, refusal or fault stops the motor and ends the run.
class SpindleRunWidget : public QWidget
{
    Q_OBJECT

public:
    enum RunState {
        Idle,
        Starting,
        LoadingSpindle,
        Configuring,
        ResettingErrors,
        UpdatingState,
        Running,
        Stopping,
        Stopped,
        // After the run, or after a lost connection once it is back: the
        // settings the run changed are written back once the motor stands.
        RestoringSettings
    };
    Q_ENUM(RunState)

    static constexpr int TickInterval = 100;
    static constexpr qint64 ConfigureTimeout = 2000;
    static constexpr qint64 ResetTimeout = 3000;
    static constexpr qint64 StateUpdateTimeout = 1000;
    static constexpr int ErrorResetDelay = 3000;
    static constexpr int StateUpdateDelay = 1500;
    static constexpr qint64 RestoreTimeout = 3000;

    SpindleRunWidget(DatasetController *datasetController, CommunicationController *communicationController,
                     QWidget *parent = nullptr);
    ~SpindleRunWidget() override;

    // Boxes go through the presenter; null shows real message boxes.
    void setMessagePresenter(MessagePresenter *presenter);

    // Length of one program second in milliseconds (1000). Only the step timer
    // runs on it; time-outs, pauses, the tick and the run's elapsed time stay
    // in real milliseconds. Lets tests run a whole program in little time.
    void setProgramSecondLength(int milliseconds);

    [[nodiscard]] RunState runState() const { return m_runState; }
    // Settings the last run changed that are still to be written back.
    [[nodiscard]] bool restorePending() const { return !m_savedSettings.isEmpty(); }

signals:
    void spindleRunStarted();
    void spindleRunStopped();
    // A step of the program began: number (from 1) of count, the set-point in
    // Hz (0: the motor stops) and its length in program seconds.
    void runInStep(int step, int count, int setpoint, int seconds);
    // The run ends with this error text (also shown in a box).
    void runInAborted(const QString &reason);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void run();
    void activateNextStep();
    void setParameterResponse(CommErrorCode error, QString detailedText);
    void resetResponseReceived(CommErrorCode error);
    void inverterStateChanged();
    void connectedToInverter();
    void disconnectedFromInverter();
    void checkStartSpindleButton();
    void updateSpeedDisplay();
    void checkSpindleRunProgram();
    void startSpindleRun();
    void stopSpindleRun();
    void sendErrorReset();
    void sendInverterFlagsUpdateRequest();

private:
    void connectSignals();
    void fillSpindleFamilies();
    void fillSpindleTypes();
    void fillMaximumSpeeds();
    void fillPrograms();
    void retranslatePlaceholders();
    void updateToolTips();
    void updateHintLabel();
    void enableSelectionBoxes(bool enable);
    void showProgressText(const char *sourceText);
    void showSetpoint(int setpoint);
    void clearStepTexts();
    // Stops the run: state Stopping and one critical box "Fehler".
    void abortWithError(const QString &text, const QString &detailedText = QString());
    // The delay timer calls exactly one slot at a time.
    void startDelay(void (SpindleRunWidget::*slot)(), int milliseconds);
    // Neither Idle, Stopping nor Stopped.
    [[nodiscard]] bool isRunActive() const;
    [[nodiscard]] bool speedChosen() const;
    [[nodiscard]] QFont boxFont() const;
    // What the inverter held of the settings the run changes (the motor set,
    // set-point, control sources, inputs and relays) before the run.
    void saveSettings();
    void restoreSettingsStep();

    std::unique_ptr<Ui::SpindleRunWidget> ui;
    DatasetController *m_datasetController = nullptr;
    CommunicationController *m_communicationController = nullptr;
    MessagePresenter m_defaultPresenter;
    MessagePresenter *m_messagePresenter = &m_defaultPresenter;
    // The spindle boxes follow the motor files in name order.
    const SpindleCatalogue m_spindles{QDir::Name};

    QTimer m_tickTimer;
    QTimer m_stepTimer;
    QTimer m_delayTimer;
    // Time-outs while configuring, then the time since the first step.
    QElapsedTimer m_elapsedTimer;
    RunState m_runState = Idle;
    QVector<RunInProgram::Step> m_steps;
    uint16_t m_nextStep = 0;
    int m_setpoint = 0;
    uint16_t m_stepDuration = 0;
    int m_maximumFrequency = 0;
    uint32_t m_totalSeconds = 0;
    int m_programSecondMs = 1000;
    // Untranslated text shown in the progress bar, so that a language change
    // can show it again; null while the bar shows its percentage.
    const char *m_progressText = nullptr;
    QMap<uint16_t, uint16_t> m_savedSettings;
    bool m_restoreSent = false;
};
