// Bad settings and bad files as the program meets them: the settings store at start-up, the
// window's geometry and folders from it, a device set loaded on the start page, a run-in program
// and a firmware file chosen for an update. Nothing may crash, the window must come up usable,
// and a failed load must leave the model as it was and say so.
#include "D2xxSource.h"
#include "DatasetController.h"
#include "FileChooser.h"
#include "FlashUpdateWidget.h"
#include "MainWindow.h"
#include "MonitoringWidgetHalvex.h"
#include "RecordingPresenter.h"
#include "RunInProgram.h"
#include "ScopeViewDialog.h"
#include "StartupSettings.h"
#include "TemporaryHomeMain.h"

#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTranslator>

#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int English = 31;
constexpr int German = 42;
constexpr qint64 HugeSize = 100 * 1024 * 1024;

class ScriptedChooser : public FileChooser
{
public:
    QString answer;
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return answer; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return answer; }
};

long peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Writes a file, optionally stretched with zero bytes or made unreadable. False when the
// permissions do not stop reading (root), so that the caller can skip.
bool writeFile(const QString &fileName, const QByteArray &content, qint64 sparseSize, bool unreadable)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(fileName));
    if (sparseSize > 0 && !file.resize(sparseSize))
        qFatal("cannot stretch %s", qPrintable(fileName));
    // The settings store caches files by size and time; a fresh time makes it read this one.
    static QDateTime stamp = QDateTime::currentDateTime().addDays(-1);
    file.setFileTime(stamp = stamp.addSecs(1), QFileDevice::FileModificationTime);
    file.close();
    if (!unreadable)
        return true;
    file.setPermissions({});
    return access(QFile::encodeName(fileName).constData(), R_OK) != 0;
}

QMap<uint16_t, uint16_t> rawValues(const DatasetController &model)
{
    QMap<uint16_t, uint16_t> values;
    for (uint16_t id : model.catalogue().ids())
        values.insert(id, model.rawValue(id));
    return values;
}

// Within reach: centred on the screen's free area and no larger than it, unless the window's
// own minimum is larger (the offscreen test screen is 800 by 600).
bool onScreen(const QWidget &window)
{
    const QRect available = window.screen()->availableGeometry();
    const QSize minimum = window.minimumSizeHint();
    return available.contains(window.frameGeometry().center())
        && window.width() <= qMax(available.width(), minimum.width())
        && window.height() <= qMax(available.height(), minimum.height());
}

} // namespace

class TestBadInputs : public QObject
{
    Q_OBJECT

    QTranslator m_applicationTranslator;
    QTranslator m_qtTranslator;
    RecordingPresenter m_presenter;

private slots:
    void initTestCase()
    {
        StartupSettings::setApplicationIdentity();
        D2xx::setSystemSourcesEnabled(false);
        QCOMPARE(StartupSettings::storeFileName(), QSettings().fileName());
    }

    void init()
    {
        QFile::setPermissions(StartupSettings::storeFileName(), QFile::ReadOwner | QFile::WriteOwner);
        StartupSettings::installLanguage(QLocale::German, m_applicationTranslator, m_qtTranslator);
        m_presenter.boxes.clear();
    }

    void badSettings_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("sparseSize");
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<int>("language"); // the language started in, from a German system

