// What the records keep and how they write it: the ring buffer's bounds, the
// daily log files (one per day, lines as specified, expired ones removed), the
// CSV text of recordings and snapshots, and the fault history's times across
// a moving list of codes.
#include "BackgroundFileWriter.h"
#include "DatasetController.h"
#include "EventLog.h"
#include "FaultHistory.h"
#include "TrendCsv.h"
#include "TrendLog.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList readLines(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<missing %1>").arg(fileName)};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Restated: the poll order of the 24 operating values and their CSV headers.
const QStringList Header{
    "Zeit", "Frequenzsollwert [Hz]", "Spitzenstrom [A eff~]", "Frequenzistwert [Hz]", "Motorspannung [V~]",
    "ZK-Spannung (Motor) [V-]", "Motorwirkstrom [A eff~]", "Wirkleistung [W]", "Motorcode", "I²t-Auslastung [%]",
    "Betriebsstunden Umrichter [h]", "Betriebsstunden Motor [h]", "Umrichterstatus", "1. Störung", "2. Störung",
    "3. Störung", "4. Störung", "5. Störung", "N_soll Stromeingang [mA]", "N_soll Spannungseingang [V]",
    "Temperatur Kühlkörper [°C]", "ZK-Spannung (Eingang) [V]", "Relais- und LED-Steuerung",
    "Digitaleingänge und Motortemperatur", "Belegte Motorspeicher"};

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void ringBufferKeepsTheNewestSamples()
    {
        TrendBuffer buffer(4, 2);
        for (uint16_t i = 1; i <= 6; ++i) {
            const uint16_t values[] = {i, uint16_t(100 + i)};
            buffer.append(i * 500, values);
        }
        QCOMPARE(buffer.size(), 4);
        QCOMPARE(buffer.time(0), qint64(1500));
        QCOMPARE(buffer.raw(0, 1), uint16_t(103));
        QCOMPARE(buffer.time(3), qint64(3000));
        QCOMPARE(buffer.raw(3, 0), uint16_t(6));
        QCOMPARE(buffer.firstAtOrAfter(0), 0);
        QCOMPARE(buffer.firstAtOrAfter(2001), 2);
        QCOMPARE(buffer.firstAtOrAfter(3001), 4);

        // An hour at two polls a second fits the program's buffer, and no more is kept.
        const DatasetController model(nullptr);
        TrendLog trend(model);
        const int capacity = trend.buffer().capacity();
        QVERIFY(capacity >= 2 * 3600);
        for (int i = 0; i < capacity + 10; ++i)
            trend.sample(qint64(i) * 500);
        QCOMPARE(trend.buffer().size(), capacity);
        QCOMPARE(trend.buffer().time(0), qint64(10) * 500);
        QCOMPARE(trend.buffer().time(capacity - 1), qint64(capacity + 9) * 500);
    }

    void logFilesPerDayAndCleanUp()
    {
        QTemporaryDir folder;
        {
            BackgroundFileWriter writer;
            EventLog log(folder.path(), &writer);
            const QDateTime late(QDate(2026, 12, 6), QTime(23, 59, 59, 500));
            log.append(late, EventLog::Kind::Write, QStringLiteral("P42 Maximale Frequenz: 900 Hz → 1000 Hz"));
            log.append(late.addMSecs(600), EventLog::Kind::Fault, QStringLiteral("Fehler 7\nzweite Zeile"));
            QCOMPARE(log.size(), 2);
        } // the destructors hand over and sync everything

        const QStringList first = readLines(folder.filePath("2026-12-06.log"));
        const QStringList second = readLines(folder.filePath("2026-12-07.log"));
        QCOMPARE(first.size(), 1);
        QCOMPARE(second.size(), 1);
        const QRegularExpression stamp(QStringLiteral("^2026-12-06T23:59:59\\.500(Z|[+-]\\d\\d:\\d\\d) WRITE P42 Maximale "
                                                      "Frequenz: 900 Hz → 1000 Hz$"));
        QVERIFY2(stamp.match(first.at(0)).hasMatch(), qPrintable(first.at(0)));
        QVERIFY2(second.at(0).endsWith(QStringLiteral(" FAULT Fehler 7; zweite Zeile")), qPrintable(second.at(0)));

        // Files more than 90 days old go; others and foreign files stay.
        const QDate today(2026, 12, 6);
        const QStringList names{"2026-09-07.log", "2026-09-06.log", "2025-01-01.log", "notes.txt", "2026-13-45.log"};
        for (const QString &name : names) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(EventLog::removeExpired(folder.path(), today), 2);
        QVERIFY(QFile::exists(folder.filePath("2026-09-07.log")));
        QVERIFY(!QFile::exists(folder.filePath("2026-09-06.log")));
        QVERIFY(!QFile::exists(folder.filePath("2025-01-01.log")));
        QVERIFY(QFile::exists(folder.filePath("notes.txt")));
        QVERIFY(QFile::exists(folder.filePath("2026-13-45.log")));
        QVERIFY(QFile::exists(folder.filePath("2026-12-06.log")));
    }

    void csvText()
    {
        const DatasetController model(nullptr);
        TrendLog trend(model);
        QCOMPARE(QString::fromUtf8(TrendCsv::header(trend.channels())), Header.join(',') + "\r\n");

        // Raw values as the inverter sends them: 900 Hz, 1.5 A (offset 25 A, divisor
        // 1000), 48.0 V (divisor 10), flags 0x0004.
        QVector<uint16_t> raw(trend.buffer().channels(), 0);
        raw[0] = 900;
        raw[5] = 26500;
        raw[4] = 480;
        raw[11] = 4;
        const QDateTime time(QDate(2026, 12, 6), QTime(14, 3, 11, 250));
        trend.buffer().append(time.toMSecsSinceEpoch(), raw.constData());
        const QStringList fields = QString::fromLatin1(TrendCsv::row(trend.channels(), trend.buffer(), 0)).split(',');
        QCOMPARE(fields.size(), Header.size());
        QCOMPARE(fields.at(0), QStringLiteral("2026-12-06 14:03:11.250"));
        QCOMPARE(fields.at(1), QStringLiteral("900"));
        QCOMPARE(fields.at(2), QStringLiteral("0.5")); // raw 0 is below the minimum of 0.5 A
        QCOMPARE(fields.at(5), QStringLiteral("48.0"));
        QCOMPARE(fields.at(6), QStringLiteral("1.500"));
        QCOMPARE(fields.at(12), QStringLiteral("4"));
        QVERIFY(fields.last().endsWith("\r\n"));
        QCOMPARE(TrendCsv::field(QStringLiteral("a, \"b\"")), QStringLiteral("\"a, \"\"b\"\"\""));
    }

    void faultHistoryFollowsTheList_data()
    {
        QTest::addColumn<QVector<int>>("before");
        QTest::addColumn<QVector<int>>("after");
        QTest::addColumn<int>("appeared"); // new entries at the top
        QTest::newRow("unchanged") << QVector<int>{7, 18, 0, 0, 0} << QVector<int>{7, 18, 0, 0, 0} << 0;
        QTest::newRow("one new") << QVector<int>{7, 18, 0, 0, 0} << QVector<int>{3, 7, 18, 0, 0} << 1;
        QTest::newRow("the same code again") << QVector<int>{7, 0, 0, 0, 0} << QVector<int>{7, 7, 0, 0, 0} << 1;
        QTest::newRow("two new, last one gone") << QVector<int>{1, 2, 3, 4, 5} << QVector<int>{9, 8, 1, 2, 3} << 2;
        QTest::newRow("all new") << QVector<int>{1, 2, 3, 4, 5} << QVector<int>{6, 6, 6, 6, 6} << 5;
    }

    void faultHistoryFollowsTheList()
    {
        QFETCH(QVector<int>, before);
        QFETCH(QVector<int>, after);
        QFETCH(int, appeared);
        const auto codes = [](const QVector<int> &list) {
            std::array<int, FaultHistory::Size> array{};
            std::copy(list.cbegin(), list.cend(), array.begin());
            return array;
        };
        FaultHistory history;
        const QDateTime connectedAt(QDate::currentDate(), QTime(10, 0));
        history.connected(connectedAt);
        history.update(codes(before), 0, 4711, connectedAt.addSecs(1));
        QCOMPARE(history.seenText(0), QStringLiteral("vor Programmstart"));

        QSignalSpy appearedSpy(&history, &FaultHistory::faultAppeared);
        const QDateTime now(QDate::currentDate(), QTime(10, 5, 30));
        history.update(codes(after), 0x0004, 4711, now);
        QCOMPARE(appearedSpy.count(), appeared);
        for (int i = 0; i < FaultHistory::Size; ++i) {
            QCOMPARE(history.entry(i).code, after.at(i));
            QCOMPARE(history.entry(i).firstSeen.isValid(), i < appeared);
        }
        // The newest entry is the active one (no table: every code of unknown kind).
        QVERIFY(history.entry(0).active);
        QVERIFY(!history.entry(1).active);

        // A reconnect to the same inverter continues the times known; entries
        // that came meanwhile are from before that connection.
        history.disconnected();
        history.connected(now.addSecs(60));
        std::array<int, FaultHistory::Size> moved{11};
        std::copy(after.cbegin(), after.cend() - 1, moved.begin() + 1);
        history.update(moved, 0, 4711, now.addSecs(61));
        QCOMPARE(history.seenText(0), QStringLiteral("vor 10:06:30"));
        QCOMPARE(history.entry(1).firstSeen.isValid(), appeared > 0);
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
