#pragma once

#include <QPair>
#include <QString>
#include <QVector>

#include <cstdint>

// A run-in program read from a ".run" file: INI groups [step1], [step2], ...
// each with "interval" (seconds) and "frequency_percentage" (of the spindle's
// maximum frequency; 0 stops the motor for the step). A group that lacks
// either key adds nothing; reading ends at the first missing group.
class RunInProgram
{
public:
    // (interval in seconds, percentage)
    using Step = QPair<uint16_t, uint16_t>;

    // Programs are a few hundred bytes; a larger file is no program.
    static constexpr qint64 MaximumSize = 64 * 1024;

    // A missing or unreadable file gives an empty program, and so does one
    // larger than MaximumSize or with "@" or "\" in it (which no program holds).
    [[nodiscard]] static RunInProgram fromFile(const QString &fileName);

    [[nodiscard]] const QVector<Step> &steps() const { return m_steps; }
    // Sum of the intervals of all steps.
    [[nodiscard]] uint32_t totalSeconds() const { return m_totalSeconds; }

private:
    QVector<Step> m_steps;
    uint32_t m_totalSeconds = 0;
};
