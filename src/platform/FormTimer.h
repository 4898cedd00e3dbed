#pragma once
// A window timer with the two properties the program's handlers use:
// Enabled and Interval (milliseconds).
//  - Enabling a timer that already runs does not restart its count, so a
//    timer enabled by every message still fires on its own period.
//  - Disabling and enabling again starts a fresh period.
//  - A new Interval on a running timer starts a fresh period; setting the
//    same Interval again changes nothing.
//  - An Interval of 0 or less keeps the timer from firing while it stays
//    Enabled; a later positive Interval lets it run.
// Periods up to 600 000 ms and beyond are accepted.

#include <QObject>
#include <QTimer>

namespace gv {

class FormTimer : public QObject {
    Q_OBJECT
public:
    explicit FormTimer(int intervalMs = 0, bool enabled = false, QObject* parent = nullptr)
        : QObject(parent), interval_(intervalMs), enabled_(enabled)
    {
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, &FormTimer::Timer);
        apply(true);
    }

    bool Enabled() const { return enabled_; }
    void setEnabled(bool on)
    {
        if (on == enabled_)
            return;
        enabled_ = on;
        apply(true);
    }

    int Interval() const { return interval_; }
    void setInterval(int ms)
    {
        if (ms == interval_)
            return;
        interval_ = ms;
        apply(true);
    }

    // True when the timer will fire (enabled with a positive interval).
    bool running() const { return timer_.isActive(); }

signals:
    void Timer();

private:
    void apply(bool restart)
    {
        if (enabled_ && interval_ > 0) {
            if (restart || !timer_.isActive())
                timer_.start(interval_);
        } else {
            timer_.stop();
        }
    }

    QTimer timer_;
    int interval_;
    bool enabled_;
};

} // namespace gv
