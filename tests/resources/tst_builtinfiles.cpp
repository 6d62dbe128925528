#include <numeric>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QStringList>
#include <QVector>
#include <QtTest>

// The key lists, type codes and step tables are restated here on purpose: the
// files are product data that the model reads, so a test that took its
// expectations from the model could not notice a file drifting away from it.

namespace {

const QStringList dasmKeys = {
    "MinimumMotorFrequency", "MaximumMotorFrequency", "MotorPeakCurrent", "AccelerationRamp",
    "DecelerationRamp", "DCBrakeTime", "DCBrakeCurrent", "HoldingCurrent", "Voltage0", "Frequency1",
    "Voltage1", "Frequency2", "Voltage2", "Frequency3", "Voltage3", "IRFactor", "LoadCompFactor",
    "FilterTime", "I2TThreshold", "I2TPeriod", "I2TFunction", "VControlKP", "VControlTN",
    "SpeedControlKP", "SpeedControlTN", "SpeedControlTV", "SpeedControlTF",
    "MotorTemperatureMonitoring", "SensorResistanceValue", "MotorType", "RatedMotorFrequency",
    "RatedMotorVoltage", "RatedMotorCurrent", "cos_phi", "PolePairs"};

const QStringList pmsmKeys = {
    "MinimumMotorFrequency", "MaximumMotorFrequency", "MotorPeakCurrent", "AccelerationRamp",
    "DecelerationRamp", "StartupTime", "StartupCurrent", "StartupFrequency", "SwitchoffTime",
    "HoldingCurrent", "I2TThreshold", "I2TPeriod", "I2TFunction", "VControlKP", "VControlTN",
    "SpeedControlKP", "SpeedControlTN", "SpeedControlTV", "SpeedControlTF",
    "MotorTemperatureMonitoring", "SensorResistanceValue", "MotorType", "RatedMotorFrequency",
    "RatedMotorVoltage", "RatedMotorCurrent", "cos_phi", "PolePairs"};

constexpr int motorTypeDasm = 32770;  // 0x8002
constexpr int motorTypePmsm = 32771;  // 0x8003

const QRegularExpression motorFileName(
    QStringLiteral("^(\\d{4}) ((AC|DC)[A-Z]+(-[A-Z]+)*) - ([1-9]\\d{3,5}) rpm\\.mtr$"));

QStringList motorFiles()
{
    return QDir(QStringLiteral(":/Motors")).entryList({QStringLiteral("*.mtr")}, QDir::Files, QDir::Name);
}

} // namespace

class TestBuiltinFiles : public QObject
{
    Q_OBJECT

private slots:
    void motorCatalogue();
    void motorFile_data();
    void motorFile();
    void runinProgram_data();
    void runinProgram();
};

void TestBuiltinFiles::motorCatalogue()
{
    const QStringList names = motorFiles();
    QCOMPARE(names.size(), 29);
    QCOMPARE(QDir(QStringLiteral(":/Motors")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 29);

    QSet<QString> families;
    QSet<QString> types;
    int dasm = 0;
    int pmsm = 0;
    for (const QString &name : names) {
        const QRegularExpressionMatch m = motorFileName.match(name);
        QVERIFY2(m.hasMatch(), qPrintable(name));
        families.insert(m.captured(1));
        types.insert(m.captured(1) + ' ' + m.captured(2));
        (m.captured(3) == QLatin1String("AC") ? dasm : pmsm)++;
    }
    QCOMPARE(families.size(), 10);
    QCOMPARE(dasm, 12);
    QCOMPARE(pmsm, 17);
    // The family → type → speed cascade needs at least one level with a real choice.
    QVERIFY(types.size() > families.size());
    QVERIFY(types.size() < names.size());
}

void TestBuiltinFiles::motorFile_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : motorFiles())
        QTest::newRow(qPrintable(name)) << name;
}

