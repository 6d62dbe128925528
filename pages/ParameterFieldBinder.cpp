#include "ParameterFieldBinder.h"

#include "DatasetController.h"
#include "ParameterId.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QDateTime>
#include <QLocale>
#include <QSignalBlocker>
#include <QStyle>
#include <QWidget>

#include <cmath>

ParameterFieldBinder::ParameterFieldBinder(QWidget *page, DatasetController *model)
    : QObject(page), m_page(page), m_model(model)
{
    // entryApplied carries the number; makes it usable in queued connections and spies.
    qRegisterMetaType<uint16_t>("uint16_t");
    connect(model, &DatasetController::differencesChanged, this, &ParameterFieldBinder::updateMarks);
    connect(model, &DatasetController::operatingValuesCurrentChanged, this,
            [this](bool current) { showOperatingValuesStale(!current); });
}

uint16_t ParameterFieldBinder::parameterNumber(const QWidget *widget)
{
    if (!widget)
        return 0;
    bool ok = false;
    const uint number = widget->accessibleDescription().toUInt(&ok, 10);
    return ok && number <= 0xFFFF ? uint16_t(number) : 0;
}

template <typename T>
QList<T *> ParameterFieldBinder::fields(QWidget *scope) const
{
    return (scope ? scope : m_page)->template findChildren<T *>();
}

bool ParameterFieldBinder::isStoppedOnly(uint16_t id) const
{
    return m_stoppedOnlyIds.contains(id);
}

bool ParameterFieldBinder::isConvertible(uint16_t id) const
{
    return m_model->convertibleList().contains(id);
}

QString ParameterFieldBinder::translate(const char *sourceText) const
{
    return QCoreApplication::translate(m_page->metaObject()->className(), sourceText);
}

// ---- construction ------------------------------------------------------------

void ParameterFieldBinder::collectFields(bool lockStoppedOnly)
{
    if (lockStoppedOnly)
        m_stoppedOnlyIds = m_model->stoppedOnlyList();

    for (QLabel *label : fields<QLabel>()) {
        const uint16_t id = parameterNumber(label);
        if (id != 0 && isConvertible(id))
            m_convertibleLabels.append(label);
    }

    for (QDoubleSpinBox *spinBox : fields<QDoubleSpinBox>()) {
        const uint16_t id = parameterNumber(spinBox);
        if (isConvertible(id))
            m_convertibleSpinBoxes.append(spinBox);
        if (isOperatingField(spinBox) && !m_operatingSpinBoxes.contains(spinBox))
            m_operatingSpinBoxes.append(spinBox);
        spinBox->setValue(m_model->value(id));
        if (!spinBox->isReadOnly())
            connect(spinBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
                    &ParameterFieldBinder::setParameter, Qt::UniqueConnection);
    }
    showOperatingValuesStale(!m_model->operatingValuesCurrent());
}

void ParameterFieldBinder::addConvertibleLabel(QLabel *label)
{
    if (label && !m_convertibleLabels.contains(label))
        m_convertibleLabels.append(label);
}

void ParameterFieldBinder::setComboBoxScope(QWidget *container)
{
    m_comboBoxScope = container;
}

void ParameterFieldBinder::setChangeSignalSuppressed(uint16_t id)
{
    if (!m_silentIds.contains(id))
        m_silentIds.append(id);
}

// ---- reload and unit -----------------------------------------------------------

bool ParameterFieldBinder::updateParameters()
{
    if (!m_page->isVisible())
        return false;
    for (QDoubleSpinBox *spinBox : fields<QDoubleSpinBox>()) {
        if (m_shownStale && m_operatingSpinBoxes.contains(spinBox))
            continue;
        setSpinBoxValue(spinBox, m_model->value(parameterNumber(spinBox)));
    }
    for (QComboBox *comboBox : fields<QComboBox>(m_comboBoxScope)) {
        const uint16_t id = parameterNumber(comboBox);
        if (id != 0)
            setComboBoxValue(comboBox, uint16_t(m_model->value(id)));
    }
    return true;
}

QString ParameterFieldBinder::speedSuffix() const
{
    const bool inHz = uint16_t(m_model->value(Param::SpeedDisplay)) == Code::DisplayHz;
    return inHz ? translate(" Hz") : translate(" min-1");
}

