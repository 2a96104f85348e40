#pragma once

#include <QStringView>

namespace reminder {

// The three switches of a record, from positions 1 to 3 of its param_str: on
// when the position holds "1". A shorter param_str leaves the missing
// switches off.
struct Switches {
    bool yearly = false;
    bool sound = false;
    bool powerOff = false;
};

Switches ReadSwitches(QStringView paramStr);

} // namespace reminder
