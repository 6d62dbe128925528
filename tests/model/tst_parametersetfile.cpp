// Device and motor parameter set files written and read by the dataset
// controller, and the built-in motor files.
#include "CommunicationController.h"
#include "D2xxSource.h"
#include "DatasetController.h"

#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
enum : uint16_t {
    RatedFrequency = 1,
    SpeedDisplay = 8,
    InverterFlags = 27,
    MaximumMotorFrequency = 42,
    MotorPeakCurrent = 44,
    AccelerationRamp = 46,
    StartupTime = 51,
    DCBrakeTime = 55,
    MotorType = 90,
    PolePairs = 96,
};
constexpr int Dasm = 0x8002;
constexpr int Pmsm = 0x8003;
const QStringList MotorTypeSpecificKeys{"StartupTime", "StartupCurrent", "StartupFrequency", "SwitchoffTime",
                                        "DCBrakeTime", "DCBrakeCurrent", "Voltage0",         "Frequency1",
                                        "Voltage1",    "Frequency2",     "Voltage2",         "Frequency3",
                                        "Voltage3",    "IRFactor",       "LoadCompFactor",   "FilterTime"};

QMap<QString, QString> parametersIn(const QString &fileName)
{
    QSettings file(fileName, QSettings::IniFormat);
    file.beginGroup("Parameters");
    QMap<QString, QString> result;
    for (const QString &key : file.childKeys())
        result.insert(key, file.value(key).toString());
    return result;
}

QByteArray contentOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeText(const QString &fileName, const QByteArray &text)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}
const QByteArray OldContent = "[Parameters]\r\nMotorPeakCurrent=80\r\n";
} // namespace

class TestParameterSetFile : public QObject
{
    Q_OBJECT

    std::unique_ptr<CommunicationController> m_commOwner;
    std::unique_ptr<DatasetController> m_modelOwner;
    std::unique_ptr<QTemporaryDir> m_dir;
    CommunicationController *m_comm = nullptr;
    DatasetController *m_model = nullptr;

    QString path(const QString &name) const { return m_dir->filePath(name); }

private slots:
    void init()
    {
        D2xx::setSystemSourcesEnabled(false);
        m_comm = (m_commOwner = std::make_unique<CommunicationController>()).get();
        m_model = (m_modelOwner = std::make_unique<DatasetController>(m_comm)).get();
        m_dir = std::make_unique<QTemporaryDir>();
    }

    void deviceSetRoundTripKeepsHertz()
    {
        m_model->setValue(MaximumMotorFrequency, 4000);
        m_model->setValue(PolePairs, 2);
        m_model->setValue(SpeedDisplay, 0x8006);
        m_model->setValue(RatedFrequency, 59999);
        QVERIFY(m_model->saveToFile(path("set.mps")));

        QSettings header(path("set.mps"), QSettings::IniFormat);
        QVERIFY(header.value("CreatedBy").toString().endsWith(" v1.9.5"));
        QVERIFY(QRegularExpression("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d$").match(header.value("CreatedAt").toString()).hasMatch());
        QCOMPARE(parametersIn(path("set.mps")).value("RatedFrequency"), QString("2000")); // files never hold min-1

        DatasetController other(m_comm);
        QStringList order;
        connect(&other, &DatasetController::loadedParametersFromFile, this, [&] { order << "loaded"; });
        connect(&other, &DatasetController::parametersUpdated, this, [&] { order << "updated"; });
        QVERIFY(other.loadFromFile(path("set.mps")) >= 4);
        QCOMPARE(order, (QStringList{"loaded", "updated"}));
        QVERIFY(other.value(RatedFrequency) == 60000.0 && other.rawValue(RatedFrequency) == 2000);

        QCOMPARE(other.loadFromFile(path("set.mps")), 0); // nothing left to change
        QCOMPARE(order.size(), 2);
    }

