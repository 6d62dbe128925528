#pragma once

#include "CliCommand.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QVector>

#include <cstdint>

// monitor [--seconds N] [--csv]: the operating values every 500 ms (the
// model's own poll keeps them current) until N seconds have passed or Ctrl+C.
// A line per sample: the time, then "Key value unit" fields separated by " | "
// and the flags in words; with --csv a header and comma-separated numbers.
class MonitorCommand : public CliCommand
{
    Q_OBJECT

public:
    static constexpr int SampleIntervalMs = 500;

    using CliCommand::CliCommand;

    ExitStatus prepare() override;
    void run() override;
    void interrupt() override;

private:
    void sample();
    void printHeader();

    QVector<uint16_t> m_ids;
    QTimer m_timer;
    QElapsedTimer m_elapsed;
};
