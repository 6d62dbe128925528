// torvana-cli as a user runs it: a process against the inverter simulator,
// judged by its exit status, its output and what the simulator holds afterwards.
#include "CommunicationController.h"
#include "DatasetController.h"
#include "SimulatorProcess.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Exit statuses, restated.
constexpr int Done = 0, Refused = 1, Usage = 2, NoInverter = 3, ConnectionLost = 4;

struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The [Parameters] lines of a parameter set file, key -> value.
QMap<QString, QString> parameters(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QMap<QString, QString> values;
    bool inParameters = false;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inParameters = line == QLatin1String("[Parameters]");
        else if (inParameters && line.contains(QLatin1Char('=')))
            values.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return values;
}

} // namespace

class TestCliSimulator : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_setFile;     // a valid device set
    QString m_damagedFile; // a device set with a broken section line and binary bytes
    QString m_emptyImage;

    QString path(const QString &name) const { return m_folder.filePath(name); }

    static CliResult run(const QStringList &arguments, const QStringList &environment = {}, int timeoutMs = 60000)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        for (const QString &entry : environment)
            env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TORVANA_CLI), arguments);
        CliResult result;
        if (!process.waitForFinished(timeoutMs)) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    static bool writeFile(const QString &fileName, const QByteArray &content)
    {
        QFile file(fileName);
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_setFile = path("spindle.mps");
        QVERIFY(writeFile(m_setFile, "[Parameters]\r\nMaximumMotorFrequency=1000\r\nMotorType=32770\r\n"
                                     "AccelerationRamp=25\r\n"));
        m_damagedFile = path("damaged.mps");
        QVERIFY(writeFile(m_damagedFile, QByteArray("[Parameters\nMaximumMotorFrequency=1000\n\x01\x02", 35)));
        m_emptyImage = path("empty.bin");
        QVERIFY(writeFile(m_emptyImage, {}));
        QVERIFY(writeFile(path("random.bin"), QByteArray(32 * 1024, '\x7f')));
    }

    // Each row: a fresh simulator, optionally a console command, one run of the
    // program, then its status and output and one answer of the simulator.
    void commands_data()
    {
        QTest::addColumn<QStringList>("simulator");
        QTest::addColumn<QString>("console");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QStringList>("check"); // console commands; the last answer's line ...
        QTest::addColumn<QString>("checkLine"); // ... chosen by this pattern ...
        QTest::addColumn<QString>("checkValue"); // ... must match this one

        const QStringList none;
        const QStringList deviceSet{"--set", "90=32770", "--set", "42=1000"};
        const QString frames = QStringLiteral("^link: ");
        const QString noFrames = QStringLiteral("^link: +0 frames in");
        // A bogus discovery list shows that --port alone decides.
        const QStringList bogusPorts{"TORVANA_SERIAL_PORTS=/nonexistent/port"};

        QTest::newRow("devices: --port lists exactly that path")
            << none << "" << bogusPorts << QStringList{"--port", "{port}", "devices"} << Done
            << "^{port}\tTV[0-9A-F]{8}\tTorvana serial port\n$" << "" << none << "" << "";
        QTest::newRow("info through --port")
            << QStringList{"--serial", "1234", "--inverter-type", "0x1212"} << "" << bogusPorts
            << QStringList{"--port", "{port}", "info"} << Done << "^type 4626\nserial 1234\nfirmware v2.0.3\n$" << ""
            << none << "" << "";
        QTest::newRow("get: min-1 by SpeedDisplay, enumerations as text, English")
            << QStringList{"--set", "8=32774", "--set", "96=2", "--set", "42=1000", "--set", "90=32770"} << ""
            << none << QStringList{"--lang", "en", "get", "42", "P90", "speeddisplay", "51"} << Done
            << "^P42 MaximumMotorFrequency 30000 min-1\nP90 MotorType DASM\nP8 SpeedDisplay in rpm\n"
               "P51 StartupTime Off\n$"
            << "" << none << "" << "";
        QTest::newRow("get --json") << deviceSet << "" << none << QStringList{"--json", "get", "MotorType"} << Done
                                    << "\"key\": \"MotorType\",[^}]*\"raw\": 32770,[^}]*\"value\": \"DASM\"" << ""
                                    << none << "" << "";
        QTest::newRow("set: clamped, written, stored")
            << deviceSet << "" << none
            << QStringList{"--lang", "de", "set", "42=5000", "AccelerationRamp=2,5", "--store"} << Done
            << "^P42 MaximumMotorFrequency 4000 Hz\nP46 AccelerationRamp 2.5 s\n$"
            << "^P42 MaximumMotorFrequency \\(Maximale Frequenz\\): 5000 liegt außerhalb der Grenzen und wurde auf "
               "4000 Hz begrenzt.\n$"
            << QStringList{"restart", "get 42"} << "^P42 = " << "^P42 = 4000 ";
        QTest::newRow("set: refused by the inverter")
            << QStringList{"--refuse", "42"} << "" << none << QStringList{"--lang", "de", "set", "42=200"} << Refused
            << "^$"
            << "^Folgende Parameter konnten nicht übernommen werden:\n\nParameteränderungen nicht zulässig:\nP42\n\n"
               "P42 MaximumMotorFrequency \\(Maximale Frequenz\\)\n$"
            << QStringList{"get 42"} << "^P42 = " << "^P42 = 100 ";
        QTest::newRow("set: unknown parameter, nothing opened")
            << none << "" << none << QStringList{"--lang", "de", "set", "P999=1"} << Usage << "^$"
            << "^Unbekannter Parameter: P999\n$" << QStringList{"status"} << frames << noFrames;
        QTest::newRow("set: no text of the enumeration")
            << none << "" << none << QStringList{"--lang", "de", "set", "MotorType=Dampf"} << Usage << "^$"
            << "Mögliche Werte: kein Motor, DASM, PMSM\n$" << QStringList{"status"} << frames << noFrames;
        QTest::newRow("set: operating value") << none << "" << none << QStringList{"set", "13=5"} << Usage << "^$"
                                              << "P13 ActualFrequencyInverter" << none << "" << "";
        QTest::newRow("status with an error")
            << QStringList{"--error", "7"} << "" << none << QStringList{"--lang", "de", "status"} << Done
            << "^P10 CurrentRatedFrequency 0 Hz\n.*\nflags Motor steht, Fehler aktiv\n"
               "state Fehler 7 - I²t Abschaltung\n$"
            << "" << none << "" << "";
        QTest::newRow("errors, English")
            << QStringList{"--error", "7"} << "" << none << QStringList{"--lang", "en", "errors"} << Done
            << "^1 Error 7 - [^\n]+\n    Cause: [^\n]+\n    Remedy: [^\n]+\n2 no entry\n3 no entry\n4 no entry\n"
               "5 no entry\n$"
            << "" << none << "" << "";
        QTest::newRow("reset") << QStringList{"--error", "7"} << "" << none << QStringList{"--lang", "de", "reset"}
                               << Done << "^Der Fehler-Reset wurde durchgeführt.\n$" << "" << QStringList{"get 27"}
                               << "^P27 = " << "^P27 = 0 ";
        QTest::newRow("reset refused: persistent error")
            << QStringList{"--error", "7", "--persistent"} << "" << none << QStringList{"reset"} << Refused << "^$"
            << "." << none << "" << "";
        QTest::newRow("factory reset needs --yes")
            << deviceSet << "" << none << QStringList{"factory-reset"} << Usage << "^$" << "--yes"
            << QStringList{"get 42"} << "^P42 = " << "^P42 = 1000 ";
        QTest::newRow("factory reset") << deviceSet << "" << none << QStringList{"factory-reset", "--yes"} << Done
                                       << "^$" << "" << QStringList{"get 42"} << "^P42 = " << "^P42 = 100 ";
        QTest::newRow("monitor --csv")
            << none << "" << none << QStringList{"--lang", "de", "monitor", "--seconds", "1.2", "--csv"} << Done
            << "^time,CurrentRatedFrequency \\[Hz\\],PeakCurrent \\[A eff~\\],[^\n]*,InverterFlags\n"
               "(\\d{4}-\\d\\d-\\d\\dT[^\n]*,0\n){2,4}$"
            << "" << none << "" << "";
        QTest::newRow("silent inverter, German system")
            << QStringList{"--silent"} << "" << QStringList{"LC_ALL=de_DE.UTF-8"}
            << QStringList{"--timeout", "1", "info"} << NoInverter << "^$" << "^Kein Umrichter gefunden \\(nach 1 s\\)"
            << none << "" << "";
        QTest::newRow("silent inverter, other system: English")
            << QStringList{"--silent"} << "" << none << QStringList{"--timeout", "1", "info"} << NoInverter << "^$"
            << "^No inverter found" << none << "" << "";
        QTest::newRow("unplugged during write")
            << none << "unplug 1 at 8 2" << none << QStringList{"--lang", "de", "write", "{set}"} << ConnectionLost
            << "^$" << "Die Verbindung zum Umrichter wurde unterbrochen" << none << "" << "";
        QTest::newRow("damaged file: nothing sent")
            << none << "" << none << QStringList{"--lang", "de", "write", "{damaged}"} << Usage << "^$"
            << "kein gültiger Parametersatz" << QStringList{"status"} << frames << noFrames;
        QTest::newRow("empty firmware image: nothing sent")
            << none << "" << none << QStringList{"flash", "{empty}"} << Usage << "^$" << "." << QStringList{"status"}
            << frames << noFrames;
        QTest::newRow("no firmware image: nothing sent")
            << none << "" << none << QStringList{"--lang", "de", "flash", "{random}"} << Usage << "^$"
            << "Vektortabelle" << QStringList{"status"} << frames << noFrames;
        QTest::newRow("unknown command") << none << "" << none << QStringList{"frobnicate"} << Usage << "^$"
                                         << "frobnicate" << none << "" << "";
    }

    void commands()
    {
        QFETCH(QStringList, simulator);
        QFETCH(QString, console);
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QStringList, check);
        QFETCH(QString, checkLine);
        QFETCH(QString, checkValue);

        SimulatorProcess sim;
        QVERIFY(sim.start(QStringLiteral(TORVANA_SIMULATOR), simulator));
        if (!console.isEmpty())
            QVERIFY(!sim.command(console, QRegularExpression(".")).isEmpty());
        const auto expand = [&](QString text, bool pattern) {
            return text.replace("{port}", pattern ? QRegularExpression::escape(sim.terminal()) : sim.terminal())
                .replace("{set}", m_setFile)
                .replace("{damaged}", m_damagedFile)
                .replace("{empty}", m_emptyImage)
                .replace("{random}", path("random.bin"));
        };
        for (QString &argument : arguments)
            argument = expand(argument, false);

        const CliResult result = run(arguments, environment);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(QRegularExpression(expand(out, true), QRegularExpression::DotMatchesEverythingOption)
                     .match(result.out)
                     .hasMatch(),
                 qPrintable(result.out));
        QVERIFY2(QRegularExpression(err, QRegularExpression::DotMatchesEverythingOption).match(result.err).hasMatch(),
                 qPrintable(result.err));

        QString answer;
        for (int i = 0; i < check.size(); ++i)
            answer = sim.command(check.at(i), QRegularExpression(i + 1 < check.size() ? "." : checkLine));
        if (!check.isEmpty())
            QVERIFY2(QRegularExpression(checkValue).match(answer).hasMatch(), qPrintable(answer));
    }

    // read, the program's own "In Datei speichern", write of the read file, read again.
    void parameterSetFiles()
    {
        SimulatorProcess sim;
        QVERIFY(sim.start(QStringLiteral(TORVANA_SIMULATOR),
                          {"--set", "90=32770", "--set", "42=1200", "--set", "8=32774", "--set", "51=0"}));
        const QString read = path("read.mps"), saved = path("saved.mps"), again = path("again.mps");

        QCOMPARE(run({"read", read}).exitCode, Done);
        {
            CommunicationController communication;
            DatasetController model(&communication);
            QSignalSpy set(&communication, &CommunicationController::currentParametersetReceived);
            QVERIFY(set.wait(10000));
            QVERIFY(model.saveToFile(saved));
        }
        const QMap<QString, QString> fromCli = parameters(read);
        QVERIFY(fromCli.size() > 50);
        QCOMPARE(fromCli.value("MaximumMotorFrequency"), QString("1200"));
        QCOMPARE(fromCli, parameters(saved));

        const CliResult written = run({"--lang", "de", "write", read});
        QCOMPARE(written.exitCode, Done);
        QVERIFY2(written.err.contains("im EEPROM gespeichert und geprüft"), qPrintable(written.err));
        QCOMPARE(run({"read", again}).exitCode, Done);
        QCOMPARE(parameters(again), fromCli);
    }

    // One simulator through a memory's life.
    void memories()
    {
        SimulatorProcess sim;
        QVERIFY(sim.start(QStringLiteral(TORVANA_SIMULATOR), {"--set", "90=32770", "--set", "42=1500"}));
        const struct
        {
            QStringList arguments;
            int exitCode;
            const char *out;
        } steps[] = {
            {{"memory", "save", "3"}, Done, "^$"},
            {{"--lang", "de", "memory", "list"}, Done, "^M1 frei\nM2 frei\nM3 belegt\nM4 frei\n"},
            {{"memory", "save", "3"}, Usage, "^$"},
            {{"set", "42=900"}, Done, "^P42 MaximumMotorFrequency 900 Hz\n$"},
            {{"memory", "load", "M3"}, Done, "^$"},
            {{"get", "42"}, Done, "^P42 MaximumMotorFrequency 1500 Hz\n$"},
            {{"memory", "load", "4"}, Refused, "^$"},
            {{"memory", "delete", "3"}, Usage, "^$"},
            {{"memory", "delete", "3", "--yes"}, Done, "^$"},
            {{"--json", "memory", "list"}, Done, "\"memory\": 3,\\s*\"used\": false"},
        };
        for (const auto &step : steps) {
            const CliResult result = run(step.arguments);
            QVERIFY2(result.exitCode == step.exitCode,
                     qPrintable(step.arguments.join(' ') + ": " + QString::number(result.exitCode) + "\n" + result.err));
            QVERIFY2(QRegularExpression(step.out).match(result.out).hasMatch(), qPrintable(result.out));
        }
    }

    // Through the simulator's bootloader with the real stm32flash (as the firmware page's test does).
    void flash()
    {
        SimulatorProcess sim;
        QVERIFY(sim.start(QStringLiteral(TORVANA_SIMULATOR), {"--firmware", "v2.0.3"}));
        QVERIFY(QFile::link(TORVANA_STM32FLASH_WRAPPER, path("stm32flash")));
        const QString image = path("Firmware 2.1.0.bin");
        // Stack pointer at the top of RAM, reset handler inside the image.
        QVERIFY(writeFile(image, QByteArray::fromHex("00000120" "09300008") + QByteArray(16 * 1024 - 16, '\x3c')
                                     + "  v2.1.0"));

        const CliResult result =
            run({"--lang", "de", "--timeout", "10", "flash", image},
                {"PATH=" + m_folder.path() + ':' + QString::fromLocal8Bit(qgetenv("PATH"))}, 120000);
        QVERIFY2(result.exitCode == Done, qPrintable(result.err));
        QCOMPARE(result.out, QString("firmware v2.1.0\n"));
        QVERIFY2(QRegularExpression("\nFirmware-Update... \\d+\\.\\d %\n").match(result.err).hasMatch(), qPrintable(result.err));
    }
};

QTEST_GUILESS_MAIN(TestCliSimulator)
#include "tst_cli_sim.moc"
