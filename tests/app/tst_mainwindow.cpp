// The main window against a scripted inverter. Every box is recorded, none is shown.
#include "FakeD2xxSource.h"
#include "FakeInverter.h"
#include "MainWindow.h"
#include "OverlayWidget.h"
#include "RecordingPresenter.h"
#include "StartupSettings.h"
#include "TemporaryHomeMain.h"

#include <QAbstractScrollArea>
#include <QDesktopServices>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

namespace {

// Frame types, parameter numbers and flag bits restated from the protocol.
enum : uint8_t { ErrorReset = 1, StoreOnEeprom = 3, CurrentParametersetRequest = 4, MotorParamsResponse = 14 };
enum : uint16_t { Flags = 27, Inverter = 36, SerialNumber = 39, MaximumMotorFrequency = 42, MotorType = 90,
                  InputForStart = 140, Dasm = 0x8002 };
enum : uint16_t { InputDigital = 0x805C, InputTorvana = 0x805D };
enum : uint16_t { Warning = 0x0002, Error = 0x0004, MotorRuns = 0x0008, MotorHolds = 0x0400 };
constexpr int TransferLatchMs = 500;

QString stateLine(const QString &colour, const QString &text)
{
    return QStringLiteral("<html><head/><body><p style=\"color:#000000; background-color: %1; white-space: pre;\">"
                          "<br/><span>%2</span><br/></p></body></html>").arg(colour, text);
}

QString banner(const QString &text)
{
    return QStringLiteral("<html><head/><body><p align=\"center\"><span style=\"background-color: yellow;\">%1"
                          "</span></p></body></html>").arg(text);
}

const QString ReadDone = QStringLiteral("Die Parameter wurden erfolgreich vom Umrichter abgerufen!\n\n");
const QString WriteDone = QStringLiteral("Die Parameter wurden erfolgreich zum Umrichter übertragen!\n\n");
const QString ResetDone = QStringLiteral("Der Fehler-Reset wurde durchgeführt!\n\n");
const char *const PageButtons[] = {"startButton",       "driveDataButton",  "inputOutputButton",
                                   "diagnosticsButton", "spindleRunButton", "flashUpdateButton"};

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

