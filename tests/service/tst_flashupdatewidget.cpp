// The firmware update page against a scripted inverter and a stand-in stm32flash first in PATH.
#include "CommunicationController.h"
#include "DatasetController.h"
#include "FakeD2xxSource.h"
#include "FakeInverter.h"
#include "FirmwareImage.h"
#include "FlashUpdateWidget.h"
#include "RecordingPresenter.h"
#include "StartupSettings.h"
#include "TemporaryHomeMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>

namespace {

// Restated from the protocol, the parameter list and the tool's command lines.
constexpr uint8_t BootloaderReset = 12;
enum : uint16_t { InverterFlags = 27, MotorRuns = 0x0008, MotorHolds = 0x0400 };
const QString Port = "/dev/ttyFAKE7";
const QStringList BootloaderList{"-b", "115200", "-m", "8e1", "-e", "6", "-s 0", "-w", "IMAGE", "-v", Port};
// The whole firmware region: 50 pages of 2 KiB from 0x08003000.
const QStringList FirmwareList{"-b", "115200", "-m", "8e1", "-S", "0x08003000:0x19000", "-w", "IMAGE", "-v", "-R", Port};

QByteArray littleEndian(uint32_t v)
{
    return QByteArray(1, char(v)) + char(v >> 8) + char(v >> 16) + char(v >> 24);
}

// A firmware for the region: stack pointer at the top of the 64 KiB RAM, reset
// handler (Thumb) inside the image, then filler and the version text.
QByteArray firmwareImage(int size, uint32_t stack = 0x20010000, uint32_t reset = 0x08003009)
{
    QByteArray image = littleEndian(stack) + littleEndian(reset);
    image += QByteArray(size - image.size() - 8, '\x5a');
    return image + "  v2.1.0";
}

// CRC-32 of IEEE 802.3, bit by bit.
uint32_t referenceCrc(const QByteArray &bytes)
{
    uint32_t crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= uint8_t(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ ((crc & 1) ? 0xEDB88320 : 0);
    }
    return ~crc;
}

class ScriptedChooser : public FileChooser
{
public:
    QString answer, directory, filter;
    QString openFileName(QWidget *, const QString &, const QString &d, const QString &f) override
    {
        directory = d, filter = f;
        return answer;
    }
};

// Logs its arguments, its image and its image folder's mode, prints two progress
// figures, waits for the test's "release" file and exits with its run's code.
const char ToolScript[] = R"sh(#!/bin/sh
log='%1'; run=$(cat "$log/runs" 2>/dev/null || echo 0); echo $((run + 1)) > "$log/runs"
printf '%s\n' "$@" > "$log/args$run"
prev=; for arg; do
    [ "$prev" = -w ] && cp "$arg" "$log/image$run" && stat -c %a "$(dirname "$arg")" > "$log/mode$run"; prev=$arg
done
printf '\rWrote and verified address 0x08000100 (12.34%%) \rWrote and verified address 0x08000200 (45.50%%) '
i=0; while [ ! -e "$log/release" ] && [ $i -lt 400 ]; do sleep 0.05; i=$((i + 1)); done; rm -f "$log/release"
printf '\rWrote and verified address 0x08000300 (100.00%%) Done.\n'
exit $(echo '%2' | cut -d' ' -f$((run + 1)))
)sh";

} // namespace

class TestFlashUpdateWidget : public QObject
{
    Q_OBJECT

    QTemporaryDir m_files;
    QByteArray m_path = qgetenv("PATH");
    FakeD2xxSource *m_source = nullptr;
    FakeInverter *m_inverter = nullptr;
    CommunicationController *m_comm = nullptr;
    DatasetController *m_dataset = nullptr;
    FlashUpdateWidget *m_page = nullptr;
    RecordingPresenter m_presenter;
    ScriptedChooser m_chooser;

    template <class T = QWidget>
    T *widget(const char *name) const { return m_page->findChild<T *>(name); }