void ParameterFieldBinder::updateSpeedDisplay()
{
    const QString suffix = speedSuffix();
    for (QDoubleSpinBox *spinBox : qAsConst(m_convertibleSpinBoxes)) {
        const uint16_t id = parameterNumber(spinBox);
        if (id == 0)
            continue;
        const QSignalBlocker blocker(spinBox);
        spinBox->setSuffix(suffix);
        if (!spinBox->isReadOnly()) {
            spinBox->setSingleStep(m_model->resolution(id));
            updateToolTip(spinBox);
        } else {
            spinBox->setToolTip(plainToolTip(id));
        }
        // An operating value that is not current keeps its "–".
        if (!(m_shownStale && m_operatingSpinBoxes.contains(spinBox)))
            spinBox->setValue(m_model->value(id));
    }
    for (QLabel *label : qAsConst(m_convertibleLabels)) {
        const uint16_t id = parameterNumber(label);
        if (id == 0)
            continue;
        const QString caption = m_model->caption(id);
        if (!caption.isEmpty())
            label->setText(caption);
    }
}

void ParameterFieldBinder::setConvertibleParameters()
{
    for (QDoubleSpinBox *spinBox : qAsConst(m_convertibleSpinBoxes)) {
        const uint16_t id = parameterNumber(spinBox);
        if (id == 0 || spinBox->isReadOnly())
            continue;
        const QSignalBlocker blocker(spinBox);
        updateToolTip(spinBox);
        spinBox->setSingleStep(m_model->resolution(id));
        // The speed the user sees stays; the stored frequency follows the pole pairs.
        spinBox->setValue(m_model->setValue(id, spinBox->value(), false));
    }
}

void ParameterFieldBinder::motorStateChanged(bool motorRuns)
{
    auto lock = [&](QWidget *widget) {
        if (isStoppedOnly(parameterNumber(widget)))
            widget->setDisabled(motorRuns);
    };
    for (QWidget *widget : fields<QDoubleSpinBox>())
        lock(widget);
    for (QWidget *widget : fields<QComboBox>())
        lock(widget);
    for (QWidget *widget : fields<QLabel>())
        lock(widget);
}

// ---- tooltips ------------------------------------------------------------------

QString ParameterFieldBinder::plainToolTip(uint16_t id) const
{
    return translate("Parameter P%1").arg(id);
}

QString ParameterFieldBinder::spinBoxToolTip(const QDoubleSpinBox *spinBox, double minimum,
                                             double maximum) const
{
    const uint16_t id = parameterNumber(spinBox);
    if (spinBox->isReadOnly())
        return plainToolTip(id);
    const QString suffix = spinBox->suffix();
    const QString special = spinBox->specialValueText();
    if (special.isEmpty())
        return translate("Parameter P%1\nMinimum: %2%3\nMaximum: %4%5")
            .arg(id)
            .arg(QString::number(minimum, 'g', -1), suffix, QString::number(maximum, 'g', -1), suffix);
    // The off state is the lowest value the user can choose.
    return translate("Parameter P%1\nMinimum: %2\nMaximum: %3%4")
        .arg(id)
        .arg(special, QString::number(maximum, 'g', -1), suffix);
}

void ParameterFieldBinder::updateToolTip(QDoubleSpinBox *spinBox)
{
    if (!spinBox)
        return;
    const uint16_t id = parameterNumber(spinBox);
    spinBox->setToolTip(spinBoxToolTip(spinBox, m_model->minimum(id), m_model->maximum(id)));
    applyMark(spinBox);
}

void ParameterFieldBinder::updateToolTips()
{
    for (QDoubleSpinBox *spinBox : fields<QDoubleSpinBox>())
        updateToolTip(spinBox);
}

// ---- combo boxes ---------------------------------------------------------------

void ParameterFieldBinder::fillComboBoxes()
{
    for (QComboBox *comboBox : fields<QComboBox>(m_comboBoxScope))
        fillComboBox(comboBox);
}

void ParameterFieldBinder::fillComboBox(QComboBox *comboBox)
{
    if (!comboBox)
        return;
    // Filling emits currentIndexChanged; setParameter() ignores it meanwhile
    // instead of being disconnected, so that the binding stays the first
    // receiver and an entry is stored before the page's own checks run.
    m_fillingComboBoxes = true;
    comboBox->clear();
    const uint16_t id = parameterNumber(comboBox);
    const uint16_t current = uint16_t(m_model->value(id));
    comboBox->setToolTip(plainToolTip(id));
    applyMark(comboBox);
    const QMap<uint16_t, QString> choices = m_model->enumeration(id); // translated, ascending code
    for (auto it = choices.cbegin(); it != choices.cend(); ++it) {
        comboBox->addItem(it.value(), uint(it.key()));
        if (it.key() == current)
            comboBox->setCurrentIndex(comboBox->count() - 1);
    }
    m_fillingComboBoxes = false;
    connect(comboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ParameterFieldBinder::setParameter, Qt::UniqueConnection);
}

