// The simulator's end of the serial link: a pseudo-terminal whose slave side the
// program opens as its serial port. Optionally published under a stable path
// (a symbolic link) and in a file that holds the slave path.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>

class QSocketNotifier;

class PtyEndpoint : public QObject
{
    Q_OBJECT

public:
    explicit PtyEndpoint(QObject *parent = nullptr);
    ~PtyEndpoint() override;

    // Symbolic link replaced atomically on every open; removed on close.
    void setLinkPath(const QString &path) { m_linkPath = path; }
    QString linkPath() const { return m_linkPath; }
    // File that receives the slave path (one line) on every open.
    void setPathFile(const QString &path) { m_pathFile = path; }
    QString pathFile() const { return m_pathFile; }

    // Creates a new pseudo-terminal (raw mode) and publishes its slave path.
    bool open(QString *errorText = nullptr);
    // Closes both sides; the program's open slave descriptor then reports a hang-up.
    void close();
    bool isOpen() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }

    // Non-blocking; returns the number of bytes placed in the buffer (0 when none).
    int32_t read(uint8_t *buffer, uint32_t maximum);
    // Non-blocking; returns the number of bytes taken. Bytes that do not fit
    // into the terminal's buffer are lost, as on a wire nobody listens to.
    int32_t write(const uint8_t *data, uint32_t length);

    // Line settings that the program (or the flashing tool) has put on the
    // slave side; 38400 when none can be read.
    int32_t baudRate() const;
    // Bits on the wire per character: start, data, parity and stop bits.
    int32_t bitsPerCharacter() const;

signals:
    // Bytes from the program are waiting; read() them until it returns 0.
    void readyRead();
    void opened(const QString &slavePath);
    void closed();

private:
    void publish();
    void unpublish();
    void onActivated();

    int m_master = -1;
    int m_slaveKeeper = -1; // our own slave descriptor, never read, keeps the master free of EIO
    QString m_slavePath;
    QString m_linkPath;
    QString m_pathFile;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer m_rearmTimer;
};
