// Start-up settings of the simulator, filled from the command line.
#pragma once

#include "CommErrorCode.h"

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVector>

#include <cstdint>

struct SimulatorOptions
{
    QString linkPath;                  // --link: symbolic link kept pointing at the slave
    QString pathFile;                  // --path-file: file that receives the slave path
    uint16_t inverterType = 0x1211;    // --inverter-type
    uint16_t serialNumber = 4711;      // --serial
    QByteArray firmware = "v2.0.3";    // --firmware
    QVector<QPair<uint16_t, uint16_t>> presets; // --set P=RAW, applied and stored in EEPROM
    int32_t tickMs = 50;               // drive step period
    // Link faults
    bool paced = false;                // --pace
    int32_t latencyMs = 0;             // --latency
    int32_t corruptPercent = 0;        // --corrupt
    bool silent = false;               // --silent
    int32_t garbageBytes = 0;          // --garbage BYTES[:PERIOD]
    int32_t garbagePeriodMs = 0;
    CommErrorCode memoryFailure = CommError::NoError; // --memory-failure
    QVector<QPair<uint16_t, CommErrorCode>> refusals; // --refuse P[:STATE]
    quint32 seed = 0;                  // --seed; 0 = random
    // Drive faults present from the start
    uint16_t errorCode = 0;            // --error
    bool persistentError = false;      // --persistent
    uint16_t warningCode = 0;          // --warning
};