void ParameterFieldBinder::setSpinBoxValue(QDoubleSpinBox *spinBox, double value)
{
    if (!spinBox)
        return;
    // setValue() repaints even when nothing changes; a value that shows the
    // same text is left alone (polls repeat most values).
    static const double halfSteps[] = {0.5, 0.05, 0.005, 0.0005, 0.00005};
    const int decimals = spinBox->decimals();
    const double halfStep = decimals >= 0 && decimals < 5 ? halfSteps[decimals] : 0.5 * std::pow(10.0, -decimals);
    if (std::isfinite(value) && value >= spinBox->minimum() && value <= spinBox->maximum()
        && std::fabs(spinBox->value() - value) < halfStep)
        return;
    const QSignalBlocker blocker(spinBox);
    spinBox->setValue(value);
}

void ParameterFieldBinder::setComboBoxValue(QComboBox *comboBox, uint16_t code)
{
    if (!comboBox)
        return;
    for (int i = 0; i < comboBox->count(); ++i) {
        if (comboBox->itemData(i).toUInt() == code) {
            const QSignalBlocker blocker(comboBox);
            comboBox->setCurrentIndex(i);
            return;
        }
    }
}

uint16_t ParameterFieldBinder::comboBoxCode(const QComboBox *comboBox)
{
    if (!comboBox || comboBox->currentIndex() < 0)
        return 0;
    return uint16_t(comboBox->currentData().toUInt());
}

void ParameterFieldBinder::refreshDependentField(QDoubleSpinBox *spinBox)
{
    if (!spinBox)
        return;
    spinBox->setValue(m_model->value(parameterNumber(spinBox)));
    updateToolTip(spinBox);
}

QList<QWidget *> ParameterFieldBinder::widgetsFor(uint16_t id) const
{
    QList<QWidget *> result;
    if (id == 0)
        return result;
    auto collect = [&](const auto &list) {
        for (QWidget *widget : list)
            if (parameterNumber(widget) == id)
                result.append(widget);
    };
    collect(fields<QDoubleSpinBox>());
    collect(fields<QComboBox>());
    collect(fields<QLabel>());
    collect(fields<QLineEdit>());
    return result;
}

void ParameterFieldBinder::setParameterEnabled(uint16_t id, bool enabled)
{
    for (QWidget *widget : widgetsFor(id))
        widget->setEnabled(enabled);
}

// ---- language change -------------------------------------------------------------

void ParameterFieldBinder::beginRetranslation()
{
    m_eventInProgress = LanguageChange;
}

void ParameterFieldBinder::finishRetranslation()
{
    if (QWidget *focused = m_page->focusWidget())
        focused->clearFocus();
    m_eventInProgress = 0;
}

// ---- user entry --------------------------------------------------------------------

void ParameterFieldBinder::setParameter()
{
    applyEntry(sender());
}

void ParameterFieldBinder::applyEntry(QObject *field)
{
    if (!field)
        return;

    if (auto *comboBox = qobject_cast<QComboBox *>(field)) {
        // Refilling the boxes during a language change or a fill emits
        // currentIndexChanged; those are not entries.
        if (isRetranslating() || m_fillingComboBoxes || comboBox->count() == 0)
            return;
        const uint16_t id = parameterNumber(comboBox);
        if (id == 0)
            return;
        const uint16_t code = comboBoxCode(comboBox);
        const double kept = m_model->setValue(id, code, false);
        if (kept != code)
            setComboBoxValue(comboBox, uint16_t(kept));
        if (!m_silentIds.contains(id))
            emit parameterChangedByUser();
        emit entryApplied(comboBox, id);
        return;
    }

    if (auto *spinBox = qobject_cast<QDoubleSpinBox *>(field)) {
        const uint16_t id = parameterNumber(spinBox);
        if (id == 0)
            return;
        const double kept = m_model->setValue(id, spinBox->value(), false);
        if (kept != spinBox->value())
            setSpinBoxValue(spinBox, kept);
        if (!m_silentIds.contains(id))
            emit parameterChangedByUser();
        emit entryApplied(spinBox, id);
    }
}

