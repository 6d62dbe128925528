#include "TrendCsv.h"

#include "TrendBuffer.h"
#include "TrendChannels.h"

#include <QDateTime>
#include <QStringList>

QString TrendCsv::field(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray TrendCsv::header(const TrendChannels &channels)
{
    QStringList fields{field(tr("Zeit"))};
    for (int c = 0; c < channels.count(); ++c)
        fields << field(channels.captionWithUnit(c));
    return fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QByteArray TrendCsv::row(const TrendChannels &channels, const TrendBuffer &buffer, int index)
{
    QByteArray line = QDateTime::fromMSecsSinceEpoch(buffer.time(index))
                          .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"))
                          .toLatin1();
    for (int c = 0; c < channels.count() && c < buffer.channels(); ++c) {
        line += ',';
        line += channels.text(c, buffer.raw(index, c)).toLatin1();
    }
    return line + "\r\n";
}

QByteArray TrendCsv::table(const TrendChannels &channels, const TrendBuffer &buffer, int first, int end)
{
    QByteArray text = header(channels);
    for (int i = std::max(0, first); i < end && i < buffer.size(); ++i)
        text += row(channels, buffer, i);
    return text;
}
