#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>

class DatasetController;
class RecordKeeper;
class TrendLog;

// What the service report tells, collected at one moment: program and
// inverter, every parameter with its value and whether it differs from the
// factory default, the motor memories in use, the fault history with title,
// cause and remedy, the recent trend and the last log lines. Texts are in the
// interface language of that moment. ServiceReportPdf draws it.
class ServiceReport
{
    Q_DECLARE_TR_FUNCTIONS(ServiceReport)

public:
    static constexpr int LogLines = 200;
    static constexpr qint64 TrendSpan = 5 * 60 * 1000;

    struct Parameter
    {
        uint16_t id = 0;
        QString caption;
        QString value;
        // Settings only: the factory default and whether the value differs.
        bool setting = false;
        QString factoryDefault;
        bool differsFromDefault = false;
        // The value is the working copy's; the inverter's is not known.
        bool fromWorkingCopy = false;
    };
    struct Fault
    {
        int position = 0; // 1 for 1stError
        int code = 0;
        QString heading; // "Fehler 7 - I²t Abschaltung"
        QString cause;
        QString remedy;
        QString seen;
        bool active = false;
    };

    QString programVersion;
    QDateTime created;
    bool connected = false;
    QString inverterType;
    QString serialNumber;
    QString firmware;
    QVector<Parameter> settings;
    QVector<Parameter> operatingValues;
    QString motorMemories;
    QVector<Fault> faults;
    const TrendLog *trend = nullptr;
    qint64 trendFrom = 0;
    qint64 trendTo = 0;
    QVector<uint16_t> trendParameters;
    QStringList logLines;

    [[nodiscard]] static ServiceReport collect(const DatasetController &model, RecordKeeper &records,
                                               bool connected);
    // "Servicebericht 4711 2026-12-06_14-03-11.pdf"
    [[nodiscard]] static QString defaultFileName(uint16_t serial, const QDateTime &time);
};
