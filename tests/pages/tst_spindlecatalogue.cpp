// The spindle choices derived from motor file names, on a folder of our own.
#include "SpindleCatalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestSpindleCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void choices()
    {
        QTemporaryDir folder;
        const QStringList files{"DCE 0412 - 24000 rpm.mtr", "DCE 0412 - 40000 rpm.mtr", "DCE 0412 - 60000 rpm.mtr",
                                "DCE 0412 - 8000 rpm.mtr",  "DCE 0412 - 9000 rpm.mtr",  "DCE 0412 - 100000 rpm.mtr",
                                "DCE 0520 - 30000 rpm.mtr", "DCE broken.mtr",           "HFS 60 - 18000 rpm.mtr",
                                "DCE 0412 - 12000 rpm.mtr", "notes.txt"};
        for (const QString &name : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            // An empty motor file cannot be loaded and is no choice.
            if (!name.contains(QLatin1String("12000")))
                file.write("[Parameters]\n");
        }

        const SpindleCatalogue catalogue(QDir::Name, folder.path());
        QCOMPARE(catalogue.families(), QStringList({"DCE", "HFS"}));
        QCOMPARE(catalogue.types(QStringLiteral("DCE")), QStringList({"0412", "0520"}));
        QVERIFY(catalogue.types(QStringLiteral("DC")).isEmpty());

        // Name order lists 100000 first and 8000 after 60000; fewer digits come first.
        QStringList speeds;
        for (const SpindleCatalogue::Speed &speed : catalogue.speeds(QStringLiteral("DCE"), QStringLiteral("0412")))
            speeds << speed.speed;
        QCOMPARE(speeds, QStringList({"8000", "9000", "24000", "40000", "60000", "100000"}));
        QCOMPARE(catalogue.speeds(QStringLiteral("HFS"), QStringLiteral("60")).value(0).path,
                 QFileInfo(folder.filePath(QStringLiteral("HFS 60 - 18000 rpm.mtr"))).absoluteFilePath());
    }
};

QTEST_GUILESS_MAIN(TestSpindleCatalogue)
#include "tst_spindlecatalogue.moc"
