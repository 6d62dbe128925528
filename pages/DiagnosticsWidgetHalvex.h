#pragma once

#include "ErrorTable.h"

#include <QWidget>

#include <cstdint>
#include <memory>

class CommunicationController;
class DatasetController;
class FaultHistory;
class QLabel;
class QLineEdit;
class ParameterFieldBinder;
struct ErrorDescription;

namespace Ui {
class DiagnosticsWidgetHalvex;
}

// The page "Diagnose": operating values, run-time counters, the last five error
// codes with their explanation, and the actuator/sensor test (relays, LEDs,
// digital inputs, motor temperature input, inversion of the four outputs).
// Everything is read from the dataset controller; the page writes only the
// four inversion bits and the error reset. It owns the error table, which the
// main window consults for its error state line.
class DiagnosticsWidgetHalvex : public QWidget
{
    Q_OBJECT

public:
    DiagnosticsWidgetHalvex(DatasetController *datasetController, CommunicationController *communicationController,
                            QWidget *parent = nullptr);
    ~DiagnosticsWidgetHalvex() override;

    // The table entry of the code that an error parameter (30 to 34) holds now;
    // null when that code has no entry (0 among them).
    [[nodiscard]] const ErrorDescription *errorDescriptionForParameter(uint16_t parameterId) const;
    // The table entry of a code; null without one.
    [[nodiscard]] const ErrorDescription *errorDescriptionForCode(int code) const;

    // Beside each error code: when the program first saw it, and a mark on the
    // entries active now. Not owned; null shows no times.
    void setFaultHistory(const FaultHistory *history);

public slots:
    // Shows the explanation of the code behind the help button that sent it.
    void errorDescription();
    void updateParameters();
    void updateSpeedDisplay();
    void checkResetButton();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void connectSignals();
    // Spin boxes and error fields show "Parameter P%1".
    void updateToolTips();
    void updateErrorFields();
    void updateActuatorsAndSensors();
    void updateFaultTimes();
    // While the operating values are not current: LEDs unlit, error codes greyed.
    void showStaleness();
    [[nodiscard]] QList<QLineEdit *> errorLineEdits() const;
    [[nodiscard]] QList<QLabel *> errorTimeLabels() const;
    // Null clears the text. The entry is kept for a language change.
    void showErrorDescription(const ErrorDescription *entry);
    [[nodiscard]] bool isConnected() const;

    DatasetController *m_datasetController = nullptr;
    CommunicationController *m_communicationController = nullptr;
    std::unique_ptr<Ui::DiagnosticsWidgetHalvex> ui;
    // Holds the convertible spin boxes and captions and the page's field texts.
    ParameterFieldBinder *m_fields = nullptr;
    // Polls left to ignore for the inversion check boxes: the two polls after a
    // click may still carry the inverter's old word.
    uint16_t m_skipCounter = 0;
    ErrorTable m_errorTable;
    const ErrorDescription *m_shownDescription = nullptr;
    const FaultHistory *m_faultHistory = nullptr;
};