        const QByteArray good = "[General]\nLanguage=31\nParametersetDirectory=/tmp\n"
                                "[MainWindow]\nSize=@Size(700 500)\nPosition=@Point(10 10)\nMaximized=false\n";
        QTest::newRow("truncated") << QByteArray("[General]\nLanguage=31\n[MainWindow]\nSize=@Size(700 5")
                                   << qint64(0) << false << English;
        QTest::newRow("binary") << QByteArray::fromHex("00ff5b4d61696e57696e646f775d0a53697a653d4053697a6528")
                                << qint64(0) << false << German;
        QTest::newRow("huge, 100 MB, set aside") << good << HugeSize << false << German;
        QTest::newRow("wrong types")
            << QByteArray("[General]\nLanguage=Englisch\nShowInformationMessages=@ByteArray(vielleicht)\n"
                          "ParametersetDirectory=@Size(1 2)\nFirmwareDirectory=a, b\nBlUpdateAllowed=@Point(1 2)\n"
                          "[MainWindow]\nSize=groß\nPosition=@Rect(1 2 3 4)\nMaximized=@Invalid()\n"
                          "[Diagram]\nSize=@Point(5 5)\nPosition=links\n")
            << qint64(0) << false << German;
        // QLocale reads its tables at a language number unchecked: numbers beyond them gave garbage
        // locales, and 5253 a crash in QLocale(language, QLocale::AnyCountry) at start-up.
        QTest::newRow("values out of range")
            << QByteArray("[General]\nLanguage=5253\nParametersetDirectory=/proc/version/Parametersets\n"
                          "FirmwareDirectory=\nBlUpdateAllowed=2\n"
                          "[MainWindow]\nSize=@Size(100000 100000)\nPosition=@Point(-100000 100000)\n"
                          "[Diagram]\nSize=@Size(-5 99999)\nPosition=@Point(2147483647 -2147483648)\n")
            << qint64(0) << false << German;
        QTest::newRow("window off every screen")
            << QByteArray("[MainWindow]\nSize=@Size(640 480)\nPosition=@Point(-100000 100000)\n"
                          "[Diagram]\nSize=@Size(300 200)\nPosition=@Point(50000 -50000)\n")
            << qint64(0) << false << German;
        QTest::newRow("negative language") << QByteArray("[General]\nLanguage=-1\n") << qint64(0) << false << German;
        QTest::newRow("unknown language kept") << QByteArray("[General]\nLanguage=33\n") << qint64(0) << false << 33;
        QTest::newRow("duplicate keys") << QByteArray("[General]\nLanguage=42\nLanguage=31\n[MainWindow]\n"
                                                      "Size=@Size(100 100)\n[MainWindow]\nSize=@Size(640 480)\n")
                                        << qint64(0) << false << English;
        QTest::newRow("unreadable") << good << qint64(0) << true << German;
    }

    void badSettings()
    {
        QFETCH(QByteArray, content);
        QFETCH(qint64, sparseSize);
        QFETCH(bool, unreadable);
        QFETCH(int, language);

        const QString store = StartupSettings::storeFileName();
        QFile::remove(store + QStringLiteral(".damaged"));
        QVERIFY(QDir().mkpath(QFileInfo(store).path()));
        if (!writeFile(store, content, sparseSize, unreadable))
            QSKIP("file permissions do not stop reading here (root)");
        const long memoryBefore = peakMemoryMiB();

        // As main() does.
        const bool setAside = StartupSettings::setAsideOversizedStore();
        QCOMPARE(setAside, sparseSize > 0);
        QCOMPARE(QFileInfo(store + QStringLiteral(".damaged")).size(), sparseSize);
        QSettings settings;
        StartupSettings::applyCommandLine(settings, {QStringLiteral("torvana")});
        const QLocale::Language started = StartupSettings::language(settings, QLocale(QLocale::German));
        QCOMPARE(int(started), language);
        StartupSettings::installLanguage(started, m_applicationTranslator, m_qtTranslator);
        {
            MainWindow window(started, &m_applicationTranslator, &m_qtTranslator);
            window.setMessagePresenter(&m_presenter);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            if (setAside)
                StartupSettings::warnStoreSetAside(window.messagePresenter(), &window);
            QVERIFY2(onScreen(window), qPrintable(QStringLiteral("window at %1,%2 size %3x%4")
                                                       .arg(window.x()).arg(window.y())
                                                       .arg(window.width()).arg(window.height())));
            ScopeViewDialog diagram(&window);
            diagram.show();
            QVERIFY(QTest::qWaitForWindowExposed(&diagram));
            QVERIFY(onScreen(diagram));
            diagram.close();
            QVERIFY(window.close());
        }
        QVERIFY2(peakMemoryMiB() - memoryBefore < 64, "the settings store was taken into memory whole");
        // Said once, with the place of the file set aside.
        QCOMPARE(m_presenter.boxes.size(), setAside ? 1 : 0);
        if (setAside)
            QVERIFY(m_presenter.boxes.first().kind == QLatin1String("warning")
                    && m_presenter.boxes.first().text.contains(store + QStringLiteral(".damaged")));

        // What the window wrote back reads as proper values.
        if (unreadable)
            return;
        const QSettings written;
        QCOMPARE(written.value(QStringLiteral("Language")).toInt(), int(QLocale().language()));
        QVERIFY(written.value(QStringLiteral("MainWindow/Size")).toSize().isValid());
    }

    void badParameterSetFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("sparseSize");
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<QString>("box"); // kind and text of the one box shown

        const QString invalid = "critical Der ausgewählte Geräteparametersatz ist ungültig und konnte nicht geladen "
                                "werden!\n\n";
        const QString failed = "warning Der ausgewählte Geräteparametersatz konnte nicht geladen werden!\n\n";
        const QString loaded = "information Der ausgewählte Geräteparametersatz wurde erfolgreich geladen!\n\n";
        const QByteArray twoValues = "[Parameters]\r\nMotorPeakCurrent=80\r\nPolePairs=2\r\n";
        QTest::newRow("empty") << QByteArray() << qint64(0) << false << invalid;
        QTest::newRow("unreadable") << twoValues << qint64(0) << true << invalid;
        QTest::newRow("binary") << QByteArray::fromHex("89504e470d0a1a0a0000000d49484452") << qint64(0) << false
                                << failed;
        QTest::newRow("huge, 100 MB") << twoValues << HugeSize << false << failed;
        QTest::newRow("truncated section line") << QByteArray("[Parame") << qint64(0) << false << failed;
        QTest::newRow("hostile types among good values")
            << QByteArray(twoValues + "AccelerationRamp=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\r\n") << qint64(0)
            << false << loaded;
    }

    void badParameterSetFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(qint64, sparseSize);
        QFETCH(bool, unreadable);

        QSettings().clear();
        QTemporaryDir folder;
        const QString fileName = folder.filePath(QStringLiteral("set.mps"));
        if (!writeFile(fileName, content, sparseSize, unreadable))
            QSKIP("file permissions do not stop reading here (root)");

        MainWindow window(QLocale::German, &m_applicationTranslator, &m_qtTranslator);
        ScriptedChooser chooser;
        chooser.answer = fileName;
        auto *page = window.findChild<MonitoringWidgetHalvex *>();
        QVERIFY(page);
        page->setFileChooser(&chooser);
        window.setMessagePresenter(&m_presenter);
        const auto before = rawValues(window.datasetController());
        QSignalSpy updated(&window.datasetController(), &DatasetController::parametersUpdated);

        page->findChild<QPushButton *>(QStringLiteral("loadParamsFromFilePushButton"))->click();
        QCOMPARE(m_presenter.boxes.size(), 1);
        QTEST(m_presenter.boxes[0].kind + QLatin1Char(' ') + m_presenter.boxes[0].text, "box");
        if (m_presenter.boxes[0].kind != QLatin1String("information")) {
            QCOMPARE(rawValues(window.datasetController()), before);
            QCOMPARE(updated.count(), 0);
        } else {
            QCOMPARE(window.datasetController().rawValue(96), uint16_t(2)); // PolePairs
        }
    }

    void badRunInProgram_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("sparseSize");
        QTest::addColumn<QString>("steps"); // "seconds/percent" joined by blanks

        const QByteArray step1 = "[general]\r\ncompany=Halvex\r\n[step1]\r\ninterval=60\r\nfrequency_percentage=25\r\n";
        QTest::newRow("good") << step1 << qint64(0) << "60/25";
        QTest::newRow("truncated") << QByteArray("[step1]\r\ninterval=60\r\nfreq") << qint64(0) << "";
        QTest::newRow("binary") << QByteArray::fromHex("7f454c460201010000000000000000000300") << qint64(0) << "";
        QTest::newRow("huge, 100 MB") << step1 << HugeSize << "";
        // "@Variant(" made the settings store's reader deserialise a list of 2^31 entries and abort.
        QTest::newRow("hostile types") << step1 + "[step2]\r\ninterval=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\r\n"
                                                  "frequency_percentage=1\r\n"
                                       << qint64(0) << "";
        QTest::newRow("escaped hostile types") << step1 + "[step2]\r\ninterval=\\x40Variant(\\0\\0\\0\\t\\x7f\\xff)\r\n"
                                                          "frequency_percentage=1\r\n"
                                               << qint64(0) << "";
        QTest::newRow("wrong types, out of range, duplicates")
            << step1 + "[step2]\r\ninterval=abc\r\nfrequency_percentage=70000\r\n"
                       "[step3]\r\ninterval=5\r\ninterval=7\r\nfrequency_percentage=-1\r\n"
            << qint64(0) << "60/25 0/4464 7/0";
    }

    void badRunInProgram()
    {
        QFETCH(QByteArray, content);
        QFETCH(qint64, sparseSize);
        QTemporaryDir folder;
        const QString fileName = folder.filePath(QStringLiteral("program.run"));
        QVERIFY(writeFile(fileName, content, sparseSize, false));
        const long memoryBefore = peakMemoryMiB();

        const RunInProgram program = RunInProgram::fromFile(fileName);
        QVERIFY2(peakMemoryMiB() - memoryBefore < 64, "the program file was taken into memory whole");
        QStringList steps;
        uint32_t total = 0;
        for (const RunInProgram::Step &step : program.steps()) {
            steps << QStringLiteral("%1/%2").arg(step.first).arg(step.second);
            total += step.first;
        }
        QTEST(steps.join(QLatin1Char(' ')), "steps");
        QCOMPARE(program.totalSeconds(), total);
    }

    void badFirmwareFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("sparseSize");
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<QString>("box"); // empty: accepted

        const QString unusable = "critical Die ausgewählte Datei ist nicht lesbar oder keine gültige Firmware-Datei!\n\n";
        QTest::newRow("empty") << QByteArray() << qint64(0) << false << unusable;
        QTest::newRow("unreadable") << QByteArray("firmware  v2.1.0") << qint64(0) << true << unusable;
        // Refused as larger than the firmware region, from its first bytes.
        QTest::newRow("huge, 100 MB") << QByteArray("firmware") << HugeSize << false
                                      << "warning Die ausgewählte Datei wird nicht als Firmware übernommen:\n\nDie "
                                         "Datei ist größer als der Firmware-Bereich des Umrichters (102392 Bytes).\n\n";
    }

    void badFirmwareFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(qint64, sparseSize);
        QFETCH(bool, unreadable);
        QFETCH(QString, box);
        const bool accepted = box.isEmpty();

        QSettings().clear();
        QTemporaryDir folder;
        const QString fileName = folder.filePath(QStringLiteral("firmware.bin"));
        if (!writeFile(fileName, content, sparseSize, unreadable))
            QSKIP("file permissions do not stop reading here (root)");

        MainWindow window(QLocale::German, &m_applicationTranslator, &m_qtTranslator);
        window.setMessagePresenter(&m_presenter);
        auto *page = window.findChild<FlashUpdateWidget *>();
        QVERIFY(page);
        ScriptedChooser chooser;
        chooser.answer = fileName;
        page->setFileChooser(&chooser);
        const long memoryBefore = peakMemoryMiB();

        page->findChild<QPushButton *>(QStringLiteral("loadFirmwarePushButton"))->click();
        QVERIFY2(peakMemoryMiB() - memoryBefore < 64, "the firmware file was read on choosing it");
        QCOMPARE(page->findChild<QLineEdit *>(QStringLiteral("firmwareFileLineEdit"))->text(),
                 accepted ? fileName : QString());
        QStringList boxes;
        for (const auto &box : m_presenter.boxes)
            boxes << box.kind + QLatin1Char(' ') + box.text;
        QCOMPARE(boxes, accepted ? QStringList() : QStringList{box});
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestBadInputs)
#include "tst_badinputs.moc"
