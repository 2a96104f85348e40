#include "reminder/Switches.h"

namespace reminder {
namespace {

bool IsOn(QStringView paramStr, qsizetype index)
{
    return index < paramStr.size() && paramStr[index] == u'1';
}

} // namespace

Switches ReadSwitches(QStringView paramStr)
{
    return {IsOn(paramStr, 0), IsOn(paramStr, 1), IsOn(paramStr, 2)};
}

} // namespace reminder