    void createPage(bool bootloaderAllowed, int32_t comPort = 7)
    {
        if (bootloaderAllowed)
            QSettings().setValue("BlUpdateAllowed", true);
        m_page = new FlashUpdateWidget(m_dataset, m_comm);
        m_page->setMessagePresenter(&m_presenter);
        m_page->setFileChooser(&m_chooser);
        QSignalSpy connected(m_comm, &CommunicationController::connectedToDevice);
        const int index = m_source->addDevice("INVERTER", "FT232R USB UART", 0x04036001, comPort);
        m_source->device(index).entry.devicePath = Port.toStdString();
        m_inverter = new FakeInverter(*m_source, index);
        QVERIFY(connected.wait(5000));
    }

    void chooseFirmware(const QByteArray &content)
    {
        QFile file(m_chooser.answer = m_files.filePath("firmware.bin"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        widget<QPushButton>("loadFirmwarePushButton")->click();
    }

private slots:
    void initTestCase() { StartupSettings::setApplicationIdentity(); }

    void init()
    {
        QSettings().clear();
        m_presenter.boxes.clear();
        D2xx::setSystemSourcesEnabled(false);
        D2xx::setTestSource(m_source = new FakeD2xxSource);
        m_comm = new CommunicationController;
        m_dataset = new DatasetController(m_comm);
    }

    void cleanup()
    {
        delete m_page, delete m_dataset, delete m_comm, delete m_inverter;
        m_page = nullptr, m_inverter = nullptr;
        D2xx::setTestSource(nullptr);
        delete m_source;
        qputenv("PATH", m_path);
    }

    void image_data()
    {
        QTest::addColumn<QByteArray>("firmware");
        QTest::addColumn<uint>("version");
        QTest::newRow("trailer with two blanks") << QByteArray("\x01\x02\xff code  v2.1.0") << 0x210u;
        QTest::newRow("short file") << QByteArray("v1.9.5") << 0x195u;
        QTest::newRow("white space collapsed") << QByteArray("\tv1.2\n") << 0x12u;
        QTest::newRow("letter ends the number") << QByteArray("v1.2a3") << 0x12u;
        QTest::newRow("eight digits at most") << QByteArray("1234567890") << 0x34567890u;
        QTest::newRow("no digit") << QByteArray("firmware") << 0u;
    }

    void image()
    {
        QFETCH(QByteArray, firmware);
        QFETCH(uint, version);
        QCOMPARE(referenceCrc("123456789"), 0xCBF43926u);
        QCOMPARE(FirmwareImage::version(firmware), version);
        QCOMPARE(FirmwareImage::temporaryImage(firmware),
                 firmware + littleEndian(version) + littleEndian(referenceCrc(firmware)));
    }

    void progress_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("permille"); // -1: no figure
        QTest::addColumn<int>("consumed");
        QTest::newRow("one figure") << QByteArray(" (45.5%) \r") << 455 << 6;
        QTest::newRow("last complete figure") << QByteArray("\rWrote address 0x08000100 (12.34%) \rWrote (45.50%) ")
                                              << 123 << 32;
        QTest::newRow("two complete figures") << QByteArray("a (1.00%) \rb (2.50%) \rc") << 25 << 18;
        QTest::newRow("no marker") << QByteArray("\rWrote address 0x08000200 (45.50%) ") << -1 << 0;
        QTest::newRow("marker left from the last look") << QByteArray("%) \rWrote address (4") << -1 << 0;
        QTest::newRow("no number") << QByteArray(" (abc%) \r") << -1 << 0;
    }

    void progress()
    {
        QFETCH(QByteArray, output);
        const auto result = FirmwareImage::progress(output);
        QTEST(result ? result->permille : -1, "permille");
        QTEST(result ? int(result->consumed) : 0, "consumed");
    }

    void fileChoiceAndStartButton()
    {
        createPage(false);
        auto *start = widget<QPushButton>("startUpdatePushButton");
        QVERIFY(widget("bootloaderUpdateCheckBox")->isHidden());

        chooseFirmware(QByteArray());
        QCOMPARE(m_chooser.directory + '|' + m_chooser.filter,
                 StartupSettings::dataFolder() + "/Firmware|Halvex Firmwaredateien (*.bin)");
        QVERIFY(QFileInfo(m_chooser.directory).isDir());
        QCOMPARE(m_presenter.texts(),
                 QStringList{"Die ausgewählte Datei ist nicht lesbar oder keine gültige Firmware-Datei!\n\n"});
        QVERIFY(widget<QLineEdit>("firmwareFileLineEdit")->text().isEmpty() && !start->isEnabled());

        chooseFirmware(firmwareImage(64));
        QCOMPARE(widget<QLineEdit>("firmwareFileLineEdit")->text(), m_files.filePath("firmware.bin"));
        QVERIFY2(widget<QLabel>("firmwareFactsLabel")->text().startsWith("Größe: 64 Bytes, Version: 2.1.0, CRC-32: 0x"),
                 qPrintable(widget<QLabel>("firmwareFactsLabel")->text()));
        QCOMPARE(QSettings().value("FirmwareDirectory").toString(), m_files.path());
        QVERIFY(start->isEnabled());

        // A running or holding motor blocks the update and says why; the page's polls must not undo the flags.
        const auto hint = [this] { return widget<QLabel>("hintLabel")->text(); };
        for (const auto &c : QList<QPair<uint16_t, QString>>{{MotorRuns, "Motor ist gerade in Betrieb"},
                                                             {MotorHolds, "im Haltebetrieb"}, {0, QString()}}) {
            m_dataset->deviceParameterUpdate({{InverterFlags, m_inverter->values[InverterFlags] = c.first}});
            QTRY_VERIFY2(c.second.isEmpty() ? hint().isEmpty() : hint().contains(c.second), qPrintable(hint()));
            QCOMPARE(start->isEnabled(), c.first == 0);
        }
    }

    void refusedImages_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QFile resource(":/Bootloader/Bootloader.bin");
        resource.open(QIODevice::ReadOnly);
        QTest::newRow("random bytes") << QByteArray(32 * 1024, '\x7f') << "keine Firmware für diesen Umrichter";
        QTest::newRow("larger than the region") << firmwareImage(102400 - 7) << "größer als der Firmware-Bereich";
        QTest::newRow("reset vector in the bootloader pages") << firmwareImage(4096, 0x20010000, 0x08000101)
                                                              << "ein Bootloader";
        QTest::newRow("the bootloader image") << resource.readAll() << "ein Bootloader";
        QTest::newRow("even reset vector") << firmwareImage(4096, 0x20010000, 0x08003100) << "Vektortabelle";
        QTest::newRow("too short") << QByteArray("v2.1.0") << "zu kurz";
    }

