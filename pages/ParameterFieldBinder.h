#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

#include <cstdint>

class DatasetController;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QWidget;

// The one binding between a parameter page's form fields and the dataset
// controller. A widget is a field of parameter N when its accessible description
// holds N as decimal text; its caption label carries the same number. Fields are
// found by searching the page's children by class, never through a table, so a
// page's form is the only place that lists its parameters.
//
// The page owns its binder and keeps its own slots (updateParameters,
// updateSpeedDisplay, ...); they call the operations below and add the page's
// own checks around them. User entries are connected to this object's
// setParameter(); the page learns of them through entryApplied() and forwards
// parameterChangedByUser() as its own signal.
//
// Texts of the binder (tooltips, " Hz", " min-1") are translated in the page's
// context (its class name), so every page that uses a binder lists them in its
// source for lupdate:
//     QT_TRANSLATE_NOOP("<PageClass>", "Parameter P%1")
//     QT_TRANSLATE_NOOP("<PageClass>", "Parameter P%1\nMinimum: %2%3\nMaximum: %4%5")
//     QT_TRANSLATE_NOOP("<PageClass>", "Parameter P%1\nMinimum: %2\nMaximum: %3%4")
//     QT_TRANSLATE_NOOP("<PageClass>", " Hz")
//     QT_TRANSLATE_NOOP("<PageClass>", " min-1")
//
// Construction, after the page has built its form:
//     binder.collectFields(true);        // stopped-only list, captions, spin boxes
//     binder.updateToolTips();
//     binder.fillComboBoxes();
//     ... page checks, motorStateChanged(model->motorRunning()), updateSpeedDisplay()
// GUI thread only.
class ParameterFieldBinder : public QObject
{
    Q_OBJECT

public:
    // QEvent::LanguageChange; eventInProgress() holds it while the page retranslates.
    static constexpr int LanguageChange = 89;

    // The binder becomes a child of the page. The model is not owned.
    ParameterFieldBinder(QWidget *page, DatasetController *model);

    // The parameter number in a widget's accessible description; 0 when the
    // widget is null, the description is empty or not a base-10 16-bit number.
    [[nodiscard]] static uint16_t parameterNumber(const QWidget *widget);

    QWidget *page() const { return m_page; }
    DatasetController *model() const { return m_model; }

    // ---- construction ------------------------------------------------------
    // Takes a copy of the model's stopped-only list (when lockStoppedOnly; the
    // start page locks nothing), collects the convertible captions and spin
    // boxes, sets every spin box to the model value and connects the editable
    // ones to setParameter().
    void collectFields(bool lockStoppedOnly);
    // A caption that follows the speed unit although its number is not
    // convertible (the start page's set-point source).
    void addConvertibleLabel(QLabel *label);
    // Restricts fillComboBoxes() and the combo part of updateParameters() to the
    // combo boxes inside container (null: the whole page).
    void setComboBoxScope(QWidget *container);
    // Entries of this parameter are stored without parameterChangedByUser().
    void setChangeSignalSuppressed(uint16_t id);

    // ---- state --------------------------------------------------------------
    [[nodiscard]] int eventInProgress() const { return m_eventInProgress; }
    [[nodiscard]] bool isRetranslating() const { return m_eventInProgress == LanguageChange; }
    const QVector<uint16_t> &stoppedOnlyIds() const { return m_stoppedOnlyIds; }
    const QList<QDoubleSpinBox *> &convertibleSpinBoxes() const { return m_convertibleSpinBoxes; }
    const QList<QLabel *> &convertibleLabels() const { return m_convertibleLabels; }

    // ---- operations ---------------------------------------------------------
    // Reloads every field from the model, signals blocked. Does nothing and
    // answers false while the page is hidden (the page calls it from showEvent);
    // the page runs its own checks only when this answers true.
    bool updateParameters();
    // Switches convertible fields between " Hz" and " min-1" and relabels their captions.
    void updateSpeedDisplay();
    // Re-applies the shown min-1 values after a pole pair change.
    void setConvertibleParameters();
    // Disables (motorRuns) or enables every stopped-only field and caption.
    void motorStateChanged(bool motorRuns);

