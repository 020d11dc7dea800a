// The session bus without waiting on it: whether a bus answers, found out with a bound.
#pragma once

#include <QString>

namespace hx::alarms {

// DBUS_SESSION_BUS_ADDRESS as the process started, read once (HideSilentSessionBus may
// replace the variable later).
QString SessionBusAddress();

// Whether a D-Bus server at the address answers within timeoutMs: a socket of the address
// connects and the server accepts or refuses the authentication. Unix sockets (path,
// abstract) and TCP to a numeric host are probed; an address of another kind cannot be and
// counts as answering. The probe gives up (false) as soon as cancelFd, when given, is readable.
bool BusAnswers(const QString& address, int timeoutMs, int cancelFd = -1);

// Qt's own users of the session bus (the accessibility bridge, the tray icon, the global
// menu) wait on it without a bound from the GUI thread. A session bus that does not answer
// within timeoutMs is hidden from them: the variable is set to an address that fails at once.
// Call before the QApplication exists; returns false when the bus was hidden.
bool HideSilentSessionBus(int timeoutMs);

}  // namespace hx::alarms
