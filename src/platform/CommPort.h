#pragma once
// The serial-communications control of the main window: a port number, a
// settings text such as "4800,N,8,1", an input length (0 = every read takes
// everything received), open and close, a read of the waiting input, a way to
// clear the input count, and one receive event whenever input is waiting.
//
// Port n opens the device gv::portDevicePath(n, programFolder): on Linux the
// program folder's "COMn" link when there is one (a USB adapter or a
// pseudo-terminal), else /dev/ttyS<n-1>.
//
// The program only listens; nothing here writes to the port.
//
// When the device goes away while the port is open (a USB cable pulled, the
// other end of a pseudo-terminal closed) the port closes itself, deviceLost()
// is emitted and, while reopening is switched on, the same device is tried
// again on a timer until it opens; deviceBack() then reports that reading has
// resumed.  The retry opens the very path that was opened, never the
// /dev/ttyS fallback: a "COMn" link that vanished with its bridge must not
// make the port read whatever serial device stands behind the fallback.
// A port closed on purpose (setPortOpen(false)) is never reopened.
//
// A port that did not open can be left trying (keepTryingToOpen()): it is
// tried again on the same timer, the port number mapped afresh each time
// (a "COMn" link made later is found, as it would be by an open), until it
// opens, which deviceBack() reports.

#include "platform/PortMapping.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>

namespace gv {

struct CommSettings {
    qint32 baud = 0;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

// Parses "baud,parity,data,stop" ("4800,N,8,1"); parity N, E, O, M or S, data
// bits 5 to 8, stop bits 1, 1.5 or 2.  False for anything else.
bool parseCommSettings(const QString& text, CommSettings* out);

class CommPort : public QObject {
    Q_OBJECT
public:
    explicit CommPort(QObject* parent = nullptr);
    ~CommPort() override;

    // Port number (1 = COM1).  Changing it while open is refused (false).
    bool setCommPort(int port);
    int commPort() const { return port_; }

    // Settings text "baud,parity,data,stop"; an invalid text is refused
    // (false, with errorString()).  While open, the new settings apply at once.
    bool setSettings(const QString& text);
    QString settings() const { return settingsText_; }

    // 0 = Input() returns everything waiting; n > 0 = at most n bytes.
    void setInputLen(int n) { inputLen_ = n < 0 ? 0 : n; }

    // The folder whose "COMn" links name the devices (see PortMapping.h).
    void setProgramFolder(const QString& folder) { folder_ = folder; }
    // The devices behind port numbers without a "COMn" link ("/dev/ttyS";
    // a test points it at pseudo-terminals of its own).
    void setFallbackPrefix(const QString& prefix) { fallbackPrefix_ = prefix; }
    QString devicePath() const;

    // Opens (true) or closes (false) the port.  Opening fails, returning false
    // with errorString() set, when the port number is below 1, the settings
    // are invalid, or the device does not exist, is in use or rejects them.
    bool setPortOpen(bool open);
    bool portOpen() const;

    // Reads the waiting input (all of it when InputLen is 0).
    QByteArray Input();
    // Setting the count to 0 forgets what is waiting in our own buffer.  The
    // driver's queue is never flushed, so bytes that arrive later are not lost.
    void setInBufferCount(int n);

    // After a failed open: tries to open again every retry period until the
    // port opens or is closed on purpose.
    void keepTryingToOpen();

    // Retry period after a lost device or a failed open; 0 switches
    // reopening off.
    void setReopenInterval(int ms) { reopenMs_ = ms; }
    // True between deviceLost() and deviceBack().
    bool deviceMissing() const { return missing_; }

    QString errorString() const { return error_; }

signals:
    // Input is waiting (the receive event).
    void OnComm();
    void deviceLost();
    void deviceBack();

private:
    void onError(QSerialPort::SerialPortError e);
    void closeLostDevice();
    void tryReopen();
    // Opens `path` with the current settings.
    bool openDevice(const QString& path);
    // Baud rate, parity, data and stop bits onto the open device.
    bool applySettings(const CommSettings& s);

    QSerialPort serial_;
    QTimer reopen_;
    int port_ = 1;
    QString settingsText_ = QStringLiteral("9600,N,8,1");
    int inputLen_ = 0;
    QString folder_;
    QString fallbackPrefix_ = DefaultFallbackPrefix;
    QString openedPath_; // the device the port was opened on, retried after a loss
    QString error_;
    int reopenMs_ = 2000;
    bool missing_ = false;
    bool remap_ = false; // the retries map the port number afresh (it never opened)
};

} // namespace gv
