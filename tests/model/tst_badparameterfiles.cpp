// Damaged, foreign and hostile parameter set files through DatasetController::loadFromFile: each
// either loads what it holds or fails as a whole, leaving the model untouched and silent.
#include "DatasetController.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// Raw defaults of the catalogue, restated: MotorPeakCurrent 15 (1.5 A), PolePairs 1,
// AccelerationRamp 50 (5 s), MotorType 0x8001.
const QByteArray Header = "[Parameters]\r\n";
constexpr qint64 SizeLimit = 1024 * 1024; // parameter sets are a few KiB
constexpr qint64 HugeSize = 100 * 1024 * 1024;

long peakMemoryKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QMap<QByteArray, int> rawValues(const DatasetController &model)
{
    QMap<QByteArray, int> values;
    for (uint16_t id : model.catalogue().ids())
        values.insert(model.descriptor(id)->key, model.rawValue(id));
    return values;
}

// Text of exactly `size` bytes: `text`, then blanks, then a line end.
QByteArray paddedTo(const QByteArray &text, qint64 size)
{
    QByteArray padded = text;
    padded.append(QByteArray(int(size - text.size() - 2), ' '));
    return padded + "\r\n";
}

} // namespace

class TestBadParameterFiles : public QObject
{
    Q_OBJECT

private slots:
    void badFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("sparseSize"); // > 0: the file is stretched to this size with zero bytes
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("values"); // raw values after loading, "key=raw" joined by blanks

        const QByteArray twoValues = Header + "MotorPeakCurrent=80\r\nPolePairs=2\r\n";
        QTest::newRow("truncated in the section line") << QByteArray("[Param") << qint64(0) << false << -1 << "";
        QTest::newRow("truncated in a key") << twoValues + "Acceler" << qint64(0) << false << 2
                                            << "MotorPeakCurrent=80 PolePairs=2 AccelerationRamp=50";
        QTest::newRow("truncated in a value") << twoValues + "AccelerationRamp=" << qint64(0) << false << 2
                                              << "AccelerationRamp=50";
        QTest::newRow("empty") << QByteArray() << qint64(0) << false << 0 << "MotorPeakCurrent=15";
        QTest::newRow("binary") << QByteArray::fromHex("7f454c4602010100000000000000000003003e00") << qint64(0)
                                << false << -1 << "";
        QTest::newRow("binary without zero bytes") << QByteArray("\x89PNG\r\n\x1a\n" + twoValues) << qint64(0) << false
                                                   << -1 << "";
        QTest::newRow("saved as UTF-16") << QByteArray("\xff\xfe[\0P\0", 6) + twoValues << qint64(0) << false << -1
                                         << "";
        QTest::newRow("huge, 100 MB") << twoValues << HugeSize << false << -1 << "";
        QTest::newRow("text one byte above the limit") << paddedTo(twoValues, SizeLimit + 1) << qint64(0) << false << -1
                                                       << "";
        QTest::newRow("text at the limit") << paddedTo(twoValues, SizeLimit) << qint64(0) << false << 2
                                           << "MotorPeakCurrent=80 PolePairs=2";
        // Only plain numbers count. "@Variant(" made the settings store's reader deserialise a list
        // of 2^31 entries and abort; escapes spell the same.
        QTest::newRow("wrong types") << Header + "MotorPeakCurrent=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\r\n"
                                                 "AccelerationRamp=\\x40Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\r\n"
                                                 "MotorType=@ByteArray(32770)\r\nHoldingCurrent=@Size(1 2)\r\n"
                                                 "MaximumMotorFrequency=800, 900\r\nMinimumMotorFrequency=true\r\n"
                                                 "DecelerationRamp=0x50\r\nStartupTime=-1\r\nPolePairs=\"2\"\r\n"
                                     << qint64(0) << false << 1
                                     << "MotorPeakCurrent=15 AccelerationRamp=50 MotorType=32769 PolePairs=2";
        QTest::newRow("values out of range") << Header + "MotorPeakCurrent=70000\r\nPolePairs=0\r\nMotorType=12345\r\n"
                                                         "AccelerationRamp=99999999999999999999\r\n"
                                             << qint64(0) << false << 2
                                             << "MotorPeakCurrent=1000 PolePairs=1 MotorType=32769 AccelerationRamp=4000";
        QTest::newRow("duplicate keys and sections") << Header + "MotorPeakCurrent=50\r\nMotorPeakCurrent=80\r\n"
                                                             "[General]\r\nPolePairs=3\r\n" + Header + "PolePairs=2\r\n"
                                                     << qint64(0) << false << 2 << "MotorPeakCurrent=80 PolePairs=2";
        QTest::newRow("unreadable") << twoValues << qint64(0) << true << -1 << "";
    }

    void badFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(qint64, sparseSize);
        QFETCH(bool, unreadable);
        QFETCH(int, result);
        QFETCH(QString, values);

        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("set.mtr")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        if (sparseSize > 0)
            QVERIFY(file.resize(sparseSize));
        file.close();
        if (unreadable) {
            QVERIFY(file.setPermissions({}));
            if (access(QFile::encodeName(file.fileName()).constData(), R_OK) == 0)
                QSKIP("file permissions do not stop reading here (root)");
        }

        DatasetController model(nullptr);
        const auto before = rawValues(model);
        QSignalSpy loaded(&model, &DatasetController::loadedParametersFromFile);
        QSignalSpy updated(&model, &DatasetController::parametersUpdated);
        const long memoryBefore = peakMemoryKiB();

        QCOMPARE(model.loadFromFile(file.fileName()), result);
        QVERIFY2(peakMemoryKiB() - memoryBefore < 16 * 1024, "the reader took the file into memory");
        if (result < 0)
            QCOMPARE(rawValues(model), before);
        QCOMPARE(loaded.count(), result > 0 ? 1 : 0);
        QCOMPARE(updated.count(), result > 0 ? 1 : 0);
        const auto after = rawValues(model);
        for (const QString &pair : values.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList keyValue = pair.split(QLatin1Char('='));
            QCOMPARE(after.value(keyValue[0].toLatin1()), keyValue[1].toInt());
        }
    }
};

QTEST_GUILESS_MAIN(TestBadParameterFiles)
#include "tst_badparameterfiles.moc"
