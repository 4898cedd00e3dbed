#include "platform/CommPort.h"

#include "platform/PortMapping.h"

#include <QStringList>

namespace gv {

bool parseCommSettings(const QString& text, CommSettings* out)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    bool ok = false;
    const qint64 baud = parts[0].trimmed().toLongLong(&ok);
    if (!ok || baud <= 0 || baud > 4000000)
        return false;
    CommSettings s;
    s.baud = static_cast<qint32>(baud);

    const QString parity = parts[1].trimmed().toUpper();
    if (parity == QLatin1String("N"))
        s.parity = QSerialPort::NoParity;
    else if (parity == QLatin1String("E"))
        s.parity = QSerialPort::EvenParity;
    else if (parity == QLatin1String("O"))
        s.parity = QSerialPort::OddParity;
    else if (parity == QLatin1String("M"))
        s.parity = QSerialPort::MarkParity;
    else if (parity == QLatin1String("S"))
        s.parity = QSerialPort::SpaceParity;
    else
        return false;

    const QString data = parts[2].trimmed();
    if (data == QLatin1String("5"))
        s.dataBits = QSerialPort::Data5;
    else if (data == QLatin1String("6"))
        s.dataBits = QSerialPort::Data6;
    else if (data == QLatin1String("7"))
        s.dataBits = QSerialPort::Data7;
    else if (data == QLatin1String("8"))
        s.dataBits = QSerialPort::Data8;
    else
        return false;

    const QString stop = parts[3].trimmed();
    if (stop == QLatin1String("1"))
        s.stopBits = QSerialPort::OneStop;
    else if (stop == QLatin1String("1.5"))
        s.stopBits = QSerialPort::OneAndHalfStop;
    else if (stop == QLatin1String("2"))
        s.stopBits = QSerialPort::TwoStop;
    else
        return false;

    if (out)
        *out = s;
    return true;
}

CommPort::CommPort(QObject* parent) : QObject(parent)
{
    connect(&serial_, &QSerialPort::readyRead, this, &CommPort::OnComm);
    connect(&serial_, &QSerialPort::errorOccurred, this, &CommPort::onError);
    reopen_.setSingleShot(false);
    connect(&reopen_, &QTimer::timeout, this, &CommPort::tryReopen);
}

CommPort::~CommPort()
{
    reopen_.stop();
    if (serial_.isOpen())
        serial_.close();
}

bool CommPort::setCommPort(int port)
{
    if (serial_.isOpen()) {
        error_ = QStringLiteral("Port already open");
        return false;
    }
    port_ = port;
    return true;
}

bool CommPort::setSettings(const QString& text)
{
    CommSettings s;
    if (!parseCommSettings(text, &s)) {
        error_ = QStringLiteral("Invalid property value");
        return false;
    }
    settingsText_ = text;
    if (serial_.isOpen() && !applySettings(s)) {
        error_ = serial_.errorString();
        return false;
    }
    return true;
}

bool CommPort::applySettings(const CommSettings& s)
{
    return serial_.setBaudRate(s.baud) && serial_.setParity(s.parity) && serial_.setDataBits(s.dataBits) &&
           serial_.setStopBits(s.stopBits);
}

QString CommPort::devicePath() const { return portDevicePath(port_, folder_, fallbackPrefix_); }

bool CommPort::openDevice(const QString& path)
{
    CommSettings s;
    if (!parseCommSettings(settingsText_, &s)) {
        error_ = QStringLiteral("Invalid property value");
        return false;
    }
    if (port_ < 1) {
        error_ = QStringLiteral("Invalid Port Number");
        return false;
    }
    serial_.setPortName(path);
    if (!serial_.open(QIODevice::ReadOnly)) {
        error_ = serial_.errorString();
        serial_.clearError();
        return false;
    }
    if (!applySettings(s) || !serial_.setFlowControl(QSerialPort::NoFlowControl)) {
        error_ = serial_.errorString();
        serial_.close();
        serial_.clearError();
        return false;
    }
    error_.clear();
    return true;
}

bool CommPort::setPortOpen(bool open)
{
    if (!open) {
        // A port closed on purpose is not reopened behind the user's back.
        reopen_.stop();
        missing_ = false;
        remap_ = false;
        if (serial_.isOpen())
            serial_.close();
        return true;
    }
    if (serial_.isOpen()) {
        error_ = QStringLiteral("Port already open");
        return false;
    }
    reopen_.stop();
    missing_ = false;
    remap_ = false;
    // The port is chosen here: the mapping decides which device it is.
    const QString path = devicePath();
    if (!openDevice(path))
        return false;
    openedPath_ = path;
    return true;
}

bool CommPort::portOpen() const { return serial_.isOpen(); }

QByteArray CommPort::Input()
{
    if (!serial_.isOpen())
        return {};
    if (inputLen_ == 0)
        return serial_.readAll();
    return serial_.read(inputLen_);
}

void CommPort::setInBufferCount(int n)
{
    if (n == 0 && serial_.isOpen() && serial_.bytesAvailable() > 0)
        serial_.read(serial_.bytesAvailable());
}

void CommPort::onError(QSerialPort::SerialPortError e)
{
    if (e != QSerialPort::ResourceError && e != QSerialPort::ReadError)
        return;
    if (!serial_.isOpen() || missing_)
        return;
    // The device went away: close it (a hung-up descriptor would otherwise
    // keep signalling) and look for it again on the retry timer.  The close
    // waits for the event loop, outside the port's own notification.
    error_ = serial_.errorString();
    missing_ = true;
    QMetaObject::invokeMethod(this, &CommPort::closeLostDevice, Qt::QueuedConnection);
}

void CommPort::closeLostDevice()
{
    if (!missing_)
        return; // closed or reopened on purpose meanwhile
    if (serial_.isOpen())
        serial_.close();
    serial_.clearError();
    if (reopenMs_ > 0)
        reopen_.start(reopenMs_);
    emit deviceLost();
}

void CommPort::keepTryingToOpen()
{
    if (serial_.isOpen() || reopenMs_ <= 0)
        return;
    remap_ = true;
    reopen_.start(reopenMs_);
}

void CommPort::tryReopen()
{
    if (serial_.isOpen()) {
        reopen_.stop();
        return;
    }
    // A device that was lost is looked for where it was; a port that never
    // opened is looked for as an open would.
    const QString path = remap_ ? devicePath() : openedPath_;
    if (!openDevice(path))
        return;
    openedPath_ = path;
    reopen_.stop();
    missing_ = false;
    remap_ = false;
    emit deviceBack();
}

} // namespace gv
