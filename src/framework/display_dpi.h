// The DPI a window is shown at and the metrics for it, through the per-monitor calls where the
// system has them and the screen's LOGPIXELSY where it does not.
#pragma once

#include <windows.h>

#include "framework/dpi_scale.h"

// The DPI of `window`'s monitor (the system's for a null or dead window).
int DpiOfWindow(HWND window);
// The DPI of the whole desktop, which windows are created at.
int SystemDpi();

// `length` at 96 dpi scaled to `window`'s DPI.
inline int ScaleForWindow(HWND window, int length) { return ScaleToDpi(length, DpiOfWindow(window)); }

// GetSystemMetrics(index) as at `dpi`: the system's answer scaled from the system DPI where the
// per-DPI call is missing.
int SystemMetricForDpi(int index, int dpi);
