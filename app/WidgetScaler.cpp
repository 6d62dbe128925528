#include "WidgetScaler.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMovie>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>

namespace {

constexpr double ReferenceDpi = 96.0;
constexpr int SmallScreenLimit = 1280;
// Ordinary screens report a few hundredths of a dot off 96 (an X screen of
// 1600 x 1000 pixels says 96.04); such a factor means no scaling.
constexpr double UnscaledTolerance = 0.02;

double effectiveFactor(double factor)
{
    return qAbs(factor - 1.0) <= UnscaledTolerance + 1e-9 ? 1.0 : factor;
}

int scaledDimension(int value, double factor)
{
    // Unbounded maximum sizes stay unbounded instead of overflowing the limit.
    if (value >= QWIDGETSIZE_MAX)
        return QWIDGETSIZE_MAX;
    return qMin(qRound(value * factor), QWIDGETSIZE_MAX);
}

QSize scaledSize(const QSize &size, double factor)
{
    return QSize(scaledDimension(size.width(), factor), scaledDimension(size.height(), factor));
}

// Point-sized fonts only; pixel-sized fonts already follow the device.
void scaleFont(QWidget *widget, double factor)
{
    QFont font = widget->font();
    if (font.pointSize() <= 0)
        return;
    font.setPointSize(static_cast<int>(font.pointSize() * factor));
    widget->setFont(font);
}

template <typename T>
QList<T *> all(QWidget *target)
{
    return target->findChildren<T *>();
}

} // namespace

WidgetScaler::WidgetScaler(QWidget *target)
    : m_target(target)
{
}

void WidgetScaler::setScreenMetrics(double factor, const QSize &screenSize)
{
    m_metricsOverridden = true;
    m_factor = factor;
    m_screenSize = screenSize;
}

double WidgetScaler::screenFactor()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    return effectiveFactor(screen->logicalDotsPerInch() / ReferenceDpi);
}

int WidgetScaler::screenSizeClass()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screenSizeClass(screenFactor(), screen ? screen->geometry().size() : QSize());
}

int WidgetScaler::screenSizeClass(double factor, const QSize &screenSize)
{
    if (effectiveFactor(factor) <= 1.0)
        return 0;
    if (screenSize.width() < SmallScreenLimit || screenSize.height() < SmallScreenLimit)
        return 2;
    return 1;
}

void WidgetScaler::scale()
{
    if (!m_target)
        return;

    const double f = m_metricsOverridden ? effectiveFactor(m_factor) : screenFactor();
    const int sizeClass = m_metricsOverridden ? screenSizeClass(m_factor, m_screenSize)
                                              : screenSizeClass();

    // The order matters: later steps overwrite fonts and icon sizes that
    // earlier, more general steps have set on the same widget.
    if (!qobject_cast<QMainWindow *>(m_target))
        m_target->resize(scaledSize(m_target->size(), f));

    for (QGroupBox *box : all<QGroupBox>(m_target))
        scaleFont(box, f);

    for (QAbstractButton *button : all<QAbstractButton>(m_target)) {
        button->setIconSize(scaledSize(button->iconSize(), f));
        scaleFont(button, f);
    }

    for (QDialogButtonBox *box : all<QDialogButtonBox>(m_target)) {
        const int pointSize = box->font().pointSize();
        if (pointSize <= 0)
            continue;
        for (QAbstractButton *button : box->buttons()) {
            QFont font = button->font();
            font.setPointSize(static_cast<int>(pointSize * f));
            button->setFont(font);
        }
    }

    for (QComboBox *combo : all<QComboBox>(m_target)) {
        combo->setIconSize(scaledSize(combo->iconSize(), f));
        scaleFont(combo, f);
    }

    // Deliberately once more: check boxes were already scaled as buttons above.
    for (QCheckBox *check : all<QCheckBox>(m_target))
        check->setIconSize(scaledSize(check->iconSize(), f));

    for (QProgressBar *bar : all<QProgressBar>(m_target))
        scaleFont(bar, f);

    for (QLabel *label : all<QLabel>(m_target)) {
        if (label->hasScaledContents() && !label->pixmap(Qt::ReturnByValue).isNull())
            label->setMaximumSize(scaledSize(label->maximumSize(), f));
        scaleFont(label, f);
    }

    for (QLineEdit *edit : all<QLineEdit>(m_target))
        scaleFont(edit, f);
    for (QTextEdit *edit : all<QTextEdit>(m_target))
        scaleFont(edit, f);
    for (QDoubleSpinBox *spin : all<QDoubleSpinBox>(m_target))
        scaleFont(spin, f);

    for (QTabWidget *tabs : all<QTabWidget>(m_target)) {
        tabs->setIconSize(scaledSize(tabs->iconSize(), f));
        scaleFont(tabs, f);
    }

    for (QMovie *movie : m_target->findChildren<QMovie *>()) {
        if (movie->scaledSize().isValid())
            movie->setScaledSize(scaledSize(movie->scaledSize(), f));
    }

    for (QAbstractItemView *view : all<QAbstractItemView>(m_target)) {
        view->setIconSize(scaledSize(view->iconSize(), f));
        scaleFont(view, f);
    }

    for (QLayout *layout : m_target->findChildren<QLayout *>()) {
        // A negative spacing means "take the style's"; there is nothing to scale.
        if (layout->spacing() >= 0)
            layout->setSpacing(static_cast<int>(layout->spacing() * f));
        const QMargins m = layout->contentsMargins();
        layout->setContentsMargins(qRound(m.left() * f), qRound(m.top() * f),
                                   qRound(m.right() * f), qRound(m.bottom() * f));
    }

    // A leading blank keeps the text clear of the scaled icon.
    for (QPushButton *button : all<QPushButton>(m_target)) {
        if (!button->text().isEmpty())
            button->setText(QLatin1Char(' ') + button->text());
    }
    for (QToolButton *button : all<QToolButton>(m_target)) {
        if (!button->text().isEmpty() && button->toolButtonStyle() == Qt::ToolButtonTextBesideIcon)
            button->setText(QLatin1Char(' ') + button->text());
    }

    // Small high-dpi screens have no room for text under the page icons.
    if (sizeClass == 2) {
        for (QToolButton *button : all<QToolButton>(m_target)) {
            if (button->toolButtonStyle() == Qt::ToolButtonTextUnderIcon)
                button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        }
    }
}