    QWidget *widget(const char *name) const
    {
        auto *w = m_window->findChild<QWidget *>(QLatin1String(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }
    QString text(const char *label) const { return static_cast<QLabel *>(widget(label))->text(); }
    bool shown(const char *name) const { return widget(name)->isVisibleTo(m_window); }
    bool enabled(const char *name) const { return widget(name)->isEnabled(); }
    void click(const char *button) const { static_cast<QAbstractButton *>(widget(button))->click(); }
    bool transfersEnabled() const { return enabled("requestSettingsPushButton") && enabled("activateSavePushButton"); }
    QStringList boxes() const
    {
        QStringList kinds;
        for (const auto &box : m_presenter.boxes)
            kinds << box.kind + QLatin1Char(' ') + box.title;
        return kinds;
    }
    CommunicationController &comm() const { return m_window->communicationController(); }
    DatasetController &dataset() const { return m_window->datasetController(); }

    void createWindow()
    {
        delete m_window;
        m_window = new MainWindow(QLocale::German, &m_applicationTranslator, &m_qtTranslator);
        m_window->setMessagePresenter(&m_presenter);
    }

    void addInverter(uint16_t type = 0x1211, uint16_t serial = 4711)
    {
        m_source->addDevice("INVERTER");
        m_inverter = new FakeInverter(*m_source, 0);
        m_inverter->inverterType = type;
        m_inverter->serial = serial;
        // The inverter holds the catalogue's defaults, as the window's working copy does at start.
        m_inverter->values.clear();
        for (uint16_t id = 1; id < 150; ++id)
            if (dataset().descriptor(id))
                m_inverter->values.insert(id, dataset().defaultRawValue(id));
        m_inverter->values[Inverter] = type;
        m_inverter->values[SerialNumber] = serial;
    }

    [[nodiscard]] bool connectInverter()
    {
        addInverter();
        return QTest::qWaitFor([this] { return text("connectedLabel") == QLatin1String("Verbunden"); }, 5000);
    }

    // Waits for an answer and lets the window's queued reaction to it run.
    static bool answerDelivered(QSignalSpy &spy, int count = 1)
    {
        const bool delivered = QTest::qWaitFor([&] { return spy.count() >= count; }, 3000);
        QCoreApplication::processEvents();
        return delivered;
    }
    bool showWindow()
    {
        m_window->show();
        return QTest::qWaitForWindowExposed(m_window);
    }

private slots:
    void init()
    {
        StartupSettings::setApplicationIdentity();
        QSettings().clear();
        D2xx::setSystemSourcesEnabled(false);
        D2xx::setTestSource(m_source = new FakeD2xxSource);
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

    void connectionAndLanguage()
    {
        const auto lamp = [this] { return static_cast<QLabel *>(widget("ledConnectedLabel"))->pixmap(Qt::ReturnByValue).toImage(); };
        const QImage grey = QPixmap(QStringLiteral(":/Images/led_indicator_grey.png")).toImage();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Torvana v1.9.5"));
        QCOMPARE(lamp(), grey);
        QVERIFY(!enabled("requestSettingsPushButton") && !enabled("activateSavePushButton") && !shown("errorStateLabel"));
        QVERIFY(connectInverter());
        QCOMPARE(lamp(), QPixmap(QStringLiteral(":/Images/led_indicator_green.png")).toImage());
        QVERIFY(transfersEnabled());
        QTRY_VERIFY(dataset().deviceValueKnown(InputForStart));
        QVERIFY(!enabled("paramChangedLabel"));
        dataset().setValue(InputForStart, InputTorvana, false);
        QTRY_COMPARE(text("paramChangedLabel"), banner(QStringLiteral("Parameter geändert")));
        QCOMPARE(widget("paramChangedLabel")->toolTip(), QStringLiteral("1 Parameter weicht vom Umrichter ab."));
        QTRY_COMPARE(text("errorStateLabel"), stateLine("#8FC26C", QStringLiteral("Umrichter betriebsbereit")));
        QTRY_COMPARE(text("serialNumberLabel"), QStringLiteral("4711"));

        click("englishToolButton");
        QVERIFY(!shown("englishToolButton") && shown("germanToolButton"));
        QTRY_COMPARE(text("connectedLabel"), QStringLiteral("Connected"));
        QVERIFY(QLocale().language() == QLocale::English && m_window->locale().language() == QLocale::English);
        QCOMPARE(static_cast<QToolButton *>(widget("startButton"))->text(), QStringLiteral("STARTPAGE"));
        QCOMPARE(text("paramChangedLabel"), banner(QStringLiteral("Parameters changed")));
        QCOMPARE(text("errorStateLabel"), stateLine("#8FC26C", QStringLiteral("Inverter ready for operation")));
        QVERIFY(m_window->close()); // after the question about the unsaved change
        QCOMPARE(boxes(), QStringList{"question Torvana"});
        QCOMPARE(QSettings().value(QStringLiteral("Language")).toInt(), int(QLocale::English));
        click("germanToolButton");
        QTRY_COMPARE(text("connectedLabel"), QStringLiteral("Verbunden"));
        QCOMPARE(widget("aboutToolButton")->toolTip(), QStringLiteral("Über Torvana"));

        m_source->removeDevice(0);
        QTRY_COMPARE(text("connectedLabel"), QStringLiteral("Nicht verbunden"));
        QCOMPARE(lamp(), grey);
        QVERIFY(!enabled("requestSettingsPushButton") && !enabled("activateSavePushButton") && !shown("errorStateLabel"));
        QVERIFY(!enabled("paramChangedLabel") && text("paramChangedLabel").isEmpty());
        QCOMPARE(text("serialNumberLabel") + text("deviceTypeLabel") + text("firmwareVersionLabel"), QString());
        QVERIFY(dataset().value(SerialNumber) == 0.0 && dataset().deviceFirmware().isEmpty());
    }

    void deviceInformation_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("serial");
        QTest::addColumn<QByteArray>("firmware");
        QTest::addColumn<QString>("shown"); // type|serial|firmware
        QTest::newRow("4626") << 4626 << 65535 << QByteArray("v2.0.3") << "4626|65535|v2.0.3";
        QTest::newRow("4623") << 4623 << 17 << QByteArray("v0.1") << "Prototyp|17|v0.1";
        QTest::newRow("4627") << 4627 << 17 << QByteArray("v0.1") << "Prototyp|17|v0.1";
        QTest::newRow("serial 0, padded firmware") << 4625 << 0 << QByteArray(" \tv1.2 \n") << "4625||v1.2";
    }

    void deviceInformation()
    {
        QFETCH(int, type);
        QFETCH(int, serial);
        QFETCH(QString, shown);
        addInverter(uint16_t(type), uint16_t(serial));
        QFETCH(QByteArray, firmware);
        m_inverter->firmware = firmware;
        QTRY_COMPARE(text("deviceTypeLabel") + '|' + text("serialNumberLabel") + '|' + text("firmwareVersionLabel"),
                     shown);
    }

    void errorStateLine_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QList<int>>("codes"); // parameters 30 to 34
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("line");
        QTest::newRow("lowest error code wins") << int(Error) << QList<int>{17, 8, 5, 0, 0} << "#FF7979"
                                                << "Fehler 5 - Fehler im Wechselrichter beim Selbsttest";
        QTest::newRow("first empty code stops") << int(Error) << QList<int>{17, 0, 5, 0, 0} << "#FF7979"
                                                << "Fehler 17 - Motoranschluss unterbrochen";
        QTest::newRow("warning") << int(Warning) << QList<int>{1, 0, 0, 0, 0} << "#FFBD65"
                                 << "Warnung 1 - Motorstrom hat den Strombegrenzungswert erreicht";
        QTest::newRow("warning needs its bit") << int(Error) << QList<int>{1, 0, 0, 0, 0} << "" << "";
        QTest::newRow("error needs its bit") << int(Warning) << QList<int>{17, 18, 0, 0, 0} << "#FFBD65"
                                             << "Warnung 18 - Begrenzung Drehzahlsollwert aktiv";
        QTest::newRow("code above the table") << int(Error) << QList<int>{999, 5, 0, 0, 0} << "" << "";
        QTest::newRow("holding") << int(MotorHolds | MotorRuns) << QList<int>{5, 0, 0, 0, 0} << "#FFD966"
                                 << "Haltebetrieb";
        QTest::newRow("running") << int(MotorRuns) << QList<int>{0, 0, 0, 0, 0} << "#8FC26C" << "Motor läuft";
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
        m_inverter->values[Flags] = uint16_t(flags);
        QTRY_COMPARE(text("errorStateLabel"), stateLine(colour, line));
        QVERIFY(shown("errorStateLabel"));
    }

    // An edit made before connecting survives the read on connect; the banner,
    // the field's mark and its page button follow the differences, and
    // "Vom Umrichter laden" asks before it throws the edit away.
    void changesSurviveTheConnect()
    {
        dataset().setValue(InputForStart, InputTorvana, false);
        QVERIFY(connectInverter());
        QTRY_VERIFY(enabled("paramChangedLabel"));
        QCOMPARE(dataset().differingParameters(), QVector<uint16_t>{InputForStart});
        QWidget *field = nullptr;
        for (QWidget *w : m_window->findChildren<QWidget *>())
            if (w->accessibleDescription() == QLatin1String("140") && w->inherits("QComboBox"))
                field = w;
        QVERIFY(field && field->property("differsFromInverter").toBool());
        QVERIFY2(field->toolTip().endsWith(QStringLiteral("\nIm Umrichter: Digitale Eingänge")),
                 qPrintable(field->toolTip()));
        QVERIFY(widget("startButton")->property("holdsChanges").toBool()
                && !widget("driveDataButton")->property("holdsChanges").toBool());

        const int reads = m_inverter->countOf(CurrentParametersetRequest);
        m_presenter.answer = false;
        click("requestSettingsPushButton");
        QCOMPARE(boxes(), QStringList{"question Torvana"});
        QVERIFY(m_presenter.boxes.first().text.startsWith(QStringLiteral("1 Parameter weicht vom Umrichter ab")));
        QTest::qWait(TransferLatchMs + 100);
        QCOMPARE(m_inverter->countOf(CurrentParametersetRequest), reads);
        m_presenter.answer = true;
        click("requestSettingsPushButton");
        QTRY_VERIFY(!enabled("paramChangedLabel"));
        QCOMPARE(dataset().rawValue(InputForStart), uint16_t(InputDigital));
        QTRY_VERIFY(!field->property("differsFromInverter").toBool() && !field->toolTip().contains("Umrichter:"));
        QVERIFY(!widget("startButton")->property("holdsChanges").toBool());

        // A motor memory made current is what the inverter holds: nothing to store.
        m_source->feedReceived(0, TestFrame::makePairs(MotorParamsResponse, 0, {{MaximumMotorFrequency, 900}}));
        QTRY_COMPARE(dataset().rawValue(MaximumMotorFrequency), uint16_t(900));
        QVERIFY(!enabled("paramChangedLabel") && dataset().holdsUserChanges());
    }

    void readingIsLatchedAndAnsweredOnce()
    {
        QVERIFY(connectInverter());
        for (uint16_t id = 41; id < 41 + 30; ++id) // more than one frame of the set
            m_inverter->values.insert(id, dataset().rawValue(id));
        m_inverter->values[MaximumMotorFrequency] = 2500;
        QTRY_COMPARE(m_inverter->countOf(CurrentParametersetRequest), 1); // the read on connect
        click("requestSettingsPushButton");
        click("requestSettingsPushButton");
        QTRY_COMPARE(m_presenter.texts(), QStringList{ReadDone});
        QCOMPARE(boxes(), QStringList{"information Torvana"});
        QCOMPARE(m_inverter->countOf(CurrentParametersetRequest), 2);
        QCOMPARE(dataset().rawValue(MaximumMotorFrequency), uint16_t(2500));
        QTest::qWait(TransferLatchMs + 100);
        click("requestSettingsPushButton");
        QTRY_COMPARE(m_presenter.texts(), (QStringList{ReadDone, ReadDone}));
        QSignalSpy sets(&comm(), &CommunicationController::currentParametersetReceived);
        comm().sendCurrentParametersetRequest();
        QVERIFY(answerDelivered(sets));
        QCOMPARE(m_presenter.boxes.size(), 2);
    }

    void writingShowsOneBoxAndResetsSilently_data()
    {
        QTest::addColumn<QString>("meanwhile"); // what happens around the automatic reset
        QTest::newRow("nothing") << QString();
        QTest::newRow("answered while locked") << "lock";
        QTest::newRow("unplugged before it") << "unplug";
    }

    // The automatic reset after a write is answered without a box; the user's next reset has its box,
    // even when the automatic one was answered during a lock or never answered.
    void writingShowsOneBoxAndResetsSilently()
    {
        QFETCH(QString, meanwhile);
        QVERIFY(connectInverter());
        click("activateSavePushButton");
        click("activateSavePushButton");
        QTRY_COMPARE(m_presenter.texts(), QStringList{WriteDone});
        QVERIFY(m_presenter.boxes.first().parent == nullptr && !enabled("paramChangedLabel"));
        QCOMPARE(m_inverter->countOf(StoreOnEeprom), 1);
        QSignalSpy resets(&comm(), &CommunicationController::resetResponseReceived);
        if (meanwhile == QLatin1String("unplug")) {
            m_source->removeDevice(0);
            QTRY_COMPARE(text("connectedLabel"), QStringLiteral("Nicht verbunden"));
            QTest::qWait(TransferLatchMs + 100);
            delete m_inverter;
            m_source->addDevice("INVERTER");
            m_inverter = new FakeInverter(*m_source, 1);
            QTRY_COMPARE(text("connectedLabel"), QStringLiteral("Verbunden"));
        } else {
            if (!meanwhile.isEmpty())
                QVERIFY(QMetaObject::invokeMethod(m_window, "disableModificationsDueToSpindleRun"));
            QVERIFY(answerDelivered(resets));
            QCOMPARE(m_inverter->countOf(ErrorReset), 1);
            QVERIFY(QMetaObject::invokeMethod(m_window, "enableModifications"));
        }
        QCOMPARE(m_presenter.boxes.size(), 1);
        dataset().sendResetCommand();
        QTRY_COMPARE(m_presenter.texts(), (QStringList{WriteDone, ResetDone}));
        QCOMPARE(m_presenter.boxes.last().parent, m_window);
    }

    void refusedWrite_data()
    {
        QTest::addColumn<bool>("informationShown");
        QTest::newRow("with information boxes") << true;
        QTest::newRow("without information boxes") << false;
    }

    // A refusal raises the banner and a critical box, whether information boxes are on or not.
    void refusedWrite()
    {
        QFETCH(bool, informationShown);
        QSettings().setValue(QStringLiteral("ShowInformationMessages"), informationShown);
        createWindow();
        QVERIFY(connectInverter());
        if (!informationShown) {
            click("requestSettingsPushButton");
            click("activateSavePushButton");
            QSignalSpy resets(&comm(), &CommunicationController::resetResponseReceived);
            QVERIFY(answerDelivered(resets)); // the write is complete and answered
            dataset().sendResetCommand();
            QVERIFY(answerDelivered(resets, 2));
            QVERIFY(m_presenter.boxes.isEmpty());
            QTest::qWait(TransferLatchMs + 100);
        }
        m_inverter->refusals[InputForStart] = 4;
        dataset().setValue(InputForStart, InputTorvana, false);
        click("activateSavePushButton");
        QTRY_COMPARE(boxes(), QStringList{"critical Fehler"});
        const RecordingPresenter::Box box = m_presenter.boxes.first();
        QCOMPARE(box.text, QStringLiteral("Beim Setzen der vorgenommenen Einstellungen ist mindestens ein Fehler "
                                          "aufgetreten!\nWeitere Informationen finden Sie unter Details."));
        QVERIFY2(box.details.contains(QStringLiteral("P140")), qPrintable(box.details));
        QVERIFY(enabled("paramChangedLabel"));
        QTRY_COMPARE(m_inverter->countOf(ErrorReset), informationShown ? 1 : 3);
    }

    void resetAnswers_data()
    {
        QTest::addColumn<bool>("factory");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("reset done") << false << 0 << ResetDone;
        QTest::newRow("reset refused") << false << 1 << "Der Fehler-Reset konnte nicht durchgeführt werden!\n\n";
        QTest::newRow("factory reset done")
            << true << 0 << "Der Umrichter wurde erfolgreich auf die Werkseinstellungen zurückgesetzt!\n\n";
        QTest::newRow("factory reset refused") << true << 1 << "Die Werkseinstellung konnte nicht geladen werden!\n\n";
    }

    void resetAnswers()
    {
        QFETCH(bool, factory);
        QFETCH(int, status);
        QVERIFY(connectInverter());
        QTRY_COMPARE(m_inverter->countOf(CurrentParametersetRequest), 1); // the read on connect
        m_inverter->resetStatus = m_inverter->factoryResetStatus = uint8_t(status);
        if (factory)
            comm().sendFactoryResetCommand();
        else
            dataset().sendResetCommand();
        QTRY_COMPARE(boxes(), QStringList{status ? "critical Fehler" : "information Torvana"});
        QTEST(m_presenter.boxes.first().text, "text");
        QCOMPARE(m_presenter.boxes.first().parent, m_window);
        // A factory reset is always followed by reading the set again.
        QTRY_COMPARE(m_inverter->countOf(CurrentParametersetRequest), factory ? 2 : 1);
    }

    void modificationLock_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<QStringList>("stayEnabled");
        QTest::newRow("update") << QByteArray("disableModificationsDueToFlashUpdate") << QStringList{"flashUpdateButton"};
        QTest::newRow("run-in") << QByteArray("disableModificationsDueToSpindleRun")
                                << QStringList{"diagnosticsButton", "spindleRunButton"};
    }

