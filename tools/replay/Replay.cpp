#include "Replay.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <sstream>

#include "app/Calculation.h"
#include "shared/ConfigFiles.h"
#include "shared/TaggedText.h"

namespace gv {

namespace {
constexpr long long SummaryPeriodMs = 5000;
}

Replay::Replay(const std::string& programFolder, const LocalTime& start)
    : acq_(g, status), log_(g, status, programFolder), start_(start)
{
    seedHighsAndLows(g);
    const ConfigLoadResult cfg = loadConfiguration(g, programFolder);
    if (g.SystemType > 8 || g.SystemType < 0)
        g.SystemType = 0;
    tickPeriodMs_ = std::max(1000, cfg.loggingIntervalMs);
    nextTickMs_ = tickPeriodMs_;
    log_.restoreDay(start);
    if (g.LogOn == 1)
        startLogging(true);
}

LocalTime Replay::now() const { return addSeconds(start_, nowMs_ / 1000); }

void Replay::send(std::string_view bytes)
{
    const Acquisition::Received r = acq_.onReceive(bytes, static_cast<double>(nowMs_) / 1000.0);
    messages_ += r.calculated;
    if (r.calculated > 0)
        dataSeen_ = true;
    if (r.framed > 0 && !summaryEnabled_) {
        // Enabling a running timer does not restart it.
        summaryEnabled_ = true;
        nextSummaryMs_ = nowMs_ + SummaryPeriodMs;
    }
}

void Replay::startLogging(bool automatic)
{
    const StartLogging s = checkLoggingInterval(numberText(g.LogDelay));
    if (!s.accepted)
        return;
    autoStarted_ = automatic;
    tickPeriodMs_ = s.timerIntervalMs;
    gv::startLogging(g);
}

void Replay::fireLoggingTick()
{
    ++ticks_;
    summaryEnabled_ = false; // every tick switches the 5 s timer off
    TickInput in{now(), dataSeen_, numberText(g.LogDelay), autoStarted_};
    const TickResult r = log_.tick(in);
    files_.insert(files_.end(), r.filesWritten.begin(), r.filesWritten.end());
    if (r.noDataYet)
        stopLogging();
}

void Replay::fireSummaryTimer() { log_.summaryTimer(now()); }

double Replay::waitMs(double seconds)
{
    if (!(seconds > 0) || !std::isfinite(seconds))
        return 0;
    return std::round(seconds * 1000.0);
}

bool Replay::wait(double seconds)
{
    const double ms = waitMs(seconds);
    if (static_cast<double>(nowMs_) + ms > static_cast<double>(MaxSimulatedMs))
        return false;
    const long long end = nowMs_ + static_cast<long long>(ms);
    for (;;) {
        long long next = nextTickMs_;
        if (summaryEnabled_)
            next = std::min(next, nextSummaryMs_);
        if (next > end)
            break;
        nowMs_ = next;
        if (summaryEnabled_ && nextSummaryMs_ == next) {
            nextSummaryMs_ += SummaryPeriodMs;
            fireSummaryTimer();
        }
        if (nextTickMs_ == next) {
            nextTickMs_ += tickPeriodMs_;
            fireLoggingTick();
        }
    }
    nowMs_ = end;
    return true;
}

std::string Replay::unescape(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out.push_back(text[i]);
            continue;
        }
        const char c = text[++i];
        switch (c) {
        case 'r': out.push_back('\r'); break;
        case 'n': out.push_back('\n'); break;
        case 't': out.push_back('\t'); break;
        case '\\': out.push_back('\\'); break;
        case 'x':
            if (i + 2 < text.size() + 0 && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
                std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
                out.push_back(static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16)));
                i += 2;
            } else {
                out += "\\x";
            }
            break;
        default:
            out.push_back('\\');
            out.push_back(c);
        }
    }
    return out;
}

bool Replay::run(std::istream& script, std::string* error)
{
    std::string line;
    int number = 0;
    auto fail = [&](const std::string& why) {
        if (error)
            *error = "line " + std::to_string(number) + ": " + why;
        return false;
    };
    const std::string beyondClock =
        " would take the clock beyond " + std::to_string(MaxSimulatedDays) + " days from the start";
    while (std::getline(script, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        std::istringstream in(line.substr(first));
        std::string cmd;
        in >> cmd;
        auto rest = [&] {
            std::string r;
            std::getline(in, r);
            if (!r.empty() && r.front() == ' ')
                r.erase(0, 1);
            return r;
        };
        if (cmd == "wait") {
            double s = 0;
            if (!(in >> s))
                return fail("wait needs seconds");
            if (!wait(s))
                return fail("wait" + beyondClock);
        } else if (cmd == "send") {
            send(unescape(rest()));
        } else if (cmd == "repeat") {
            long long n = 0;
            double s = 0;
            if (!(in >> n >> s))
                return fail("repeat needs a count and seconds");
            if (n > MaxRepeatCount)
                return fail("repeat count above " + std::to_string(MaxRepeatCount));
            if (n > 0 && static_cast<double>(nowMs_) + static_cast<double>(n) * waitMs(s) >
                             static_cast<double>(MaxSimulatedMs))
                return fail("repeat" + beyondClock);
            const std::string bytes = unescape(rest());
            for (long long k = 0; k < n; ++k) {
                send(bytes);
                wait(s);
            }
        } else if (cmd == "logging") {
            const std::string v = rest();
            if (v == "on")
                startLogging();
            else if (v == "off")
                stopLogging();
            else
                return fail("logging on|off");
        } else if (cmd == "check1") {
            const std::string v = rest();
            acq_.check1 = (v == "on");
        } else {
            return fail("unknown command '" + cmd + "'");
        }
    }
    return true;
}

} // namespace gv
