#include "SetCommand.h"

#include "Console.h"
#include "InverterSession.h"
#include "ParameterText.h"

#include <cmath>

ExitStatus SetCommand::prepare()
{
    const DatasetController &model = session().dataset();
    if (options().arguments.isEmpty())
        return refuse(ExitStatus::Usage, tr("set erwartet mindestens eine Zuweisung P=WERT."));
    for (const QString &argument : options().arguments) {
        const int equals = argument.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return refuse(ExitStatus::Usage, tr("Keine Zuweisung P=WERT: %1").arg(argument));
        const QString name = argument.left(equals);
        const QString text = argument.mid(equals + 1);
        const uint16_t id = ParameterText::resolve(model, name);
        if (id == 0)
            return refuse(ExitStatus::Usage, tr("Unbekannter Parameter: %1").arg(name));
        if (model.descriptor(id)->isOperatingValue())
            return refuse(ExitStatus::Usage, tr("%1 ist ein Betriebswert und kann nicht gesetzt werden.")
                                                 .arg(ParameterText::name(model, id)));
        if (!ParameterText::isValueSyntax(model, id, text)) {
            const QStringList choices = ParameterText::choices(model, id);
            QString message = tr("Ungültiger Wert für %1: %2").arg(ParameterText::name(model, id), text);
            if (!choices.isEmpty())
                message += QLatin1Char('\n') + tr("Mögliche Werte: %1").arg(choices.join(QStringLiteral(", ")));
            return refuse(ExitStatus::Usage, message);
        }
        m_assignments.append({id, text});
    }
    return ExitStatus::Done;
}

void SetCommand::run()
{
    DatasetController &model = session().dataset();
    for (const Assignment &assignment : qAsConst(m_assignments)) {
        const uint16_t id = assignment.id;
        const QString name = ParameterText::name(model, id);
        if (!model.isWritable(id)) {
            fail(ExitStatus::Refused, tr("%1 kann nur bei stehendem Motor geändert werden; der Motor läuft.").arg(name));
            return;
        }
        const double entry = *ParameterText::parseValue(model, id, assignment.text);
        const double shown = model.setValue(id, entry, true);
        if (id == Param::I2TPeriod && shown < 0) {
            fail(ExitStatus::Refused, tr("%1 kann nicht gesetzt werden: Mit den übrigen Motordaten ist keine "
                                         "I²t-Zeit bestimmt.").arg(name));
            return;
        }
        // What goes on the wire, shown again: an entry below the minimum of a
        // parameter with an off state is stored as off. Within half a step is
        // rounding to the field's resolution (min-1), no clamp.
        const double sent = model.displayValue(id, model.rawValue(id));
        if (!model.descriptor(id)->isEnumeration() && std::fabs(sent - entry) > model.resolution(id) / 2 + 1e-9)
            Console::err(tr("%1: %2 liegt außerhalb der Grenzen und wurde auf %3 begrenzt.")
                             .arg(name, assignment.text, ParameterText::valueText(model, id)));
        if (!m_sent.contains(id))
            m_sent.append(id);
    }

    m_report.listen(session().communication());
    connect(&session().communication(), &CommunicationController::parameterStateReceived, this,
            &SetCommand::acknowledge);
    for (const uint16_t id : qAsConst(m_sent))
        m_summary.expect(id);
    m_sending = true;
    session().expectAnswer();
    for (const uint16_t id : qAsConst(m_sent))
        model.sendParameter(id);
}

void SetCommand::acknowledge(const QMap<uint16_t, CommErrorCode> &states)
{
    if (!m_sending)
        return;
    m_summary.record(states);
    if (m_summary.awaitsAnswers())
        return;
    m_sending = false;
    session().answered();
    if (!m_summary.allAccepted()) {
        fail(ExitStatus::Refused, m_report.text(session().dataset(), m_summary.transmissionText()));
        return;
    }
    if (!options().store) {
        succeed();
        return;
    }
    connect(&session(), &InverterSession::delivered, this, &SetCommand::succeed);
    session().communication().sendStoreOnEepromCommand();
    session().confirmDelivery();
}

void SetCommand::succeed()
{
    for (const uint16_t id : qAsConst(m_sent))
        Console::out(ParameterText::line(session().dataset(), id));
    finish();
}
