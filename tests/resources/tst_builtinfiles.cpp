#include <numeric>

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QtTest>

// Keys, type codes and steps are restated: the files are product data that the
// model reads, so expectations taken from the model could not notice a drift.

namespace {

const QStringList Common{"MinimumMotorFrequency", "MaximumMotorFrequency", "MotorPeakCurrent", "AccelerationRamp",
                         "DecelerationRamp"};
const QStringList Tail{"I2TThreshold", "I2TPeriod", "I2TFunction", "VControlKP", "VControlTN", "SpeedControlKP",
                       "SpeedControlTN", "SpeedControlTV", "SpeedControlTF", "MotorTemperatureMonitoring",
                       "SensorResistanceValue", "MotorType", "RatedMotorFrequency", "RatedMotorVoltage",
                       "RatedMotorCurrent", "cos_phi", "PolePairs"};
const QStringList DasmKeys = Common + QStringList{"DCBrakeTime", "DCBrakeCurrent", "HoldingCurrent", "Voltage0",
    "Frequency1", "Voltage1", "Frequency2", "Voltage2", "Frequency3", "Voltage3", "IRFactor", "LoadCompFactor",
    "FilterTime"} + Tail;
const QStringList PmsmKeys = Common + QStringList{"StartupTime", "StartupCurrent", "StartupFrequency",
    "SwitchoffTime", "HoldingCurrent"} + Tail;

const QRegularExpression MotorFileName(QStringLiteral("^(\\d{4}) ((AC|DC)[A-Z]+(-[A-Z]+)*) - ([1-9]\\d{3,5}) rpm\\.mtr$"));

} // namespace

class TestBuiltinFiles : public QObject
{
    Q_OBJECT

private slots:
    // Name pattern, CR LF lines, the keys of the motor type in order, a maximum frequency matching the speed.
    void motorFiles()
    {
        const QStringList names = QDir(QStringLiteral(":/Motors")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(names.size(), 29);
        QSet<QString> families, types;
        int dasm = 0;
        for (const QString &name : names) {
            const QRegularExpressionMatch m = MotorFileName.match(name);
            QVERIFY2(m.hasMatch(), qPrintable(name));
            families.insert(m.captured(1));
            types.insert(m.captured(1) + ' ' + m.captured(2));
            const bool isDasm = m.captured(3) == QLatin1String("AC");
            dasm += isDasm;
            QFile file(QStringLiteral(":/Motors/") + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray content = file.readAll();
            QVERIFY2(content.endsWith("\r\n") && content.count('\n') == content.count("\r\n")
                         && content.count('\r') == content.count("\r\n"), qPrintable(name));
            QStringList lines = QString::fromLatin1(content).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
            QCOMPARE(lines.takeFirst(), QStringLiteral("[Parameters]"));
            QStringList keys;
            QMap<QString, int> values;
            for (const QString &line : qAsConst(lines)) {
                const auto e = QRegularExpression(QStringLiteral("^([A-Za-z0-9_]+)=(\\d+)$")).match(line);
                QVERIFY2(e.hasMatch() && e.captured(2).toInt() <= 0xFFFF, qPrintable(line));
                keys << e.captured(1);
                values.insert(e.captured(1), e.captured(2).toInt());
            }
            QCOMPARE(keys, isDasm ? DasmKeys : PmsmKeys);
            QCOMPARE(values.value("MotorType"), isDasm ? 0x8002 : 0x8003);
            QCOMPARE(values.value("MaximumMotorFrequency"), m.captured(5).toInt() * values.value("PolePairs") / 60);
        }
        QVERIFY(families.size() == 10 && dasm == 12);
        // The family → type → speed cascade needs at least one level with a real choice.
        QVERIFY(types.size() > families.size() && types.size() < names.size());
    }

    void runinProgram_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QVector<int>>("intervals");
        QTest::addColumn<QVector<int>>("percentages");
        QTest::newRow("initial operation") << ":/Runin/InitialOperation.run" << QVector<int>{60, 60, 120, 120, 60, 60, 60, 60, 60}
                                           << QVector<int>{25, 0, 25, 0, 40, 0, 60, 0, 80};
        QTest::newRow("downtime 3 months") << ":/Runin/Downtime3Months.run"
                                           << QVector<int>{120, 120, 300, 300, 240, 240, 120, 120, 120, 120, 120}
                                           << QVector<int>{25, 0, 25, 0, 40, 0, 40, 0, 60, 0, 80};
    }

    void runinProgram()
    {
        QFETCH(QString, path);
        QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(settings.status(), QSettings::NoError);
        // QSettings files the keys of a [general] section, whatever its case, as top-level keys.
        QCOMPARE(settings.value("company").toString(), QStringLiteral("Halvex"));
        QVector<int> intervals, percentages;
        for (int step = 1; step <= settings.childGroups().size(); ++step) {
            settings.beginGroup(QStringLiteral("step%1").arg(step));
            intervals << settings.value("interval", -1).toInt();
            percentages << settings.value("frequency_percentage", -1).toInt();
            settings.endGroup();
        }
        QTEST(intervals, "intervals");
        QTEST(percentages, "percentages");
    }
};

QTEST_GUILESS_MAIN(TestBuiltinFiles)
#include "tst_builtinfiles.moc"
