#include "AboutDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

namespace {

// Marks every text of the dialog's context, so a test can see which texts
// were translated again after a language change.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "AboutDialog") != 0)
            return QString();
        return QLatin1Char('{') + QString::fromUtf8(sourceText) + QLatin1Char('}');
    }
};

QString labelText(const AboutDialog &dialog, const char *name)
{
    const auto *label = dialog.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

QString link(const QString &target)
{
    return QStringLiteral("<a href=\"%1\"><span style=\" text-decoration: underline; color:#0000ff;\">")
        .arg(target);
}

} // namespace

class TestAboutDialog : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void contactBlock();
    void licenseNotices();
    void buttonBoxClosesDialog();
    void languageChangeRetranslates();
};

void TestAboutDialog::form()
{
    AboutDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Über"));
    QCOMPARE(labelText(dialog, "versionLabel"), QStringLiteral("v1.9.5"));
    QCOMPARE(labelText(dialog, "label_2"), QStringLiteral("Version:"));
    QCOMPARE(labelText(dialog, "label_5"), QStringLiteral("Kontakt:"));
    QCOMPARE(labelText(dialog, "label_3"), QStringLiteral("Autor:"));
    QCOMPARE(labelText(dialog, "label_4"), QStringLiteral("Orvask GmbH"));
    QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("label")));
    QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("licenseLabel")));

    const auto *tabs = dialog.findChild<QTabWidget *>();
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Torvana"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Lizenzinformationen"));

    // The scaler has run once: push buttons with text carry the leading blank.
    const auto *box = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QVERIFY(box);
    QVERIFY(box->button(QDialogButtonBox::Ok));
    QVERIFY(box->button(QDialogButtonBox::Ok)->text().startsWith(QLatin1Char(' ')));
}

void TestAboutDialog::contactBlock()
{
    AboutDialog dialog;
    const QString text = labelText(dialog, "contactLabel");
    const QString web = QStringLiteral(TORVANA_MAKER_WEB);
    const QString mail = QStringLiteral(TORVANA_MAKER_EMAIL);

    QVERIFY(text.startsWith(QStringLiteral("<html><head/><body><p>")));
    QVERIFY(text.endsWith(QStringLiteral("</span></a></p></body></html>")));
    QVERIFY2(text.contains(link(web) + web + QStringLiteral("</span></a>")), qPrintable(text));
    QVERIFY2(text.contains(link(QStringLiteral("mailto:") + mail) + mail), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Internet:")));
    QVERIFY(text.contains(QStringLiteral("E-Mail:")));
    QVERIFY(web.contains(QStringLiteral("example.com")));
    QVERIFY(mail.endsWith(QStringLiteral("example.com")));
}

void TestAboutDialog::licenseNotices()
{
    AboutDialog dialog;
    const QString text = labelText(dialog, "licenseLabel");

    QVERIFY(text.startsWith(QStringLiteral("<html><head/><body><p>Torvana is based in part")));
    QVERIFY(text.endsWith(QStringLiteral("</p></body></html>")));
    QCOMPARE(text.count(QStringLiteral("<br/><br/>")), 2);
    const QStringList addresses{QStringLiteral("https://qwt.sourceforge.io"),
                                QStringLiteral("https://qwt.sourceforge.io/qwtlicense.html"),
                                QStringLiteral("https://invent.kde.org/frameworks/oxygen-icons"),
                                QStringLiteral("https://invent.kde.org/frameworks/breeze-icons"),
                                QStringLiteral("https://www.gnu.org/licenses/lgpl-3.0.html")};
    for (const QString &address : addresses)
        QVERIFY2(text.contains(link(address) + address + QStringLiteral("</span></a>")), qPrintable(address));
}

void TestAboutDialog::buttonBoxClosesDialog()
{
    AboutDialog dialog;
    auto *box = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QVERIFY(box);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QSignalSpy rejected(&dialog, &QDialog::rejected);

    dialog.show();
    box->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());

    dialog.show();
    emit box->rejected();
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestAboutDialog::languageChangeRetranslates()
{
    AboutDialog dialog;
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));

    QTRY_COMPARE(dialog.windowTitle(), QStringLiteral("{Über}"));
    QCOMPARE(labelText(dialog, "label_3"), QStringLiteral("{Autor:}"));
    QCOMPARE(labelText(dialog, "label_4"), QStringLiteral("{Orvask GmbH}"));
    const auto *tabs = dialog.findChild<QTabWidget *>();
    QCOMPARE(tabs->tabText(0), QStringLiteral("{Torvana}"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("{Lizenzinformationen}"));
    // Re-translating the form must not bring back its placeholder version.
    QCOMPARE(labelText(dialog, "versionLabel"), QStringLiteral("v1.9.5"));
    const QString contact = labelText(dialog, "contactLabel");
    QVERIFY2(contact.startsWith(QStringLiteral("<html><head/><body><p>{")), qPrintable(contact));
    QVERIFY(contact.contains(QStringLiteral(TORVANA_MAKER_WEB)));
    const QString license = labelText(dialog, "licenseLabel");
    QVERIFY2(license.startsWith(QStringLiteral("<html><head/><body><p>{Torvana is based")), qPrintable(license));
    QCOMPARE(license.count(QStringLiteral("<br/><br/>{")), 2);

    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QTRY_COMPARE(dialog.windowTitle(), QStringLiteral("Über"));
    QVERIFY(labelText(dialog, "licenseLabel").startsWith(QStringLiteral("<html><head/><body><p>Torvana")));
}

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
