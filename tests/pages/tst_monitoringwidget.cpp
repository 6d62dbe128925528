// The start page against a scripted inverter; every box and file dialog is recorded, none is shown.
#include "../app/TemporaryHomeMain.h"
#include "CommunicationController.h"
#include "DatasetController.h"
#include "FakeD2xxSource.h"
#include "FakeInverter.h"
#include "FileChooser.h"
#include "MonitoringWidgetHalvex.h"
#include "RecordingPresenter.h"
#include "StartupSettings.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

// Frame types, parameter numbers, codes and flags restated from the protocol and the parameter list.
namespace {
constexpr uint8_t Poll = 6, SetParameter = 8;
enum : uint16_t { RatedFrequency = 1, InverterFlags = 27, MaximumMotorFrequency = 42,
                  MotorType = 90, InputForStart = 140, InputForRatedFrequency = 141, DirectionOfRotation = 146,
                  MotorSets = 149 };
enum : uint16_t { Digital = 0x805C, Torvana = 0x805D, Analog = 0x805F, Pmsm = 0x8003, LeftHand = 0x8062,
                  RightHand = 0x8063, Error = 0x0004, MotorRuns = 0x0008 };
using Pairs = QVector<QPair<uint16_t, uint16_t>>;
const QString DetailsHint = QStringLiteral("Weitere Informationen finden Sie unter Details.");
const QString Dcx = QStringLiteral("0215 DCX - 150000 min-1");

class ScriptedChooser : public FileChooser
{
public:
    QString answer, directory;
    QString openFileName(QWidget *, const QString &, const QString &d, const QString &) override { return pick(d); }
    QString saveFileName(QWidget *, const QString &, const QString &d, const QString &) override { return pick(d); }
    QString pick(const QString &d) { directory = d; return answer; }
};
} // namespace

class TestMonitoringWidget : public QObject
{
    Q_OBJECT

    FakeD2xxSource *m_source = nullptr;
    FakeInverter *m_inverter = nullptr;
    CommunicationController *m_comm = nullptr;
    DatasetController *m_dataset = nullptr;
    MonitoringWidgetHalvex *m_page = nullptr;
    RecordingPresenter m_presenter;
    ScriptedChooser m_chooser;

    template <class T = QWidget>
    T *widget(const QString &name) const { return m_page->findChild<T *>(name); }
    bool enabled(const char *name) const { return widget(name)->isEnabled(); }
    QComboBox *box(const char *name) const { return widget<QComboBox>(name); }
    void click(const char *button) { widget<QPushButton>(button)->click(); }
    QString buttonText(const char *button) const { return widget<QPushButton>(button)->text(); }
    QString loaded() const { return widget<QLineEdit>("halvexDriveLineEdit")->text(); }
    void chooseSlot(int number) { box("parametersetComboBox")->setCurrentIndex(number); }
    void chooseText(const char *comboBox, const QString &text) { box(comboBox)->setCurrentIndex(box(comboBox)->findText(text)); }

    // Into the inverter (so that polling keeps them) and into the model.
    void setValues(const QMap<uint16_t, uint16_t> &values)
    {
        if (m_inverter)
            for (auto it = values.cbegin(); it != values.cend(); ++it)
                m_inverter->values[it.key()] = it.value();
        m_dataset->deviceParameterUpdate(values);
        QCoreApplication::processEvents();
    }

    [[nodiscard]] bool connectInverter()
    {
        QSignalSpy connected(m_comm, &CommunicationController::connectedToDevice);
        m_source->addDevice("INVERTER");
        m_inverter = new FakeInverter(*m_source, 0);
        const bool ok = connected.wait(5000);
        QCoreApplication::processEvents();
        return ok;
    }

private slots:
    void initTestCase() { StartupSettings::setApplicationIdentity(); }

    void init()
    {
        QSettings().clear();
        D2xx::setSystemSourcesEnabled(false);
        D2xx::setTestSource(m_source = new FakeD2xxSource);
        m_comm = new CommunicationController;
        m_dataset = new DatasetController(m_comm);
        m_page = new MonitoringWidgetHalvex(m_dataset, m_comm);
        m_page->setMessagePresenter(&m_presenter);
        m_page->setFileChooser(&m_chooser);
        m_presenter.boxes.clear();
        m_presenter.answer = true;
        m_chooser.answer.clear();
        m_page->show();
    }

