#pragma once

#include <QDialog>
#include <QMap>
#include <QSet>
#include <QString>

#include <cstdint>
#include <memory>

class DatasetController;
class FileChooser;
class MessagePresenter;
class QTableWidget;

namespace Ui {
class CompareDialog;
}

// The compare view: every configuration parameter with the working copy, the
// inverter's value and an optional reference (a parameter set file, a
// built-in motor type or the factory defaults). Differences are highlighted;
// chosen reference values go into the working copy through the model's normal
// clamping, and "In Umrichter speichern" then writes them.
class CompareDialog : public QDialog
{
    Q_OBJECT

public:
    enum Column { TakeColumn, NumberColumn, CaptionColumn, WorkingColumn, DeviceColumn, ReferenceColumn };

    CompareDialog(DatasetController &model, MessagePresenter &presenter, FileChooser &fileChooser,
                  QWidget *parent = nullptr);
    ~CompareDialog() override;

    // A parameter set file as reference; false (with a warning) when it cannot be read.
    bool setReferenceFile(const QString &fileName);
    void setFactoryDefaultsAsReference();
    void clearReference();
    // Checks or unchecks the take-over box of a parameter's row; false when
    // the row has no reference value that differs.
    bool setTakeChecked(uint16_t id, bool checked);
    // Takes the checked reference values into the working copy; answers how many changed.
    int takeCheckedReferenceValues();
    bool exportCsv(const QString &fileName);
    [[nodiscard]] QTableWidget *table() const;
    // The parameter number of each row shown, top to bottom.
    [[nodiscard]] QVector<uint16_t> shownParameters() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void fillReferenceChoices();
    void referenceChosen(int index);
    void refresh();
    void exportChosen();
    void retranslate();

    std::unique_ptr<Ui::CompareDialog> m_ui;
    DatasetController &m_model;
    MessagePresenter &m_presenter;
    FileChooser &m_fileChooser;
    QMap<uint16_t, uint16_t> m_reference;
    QString m_referenceName;
    QSet<uint16_t> m_checked;
    bool m_refreshing = false;
};
