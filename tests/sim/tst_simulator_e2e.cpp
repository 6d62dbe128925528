// The program's communication and dataset controllers against the simulator,
// found through TORVANA_SERIAL_PORTS like a user without hardware runs it.
#include "CommunicationController.h"
#include "DatasetController.h"
#include "DriveModel.h"
#include "FaultInjector.h"
#include "InverterModel.h"
#include "InverterSimulator.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class tst_SimulatorE2e : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        SimulatorOptions options;
        options.linkPath = m_dir.filePath(QStringLiteral("inverter"));
        options.inverterType = 0x1212;
        options.serialNumber = 815;
        options.firmware = "v3.1.4";
        m_sim = std::make_unique<InverterSimulator>(options);
        QVERIFY(m_sim->start());
        qputenv("TORVANA_SERIAL_PORTS", QFile::encodeName(options.linkPath));
    }

    void cleanup()
    {
        m_data.reset(), m_comm.reset(), m_sim.reset();
        qunsetenv("TORVANA_SERIAL_PORTS");
    }

    void connectsAndReadsValues()
    {
        connect();
        QTRY_COMPARE(m_data->deviceFirmware(), QByteArray("v3.1.4"));
        QVERIFY(m_data->rawValue(36) == 0x1212 && m_data->rawValue(39) == 815);
        QTRY_VERIFY(m_sim->model()->clock().isValid()); // the program sets the clock on connecting
        QVERIFY(qAbs(m_sim->model()->clock().secsTo(QDateTime::currentDateTimeUtc())) < 5);

        QSignalSpy diagnostics(m_data.get(), &DatasetController::diagnosticsParametersUpdated);
        m_sim->model()->raiseError(7);
        m_sim->drive()->setInputs(DriveModel::PlcInput);
        QTRY_VERIFY(m_data->errorActive());
        QCOMPARE(m_data->rawValue(30), uint16_t(7));
        QTRY_COMPARE(m_data->rawValue(102), uint16_t(0x80));
        QVERIFY(!diagnostics.isEmpty());
        QVERIFY(m_data->rawValue(16) > 400); // DC link voltage about 48 V
    }

    void transmissionIsAcknowledged()
    {
        m_sim->faults()->setRefusal(47, 4);
        connect();
        m_data->setValue(90, 0x8002); // with "kein Motor" only the first message would go out
        m_data->setValue(47, 12.5);
        m_data->setValue(1, 90);
        QSignalSpy complete(m_data.get(), &DatasetController::parameterStatesComplete);
        m_data->sendChangedParametersToInverter();
        QVERIFY(complete.wait(3000));
        QCOMPARE(complete.first().at(0).value<CommErrorCode>(), CommErrorCode(0xFF));
        const QString text = complete.first().at(1).toString();
        QVERIFY2(text.contains(QStringLiteral("P47")) && !text.contains(QStringLiteral("P46")), qPrintable(text));
        QVERIFY(m_sim->model()->raw(1) == 90 && m_sim->model()->raw(90) == 0x8002);

        m_sim->faults()->setRefusal(47, 0);
        m_data->sendChangedParametersToInverter();
        QVERIFY(complete.wait(3000));
        QCOMPARE(complete.last(), (QVariantList{QVariant::fromValue(CommErrorCode(0)), QString()}));
        QCOMPARE(m_sim->model()->raw(47), uint16_t(125));
    }

    void startAndStopFromTheProgram()
    {
        // DASM, started and set by the program, 0.5 s ramps.
        for (const auto &[id, value] : QVector<QPair<uint16_t, uint16_t>> { { 90, 0x8002 }, { 140, 0x805D }, { 141, 0x805D }, { 46, 5 }, { 47, 5 } })
            m_sim->model()->setRaw(id, value);
        connect();
        m_data->setValue(1, 90);
        QSignalSpy operation(m_data.get(), &DatasetController::motorOperationChanged);
        m_data->sendStartCommand();
        QTRY_VERIFY(m_data->motorRunning());
        QTRY_COMPARE(m_data->rawValue(13), uint16_t(90));
        m_data->sendStopCommand();
        QTRY_VERIFY_WITH_TIMEOUT(!m_data->motorRunning(), 5000);
        QVERIFY(operation.size() >= 2);
    }

    void reconnectsAfterUnplug()
    {
        connect();
        QSignalSpy disconnected(m_comm.get(), &CommunicationController::disconnectedFromDevice);
        QSignalSpy connected(m_comm.get(), &CommunicationController::connectedToDevice);
        m_sim->unplug(1);
        QVERIFY(disconnected.wait(7000));
        QVERIFY(connected.wait(7000));
    }

private:
    void connect()
    {
        m_comm = std::make_unique<CommunicationController>();
        m_data = std::make_unique<DatasetController>(m_comm.get());
        QSignalSpy connected(m_comm.get(), &CommunicationController::connectedToDevice);
        QVERIFY(connected.wait(2000));
        QCOMPARE(m_comm->state(), CommunicationController::Connected);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<InverterSimulator> m_sim;
    std::unique_ptr<CommunicationController> m_comm;
    std::unique_ptr<DatasetController> m_data;
};

QTEST_GUILESS_MAIN(tst_SimulatorE2e)
#include "tst_simulator_e2e.moc"
