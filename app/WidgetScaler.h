#pragma once

#include <QSize>

class QWidget;

// Enlarges a widget tree that was designed for 96 logical dpi to the primary
// screen's setting: fonts, icon sizes, layout spacings and margins and a few
// sizes are multiplied by the screen factor. Run scale() once, after the form
// has been built; widgets created later are not touched.
class WidgetScaler
{
public:
    explicit WidgetScaler(QWidget *target);

    // Scales with the given factor and screen size instead of the primary
    // screen's. Used by tests to reproduce high-dpi screens offscreen.
    void setScreenMetrics(double factor, const QSize &screenSize);

    // One pass over the target; a second call scales again.
    void scale();

    // Primary screen's logical dots per inch / 96 (1.0 without a screen);
    // within 2 % of 1.0 it is 1.0.
    [[nodiscard]] static double screenFactor();
    // 0 at factor 1.0 (within 2 %) or below; otherwise 2 on a screen narrower
    // or lower than 1280 pixels, else 1.
    [[nodiscard]] static int screenSizeClass();
    [[nodiscard]] static int screenSizeClass(double factor, const QSize &screenSize);

private:
    QWidget *m_target = nullptr;
    bool m_metricsOverridden = false;
    double m_factor = 1.0;
    QSize m_screenSize;
};
