#include "BackgroundFileWorker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

BackgroundFileWorker::BackgroundFileWorker(int syncInterval)
{
    m_syncTimer.setSingleShot(true);
    m_syncTimer.setInterval(syncInterval);
    connect(&m_syncTimer, &QTimer::timeout, this, &BackgroundFileWorker::syncAll);
}

BackgroundFileWorker::~BackgroundFileWorker()
{
    closeAll();
}

QFile *BackgroundFileWorker::openFile(const QString &fileName)
{
    const auto it = m_files.constFind(fileName);
    if (it != m_files.cend())
        return it->get();
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    auto file = std::make_shared<QFile>(fileName);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append)) {
        emit writeFailed(fileName);
        return nullptr;
    }
    m_files.insert(fileName, file);
    return file.get();
}

void BackgroundFileWorker::append(const QString &fileName, const QByteArray &bytes)
{
    QFile *file = openFile(fileName);
    if (!file)
        return;
    // Unbuffered in effect: the bytes are with the operating system when this returns.
    if (file->write(bytes) != bytes.size() || !file->flush())
        emit writeFailed(fileName);
    m_unsynced.insert(fileName);
    if (!m_syncTimer.isActive())
        m_syncTimer.start();
}

void BackgroundFileWorker::close(const QString &fileName)
{
    const auto file = m_files.take(fileName);
    if (!file)
        return;
    if (m_unsynced.remove(fileName))
        syncFile(*file);
    file->close();
}

void BackgroundFileWorker::writeWhole(const QString &fileName, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        emit writeFailed(fileName);
}

void BackgroundFileWorker::syncAll()
{
    for (const QString &fileName : qAsConst(m_unsynced)) {
        const auto it = m_files.constFind(fileName);
        if (it != m_files.cend())
            syncFile(**it);
    }
    m_unsynced.clear();
}

void BackgroundFileWorker::closeAll()
{
    m_syncTimer.stop();
    syncAll();
    for (const auto &file : qAsConst(m_files))
        file->close();
    m_files.clear();
}

void BackgroundFileWorker::syncFile(QFile &file)
{
    file.flush();
#ifdef Q_OS_UNIX
    ::fdatasync(file.handle());
#elif defined(Q_OS_WIN)
    ::_commit(file.handle());
#endif
}
