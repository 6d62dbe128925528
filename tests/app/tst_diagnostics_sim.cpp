// The diagnostics page against the simulator: a raised error reaches the list, its explanation
// and the state line, the page's reset clears it, and an inversion box flips relay 1.
#include "DiagnosticsWidgetHalvex.h"
#include "MainWindow.h"
#include "RecordingPresenter.h"
#include "SimulatorProcess.h"
#include "StartupSettings.h"
#include "TemporaryHomeMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QToolButton>
#include <QTranslator>

namespace {
enum { RelayAndLedControl = 101, Relay1Output = 0x0001, Relay1Inversion = 0x0010 };
} // namespace

class TestDiagnosticsSimulator : public QObject
{
    Q_OBJECT

    SimulatorProcess m_simulator;

private slots:
    void errorResetAndRelayInversion()
    {
        StartupSettings::setApplicationIdentity();
        QVERIFY(m_simulator.start(QStringLiteral(TORVANA_SIMULATOR)));
        QTranslator applicationTranslator, qtTranslator;
        StartupSettings::installLanguage(QLocale::German, applicationTranslator, qtTranslator);
        RecordingPresenter presenter;
        MainWindow window(QLocale::German, &applicationTranslator, &qtTranslator);
        window.setMessagePresenter(&presenter);
        window.show();
        const auto stateLine = [&window] {
            return window.findChild<QLabel *>(QStringLiteral("errorStateLabel"))->text();
        };

        QTRY_COMPARE_WITH_TIMEOUT(window.findChild<QLabel *>(QStringLiteral("connectedLabel"))->text(),
                                  QStringLiteral("Verbunden"), 10000);
        QTRY_VERIFY(stateLine().contains(QStringLiteral("Umrichter betriebsbereit")));

        window.findChild<QToolButton *>(QStringLiteral("diagnosticsButton"))->click();
        auto *page = window.findChild<DiagnosticsWidgetHalvex *>();
        QTRY_VERIFY(page->isVisible());
        auto *firstError = page->findChild<QLineEdit *>(QStringLiteral("error1LineEdit"));
        auto *help = page->findChild<QPushButton *>(QStringLiteral("error1PushButton"));
        auto *description = page->findChild<QTextEdit *>(QStringLiteral("errorDescriptionTextEdit"));
        auto *reset = page->findChild<QPushButton *>(QStringLiteral("resetButton"));
        auto *relay1Inversion = page->findChild<QCheckBox *>(QStringLiteral("relay1InvertCheckBox"));
        QVERIFY(!reset->isEnabled());
        QVERIFY(!m_simulator.command(QStringLiteral("error 7"), QRegularExpression(QStringLiteral("^error 7 raised"))).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(firstError->text(), QStringLiteral("7"), 5000);
        help->click();
        QCOMPARE(description->toPlainText().split('\n', Qt::SkipEmptyParts).mid(0, 3),
                 (QStringList{"Fehler 7 - I²t Abschaltung", "Ursache", "I²t-Auslastung zu hoch, daher Motor abgeschaltet."}));
        QTRY_VERIFY_WITH_TIMEOUT(stateLine().contains(QStringLiteral("Fehler 7 - I²t Abschaltung")), 5000);
        QTRY_VERIFY(reset->isEnabled());

        // The page's reset clears the error in the inverter (InverterFlags bit 2).
        reset->click();
        QVERIFY(description->toPlainText().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!reset->isEnabled(), 5000);
        QCOMPARE(m_simulator.value(27) & 0x0004, 0);
        QTRY_VERIFY_WITH_TIMEOUT(stateLine().contains(QStringLiteral("Umrichter betriebsbereit")), 5000);
        QVERIFY(!stateLine().contains(QStringLiteral("Fehler")));
        QCOMPARE(firstError->text(), QStringLiteral("7")); // the history stays

        // Inverting relay 1 flips its output in the inverter, and the box stays ticked.
        const int before = m_simulator.value(RelayAndLedControl);
        QVERIFY(before >= 0 && !(before & Relay1Inversion) && relay1Inversion->isEnabled());
        relay1Inversion->click();
        const int expected = Relay1Inversion | ((before & Relay1Output) ^ Relay1Output);
        QTRY_COMPARE_WITH_TIMEOUT(m_simulator.value(RelayAndLedControl) & (Relay1Inversion | Relay1Output), expected,
                                  5000);
        // Three more polls: the box must not fall back to an old word.
        QSignalSpy polls(&window.datasetController(), &DatasetController::diagnosticsParametersUpdated);
        QTRY_VERIFY_WITH_TIMEOUT(polls.count() >= 3, 5000);
        QVERIFY(relay1Inversion->isChecked());
        for (const RecordingPresenter::Box &box : qAsConst(presenter.boxes))
            QVERIFY2(box.kind != QLatin1String("critical"), qPrintable(box.text));
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestDiagnosticsSimulator)
#include "tst_diagnostics_sim.moc"
