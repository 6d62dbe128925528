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
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QTranslator>

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

    void updateAndReconnect()
    {
        FixedChooser chooser;
        QFile file(chooser.path = m_folder.filePath("Firmware 2.1.0.bin"));
        const QByteArray firmware = QByteArray(16 * 1024 - 8, '\x3c') + "  v2.1.0";
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(firmware) == firmware.size());
        file.close();

        QTranslator applicationTranslator, qtTranslator;
        StartupSettings::installLanguage(QLocale::German, applicationTranslator, qtTranslator);
        RecordingPresenter presenter;
        MainWindow window(QLocale::German, &applicationTranslator, &qtTranslator);
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
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestFlashUpdateSimulator)
#include "tst_flashupdate_sim.moc"
