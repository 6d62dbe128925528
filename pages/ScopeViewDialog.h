#pragma once

#include "WidgetScaler.h"

#include <QDialog>

#include <array>
#include <memory>

class QwtPlotCurve;

namespace Ui {
class ScopeViewDialog;
}

// The non-modal "U/f Tabelle" dialog: the voltage/frequency characteristic of an
// asynchronous motor through its four U/f points, drawn as a dark green line
// with the points as large black dots on it. It holds no reference to the
// model; the motor data page feeds it the points (Hz, V) whenever they change.
// Size and position persist in the settings ("Diagram/Size", "Diagram/Position").
class ScopeViewDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int PointCount = 4;

    explicit ScopeViewDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~ScopeViewDialog() override;

    // Copies four frequencies (x) and four voltages (y) and redraws. A null
    // pointer keeps that coordinate's previous values.
    void setPoints(const double *x, const double *y);
    // Replaces point index (0 to 3) and redraws; any other index is ignored.
    void setPoint(int index, double x, double y);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

public slots:
    // Escape hides the dialog without a close event; its geometry is kept too.
    void reject() override;

private:
    void setTitles();
    void updateCurves();
    void loadGeometrySettings();
    void saveGeometrySettings() const;

    std::unique_ptr<Ui::ScopeViewDialog> m_ui;
    WidgetScaler m_scaler{this};
    // Owned by the plot once attached.
    QwtPlotCurve *m_lineCurve = nullptr;
    QwtPlotCurve *m_pointCurve = nullptr;
    std::array<double, PointCount> m_x{};
    std::array<double, PointCount> m_y{};
};
