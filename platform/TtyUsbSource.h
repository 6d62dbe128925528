// FTDI USB-serial converters that Linux exposes as /dev/ttyUSB<N>, found in
// sysfs. The sysfs root is "/sys" unless TORVANA_SYSFS_ROOT names another one,
// so that a test can lay out a tree of its own.
#pragma once

#include "D2xxSource.h"

#include <string>
#include <vector>

class TtyUsbSource : public D2xxSource
{
public:
    // COM port numbers of this source are the N of ttyUSB<N>; they stay below this.
    static constexpr int32_t ComPortLimit = 1000;

    std::vector<D2xxDeviceEntry> devices() override;
    D2xxPort *open(const D2xxDeviceEntry &entry) override;

    static std::string sysfsRoot();
};
