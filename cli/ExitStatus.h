// The exit statuses of torvana-cli; scripts and the man page rely on them.
#pragma once

enum class ExitStatus : int {
    Done = 0,
    Refused = 1,        // the inverter refused something or answered with an error
    Usage = 2,          // a usage error, or a file that cannot be read or is not valid
    NoInverter = 3,     // no inverter answered within the time-out
    ConnectionLost = 4, // the connection was lost during the operation
    Interrupted = 130,  // Ctrl+C before the command was done (128 + SIGINT, as shells report it)
};
