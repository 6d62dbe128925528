#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <memory>

class QFile;

// The part of BackgroundFileWriter that lives on its thread: the open files,
// the writes and the periodic sync. Only BackgroundFileWriter uses it.
class BackgroundFileWorker : public QObject
{
    Q_OBJECT

public:
    explicit BackgroundFileWorker(int syncInterval);
    ~BackgroundFileWorker() override;

    void append(const QString &fileName, const QByteArray &bytes);
    void close(const QString &fileName);
    void writeWhole(const QString &fileName, const QByteArray &bytes);
    // Syncs every file written since the last sync.
    void syncAll();
    void closeAll();

signals:
    void writeFailed(const QString &fileName);

private:
    QFile *openFile(const QString &fileName);
    static void syncFile(QFile &file);

    QHash<QString, std::shared_ptr<QFile>> m_files;
    QSet<QString> m_unsynced;
    // A child, so that it moves to the worker's thread with it. Runs only
    // while something is unsynced.
    QTimer m_syncTimer{this};
};
