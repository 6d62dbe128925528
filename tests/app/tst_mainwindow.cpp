// The main window against a scripted inverter: form, connection display, device
// information, error state line, banner, transfers with their boxes and latches,
// modification lock, close guard, manuals, about dialog, language switch,
// orientation and touch input. Every box is recorded, none is shown.
#include "FakeD2xxSource.h"
#include "FakeInverter.h"
#include "MainWindow.h"
#include "OverlayWidget.h"
#include "RecordingPresenter.h"
#include "StartupSettings.h"
#include "TemporaryHomeMain.h"
#include "WidgetScaler.h"

#include <QButtonGroup>
#include <QDesktopServices>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QSignalSpy>
#include <QToolButton>
#include <QTranslator>

namespace {

// Frame types, parameter numbers and flag bits restated from the protocol.
constexpr uint8_t ErrorReset = 1;
constexpr uint8_t StoreOnEeprom = 3;
constexpr uint8_t CurrentParametersetRequest = 4;
constexpr uint8_t SetParameterCommand = 8;
constexpr uint8_t MotorParamsResponse = 14;
enum : uint16_t { InverterFlags = 27, Inverter = 36, SerialNumber = 39, MaximumMotorFrequency = 42,
                  InputForStart = 140 };
enum : uint16_t { Warning = 0x0002, Error = 0x0004, MotorRuns = 0x0008, MotorHolds = 0x0400 };

constexpr int TransferLatchMs = 500;

QString stateLine(const QString &colour, const QString &text)
{
    return QStringLiteral("<html><head/><body><p style=\"color:#000000; background-color: %1; white-space: pre;\">"
                          "<br/><span>%2</span><br/></p></body></html>")
        .arg(colour, text);
}

QString banner(const QString &text)
{
    return QStringLiteral("<html><head/><body><p align=\"center\"><span style=\"background-color: yellow;\">%1"
                          "</span></p></body></html>")
        .arg(text);
}

const QString ReadDone = QStringLiteral("Die Parameter wurden erfolgreich vom Umrichter abgerufen!\n\n");
const QString WriteDone = QStringLiteral("Die Parameter wurden erfolgreich zum Umrichter übertragen!\n\n");
const QString ResetDone = QStringLiteral("Der Fehler-Reset wurde durchgeführt!\n\n");

using Box = RecordingPresenter::Box;

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    FakeD2xxSource *m_source = nullptr;
    FakeInverter *m_inverter = nullptr;
    MainWindow *m_window = nullptr;
    QTranslator m_applicationTranslator;
    QTranslator m_qtTranslator;
    RecordingPresenter m_presenter;
    UrlRecorder m_urls;

    template <class T = QWidget>
    T *widget(const char *name) const
    {
        T *w = m_window->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }
    QString text(const char *label) const { return widget<QLabel>(label)->text(); }
    bool shown(const char *name) const { return widget(name)->isVisibleTo(m_window); }
    bool enabled(const char *name) const { return widget(name)->isEnabled(); }
    void click(const char *button) const { widget<QAbstractButton>(button)->click(); }
    QImage lamp() const { return widget<QLabel>("ledConnectedLabel")->pixmap(Qt::ReturnByValue).toImage(); }
    static QImage image(const char *resource) { return QPixmap(QLatin1String(resource)).toImage(); }

    void createWindow(QLocale::Language language = QLocale::German)
    {
        delete m_window;
        m_window = new MainWindow(language, &m_applicationTranslator, &m_qtTranslator);
        m_window->setMessagePresenter(&m_presenter);
    }

    [[nodiscard]] bool connectInverter(uint16_t type = 0x1211, uint16_t serial = 4711)
    {
        m_source->addDevice("INVERTER");
        m_inverter = new FakeInverter(*m_source, 0);
        m_inverter->inverterType = type;
        m_inverter->serial = serial;
        m_inverter->values = {{Inverter, type}, {SerialNumber, serial}};
        return QTest::qWaitFor([this] { return text("connectedLabel") == QLatin1String("Verbunden"); }, 5000);
    }

