#pragma once

#include "CommErrorCode.h"
#include "FileChooser.h"
#include "SpindleCatalogue.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>

class CommunicationController;
class DatasetController;
class MessagePresenter;
class ParameterFieldBinder;
class QComboBox;

namespace Ui {
class MonitoringWidgetHalvex;
}

// The page "Startseite": set-point, start, stop and error reset; the basic
// settings that decide whether this program or the inverter's inputs control
// the motor; three operating values; and the parameter sets: built-in motor
// types, the inverter's sixteen motor memories M1 to M16, device parameter set
// files (".mps") and the factory reset.
//
// Fields are bound to the dataset controller by ParameterFieldBinder. Unlike
// the other parameter pages nothing is locked while the motor runs; the motor
// memory and factory reset buttons are, through their checks. An entry of the
// set-point is stored without parameterChangedByUser(), so the window's change
// banner ignores it; Enter in the set-point sends it at once while the motor
// is under this program's control.
class MonitoringWidgetHalvex : public QWidget
{
    Q_OBJECT

public:
    MonitoringWidgetHalvex(DatasetController *datasetController, CommunicationController *communicationController,
                           QWidget *parent = nullptr);
    ~MonitoringWidgetHalvex() override;

    // Message boxes and questions go through the presenter; without one (the
    // default) plain message boxes are shown. Not owned.
    void setMessagePresenter(MessagePresenter *presenter);
    // The parameter set file dialogs. Not owned; null restores the platform's dialogs.
    void setFileChooser(FileChooser *chooser);

signals:
    void parameterChangedByUser();

public slots:
    void updateSpeedDisplay();
    void setConvertibleParameters();
    void loadFactorySettings();
    void loadMotorTypeFromFile();
    // Device parameter set files (".mps"), despite the names.
    void loadMotorParametersFromFile();
    void saveMotorParametersToFile();
    void loadMotorParametersFromDevice();
    void motorParametersReceived();
    void writeParametersetResponseReceived(CommErrorCode error, QString detailedText);
    void deleteParametersetResponseReceived(CommErrorCode error);
    void saveMotorParametersToDevice();
    void deleteMotorParametersOnDevice();
    void updateParameters();
    void updateReadOnlyParameters();
    void connectedToInverter();
    void disconnectedFromInverter();
    void checkFactoryResetButton();
    void checkStartStopButtons();
    void checkResetButton();
    void checkMotorParametersetButtons();
    void setParameter();
    void checkInputForRatedFrequency();
    void checkMotorTypes();
    void checkMotorCodeComboBox(QString text);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum class Box { Information, Warning, Critical };

    static void setComboBoxPlaceholder(QComboBox *comboBox, const QString &text, bool select);
    static void removeComboBoxPlaceholder(QComboBox *comboBox);
    [[nodiscard]] static bool showsPlaceholder(const QComboBox *comboBox);

    void fillSpindleFamilies();
    void fillSpindleTypes();
    void fillMaximumSpeeds();
    void refreshSpindleChoices();
    void updateSpecialToolTips();
    void refreshSetpointField();
    void loadSettings();
    void saveParametersetDirectory();

    void connectSignals();
    void clearLoadedMotorType();
    // Shows the warning and answers true while the motor runs.
    [[nodiscard]] bool refuseLoadWhileRunning(const QString &text);
    // Bit k set: motor memory M(k+1) holds a set.
    [[nodiscard]] uint16_t motorSets();
    // The chosen memory slot (0 to 15), -1 while the box shows its placeholder.
    [[nodiscard]] int chosenSlot() const;
    // Asks before the working copy is replaced while it differs from the inverter.
    bool confirmDiscardChanges(const QString &actionQuestion);
    void showBox(Box kind, QWidget *parent, const QString &title, const QString &text,
                 const QString &detailedText = QString());
    [[nodiscard]] bool ask(QWidget *parent, const QString &text, const QString &detailedText = QString());

    std::unique_ptr<Ui::MonitoringWidgetHalvex> ui;
    DatasetController *m_datasetController = nullptr;
    CommunicationController *m_communicationController = nullptr;
    // Holds the field state of the page: the retranslation marker and the
    // convertible spin boxes and captions.
    ParameterFieldBinder *m_fields = nullptr;
    QString m_parametersetDirectory;
    bool m_connected = false;
    bool m_motorSetLoadRequested = false;
    bool m_showInformationMessages = true;
    QString m_loadedMotorTypeName;

    MessagePresenter *m_messagePresenter = nullptr;
    // The spindle boxes follow the unsorted listing of the motor files.
    const SpindleCatalogue m_spindles{QDir::NoSort};
    FileChooser m_defaultFileChooser;
    FileChooser *m_fileChooser = &m_defaultFileChooser;
};
