#pragma once

#include "CliCommand.h"
#include "CommErrorCode.h"
#include "RefusalReport.h"

#include <QString>

#include <cstdint>

// memory list | load N | save N | delete N: the inverter's motor memories
// M1 to M16. load makes a memory's set current (--store then stores it in the
// EEPROM); save stores the inverter's current motor set in memory N (--yes to
// overwrite an occupied one); delete needs --yes.
class MemoryCommand : public CliCommand
{
    Q_OBJECT

public:
    static constexpr int MemoryCount = 16;

    using CliCommand::CliCommand;

    ExitStatus prepare() override;
    void run() override;

private:
    enum class Action { List, Load, Save, Delete };

    void list();
    void load();
    void save();
    void remove();
    void loaded();
    void saved(CommErrorCode error, const QString &summary);
    void removed(CommErrorCode error);
    uint16_t occupied();
    [[nodiscard]] QString occupiedList();
    // The motor code on the wire: memory M<n> is n - 1.
    [[nodiscard]] uint16_t motorCode() const { return uint16_t(m_memory - 1); }

    Action m_action = Action::List;
    int m_memory = 0;
    bool m_waiting = false;
    RefusalReport m_report;
};