    void updateToolTips();
    void updateToolTip(QDoubleSpinBox *spinBox);
    // The tooltip of a spin box field for the given limits (the I²t time writes
    // its limits as whole numbers and passes them here).
    [[nodiscard]] QString spinBoxToolTip(const QDoubleSpinBox *spinBox, double minimum, double maximum) const;
    // "Parameter P%1" in the page's language.
    [[nodiscard]] QString plainToolTip(uint16_t id) const;
    // " Hz" or " min-1" by SpeedDisplay, in the page's language.
    [[nodiscard]] QString speedSuffix() const;

    void fillComboBoxes();
    void fillComboBox(QComboBox *comboBox);

    // setValue with the spin box's signals blocked; nothing for null.
    static void setSpinBoxValue(QDoubleSpinBox *spinBox, double value);
    // With signals blocked, makes current the first item whose data equals code;
    // nothing changes when no item has it.
    static void setComboBoxValue(QComboBox *comboBox, uint16_t code);
    // The code of the current item (0 without items).
    [[nodiscard]] static uint16_t comboBoxCode(const QComboBox *comboBox);

    // Refresh of a field whose limits depend on other parameters: setValue
    // without blocking (a clamped value reaches the model like an entry), then
    // its tooltip.
    void refreshDependentField(QDoubleSpinBox *spinBox);

    // Every spin box, combo box, label and line edit of the page with this number.
    [[nodiscard]] QList<QWidget *> widgetsFor(uint16_t id) const;
    // Enables or disables a field together with its caption.
    void setParameterEnabled(uint16_t id, bool enabled);

    // ---- operating values ---------------------------------------------------------
    // Reloads the read-only fields of operating values, each only when its shown
    // text changes. While the model's operating values are not current
    // (disconnected, or not yet polled) they show "–" and are greyed instead of
    // the last numbers; the binder follows the model by itself.
    void updateOperatingValues();
    [[nodiscard]] bool operatingValuesShownAsStale() const { return m_shownStale; }

    // ---- unsaved changes --------------------------------------------------------
    // Marks every editable field whose working value differs from the inverter
    // (property "differsFromInverter", drawn by the style sheet) and adds the
    // inverter's value to its tooltip. Runs on the model's differencesChanged().
    void updateMarks();
    // The numbers of the editable fields below page.
    [[nodiscard]] static QVector<uint16_t> fieldNumbers(const QWidget *page);

    // ---- language change ------------------------------------------------------
    // The page's changeEvent: beginRetranslation(), retranslate the form,
    // fillComboBoxes(), updateSpeedDisplay(), updateToolTips(), its own texts,
    // finishRetranslation() (clears the focus and the marker).
    void beginRetranslation();
    void finishRetranslation();

    // Translation in the page's context.
    [[nodiscard]] QString translate(const char *sourceText) const;

public slots:
    // Connected to every editable spin box's valueChanged(double) and every
    // combo box field's currentIndexChanged(int); the field is sender().
    void setParameter();

public:
    // The same for an explicit field (the page's own setParameter slot).
    void applyEntry(QObject *field);

signals:
    // A field value was handed to the model (also when the model corrected it).
    void parameterChangedByUser();
    // After the common steps of an entry, for the page's own checks.
    void entryApplied(QWidget *field, uint16_t id);

private:
    void applyMark(QWidget *field);
    void showOperatingValuesStale(bool stale);
    [[nodiscard]] bool isOperatingField(const QDoubleSpinBox *spinBox) const;

    template <typename T>
    QList<T *> fields(QWidget *scope = nullptr) const;
    bool isStoppedOnly(uint16_t id) const;
    bool isConvertible(uint16_t id) const;

    QWidget *m_page = nullptr;
    DatasetController *m_model = nullptr;
    QWidget *m_comboBoxScope = nullptr;
    int m_eventInProgress = 0;
    bool m_fillingComboBoxes = false;
    QVector<uint16_t> m_stoppedOnlyIds;
    QVector<uint16_t> m_silentIds;
    QList<QDoubleSpinBox *> m_convertibleSpinBoxes;
    QList<QLabel *> m_convertibleLabels;
    QList<QDoubleSpinBox *> m_operatingSpinBoxes;
    bool m_shownStale = false;
};
