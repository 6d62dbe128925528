#pragma once

#include "ScopeViewDialog.h"

#include <QWidget>

#include <cstdint>
#include <initializer_list>
#include <memory>

class CommunicationController;
class DatasetController;
class ParameterFieldBinder;
class QGroupBox;

namespace Ui {
class DriveWidgetHalvex;
}

// The page "Motordaten": electrical data of the spindle motor, its temperature
// sensor, the I²t overload monitoring, the U/f table of an asynchronous motor
// and the controller settings. Fields are bound to the dataset controller by
// ParameterFieldBinder; this class adds the checks that keep related
// parameters consistent (visibility by motor type, sensor defaults, DC brake,
// coupled U/f points, I²t lock) and feeds the U/f diagram dialog.
//
// No check refuses an entry with a message: the I²t lock is reported in a
// label on the page, coinciding U/f frequencies silently share their voltage.
class DriveWidgetHalvex : public QWidget
{
    Q_OBJECT

public:
    // The communication controller is kept for the window's sake; the page
    // reaches the inverter only through the dataset controller. Neither is owned.
    DriveWidgetHalvex(DatasetController *datasetController, CommunicationController *communicationController,
                      QWidget *parent = nullptr);
    ~DriveWidgetHalvex() override;

signals:
    void parameterChangedByUser();

public slots:
    void checkDriveType();
    void checkSensorType(bool useDefaults = true);
    void checkRpmController();
    void showDiagram();
    void updateDiagram(bool checkVisibility = true);
    void updateParameters();
    void updateInverterType();
    void motorStateChanged(bool motorRuns);
    void checkUfValues();
    void checkVoltages();
    void updateSpeedDisplay();
    void setConvertibleParameters();
    void checkMinMaxFrequencies();
    void setParameter();
    void checkDcBrakeTime();
    void checkI2t();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // The page's own steps after an entry has been stored by the binder.
    void entryApplied(QWidget *field, uint16_t id);
    // Shows the fields of group whose number is in ids and hides the others
    // (hideListed false), or the reverse (hideListed true).
    void setParametersVisible(QGroupBox *group, bool hideListed, std::initializer_list<uint16_t> ids);
    // Rated current × threshold lies clearly below the peak current, so the
    // I²t time can be converted at all.
    [[nodiscard]] bool i2tCurrentsAllowed();
    [[nodiscard]] bool i2tLocked();
    void updateI2tPeriodToolTip(bool locked);
    // Copies a U/f voltage through the model and shows what the model kept.
    void copyVoltage(uint16_t fromId, uint16_t toId);

    std::unique_ptr<Ui::DriveWidgetHalvex> ui;
    QWidget *m_parent = nullptr;
    DatasetController *m_datasetController = nullptr;
    CommunicationController *m_communicationController = nullptr;
    ScopeViewDialog m_diagram{this, Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint};
    ParameterFieldBinder *m_fields = nullptr;
};
