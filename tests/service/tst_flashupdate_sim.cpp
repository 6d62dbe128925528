// A firmware update against the simulator's bootloader with the real stm32flash (through
// tools/stm32flash-8n1: a pseudo-terminal carries no parity); the window is locked meanwhile.
#include "FileChooser.h"
#include "FlashUpdateWidget.h"
#include "MainWindow.h"
#include "RecordingPresenter.h"
#include "SimulatorProcess.h"
#include "StartupSettings.h"
#include "TemporaryHomeMain.h"

#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QTranslator>

#include <memory>

namespace {
class FixedChooser : public FileChooser
{
public:
    QString path;
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return path; }
};
} // namespace

class TestFlashUpdateSimulator : public QObject
{
    Q_OBJECT

    SimulatorProcess m_simulator;
    QTemporaryDir m_folder;
    QByteArray m_path = qgetenv("PATH");

private slots:
    void initTestCase()
    {
        StartupSettings::setApplicationIdentity();
        // Paced at the line's speed, so that writing and verifying take seconds and the bar can move.
        QVERIFY(m_simulator.start(QStringLiteral(TORVANA_SIMULATOR), {"--pace", "--firmware", "v2.0.3"}));
        QVERIFY(QFile::link(TORVANA_STM32FLASH_WRAPPER, m_folder.filePath("stm32flash")));
        qputenv("PATH", m_folder.path().toLocal8Bit() + ':' + m_path);
    }

    void cleanupTestCase() { qputenv("PATH", m_path); }

    // The flashing tool on the simulator's bootloader, outside the program.
    bool runTool(const QStringList &arguments)
    {
        m_simulator.command(QStringLiteral("bootloader"), QRegularExpression(QStringLiteral(".")));
        QTest::qWait(400); // the controller restarts into its bootloader
        QProcess tool;
        tool.start(QStringLiteral(TORVANA_STM32FLASH_WRAPPER),
                   QStringList{"-b", "115200", "-m", "8e1"} + arguments + QStringList{m_simulator.terminal()});
        return tool.waitForFinished(60000) && tool.exitCode() == 0;
    }

    void updateAndReconnect()
    {
        // An older, longer firmware fills more of the region than the new one.
        const QString older = m_folder.filePath("older.bin");
        QFile olderFile(older);
        QVERIFY(olderFile.open(QIODevice::WriteOnly) && olderFile.write(QByteArray(12 * 1024, '\x11')));
        olderFile.close();
        QVERIFY(runTool({"-S", "0x08003000", "-w", older, "-R"}));

        FixedChooser chooser;
        QFile file(chooser.path = m_folder.filePath("Firmware 2.1.0.bin"));
        // Stack pointer at the top of RAM, reset handler inside the image.
        const QByteArray vectors = QByteArray::fromHex("00000120" "09300008");
        const QByteArray firmware = vectors + QByteArray(4 * 1024 - 16, '\x3c') + "  v2.1.0";
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(firmware) == firmware.size());
        file.close();

        QTranslator applicationTranslator, qtTranslator;
        StartupSettings::installLanguage(QLocale::German, applicationTranslator, qtTranslator);
        RecordingPresenter presenter;
        auto window_ = std::make_unique<MainWindow>(QLocale::German, &applicationTranslator, &qtTranslator);
        MainWindow &window = *window_;
        window.setMessagePresenter(&presenter);
        window.show();
        auto *firmwareLabel = window.findChild<QLabel *>("firmwareVersionLabel");
        auto *startPage = window.findChild<QToolButton *>("startButton");
        QTRY_COMPARE_WITH_TIMEOUT(firmwareLabel->text(), QString("v2.0.3"), 10000);

        window.findChild<QToolButton *>("flashUpdateButton")->click();
        auto *page = window.findChild<FlashUpdateWidget *>();
        page->setFileChooser(&chooser);
        page->findChild<QPushButton *>("loadFirmwarePushButton")->click();
        auto *start = page->findChild<QPushButton *>("startUpdatePushButton");
        QTRY_VERIFY(start->isEnabled());

        auto *bar = page->findChild<QProgressBar *>("updateProgressBar");
        QSignalSpy values(bar, &QProgressBar::valueChanged);
        QSignalSpy done(page, &FlashUpdateWidget::flashUpdateDone);
        start->click();
        // Locked while the tool writes.
        QTRY_VERIFY_WITH_TIMEOUT(bar->value() > 0 && bar->value() < 1000, 20000);
        QVERIFY(!startPage->isEnabled());
        QVERIFY(window.findChild<QToolButton *>("flashUpdateButton")->isEnabled());

        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 2, 60000);
        QTRY_COMPARE_WITH_TIMEOUT(firmwareLabel->text(), QString("v2.1.0"), 5000);
        QVERIFY(startPage->isEnabled());
        QCOMPARE(presenter.texts().last(), QString("Firmware-Update erfolgreich abgeschlossen!\n\n"));
        for (const RecordingPresenter::Box &box : qAsConst(presenter.boxes))
            QVERIFY2(box.kind != QLatin1String("critical"), qPrintable(box.text));
        QList<int> shown; // the bar climbs to its end while the tool writes and verifies
        for (const QList<QVariant> &value : qAsConst(values))
            shown << value.first().toInt();
        const int end = shown.indexOf(1000);
        QVERIFY(end >= 2 && std::is_sorted(shown.begin(), shown.begin() + end + 1));
        QVERIFY(page->toolOutput().contains("Done."));

        // The region holds the image with its trailer and nothing else.
        QVERIFY(m_simulator.command("status", QRegularExpression("^flash:")).contains(" 0 bytes of an earlier image"));
        window_.reset(); // the tool needs the port to itself
        const QString readBack = m_folder.filePath("region.bin");
        QVERIFY(runTool({"-S", "0x08003000:0x19000", "-r", readBack}));
        QFile region(readBack);
        QVERIFY(region.open(QIODevice::ReadOnly));
        const QByteArray flash = region.readAll();
        QCOMPARE(flash.size(), 0x19000);
        QCOMPARE(flash.left(firmware.size()), firmware);
        QCOMPARE(flash.mid(firmware.size() + 8), QByteArray(0x19000 - firmware.size() - 8, '\xff'));
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestFlashUpdateSimulator)
#include "tst_flashupdate_sim.moc"
