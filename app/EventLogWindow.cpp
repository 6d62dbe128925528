#include "EventLogWindow.h"
#include "ui_EventLogWindow.h"

#include "EventLog.h"
#include "EventLogFilter.h"
#include "EventLogModel.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QScrollBar>
#include <QUrl>

EventLogWindow::EventLogWindow(const EventLog &log, const QString &folder, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::EventLogWindow>()), m_folder(folder)
{
    m_ui->setupUi(this);
    m_model = new EventLogModel(log, this);
    m_filter = new EventLogFilter(this);
    m_filter->setSourceModel(m_model);
    m_ui->logView->setModel(m_filter);
    fillKinds();

    connect(m_ui->kindComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        m_filter->setKind(m_ui->kindComboBox->currentData().toInt());
        updateCount();
    });
    connect(m_ui->searchLineEdit, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_filter->setSearchText(text);
        updateCount();
    });
    connect(m_ui->copyButton, &QPushButton::clicked, this, &EventLogWindow::copyLines);
    connect(m_ui->openFolderButton, &QPushButton::clicked, this, [this] {
        QDir().mkpath(m_folder);
        QDesktopServices::openUrl(QUrl::fromLocalFile(m_folder));
    });
    m_ui->openFolderButton->setEnabled(!m_folder.isEmpty());
    connect(m_filter, &QAbstractItemModel::rowsInserted, this, &EventLogWindow::rowsAdded);
    connect(m_filter, &QAbstractItemModel::rowsRemoved, this, &EventLogWindow::updateCount);
    updateCount();
    m_ui->logView->scrollToBottom();
}

EventLogWindow::~EventLogWindow() = default;

void EventLogWindow::fillKinds()
{
    const int current = m_ui->kindComboBox->currentIndex();
    const QSignalBlocker blocker(m_ui->kindComboBox);
    m_ui->kindComboBox->clear();
    m_ui->kindComboBox->addItem(tr("Alle Ereignisse"), -1);
    for (int kind = 0; kind < EventLog::KindCount; ++kind)
        m_ui->kindComboBox->addItem(EventLog::name(EventLog::Kind(kind)), kind);
    m_ui->kindComboBox->setCurrentIndex(std::max(0, current));
}

void EventLogWindow::setKind(int kind)
{
    const int index = m_ui->kindComboBox->findData(kind);
    if (index >= 0)
        m_ui->kindComboBox->setCurrentIndex(index);
}

void EventLogWindow::setSearchText(const QString &text)
{
    m_ui->searchLineEdit->setText(text);
}

QStringList EventLogWindow::shownLines() const
{
    QStringList lines;
    for (int row = 0; row < m_filter->rowCount(); ++row)
        lines << m_filter->index(row, 0).data(EventLogModel::LineRole).toString();
    return lines;
}

int EventLogWindow::copyLines()
{
    QStringList lines;
    QModelIndexList chosen = m_ui->logView->selectionModel()->selectedRows();
    std::sort(chosen.begin(), chosen.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    for (const QModelIndex &index : qAsConst(chosen))
        lines << index.data(EventLogModel::LineRole).toString();
    if (lines.isEmpty())
        lines = shownLines();
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return lines.size();
}

void EventLogWindow::rowsAdded()
{
    // Follows the newest entry unless the user scrolled up to read.
    QScrollBar *bar = m_ui->logView->verticalScrollBar();
    const bool atEnd = bar->value() >= bar->maximum() - 1;
    updateCount();
    if (atEnd)
        m_ui->logView->scrollToBottom();
}

void EventLogWindow::updateCount()
{
    m_ui->countLabel->setText(tr("%1 von %2 Einträgen").arg(m_filter->rowCount()).arg(m_model->rowCount()));
}

void EventLogWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        fillKinds();
        updateCount();
    }
    QDialog::changeEvent(event);
}
