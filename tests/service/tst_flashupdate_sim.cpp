#include <QtTest>

class Test_flashupdate_sim : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(Test_flashupdate_sim)
#include "tst_flashupdate_sim.moc"
