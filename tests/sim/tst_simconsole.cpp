// Console commands change the simulator as documented in "help".
#include "DriveModel.h"
#include "FaultInjector.h"
#include "InverterModel.h"
#include "InverterSimulator.h"
#include "ProtocolServer.h"
#include "SimConsole.h"
#include "TransmitQueue.h"

#include <QtTest>

class tst_SimConsole : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void refusedInput_data();
    void refusedInput();
    void helpNamesEveryCommand();
    void quitIsSignalled();
};

using Check = std::function<bool(InverterSimulator &)>;
Q_DECLARE_METATYPE(Check)

void tst_SimConsole::commands_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<Check>("check");

    QTest::newRow("error") << QStringList { "error 7" }
                           << Check([](InverterSimulator &s) { return s.model()->activeError() == 7 && s.model()->raw(30) == 7; });
    QTest::newRow("persistent error survives reset")
        << QStringList { "error 3 persistent", "reset" }
        << Check([](InverterSimulator &s) { return s.model()->activeError() == 3 && s.model()->isErrorPersistent(); });
    QTest::newRow("clear") << QStringList { "error 3 persistent", "warning 18", "clear" }
                           << Check([](InverterSimulator &s) { return s.model()->raw(27) == 0; });
    QTest::newRow("warning") << QStringList { "warning 18" }
                             << Check([](InverterSimulator &s) { return s.model()->activeWarnings() == QVector<uint16_t> { 18 }; });
    QTest::newRow("silent") << QStringList { "silent on" } << Check([](InverterSimulator &s) { return s.faults()->isSilent(); });
    QTest::newRow("corrupt") << QStringList { "corrupt 25" } << Check([](InverterSimulator &s) { return s.faults()->corruptPercent() == 25; });
    QTest::newRow("latency") << QStringList { "latency 120" } << Check([](InverterSimulator &s) { return s.transmitQueue()->latency() == 120; });
    QTest::newRow("pace") << QStringList { "pace on" } << Check([](InverterSimulator &s) { return s.transmitQueue()->isPaced(); });
    QTest::newRow("periodic garbage") << QStringList { "garbage 32 500" }
                                      << Check([](InverterSimulator &s) { return s.faults()->garbagePeriod() == 500; });
    QTest::newRow("memfail") << QStringList { "memfail 0x20" }
                             << Check([](InverterSimulator &s) { return s.faults()->memoryFailure() == 0x20; });
    QTest::newRow("memfail off") << QStringList { "memfail 0x10", "memfail off" }
                                 << Check([](InverterSimulator &s) { return s.faults()->memoryFailure() == 0; });
    QTest::newRow("refuse") << QStringList { "refuse 47 4", "refuse 1" }
                            << Check([](InverterSimulator &s) { return s.faults()->refusal(47) == 4 && s.faults()->refusal(1) == 2; });
    QTest::newRow("refuse off") << QStringList { "refuse 47 4", "refuse off" }
                                << Check([](InverterSimulator &s) { return s.faults()->refusals().isEmpty(); });
    QTest::newRow("input") << QStringList { "input din4 on", "input plc on", "input din4 off" }
                           << Check([](InverterSimulator &s) { return s.drive()->inputs() == 0x80; });
    QTest::newRow("set hex") << QStringList { "set 101 0x00f0" } << Check([](InverterSimulator &s) { return s.model()->raw(101) == 0xF0; });
    QTest::newRow("bootloader") << QStringList { "bootloader" }
                                << Check([](InverterSimulator &s) { return s.server()->mode() == ProtocolServer::Mode::Bootloader; });
    QTest::newRow("restart from EEPROM") << QStringList { "set 1 300", "store", "set 1 400", "restart" }
                                         << Check([](InverterSimulator &s) { return s.model()->raw(1) == 300; });
    QTest::newRow("unplug") << QStringList { "unplug -1" } << Check([](InverterSimulator &s) { return !s.isPlugged(); });
    QTest::newRow("plug") << QStringList { "unplug -1", "plug" } << Check([](InverterSimulator &s) { return s.isPlugged(); });
}

void tst_SimConsole::commands()
{
    QFETCH(QStringList, lines);
    QFETCH(Check, check);
    InverterSimulator simulator;
    QVERIFY(simulator.start());
    SimConsole console(&simulator);
    for (const QString &line : lines) {
        const QString answer = console.execute(line);
        QVERIFY2(!answer.startsWith("usage") && !answer.startsWith("unknown"), qPrintable(line + ": " + answer));
    }
    QVERIFY(check(simulator));
}

void tst_SimConsole::refusedInput_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("answerStart");

    QTest::newRow("unknown command") << "frobnicate" << "unknown command";
    QTest::newRow("error without code") << "error" << "usage";
    QTest::newRow("error code 0") << "error 0" << "usage";
    QTest::newRow("corrupt above 100") << "corrupt 101" << "usage";
    QTest::newRow("memfail other code") << "memfail 4" << "usage";
    QTest::newRow("input without state") << "input din1" << "usage";
    QTest::newRow("unknown input") << "input din7 on" << "usage";
    QTest::newRow("refuse with state 3") << "refuse 47 3" << "usage";
    QTest::newRow("set unknown parameter") << "set 3 1" << "P3 is unknown";
    QTest::newRow("get beyond the catalogue") << "get 150" << "usage";
}

void tst_SimConsole::refusedInput()
{
    QFETCH(QString, line);
    QFETCH(QString, answerStart);
    InverterSimulator simulator;
    SimConsole console(&simulator);
    const QString answer = console.execute(line);
    QVERIFY2(answer.startsWith(answerStart), qPrintable(answer));
}

void tst_SimConsole::helpNamesEveryCommand()
{
    const QString help = SimConsole::helpText();
    for (const char *command : { "help", "status", "error", "warning", "clear", "reset", "silent", "unplug", "plug",
                                 "corrupt", "latency", "pace", "garbage", "memfail", "refuse", "input", "set", "get", "store",
                                 "memory", "bootloader", "restart", "quit" })
        QVERIFY2(help.contains(QRegularExpression(QStringLiteral("(^|\\n)%1\\b").arg(command))), command);
    InverterSimulator simulator;
    SimConsole console(&simulator);
    QVERIFY(console.execute("status").contains("firmware \"v2.0.3\""));
}

void tst_SimConsole::quitIsSignalled()
{
    InverterSimulator simulator;
    SimConsole console(&simulator);
    QSignalSpy quit(&console, &SimConsole::quitRequested);
    console.execute("quit");
    QCOMPARE(quit.size(), 1);
}

QTEST_GUILESS_MAIN(tst_SimConsole)
#include "tst_simconsole.moc"
