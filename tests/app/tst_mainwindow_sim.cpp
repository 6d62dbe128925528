// The program against the simulator: connects by itself, shows the identity and
// what the inverter holds, writes only what was changed, and keeps a set the user
// prepared before connecting.
#include "CompareDialog.h"
#include "MainWindow.h"
#include "RecordingPresenter.h"
#include "SimulatorProcess.h"
#include "StartupSettings.h"
#include "TemporaryHomeMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>

namespace {
// Raw values restated from the protocol: DASM, "Torvana" as start and set-point source.
const QMap<uint16_t, uint16_t> InverterHolds{{1, 900}, {42, 2500}, {46, 125}, {90, 0x8002}, {140, 0x805D}, {141, 0x805D}};
} // namespace

class TestMainWindowSimulator : public QObject
{
    Q_OBJECT

    SimulatorProcess m_simulator;
    QTranslator m_applicationTranslator, m_qtTranslator;

    QMap<uint16_t, int> simulatorSettings(const DatasetController &dataset)
    {
        QMap<uint16_t, int> values;
        for (uint16_t id = 1; id < 150; ++id)
            if (dataset.isComparable(id))
                values.insert(id, m_simulator.value(id));
        return values;
    }

    template <typename T>
    static T *field(QWidget &window, uint16_t id)
    {
        for (T *w : window.findChildren<T *>())
            if (w->accessibleDescription() == QString::number(id))
                return w;
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        StartupSettings::setApplicationIdentity();
        QStringList arguments{"--inverter-type", "4624", "--serial", "1234", "--firmware", "v3.1.4"};
        for (auto it = InverterHolds.cbegin(); it != InverterHolds.cend(); ++it)
            arguments << "--set" << QStringLiteral("%1=%2").arg(it.key()).arg(it.value());
        QVERIFY(m_simulator.start(QStringLiteral(TORVANA_SIMULATOR), arguments));
        StartupSettings::installLanguage(QLocale::German, m_applicationTranslator, m_qtTranslator);
    }

    void showsWhatTheInverterHoldsAndWritesOneChange()
    {
        RecordingPresenter presenter;
        MainWindow window(QLocale::German, &m_applicationTranslator, &m_qtTranslator);
        window.setMessagePresenter(&presenter);
        window.show();
        const auto text = [&window](const char *name) { return window.findChild<QLabel *>(name)->text(); };

        QTRY_COMPARE_WITH_TIMEOUT(text("connectedLabel"), QStringLiteral("Verbunden"), 10000);
        QTRY_COMPARE(text("deviceTypeLabel"), QStringLiteral("4624"));
        QCOMPARE(text("serialNumberLabel") + text("firmwareVersionLabel"), QStringLiteral("1234v3.1.4"));
        QTRY_VERIFY(text("errorStateLabel").contains(QStringLiteral("Umrichter betriebsbereit")));

        // No button pressed: the start page shows the inverter's set-point and sources.
        QTRY_COMPARE(field<QDoubleSpinBox>(window, 1)->value(), 900.0);
        QCOMPARE(field<QComboBox>(window, 140)->currentText(), QStringLiteral("Torvana"));
        QVERIFY(!window.findChild<QLabel *>(QStringLiteral("paramChangedLabel"))->isEnabled());
        QVERIFY(presenter.boxes.isEmpty());

        DatasetController &dataset = window.datasetController();
        const QMap<uint16_t, int> before = simulatorSettings(dataset);
        window.findChild<QToolButton *>(QStringLiteral("driveDataButton"))->click();
        field<QDoubleSpinBox>(window, 47)->setValue(8.0); // deceleration ramp 5.0 s -> 8.0 s
        QTRY_VERIFY(window.findChild<QLabel *>(QStringLiteral("paramChangedLabel"))->isEnabled());
        window.findChild<QPushButton *>(QStringLiteral("activateSavePushButton"))->click();
        QTRY_COMPARE(presenter.texts(),
                     QStringList{QStringLiteral("Die Parameter wurden erfolgreich zum Umrichter übertragen!\n\n")});
        QMap<uint16_t, int> expected = before;
        expected[47] = 80;
        QCOMPARE(simulatorSettings(dataset), expected);
        QVERIFY(!window.findChild<QLabel *>(QStringLiteral("paramChangedLabel"))->isEnabled());
    }

    // A set loaded before the connection is made stays the working copy; the
    // compare view lists exactly where it differs from the inverter.
    void aPreparedSetSurvivesTheConnect()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("prepared.mps"));
        QVector<uint16_t> differing;
        {
            DatasetController prepared(nullptr);
            for (uint16_t id = 1; id < 150; ++id)
                if (prepared.descriptor(id))
                    prepared.setRawValue(prepared.descriptor(id), uint16_t(std::max(0, m_simulator.value(id))));
            prepared.setValue(46, 3.0, false);
            prepared.setValue(141, 0x805C, false); // digital inputs
            QVERIFY(prepared.saveToFile(file));
            differing = {46, 141};
        }

        RecordingPresenter presenter;
        MainWindow window(QLocale::German, &m_applicationTranslator, &m_qtTranslator);
        window.setMessagePresenter(&presenter);
        QVERIFY(window.datasetController().loadFromFile(file) > 0); // before the first tick of the scan
        window.show();
        auto *banner = window.findChild<QLabel *>(QStringLiteral("paramChangedLabel"));
        QTRY_VERIFY_WITH_TIMEOUT(banner->isEnabled(), 10000);
        QCOMPARE(banner->toolTip(), QStringLiteral("2 Parameter weichen vom Umrichter ab."));
        QCOMPARE(window.datasetController().rawValue(46), uint16_t(30));

        QVector<uint16_t> listed;
        presenter.onDialog = [&](QDialog &dialog) {
            auto &compare = static_cast<CompareDialog &>(dialog);
            compare.findChild<QCheckBox *>(QStringLiteral("onlyDifferencesCheckBox"))->setChecked(true);
            listed = compare.shownParameters();
            const QString csv = dir.filePath(QStringLiteral("compare.csv"));
            QVERIFY(compare.exportCsv(csv));
            QFile exported(csv);
            QVERIFY(exported.open(QIODevice::ReadOnly));
            QCOMPARE(exported.readAll(), QByteArray("Parameter,Bezeichnung,Arbeitskopie,Umrichter\r\n"
                                                    "P46,Beschleunigungsrampe,3.0 s,12.5 s\r\n"
                                                    "P141,Frequenzsollwertvorgabe,Digitale Eingänge,Torvana\r\n"));
            // The inverter's own value comes back through the reference and the take-over.
            QVERIFY(compare.setReferenceFile(file));
            compare.setFactoryDefaultsAsReference();
            QVERIFY(compare.setTakeChecked(141, true));
            QCOMPARE(compare.takeCheckedReferenceValues(), 1);
        };
        window.findChild<QPushButton *>(QStringLiteral("compareButton"))->click();
        QCOMPARE(listed, differing);
        QCOMPARE(window.datasetController().rawValue(141), uint16_t(0x805F)); // the factory default
        QTRY_COMPARE(window.datasetController().differingParameters(), differing);
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestMainWindowSimulator)
#include "tst_mainwindow_sim.moc"
