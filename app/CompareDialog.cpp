#include "CompareDialog.h"

#include "DatasetController.h"
#include "FileChooser.h"
#include "MessagePresenter.h"
#include "ParameterComparison.h"
#include "ParameterTexts.h"
#include "StartupSettings.h"
#include "ui_CompareDialog.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QSaveFile>
#include <QTableWidget>

namespace {

// Reference choices without a file of their own.
const QString NoReference = QStringLiteral("none");
const QString FactoryDefaults = QStringLiteral("defaults");
const QString ChooseFile = QStringLiteral("file");

const QColor ChangedColour(0xFF, 0xE2, 0xB0);
const QColor ReferenceColour(0xD8, 0xEC, 0xFF);

} // namespace

CompareDialog::CompareDialog(DatasetController &model, MessagePresenter &presenter, FileChooser &fileChooser,
                             QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CompareDialog>()), m_model(model), m_presenter(presenter),
      m_fileChooser(fileChooser)
{
    m_ui->setupUi(this);
    m_ui->tableWidget->setColumnCount(6);
    m_ui->tableWidget->verticalHeader()->hide();
    m_ui->tableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_ui->tableWidget->horizontalHeader()->setSectionResizeMode(CaptionColumn, QHeaderView::Stretch);
    retranslate();

    connect(m_ui->referenceComboBox, QOverload<int>::of(&QComboBox::activated), this, &CompareDialog::referenceChosen);
    connect(m_ui->onlyDifferencesCheckBox, &QCheckBox::toggled, this, &CompareDialog::refresh);
    connect(m_ui->takeButton, &QPushButton::clicked, this, [this] { takeCheckedReferenceValues(); });
    connect(m_ui->exportButton, &QPushButton::clicked, this, &CompareDialog::exportChosen);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->tableWidget, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (m_refreshing || item->column() != TakeColumn)
            return;
        const auto id = uint16_t(item->data(Qt::UserRole).toUInt());
        if (item->checkState() == Qt::Checked)
            m_checked.insert(id);
        else
            m_checked.remove(id);
    });
    connect(&m_model, &DatasetController::differencesChanged, this, &CompareDialog::refresh);
    connect(&m_model, &DatasetController::parametersUpdated, this, &CompareDialog::refresh);
    refresh();
}

CompareDialog::~CompareDialog() = default;

QTableWidget *CompareDialog::table() const
{
    return m_ui->tableWidget;
}

void CompareDialog::retranslate()
{
    m_ui->retranslateUi(this);
    fillReferenceChoices();
    refresh();
}

void CompareDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void CompareDialog::fillReferenceChoices()
{
    QComboBox *box = m_ui->referenceComboBox;
    const QString current = box->currentData().toString();
    box->clear();
    box->addItem(tr("keine"), NoReference);
    box->addItem(tr("Werkseinstellungen"), FactoryDefaults);
    box->addItem(tr("Parametersatz-Datei wählen..."), ChooseFile);
    const QFileInfoList motors =
        QDir(QStringLiteral(":/Motors")).entryInfoList({QStringLiteral("*.mtr")}, QDir::Files, QDir::Name);
    for (const QFileInfo &motor : motors)
        box->addItem(tr("Motortyp %1").arg(motor.completeBaseName()), motor.filePath());
    const int index = box->findData(current);
    box->setCurrentIndex(index >= 0 ? index : 0);
}

void CompareDialog::referenceChosen(int index)
{
    const QString choice = m_ui->referenceComboBox->itemData(index).toString();
    if (choice == NoReference) {
        clearReference();
    } else if (choice == FactoryDefaults) {
        setFactoryDefaultsAsReference();
    } else if (choice == ChooseFile) {
        const QString fileName = m_fileChooser.openFileName(
            this, tr("Parametersatz als Referenz wählen"), StartupSettings::dataFolder(),
            tr("Parametersätze (*.mps *.mtr)"));
        if (fileName.isEmpty() || !setReferenceFile(fileName))
            clearReference();
    } else if (!setReferenceFile(choice)) {
        clearReference();
    }
}

bool CompareDialog::setReferenceFile(const QString &fileName)
{
    QMap<uint16_t, uint16_t> values;
    if (!ParameterComparison::readReference(m_model, fileName, values)) {
        m_presenter.warning(this, tr("Torvana"),
                            tr("Die Datei kann nicht als Parametersatz gelesen werden:\n%1\n\n")
                                .arg(QDir::toNativeSeparators(fileName)));
        return false;
    }
    m_reference = values;
    m_referenceName = QFileInfo(fileName).completeBaseName();
    m_checked.clear();
    refresh();
    return true;
}

void CompareDialog::setFactoryDefaultsAsReference()
{
    m_reference = ParameterComparison::factoryDefaults(m_model);
    m_referenceName = tr("Werkseinstellung");
    m_checked.clear();
    refresh();
}

void CompareDialog::clearReference()
{
    m_reference.clear();
    m_referenceName.clear();
    m_checked.clear();
    QComboBox *box = m_ui->referenceComboBox;
    box->setCurrentIndex(box->findData(NoReference));
    refresh();
}