    void cleanup()
    {
        delete m_page, delete m_dataset, delete m_comm, delete m_inverter, m_inverter = nullptr;
        D2xx::setTestSource(nullptr);
        delete m_source;
    }

    void startStopRules_data()
    {
        QTest::addColumn<bool>("connect");
        QTest::addColumn<uint>("start");
        QTest::addColumn<uint>("source");
        QTest::addColumn<double>("setpoint");
        QTest::addColumn<bool>("buttons");
        QTest::addColumn<bool>("setpointField");
        QTest::newRow("digital inputs") << true << uint(Digital) << uint(Torvana) << 100.0 << false << true;
        QTest::newRow("set-point 0") << true << uint(Torvana) << uint(Torvana) << 0.0 << false << true;
        QTest::newRow("set-point 100") << true << uint(Torvana) << uint(Torvana) << 100.0 << true << true;
        QTest::newRow("analog set-point 0") << true << uint(Torvana) << uint(Analog) << 0.0 << true << false;
        QTest::newRow("not connected") << false << uint(Torvana) << uint(Torvana) << 100.0 << false << true;
    }
    void startStopRules()
    {
        QFETCH(bool, connect);
        QFETCH(uint, start);
        QFETCH(uint, source);
        QFETCH(double, setpoint);
        if (connect)
            QVERIFY(connectInverter());
        setValues({{InputForStart, uint16_t(start)}, {InputForRatedFrequency, uint16_t(source)}});
        // The model never holds a set-point below the minimum frequency; the rule reads the field.
        auto *field = widget<QDoubleSpinBox>("targetFrequencySpinBox");
        const QSignalBlocker blocker(field);
        field->setValue(setpoint);
        m_page->checkStartStopButtons();
        QTEST(enabled("startDriveButton"), "buttons");
        QTEST(enabled("stopDriveButton"), "buttons");
        QTEST(field->isEnabled(), "setpointField");
        QTEST(enabled("targetFrequencyLabel"), "setpointField");
    }

    void motorStateAndErrorLocks()
    {
        const auto slotButtons = {"loadFromInverterPushButton", "writeToInverterPushButton",
                                  "deleteFromInverterPushButton"};
        QEvent languageChange(QEvent::LanguageChange); // re-labels the slot buttons, locks stay
        QVERIFY(!enabled("parametersetComboBox") && !enabled("loadDefaultsPushButton"));
        chooseSlot(2);
        QCoreApplication::sendEvent(m_page, &languageChange);
        for (const char *name : slotButtons)
            QVERIFY2(!enabled(name), name);
        QVERIFY(connectInverter());
        setValues({{InputForStart, Torvana}, {InputForRatedFrequency, Torvana}, {RatedFrequency, 100}});
        chooseSlot(3);
        QVERIFY(enabled("writeToInverterPushButton") && enabled("loadDefaultsPushButton") && !enabled("resetButton"));
        setValues({{InverterFlags, MotorRuns | Error}});
        QTRY_VERIFY(!enabled("parametersetComboBox"));
        QCoreApplication::sendEvent(m_page, &languageChange);
        for (const char *name : slotButtons)
            QVERIFY2(!enabled(name), name);
        QVERIFY(!enabled("loadDefaultsPushButton"));
        for (const char *name : {"startDriveButton", "stopDriveButton", "resetButton", "targetFrequencySpinBox",
                                 "rotationDirectionComboBox"})
            QVERIFY2(enabled(name), name);
        setValues({{InverterFlags, 0}});
        QTRY_VERIFY(enabled("parametersetComboBox") && enabled("deleteFromInverterPushButton"));
        QVERIFY(!enabled("resetButton"));
    }