    void modificationLock()
    {
        QFETCH(QByteArray, lock);
        QFETCH(QStringList, stayEnabled);
        QStringList all{"requestSettingsPushButton", "activateSavePushButton"};
        for (const char *name : PageButtons)
            all << QLatin1String(name);
        QVERIFY(connectInverter());
        QVERIFY(QMetaObject::invokeMethod(m_window, lock.constData()));
        for (const QString &name : all)
            QCOMPARE(enabled(qPrintable(name)), stayEnabled.contains(name));
        QSignalSpy resets(&comm(), &CommunicationController::resetResponseReceived);
        dataset().sendResetCommand();
        QVERIFY(answerDelivered(resets));
        QVERIFY(m_presenter.boxes.isEmpty()); // answers are not the window's business meanwhile

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
        const QByteArray runIn("disableModificationsDueToSpindleRun"), update("disableModificationsDueToFlashUpdate");
        const QString other = QStringLiteral("Torvana kann aktuell nicht geschlossen werden!\n\n");
        QTest::newRow("unlocked") << QByteArray() << QByteArray("diagnosticsButton") << QString();
        QTest::newRow("run-in page") << runIn << QByteArray("spindleRunButton")
                                     << "Torvana kann während eines Spindeleinlaufs nicht geschlossen werden!\n\n"
                                        "Bitte beenden Sie den Spindeleinlauf, um Torvana schließen zu können.\n";
        QTest::newRow("update page") << update << QByteArray("flashUpdateButton")
                                     << "Torvana kann während eines Firmware-Updates nicht geschlossen werden!\n\n"
                                        "Bitte warten Sie bis das Firmware-Update abgeschlossen ist, um "
                                        "Torvana schließen zu können.\n";
        QTest::newRow("diagnostics during run-in") << runIn << QByteArray("diagnosticsButton") << other;
        QTest::newRow("start page during update") << update << QByteArray("startButton") << other;
    }

