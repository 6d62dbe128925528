#include <QtTest>

class Test_spindlerunwidget : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(Test_spindlerunwidget)
#include "tst_spindlerunwidget.moc"
