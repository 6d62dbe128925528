#include "MemoryCommand.h"

#include "Console.h"
#include "InverterSession.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cmath>

ExitStatus MemoryCommand::prepare()
{
    const QStringList &arguments = options().arguments;
    const QString action = arguments.value(0);
    if (action == QLatin1String("list") && arguments.size() == 1) {
        m_action = Action::List;
        if (!options().commandOptions.isEmpty())
            return refuse(ExitStatus::Usage, tr("memory list hat keine Optionen."));
        return ExitStatus::Done;
    }
    if (action == QLatin1String("load"))
        m_action = Action::Load;
    else if (action == QLatin1String("save"))
        m_action = Action::Save;
    else if (action == QLatin1String("delete"))
        m_action = Action::Delete;
    else
        return refuse(ExitStatus::Usage, tr("memory erwartet list, load N, save N oder delete N."));

    bool ok = false;
    QString number = arguments.value(1);
    if (number.startsWith(QLatin1Char('M'), Qt::CaseInsensitive))
        number = number.mid(1);
    m_memory = number.toInt(&ok);
    if (arguments.size() != 2 || !ok || m_memory < 1 || m_memory > MemoryCount)
        return refuse(ExitStatus::Usage, tr("memory %1 erwartet einen Motorspeicher von 1 bis %2.")
                                             .arg(action).arg(MemoryCount));
    if (options().json)
        return refuse(ExitStatus::Usage, tr("Nur memory list gibt JSON aus."));
    if (options().store && m_action != Action::Load)
        return refuse(ExitStatus::Usage, tr("--store gilt nur für memory load."));
    if (options().yes && m_action == Action::Load)
        return refuse(ExitStatus::Usage, tr("--yes gilt nur für memory save und memory delete."));
    if (m_action == Action::Delete && !options().yes)
        return refuse(ExitStatus::Usage, tr("Der Motorparametersatz M%1 kann anschließend nicht wiederhergestellt "
                                            "werden. Löschen mit --yes bestätigen.").arg(m_memory));
    return ExitStatus::Done;
}

void MemoryCommand::run()
{
    if (m_action == Action::List) {
        list();
        return;
    }
    if (session().dataset().motorRunning()) {
        fail(ExitStatus::Refused, tr("Motorspeicher können nur bei stehendem Motor verwendet werden; der Motor läuft."));
        return;
    }
    switch (m_action) {
    case Action::Load:
        load();
        break;
    case Action::Save:
        save();
        break;
    case Action::Delete:
        remove();
        break;
    case Action::List:
        break;
    }
}

uint16_t MemoryCommand::occupied()
{
    // As the start page reads the mask: the model value, rounded.
    return uint16_t(std::floor(session().dataset().value(Param::MotorSets) + 0.5));
}

QString MemoryCommand::occupiedList()
{
    const uint16_t mask = occupied();
    QStringList names;
    for (int bit = 0; bit < MemoryCount; ++bit) {
        if (mask & (1u << bit))
            names.append(QStringLiteral("M%1").arg(bit + 1));
    }
    return names.isEmpty() ? tr("keiner") : names.join(QStringLiteral(", "));
}

void MemoryCommand::list()
{
    const uint16_t mask = occupied();
    QJsonArray memories;
    for (int bit = 0; bit < MemoryCount; ++bit) {
        const bool used = mask & (1u << bit);
        if (options().json)
            memories.append(QJsonObject{{QStringLiteral("memory"), bit + 1}, {QStringLiteral("used"), used}});
        else
            Console::out(QStringLiteral("M%1 %2").arg(bit + 1).arg(used ? tr("belegt") : tr("frei")));
    }
    if (options().json)
        Console::outBytes(QJsonDocument(QJsonObject{{QStringLiteral("memories"), memories}}).toJson());
    finish();
}

void MemoryCommand::load()
{
    if (!(occupied() & (1u << motorCode()))) {
        fail(ExitStatus::Refused, tr("M%1 ist nicht belegt und kann nicht geladen werden. Belegt: %2")
                                      .arg(m_memory).arg(occupiedList()));
        return;
    }
    connect(&session().communication(), &CommunicationController::motorParametersReceived, this,
            &MemoryCommand::loaded, Qt::QueuedConnection);
    m_waiting = true;
    session().expectAnswer();
    session().dataset().loadMotorParamsFromDevice(motorCode());
}

void MemoryCommand::loaded()
{
    if (!m_waiting)
        return;
    m_waiting = false;
    session().answered();
    const auto done = [this] {
        Console::err(options().store ? tr("M%1 geladen und im EEPROM gespeichert.").arg(m_memory)
                                     : tr("M%1 geladen.").arg(m_memory));
        finish();
    };
    if (!options().store) {
        done();
        return;
    }
    connect(&session(), &InverterSession::delivered, this, done);
    session().communication().sendStoreOnEepromCommand();
    session().confirmDelivery();
}

void MemoryCommand::save()
{
    if ((occupied() & (1u << motorCode())) && !options().yes) {
        fail(ExitStatus::Usage,
             tr("M%1 ist bereits belegt. Überschreiben mit --yes bestätigen.").arg(m_memory));
        return;
    }
    m_report.listen(session().communication());
    connect(&session().dataset(), &DatasetController::writeMotorParametersetDone, this, &MemoryCommand::saved);
    m_waiting = true;
    session().expectAnswer();
    session().dataset().saveMotorParamsToDevice(motorCode());
}

void MemoryCommand::saved(CommErrorCode error, const QString &summary)
{
    if (!m_waiting)
        return;
    m_waiting = false;
    session().answered();
    if (error == CommError::ParametersetMemoryUnusable) {
        fail(ExitStatus::Refused, tr("Der Parametersatz konnte nicht gespeichert werden; der gewählte "
                                     "Parametersatzspeicher kann nicht verwendet werden."));
    } else if (error == CommError::EepromWriteError) {
        fail(ExitStatus::Refused, tr("Der Parametersatz konnte nicht gespeichert werden; es trat ein Fehler beim "
                                     "Schreiben in den EEPROM auf."));
    } else if (error != CommError::NoError) {
        fail(ExitStatus::Refused, m_report.text(session().dataset(), summary));
    } else {
        Console::err(tr("Motorparametersatz in M%1 gespeichert.").arg(m_memory));
        finish();
    }
}

void MemoryCommand::remove()
{
    if (!(occupied() & (1u << motorCode()))) {
        fail(ExitStatus::Refused, tr("M%1 ist nicht belegt und kann daher nicht gelöscht werden. Belegt: %2")
                                      .arg(m_memory).arg(occupiedList()));
        return;
    }
    connect(&session().communication(), &CommunicationController::deleteParametersetResponseReceived, this,
            &MemoryCommand::removed);
    m_waiting = true;
    session().expectAnswer();
    session().dataset().deleteMotorParamsOnDevice(motorCode());
}

void MemoryCommand::removed(CommErrorCode error)
{
    if (!m_waiting)
        return;
    m_waiting = false;
    session().answered();
    if (error != CommError::NoError) {
        fail(ExitStatus::Refused, tr("Der Parametersatz M%1 konnte nicht gelöscht werden (Antwort %2).")
                                      .arg(m_memory).arg(error));
        return;
    }
    Console::err(tr("M%1 gelöscht.").arg(m_memory));
    finish();
}
