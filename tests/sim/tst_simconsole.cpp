// Console commands change the simulator as documented in "help".
#include "DriveModel.h"
#include "FaultInjector.h"
#include "InverterModel.h"
#include "InverterSimulator.h"
#include "ProtocolServer.h"
#include "SimConsole.h"
#include "TransmitQueue.h"

#include <QtTest>

using Check = std::function<bool(InverterSimulator &)>;
Q_DECLARE_METATYPE(Check)

class tst_SimConsole : public QObject
{
    Q_OBJECT

private slots:
    void commands_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("answerStart"); // of the last line; empty: any answer but a refusal
        QTest::addColumn<Check>("check");
        using S = InverterSimulator;
        const Check none = [](S &) { return true; };
        QTest::newRow("persistent error survives reset") << QStringList { "error 3 persistent", "reset" } << QString()
            << Check([](S &s) { return s.model()->activeError() == 3 && s.model()->raw(30) == 3 && s.model()->isErrorPersistent(); });
        QTest::newRow("clear") << QStringList { "error 3 persistent", "warning 18", "clear" } << QString()
                               << Check([](S &s) { return s.model()->raw(27) == 0; });
        QTest::newRow("warning") << QStringList { "warning 18" } << QString()
                                 << Check([](S &s) { return s.model()->activeWarnings() == QVector<uint16_t> { 18 }; });
        QTest::newRow("faults") << QStringList { "silent on", "latency 120", "garbage 32 500", "memfail 0x20", "refuse 47 4", "refuse 1" }
            << QString() << Check([](S &s) {
                   return s.faults()->isSilent() && s.transmitQueue()->latency() == 120 && s.faults()->garbagePeriod() == 500
                       && s.faults()->memoryFailure() == 0x20 && s.faults()->refusal(47) == 4 && s.faults()->refusal(1) == 2;
               });
        QTest::newRow("input") << QStringList { "input din4 on", "input plc on", "input din4 off" } << QString()
                               << Check([](S &s) { return s.drive()->inputs() == 0x80; });
        QTest::newRow("bootloader") << QStringList { "bootloader" } << QString()
                                    << Check([](S &s) { return s.server()->mode() == ProtocolServer::Mode::Bootloader; });
        QTest::newRow("restart from EEPROM") << QStringList { "set 1 0x12c", "store", "set 1 400", "restart" } << QString()
                                             << Check([](S &s) { return s.model()->raw(1) == 300; });
        QTest::newRow("unplug") << QStringList { "unplug -1" } << QString() << Check([](S &s) { return !s.isPlugged(); });
        QTest::newRow("unknown command") << QStringList { "frobnicate" } << "unknown command" << none;
        QTest::newRow("error without code") << QStringList { "error" } << "usage" << none;
        QTest::newRow("corrupt above 100") << QStringList { "corrupt 101" } << "usage" << none;
        QTest::newRow("input without state") << QStringList { "input din1" } << "usage" << none;
        QTest::newRow("set unknown parameter") << QStringList { "set 3 1" } << "P3 is unknown" << none;
    }

    void commands()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, answerStart);
        InverterSimulator simulator;
        QVERIFY(simulator.start());
        SimConsole console(&simulator);
        QString answer;
        for (const QString &line : lines) {
            answer = console.execute(line);
            QVERIFY2(line == lines.last() || !answer.startsWith("usage"), qPrintable(line + ": " + answer));
        }
        if (answerStart.isEmpty())
            QVERIFY2(!answer.startsWith("usage") && !answer.startsWith("unknown"), qPrintable(answer));
        else
            QVERIFY2(answer.startsWith(answerStart), qPrintable(answer));
        QFETCH(Check, check);
        QVERIFY(check(simulator));
    }

    void helpStatusAndQuit()
    {
        const QString help = SimConsole::helpText();
        for (const char *command : { "help", "status", "error", "warning", "clear", "reset", "silent", "unplug", "plug",
                                     "corrupt", "latency", "pace", "garbage", "memfail", "refuse", "input", "set", "get",
                                     "store", "memory", "bootloader", "restart", "quit" })
            QVERIFY2(help.contains(QRegularExpression(QStringLiteral("(^|\\n)%1\\b").arg(command))), command);
        InverterSimulator simulator;
        SimConsole console(&simulator);
        QVERIFY(console.execute("status").contains("firmware \"v2.0.3\""));
        QSignalSpy quit(&console, &SimConsole::quitRequested);
        console.execute("quit");
        QCOMPARE(quit.size(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_SimConsole)
#include "tst_simconsole.moc"
