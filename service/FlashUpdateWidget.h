#pragma once

#include <QWidget>

class CommunicationController;
class DatasetController;
class MessagePresenter;

// The page "Firmware-Update": writes a firmware image, and optionally the
// bootloader, into the inverter through the external flashing tool.
class FlashUpdateWidget : public QWidget
{
    Q_OBJECT

public:
    FlashUpdateWidget(DatasetController *datasetController, CommunicationController *communicationController,
                     QWidget *parent = nullptr);
    ~FlashUpdateWidget() override;

    // Boxes go through the presenter; null shows real message boxes.
    void setMessagePresenter(MessagePresenter *presenter);

signals:
    void flashUpdateStarted();
    void flashUpdateDone();

private:
    DatasetController *m_datasetController = nullptr;
    CommunicationController *m_communicationController = nullptr;
    MessagePresenter *m_messagePresenter = nullptr;
};
