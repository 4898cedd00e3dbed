// gv_simulator: a stand-in for the measuring device, for trying Gyrovane
// without hardware.  It writes logger messages (tagged ADC counts ended by
// "]") or Current Cost Classic / 128 messages at a steady rate, with values
// that drift like a small wind and battery system, to stdout, a file or a
// serial device (for example one end of a pseudo-terminal pair made with
// socat -d -d pty,raw,echo=0 pty,raw,echo=0).
//
//   gv_simulator --type 1 --interval-ms 1000 --out /dev/pts/7
//
// Options:
//   --type N         system type 0..8 (default 0): 0 sends the fixed tags
//                    <V> <I> <S> <R>; 1, 2, 5, 6, 7, 8 send channels 1..16 by
//                    the default channel tags (A1..A8, V1..V3, WS, R1, R2,
//                    P1, P2); 3 sends Current Cost Classic messages, each
//                    with the monitor's stored totals (<hist>) after its
//                    readings; 4 sends Current Cost 128 messages,
//                    alternating sensors 9 and 0.
//   --interval-ms M  time between messages (default 1000; 0 = as fast as
//                    possible)
//   --count K        number of messages, 0 = until interrupted (default 0)
//   --out PATH       where to write (default stdout); a terminal device is
//                    switched to raw mode, a regular file is appended to
//   --baud B         speed set on a terminal device (default 4800)
//   --seed S         seed of the random variation (default: time based)
//   --split          write every message in a few pieces of random length,
//                    as a slow serial line delivers it
//   --history H      Current Cost 128 (type 4): after every H live messages
//                    one message of stored totals (<hist>, one <data> block
//                    per sensor, no live reading), as the 128 sends every
//                    two hours (default 0: none); other types ignore it
//   --help

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <random>
#include <string>
#include <termios.h>
#include <unistd.h>

#include "shared/ConfigFiles.h"
#include "shared/TaggedText.h"

namespace {

struct Options {
    int type = 0;
    long intervalMs = 1000;
    long long count = 0;
    std::string out;
    long baud = 4800;
    unsigned seed = 0;
    bool seeded = false;
    bool split = false;
    long long history = 0;
};

volatile std::sig_atomic_t stopRequested = 0;

void onSignal(int) { stopRequested = 1; }

void usage(FILE* f)
{
    std::fputs("usage: gv_simulator [--type 0..8] [--interval-ms M] [--count K] [--out PATH]\n"
               "                    [--baud B] [--seed S] [--split] [--history H]\n",
               f);
}

bool parseLong(const char* text, long long& value)
{
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0')
        return false;
    value = v;
    return true;
}

bool parseOptions(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&](long long& v) {
            if (i + 1 >= argc || !parseLong(argv[i + 1], v)) {
                std::fprintf(stderr, "gv_simulator: %s needs a whole number\n", a.c_str());
                return false;
            }
            ++i;
            return true;
        };
        long long v = 0;
        if (a == "--help" || a == "-h") {
            usage(stdout);
            std::exit(0);
        } else if (a == "--type") {
            if (!next(v) || v < 0 || v > 8) {
                std::fprintf(stderr, "gv_simulator: --type must be 0..8\n");
                return false;
            }
            o.type = static_cast<int>(v);
        } else if (a == "--interval-ms") {
            if (!next(v) || v < 0)
                return false;
            o.intervalMs = static_cast<long>(v);
        } else if (a == "--count") {
            if (!next(v) || v < 0)
                return false;
            o.count = v;
        } else if (a == "--baud") {
            if (!next(v) || v <= 0)
                return false;
            o.baud = static_cast<long>(v);
        } else if (a == "--seed") {
            if (!next(v))
                return false;
            o.seed = static_cast<unsigned>(v);
            o.seeded = true;
        } else if (a == "--out") {
            if (i + 1 >= argc)
                return false;
            o.out = argv[++i];
        } else if (a == "--split") {
            o.split = true;
        } else if (a == "--history") {
            if (!next(v) || v < 0)
                return false;
            o.history = v;
        } else {
            std::fprintf(stderr, "gv_simulator: unknown option %s\n", a.c_str());
            return false;
        }
    }
    return true;
}

speed_t speedFor(long baud)
{
    switch (baud) {
    case 300: return B300;
    case 600: return B600;
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B4800;
    }
}

int openOutput(const Options& o)
{
    if (o.out.empty())
        return STDOUT_FILENO;
    int fd = ::open(o.out.c_str(), O_WRONLY | O_NOCTTY | O_CREAT | O_APPEND, 0644);
    if (fd < 0) {
        std::fprintf(stderr, "gv_simulator: cannot open %s: %s\n", o.out.c_str(), std::strerror(errno));
        return -1;
    }
    if (::isatty(fd)) {
        termios t{};
        if (::tcgetattr(fd, &t) == 0) {
            ::cfmakeraw(&t);
            ::cfsetispeed(&t, speedFor(o.baud));
            ::cfsetospeed(&t, speedFor(o.baud));
            ::tcsetattr(fd, TCSANOW, &t);
        }
    }
    return fd;
}

bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN) {
                ::usleep(1000);
                continue;
            }
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// A small wind and battery system that drifts with time.
class Plant {
public:
    explicit Plant(unsigned seed) : rng_(seed) {}

    void step(double seconds)
    {
        t_ += seconds;
        gust_ = 0.8 * gust_ + noise(0.6);
        wind_ = std::max(0.0, 5.0 + 3.5 * std::sin(t_ / 90.0) + gust_);
        rpm1_ = wind_ > 2.0 ? 45.0 * wind_ + noise(5) : 0.0;
        rpm2_ = wind_ > 2.5 ? 38.0 * wind_ + noise(5) : 0.0;
        amps1_ = wind_ > 3.0 ? std::min(25.0, 0.35 * (wind_ - 3.0) * (wind_ - 3.0)) : 0.0;
        amps2_ = wind_ > 3.5 ? std::min(25.0, 0.28 * (wind_ - 3.5) * (wind_ - 3.5)) : 0.0;
        volts_ = 12.4 + 0.06 * (amps1_ + amps2_) + noise(0.05);
        sun_ = std::max(0.0, 6.0 * std::sin(t_ / 400.0) + noise(0.2));
    }

    // ADC counts as the logger sends them (the first-run calibration reads
    // them as count * 0.10).
    long count(int channel)
    {
        double v = 0;
        switch (channel) {
        case 1: v = amps1_; break;
        case 2: v = amps2_; break;
        case 3: v = sun_; break;                                    // solar
        case 4: v = 1.5 + noise(0.3); break;                        // DC load
        case 5: case 6: case 7: case 8: v = 0.4 * channel + noise(0.2); break; // loads
        case 9: v = volts_; break;
        case 10: v = volts_ * 2.0 + noise(0.05); break;
        case 11: v = 5.0 + noise(0.02); break;
        case 12: v = wind_; break;
        case 13: v = rpm1_; break;
        case 14: v = rpm2_; break;
        case 15: case 16: v = 3.0 + noise(1.0); break;              // pulse inputs
        default: break;
        }
        return std::lround(std::max(0.0, v) * 10.0);
    }

    // The monitor's own thermometer, in the display unit: every message of
    // every sensor carries the same room temperature.
    double temperature() { return 19.5 + std::sin(t_ / 600.0) + noise(0.1); }
    long watts(int channel) { return std::lround(std::max(0.0, 150.0 * channel + 400.0 * std::sin(t_ / 120.0 + channel) + noise(20))); }

private:
    double noise(double amplitude) { return std::normal_distribution<double>(0.0, amplitude)(rng_); }

    std::mt19937 rng_;
    double t_ = 0, gust_ = 0, wind_ = 0, rpm1_ = 0, rpm2_ = 0, amps1_ = 0, amps2_ = 0, volts_ = 12.4, sun_ = 0;
};

using gv::tagged;

std::string loggerMessage(int type, Plant& p)
{
    std::string m;
    if (type == 0) {
        m += tagged("V", std::to_string(p.count(9)));
        m += tagged("I", std::to_string(p.count(1)));
        m += tagged("S", std::to_string(p.count(12)));
        m += tagged("R", std::to_string(p.count(13)));
    } else {
        const auto& tags = gv::firstRunConfiguration().XMLhardware;
        for (int n = 1; n <= 16; ++n)
            m += tagged(tags[n], std::to_string(p.count(n)));
    }
    return m + "]";
}

std::string fiveDigits(long v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%05ld", std::max(0L, std::min(v, 99999L)));
    return buf;
}

std::string oneDecimal(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    return buf;
}

std::string classicMessage(Plant& p, long long seq)
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&now, &tm);
    char date[96];
    std::snprintf(date, sizeof date, "<date><dsb>%05lld</dsb><hr>%02d</hr><min>%02d</min><sec>%02d</sec></date>",
                  seq % 100000, tm.tm_hour, tm.tm_min, tm.tm_sec);
    std::string m = "<msg>";
    m += date;
    m += "<src><name>CC02</name><id>00077</id><type>1</type><sver>1.06</sver></src>";
    for (int ch = 1; ch <= 3; ++ch)
        m += tagged("ch" + std::to_string(ch), tagged("watts", fiveDigits(p.watts(ch))));
    m += tagged("tmpr", oneDecimal(p.temperature()));
    // The stored totals follow the readings in every message: kWh per two
    // hours (h02 the last two .. h26), per day, per month and per year.
    char item[32];
    m += "<hist><hrs>";
    for (int h = 2; h <= 26; h += 2) {
        std::snprintf(item, sizeof item, "<h%02d>%05.1f</h%02d>", h, 0.8 + 0.1 * (h % 5), h);
        m += item;
    }
    m += "</hrs><days>";
    for (int d = 1; d <= 31; ++d) {
        std::snprintf(item, sizeof item, "<d%02d>%04d</d%02d>", d, 9 + d % 4, d);
        m += item;
    }
    m += "</days><mths>";
    for (int mth = 1; mth <= 12; ++mth) {
        std::snprintf(item, sizeof item, "<m%02d>%04d</m%02d>", mth, 270 + 5 * mth, mth);
        m += item;
    }
    m += "</mths><yrs>";
    for (int y = 1; y <= 4; ++y) {
        std::snprintf(item, sizeof item, "<y%d>%07d</y%d>", y, y == 4 ? 0 : 3240, y);
        m += item;
    }
    return m + "</yrs></hist></msg>\r\n";
}

