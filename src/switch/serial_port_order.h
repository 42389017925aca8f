#pragma once
// Which serial port stands behind "Adapter in COM 1" to "COM 4": the n-th port
// found, USB adapters first (ttyACM*, then ttyUSB*, in number order), then the
// built-in ttyS* ports, so a single USB adapter is always COM 1.

#include <QStringList>

// The given device paths in that order; others follow by name.
QStringList order_serial_ports(QStringList paths);

// The serial ports of this computer, in that order.
QStringList find_serial_ports();
