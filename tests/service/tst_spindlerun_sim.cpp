#include <QtTest>

class Test_spindlerun_sim : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(Test_spindlerun_sim)
#include "tst_spindlerun_sim.moc"
