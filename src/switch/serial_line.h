#pragma once
// One serial port held open for a switch adapter: the only file that talks to
// Qt Serial Port. Opened write-only: a port opened for reading that vanishes
// floods error signals and keeps a core busy.

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

class QSerialPort;

class SerialLine {
public:
    enum class Outcome { Opened, NotFound, NotAllowed, InUse, Failed };

    SerialLine();
    ~SerialLine();

    // Opens path (symbolic links resolved first: the port's lock file is named
    // after the path given) and keeps it open; closes any port held before.
    Outcome open(const QString& path);
    bool is_open() const;
    void close();
    // The path opened last, and the platform's words for the last failure.
    QString path() const { return path_; }
    QString failure() const { return failure_; }

    void set_lines(bool dtr, bool rts);
    // The modem status register as the UART would show it (carrier detect in
    // bit 7, ring 6, data set ready 5, clear to send 4); nullopt when the
    // port has failed, for instance because its adapter was unplugged.
    std::optional<uint8_t> modem_status();

private:
    std::unique_ptr<QSerialPort> port_;
    QString path_;
    QString failure_;
};

// The group that may use the device node at path, for the adult's message.
QString device_group(const QString& path);
