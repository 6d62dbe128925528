#include "BackgroundFileWriter.h"

#include "BackgroundFileWorker.h"

BackgroundFileWriter::BackgroundFileWriter(QObject *parent) : QObject(parent)
{
    m_worker = new BackgroundFileWorker(SyncInterval);
    m_worker->moveToThread(&m_thread);
    connect(m_worker, &BackgroundFileWorker::writeFailed, this, &BackgroundFileWriter::writeFailed);
    m_thread.setObjectName(QStringLiteral("BackgroundFileWriter"));
    m_thread.start(QThread::LowPriority);
}

BackgroundFileWriter::~BackgroundFileWriter()
{
    // Runs after everything handed over before; quit() alone might leave
    // posted writes undone.
    QMetaObject::invokeMethod(m_worker, &BackgroundFileWorker::closeAll, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    delete m_worker;
}

void BackgroundFileWriter::append(const QString &fileName, const QByteArray &bytes)
{
    BackgroundFileWorker *worker = m_worker;
    QMetaObject::invokeMethod(worker, [worker, fileName, bytes] { worker->append(fileName, bytes); },
                              Qt::QueuedConnection);
}

void BackgroundFileWriter::close(const QString &fileName)
{
    BackgroundFileWorker *worker = m_worker;
    QMetaObject::invokeMethod(worker, [worker, fileName] { worker->close(fileName); }, Qt::QueuedConnection);
}

void BackgroundFileWriter::writeWhole(const QString &fileName, const QByteArray &bytes)
{
    BackgroundFileWorker *worker = m_worker;
    QMetaObject::invokeMethod(worker, [worker, fileName, bytes] { worker->writeWhole(fileName, bytes); },
                              Qt::QueuedConnection);
}

void BackgroundFileWriter::flush()
{
    BackgroundFileWorker *worker = m_worker;
    QMetaObject::invokeMethod(worker, [worker] { worker->syncAll(); }, Qt::BlockingQueuedConnection);
}