    // Lets the queued reaction of the window to an answer run, then answers
    // whether the answer arrived at all.
    static bool answerDelivered(QSignalSpy &spy)
    {
        if (spy.isEmpty() && !spy.wait(3000))
            return false;
        QCoreApplication::processEvents();
        return true;
    }

private slots:
    void init()
    {
        StartupSettings::setApplicationIdentity();
        QSettings().clear();
        D2xx::setSystemSourcesEnabled(false);
        m_source = new FakeD2xxSource;
        D2xx::setTestSource(m_source);
        StartupSettings::installLanguage(QLocale::German, m_applicationTranslator, m_qtTranslator);
        m_presenter.boxes.clear();
        m_presenter.onDialog = nullptr;
        m_urls.urls.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_urls, "open");
        createWindow();
    }

    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        delete m_window;
        m_window = nullptr;
        delete m_inverter;
        m_inverter = nullptr;
        D2xx::setTestSource(nullptr);
        delete m_source;
    }

    void form()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Torvana v1.9.5"));
        const struct
        {
            const char *name;
            const char *text;
            const char *icon;
        } pages[] = {{"startButton", "STARTSEITE", ":/Images/system-run.png"},
                     {"driveDataButton", "MOTORDATEN", ":/Images/run-build-configure.png"},
                     {"inputOutputButton", "EIN-/AUSGÄNGE", ":/Images/qelectrotech.png"},
                     {"diagnosticsButton", "DIAGNOSE", ":/Images/system-search.png"},
                     {"spindleRunButton", "SPINDELEINLAUF", ":/Images/system-software-update.png"},
                     {"flashUpdateButton", "FLASH-UPDATE", ":/Images/update.png"}};
        const auto *group = m_window->findChild<QButtonGroup *>(QStringLiteral("modeButtonGroup"));
        QVERIFY(group && group->exclusive());
        for (int id = 0; id < 6; ++id) {
            auto *button = widget<QToolButton>(pages[id].name);
            QCOMPARE(button->text(), QString::fromUtf8(pages[id].text));
            QCOMPARE(group->id(button), id);
            QVERIFY(button->isCheckable());
            // Small screens of high resolution show the icons only.
            QCOMPARE(button->toolButtonStyle(), WidgetScaler::screenSizeClass() == 2 ? Qt::ToolButtonIconOnly
                                                                                      : Qt::ToolButtonTextUnderIcon);
            QCOMPARE(button->icon().pixmap(16).toImage(), QIcon(pages[id].icon).pixmap(16).toImage());
        }
        QVERIFY(widget<QToolButton>("startButton")->isChecked());

        QCOMPARE(text("connectedLabel"), QStringLiteral("Nicht verbunden"));
        QCOMPARE(lamp(), image(":/Images/led_indicator_grey.png"));
        QCOMPARE(text("label"), QStringLiteral("Seriennummer"));
        QCOMPARE(text("label_2"), QStringLiteral("Umrichtertyp"));
        QCOMPARE(text("label_3"), QStringLiteral("Firmware"));
        const char *bound[][3] = {{"serialNumberLabel", "SerialNumber", "39"},
                                  {"deviceTypeLabel", "Inverter", "36"},
                                  {"firmwareVersionLabel", "Firmware", "37"}};
        for (const auto &b : bound) {
            QCOMPARE(widget(b[0])->accessibleName(), QLatin1String(b[1]));
            QCOMPARE(widget(b[0])->accessibleDescription(), QLatin1String(b[2]));
        }
        QCOMPARE(widget<QPushButton>("requestSettingsPushButton")->text().trimmed(), QStringLiteral("Vom Umrichter laden"));
        QCOMPARE(widget<QPushButton>("activateSavePushButton")->text().trimmed(), QStringLiteral("In Umrichter speichern"));
        QVERIFY(!enabled("requestSettingsPushButton") && !enabled("activateSavePushButton"));
        QCOMPARE(widget<QScrollArea>("scrollArea")->widget(), widget("contentWidget"));
        QVERIFY(!shown("errorStateLabel"));
        QVERIFY(shown("englishToolButton") && !shown("germanToolButton"));
        QCOMPARE(widget("aboutToolButton")->toolTip(), QStringLiteral("Über Torvana"));
        QCOMPARE(widget("englishToolButton")->toolTip(), QStringLiteral("Umschalten zu Englisch"));

        createWindow(QLocale::English);
        QVERIFY(!shown("englishToolButton") && shown("germanToolButton"));
    }

    void connectionDisplay()
    {
        QVERIFY(connectInverter());
        QCOMPARE(lamp(), image(":/Images/led_indicator_green.png"));
        QVERIFY(enabled("requestSettingsPushButton") && enabled("activateSavePushButton"));
        QVERIFY(enabled("paramChangedLabel"));
        QCOMPARE(text("paramChangedLabel"), banner(QStringLiteral("Parameter geändert")));
        QTRY_VERIFY(shown("errorStateLabel"));
        QCOMPARE(text("errorStateLabel"), stateLine("#8FC26C", QStringLiteral("Umrichter betriebsbereit")));
        QTRY_COMPARE(text("serialNumberLabel"), QStringLiteral("4711"));

        m_source->removeDevice(0);
        QTRY_COMPARE(text("connectedLabel"), QStringLiteral("Nicht verbunden"));
        QCOMPARE(lamp(), image(":/Images/led_indicator_grey.png"));
        QVERIFY(!enabled("requestSettingsPushButton") && !enabled("activateSavePushButton"));
        QVERIFY(!enabled("paramChangedLabel"));
        QVERIFY(text("paramChangedLabel").isEmpty());
        QVERIFY(text("serialNumberLabel").isEmpty() && text("deviceTypeLabel").isEmpty()
                && text("firmwareVersionLabel").isEmpty());
        QVERIFY(!shown("errorStateLabel"));
        QCOMPARE(m_window->datasetController().value(SerialNumber), 0.0);
        QVERIFY(m_window->datasetController().deviceFirmware().isEmpty());
    }

    void deviceInformation_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("serial");
        QTest::addColumn<QByteArray>("firmware");
        QTest::addColumn<QString>("shownType");
        QTest::addColumn<QString>("shownSerial");
        QTest::addColumn<QString>("shownFirmware");
        QTest::newRow("4624") << 4624 << 1234 << QByteArray("v1.9.0") << "4624" << "1234" << "v1.9.0";
        QTest::newRow("4626") << 4626 << 65535 << QByteArray("v2.0.3") << "4626" << "65535" << "v2.0.3";
        QTest::newRow("4623 prototype") << 4623 << 17 << QByteArray("v0.1") << "Prototyp" << "17" << "v0.1";
        QTest::newRow("4627 prototype") << 4627 << 17 << QByteArray("v0.1") << "Prototyp" << "17" << "v0.1";
        QTest::newRow("serial 0") << 4625 << 0 << QByteArray("v1.0.0") << "4625" << "" << "v1.0.0";
        QTest::newRow("padded firmware") << 4625 << 5 << QByteArray(" \tv1.2 \n") << "4625" << "5" << "v1.2";
    }

    void deviceInformation()
    {
        QFETCH(int, type);
        QFETCH(int, serial);
        QFETCH(QByteArray, firmware);
        QFETCH(QString, shownType);
        m_source->addDevice("INVERTER");
        m_inverter = new FakeInverter(*m_source, 0);
        m_inverter->firmware = firmware;
        m_inverter->inverterType = uint16_t(type);
        m_inverter->serial = uint16_t(serial);
        m_inverter->values = {{Inverter, uint16_t(type)}, {SerialNumber, uint16_t(serial)}};
        QTRY_COMPARE(text("deviceTypeLabel"), shownType);
        QTEST(text("serialNumberLabel"), "shownSerial");
        QTEST(text("firmwareVersionLabel"), "shownFirmware");
    }

    void errorStateLine_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QList<int>>("codes"); // parameters 30 to 34
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("line");
        const QString selfTest = QStringLiteral("Fehler 5 - Fehler im Wechselrichter beim Selbsttest");
        QTest::newRow("lowest error code wins") << int(Error) << QList<int>{17, 8, 5, 0, 0} << "#FF7979" << selfTest;
        QTest::newRow("first empty code stops")
            << int(Error) << QList<int>{17, 0, 5, 0, 0} << "#FF7979"
            << QStringLiteral("Fehler 17 - Motoranschluss unterbrochen");
        QTest::newRow("warning") << int(Warning) << QList<int>{1, 0, 0, 0, 0} << "#FFBD65"
                                 << QStringLiteral("Warnung 1 - Motorstrom hat den Strombegrenzungswert erreicht");
        QTest::newRow("warning needs its bit") << int(Error) << QList<int>{1, 0, 0, 0, 0} << "" << "";
        QTest::newRow("error needs its bit")
            << int(Warning) << QList<int>{17, 18, 0, 0, 0} << "#FFBD65"
            << QStringLiteral("Warnung 18 - Begrenzung Drehzahlsollwert aktiv");
        QTest::newRow("code without entry") << int(Error) << QList<int>{10, 5, 0, 0, 0} << "" << "";
        QTest::newRow("code above the table") << int(Error) << QList<int>{999, 0, 0, 0, 0} << "" << "";
        QTest::newRow("holding") << int(MotorHolds | MotorRuns) << QList<int>{5, 0, 0, 0, 0} << "#FFD966"
                                 << QStringLiteral("Haltebetrieb");
        QTest::newRow("running") << int(MotorRuns) << QList<int>{0, 0, 0, 0, 0} << "#8FC26C"
                                 << QStringLiteral("Motor läuft");
        QTest::newRow("ready") << 0 << QList<int>{0, 0, 0, 0, 0} << "#8FC26C"
                               << QStringLiteral("Umrichter betriebsbereit");
    }

    void errorStateLine()
    {
        QFETCH(int, flags);
        QFETCH(QList<int>, codes);
        QFETCH(QString, colour);
        QFETCH(QString, line);
        QVERIFY(connectInverter());
        for (int i = 0; i < codes.size(); ++i)
            m_inverter->values[uint16_t(30 + i)] = uint16_t(codes.at(i));
        m_inverter->values[InverterFlags] = uint16_t(flags);
        QTRY_COMPARE(text("errorStateLabel"), stateLine(colour, line));
        QVERIFY(shown("errorStateLabel"));
    }

    void bannerFollowsChanges()
    {
        DatasetController &dataset = m_window->datasetController();
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("set.mps"));
        QVERIFY(dataset.saveToFile(file));
        const auto loadChangedFile = [&] {
            dataset.setValue(MaximumMotorFrequency, dataset.value(MaximumMotorFrequency) + 100, false);
            return dataset.loadFromFile(file) > 0;
        };
        QVERIFY(loadChangedFile()); // not connected: stays down
        QVERIFY(!enabled("paramChangedLabel"));

        QVERIFY(connectInverter());
        QVERIFY(enabled("paramChangedLabel"));
        m_window->communicationController().sendCurrentParametersetRequest();
        QTRY_VERIFY(!enabled("paramChangedLabel"));
        QVERIFY(text("paramChangedLabel").isEmpty());

        m_source->feedReceived(0, TestFrame::makePairs(MotorParamsResponse, 0, {{MaximumMotorFrequency, 900}}));
        QTRY_VERIFY(enabled("paramChangedLabel"));
        m_window->communicationController().sendCurrentParametersetRequest();
        QTRY_VERIFY(!enabled("paramChangedLabel"));
        QVERIFY(loadChangedFile());
        QVERIFY(enabled("paramChangedLabel"));
        QVERIFY(m_presenter.boxes.isEmpty()); // no box for sets the user did not ask for
    }

    void readingIsLatchedAndAnsweredOnce()
    {
        QVERIFY(connectInverter());
        for (uint16_t id = 41; id < 41 + 30; ++id) // more than one frame of the set
            m_inverter->values.insert(id, m_window->datasetController().rawValue(id));
        m_inverter->values[MaximumMotorFrequency] = 2500;
        QVERIFY(m_window->datasetController().rawValue(MaximumMotorFrequency) != 2500);

        click("requestSettingsPushButton");
        click("requestSettingsPushButton");
        QTRY_COMPARE(m_presenter.texts(), QStringList{ReadDone});
        QCOMPARE(m_inverter->countOf(CurrentParametersetRequest), 1);
        QCOMPARE(m_presenter.boxes.first().title, QStringLiteral("Torvana"));
        QCOMPARE(m_window->datasetController().rawValue(MaximumMotorFrequency), uint16_t(2500));

        QTest::qWait(TransferLatchMs + 100);
        click("requestSettingsPushButton");
        QTRY_COMPARE(m_presenter.texts(), (QStringList{ReadDone, ReadDone}));
        QCOMPARE(m_inverter->countOf(CurrentParametersetRequest), 2);

        QSignalSpy sets(&m_window->communicationController(), &CommunicationController::currentParametersetReceived);
        m_window->communicationController().sendCurrentParametersetRequest();
        QVERIFY(answerDelivered(sets));
        QCOMPARE(m_presenter.boxes.size(), 2);
    }

    void writingShowsOneBoxAndResetsSilently()
    {
        QVERIFY(connectInverter());
        click("activateSavePushButton");
        click("activateSavePushButton");
        QTRY_COMPARE(m_presenter.texts(), QStringList{WriteDone});
        QCOMPARE(m_presenter.boxes.first().parent, nullptr);
        QCOMPARE(m_inverter->countOf(StoreOnEeprom), 1);
        QVERIFY(m_inverter->countOf(SetParameterCommand) >= 1);
        QVERIFY(!enabled("paramChangedLabel"));

        QSignalSpy resets(&m_window->communicationController(), &CommunicationController::resetResponseReceived);
        QVERIFY(answerDelivered(resets));
        QCOMPARE(m_inverter->countOf(ErrorReset), 1);
        QCOMPARE(m_presenter.boxes.size(), 1);

        m_window->datasetController().sendResetCommand();
        QTRY_COMPARE(m_presenter.texts(), (QStringList{WriteDone, ResetDone}));
        QCOMPARE(m_presenter.boxes.last().parent, m_window);
    }

    void refusedWriteRaisesBannerAndShowsDetails()
    {
        QVERIFY(connectInverter());
        m_inverter->refusals[InputForStart] = 4;
        click("activateSavePushButton");
        QTRY_COMPARE(m_presenter.boxes.size(), 1);
        const Box box = m_presenter.boxes.first();
        QCOMPARE(box.kind, QStringLiteral("critical"));
        QCOMPARE(box.title, QStringLiteral("Fehler"));
        QCOMPARE(box.text, QStringLiteral("Beim Setzen der vorgenommenen Einstellungen ist mindestens ein Fehler "
                                          "aufgetreten!\nWeitere Informationen finden Sie unter Details."));
        QVERIFY2(box.details.contains(QStringLiteral("P140")), qPrintable(box.details));
        QCOMPARE(box.parent, nullptr);
        QVERIFY(enabled("paramChangedLabel"));
        QTRY_COMPARE(m_inverter->countOf(ErrorReset), 1);
    }

    void resetAnswers_data()
    {
        QTest::addColumn<bool>("factory");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("reset done") << false << 0 << "information" << ResetDone;
        QTest::newRow("reset refused") << false << 1 << "critical"
                                       << "Der Fehler-Reset konnte nicht durchgeführt werden!\n\n";
        QTest::newRow("factory reset done")
            << true << 0 << "information"
            << "Der Umrichter wurde erfolgreich auf die Werkseinstellungen zurückgesetzt!\n\n";
        QTest::newRow("factory reset refused") << true << 1 << "critical"
                                               << "Die Werkseinstellung konnte nicht geladen werden!\n\n";
    }

    void resetAnswers()
    {
        QFETCH(bool, factory);
        QFETCH(int, status);
        QVERIFY(connectInverter());
        m_inverter->resetStatus = uint8_t(status);
        m_inverter->factoryResetStatus = uint8_t(status);
        if (factory)
            m_window->communicationController().sendFactoryResetCommand();
        else
            m_window->datasetController().sendResetCommand();
        QTRY_COMPARE(m_presenter.boxes.size(), 1);
        QTEST(m_presenter.boxes.first().kind, "kind");
        QTEST(m_presenter.boxes.first().text, "text");
        QCOMPARE(m_presenter.boxes.first().title,
                 status ? QStringLiteral("Fehler") : QStringLiteral("Torvana"));
        QCOMPARE(m_presenter.boxes.first().parent, m_window);
        // A factory reset is always followed by reading the set again.
        QTRY_COMPARE(m_inverter->countOf(CurrentParametersetRequest), factory ? 1 : 0);
    }

    void informationMessagesCanBeSwitchedOff()
    {
        QSettings().setValue(QStringLiteral("ShowInformationMessages"), false);
        createWindow();
        QVERIFY(connectInverter());
        click("requestSettingsPushButton");
        click("activateSavePushButton");
        QSignalSpy resets(&m_window->communicationController(), &CommunicationController::resetResponseReceived);
        QVERIFY(answerDelivered(resets)); // the write is complete and answered
        m_window->datasetController().sendResetCommand();
        QTRY_COMPARE(m_inverter->countOf(ErrorReset), 2);
        QTRY_COMPARE(resets.count(), 2);
        QCoreApplication::processEvents();
        QVERIFY(m_presenter.boxes.isEmpty());

        m_inverter->refusals[InputForStart] = 2;
        QTest::qWait(TransferLatchMs + 100);
        click("activateSavePushButton");
        QTRY_COMPARE(m_presenter.boxes.size(), 1);
        QCOMPARE(m_presenter.boxes.first().kind, QStringLiteral("critical"));
    }

    void modificationLock_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<QStringList>("stayEnabled");
        QTest::newRow("firmware update") << QByteArray("disableModificationsDueToFlashUpdate")
                                         << QStringList{"flashUpdateButton"};
        QTest::newRow("spindle run-in") << QByteArray("disableModificationsDueToSpindleRun")
                                        << QStringList{"diagnosticsButton", "spindleRunButton"};
    }

    void modificationLock()
    {
        QFETCH(QByteArray, lock);
        QFETCH(QStringList, stayEnabled);
        const QStringList all{"startButton",      "driveDataButton",   "inputOutputButton",
                              "diagnosticsButton", "spindleRunButton", "flashUpdateButton",
                              "requestSettingsPushButton", "activateSavePushButton"};
        QVERIFY(connectInverter());
        QVERIFY(QMetaObject::invokeMethod(m_window, lock.constData()));
        for (const QString &name : all)
            QCOMPARE(enabled(qPrintable(name)), stayEnabled.contains(name));

        // Answers to writes and resets are not the window's business meanwhile.
        QSignalSpy resets(&m_window->communicationController(), &CommunicationController::resetResponseReceived);
        m_window->datasetController().sendResetCommand();
        QVERIFY(answerDelivered(resets));
        QVERIFY(m_presenter.boxes.isEmpty());

        QVERIFY(QMetaObject::invokeMethod(m_window, "enableModifications"));
        for (const QString &name : all)
            QVERIFY2(enabled(qPrintable(name)), qPrintable(name));
        m_source->removeDevice(0);
        QTRY_VERIFY(!enabled("activateSavePushButton"));
        QVERIFY(QMetaObject::invokeMethod(m_window, "enableModifications"));
        QVERIFY(!enabled("requestSettingsPushButton") && !enabled("activateSavePushButton"));
    }

    void closeGuard_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("refusal");
        const QString runIn = QStringLiteral("Torvana kann während eines Spindeleinlaufs nicht geschlossen werden!\n\n"
                                             "Bitte beenden Sie den Spindeleinlauf, um Torvana schließen zu können.\n");
        const QString update = QStringLiteral("Torvana kann während eines Firmware-Updates nicht geschlossen werden!"
                                              "\n\nBitte warten Sie bis das Firmware-Update abgeschlossen ist, um "
                                              "Torvana schließen zu können.\n");
        const QString other = QStringLiteral("Torvana kann aktuell nicht geschlossen werden!\n\n");
        QTest::newRow("unlocked") << QByteArray() << QByteArray("diagnosticsButton") << QString();
        QTest::newRow("run-in page") << QByteArray("disableModificationsDueToSpindleRun")
                                     << QByteArray("spindleRunButton") << runIn;
        QTest::newRow("update page") << QByteArray("disableModificationsDueToFlashUpdate")
                                     << QByteArray("flashUpdateButton") << update;
        QTest::newRow("diagnostics during run-in") << QByteArray("disableModificationsDueToSpindleRun")
                                                   << QByteArray("diagnosticsButton") << other;
        QTest::newRow("start page during update") << QByteArray("disableModificationsDueToFlashUpdate")
                                                  << QByteArray() << other;
    }

    void closeGuard()
    {
        QFETCH(QByteArray, lock);
        QFETCH(QByteArray, page);
        QFETCH(QString, refusal);
        m_window->resize(900, 650);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        if (!page.isEmpty())
            click(page.constData());
        if (!lock.isEmpty())
            QVERIFY(QMetaObject::invokeMethod(m_window, lock.constData()));

        QCOMPARE(m_window->close(), refusal.isEmpty());
        const QSettings settings;
        if (refusal.isEmpty()) {
            QVERIFY(m_presenter.boxes.isEmpty());
            QCOMPARE(settings.value(QStringLiteral("Language")).toInt(), int(QLocale::German));
            QCOMPARE(settings.value(QStringLiteral("MainWindow/Size")).toSize(), m_window->size());
            QCOMPARE(settings.value(QStringLiteral("MainWindow/Position")).toPoint(), m_window->pos());
            QCOMPARE(settings.value(QStringLiteral("MainWindow/Maximized")).toBool(), false);
            return;
        }
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_presenter.boxes.size(), 1);
        QCOMPARE(m_presenter.boxes.first().kind, QStringLiteral("critical"));
        QCOMPARE(m_presenter.boxes.first().title, QStringLiteral("Torvana"));
        QCOMPARE(m_presenter.boxes.first().text, refusal);
        QVERIFY(!settings.contains(QStringLiteral("Language")));
    }

    void settingsAreApplied()
    {
        QSettings settings;
        settings.setValue(QStringLiteral("MainWindow/Size"), QSize(640, 580));
        settings.setValue(QStringLiteral("MainWindow/Position"), QPoint(30, 12));
        createWindow();
        QCOMPARE(m_window->size(), QSize(640, 580));
        QCOMPARE(m_window->pos(), QPoint(30, 12));
        QVERIFY(!m_window->isMaximized());
        settings.setValue(QStringLiteral("MainWindow/Maximized"), true);
        createWindow();
        QVERIFY(m_window->windowState() & Qt::WindowMaximized);
    }

    void manuals_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("inverterManual");
        QTest::addColumn<QString>("softwareManual");
        const QStringList both{"A_GA_Torvana_DE_v1.pdf", "A_GA_Torvana_EN_v1.pdf", "A_GA_FU3_DE_v2.pdf",
                               "A_GA_FU3_EN_v2.pdf", "notes.pdf"};
        QTest::newRow("German") << both << 42 << "A_GA_FU3_DE_v2.pdf" << "A_GA_Torvana_DE_v1.pdf";
        QTest::newRow("English") << both << 31 << "A_GA_FU3_EN_v2.pdf" << "A_GA_Torvana_EN_v1.pdf";
        QTest::newRow("German interface, English files")
            << QStringList{"A_GA_TORVANA_EN_v1.pdf", "A_GA_FU3_EN_v2.pdf"} << 42 << "A_GA_FU3_EN_v2.pdf"
            << "A_GA_TORVANA_EN_v1.pdf";
        QTest::newRow("only the inverter's") << QStringList{"A_GA_FU3_DE_v2.pdf"} << 42 << "A_GA_FU3_DE_v2.pdf"
                                             << "";
        QTest::newRow("names off the pattern")
            << QStringList{"GA_Torvana_DE.pdf", "A_GA_FU3_DE_v2.txt", "A_GA_FU3_FR_v2.pdf"} << 42 << "" << "";
    }

    void manuals()
    {
        QFETCH(QStringList, files);
        QFETCH(int, language);
        QFETCH(QString, inverterManual);
        QFETCH(QString, softwareManual);
        QTemporaryDir dir;
        for (const QString &name : files) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QLocale::setDefault(QLocale(QLocale::Language(language)));
        m_window->setManualFolder(dir.path());
        QCOMPARE(shown("helpInverterToolButton"), !inverterManual.isEmpty());
        QCOMPARE(shown("helpTorvanaToolButton"), !softwareManual.isEmpty());

        QList<QUrl> expected;
        QTest::keyClick(m_window, Qt::Key_F1);
        if (!inverterManual.isEmpty())
            expected << QUrl::fromLocalFile(dir.filePath(inverterManual));
        QTest::keyClick(m_window, Qt::Key_F2);
        if (!softwareManual.isEmpty())
            expected << QUrl::fromLocalFile(dir.filePath(softwareManual));
        QCOMPARE(m_urls.urls, expected);
        QVERIFY(m_presenter.boxes.isEmpty());
        QLocale::setDefault(QLocale(QLocale::German));
    }

    void manualThatCannotBeOpened()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("A_GA_FU3_DE_v2.pdf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        m_window->setManualFolder(dir.path());
        // A handler without the named slot makes opening fail.
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_urls, "missing");
        click("helpInverterToolButton");
        QCOMPARE(m_presenter.boxes.size(), 1);
        QCOMPARE(m_presenter.boxes.first().title, QStringLiteral("Fehler"));
        QCOMPARE(m_presenter.boxes.first().text,
                 QStringLiteral("Die Hilfedatei konnte nicht geöffnet werden!\n\nBitte überprüfen Sie, dass ein "
                                "geeignetes Programm zum Anzeigen von pdf-Dateien installiert ist!\n"));
    }

    void aboutDialogOverDimmedWindow()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QStringList seen;
        m_presenter.onDialog = [&](QDialog &dialog) {
            const auto *overlay = m_window->findChild<OverlayWidget *>();
            const Qt::WindowFlags flags = Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
            QVERIFY(overlay && overlay->isVisible() && overlay->geometry() == m_window->rect());
            QCOMPARE(dialog.parentWidget(), m_window);
            QCOMPARE(dialog.windowFlags() & flags, flags);
            seen << QLatin1String(dialog.metaObject()->className());
        };
        QTest::keyClick(m_window, Qt::Key_F9);
        click("aboutToolButton");
        QCOMPARE(seen, (QStringList{"AboutDialog", "AboutDialog"}));
        QVERIFY(!m_window->findChild<OverlayWidget *>());
    }

    void languageSwitchAtRunTime()
    {
        QVERIFY(connectInverter());
        QTRY_VERIFY(shown("errorStateLabel"));
        click("englishToolButton");
        QVERIFY(!shown("englishToolButton") && shown("germanToolButton"));
        QTRY_COMPARE(text("connectedLabel"), QStringLiteral("Connected"));
        QCOMPARE(QLocale().language(), QLocale::English);
        QCOMPARE(m_window->locale().language(), QLocale::English);
        QCOMPARE(widget<QToolButton>("startButton")->text(), QStringLiteral("STARTPAGE"));
        QCOMPARE(widget("aboutToolButton")->toolTip(), QStringLiteral("About Torvana"));
        QCOMPARE(text("paramChangedLabel"), banner(QStringLiteral("Parameters changed")));
        QCOMPARE(text("errorStateLabel"), stateLine("#8FC26C", QStringLiteral("Inverter ready for operation")));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Torvana v1.9.5"));
        QVERIFY(m_window->close());
        QCOMPARE(QSettings().value(QStringLiteral("Language")).toInt(), int(QLocale::English));

        click("germanToolButton");
        QVERIFY(shown("englishToolButton") && !shown("germanToolButton"));
        QTRY_COMPARE(text("connectedLabel"), QStringLiteral("Verbunden"));
        QCOMPARE(widget("aboutToolButton")->toolTip(), QStringLiteral("Über Torvana"));
    }

    void orientationMovesThePageButtons()
    {
        const auto orient = [this](Qt::ScreenOrientation orientation) {
            return QMetaObject::invokeMethod(m_window, "updateOrientation", Q_ARG(Qt::ScreenOrientation, orientation));
        };
        QVERIFY(orient(Qt::PortraitOrientation));
        QCOMPARE(widget("startButton")->parentWidget(), widget("horizontalButtonBar"));
        QVERIFY(shown("horizontalButtonBar") && !shown("verticalButtonBar"));
        QVERIFY(!widget("connectedLabel")->isVisibleTo(widget("verticalButtonBar")));

        QVERIFY(orient(Qt::InvertedLandscapeOrientation));
        QVERIFY(!shown("horizontalButtonBar") && shown("verticalButtonBar"));
        auto *bar = widget("verticalButtonBar");
        const auto *layout = qobject_cast<QVBoxLayout *>(bar->layout());
        const char *order[] = {"startButton",       "driveDataButton",  "inputOutputButton",
                               "diagnosticsButton", "spindleRunButton", "flashUpdateButton"};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(layout->itemAt(i)->widget(), widget(order[i]));
        QVERIFY(layout->itemAt(6)->spacerItem());
        QCOMPARE(layout->itemAt(7)->layout()->objectName(), QStringLiteral("statusLabelLayout"));
        QVERIFY(shown("connectedLabel") && shown("serialNumberLabel"));
    }

    void touchSelectsTheNumberFirst()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        auto *spinBox = new QDoubleSpinBox(widget("contentWidget"));
        spinBox->setValue(12.5);
        spinBox->show();
        auto *lineEdit = spinBox->findChild<QLineEdit *>();
        QObject *filter = m_window;
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);

        QVERIFY(filter->eventFilter(lineEdit, &press));
        QCOMPARE(lineEdit->selectedText(), lineEdit->text());
        lineEdit->setCursorPosition(1);
        QVERIFY(!filter->eventFilter(lineEdit, &press)); // second touch places the cursor
        QFocusEvent focusOut(QEvent::FocusOut);
        QVERIFY(!filter->eventFilter(spinBox, &focusOut));
        QVERIFY(filter->eventFilter(spinBox, &press)); // forgotten after losing the focus
        spinBox->setEnabled(false);
        QFocusEvent again(QEvent::FocusOut);
        filter->eventFilter(spinBox, &again);
        QVERIFY(!filter->eventFilter(spinBox, &press));
    }

    void shrinksToALowScreen()
    {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        m_window->resize(available.width() - 40, available.height() + 300);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QTRY_VERIFY(m_window->frameGeometry().height() <= available.height());
        const QRect frame = m_window->frameGeometry();
        QVERIFY(qAbs((frame.top() - available.top()) - (available.bottom() - frame.bottom())) <= 1);
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestMainWindow)
#include "tst_mainwindow.moc"
