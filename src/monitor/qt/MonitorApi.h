#pragma once
// The monitor model as the window uses it.

#include "monitor/Monitor.h"
