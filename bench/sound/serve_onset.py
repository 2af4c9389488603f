#!/usr/bin/env python3
"""Onset of the serve's sound, measured through the sound server.

Drives a zorban_runner window that has a stage loaded: serves with a left click sent by xdotool's library
(libxdo, called in this process, so that the moment of the click is known to the microsecond), kills the ball
with a second click (an explosion, made silent with every other sound) and serves again, SERVES times, while the
sound server's monitor is read from parec as it arrives. Onset = time of the first sounding sample after a serve
click - time the click was sent. Sample times come from when parec's pieces arrived,
fitted to the sample count (the least-delayed piece fixes the clock).

Usage: serve_onset.py WINDOW SERVES STAGE_BUTTON_X STAGE_BUTTON_Y   (PULSE_SERVER and DISPLAY set; the stage is
reloaded through the stage button whenever the lives run out, with scripted dialogs answering)
Prints one line per serve and the median and worst; exit status 0.
"""
import ctypes
import os
import statistics
import subprocess
import sys
import threading
import time

RATE = 44100
SILENCE = 128


class Monitor:
    def __init__(self):
        self.proc = subprocess.Popen(
            ["parec", "--device=zorban.monitor", "--format=u8", "--channels=1", f"--rate={RATE}",
             "--latency-msec=5", "--raw"], stdout=subprocess.PIPE, bufsize=0)
        self.data = bytearray()
        self.offset = None  # clock time of byte 0
        self.lock = threading.Lock()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        fd = self.proc.stdout.fileno()
        while True:
            piece = os.read(fd, 512)
            now = time.monotonic()
            if not piece:
                return
            with self.lock:
                self.data += piece
                start = now - len(self.data) / RATE
                self.offset = start if self.offset is None else min(self.offset, start)

    def index_at(self, t):
        with self.lock:
            return int((t - self.offset) * RATE)

    def first_sound_after(self, index, timeout):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            with self.lock:
                for i in range(max(index, 0), len(self.data)):
                    if abs(self.data[i] - SILENCE) > 2:
                        return self.offset + i / RATE
            time.sleep(0.01)
        return None

    def stop(self):
        self.proc.terminate()
        self.proc.wait()


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


class Clicker:
    """Left clicks where the pointer is, through libxdo (what the xdotool program runs)."""

    def __init__(self):
        self.lib = ctypes.CDLL("libxdo.so.3")
        self.lib.xdo_new.restype = ctypes.c_void_p
        self.lib.xdo_new.argtypes = [ctypes.c_char_p]
        self.lib.xdo_click_window.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]
        self.xdo = self.lib.xdo_new(None)
        if not self.xdo:
            sys.exit("libxdo cannot open the display")

    def click(self):
        sent = time.monotonic()
        self.lib.xdo_click_window(self.xdo, 0, 1)  # 0: the window under the pointer
        return sent


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    win, serves, bx, by = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
    clicker = Clicker()
    monitor = Monitor()
    time.sleep(1)
    onsets = []
    lives = 0
    x = 334
    while len(onsets) < serves:
        if lives == 0:
            xdotool("mousemove", "--sync", "--window", win, bx, by, "click", "1")  # the stage afresh
            time.sleep(1.5)
            lives = 9
        x = 670 - x  # a move to where the pointer already is would wait
        xdotool("mousemove", "--sync", "--window", win, str(x), "300")
        time.sleep(0.3)
        clicked = clicker.click()
        heard = monitor.first_sound_after(monitor.index_at(clicked), 1.0)
        if heard is None:
            print("serve without a sound (no ball waiting?)", flush=True)
        else:
            onsets.append((heard - clicked) * 1000)
            print(f"serve {len(onsets)}: {onsets[-1]:.1f} ms", flush=True)
        time.sleep(0.25)
        clicker.click()  # the explosion: the ball is gone, a life with it
        lives -= 1
        time.sleep(0.8)
    monitor.stop()
    print(f"serves: {len(onsets)}, onset ms median {statistics.median(onsets):.1f} / worst {max(onsets):.1f} / "
          f"best {min(onsets):.1f}")


if __name__ == "__main__":
    main()