// ---- operating values ------------------------------------------------------------

namespace {
const char *const LiveSpecialTextProperty = "liveSpecialValueText";
} // namespace

bool ParameterFieldBinder::isOperatingField(const QDoubleSpinBox *spinBox) const
{
    const ParameterDescriptor *d = m_model->descriptor(parameterNumber(spinBox));
    return spinBox->isReadOnly() && d && d->isOperatingValue() && d->cyclic;
}

void ParameterFieldBinder::updateOperatingValues()
{
    if (!m_page->isVisible() || m_shownStale)
        return;
    for (QDoubleSpinBox *spinBox : qAsConst(m_operatingSpinBoxes))
        setSpinBoxValue(spinBox, m_model->value(parameterNumber(spinBox)));
}

void ParameterFieldBinder::showOperatingValuesStale(bool stale)
{
    m_shownStale = stale;
    for (QDoubleSpinBox *spinBox : qAsConst(m_operatingSpinBoxes)) {
        const QSignalBlocker blocker(spinBox);
        if (stale) {
            if (!spinBox->property(LiveSpecialTextProperty).isValid())
                spinBox->setProperty(LiveSpecialTextProperty, spinBox->specialValueText());
            // The special value text is what a spin box shows at its minimum.
            spinBox->setSpecialValueText(QStringLiteral("–"));
            spinBox->setValue(spinBox->minimum());
            spinBox->setEnabled(false);
        } else {
            const QVariant live = spinBox->property(LiveSpecialTextProperty);
            if (live.isValid())
                spinBox->setSpecialValueText(live.toString());
            spinBox->setProperty(LiveSpecialTextProperty, QVariant());
            spinBox->setEnabled(true);
            spinBox->setValue(m_model->value(parameterNumber(spinBox)));
        }
    }
}

// ---- unsaved changes -----------------------------------------------------------

namespace {
const char *const MarkProperty = "differsFromInverter";
const char *const MarkLineProperty = "inverterValueLine";
} // namespace

void ParameterFieldBinder::applyMark(QWidget *field)
{
    const uint16_t id = parameterNumber(field);
    const auto *spinBox = qobject_cast<QDoubleSpinBox *>(field);
    const bool editable = id != 0 && !(spinBox && spinBox->isReadOnly());
    const bool differs = editable && m_model->differsFromDevice(id);

    if (field->property(MarkProperty).toBool() != differs) {
        field->setProperty(MarkProperty, differs);
        field->style()->unpolish(field);
        field->style()->polish(field);
        field->update();
    }

    // The tooltip's last line names the inverter's value; the rest of the
    // tooltip belongs to whoever wrote it.
    QString tip = field->toolTip();
    const QString oldLine = field->property(MarkLineProperty).toString();
    if (!oldLine.isEmpty() && tip.endsWith(oldLine))
        tip.chop(oldLine.size());
    QString line;
    if (differs) {
        const QString value = m_model->displayText(id, m_model->deviceRawValue(id));
        const QDateTime stale = m_model->deviceImageStaleSince();
        line = QLatin1Char('\n')
            + (stale.isValid() ? tr("Im Umrichter (Stand %1): %2").arg(QLocale().toString(stale.time(), QLocale::ShortFormat), value)
                               : tr("Im Umrichter: %1").arg(value));
    }
    if (line != oldLine || tip != field->toolTip()) {
        field->setToolTip(tip + line);
        field->setProperty(MarkLineProperty, line);
    }
}

void ParameterFieldBinder::updateMarks()
{
    for (QDoubleSpinBox *spinBox : fields<QDoubleSpinBox>())
        if (parameterNumber(spinBox) != 0)
            applyMark(spinBox);
    for (QComboBox *comboBox : fields<QComboBox>())
        if (parameterNumber(comboBox) != 0)
            applyMark(comboBox);
}

QVector<uint16_t> ParameterFieldBinder::fieldNumbers(const QWidget *page)
{
    QVector<uint16_t> ids;
    if (!page)
        return ids;
    for (QDoubleSpinBox *spinBox : page->findChildren<QDoubleSpinBox *>())
        if (!spinBox->isReadOnly() && parameterNumber(spinBox) != 0)
            ids.append(parameterNumber(spinBox));
    for (QComboBox *comboBox : page->findChildren<QComboBox *>())
        if (parameterNumber(comboBox) != 0)
            ids.append(parameterNumber(comboBox));
    return ids;
}
