#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThread>

class BackgroundFileWorker;

// Appends to files on a thread of its own, so that a slow or busy disk never
// holds up the GUI thread. Bytes handed over reach the file at once (the
// operating system's cache) and the disk within SyncInterval; a power cut
// therefore loses at most that much. Folders are created as needed. The calls
// return at once; failures are reported by writeFailed().
//
// Destroying the writer writes and syncs everything handed over before.
class BackgroundFileWriter : public QObject
{
    Q_OBJECT

public:
    static constexpr int SyncInterval = 1000;

    explicit BackgroundFileWriter(QObject *parent = nullptr);
    ~BackgroundFileWriter() override;

    // Appends to the file, which stays open until close() or the destructor.
    void append(const QString &fileName, const QByteArray &bytes);
    // Closes a file that append() opened (after syncing it).
    void close(const QString &fileName);
    // Writes a whole file: it appears complete or not at all.
    void writeWhole(const QString &fileName, const QByteArray &bytes);
    // Waits until everything handed over so far is written and synced.
    void flush();

signals:
    // A file could not be opened or written (emitted on the writer's thread,
    // delivered queued to receivers on other threads).
    void writeFailed(const QString &fileName);

private:
    QThread m_thread;
    BackgroundFileWorker *m_worker = nullptr;
};
