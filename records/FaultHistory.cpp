#include "FaultHistory.h"

#include "ParameterId.h"

#include <QLocale>

#include <algorithm>
#include <utility>

namespace {

QString clockText(const QDateTime &when)
{
    const QDateTime time = when.toLocalTime();
    const QString clock = time.time().toString(QStringLiteral("HH:mm:ss"));
    if (time.date() == QDate::currentDate())
        return clock;
    return QLocale().toString(time.date(), QLocale::ShortFormat) + QLatin1Char(' ') + clock;
}

} // namespace

FaultHistory::FaultHistory(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<FaultText::Kind>("FaultText::Kind");
}

FaultText FaultHistory::text(int code) const
{
    return m_lookup && code != 0 ? m_lookup(code) : FaultText{};
}

void FaultHistory::connected(const QDateTime &now)
{
    m_connectedAt = now;
    m_awaitingFirstPoll = true;
}

void FaultHistory::disconnected()
{
    m_awaitingFirstPoll = false;
    m_lastSerial = m_serial;
    bool any = false;
    for (Entry &entry : m_entries) {
        any = any || entry.active;
        entry.active = false;
    }
    m_flags = 0;
    if (any)
        emit changed();
}

void FaultHistory::update(const std::array<int, Size> &codes, uint16_t flags, uint16_t serial,
                          const QDateTime &now)
{
    m_serial = serial;
    // How far the history moved: the old entries reappear k places further down.
    const auto shiftOf = [&] {
        for (int k = 0; k <= Size; ++k) {
            bool matches = true;
            for (int i = k; i < Size && matches; ++i)
                matches = codes[size_t(i)] == m_entries[size_t(i - k)].code;
            if (matches)
                return k;
        }
        return int(Size);
    };

    const bool firstPoll = m_awaitingFirstPoll;
    // Only a history known of the same inverter can be continued.
    const bool continues = !firstPoll || (m_known && m_serial == m_lastSerial);
    const int shift = continues ? shiftOf() : int(Size);
    bool changedAny = shift != 0 || !m_known;

    std::array<Entry, Size> next{};
    for (int i = 0; i < Size; ++i) {
        Entry &entry = next[size_t(i)];
        if (i >= shift) {
            entry = m_entries[size_t(i - shift)];
        } else {
            entry.code = codes[size_t(i)];
            // Looked up once per entry, not on every poll.
            entry.kind = text(entry.code).kind;
            if (firstPoll) {
                entry.before = m_connectedAt;
                entry.beforeProgramStart = m_firstConnection;
            } else {
                entry.firstSeen = now;
            }
        }
        entry.active = false;
    }
    const std::array<Entry, Size> previous = std::exchange(m_entries, next);
    const uint16_t previousFlags = std::exchange(m_flags, flags);
    m_known = true;
    if (firstPoll) {
        m_awaitingFirstPoll = false;
        m_firstConnection = false;
    }
    markActive(flags);

    // New entries, oldest first.
    bool newError = false;
    bool newWarning = false;
    if (!firstPoll) {
        for (int i = shift - 1; i >= 0; --i) {
            const Entry &entry = m_entries[size_t(i)];
            if (entry.code == 0)
                continue;
            newError = newError || entry.kind != FaultText::Warning;
            newWarning = newWarning || entry.kind == FaultText::Warning;
            emit faultAppeared(entry.code, entry.kind, now);
        }
        // The same code again when the history is full of it does not move
        // the history; the flag's edge still tells.
        const bool allSame = std::all_of(codes.cbegin(), codes.cend(), [&](int c) { return c != 0 && c == codes[0]; });
        for (const Entry &entry : m_entries) {
            if (!entry.active || shift != 0 || !allSame)
                continue;
            const bool isWarning = entry.kind == FaultText::Warning;
            const uint16_t bit = isWarning ? InverterFlag::Warning : InverterFlag::Error;
            if ((flags & bit) && !(previousFlags & bit) && !(isWarning ? newWarning : newError))
                emit faultAppeared(entry.code, entry.kind, now);
        }
    }

    for (const Entry &before : previous) {
        if (!before.active)
            continue;
        bool still = false;
        for (const Entry &entry : m_entries)
            still = still || (entry.active && entry.code == before.code && entry.kind == before.kind);
        if (!still && !firstPoll)
            emit faultCleared(before.code, before.kind);
        changedAny = true;
    }
    for (int i = 0; i < Size; ++i)
        changedAny = changedAny || m_entries[size_t(i)].active != previous[size_t(i)].active;
    if (changedAny)
        emit changed();
}

void FaultHistory::markActive(uint16_t flags)
{
    const auto mark = [this](FaultText::Kind kind) {
        for (Entry &entry : m_entries)
            if (entry.code != 0 && entry.kind == kind) {
                entry.active = true;
                return;
            }
        for (Entry &entry : m_entries)
            if (entry.code != 0 && entry.kind == FaultText::Unknown) {
                entry.active = true;
                return;
            }
    };
    if (flags & InverterFlag::Error)
        mark(FaultText::Error);
    if (flags & InverterFlag::Warning)
        mark(FaultText::Warning);
}

QString FaultHistory::seenText(int index) const
{
    const Entry &entry = m_entries[size_t(index)];
    if (entry.code == 0)
        return QString();
    if (entry.firstSeen.isValid())
        return clockText(entry.firstSeen);
    if (entry.beforeProgramStart || !entry.before.isValid())
        return tr("vor Programmstart");
    return tr("vor %1").arg(clockText(entry.before));
}
