#!/usr/bin/env python3
"""Samples one running program from /proc over a stretch of wall time and prints one line:
CPU % of one core (all its threads, those that ended meanwhile included), the part of it its main (UI) thread
took, wake-ups a second (voluntary and involuntary context switches of all its threads) and RSS in KiB at the
end. Usage: measure.py PID SECONDS
"""
import os
import sys
import time


def cpu_ticks(pid: int, tid: int = 0) -> int:
    path = f"/proc/{pid}/task/{tid}/stat" if tid else f"/proc/{pid}/stat"
    with open(path) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime, stime


def switches(pid: int) -> dict:
    total = {}
    for tid in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{tid}/status") as f:
                n = 0
                for line in f:
                    if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                        n += int(line.split()[1])
            total[tid] = n
        except FileNotFoundError:
            pass  # a thread that ended meanwhile
    return total


def rss_kib(pid: int) -> int:
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def main() -> int:
    pid, seconds = int(sys.argv[1]), float(sys.argv[2])
    hz = os.sysconf("SC_CLK_TCK")
    c0, u0, s0, t0 = cpu_ticks(pid), cpu_ticks(pid, pid), switches(pid), time.monotonic()
    time.sleep(seconds)
    c1, u1, s1, t1 = cpu_ticks(pid), cpu_ticks(pid, pid), switches(pid), time.monotonic()
    wall = t1 - t0
    # Threads that began meanwhile count from 0; those that ended are lost (short-lived helpers only).
    woke = sum(n - s0.get(tid, 0) for tid, n in s1.items())
    cpu, ui = (100.0 * (c1 - c0) / hz / wall, 100.0 * (u1 - u0) / hz / wall)
    print(f"{cpu:.2f} {ui:.2f} {woke / wall:.1f} {rss_kib(pid)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
