#include "AboutDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

class TestAboutDialog : public QObject
{
    Q_OBJECT

    static QString label(const AboutDialog &dialog, const char *name)
    {
        return dialog.findChild<QLabel *>(QLatin1String(name))->text();
    }

private slots:
    void form()
    {
        AboutDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Über"));
        QCOMPARE(label(dialog, "versionLabel"), QStringLiteral("v1.9.5"));
        QCOMPARE(dialog.findChild<QTabWidget *>()->tabText(1), QStringLiteral("Lizenzinformationen"));
        const QString web = QStringLiteral(TORVANA_MAKER_WEB), mail = QStringLiteral(TORVANA_MAKER_EMAIL);
        const auto link = [](const QString &target, const QString &text) {
            return QStringLiteral("<a href=\"%1\"><span style=\" text-decoration: underline; color:#0000ff;\">%2</span></a>")
                .arg(target, text);
        };
        const QString contact = label(dialog, "contactLabel");
        QVERIFY2(contact.startsWith("<html><head/><body><p>") && contact.contains(link(web, web))
                     && contact.contains(link("mailto:" + mail, mail)) && contact.contains("E-Mail:"),
                 qPrintable(contact));
        const QString license = label(dialog, "licenseLabel");
        QCOMPARE(license.count(QStringLiteral("<br/><br/>")), 2);
        for (const char *address : {"https://qwt.sourceforge.io", "https://qwt.sourceforge.io/qwtlicense.html",
                                    "https://invent.kde.org/frameworks/oxygen-icons",
                                    "https://invent.kde.org/frameworks/breeze-icons",
                                    "https://www.gnu.org/licenses/lgpl-3.0.html"})
            QVERIFY2(license.contains(link(address, address)), address);

        // The scaler has run: push buttons with text carry the leading blank.
        QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QVERIFY(ok->text().startsWith(QLatin1Char(' ')));
        dialog.show();
        ok->click();
        QVERIFY(!dialog.isVisible() && dialog.result() == QDialog::Accepted);
    }

    void languageChangeRetranslates()
    {
        AboutDialog dialog;
        QTranslator german, english;
        QVERIFY(german.load(QStringLiteral(":/Translations/German.qm")));
        QVERIFY(english.load(QStringLiteral(":/Translations/English.qm")));
        QCoreApplication::installTranslator(&german);
        QTRY_VERIFY(label(dialog, "licenseLabel").startsWith(QStringLiteral("<html><head/><body><p>Torvana basiert")));
        QCoreApplication::removeTranslator(&german);
        QCoreApplication::installTranslator(&english);
        QTRY_COMPARE(dialog.windowTitle(), QStringLiteral("About"));
        QVERIFY(label(dialog, "contactLabel").contains(QStringLiteral(", Germany</p><p>Internet:")));
        QVERIFY(label(dialog, "contactLabel").contains(QStringLiteral("E-mail:")));
        // Re-translating the form must not bring back its placeholder version.
        QCOMPARE(label(dialog, "versionLabel"), QStringLiteral("v1.9.5"));
        QCoreApplication::removeTranslator(&english);
        QTRY_COMPARE(dialog.windowTitle(), QStringLiteral("Über"));
    }
};

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
