#include "ServiceReportPdf.h"

#include "ServiceReport.h"
#include "TrendChart.h"
#include "TrendLog.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <memory>

namespace {

constexpr int Resolution = 300;

// Top-to-bottom drawing across pages: each block asks for its height and
// starts a new page when it does not fit.
class PageFlow
{
public:
    PageFlow(QPdfWriter &writer, QPainter &painter, const QString &footer)
        : m_writer(writer), m_painter(painter), m_footer(footer)
    {
        m_area = QRectF(QPointF(0, 0), writer.pageLayout().paintRectPixels(Resolution).size());
        m_area.setBottom(m_area.bottom() - lineHeight(font(8)) * 1.5);
        m_y = m_area.top();
        drawFooter();
    }

    static QFont font(double points, bool bold = false)
    {
        QFont f(QStringLiteral("DejaVu Sans"));
        // No shaping: ligatures ("ff" as one glyph) would reach the PDF's text
        // as other characters than those written, and searches would miss them.
        f.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }

    double lineHeight(const QFont &f) const { return QFontMetricsF(f, &m_writer).lineSpacing(); }
    double width() const { return m_area.width(); }
    double left() const { return m_area.left(); }

    void ensure(double height)
    {
        if (m_y + height > m_area.bottom() && m_y > m_area.top())
            newPage();
    }
    void newPage()
    {
        m_writer.newPage();
        ++m_page;
        m_y = m_area.top();
        drawFooter();
    }
    void skip(double height) { m_y += height; }
    double y() const { return m_y; }

    // Wrapped text in a column; answers the height it took.
    double textHeight(const QString &text, const QFont &f, double columnWidth) const
    {
        const QFontMetricsF metrics(f, &m_writer);
        return metrics.boundingRect(QRectF(0, 0, columnWidth, 1e6), Qt::TextWordWrap, text)
            .height();
    }
    void text(const QString &text, const QFont &f, double x, double columnWidth, const QColor &colour = Qt::black)
    {
        m_painter.setFont(f);
        m_painter.setPen(colour);
        m_painter.drawText(QRectF(left() + x, m_y, columnWidth, 1e6),
                           Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    }
    // A whole paragraph over the full width.
    void paragraph(const QString &content, const QFont &f, double indent = 0, const QColor &colour = Qt::black)
    {
        const double height = textHeight(content, f, width() - indent);
        ensure(height);
        text(content, f, indent, width() - indent, colour);
        m_y += height;
    }
    void heading(const QString &title)
    {
        const QFont f = font(12, true);
        ensure(lineHeight(f) * 3);
        m_y += lineHeight(f) * 0.6;
        m_painter.fillRect(QRectF(left(), m_y, width(), lineHeight(f) * 1.2), QColor(0x00, 0x67, 0x5d));
        m_painter.setFont(f);
        m_painter.setPen(Qt::white);
        m_painter.drawText(QRectF(left() + lineHeight(f) * 0.3, m_y, width(), lineHeight(f) * 1.2),
                           Qt::AlignLeft | Qt::AlignVCenter, title);
        m_y += lineHeight(f) * 1.5;
    }
    QPainter &painter() { return m_painter; }
    QRectF take(double height)
    {
        ensure(height);
        const QRectF area(left(), m_y, width(), height);
        m_y += height;
        return area;
    }

private:
    void drawFooter()
    {
        const QFont f = font(8);
        m_painter.setFont(f);
        m_painter.setPen(Qt::darkGray);
        const QRectF foot(left(), m_area.bottom() + lineHeight(f) * 0.5, width(), lineHeight(f));
        m_painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, m_footer);
        m_painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, ServiceReportPdf::tr("Seite %1").arg(m_page));
    }

    QPdfWriter &m_writer;
    QPainter &m_painter;
    QString m_footer;
    QRectF m_area;
    double m_y = 0;
    int m_page = 1;
};

void drawTableRow(PageFlow &flow, const QStringList &cells, const QVector<double> &widths, const QFont &f,
                  const QColor &background = QColor())
{
    double height = 0;
    for (int i = 0; i < cells.size(); ++i)
        height = std::max(height, flow.textHeight(cells.at(i), f, widths.at(i) - 8));
    flow.ensure(height + 4);
    if (background.isValid())
        flow.painter().fillRect(QRectF(flow.left(), flow.y(), flow.width(), height + 4), background);
    double x = 0;
    flow.skip(2);
    for (int i = 0; i < cells.size(); ++i) {
        flow.text(cells.at(i), f, x + 4, widths.at(i) - 8);
        x += widths.at(i);
    }
    flow.skip(height + 2);
}

QVector<double> columns(double total, std::initializer_list<double> shares)
{
    QVector<double> widths;
    for (double share : shares)
        widths << total * share;
    return widths;
}

} // namespace