void TestBuiltinFiles::motorFile()
{
    QFETCH(QString, name);
    const QRegularExpressionMatch m = motorFileName.match(name);
    QVERIFY(m.hasMatch());
    const bool dasm = m.captured(3) == QLatin1String("AC");
    const QStringList &expectedKeys = dasm ? dasmKeys : pmsmKeys;
    const QString path = QStringLiteral(":/Motors/") + name;

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();

    QVERIFY(content.endsWith("\r\n"));
    QCOMPARE(content.count('\n'), content.count("\r\n"));
    QCOMPARE(content.count('\r'), content.count("\r\n"));

    QList<QByteArray> lines = content.split('\n');
    lines.removeLast();
    for (QByteArray &line : lines)
        line.chop(1);
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.takeFirst(), QByteArray("[Parameters]"));

    QStringList keys;
    QMap<QString, int> values;
    const QRegularExpression entry(QStringLiteral("^([A-Za-z0-9_]+)=(\\d+)$"));
    for (const QByteArray &line : qAsConst(lines)) {
        const QRegularExpressionMatch e = entry.match(QString::fromLatin1(line));
        QVERIFY2(e.hasMatch(), line.constData());
        keys << e.captured(1);
        bool ok = false;
        values.insert(e.captured(1), e.captured(2).toInt(&ok));
        QVERIFY(ok);
        QVERIFY(values.value(e.captured(1)) <= 0xFFFF);
    }
    QCOMPARE(keys, expectedKeys);
    QCOMPARE(values.value("MotorType"), dasm ? motorTypeDasm : motorTypePmsm);

    const int speed = m.captured(5).toInt();
    const int polePairs = values.value("PolePairs");
    QCOMPARE(values.value("MaximumMotorFrequency"), speed * polePairs / 60);

    QSettings settings(path, QSettings::IniFormat);
    QCOMPARE(settings.status(), QSettings::NoError);
    QCOMPARE(settings.childGroups(), QStringList{"Parameters"});
    QVERIFY(settings.childKeys().isEmpty());
    settings.beginGroup(QStringLiteral("Parameters"));
    QCOMPARE(settings.childKeys().size(), expectedKeys.size());
    QCOMPARE(settings.value("PolePairs").toInt(), polePairs);
}

void TestBuiltinFiles::runinProgram_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QVector<int>>("intervals");
    QTest::addColumn<QVector<int>>("percentages");
    QTest::addColumn<int>("total");

    QTest::newRow("initial operation") << QStringLiteral(":/Runin/InitialOperation.run")
        << QVector<int>{60, 60, 120, 120, 60, 60, 60, 60, 60}
        << QVector<int>{25, 0, 25, 0, 40, 0, 60, 0, 80} << 660;
    QTest::newRow("downtime 3 months") << QStringLiteral(":/Runin/Downtime3Months.run")
        << QVector<int>{120, 120, 300, 300, 240, 240, 120, 120, 120, 120, 120}
        << QVector<int>{25, 0, 25, 0, 40, 0, 40, 0, 60, 0, 80} << 1920;
}

void TestBuiltinFiles::runinProgram()
{
    QFETCH(QString, path);
    QFETCH(QVector<int>, intervals);
    QFETCH(QVector<int>, percentages);
    QFETCH(int, total);

    QVERIFY(QFile::exists(path));
    QSettings settings(path, QSettings::IniFormat);
    QCOMPARE(settings.status(), QSettings::NoError);
    // QSettings files the keys of a [general] section, whatever its case, as top-level keys.
    QCOMPARE(settings.value("company").toString(), QStringLiteral("Halvex"));

    QVector<int> readIntervals;
    QVector<int> readPercentages;
    const QStringList groups = settings.childGroups();
    for (int step = 1; groups.contains(QStringLiteral("step%1").arg(step)); ++step) {
        settings.beginGroup(QStringLiteral("step%1").arg(step));
        QVERIFY(settings.contains("interval"));
        QVERIFY(settings.contains("frequency_percentage"));
        readIntervals << settings.value("interval").toInt();
        readPercentages << settings.value("frequency_percentage").toInt();
        settings.endGroup();
    }
    QCOMPARE(groups.size(), intervals.size());
    QCOMPARE(readIntervals, intervals);
    QCOMPARE(readPercentages, percentages);
    QCOMPARE(std::accumulate(readIntervals.cbegin(), readIntervals.cend(), 0), total);
}

QTEST_GUILESS_MAIN(TestBuiltinFiles)
#include "tst_builtinfiles.moc"
