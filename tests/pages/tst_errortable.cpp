#include "ErrorTable.h"

#include <QMap>
#include <QtTest>

#include <cmath>
#include <limits>

// The codes and their kinds are restated from the inverter's documentation rather
// than taken from the table, so that a row that goes missing or changes its kind
// shows up here.

namespace {

constexpr int error = 1;
constexpr int warning = 2;

const QMap<int, int> listedKinds = {
    {1, warning}, {2, error},   {3, error},   {4, error},   {5, error},   {6, error},
    {7, error},   {8, warning}, {9, error},   {11, error},  {14, error},  {15, error},
    {16, error},  {17, error},  {18, warning}, {22, warning}, {23, warning}, {24, warning},
    {26, warning}, {27, warning}, {28, warning}, {29, error}, {45, warning}, {53, error},
    {54, warning}, {55, warning}, {57, warning}, {58, error},
};

// Entries that explain themselves beyond title, cause and remedy.
const QList<int> codesWithDescription = {18, 24, 29};

} // namespace

class TestErrorTable : public QObject
{
    Q_OBJECT

private slots:
    void everySlot_data();
    void everySlot();
    void knownEntries_data();
    void knownEntries();
    void noEntry_data();
    void noEntry();
    void parameterValues_data();
    void parameterValues();
    void entriesStayPut();
    void untranslatedTextsPassThrough();

private:
    const ErrorTable m_table;
};

void TestErrorTable::everySlot_data()
{
    QTest::addColumn<int>("code");
    for (int code = 0; code < 64; ++code)
        QTest::addRow("code %d", code) << code;
}

void TestErrorTable::everySlot()
{
    QFETCH(int, code);
    const ErrorDescription *entry = m_table.entry(code);

    if (!listedKinds.contains(code)) {
        QVERIFY2(!entry, "a code without a row must have no entry");
        return;
    }
    QVERIFY(entry);
    QCOMPARE(entry->code, code);
    QCOMPARE(entry->kind, listedKinds.value(code));
    QVERIFY(!entry->title.isEmpty());
    QVERIFY(!entry->cause.isEmpty());
    QVERIFY(!entry->remedy.isEmpty());
    QCOMPARE(!entry->description.isEmpty(), codesWithDescription.contains(code));
}

void TestErrorTable::knownEntries_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("descriptionStart");
    QTest::addColumn<QString>("causeStart");

    QTest::newRow("7 I2t shutdown") << 7 << error << QStringLiteral("I²t Abschaltung") << QString()
                                    << QStringLiteral("I²t-Auslastung zu hoch");
    QTest::newRow("18 speed limit") << 18 << warning << QStringLiteral("Begrenzung Drehzahlsollwert aktiv")
                                    << QStringLiteral("Der interne Drehzahlsollwert der Motorsteuerung")
                                    << QStringLiteral("Parameter \"Drehzahlsollwert\"");
    QTest::newRow("1 first row") << 1 << warning
                                 << QStringLiteral("Motorstrom hat den Strombegrenzungswert erreicht") << QString()
                                 << QStringLiteral("Motor zu stark belastet");
    QTest::newRow("29 import error") << 29 << error
                                     << QStringLiteral("Fehler beim Parameterimport und/oder -export")
                                     << QStringLiteral("Es wurde kein Import oder Export")
                                     << QStringLiteral("Falsch konfigurierte");
    QTest::newRow("58 last row") << 58 << error << QStringLiteral("PMSM-Motor läuft nicht an") << QString()
                                 << QStringLiteral("Trotz mehrfacher Versuche");
}

void TestErrorTable::knownEntries()
{
    QFETCH(int, code);
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QString, descriptionStart);
    QFETCH(QString, causeStart);

    const ErrorDescription *entry = m_table.entry(code);
    QVERIFY(entry);
    QCOMPARE(entry->kind, kind);
    QCOMPARE(entry->title, title);
    if (descriptionStart.isEmpty())
        QVERIFY(entry->description.isEmpty());
    else
        QVERIFY2(entry->description.startsWith(descriptionStart), qPrintable(entry->description));
    QVERIFY2(entry->cause.startsWith(causeStart), qPrintable(entry->cause));
}

void TestErrorTable::noEntry_data()
{
    QTest::addColumn<int>("code");
    for (int code : {0, 10, 12, 13, 19, 63, 64, 65, 999, -1, std::numeric_limits<int>::min(),
                     std::numeric_limits<int>::max()})
        QTest::addRow("%d", code) << code;
}

void TestErrorTable::noEntry()
{
    QFETCH(int, code);
    QCOMPARE(m_table.entry(code), nullptr);
}

void TestErrorTable::parameterValues_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("code"); // -1: none

    QTest::newRow("whole") << 7.0 << 7;
    QTest::newRow("truncated, not rounded") << 7.9 << 7;
    QTest::newRow("last listed") << 58.0 << 58;
    QTest::newRow("zero") << 0.0 << -1;
    QTest::newRow("small negative truncates to 0") << -0.5 << -1;
    QTest::newRow("negative") << -7.0 << -1;
    QTest::newRow("just below the end") << 63.99 << -1;
    QTest::newRow("end of table") << 64.0 << -1;
    QTest::newRow("largest code") << 999.0 << -1;
    QTest::newRow("beyond int") << 1e12 << -1;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << -1;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << -1;
}

void TestErrorTable::parameterValues()
{
    QFETCH(double, value);
    QFETCH(int, code);

    const ErrorDescription *entry = m_table.entryForValue(value);
    if (code < 0) {
        QCOMPARE(entry, nullptr);
    } else {
        QVERIFY(entry);
        QCOMPARE(entry->code, code);
    }
}

void TestErrorTable::entriesStayPut()
{
    const ErrorDescription *before = m_table.entry(18);
    for (int code = -5; code < 70; ++code)
        (void)m_table.entry(code);
    QCOMPARE(m_table.entry(18), before);
    QCOMPARE(m_table.entryForValue(18.2), before);
}

void TestErrorTable::untranslatedTextsPassThrough()
{
    // No catalogue installed: the German source text comes back unchanged.
    QCOMPARE(ErrorDescription::translated(m_table.entry(7)->title), QStringLiteral("I²t Abschaltung"));
    QCOMPARE(ErrorDescription::translated(QString()), QString());
}

QTEST_GUILESS_MAIN(TestErrorTable)
#include "tst_errortable.moc"