    // A file that is no firmware for the region is refused with its reason; nothing reaches the inverter.
    void refusedImages()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        createPage(false);
        chooseFirmware(content);
        QCOMPARE(m_presenter.boxes.size(), 1);
        QCOMPARE(m_presenter.boxes.first().kind, QString("warning"));
        QVERIFY2(m_presenter.boxes.first().text.contains(reason.replace("keine Firmware für diesen Umrichter",
                                                                        "Vektortabelle einer Firmware")),
                 qPrintable(m_presenter.boxes.first().text));
        QVERIFY(widget<QLineEdit>("firmwareFileLineEdit")->text().isEmpty());
        QVERIFY(!widget("startUpdatePushButton")->isEnabled() && m_inverter->countOf(BootloaderReset) == 0);
    }

    void update_data()
    {
        QTest::addColumn<bool>("bootloader");
        QTest::addColumn<int>("comPort");
        QTest::addColumn<QString>("exitCodes"); // empty: no tool in PATH
        QTest::addColumn<int>("runs");
        QTest::addColumn<QString>("message");
        const QString restart = "\n\nBitte starten Sie den Umrichter neu!\n";
        const QString success = "Firmware-Update erfolgreich abgeschlossen!\n\n";
        QTest::newRow("firmware") << false << 7 << "0" << 1 << success;
        QTest::newRow("bootloader and firmware") << true << 7 << "0 0" << 2 << success;
        QTest::newRow("firmware fails") << false << 7 << "1" << 1 << "Firmware-Update fehlgeschlagen!" + restart;
        QTest::newRow("bootloader fails")
            << true << 7 << "1" << 1 << "Bootloader-Update fehlgeschlagen! Updateprozess wurdeabgebrochen!" + restart;
        QTest::newRow("no tool") << false << 7 << "" << 0 << "Firmware-Update fehlgeschlagen!" + restart;
        QTest::newRow("no COM port") << false << -1 << "0" << 0
                                     << "Firmware-Update abgebrochen!\n\nDie Portnummer der Kommunikationsverbindung "
                                        "konnte nicht bestimmt werden!\n";
    }

    void update()
    {
        QFETCH(bool, bootloader);
        QFETCH(int, comPort);
        QFETCH(QString, exitCodes);
        QFETCH(int, runs);
        QFETCH(QString, message);
        QTemporaryDir tool, log;
        QFile script(tool.filePath("stm32flash"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString::fromLatin1(ToolScript).arg(log.path(), exitCodes).toLatin1());
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        script.close();
        qputenv("PATH", exitCodes.isEmpty() ? log.path().toLocal8Bit() : tool.path().toLocal8Bit() + ":" + m_path);

        createPage(bootloader, comPort);
        const QByteArray firmware = firmwareImage(3000);
        chooseFirmware(firmware);
        QCOMPARE(widget("bootloaderUpdateCheckBox")->isEnabled(), bootloader);
        widget<QCheckBox>("bootloaderUpdateCheckBox")->setChecked(bootloader);
        auto *bar = widget<QProgressBar>("updateProgressBar");
        QSignalSpy values(bar, &QProgressBar::valueChanged);
        QSignalSpy started(m_page, &FlashUpdateWidget::flashUpdateStarted);
        QSignalSpy done(m_page, &FlashUpdateWidget::flashUpdateDone);
        widget<QPushButton>("startUpdatePushButton")->click();
        QCOMPARE(m_presenter.boxes.value(0).title, QString("Firmware-Update"));
        QVERIFY(widget<QLabel>("hintLabel")->text().contains("Achtung:"));

        for (int run = 0; run < runs; ++run) {
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(log.filePath(QString("args%1").arg(run))) && bar->value() == 123,
                                     10000);
            QFile(log.filePath("release")).open(QIODevice::WriteOnly);
        }
        // Done once to unlock the window and once more when connected again;
        // without a port the update ends before the inverter is touched.
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), comPort > 0 ? 2 : 1, 15000);
        QVERIFY(m_page->updateState() == FlashUpdateWidget::FlashIdle && started.count() == 1);
        QCOMPARE(m_inverter->countOf(BootloaderReset), comPort > 0 ? 1 : 0);
        QCOMPARE(m_presenter.boxes.last().text, message);
        QVERIFY(widget<QPushButton>("startUpdatePushButton")->isEnabled());
        if (message.contains("erfolgreich")) {
            QVERIFY(values.indexOf({123}) < values.indexOf({1000}));
        } else if (runs > 0) {
            // A failure never shows a full bar, and its box carries what the tool said.
            QVERIFY(!values.contains({1000}) && bar->value() != 1000);
            QVERIFY2(m_presenter.boxes.last().details.endsWith("(100.00%) Done."),
                     qPrintable(m_presenter.boxes.last().details));
            QVERIFY(m_page->toolOutput().contains("(100.00%) Done."));
        }

        QFile resource(":/Bootloader/Bootloader.bin");
        QVERIFY(resource.open(QIODevice::ReadOnly));
        const QByteArray images[] = {resource.readAll(),
                                     firmware + littleEndian(0x210) + littleEndian(referenceCrc(firmware))};
        for (int run = 0; run < runs; ++run) {
            const auto logged = [&log, run](const char *name) {
                QFile file(log.filePath(name + QString::number(run)));
                return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            };
            QStringList list = QString::fromLocal8Bit(logged("args")).split('\n', Qt::SkipEmptyParts);
            const bool isBootloader = bootloader && run == 0;
            const QFileInfo image(list.value(list.indexOf("-w") + 1));
            QCOMPARE(image.fileName(), isBootloader ? "Bootloader.bin.tmp" : "firmware.bin.tmp");
            list.replaceInStrings(image.filePath(), "IMAGE");
            QCOMPARE(list, isBootloader ? BootloaderList : FirmwareList);
            QCOMPARE(logged("image"), images[isBootloader ? 0 : 1]);
            // A private folder of the program's own, gone when the page is idle again.
            QCOMPARE(logged("mode"), QByteArray("700\n"));
            QVERIFY(image.absolutePath() != QDir::tempPath() && !QFileInfo::exists(image.absolutePath()));
        }
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestFlashUpdateWidget)
#include "tst_flashupdatewidget.moc"
