#include "MonitorCommand.h"

#include "Console.h"
#include "InverterSession.h"
#include "OperatingState.h"
#include "ParameterText.h"

#include <QDateTime>
#include <QStringList>

#include <cmath>

ExitStatus MonitorCommand::prepare()
{
    if (!options().arguments.isEmpty())
        return refuse(ExitStatus::Usage, tr("monitor erwartet keine Argumente (nur --seconds N und --csv)."));
    return ExitStatus::Done;
}

void MonitorCommand::run()
{
    m_ids = OperatingState::operatingValues(session().dataset());
    if (options().csv)
        printHeader();
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &MonitorCommand::sample);
    m_elapsed.start();
    m_timer.start(SampleIntervalMs);
    sample();
}

void MonitorCommand::interrupt()
{
    m_timer.stop();
    finish();
}

void MonitorCommand::printHeader()
{
    DatasetController &model = session().dataset();
    QStringList columns{QStringLiteral("time")};
    for (const uint16_t id : qAsConst(m_ids)) {
        const QString unit = model.unit(id);
        const QString key = QString::fromLatin1(model.descriptor(id)->key);
        columns.append(unit.isEmpty() ? key : QStringLiteral("%1 [%2]").arg(key, unit));
    }
    columns.append(QStringLiteral("InverterFlags"));
    Console::out(columns.join(QLatin1Char(',')));
}

void MonitorCommand::sample()
{
    if (options().secondsGiven && m_elapsed.elapsed() >= std::llround(options().seconds * 1000)) {
        m_timer.stop();
        finish();
        return;
    }
    DatasetController &model = session().dataset();
    const QDateTime now = QDateTime::currentDateTime();
    if (options().csv) {
        QStringList fields{now.toString(Qt::ISODateWithMs)};
        for (const uint16_t id : qAsConst(m_ids))
            fields.append(ParameterText::numberText(model, id));
        fields.append(QString::number(model.rawValue(Param::InverterFlags)));
        Console::out(fields.join(QLatin1Char(',')));
        return;
    }
    QStringList fields;
    for (const uint16_t id : qAsConst(m_ids))
        fields.append(QString::fromLatin1(model.descriptor(id)->key) + QLatin1Char(' ')
                      + ParameterText::valueText(model, id));
    fields.append(OperatingState::flagWords(model).join(QStringLiteral(", ")));
    Console::out(now.toString(QStringLiteral("hh:mm:ss.zzz")) + QStringLiteral("  ")
                 + fields.join(QStringLiteral(" | ")));
}
