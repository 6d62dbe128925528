#pragma once

#include "FaultText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

// The inverter's five last error codes (1stError, the newest, to 5thError) with
// the time the program first saw each, and which of them is active now. The
// codes carry no time: an entry that was already there when the program
// connected has none ("vor Programmstart" on the first connection of the
// session, else "vor <time of connecting>"). When the history moves by k
// places, the k new entries at the top get the time of the poll that brought
// them and the others keep theirs.
//
// While InverterFlags has its error bit set, the newest entry whose code the
// error table knows as an error is active (the newest one of unknown kind when
// none is); the warning bit likewise for warnings.
class FaultHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int Size = 5;

    struct Entry
    {
        int code = 0;
        // Invalid for an entry already there when the program connected.
        QDateTime firstSeen;
        // For such an entry: when the program connected.
        QDateTime before;
        bool beforeProgramStart = false;
        bool active = false;
        FaultText::Kind kind = FaultText::Unknown;
    };

    explicit FaultHistory(QObject *parent = nullptr);

    void setLookup(FaultLookup lookup) { m_lookup = std::move(lookup); }
    [[nodiscard]] FaultText text(int code) const;

    // One poll: the codes of 1stError to 5thError, the InverterFlags word and
    // the serial number of the inverter that sent them.
    void update(const std::array<int, Size> &codes, uint16_t flags, uint16_t serial, const QDateTime &now);
    // The next update comes from a (possibly other) inverter: its entries count
    // as already there unless they continue the history known of the same
    // serial number.
    void connected(const QDateTime &now);
    void disconnected();

    [[nodiscard]] const Entry &entry(int index) const { return m_entries[size_t(index)]; }
    // "14:03:11", "vor Programmstart", "vor 14:00:02"; empty for an empty slot.
    [[nodiscard]] QString seenText(int index) const;
    [[nodiscard]] bool known() const { return m_known; }

signals:
    // Some entry, time or active mark changed.
    void changed();
    // A new entry came in while connected (not one found at connecting).
    void faultAppeared(int code, FaultText::Kind kind, const QDateTime &time);
    // An active entry is no longer active.
    void faultCleared(int code, FaultText::Kind kind);

private:
    void markActive(uint16_t flags);

    FaultLookup m_lookup;
    std::array<Entry, Size> m_entries{};
    bool m_known = false;
    bool m_firstConnection = true;
    bool m_awaitingFirstPoll = false;
    uint16_t m_serial = 0;
    uint16_t m_lastSerial = 0;
    uint16_t m_flags = 0;
    QDateTime m_connectedAt;
};
