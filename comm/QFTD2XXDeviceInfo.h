#pragma once

#include <QMetaType>
#include <QString>

#include <cstdint>

// One attached device as listed by the D2XX library.
struct QFTD2XXDeviceInfo
{
    QString serialNumber;
    QString description;
    uint32_t id = 0;
    uint32_t locationId = 0;
    uint32_t type = 0;
    uint32_t flags = 0;
    int32_t index = -1;
};

Q_DECLARE_METATYPE(QFTD2XXDeviceInfo)
