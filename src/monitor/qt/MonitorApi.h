#pragma once
// The monitor model as the window uses it. Until the monitor core is part of
// the build, a small stand-in with the same names keeps the window working.

#if __has_include("monitor/Monitor.h")
#include "monitor/Monitor.h"
#else
#include "monitor/qt/MonitorStandIn.h"
#endif
