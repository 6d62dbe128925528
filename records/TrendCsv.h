#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class TrendBuffer;
class TrendChannels;

// The text of recordings and fault snapshots: comma separated, a dot as
// decimal mark, lines ending in CRLF, UTF-8 without byte order mark, so that
// spreadsheet programs and pandas read it unchanged. The header names the time
// column and every channel with its unit ("Motorspannung [V~]"); each row is
// the local time with milliseconds ("2026-12-06 14:03:11.250") and one value
// per channel in the units the pages show.
class TrendCsv
{
    Q_DECLARE_TR_FUNCTIONS(TrendCsv)

public:
    [[nodiscard]] static QByteArray header(const TrendChannels &channels);
    [[nodiscard]] static QByteArray row(const TrendChannels &channels, const TrendBuffer &buffer, int index);
    // Header and the rows of the samples from `first` to before `end`.
    [[nodiscard]] static QByteArray table(const TrendChannels &channels, const TrendBuffer &buffer, int first,
                                          int end);
    // Quoted when it holds a comma, a quote or a line break.
    [[nodiscard]] static QString field(const QString &text);
};