bool ServiceReportPdf::write(const ServiceReport &report, const QString &fileName)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(Resolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 12),
                                         QPageLayout::Millimeter));
        writer.setTitle(tr("Servicebericht"));
        writer.setCreator(report.programVersion);
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        const QLocale locale;
        const QString created = locale.toString(report.created, QLocale::ShortFormat);
        PageFlow flow(writer, painter,
                      tr("Servicebericht, Seriennummer %1, %2").arg(report.serialNumber, created));
        const QFont normal = PageFlow::font(9);
        const QFont bold = PageFlow::font(9, true);
        const QFont small = PageFlow::font(7);

        flow.paragraph(tr("Servicebericht"), PageFlow::font(18, true));
        flow.skip(flow.lineHeight(normal) * 0.5);
        const QVector<double> facts = columns(flow.width(), {0.3, 0.7});
        const QList<QPair<QString, QString>> header{
            {tr("Programm"), report.programVersion},
            {tr("Erstellt"), created},
            {tr("Umrichtertyp"), report.inverterType},
            {tr("Seriennummer"), report.serialNumber},
            {tr("Firmware"), report.firmware},
            {tr("Verbindung"), report.connected ? tr("verbunden")
                                                : tr("nicht verbunden (Werte der letzten Verbindung)")},
            {tr("Belegte Motorspeicher"), report.motorMemories},
        };
        for (const auto &[label, value] : header)
            drawTableRow(flow, {label, value}, facts, normal);

        flow.heading(tr("Fehlerhistorie"));
        if (report.faults.isEmpty())
            flow.paragraph(tr("Keine Einträge."), normal);
        for (const ServiceReport::Fault &fault : report.faults) {
            const QString state = fault.active ? tr("aktiv, zuerst gesehen: %1").arg(fault.seen)
                                               : tr("zuerst gesehen: %1").arg(fault.seen);
            flow.ensure(flow.lineHeight(bold) * 4);
            flow.paragraph(tr("%1. Störung: %2 (%3)").arg(fault.position).arg(fault.heading, state), bold, 0,
                           fault.active ? QColor(0xC0, 0x00, 0x00) : QColor(Qt::black));
            if (!fault.cause.isEmpty())
                flow.paragraph(tr("Ursache: %1").arg(fault.cause), normal, flow.lineHeight(normal));
            if (!fault.remedy.isEmpty())
                flow.paragraph(tr("Behebung: %1").arg(fault.remedy), normal, flow.lineHeight(normal));
            flow.skip(flow.lineHeight(normal) * 0.4);
        }

        flow.heading(tr("Verlauf der letzten Minuten"));
        if (!report.trend || report.trend->buffer().isEmpty()) {
            flow.paragraph(tr("Keine Betriebswerte aufgezeichnet."), normal);
        } else {
            painter.setFont(small);
            for (uint16_t id : report.trendParameters) {
                const int channel = report.trend->channels().channelOf(id);
                if (channel < 0)
                    continue;
                const QRectF area = flow.take(flow.lineHeight(small) * 9);
                painter.setFont(small);
                painter.setPen(Qt::black);
                TrendChart::draw(painter, area.adjusted(0, 0, 0, -flow.lineHeight(small)), *report.trend, channel,
                                 report.trendFrom, report.trendTo);
            }
        }

        const auto parameterTable = [&](const QString &title, const QVector<ServiceReport::Parameter> &rows,
                                        bool settings) {
            flow.heading(title);
            const QVector<double> widths = settings ? columns(flow.width(), {0.08, 0.39, 0.2, 0.2, 0.13})
                                                    : columns(flow.width(), {0.08, 0.52, 0.4});
            QStringList head{tr("Nr."), tr("Bezeichnung"), tr("Wert")};
            if (settings)
                head << tr("Werkseinstellung") << tr("Abweichend");
            drawTableRow(flow, head, widths, bold, QColor(0xdd, 0xdd, 0xdd));
            bool shade = false;
            for (const ServiceReport::Parameter &row : rows) {
                QStringList cells{QStringLiteral("P%1").arg(row.id), row.caption,
                                  row.fromWorkingCopy ? row.value + QStringLiteral(" *") : row.value};
                if (settings)
                    cells << row.factoryDefault << (row.differsFromDefault ? tr("ja") : QString());
                drawTableRow(flow, cells, widths, normal, shade ? QColor(0xf2, 0xf2, 0xf2) : QColor());
                shade = !shade;
            }
        };
        parameterTable(tr("Einstellungen"), report.settings, true);
        bool fromWorkingCopy = false;
        for (const ServiceReport::Parameter &row : report.settings)
            fromWorkingCopy = fromWorkingCopy || row.fromWorkingCopy;
        if (fromWorkingCopy)
            flow.paragraph(tr("* Wert der Arbeitskopie; der Wert im Umrichter ist nicht bekannt."), small);
        parameterTable(tr("Betriebswerte"), report.operatingValues, false);

        flow.heading(tr("Ereignisprotokoll (letzte %n Einträge)", nullptr, report.logLines.size()));
        if (report.logLines.isEmpty())
            flow.paragraph(tr("Keine Einträge."), normal);
        for (const QString &line : report.logLines)
            flow.paragraph(line, small);
        painter.end();
    }
    return file.commit();
}
