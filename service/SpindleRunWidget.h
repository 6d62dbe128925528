#pragma once

#include <QWidget>

class CommunicationController;
class DatasetController;
class MessagePresenter;

// The page "Spindeleinlauf": runs a built-in run-in program on the chosen
// spindle, step by step, while the rest of the window is locked.
class SpindleRunWidget : public QWidget
{
    Q_OBJECT

public:
    SpindleRunWidget(DatasetController *datasetController, CommunicationController *communicationController,
                     QWidget *parent = nullptr);
    ~SpindleRunWidget() override;

    // Boxes go through the presenter; null shows real message boxes.
    void setMessagePresenter(MessagePresenter *presenter);

signals:
    void spindleRunStarted();
    void spindleRunStopped();

private:
    DatasetController *m_datasetController = nullptr;
    CommunicationController *m_communicationController = nullptr;
    MessagePresenter *m_messagePresenter = nullptr;
};
