#pragma once

#include "FileChooser.h"
#include "MessagePresenter.h"

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>

class CommunicationController;
class DatasetController;
class QTemporaryDir;

namespace Ui {
class FlashUpdateWidget;
}

// The page "Firmware-Update": writes a firmware image, and optionally the
// bootloader, into the inverter through the external flashing tool
// "stm32flash". The inverter is sent into its serial bootloader, the USB
// device is released so that the tool can open the same port, the tool's
// progress is read from its output, and the connection is scanned for again
// afterwards. A single-shot timer steps the update; once confirmed it cannot
// be cancelled, and the window stays locked from flashUpdateStarted() until
// flashUpdateDone().
class FlashUpdateWidget : public QWidget
{
    Q_OBJECT

public:
    enum UpdateState {
        FlashIdle,
        DeterminingPort,
        ResettingToBootloader,
        Disconnecting,
        StartingBootloaderUpdate,
        UpdatingBootloader,
        StartingFirmwareUpdate,
        UpdatingFirmware,
        Reconnecting,
        WaitingForConnection
    };
    Q_ENUM(UpdateState)

    FlashUpdateWidget(DatasetController *datasetController, CommunicationController *communicationController,
                      QWidget *parent = nullptr);
    ~FlashUpdateWidget() override;

    // Boxes go through the presenter; null shows real message boxes. Not owned.
    void setMessagePresenter(MessagePresenter *presenter);
    // The firmware file dialog. Not owned; null restores the platform's dialog.
    void setFileChooser(FileChooser *chooser);

    [[nodiscard]] UpdateState updateState() const { return m_updateState; }
    // What the flashing tool printed in the last run, carriage returns applied.
    [[nodiscard]] QString toolOutput() const { return m_toolOutput.join(QLatin1Char('\n')); }

signals:
    void flashUpdateStarted();
    void flashUpdateDone();
    // A step of the update as the page shows it (translated).
    void updateStepShown(const QString &text);
    // The flashing tool's output, every byte once, as it is read.
    void flashToolOutput(const QByteArray &output);

private slots:
    void loadFirmwareFile();
    void startUpdate();
    void doingUpdate();
    void connectedToInverter();
    void disconnectedFromInverter();
    void checkStartUpdateButton(bool motorRuns, bool motorHolds);
    // Runs the tool again with the same image after a failed run; the
    // inverter still waits in its bootloader, so no bootloader reset.
    void retryUpdate();

protected:
    void changeEvent(QEvent *event) override;

private:
    void loadSettings();
    void updateHintLabel(bool motorRuns, bool motorHolds);
    void lookForBootloaderImage();
    // Progress label and bar: busy runs an endless bar; otherwise the bar
    // stands at its end when the step is complete, else at its start. The
    // text is a source text of this class, kept for a language change.
    void showStatus(const char *text, bool busy, bool complete);
    void showStatusText(const char *text);

    // Writes a temporary image into the update's private folder and starts
    // the tool on it; a tool that cannot be given its image is not started.
    void startTool(QFile &imageFile, const QString &sourceFile, const QByteArray &image, bool bootloader);
    void watchTool(bool bootloader);
    void finishTool(bool bootloader);
    [[nodiscard]] QString portName() const;
    void removeTemporaryImages();
    // Reads and checks the chosen firmware file; the reason as warning text, empty when it may be flashed.
    [[nodiscard]] QString checkFirmwareFile(const QString &path);
    [[nodiscard]] QByteArray bootloaderImage() const;
    void appendToolOutput(const QByteArray &bytes);

    std::unique_ptr<Ui::FlashUpdateWidget> ui;
    DatasetController *m_datasetController = nullptr;
    CommunicationController *m_communicationController = nullptr;

    QString m_firmwareDirectory;
    int32_t m_comPortNumber = -1;
    UpdateState m_updateState = FlashIdle;
    QTimer m_updateTimer;
    QString m_bootloaderPath;
    QProcess m_process;
    bool m_toolStarted = false;
    // The temporary images live in a folder of this program's own (mode 0700)
    // that exists from the start of an update until the page is idle again;
    // the shared temporary folder would let another user plant a link.
    std::unique_ptr<QTemporaryDir> m_temporaryFolder;
    QFile m_firmwareTemporaryFile;
    QFile m_bootloaderTemporaryFile;
    bool m_bootloaderUpdateAllowed = false;
    const char *m_statusText = "";
    QByteArray m_unparsedOutput;
    QStringList m_toolOutput;
    bool m_lastRunFailed = false;

    MessagePresenter m_defaultPresenter;
    MessagePresenter *m_messagePresenter = &m_defaultPresenter;
    FileChooser m_defaultFileChooser;
    FileChooser *m_fileChooser = &m_defaultFileChooser;
};
