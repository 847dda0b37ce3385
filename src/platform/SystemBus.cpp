#include "platform/SystemBus.h"

QDBusConnection SystemBus()
{
    return QDBusConnection::systemBus();
}
