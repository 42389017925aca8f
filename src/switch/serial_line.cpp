#include "switch/serial_line.h"

#include <QFileInfo>
#include <QSerialPort>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

SerialLine::SerialLine() = default;
SerialLine::~SerialLine() = default;

SerialLine::Outcome SerialLine::open(const QString& path)
{
    close();
    path_ = path;
    const QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty()) {
        failure_ = QStringLiteral("no such device");
        return Outcome::NotFound;
    }
    port_ = std::make_unique<QSerialPort>(target);
    if (port_->open(QIODevice::WriteOnly))
        return Outcome::Opened;
    const QSerialPort::SerialPortError error = port_->error();
    failure_ = port_->errorString();
    port_.reset();
    if (error == QSerialPort::DeviceNotFoundError)
        return Outcome::NotFound;
    if (error == QSerialPort::PermissionError) {
        // Qt reports a port held by another program as a permission error too.
        const QByteArray native = target.toLocal8Bit();
        return ::access(native.constData(), R_OK | W_OK) == 0 ? Outcome::InUse : Outcome::NotAllowed;
    }
    return Outcome::Failed;
}

bool SerialLine::is_open() const
{
    return port_ && port_->isOpen();
}

void SerialLine::close()
{
    port_.reset();
}

void SerialLine::set_lines(bool dtr, bool rts)
{
    if (!is_open())
        return;
    port_->setDataTerminalReady(dtr);
    port_->setRequestToSend(rts);
}

std::optional<uint8_t> SerialLine::modem_status()
{
    if (!is_open())
        return std::nullopt;
    port_->clearError();
    const QSerialPort::PinoutSignals lines = port_->pinoutSignals();
    if (port_->error() != QSerialPort::NoError) {
        failure_ = port_->errorString();
        return std::nullopt;
    }
    uint8_t status = 0;
    if (lines & QSerialPort::DataCarrierDetectSignal)
        status |= 0x80;
    if (lines & QSerialPort::RingIndicatorSignal)
        status |= 0x40;
    if (lines & QSerialPort::DataSetReadySignal)
        status |= 0x20;
    if (lines & QSerialPort::ClearToSendSignal)
        status |= 0x10;
    return status;
}

QString device_group(const QString& path)
{
    struct stat info { };
    const QByteArray native = QFileInfo(path).canonicalFilePath().toLocal8Bit();
    if (!native.isEmpty() && ::stat(native.constData(), &info) == 0)
        if (const group* owner = ::getgrgid(info.st_gid))
            if (owner->gr_gid != 0)
                return QString::fromLocal8Bit(owner->gr_name);
    return QStringLiteral("dialout");
}
