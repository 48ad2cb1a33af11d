#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <unistd.h>

// Watches a top-level widget for its first paint. The report is queued from inside that paint,
// so it runs once the frame has been painted and flushed to the display: it prints the
// monotonic clock in nanoseconds, the resident memory in KiB and the CPU time the process has
// used so far in nanoseconds on one line, then quits.
class FirstFrameProbe : public QObject
{
public:
    explicit FirstFrameProbe(QWidget &window)
    {
        window.installEventFilter(this);
        // A window that never paints must not hang whoever started us.
        QTimer::singleShot(NoFrameTimeoutMs, this, [] {
            std::fputs("no frame was painted\n", stderr);
            QCoreApplication::exit(1);
        });
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, this, &FirstFrameProbe::report);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static constexpr int NoFrameTimeoutMs = 20000;

    static void report()
    {
        const long long now = nanoseconds(CLOCK_MONOTONIC);
        const long long cpu = nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
        std::printf("%lld %ld %lld\n", now, residentKib(), cpu);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    static long long nanoseconds(clockid_t clock)
    {
        timespec now {};
        clock_gettime(clock, &now);
        return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
    }

    // Second field of /proc/self/statm: resident pages.
    static long residentKib()
    {
        long sizePages = 0;
        long residentPages = -1;
        if (std::FILE *statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld %ld", &sizePages, &residentPages) != 2)
                residentPages = -1;
            std::fclose(statm);
        }
        return residentPages < 0 ? -1 : residentPages * (sysconf(_SC_PAGESIZE) / 1024);
    }

    bool m_painted = false;
};