void CompareDialog::refresh()
{
    QTableWidget *table = m_ui->tableWidget;
    const bool withReference = !m_referenceName.isEmpty();
    table->setHorizontalHeaderLabels({tr("Übernehmen"), tr("Parameter"), tr("Bezeichnung"), tr("Arbeitskopie"),
                                      tr("Umrichter"), m_referenceName});
    table->setColumnHidden(TakeColumn, !withReference);
    table->setColumnHidden(ReferenceColumn, !withReference);

    const QVector<ParameterComparison::Row> rows = ParameterComparison::rows(m_model, m_reference);
    const bool onlyDifferences = m_ui->onlyDifferencesCheckBox->isChecked();
    m_refreshing = true;
    table->setRowCount(0);
    int changed = 0;
    int referenceDiffers = 0;
    for (const ParameterComparison::Row &row : rows) {
        changed += row.differsFromDevice ? 1 : 0;
        referenceDiffers += row.referenceDiffers ? 1 : 0;
        if (onlyDifferences && !row.differsFromDevice && !row.referenceDiffers)
            continue;
        const int r = table->rowCount();
        table->insertRow(r);
        const auto cell = [&](int column, const QString &text, bool highlight, const QColor &colour) {
            auto *item = new QTableWidgetItem(text);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (highlight)
                item->setBackground(colour);
            table->setItem(r, column, item);
        };
        auto *take = new QTableWidgetItem;
        take->setData(Qt::UserRole, uint(row.id));
        if (row.referenceDiffers) {
            take->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            take->setCheckState(m_checked.contains(row.id) ? Qt::Checked : Qt::Unchecked);
        } else {
            take->setFlags(Qt::NoItemFlags);
        }
        table->setItem(r, TakeColumn, take);
        cell(NumberColumn, QStringLiteral("P%1").arg(row.id), false, {});
        cell(CaptionColumn, ParameterTexts::caption(row.id), false, {});
        cell(WorkingColumn, m_model.displayText(row.id, row.working), row.differsFromDevice, ChangedColour);
        cell(DeviceColumn, row.deviceKnown ? m_model.displayText(row.id, row.device) : QStringLiteral("–"),
             row.differsFromDevice, ChangedColour);
        cell(ReferenceColumn, row.hasReference ? m_model.displayText(row.id, row.reference) : QString(),
             row.referenceDiffers, ReferenceColour);
    }
    m_refreshing = false;
    m_ui->takeButton->setVisible(withReference);

    QString summary = tr("%n Parameter weichen vom Umrichter ab.", nullptr, changed);
    if (withReference)
        summary += QLatin1Char(' ') + tr("%n Parameter weichen von der Referenz ab.", nullptr, referenceDiffers);
    const QDateTime stale = m_model.deviceImageStaleSince();
    if (stale.isValid())
        summary += QLatin1Char(' ')
            + tr("Nicht verbunden: die Umrichterwerte sind vom %1.")
                  .arg(QLocale().toString(stale, QLocale::ShortFormat));
    m_ui->summaryLabel->setText(summary);
}

QVector<uint16_t> CompareDialog::shownParameters() const
{
    QVector<uint16_t> ids;
    for (int r = 0; r < m_ui->tableWidget->rowCount(); ++r)
        ids.append(uint16_t(m_ui->tableWidget->item(r, TakeColumn)->data(Qt::UserRole).toUInt()));
    return ids;
}

bool CompareDialog::setTakeChecked(uint16_t id, bool checked)
{
    QTableWidget *table = m_ui->tableWidget;
    for (int r = 0; r < table->rowCount(); ++r) {
        QTableWidgetItem *item = table->item(r, TakeColumn);
        if (item->data(Qt::UserRole).toUInt() != id)
            continue;
        if (!(item->flags() & Qt::ItemIsUserCheckable))
            return false;
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        return true;
    }
    return false;
}

int CompareDialog::takeCheckedReferenceValues()
{
    QMap<uint16_t, uint16_t> values;
    QStringList refused;
    for (uint16_t id : qAsConst(m_checked)) {
        if (!m_reference.contains(id))
            continue;
        if (m_model.isWritable(id))
            values.insert(id, m_reference.value(id));
        else
            refused << QStringLiteral("P%1 %2").arg(id).arg(ParameterTexts::caption(id));
    }
    m_checked.clear();
    const int changed = values.isEmpty() ? 0 : m_model.takeValues(values);
    refresh();
    if (!refused.isEmpty()) {
        refused.sort();
        m_presenter.warning(this, tr("Torvana"),
                            tr("Einige Werte können nur bei stehendem Motor geändert werden und wurden nicht "
                               "übernommen.\nWeitere Informationen finden Sie unter Details."),
                            refused.join(QLatin1Char('\n')));
    }
    return changed;
}

void CompareDialog::exportChosen()
{
    const QString proposal = StartupSettings::dataFolder() + QDir::separator()
        + tr("Vergleich") + QDateTime::currentDateTime().toString(QStringLiteral(" yyyy-MM-dd_HH-mm-ss")) + ".csv";
    const QString fileName = m_fileChooser.saveFileName(this, tr("Vergleich als CSV speichern"), proposal,
                                                        tr("CSV-Dateien (*.csv)"));
    if (fileName.isEmpty())
        return;
    if (!exportCsv(fileName))
        m_presenter.critical(this, tr("Fehler"),
                             tr("Die Datei konnte nicht geschrieben werden:\n%1\n\n")
                                 .arg(QDir::toNativeSeparators(fileName)));
}

bool CompareDialog::exportCsv(const QString &fileName)
{
    QVector<ParameterComparison::Row> rows;
    const QVector<ParameterComparison::Row> all = ParameterComparison::rows(m_model, m_reference);
    const QVector<uint16_t> shown = shownParameters();
    for (const ParameterComparison::Row &row : all)
        if (shown.contains(row.id))
            rows.append(row);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(ParameterComparison::csv(m_model, rows, m_referenceName));
    return file.commit();
}
