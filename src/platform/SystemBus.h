#pragma once

#include <QDBusConnection>

// The desktop services we talk to (NetworkManager, UDisks2) live on the system bus. A call to
// them waits at most this long, so that a hung or absent service never stalls the window.
inline constexpr int SystemBusTimeoutMs = 3000;

// The system bus, or a disconnected connection where there is none; DBUS_SYSTEM_BUS_ADDRESS
// points it elsewhere (tests start a private bus).
QDBusConnection SystemBus();
