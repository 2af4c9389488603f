#!/usr/bin/env python3
"""Prints the wall-clock time (ns) at which client pixel (X, Y) of a centred W x H window first shows RRGGBB.

Started before the program, it reads that one pixel straight from the X server every few milliseconds,
so the time is that of the first paint rather than of a screenshot tool or of this script's own start.
The window is taken to be centred on the screen (no window manager). Usage:
first_paint.py W H X Y RRGGBB [TIMEOUT_S]
"""
import ctypes
import sys
import time

ALL_PLANES = 0xFFFFFFFFFFFFFFFF
Z_PIXMAP = 2


def main() -> int:
    w, h, x, y = (int(a) for a in sys.argv[1:5])
    want = int(sys.argv[5], 16)
    timeout = float(sys.argv[6]) if len(sys.argv) > 6 else 20.0
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    for name in ("XDefaultRootWindow", "XDisplayWidth", "XDisplayHeight"):
        getattr(x11, name).restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XDisplayWidth.argtypes = x11.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XGetImage.restype = ctypes.c_void_p
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                              ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    x11.XGetPixel.restype = ctypes.c_ulong
    x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
    x11.XDestroyImage.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        print("no display", file=sys.stderr)
        return 2
    root = x11.XDefaultRootWindow(display)
    sx = (x11.XDisplayWidth(display, 0) - w) // 2 + x
    sy = (x11.XDisplayHeight(display, 0) - h) // 2 + y
    print("ready", file=sys.stderr, flush=True)
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        image = x11.XGetImage(display, root, sx, sy, 1, 1, ALL_PLANES, Z_PIXMAP)
        if image:
            pixel = x11.XGetPixel(image, 0, 0) & 0xFFFFFF
            x11.XDestroyImage(image)
            if pixel == want:
                print(time.time_ns())
                return 0
        time.sleep(0.002)
    print(f"pixel ({x}, {y}) never showed {want:06X}", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
