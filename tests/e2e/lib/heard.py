#!/usr/bin/env python3
"""Checks that a sound recorded through ZORBAN_WAV_OUT holds a given effect: at least half of its length sounding.

Usage: heard.py RECORDING.wav EFFECT.wav   (exit status 0 when heard)
"""
import sys
import wave


def pcm(path):
    with wave.open(path, "rb") as w:
        return w.getframerate(), w.getnchannels(), w.getsampwidth(), w.readframes(w.getnframes())


rate, channels, width, data = pcm(sys.argv[1])
if width != 1:
    sys.exit("the mixer writes 8-bit samples")
sounding = sum(1 for b in data if abs(b - 128) > 2) / channels / rate
erate, echannels, ewidth, edata = pcm(sys.argv[2])
effect = len(edata) / (erate * echannels * ewidth)
print(f"recorded {len(data) / (rate * channels):.2f} s, {sounding:.3f} s of it sounding; the effect lasts {effect:.3f} s")
sys.exit(0 if sounding >= 0.5 * effect else 1)