    void membersFollowKindAndMotorType_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("motorType");
        QTest::addColumn<int>("keys");
        QTest::newRow("DASM motor set") << "m.mtr" << Dasm << 35;
        QTest::newRow("PMSM motor set, upper case") << "m.MTR" << Pmsm << 27;
        QTest::newRow("device set without motor") << "d.mps" << 0x8001 << 48;
        QTest::newRow("DASM device set") << "d.Mps" << Dasm << 60;
        QTest::newRow("PMSM device set") << "d.mps" << Pmsm << 52;
        QTest::newRow("neither suffix") << "x.ini" << Dasm << 0;
    }

    void membersFollowKindAndMotorType()
    {
        QFETCH(QString, name);
        QFETCH(int, motorType);
        QVERIFY(writeText(path(name), "[Parameters]\nStale=1\n"));
        m_model->setValue(MotorType, motorType);
        QVERIFY(m_model->saveToFile(path(name)));
        const auto written = parametersIn(path(name));
        QTEST(written.size(), "keys");
        QVERIFY(!written.contains("Stale") && !written.contains("StartStop"));
        QCOMPARE(written.contains("RatedFrequency"), name.startsWith("d"));
        if (!written.isEmpty()) {
            QVERIFY(written.contains("HoldingCurrent"));
            QCOMPARE(written.value("MotorType"), QString::number(motorType));
        }
        if (motorType == 0x8001)
            for (const QString &key : MotorTypeSpecificKeys)
                QVERIFY2(!written.contains(key), qPrintable(key));
        QVERIFY(QSettings(path(name), QSettings::IniFormat).contains("CreatedBy"));
    }

    void readingTakesEveryMemberOfTheFile()
    {
        m_model->setValue(MotorType, Dasm);
        m_model->setValue(DCBrakeTime, 2.5);
        m_model->setValue(MaximumMotorFrequency, 800);
        m_model->setValue(AccelerationRamp, 12);
        QVERIFY(m_model->saveToFile(path("dasm.mtr")));

        // A DASM file into a PMSM model: motor type and DASM values follow the file.
        DatasetController pmsm(m_comm);
        pmsm.setValue(MotorType, Pmsm);
        pmsm.setValue(StartupTime, 3);
        QVERIFY(pmsm.loadFromFile(path("dasm.mtr")) > 0);
        QVERIFY(pmsm.rawValue(MotorType) == Dasm && pmsm.value(DCBrakeTime) == 2.5 && pmsm.value(StartupTime) == 3.0);

        // While the motor runs, stopped-only members are skipped.
        DatasetController running(m_comm);
        running.setRawValue(running.descriptor(InverterFlags), 0x0008);
        QVERIFY(running.loadFromFile(path("dasm.mtr")) > 0);
        QCOMPARE(running.value(AccelerationRamp), 12.0);
        QVERIFY(running.value(MaximumMotorFrequency) == 100.0 && running.rawValue(MotorType) == 0x8001);
    }

    void missingOrUnreadableFilesLoadNothing()
    {
        QSignalSpy updated(m_model, &DatasetController::parametersUpdated);
        QVERIFY(QDir(m_dir->path()).mkdir("folder.mps") && writeText(path("other.txt"), OldContent));
        QVERIFY(m_model->loadFromFile(path("missing.mps")) == -1 && m_model->loadFromFile(path("folder.mps")) == -1);
        QCOMPARE(m_model->loadFromFile(path("other.txt")), 0);
        QCOMPARE(updated.count(), 0);
    }

    // Text that is no unsigned decimal number is skipped; a large number saturates.
    void valuesThatAreNoNumbersAreSkipped_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("count");
        QTest::newRow("leading zeros") << QByteArray("0080") << 80 << 1;
        QTest::newRow("above 16 bits") << QByteArray("70000") << 1000 << 1;
        QTest::newRow("above 64 bits") << QByteArray("99999999999999999999999") << 1000 << 1;
        QTest::newRow("trailing letters") << QByteArray("12abc") << 15 << 0;
        QTest::newRow("negative") << QByteArray("-5") << 15 << 0;
        QTest::newRow("decimal point") << QByteArray("8.0") << 15 << 0;
        QTest::newRow("empty") << QByteArray("") << 15 << 0;
    }

    void valuesThatAreNoNumbersAreSkipped()
    {
        QFETCH(QByteArray, text);
        QVERIFY(writeText(path("damaged.mtr"), "[Parameters]\r\nMotorPeakCurrent=" + text + "\r\nPolePairs=2\r\n"));
        QFETCH(int, count);
        QCOMPARE(m_model->loadFromFile(path("damaged.mtr")), count + 1);
        QTEST(int(m_model->rawValue(MotorPeakCurrent)), "raw");
    }

    void failedWriteLeavesTheOldFileIntact()
    {
        QVERIFY(writeText(path("plain"), "not a folder")); // a folder that cannot exist
        QVERIFY(!m_model->saveToFile(path("plain/set.mps")));
        QVERIFY(!QFileInfo::exists(path("plain/set.mps")));

        // A failure at the last step: the name of an existing file is so long
        // that no name for the replacement fits beside it in the folder.
        const QString longName = path(QString(250, QLatin1Char('a')) + ".mps");
        QVERIFY(writeText(longName, OldContent));
        QVERIFY(!m_model->saveToFile(longName));
        QCOMPARE(contentOf(longName), OldContent);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
    }

    void writeRefusedByPermissionsLeavesTheOldFileIntact()
    {
#ifdef Q_OS_UNIX
        if (geteuid() == 0)
            QSKIP("running as root, where file permissions do not stop writes");
#endif
        QVERIFY(QDir(m_dir->path()).mkdir("locked"));
        QVERIFY(writeText(path("locked/set.mps"), OldContent) && writeText(path("readonly.mps"), OldContent));
        QFile::setPermissions(path("readonly.mps"), QFile::ReadOwner);
        QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner);
        const bool lockedSaved = m_model->saveToFile(path("locked/set.mps"));
        const bool readOnlySaved = m_model->saveToFile(path("readonly.mps"));
        QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!lockedSaved && !readOnlySaved);
        QCOMPARE(contentOf(path("locked/set.mps")), OldContent);
        QCOMPARE(contentOf(path("readonly.mps")), OldContent);
    }

    void builtInMotorFileIsWithinTheCatalogue_data()
    {
        QTest::addColumn<QString>("name");
        const QStringList names = QDir(":/Motors").entryList({"*.mtr"}, QDir::Files);
        QCOMPARE(names.size(), 29);
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }

    void builtInMotorFileIsWithinTheCatalogue()
    {
        QFETCH(QString, name);
        const auto match = QRegularExpression("^\\d{4} ((AC|DC)[A-Z]*(-[A-Z]+)*) - \\d+ rpm\\.mtr$").match(name);
        QVERIFY2(match.hasMatch(), "unexpected file name");
        const bool dasm = match.captured(2) == "AC";
        const QString fileName = ":/Motors/" + name;
        const auto values = parametersIn(fileName);
        // Loaded into a model of the other motor type, nothing may be clamped.
        m_model->setValue(MotorType, dasm ? Pmsm : Dasm);
        QVERIFY(m_model->loadFromFile(fileName) > 0);
        const ParameterCatalogue &catalogue = m_model->catalogue();
        for (uint16_t id : catalogue.ids()) {
            const ParameterDescriptor *d = catalogue.descriptor(id);
            const QString key = QString::fromLatin1(d->key);
            if (!values.contains(key))
                continue;
            QVERIFY2(m_model->rawValue(id) == values.value(key).toUInt(), qPrintable(key + " changed on loading"));
        }
    }
};

QTEST_GUILESS_MAIN(TestParameterSetFile)
#include "tst_parametersetfile.moc"
