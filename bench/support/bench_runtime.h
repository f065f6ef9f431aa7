// What the benchmarks that run the real panel share: a scratch copy of the build's runtime
// folders (pictures and style sheets as the panel has them), and figures of this process and
// the machine.
#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

// Copies APP/ and TitleBar/ from beside the benchmark into dir (no settings) and points the
// panel's file lookups there. False when the folders are not there.
bool Bench_UseRuntimeCopy(const QString &dir);

// A field of /proc/self/status in KiB ("VmRSS", "VmHWM"); -1 when unknown.
qint64 Bench_StatusKiB(const char *field);
// Starts the peak RSS (VmHWM) again from the current RSS.
void Bench_ResetPeakRss();

// The 1, 5 and 15 minute load averages, as uptime prints them.
QString Bench_LoadAverage();
// Monotonic clock.
qint64 Bench_NowNs();

// Runs the event loop until done() or timeoutMs have passed; true when done. With a done()
// that never holds, it simply lets the panel run for that long.
bool Bench_RunEventsUntil(const std::function<bool()> &done, int timeoutMs);
