// Lists the devices the D2XX layer sees, opens each one at the inverter's
// settings and reports whether it could be opened, or is in use by another
// program (another instance of Torvana, the flashing tool).
#include "QFTD2XXDevice.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QList<QFTD2XXDeviceInfo> devices = QFTD2XXDevice::availableDevices();
    out << devices.size() << " device(s)\n";
    for (const QFTD2XXDeviceInfo &info : devices) {
        QFTD2XXDevice device(info);
        device.setBaudRate(38400);
        device.setDataCharacteristics(FT_BITS_8, FT_STOP_BITS_1, FT_PARITY_NONE);
        device.setTimeout(500);
        const bool opened = device.open(QIODevice::ReadWrite);
        out << info.index << ": serial \"" << info.serialNumber << "\" description \"" << info.description
            << "\" id " << QString::number(info.id, 16)
            << (opened ? " opened" : (info.flags & FT_FLAGS_OPENED) ? " in use" : " cannot be opened");
        if (opened)
            out << ", COM " << device.comPortNumber() << ", driver " << device.driverVersion();
        out << "\n";
    }
    return 0;
}
