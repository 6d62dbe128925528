#include "AboutDialog.h"

#include "ui_AboutDialog.h"

#include <QEvent>

// The version and the maker's contact data come from the build configuration.
#ifndef TORVANA_VERSION_TEXT
#error "TORVANA_VERSION_TEXT must be defined by the build"
#endif
#if !defined(TORVANA_MAKER_NAME) || !defined(TORVANA_MAKER_STREET) || !defined(TORVANA_MAKER_TOWN) \
    || !defined(TORVANA_MAKER_WEB) || !defined(TORVANA_MAKER_EMAIL)
#error "The maker's contact data (TORVANA_MAKER_*) must be defined by the build"
#endif

namespace {

const char QwtSite[] = "https://qwt.sourceforge.io";
const char QwtLicense[] = "https://qwt.sourceforge.io/qwtlicense.html";
const char OxygenSite[] = "https://invent.kde.org/frameworks/oxygen-icons";
const char BreezeSite[] = "https://invent.kde.org/frameworks/breeze-icons";
const char Lgpl3License[] = "https://www.gnu.org/licenses/lgpl-3.0.html";

const char LinkEnd[] = "</span></a>";

QString linkStart(const QString &target)
{
    return QStringLiteral("<a href=\"%1\"><span style=\" text-decoration: underline; color:#0000ff;\">")
        .arg(target.toHtmlEscaped());
}

QString escaped(const char *value)
{
    return QString::fromUtf8(value).toHtmlEscaped();
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_ui(std::make_unique<Ui::AboutDialog>())
{
    m_ui->setupUi(this);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_scaler.scale();
    fillTexts();
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        fillTexts();
    }
    QDialog::changeEvent(event);
}

void AboutDialog::fillTexts()
{
    m_ui->versionLabel->setText(QStringLiteral(TORVANA_VERSION_TEXT));
    m_ui->licenseLabel->setText(licenseText());
    m_ui->contactLabel->setText(contactText());
}

QString AboutDialog::licenseText() const
{
    const QString end = QLatin1String(LinkEnd);
    const QString qwt =
        tr("Torvana is based in part on the work of the Qwt project (%1https://qwt.sourceforge.io%2). "
           "The Qwt license can be found at %3https://qwt.sourceforge.io/qwtlicense.html%4.")
            .arg(linkStart(QLatin1String(QwtSite)), end, linkStart(QLatin1String(QwtLicense)), end);
    const QString oxygen =
        tr("Torvana includes icons from the Oxygen icon theme "
           "(%1https://invent.kde.org/frameworks/oxygen-icons%2), which is licensed under the LGPLv3 "
           "license (%3https://www.gnu.org/licenses/lgpl-3.0.html%4).")
            .arg(linkStart(QLatin1String(OxygenSite)), end, linkStart(QLatin1String(Lgpl3License)), end);
    const QString breeze =
        tr("Torvana also includes icons from the Breeze icon theme "
           "(%1https://invent.kde.org/frameworks/breeze-icons%2), which is licensed under the LGPLv3 "
           "license (%3https://www.gnu.org/licenses/lgpl-3.0.html%4).")
            .arg(linkStart(QLatin1String(BreezeSite)), end, linkStart(QLatin1String(Lgpl3License)), end);

    return QStringLiteral("<html><head/><body><p>") + qwt + QStringLiteral("<br/><br/>") + oxygen
        + QStringLiteral("<br/><br/>") + breeze + QStringLiteral("</p></body></html>");
}

QString AboutDialog::contactText() const
{
    const QString web = QString::fromUtf8(TORVANA_MAKER_WEB);
    const QString email = QString::fromUtf8(TORVANA_MAKER_EMAIL);
    //: %1 company, %2 street, %3 town; %4/%6 open the web and mail links, %5/%7 are their visible addresses
    const QString block = tr("%1<br/>%2<br/>%3</p><p>Internet: %4%5</span></a></p><p>E-Mail: %6%7")
                              .arg(escaped(TORVANA_MAKER_NAME), escaped(TORVANA_MAKER_STREET),
                                   escaped(TORVANA_MAKER_TOWN), linkStart(web), web.toHtmlEscaped(),
                                   linkStart(QStringLiteral("mailto:") + email), email.toHtmlEscaped());
    return QStringLiteral("<html><head/><body><p>") + block
        + QStringLiteral("</span></a></p></body></html>");
}