std::string cc128Message(Plant& p, long long seq)
{
    const int sensor = (seq % 2 == 0) ? 9 : 0;
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&now, &tm);
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
    std::string m = "<msg><src>CC128-v0.11</src>";
    m += tagged("dsb", fiveDigits(seq % 100000));
    m += tagged("time", time);
    m += tagged("tmpr", oneDecimal(p.temperature()));
    m += tagged("sensor", std::to_string(sensor));
    m += tagged("id", sensor == 9 ? "01234" : "00077");
    m += tagged("type", "1");
    for (int ch = 1; ch <= 3; ++ch)
        m += tagged("ch" + std::to_string(ch), tagged("watts", fiveDigits(p.watts(ch + (sensor == 0 ? 3 : 0)))));
    return m + "</msg>\r\n";
}

// The 128's stored totals, a message of their own: one <data> block per
// sensor 0..9 with kWh per two hours, no <watts> and no <tmpr>.
std::string cc128History(long long seq)
{
    std::string m = "<msg><src>CC128-v0.11</src><dsb>" + fiveDigits(static_cast<long>(seq % 100000)) +
                    "</dsb><time>13:01:05</time><hist><dsw>" + fiveDigits(static_cast<long>(seq % 100000)) +
                    "</dsw><type>1</type><units>kwhr</units>";
    for (int sensor = 0; sensor <= 9; ++sensor)
        m += "<data><sensor>" + std::to_string(sensor) +
             "</sensor><h024>001.1</h024><h022>000.9</h022><h020>000.3</h020><h018>000.4</h018></data>";
    return m + "</hist></msg>\r\n";
}

void addMilliseconds(timespec& t, long ms)
{
    t.tv_sec += ms / 1000;
    t.tv_nsec += (ms % 1000) * 1000000L;
    if (t.tv_nsec >= 1000000000L) {
        t.tv_nsec -= 1000000000L;
        ++t.tv_sec;
    }
}

} // namespace

int main(int argc, char** argv)
{
    Options o;
    if (!parseOptions(argc, argv, o)) {
        usage(stderr);
        return 2;
    }
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);

    const int fd = openOutput(o);
    if (fd < 0)
        return 1;

    const unsigned seed = o.seeded ? o.seed : static_cast<unsigned>(std::time(nullptr));
    Plant plant(seed);
    std::mt19937 splitter(seed ^ 0x5eedu);

    timespec due{};
    ::clock_gettime(CLOCK_MONOTONIC, &due);
    int status = 0;
    for (long long seq = 0; !stopRequested && (o.count == 0 || seq < o.count); ++seq) {
        plant.step(o.intervalMs > 0 ? o.intervalMs / 1000.0 : 1.0);
        std::string message;
        if (o.type == 3)
            message = classicMessage(plant, seq);
        else if (o.type == 4)
            message = cc128Message(plant, seq);
        else
            message = loggerMessage(o.type, plant);
        if (o.type == 4 && o.history > 0 && (seq + 1) % o.history == 0)
            message += cc128History(seq);

        bool ok = true;
        if (o.split && message.size() > 1) {
            size_t at = 0;
            while (ok && at < message.size()) {
                const size_t n = std::min(message.size() - at,
                                          std::uniform_int_distribution<size_t>(1, message.size() / 2)(splitter));
                ok = writeAll(fd, message.data() + at, n);
                at += n;
                if (at < message.size() && o.intervalMs > 0)
                    ::usleep(static_cast<useconds_t>(std::min<long>(o.intervalMs, 1000) * 50)); // 5% of a slot
            }
        } else {
            ok = writeAll(fd, message.data(), message.size());
        }
        if (!ok) {
            std::fprintf(stderr, "gv_simulator: write failed: %s\n", std::strerror(errno));
            status = 1;
            break;
        }
        if (fd == STDOUT_FILENO && o.type != 3 && o.type != 4 && ::isatty(fd))
            writeAll(fd, "\n", 1); // readable on a console; a device never sees it

        if (o.intervalMs > 0 && (o.count == 0 || seq + 1 < o.count)) {
            addMilliseconds(due, o.intervalMs);
            while (!stopRequested && ::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr) == EINTR) {
            }
        }
    }
    if (fd != STDOUT_FILENO)
        ::close(fd);
    return status;
}
