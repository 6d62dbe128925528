// The start page against a scripted inverter: form, button rules, the motor
// memory questions and their details lists, placeholders, built-in motor types,
// device parameter set files, the set-point and the change banner. Every box
// and file dialog is recorded, none is shown.
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
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>

namespace {

// Frame types, parameter numbers, codes and flags restated from the protocol
// and the parameter list.
constexpr uint8_t FactoryReset = 2, SetParameter = 8, LoadMotorParams = 13, WriteMotorParams = 15,
                  DeleteMotorParams = 17;
enum : uint16_t { RatedFrequency = 1, MotorCode = 20, InverterFlags = 27, MaximumMotorFrequency = 42,
                  MotorType = 90, InputForStart = 140, InputForRatedFrequency = 141, DirectionOfRotation = 146,
                  MotorSets = 149 };
enum : uint16_t { Digital = 0x805C, Torvana = 0x805D, Analog = 0x805F, Pmsm = 0x8003, LeftHand = 0x8062,
                  RightHand = 0x8063 };
enum : uint16_t { Error = 0x0004, MotorRuns = 0x0008 };

using Box = RecordingPresenter::Box;

class ScriptedChooser : public FileChooser
{
public:
    QString answer, caption, directory, filter;

    QString openFileName(QWidget *, const QString &c, const QString &d, const QString &f) override
    {
        caption = c, directory = d, filter = f;
        return answer;
    }
    QString saveFileName(QWidget *, const QString &c, const QString &d, const QString &f) override
    {
        caption = c, directory = d, filter = f;
        return answer;
    }
};

const QString DetailsHint = QStringLiteral("Weitere Informationen finden Sie unter Details.");

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
    T *widget(const char *name) const
    {
        T *w = m_page->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }
    bool enabled(const char *name) const { return widget(name)->isEnabled(); }
    QComboBox *box(const char *name) const { return widget<QComboBox>(name); }
    static QStringList items(const QComboBox *comboBox)
    {
        QStringList list;
        for (int i = 0; i < comboBox->count(); ++i)
            list << comboBox->itemText(i);
        return list;
    }

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
        if (!connected.wait(5000))
            return false;
        QCoreApplication::processEvents();
        return true;
    }

    QVector<TestFrame::Decoded> frames(uint8_t type) const
    {
        QVector<TestFrame::Decoded> list;
        for (const auto &f : m_inverter->received)
            if (f.type == type)
                list.append(f);
        return list;
    }

    void chooseSlot(int number) { box("parametersetComboBox")->setCurrentIndex(number); }
    void chooseFamily(const QString &family)
    {
        QComboBox *families = box("motorBasetypesComboBox");
        families->setCurrentIndex(families->findText(family));
    }

