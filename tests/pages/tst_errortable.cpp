#include "ErrorTable.h"

#include <QMap>
#include <QtTest>

#include <limits>

// Codes and kinds restated from the inverter's documentation, so that a row that
// goes missing or changes its kind shows up here.
namespace {
constexpr int E = 1, W = 2;
const QMap<int, int> listedKinds = {
    {1, W},  {2, E},  {3, E},  {4, E},  {5, E},  {6, E},  {7, E},  {8, W},  {9, E},  {11, E},
    {14, E}, {15, E}, {16, E}, {17, E}, {18, W}, {22, W}, {23, W}, {24, W}, {26, W}, {27, W},
    {28, W}, {29, E}, {45, W}, {53, E}, {54, W}, {55, W}, {57, W}, {58, E},
};
} // namespace

class TestErrorTable : public QObject
{
    Q_OBJECT

    const ErrorTable m_table;

private slots:
    void everySlot()
    {
        for (int code : {-1, 64, 999, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
            QCOMPARE(m_table.entry(code), nullptr);
        for (int code = 0; code < 64; ++code) {
            const ErrorDescription *entry = m_table.entry(code);
            QVERIFY2(bool(entry) == listedKinds.contains(code), qPrintable(QString::number(code)));
            if (!entry)
                continue;
            QCOMPARE(entry->code, code);
            QCOMPARE(entry->kind, listedKinds.value(code));
            QVERIFY(!entry->title.isEmpty() && !entry->cause.isEmpty() && !entry->remedy.isEmpty());
            QCOMPARE(!entry->description.isEmpty(), code == 18 || code == 24 || code == 29);
        }
        QCOMPARE(m_table.entry(58)->title, QString("PMSM-Motor läuft nicht an"));
        QCOMPARE(ErrorDescription::translated(m_table.entry(7)->title), QString("I²t Abschaltung"));
    }

    void parameterValues_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("code"); // -1: none
        QTest::newRow("truncated, not rounded") << 7.9 << 7;
        QTest::newRow("last listed") << 58.0 << 58;
        QTest::newRow("small negative") << -0.5 << -1;
        QTest::newRow("end of table") << 64.0 << -1;
        QTest::newRow("beyond int") << 1e12 << -1;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << -1;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << -1;
    }
    void parameterValues()
    {
        QFETCH(double, value);
        QFETCH(int, code);
        const ErrorDescription *entry = m_table.entryForValue(value);
        QCOMPARE(entry ? entry->code : -1, code);
    }
};

QTEST_GUILESS_MAIN(TestErrorTable)
#include "tst_errortable.moc"
