#include "WriteCommand.h"

#include "Console.h"
#include "InverterSession.h"
#include "ParameterSetFileCheck.h"
#include "ParameterText.h"

#include <QStringList>

ExitStatus WriteCommand::prepare()
{
    if (options().arguments.size() != 1)
        return refuse(ExitStatus::Usage, tr("write erwartet genau eine Datei."));
    m_fileName = options().arguments.constFirst();
    return ParameterSetFileCheck::checkReadable(session().dataset(), m_fileName, m_fileValues);
}

void WriteCommand::run()
{
    DatasetController &model = session().dataset();
    QStringList skipped;
    for (auto it = m_fileValues.cbegin(); it != m_fileValues.cend(); ++it) {
        if (!model.isWritable(it.key()))
            skipped.append(QStringLiteral("P%1").arg(it.key()));
    }
    if (!skipped.isEmpty())
        Console::err(tr("Der Motor läuft: Diese Parameter werden nur bei stehendem Motor übernommen und bleiben, wie "
                        "sie sind: %1").arg(skipped.join(QStringLiteral(", "))));
    if (model.loadFromFile(m_fileName) < 0) {
        fail(ExitStatus::Usage, tr("Die Datei %1 ist nicht lesbar oder kein gültiger Parametersatz.").arg(m_fileName));
        return;
    }

    m_report.listen(session().communication());
    connect(&model, &DatasetController::parameterStatesComplete, this, &WriteCommand::transmissionComplete);
    m_writing = true;
    session().expectAnswer();
    model.sendChangedParametersToInverter();
    session().communication().sendStoreOnEepromCommand();
    // What the transmission sent of the set, after its correction against the limits.
    for (uint16_t id = 1; id < Param::CatalogueSize; ++id) {
        if (model.isComparable(id) && model.isWritable(id))
            m_written.insert(id, model.rawValue(id));
    }
}

void WriteCommand::transmissionComplete(CommErrorCode error, const QString &summary)
{
    if (!m_writing)
        return;
    m_writing = false;
    if (error != CommError::NoError) {
        session().answered();
        fail(ExitStatus::Refused, m_report.text(session().dataset(), summary));
        return;
    }
    // Asked after the store command: its answer also shows that the store was taken.
    m_verifying = true;
    connect(&session().communication(), &CommunicationController::currentParametersetReceived, this,
            &WriteCommand::verify, Qt::QueuedConnection);
    session().expectAnswer();
    session().dataset().readParametersetFromDevice();
}

void WriteCommand::verify()
{
    if (!m_verifying)
        return;
    m_verifying = false;
    session().answered();
    DatasetController &model = session().dataset();
    QStringList differences;
    for (auto it = m_written.cbegin(); it != m_written.cend(); ++it) {
        const uint16_t id = it.key();
        if (!model.deviceValueKnown(id) || model.deviceRawValue(id) != it.value())
            differences.append(tr("%1: geschrieben %2, im Umrichter %3")
                                   .arg(ParameterText::name(model, id), model.displayText(id, it.value()),
                                        model.deviceValueKnown(id) ? model.displayText(id, model.deviceRawValue(id))
                                                                   : QStringLiteral("?")));
    }
    if (!differences.isEmpty()) {
        fail(ExitStatus::Refused,
             tr("Nach dem Schreiben hält der Umrichter andere Werte:") + QLatin1Char('\n') + differences.join('\n'));
        return;
    }
    Console::err(tr("%n Parameter geschrieben, im EEPROM gespeichert und geprüft.", nullptr, m_written.size()));
    finish();
}