    void slotPlaceholder()
    {
        QVERIFY(connectInverter());
        QComboBox *memories = box("parametersetComboBox");
        QCOMPARE(memories->count(), 17);
        QCOMPARE(memories->currentText(), QStringLiteral("Speicherplatz wählen..."));
        chooseSlot(3);
        // Retranslating puts the form's texts back; the choice and its texts stay.
        QEvent languageChange(QEvent::LanguageChange);
        QCoreApplication::sendEvent(m_page, &languageChange);
        QCOMPARE(memories->itemText(0), QStringLiteral("keine Auswahl"));
        QCOMPARE(memories->currentText(), QStringLiteral("M3"));
        const auto texts = [this] {
            return QStringList{buttonText("loadFromInverterPushButton"), buttonText("writeToInverterPushButton"),
                               buttonText("deleteFromInverterPushButton")};
        };
        QCOMPARE(texts(), (QStringList{"M3 laden", "M3 speichern", "M3 löschen"}));
        QVERIFY(enabled("loadFromInverterPushButton") && enabled("deleteFromInverterPushButton"));
        chooseSlot(0);
        QCOMPARE(texts(), (QStringList{"Laden", "Speichern", "Löschen"}));
        QVERIFY(!enabled("loadFromInverterPushButton") && !enabled("writeToInverterPushButton")
                && !enabled("deleteFromInverterPushButton"));
    }