private slots:
    void initTestCase() { StartupSettings::setApplicationIdentity(); }

    void init()
    {
        QSettings().clear();
        D2xx::setSystemSourcesEnabled(false);
        m_source = new FakeD2xxSource;
        D2xx::setTestSource(m_source);
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
        delete m_page;
        delete m_dataset;
        delete m_comm;
        delete m_inverter;
        m_inverter = nullptr;
        D2xx::setTestSource(nullptr);
        delete m_source;
    }

    void form_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("icon");
        QTest::newRow("load motor type") << "loadDrivePushButton" << "Motortyp laden" << ""
                                         << ":/Images/kbackgammon_engine.png";
        QTest::newRow("slot load") << "loadFromInverterPushButton" << "Laden" << "" << ":/Images/system-log-out.png";
        QTest::newRow("slot save") << "writeToInverterPushButton" << "Speichern" << "" << ":/Images/task-complete.png";
        QTest::newRow("slot delete") << "deleteFromInverterPushButton" << "Löschen" << ""
                                     << ":/Images/application-exit.png";
        QTest::newRow("file load") << "loadParamsFromFilePushButton" << "Aus Datei laden" << ""
                                   << ":/Images/document-open.png";
        QTest::newRow("file save") << "writeParamsToFilePushButton" << "In Datei speichern" << ""
                                   << ":/Images/document-save.png";
        QTest::newRow("factory") << "loadDefaultsPushButton" << "Werkseinstellung laden" << ""
                                 << ":/Images/edit-undo.png";
        QTest::newRow("start") << "startDriveButton" << "Start" << "" << ":/Images/media-playback-start.png";
        QTest::newRow("stop") << "stopDriveButton" << "Stopp" << "" << ":/Images/media-playback-stop.png";
        QTest::newRow("reset") << "resetButton" << "Reset" << "" << ":/Images/media-skip-backward.png";
        QTest::newRow("loaded caption") << "label_9" << "Aktuell geladen:" << "" << "";
        QTest::newRow("voltage caption") << "label_3" << "Motorspannung:" << "15" << "";
        QTest::newRow("current caption") << "label_4" << "Motorwirkstrom:" << "18" << "";
        QTest::newRow("slots") << "parametersetComboBox" << "Speicherplatz wählen..." << "20" << "";
        QTest::newRow("speed display") << "revolutionsUnitComboBox" << "in Hz" << "8" << "";
        QTest::newRow("set-point source") << "targetValueComboBox" << "Analoger Eingang" << "141" << "";
        QTest::newRow("start source") << "inputStartComboBox" << "Digitale Eingänge" << "140" << "";
        QTest::newRow("direction") << "rotationDirectionComboBox" << "Digitaler Eingang" << "146" << "";
        QTest::newRow("set-point") << "targetFrequencySpinBox" << "" << "1" << "";
        QTest::newRow("actual frequency") << "actualFrequencySpinBox" << "" << "13" << "";
        QTest::newRow("voltage") << "actualDriveVoltageSpinBox" << "" << "15" << "";
        QTest::newRow("current") << "actualActiveCurrentSpinBox" << "" << "18" << "";
    }

    void form()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, description);
        QFETCH(QString, icon);
        QWidget *w = widget(name.toLatin1().constData());
        QCOMPARE(w->accessibleDescription(), description);
        if (auto *button = qobject_cast<QPushButton *>(w)) {
            QCOMPARE(button->text(), text);
            QCOMPARE(button->icon().pixmap(24).toImage(), QIcon(icon).pixmap(24).toImage());
            QVERIFY(!button->icon().isNull());
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            QCOMPARE(label->text(), text);
        } else if (auto *comboBox = qobject_cast<QComboBox *>(w)) {
            QCOMPARE(comboBox->currentText(), text);
        }
    }

    void captionsAndUnits()
    {
        QCOMPARE(widget<QLabel>("targetFrequencyLabel")->text(), QStringLiteral("Frequenzsollwert: "));
        QCOMPARE(widget<QLabel>("targetValueLabel")->text(), QStringLiteral("Frequenzsollwertvorgabe: "));
        QCOMPARE(widget<QDoubleSpinBox>("actualActiveCurrentSpinBox")->suffix(), QStringLiteral(" A eff~"));
        QCOMPARE(widget<QDoubleSpinBox>("actualFrequencySpinBox")->toolTip(), QStringLiteral("Parameter P13"));
        QVERIFY(box("rotationDirectionComboBox")->toolTip().contains(QLatin1String(":/Images/CW_CCW_deu.png")));
        // 0x8006: speeds in min-1; the set-point source caption follows.
        m_dataset->setValue(8, 0x8006, false);
        QTRY_COMPARE(widget<QDoubleSpinBox>("targetFrequencySpinBox")->suffix(), QStringLiteral(" min-1"));
        QCOMPARE(widget<QLabel>("targetValueLabel")->text(), QStringLiteral("Drehzahlsollwertvorgabe: "));
        QCOMPARE(widget<QLabel>("actualFrequencyLabel")->text(), QStringLiteral("Drehzahlistwert: "));
    }

    void startStopRules_data()
    {
        QTest::addColumn<bool>("connect");
        QTest::addColumn<uint>("start");
        QTest::addColumn<uint>("source");
        QTest::addColumn<double>("setpoint");
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("buttons");
        QTest::addColumn<bool>("setpointField");
        QTest::newRow("digital inputs") << true << uint(Digital) << uint(Torvana) << 100.0 << false << false << true;
        QTest::newRow("set-point 0") << true << uint(Torvana) << uint(Torvana) << 0.0 << false << false << true;
        QTest::newRow("set-point 100") << true << uint(Torvana) << uint(Torvana) << 100.0 << false << true << true;
        QTest::newRow("analog set-point 0") << true << uint(Torvana) << uint(Analog) << 0.0 << false << true << false;
        QTest::newRow("not connected") << false << uint(Torvana) << uint(Torvana) << 100.0 << false << false << true;
        QTest::newRow("motor runs") << true << uint(Torvana) << uint(Torvana) << 100.0 << true << true << true;
    }

    void startStopRules()
    {
        QFETCH(bool, connect);
        QFETCH(uint, start);
        QFETCH(uint, source);
        QFETCH(double, setpoint);
        QFETCH(bool, running);
        if (connect)
            QVERIFY(connectInverter());
        setValues({{InputForStart, uint16_t(start)}, {InputForRatedFrequency, uint16_t(source)},
                   {InverterFlags, running ? MotorRuns : 0}});
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
        QVERIFY(!enabled("parametersetComboBox") && !enabled("loadDefaultsPushButton"));
        QVERIFY(connectInverter());
        setValues({{InputForStart, Torvana}, {InputForRatedFrequency, Torvana}});
        chooseSlot(3);
        QVERIFY(enabled("parametersetComboBox") && enabled("loadDefaultsPushButton"));
        QVERIFY(enabled("writeToInverterPushButton") && !enabled("resetButton"));

        setValues({{InverterFlags, MotorRuns | Error}});
        QTRY_VERIFY(!enabled("parametersetComboBox"));
        for (const char *name : {"loadFromInverterPushButton", "writeToInverterPushButton",
                                 "deleteFromInverterPushButton", "loadDefaultsPushButton"})
            QVERIFY2(!enabled(name), name);
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
        QVERIFY(!enabled("loadFromInverterPushButton"));

        chooseSlot(3);
        QCOMPARE(memories->currentText(), QStringLiteral("M3"));
        QCOMPARE(memories->itemText(0), QStringLiteral("keine Auswahl"));
        QCOMPARE(widget<QPushButton>("loadFromInverterPushButton")->text(), QStringLiteral("M3 laden"));
        QCOMPARE(widget<QPushButton>("writeToInverterPushButton")->text(), QStringLiteral("M3 speichern"));
        QCOMPARE(widget<QPushButton>("deleteFromInverterPushButton")->text(), QStringLiteral("M3 löschen"));
        QVERIFY(enabled("loadFromInverterPushButton") && enabled("deleteFromInverterPushButton"));

        // Retranslating puts the form's texts back; the choice and its texts stay.
        QEvent languageChange(QEvent::LanguageChange);
        QCoreApplication::sendEvent(m_page, &languageChange);
        QCOMPARE(memories->count(), 17);
        QCOMPARE(memories->itemText(0), QStringLiteral("keine Auswahl"));
        QCOMPARE(widget<QPushButton>("writeToInverterPushButton")->text(), QStringLiteral("M3 speichern"));

        chooseSlot(0);
        QCOMPARE(widget<QPushButton>("loadFromInverterPushButton")->text(), QStringLiteral("Laden"));
        QCOMPARE(widget<QPushButton>("writeToInverterPushButton")->text(), QStringLiteral("Speichern"));
        QCOMPARE(widget<QPushButton>("deleteFromInverterPushButton")->text(), QStringLiteral("Löschen"));
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
        QTest::newRow("load, none used")
            << "loadFromInverterPushButton" << 0u << 1 << "warning"
            << notAssigned + "\n\nAktuell sind keine Motorparametersätze definiert und können daher nicht "
                             "geladen werden."
            << "";
        QTest::newRow("save M5, only M5 used")
            << "writeToInverterPushButton" << 0b10000u << 5 << "question"
            << inUse + "\n\nFalls Sie den ausgewählten Motorparametersatz nicht überschreiben wollen, wählen Sie "
                       "Nein und anschießend einen anderen Speicherplatz aus.\n"
            << "";
        QTest::newRow("save M5 of M5, M7") << "writeToInverterPushButton" << 0b1010000u << 5 << "question"
                                           << inUse + "\n" + DetailsHint
                                           << "Aktuell sind die folgenden Parametersatzspeicher belegt: M5, M7. \n";
        QTest::newRow("delete M3") << "deleteFromInverterPushButton" << 0b100u << 3 << "question"
                                   << "Wollen Sie den ausgewählten Motorparametersatz M3 tatsächlich löschen?\n"
                                      "Eine Wiederherstellung des Parametersatzes ist anschließend nicht mehr "
                                      "möglich!\n"
                                   << "";
        QTest::newRow("delete M2 of M1, M3") << "deleteFromInverterPushButton" << 0b101u << 2 << "warning"
                                             << notDefined + "\n" + DetailsHint
                                             << "Aktuell sind die folgenden Parametersätze definiert: M1, M3. \n";
        QTest::newRow("delete, none used") << "deleteFromInverterPushButton" << 0u << 16 << "warning"
                                           << notDefined + "\nAktuell sind keine Parametersätze definiert.\n"
                                           << "";
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
        widget<QPushButton>(button.toLatin1().constData())->click();
        QCOMPARE(m_presenter.boxes.size(), 1);
        const Box shown = m_presenter.boxes.first();
        QTEST(shown.kind, "kind");
        QCOMPARE(shown.parent, nullptr);
        QCOMPARE(shown.title, QStringLiteral("Torvana"));
        QTEST(shown.text, "text");
        QTEST(shown.details, "details");
    }

    void motorMemoryTraffic()
    {
        QVERIFY(connectInverter());
        m_inverter->motorMemories[2] = {{MaximumMotorFrequency, 1234}};
        setValues({{MotorSets, 0b100}});

        // Load M3: one type 13 frame with (20, 2); the set arrives and is reported.
        chooseSlot(3);
        widget<QPushButton>("loadFromInverterPushButton")->click();
        QTRY_COMPARE(m_dataset->rawValue(MaximumMotorFrequency), uint16_t(1234));
        QTRY_COMPARE(m_presenter.boxes.size(), 1);
        QCOMPARE(m_presenter.boxes.last().text,
                 QStringLiteral("Der Motorparametersatz wurde erfolgreich vom Umrichter abgerufen!\n\n"));
        QCOMPARE(frames(LoadMotorParams).size(), 1);
        QCOMPARE(frames(LoadMotorParams).first().pairs, (QVector<QPair<uint16_t, uint16_t>>{{MotorCode, 2}}));

        // Overwrite M3 after the question, then store in the empty M1 without one.
        widget<QPushButton>("writeToInverterPushButton")->click();
        QCOMPARE(m_presenter.boxes.last().kind, QStringLiteral("question"));
        QTRY_COMPARE(m_presenter.boxes.size(), 3);
        QCOMPARE(m_presenter.boxes.last().text,
                 QStringLiteral("Der Parametersatz wurde erfolgreich zum Umrichter übertragen!\n\n"));
        QCOMPARE(frames(WriteMotorParams).last().pairs, (QVector<QPair<uint16_t, uint16_t>>{{MotorCode, 2}}));
        chooseSlot(1);
        widget<QPushButton>("writeToInverterPushButton")->click();
        QTRY_COMPARE(m_presenter.boxes.size(), 4);
        QCOMPARE(frames(WriteMotorParams).last().pairs, (QVector<QPair<uint16_t, uint16_t>>{{MotorCode, 0}}));
        QTRY_COMPARE(uint16_t(m_dataset->value(MotorSets)), uint16_t(0b101));

        // Delete M1 after the question.
        widget<QPushButton>("deleteFromInverterPushButton")->click();
        QTRY_COMPARE(m_presenter.boxes.size(), 6);
        QCOMPARE(m_presenter.boxes.last().text,
                 QStringLiteral("Der gewählte Parametersatz wurde erfolgreich gelöscht!\n\n"));
        QCOMPARE(frames(DeleteMotorParams).first().pairs, (QVector<QPair<uint16_t, uint16_t>>{{MotorCode, 0}}));
    }

    void responses_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("withParent");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("details");
        QTest::newRow("store, memory unusable")
            << 0 << 0x10 << false << "critical"
            << "Der Parametersatz konnte nicht gespeichert werden; der gewählte Parametersatzspeicher nicht "
               "verwendet werden kann!\n\n"
            << "";
        QTest::newRow("store, EEPROM") << 0 << 0x20 << false << "critical"
                                       << "Der Parametersatz konnte nicht gespeichert werden; es trat ein Fehler "
                                          "beim Schreiben in den Eeprom auf!\n\n"
                                       << "";
        QTest::newRow("store, refusals") << 0 << 0xFF << false << "critical"
                                         << "Beim Übertragen der vorgenommenen Einstellungen ist mindestens ein "
                                            "Fehler aufgetreten!\n" + DetailsHint
                                         << "P42";
        QTest::newRow("delete refused") << 1 << 1 << true << "critical"
                                        << "Der Parametersatz konnte nicht gelöscht werden!\n\n" << "";
        QTest::newRow("unrequested set") << 2 << 0 << false << "" << "" << "";
    }

    void responses()
    {
        QFETCH(int, answer);
        QFETCH(int, error);
        widget<QLineEdit>("halvexDriveLineEdit")->setText(QStringLiteral("0215 DCX - 150000 min-1"));
        if (answer == 0)
            m_page->writeParametersetResponseReceived(CommErrorCode(error), QStringLiteral("P42"));
        else if (answer == 1)
            m_page->deleteParametersetResponseReceived(CommErrorCode(error));
        else
            m_page->motorParametersReceived();
        QFETCH(QString, kind);
        if (kind.isEmpty()) {
            QVERIFY(m_presenter.boxes.isEmpty());
            QVERIFY(widget<QLineEdit>("halvexDriveLineEdit")->text().isEmpty());
            return;
        }
        QCOMPARE(m_presenter.boxes.size(), 1);
        QTEST(m_presenter.boxes.first().kind, "kind");
        QTEST(m_presenter.boxes.first().parent == m_page, "withParent");
        QCOMPARE(m_presenter.boxes.first().title, QStringLiteral("Fehler"));
        QTEST(m_presenter.boxes.first().text, "text");
        QTEST(m_presenter.boxes.first().details, "details");
    }

    void setpointAndDirection()
    {
        QVERIFY(connectInverter());
        setValues({{MaximumMotorFrequency, 1000}, {InputForStart, Torvana}, {InputForRatedFrequency, Digital}});
        QSignalSpy changed(m_page, &MonitoringWidgetHalvex::parameterChangedByUser);

        // Set-point entries reach the model (clamped to 1000 Hz) but raise no banner.
        auto *field = widget<QDoubleSpinBox>("targetFrequencySpinBox");
        field->setValue(400);
        QCOMPARE(m_dataset->value(RatedFrequency), 400.0);
        field->setValue(5000);
        QCOMPARE(field->value(), 1000.0);
        QCOMPARE(changed.count(), 0);

        QComboBox *direction = box("rotationDirectionComboBox");
        direction->setCurrentIndex(direction->findData(uint(LeftHand)));
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
        // The next poll (type 6) shows that everything written before it has arrived.
        QTRY_VERIFY(m_inverter->countOf(6) > 0);
        const auto written = frames(SetParameter);
        QFETCH(bool, sent);
        QCOMPARE(written.size(), sent ? 1 : 0);
        if (sent)
            QCOMPARE(written.first().pairs, (QVector<QPair<uint16_t, uint16_t>>{{RatedFrequency, 300}}));
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
        QComboBox *families = box("motorBasetypesComboBox");
        QCOMPARE(families->count(), 11);
        QCOMPARE(families->currentText(), QStringLiteral("Spindelfamilie wählen..."));
        QVERIFY(!enabled("motorSubtypesComboBox") && !enabled("loadDrivePushButton"));

        chooseFamily(family);
        QCOMPARE(families->count(), 10); // the placeholder is gone
        if (!type.isEmpty())
            box("motorSubtypesComboBox")->setCurrentIndex(box("motorSubtypesComboBox")->findText(type));
        QTEST(items(box("motorSubtypesComboBox")), "types");
        QCOMPARE(items(box("motorRpmComboBox")), speeds);
        QTEST(box("motorRpmComboBox")->currentText(), "speed");
        QCOMPARE(enabled("motorRpmComboBox"), !speeds.isEmpty());
        QCOMPARE(enabled("loadDrivePushButton"), speeds.size() == 1);
    }

    void loadBuiltInMotorType()
    {
        const QString file = QStringLiteral(":/Motors/0215 DCX - 150000 rpm.mtr");
        QSettings set(file, QSettings::IniFormat);
        const uint16_t maximum = uint16_t(set.value("Parameters/MaximumMotorFrequency").toUInt());
        QVERIFY(maximum != m_dataset->rawValue(MaximumMotorFrequency));

        chooseFamily(QStringLiteral("0215"));
        widget<QPushButton>("loadDrivePushButton")->click();
        QCOMPARE(m_dataset->rawValue(MaximumMotorFrequency), maximum);
        QCOMPARE(m_dataset->rawValue(MotorType), uint16_t(Pmsm));
        QCOMPARE(widget<QLineEdit>("halvexDriveLineEdit")->text(), QStringLiteral("0215 DCX - 150000 min-1"));
        QCOMPARE(m_presenter.boxes.size(), 1);
        QCOMPARE(m_presenter.boxes.first().text,
                 QStringLiteral("Der ausgewählte Motorparametersatz wurde erfolgreich geladen!\n\n"));

        // A parameter set read from the inverter replaces what was loaded.
        emit m_comm->currentParametersetReceived();
        QVERIFY(widget<QLineEdit>("halvexDriveLineEdit")->text().isEmpty());
    }

    void deviceSetFileNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no ending") << "set" << "set.mps";
        QTest::newRow("capital ending") << "set.MPS" << "set.MPS.mps";
        QTest::newRow("ending") << "set.mps" << "set.mps";
    }

    void deviceSetFileNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QTemporaryDir folder;
        m_chooser.answer = folder.filePath(typed);
        widget<QPushButton>("writeParamsToFilePushButton")->click();
        QCOMPARE(m_chooser.caption, QStringLiteral("Zu speichernde Geräteparametersatz-Datei wählen"));
        QCOMPARE(m_chooser.filter, QStringLiteral("Geräteparametersätze (*.mps)"));
        QVERIFY(QFileInfo(folder.filePath(saved)).size() > 0);
        QCOMPARE(QSettings().value("ParametersetDirectory").toString(), folder.path());
        QCOMPARE(m_presenter.boxes.size(), 1);
        QCOMPARE(m_presenter.boxes.first().text,
                 QStringLiteral("Der Geräteparametersatz wurde erfolgreich gespeichert!\n\n"));
    }

    void deviceSetRoundTrip()
    {
        // The default folder exists from the start.
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
            + QStringLiteral("/Torvana/Parametersets");
        QVERIFY(QFileInfo(folder).isDir());

        QTemporaryDir files;
        m_dataset->setValue(DirectionOfRotation, LeftHand, false);
        m_chooser.answer = files.filePath(QStringLiteral("spindle.mps"));
        widget<QPushButton>("writeParamsToFilePushButton")->click();
        QCOMPARE(m_chooser.directory, folder);

        m_dataset->setValue(DirectionOfRotation, RightHand, false);
        widget<QLineEdit>("halvexDriveLineEdit")->setText(QStringLiteral("0215 DCX - 150000 min-1"));
        widget<QPushButton>("loadParamsFromFilePushButton")->click();
        QCOMPARE(m_chooser.caption, QStringLiteral("Zu ladenden Geräteparametersatz wählen"));
        QCOMPARE(m_chooser.directory, files.path());
        QCOMPARE(uint16_t(m_dataset->value(DirectionOfRotation)), uint16_t(LeftHand));
        QVERIFY(widget<QLineEdit>("halvexDriveLineEdit")->text().isEmpty());
        QCOMPARE(m_presenter.boxes.last().text,
                 QStringLiteral("Der ausgewählte Geräteparametersatz wurde erfolgreich geladen!\n\n"));

        // An empty file is refused before the model sees it; cancelling does nothing.
        QFile empty(files.filePath(QStringLiteral("empty.mps")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        m_chooser.answer = empty.fileName();
        widget<QPushButton>("loadParamsFromFilePushButton")->click();
        QCOMPARE(m_presenter.boxes.last().kind, QStringLiteral("critical"));
        QCOMPARE(m_presenter.boxes.last().text,
                 QStringLiteral("Der ausgewählte Geräteparametersatz ist ungültig und konnte nicht geladen "
                                "werden!\n\n"));
        const int shown = m_presenter.boxes.size();
        m_chooser.answer.clear();
        widget<QPushButton>("loadParamsFromFilePushButton")->click();
        widget<QPushButton>("writeParamsToFilePushButton")->click();
        QCOMPARE(m_presenter.boxes.size(), shown);
    }

    void englishTexts()
    {
        chooseFamily(QStringLiteral("0215"));
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":/Translations/English.qm")));
        QCoreApplication::installTranslator(&english);
        QTRY_COMPARE(widget<QPushButton>("loadDrivePushButton")->text(), QStringLiteral("Load motor type"));
        QCOMPARE(box("parametersetComboBox")->itemText(0), QStringLiteral("Select parameter-set..."));
        QCOMPARE(box("motorRpmComboBox")->currentText(), QStringLiteral("150000 rpm"));
        QCOMPARE(widget<QDoubleSpinBox>("actualActiveCurrentSpinBox")->suffix(), QStringLiteral(" A RMS~"));
        QVERIFY(box("rotationDirectionComboBox")->toolTip().contains(QLatin1String(":/Images/CW_CCW_eng.png")));
        QCOMPARE(uint16_t(box("inputStartComboBox")->currentData().toUInt()), uint16_t(Digital));
        QCoreApplication::removeTranslator(&english);
        QTRY_COMPARE(widget<QPushButton>("loadDrivePushButton")->text(), QStringLiteral("Motortyp laden"));
    }

    void factoryReset_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }

    void factoryReset()
    {
        QFETCH(bool, yes);
        QVERIFY(connectInverter());
        widget<QLineEdit>("halvexDriveLineEdit")->setText(QStringLiteral("0215 DCX - 150000 min-1"));
        m_presenter.answer = yes;
        m_inverter->received.clear();
        widget<QPushButton>("loadDefaultsPushButton")->click();
        QCOMPARE(m_presenter.boxes.size(), 1);
        QVERIFY(m_presenter.boxes.first().text.startsWith(
            QLatin1String("Beim Laden der Werkseinstellungen werden alle auf dem Umrichter gespeicherten")));
        QCOMPARE(widget<QLineEdit>("halvexDriveLineEdit")->text().isEmpty(), yes);
        QTRY_VERIFY(m_inverter->countOf(6) > 0 && (!yes || m_inverter->countOf(FactoryReset) == 1));
        QCOMPARE(m_inverter->countOf(FactoryReset), yes ? 1 : 0);
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestMonitoringWidget)
#include "tst_monitoringwidget.moc"
