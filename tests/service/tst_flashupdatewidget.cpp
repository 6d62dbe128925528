#include <QtTest>

class Test_flashupdatewidget : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(Test_flashupdatewidget)
#include "tst_flashupdatewidget.moc"