    // A refused close keeps the window and stores nothing; a close stores what the next start applies.
    void closeGuard()
    {
        QFETCH(QByteArray, lock);
        QFETCH(QByteArray, page);
        QFETCH(QString, refusal);
        m_window->setGeometry(30, 40, 900, 650);
        QVERIFY(showWindow());
        click(page.constData());
        if (!lock.isEmpty())
            QVERIFY(QMetaObject::invokeMethod(m_window, lock.constData()));
        QCOMPARE(m_window->close(), refusal.isEmpty());
        QCOMPARE(m_presenter.texts(), refusal.isEmpty() ? QStringList() : QStringList{refusal});
        QCOMPARE(QSettings().contains(QStringLiteral("Language")), refusal.isEmpty());
        if (!refusal.isEmpty()) {
            QVERIFY(m_window->isVisible() && boxes() == QStringList{"critical Torvana"});
            return;
        }
        const QSize size = m_window->size();
        const QPoint position = m_window->pos();
        createWindow();
        QVERIFY(m_window->size() == size && m_window->pos() == position && !m_window->isMaximized());
        QSettings().setValue(QStringLiteral("MainWindow/Maximized"), true);
        createWindow();
        QVERIFY(m_window->windowState() & Qt::WindowMaximized);
    }

    void manuals_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("opened"); // the inverter's and the program's; empty: no button
        const QStringList both{"A_GA_Torvana_DE_v1.pdf", "A_GA_Torvana_EN_v1.pdf", "A_GA_FU3_DE_v2.pdf",
                               "A_GA_FU3_EN_v2.pdf", "notes.pdf"};
        QTest::newRow("German") << both << 42 << QStringList{"A_GA_FU3_DE_v2.pdf", "A_GA_Torvana_DE_v1.pdf"};
        QTest::newRow("English") << both << 31 << QStringList{"A_GA_FU3_EN_v2.pdf", "A_GA_Torvana_EN_v1.pdf"};
        QTest::newRow("German interface, English files") << QStringList{"A_GA_TORVANA_EN_v1.pdf", "A_GA_FU3_EN_v2.pdf"}
                                                         << 42 << QStringList{"A_GA_FU3_EN_v2.pdf", "A_GA_TORVANA_EN_v1.pdf"};
        QTest::newRow("only the inverter's") << QStringList{"A_GA_FU3_DE_v2.pdf"} << 42
                                             << QStringList{"A_GA_FU3_DE_v2.pdf", ""};
        QTest::newRow("names off the pattern") << QStringList{"GA_Torvana_DE.pdf", "A_GA_FU3_DE_v2.txt", "A_GA_FU3_FR_v2.pdf"}
                                               << 42 << QStringList{"", ""};
    }

    void manuals()
    {
        QFETCH(QStringList, files);
        QFETCH(int, language);
        QFETCH(QStringList, opened);
        QTemporaryDir dir;
        for (const QString &name : files)
            QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
        QLocale::setDefault(QLocale(QLocale::Language(language)));
        m_window->setManualFolder(dir.path());
        QCOMPARE(shown("helpInverterToolButton"), !opened[0].isEmpty());
        QCOMPARE(shown("helpTorvanaToolButton"), !opened[1].isEmpty());
        QTest::keyClick(m_window, Qt::Key_F1);
        QTest::keyClick(m_window, Qt::Key_F2);
        QLocale::setDefault(QLocale(QLocale::German));
        QList<QUrl> expected;
        for (const QString &name : opened)
            if (!name.isEmpty())
                expected << QUrl::fromLocalFile(dir.filePath(name));
        QCOMPARE(m_urls.urls, expected);
        QVERIFY(m_presenter.boxes.isEmpty());

        // A handler without the named slot makes opening fail.
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_urls, "missing");
        QTest::keyClick(m_window, Qt::Key_F1);
        QCOMPARE(m_presenter.texts(), opened[0].isEmpty() ? QStringList() : QStringList{
                 "Die Hilfedatei konnte nicht geöffnet werden!\n\nBitte überprüfen Sie, dass ein geeignetes Programm "
                 "zum Anzeigen von pdf-Dateien installiert ist!\n"});
    }

    void aboutDialogOverDimmedWindow()
    {
        QVERIFY(showWindow());
        QStringList seen;
        m_presenter.onDialog = [&](QDialog &dialog) {
            const auto *overlay = m_window->findChild<OverlayWidget *>();
            QVERIFY(overlay && overlay->isVisible() && overlay->geometry() == m_window->rect());
            m_window->resize(m_window->size() + QSize(40, 30));
            QCOMPARE(overlay->geometry(), m_window->rect());
            const Qt::WindowFlags flags = Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                | Qt::MSWindowsFixedSizeDialogHint;
            QVERIFY(dialog.parentWidget() == m_window && (dialog.windowFlags() & flags) == flags);
            seen << QLatin1String(dialog.metaObject()->className());
        };
        QTest::keyClick(m_window, Qt::Key_F9);
        click("aboutToolButton");
        QCOMPARE(seen, (QStringList{"AboutDialog", "AboutDialog"}));
        QVERIFY(!m_window->findChild<OverlayWidget *>());
    }

    void orientationMovesThePageButtons()
    {
        const auto orient = [this](Qt::ScreenOrientation orientation) {
            return QMetaObject::invokeMethod(m_window, "updateOrientation", Q_ARG(Qt::ScreenOrientation, orientation));
        };
        QVERIFY(orient(Qt::PortraitOrientation));
        QCOMPARE(widget("startButton")->parentWidget(), widget("horizontalButtonBar"));
        QVERIFY(shown("horizontalButtonBar") && !shown("verticalButtonBar"));
        QVERIFY(orient(Qt::InvertedLandscapeOrientation));
        QVERIFY(!shown("horizontalButtonBar") && shown("verticalButtonBar"));
        const auto *layout = qobject_cast<QVBoxLayout *>(widget("verticalButtonBar")->layout());
        for (int i = 0; i < 6; ++i)
            QCOMPARE(layout->itemAt(i)->widget(), widget(PageButtons[i]));
        QVERIFY(layout->itemAt(6)->spacerItem());
        QCOMPARE(layout->itemAt(7)->layout()->objectName(), QStringLiteral("statusLabelLayout"));
        QVERIFY(shown("connectedLabel") && shown("serialNumberLabel"));
    }

    void touchSelectsTheNumberFirst()
    {
        QVERIFY(showWindow());
        auto *spinBox = new QDoubleSpinBox(widget("contentWidget"));
        spinBox->setValue(12.5);
        spinBox->show();
        auto *lineEdit = spinBox->findChild<QLineEdit *>();
        QObject *filter = m_window;
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QFocusEvent focusOut(QEvent::FocusOut);
        QVERIFY(filter->eventFilter(lineEdit, &press));
        QCOMPARE(lineEdit->selectedText(), lineEdit->text());
        lineEdit->setCursorPosition(1);
        QVERIFY(!filter->eventFilter(lineEdit, &press)); // second touch places the cursor
        QVERIFY(!filter->eventFilter(spinBox, &focusOut));
        QVERIFY(filter->eventFilter(spinBox, &press)); // forgotten after losing the focus
        spinBox->setEnabled(false);
        filter->eventFilter(spinBox, &focusOut);
        QVERIFY(!filter->eventFilter(spinBox, &press));
    }

    // On a page that scrolls, a number field leaves the wheel and a drag to the page unless it has
    // the focus; a tap still focuses it with the number selected, and then the wheel changes it.
    void fieldsOnAScrollingPage()
    {
        m_window->resize(800, 400);
        QVERIFY(showWindow());
        QApplication::setActiveWindow(m_window);
        auto *area = static_cast<QAbstractScrollArea *>(widget("scrollArea"));
        // Narrower than the start page: it scrolls sideways too, nothing is cut off.
        QTRY_VERIFY(area->horizontalScrollBar()->isVisible());
        QVERIFY(widget("contentWidget")->width() >= widget("contentWidget")->minimumSizeHint().width());
        dataset().setValue(MotorType, Dasm); // the page shows all its fields
        click("driveDataButton");
        QScrollBar *bar = area->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 200);
        QDoubleSpinBox *field = nullptr;
        for (QDoubleSpinBox *candidate : widget("contentWidget")->findChildren<QDoubleSpinBox *>())
            if (!field && candidate->isVisible() && candidate->isEnabled() && !candidate->isReadOnly()
                && area->viewport()->rect().contains(candidate->mapTo(area->viewport(), QPoint(5, 5))))
                field = candidate;
        QVERIFY(field);
        auto *edit = field->findChild<QLineEdit *>();
        const double value = field->value();
        const auto wheel = [&](int delta) {
            QWheelEvent event(QPointF(5, 5), QPointF(edit->mapToGlobal(QPoint(5, 5))), QPoint(), QPoint(0, delta),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            // As from the window system (sendEvent would not let it travel up to the parents).
            QSpontaneKeyEvent::setSpontaneous(&event);
            QCoreApplication::instance()->notify(edit, &event);
        };
        const auto mouse = [&](QEvent::Type type, const QPoint &offset) {
            const QPoint at = edit->mapToGlobal(QPoint(5, 5)) + offset;
            QMouseEvent event(type, QPointF(edit->mapFromGlobal(at)), QPointF(at),
                              type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edit, &event);
        };

        wheel(-120);
        QVERIFY(field->value() == value && !field->hasFocus() && bar->value() > 0);
        const int wheeled = bar->value();
        mouse(QEvent::MouseButtonPress, {});
        mouse(QEvent::MouseMove, QPoint(0, -25));
        mouse(QEvent::MouseMove, QPoint(0, -60));
        mouse(QEvent::MouseButtonRelease, QPoint(0, -60));
        QVERIFY(bar->value() > wheeled && !field->hasFocus());
        for (int last = -1; last != bar->value(); QTest::qWait(150))
            last = bar->value(); // until the flick has run out

        mouse(QEvent::MouseButtonPress, {});
        mouse(QEvent::MouseButtonRelease, {});
        QTRY_VERIFY(field->hasFocus());
        QCOMPARE(edit->selectedText(), field->cleanText());
        wheel(field->value() > field->minimum() ? -120 : 120);
        QVERIFY(field->value() != value);
    }

    // A selection list opens at least as wide as a menu of the same entries would be, so that no entry
    // is cut; also after the entries change.
    void selectionListsShowWholeEntries()
    {
        QVERIFY(showWindow());
        click("inputOutputButton");
        const QString added = QStringLiteral("Ein besonders langer Eintrag, der später dazukommt");
        for (const auto &[name, extra] : {std::pair("din3ComboBox", QString()), {"relais1ComboBox", added}}) {
            auto *box = m_window->findChild<QComboBox *>(QLatin1String(name));
            QVERIFY(box);
            if (!extra.isEmpty()) {
                box->addItem(extra);
                QCoreApplication::processEvents();
            }
            QMenu menu;
            menu.setFont(box->view()->font());
            for (int i = 0; i < box->count(); ++i)
                menu.addAction(box->itemText(i));
            box->showPopup();
            QTRY_VERIFY(box->view()->isVisible());
            const int shown = box->view()->window()->width();
            box->hidePopup();
            QVERIFY2(shown >= menu.sizeHint().width(), qPrintable(QStringLiteral("%1: %2 < %3").arg(name).arg(shown)
                                                                       .arg(menu.sizeHint().width())));
        }
    }

    void shrinksToALowScreen_data()
    {
        QTest::addColumn<int>("pageIcons"); // 0: as designed
        QTest::newRow("window taller than the screen") << 0;
        // The stacked page buttons alone are taller than the screen: their icons give way.
        QTest::newRow("page buttons taller than the screen") << 100;
    }

    void shrinksToALowScreen()
    {
        QFETCH(int, pageIcons);
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        if (pageIcons)
            for (const char *name : PageButtons)
                static_cast<QToolButton *>(widget(name))->setIconSize(QSize(pageIcons, pageIcons));
        m_window->resize(available.width() - 40, available.height() + 300);
        QVERIFY(showWindow());
        QTRY_VERIFY(m_window->frameGeometry().height() <= available.height());
        const QRect frame = m_window->frameGeometry();
        QVERIFY(qAbs((frame.top() - available.top()) - (available.bottom() - frame.bottom())) <= 1);
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestMainWindow)
#include "tst_mainwindow.moc"
