#pragma once

#include <QWidget>

#include <memory>

class DatasetController;
class MessagePresenter;
class ParameterFieldBinder;

namespace Ui {
class IOWidgetHalvex;
}

// The page "Ein- und Ausgänge": functions of the six digital inputs and the PLC
// input, the relays and their warning current, the analog input, the fixed
// frequencies and the CAN node number. DIN1 and the PLC input exclude each
// other; the analog input mode decides which of its two range fields is
// editable. Fields are bound to the dataset controller by ParameterFieldBinder.
class IOWidgetHalvex : public QWidget
{
    Q_OBJECT

public:
    IOWidgetHalvex(DatasetController *datasetController, QWidget *parent = nullptr);
    ~IOWidgetHalvex() override;

    // The DIN1/PLC conflict message goes through the presenter; without one
    // (the default) a plain message box is shown. Not owned.
    void setMessagePresenter(MessagePresenter *presenter);

signals:
    void parameterChangedByUser();

public slots:
    void updateParameters();
    void updateSpeedDisplay();
    void setConvertibleParameters();
    void motorStateChanged(bool motorRuns);
    void setParameter();
    void checkPlcInput();
    void checkAIN();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void refreshFrequencyFields();
    void refreshAinMaximumFrequency();
    void showInformation(const QString &text);

    std::unique_ptr<Ui::IOWidgetHalvex> ui;
    DatasetController *m_datasetController = nullptr;
    ParameterFieldBinder *m_fields = nullptr;
    MessagePresenter *m_messagePresenter = nullptr;
};