    void motorMemoryBoxes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<uint>("mask");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("details");
        const QString notAssigned =
            QStringLiteral("Der ausgewählte Motorparametersatz ist nicht belegt und kann nicht geladen werden!");
        const QString inUse = QStringLiteral("Der ausgewählte Parametersatz-Speicher ist bereits belegt. Wollen Sie "
                                             "den vorhandenen Motorparametersatz überschreiben?");
        const QString notDefined = QStringLiteral(
            "Der ausgewählte Parametersatz ist nicht belegt und kann daher nicht gelöscht werden!");
        QTest::newRow("load M2 of M1, M3") << "loadFromInverterPushButton" << 0b101u << 2 << "warning"
                                           << notAssigned + "\n" + DetailsHint
                                           << "Es können nur Motorparametersätze geladen werden, die bereits "
                                              "definiert wurden. Aktuell sind folgende Motorparametersätze "
                                              "definiert und können geladen werden: M1, M3. \n";
        QTest::newRow("save M5, only M5 used")
            << "writeToInverterPushButton" << 0b10000u << 5 << "question"
            << inUse + "\n\nFalls Sie den ausgewählten Motorparametersatz nicht überschreiben wollen, wählen Sie "
                       "Nein und anschießend einen anderen Speicherplatz aus.\n"
            << "";
        QTest::newRow("save M5 of M5, M7") << "writeToInverterPushButton" << 0b1010000u << 5 << "question"
                                           << inUse + "\n" + DetailsHint
                                           << "Aktuell sind die folgenden Parametersatzspeicher belegt: M5, M7. \n";
        QTest::newRow("delete M2 of M1, M3") << "deleteFromInverterPushButton" << 0b101u << 2 << "warning"
                                             << notDefined + "\n" + DetailsHint
                                             << "Aktuell sind die folgenden Parametersätze definiert: M1, M3. \n";
    }
    void motorMemoryBoxes()
    {
        QFETCH(QString, button);
        QFETCH(uint, mask);
        QFETCH(int, slot);
        QVERIFY(connectInverter());
        setValues({{MotorSets, uint16_t(mask)}});
        chooseSlot(slot);
        m_presenter.answer = false;
        widget<QPushButton>(button)->click();
        QCOMPARE(m_presenter.boxes.size(), 1);
        QTEST(m_presenter.boxes.first().kind, "kind");
        QTEST(m_presenter.boxes.first().text, "text");
        QTEST(m_presenter.boxes.first().details, "details");
    }

    // The set-point raises no banner and Enter sends it only when the start is not this page's.
    void setpointAndDirection()
    {
        QVERIFY(connectInverter());
        setValues({{MaximumMotorFrequency, 1000}, {InputForStart, Torvana}, {InputForRatedFrequency, Digital}});
        QSignalSpy changed(m_page, &MonitoringWidgetHalvex::parameterChangedByUser);
        auto *field = widget<QDoubleSpinBox>("targetFrequencySpinBox");
        field->setValue(400);
        QCOMPARE(m_dataset->value(RatedFrequency), 400.0);
        field->setValue(5000);
        QCOMPARE(field->value(), 1000.0);
        QCOMPARE(changed.count(), 0);
        box("rotationDirectionComboBox")->setCurrentIndex(box("rotationDirectionComboBox")->findData(uint(LeftHand)));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(uint16_t(m_dataset->value(DirectionOfRotation)), uint16_t(LeftHand));
    }

    void enterSendsSetpoint_data()
    {
        QTest::addColumn<uint>("start");
        QTest::addColumn<uint>("source");
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("sent");
        QTest::newRow("started by inputs") << uint(Digital) << uint(Torvana) << false << true;
        QTest::newRow("stopped, started here") << uint(Torvana) << uint(Torvana) << false << false;
        QTest::newRow("running, started here") << uint(Torvana) << uint(Torvana) << true << true;
        QTest::newRow("analog set-point") << uint(Digital) << uint(Analog) << true << false;
    }
    void enterSendsSetpoint()
    {
        QFETCH(uint, start);
        QFETCH(uint, source);
        QFETCH(bool, running);
        QFETCH(bool, sent);
        QVERIFY(connectInverter());
        setValues({{MaximumMotorFrequency, 1000}, {InputForStart, uint16_t(start)},
                   {InputForRatedFrequency, uint16_t(source)}, {RatedFrequency, 300},
                   {InverterFlags, running ? MotorRuns : 0}});
        auto *field = widget<QDoubleSpinBox>("targetFrequencySpinBox");
        field->setEnabled(true);
        QApplication::setActiveWindow(m_page);
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        m_inverter->received.clear();
        QTest::keyClick(field, Qt::Key_Return);
        // Enter in another field is swallowed.
        box("inputStartComboBox")->setFocus();
        QTRY_VERIFY(box("inputStartComboBox")->hasFocus());
        QTest::keyClick(box("inputStartComboBox"), Qt::Key_Return);
        // The next poll shows that everything written before it has arrived.
        QTRY_VERIFY(m_inverter->countOf(Poll) > 0);
        QCOMPARE(m_inverter->countOf(SetParameter), sent ? 1 : 0);
        for (const auto &frame : m_inverter->received)
            if (frame.type == SetParameter)
                QCOMPARE(frame.pairs, (Pairs{{RatedFrequency, 300}}));
    }

    void spindleChoices_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("type"); // chosen after the family, if any
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<QStringList>("speeds");
        QTest::addColumn<QString>("speed");
        QTest::newRow("one type, one speed") << "0215" << "" << QStringList{"DCX"} << QStringList{"150000 min-1"}
                                             << "150000 min-1";
        QTest::newRow("one type, three speeds")
            << "0306" << "" << QStringList{"DCM"}
            << QStringList{"Maximaldrehzahl wählen...", "60000 min-1", "80000 min-1", "100000 min-1"}
            << "Maximaldrehzahl wählen...";
        QTest::newRow("two types") << "0318" << "" << QStringList{"Spindeltyp wählen...", "ACK", "ACK-S"}
                                   << QStringList{} << "";
        QTest::newRow("type with one speed") << "0318" << "ACK-S" << QStringList{"ACK", "ACK-S"}
                                             << QStringList{"50000 min-1"} << "50000 min-1";
    }
    void spindleChoices()
    {
        QFETCH(QString, family);
        QFETCH(QString, type);
        QFETCH(QStringList, speeds);
        QCOMPARE(box("motorBasetypesComboBox")->count(), 11);
        QVERIFY(!enabled("motorSubtypesComboBox") && !enabled("loadDrivePushButton"));
        chooseText("motorBasetypesComboBox", family);
        QCOMPARE(box("motorBasetypesComboBox")->count(), 10); // the placeholder is gone
        if (!type.isEmpty())
            chooseText("motorSubtypesComboBox", type);
        auto items = [](const QComboBox *comboBox) {
            QStringList list;
            for (int i = 0; i < comboBox->count(); ++i)
                list << comboBox->itemText(i);
            return list;
        };
        QTEST(items(box("motorSubtypesComboBox")), "types");
        QCOMPARE(items(box("motorRpmComboBox")), speeds);
        QTEST(box("motorRpmComboBox")->currentText(), "speed");
        QCOMPARE(enabled("loadDrivePushButton"), speeds.size() == 1);
        // Filled after the page was first shown, the box still shows its text whole.
        QComboBox probe(m_page);
        probe.setSizeAdjustPolicy(QComboBox::AdjustToContents);
        probe.addItem(box("motorRpmComboBox")->currentText());
        QTRY_VERIFY(box("motorRpmComboBox")->width() >= probe.sizeHint().width());
    }

    void loadBuiltInMotorType()
    {
        QSettings set(QStringLiteral(":/Motors/0215 DCX - 150000 rpm.mtr"), QSettings::IniFormat);
        const uint16_t maximum = uint16_t(set.value("Parameters/MaximumMotorFrequency").toUInt());
        QVERIFY(maximum != m_dataset->rawValue(MaximumMotorFrequency));
        chooseText("motorBasetypesComboBox", "0215");

        // While the motor runs its stopped-only parameters cannot be taken: nothing is loaded.
        setValues({{InverterFlags, MotorRuns}});
        m_chooser.answer = QStringLiteral("/nonexistent.mps");
        click("loadDrivePushButton");
        click("loadParamsFromFilePushButton");
        QVERIFY(m_chooser.directory.isEmpty() && loaded().isEmpty());
        QVERIFY(m_dataset->rawValue(MaximumMotorFrequency) != maximum);
        QCOMPARE(m_presenter.texts(),
                 (QStringList{"Der ausgewählte Motorparametersatz kann nicht geladen werden, solange der Motor "
                              "läuft!\n\nBitte stoppen Sie den Motor und laden Sie den Motorparametersatz erneut.",
                              "Ein Geräteparametersatz kann nicht geladen werden, solange der Motor läuft!\n\n"
                              "Bitte stoppen Sie den Motor und laden Sie den Geräteparametersatz erneut."}));
        QCOMPARE(m_presenter.boxes.first().kind, QStringLiteral("warning"));
        m_presenter.boxes.clear();
        setValues({{InverterFlags, 0}});

        click("loadDrivePushButton");
        QCOMPARE(m_dataset->rawValue(MaximumMotorFrequency), maximum);
        QCOMPARE(m_dataset->rawValue(MotorType), uint16_t(Pmsm));
        QCOMPARE(loaded(), Dcx);
        QCOMPARE(m_presenter.texts(),
                 QStringList{"Der ausgewählte Motorparametersatz wurde erfolgreich geladen!\n\n"});

        // A set read after connecting keeps a working copy with the user's motor
        // type and its name; a set that replaces the working copy clears it.
        emit m_comm->currentParametersetReceived();
        QCOMPARE(loaded(), Dcx);
        QVERIFY(connectInverter());
        m_inverter->values.insert(MaximumMotorFrequency, maximum);
        m_dataset->readParametersetFromDevice();
        QTRY_VERIFY(loaded().isEmpty());
    }

    void deviceSetFiles_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no ending") << "set" << "set.mps";
        QTest::newRow("capital ending") << "set.MPS" << "set.MPS.mps";
        QTest::newRow("ending") << "set.mps" << "set.mps";
    }
    void deviceSetFiles()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
            + QStringLiteral("/Torvana/Parametersets");
        QTemporaryDir files;
        m_dataset->setValue(DirectionOfRotation, LeftHand, false);
        m_chooser.answer = files.filePath(typed);
        click("writeParamsToFilePushButton");
        QCOMPARE(m_chooser.directory, folder); // exists from the start
        QVERIFY(QFileInfo(files.filePath(saved)).size() > 0);
        QCOMPARE(QSettings().value("ParametersetDirectory").toString(), files.path());

        m_dataset->setValue(DirectionOfRotation, RightHand, false);
        widget<QLineEdit>("halvexDriveLineEdit")->setText(Dcx);
        m_chooser.answer = files.filePath(saved);
        click("loadParamsFromFilePushButton");
        QCOMPARE(m_chooser.directory, files.path());
        QCOMPARE(uint16_t(m_dataset->value(DirectionOfRotation)), uint16_t(LeftHand));
        QVERIFY(loaded().isEmpty());

        // An empty file is refused before the model sees it; cancelling does nothing.
        QFile empty(files.filePath(QStringLiteral("empty.mps")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        m_chooser.answer = empty.fileName();
        click("loadParamsFromFilePushButton");
        m_chooser.answer.clear();
        click("loadParamsFromFilePushButton");
        click("writeParamsToFilePushButton");
        QCOMPARE(m_presenter.texts(),
                 (QStringList{"Der Geräteparametersatz wurde erfolgreich gespeichert!\n\n",
                              "Der ausgewählte Geräteparametersatz wurde erfolgreich geladen!\n\n",
                              "Der ausgewählte Geräteparametersatz ist ungültig und konnte nicht geladen "
                              "werden!\n\n"}));
    }

};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestMonitoringWidget)
#include "tst_monitoringwidget.moc"
