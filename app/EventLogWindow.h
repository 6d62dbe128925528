#pragma once

#include <QDialog>

#include <memory>

class EventLog;
class EventLogFilter;
class EventLogModel;

namespace Ui {
class EventLogWindow;
}

// "Ereignisprotokoll": the session's events, newest at the bottom, filtered by
// kind and a search text; "Kopieren" puts the chosen lines (all shown lines
// when none is chosen) on the clipboard as the log files hold them, "Ordner
// öffnen" shows the folder of the daily files. Non-modal; follows the log.
class EventLogWindow : public QDialog
{
    Q_OBJECT

public:
    // The log is not owned and must outlive the window; folder: the daily files' folder.
    EventLogWindow(const EventLog &log, const QString &folder, QWidget *parent = nullptr);
    ~EventLogWindow() override;

    void setKind(int kind);
    void setSearchText(const QString &text);
    // The lines shown, top to bottom, as the files hold them.
    [[nodiscard]] QStringList shownLines() const;
    // Copies the chosen lines (or all shown ones) to the clipboard; answers how many.
    int copyLines();

protected:
    void changeEvent(QEvent *event) override;

private:
    void fillKinds();
    void updateCount();
    void rowsAdded();

    std::unique_ptr<Ui::EventLogWindow> m_ui;
    QString m_folder;
    EventLogModel *m_model = nullptr;
    EventLogFilter *m_filter = nullptr;
};
