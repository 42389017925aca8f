#include "switch/serial_port_order.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>
#include <tuple>

namespace {

auto sort_key(const QString& path)
{
    static const QRegularExpression name(QStringLiteral("/tty(ACM|USB|S)(\\d+)$"));
    const QRegularExpressionMatch match = name.match(path);
    if (!match.hasMatch())
        return std::make_tuple(3, 0, path);
    const QString kind = match.captured(1);
    const int rank = kind == QLatin1String("ACM") ? 0 : kind == QLatin1String("USB") ? 1 : 2;
    return std::make_tuple(rank, match.captured(2).toInt(), path);
}

}  // namespace

QStringList order_serial_ports(QStringList paths)
{
    std::stable_sort(paths.begin(), paths.end(),
                     [](const QString& a, const QString& b) { return sort_key(a) < sort_key(b); });
    return paths;
}

QStringList find_serial_ports()
{
    // Qt leaves out the ttyS nodes without a UART behind them.
    QStringList paths;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        paths << port.systemLocation();
    return order_serial_ports(paths);
}
