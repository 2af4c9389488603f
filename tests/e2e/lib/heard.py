#!/usr/bin/env python3
"""Checks a sound recorded through ZORBAN_WAV_OUT.

Usage:
  heard.py RECORDING.wav EFFECT.wav        the recording holds the effect: at least half of its length sounding
  heard.py --exact SAMPLES.raw RECORDING.wav
                                           the recording holds these output-format bytes (as zorban_wavconv
                                           writes them) as one unbroken run: the sound played unmixed and whole
  heard.py --silent RECORDING.wav          the recording holds played bytes, and every one of them is silence
  heard.py --whole SAMPLES.raw RECORDING.raw MIN
                                           a raw recording (8-bit, as parec writes it from a sound server) holds
                                           at least MIN plays of these bytes, and every play that starts is
                                           heard whole: no byte changed, no gap the sound does not have (a
                                           play still sounding at the end of the recording is left out)
  heard.py --sounding RECORDING.raw SECONDS
                                           a raw recording holds at least SECONDS of sound (bytes off silence)
Exit status 0 when the check holds.
"""
import sys
import wave

SILENCE = 128


def pcm(path):
    with wave.open(path, "rb") as w:
        return w.getframerate(), w.getnchannels(), w.getsampwidth(), w.readframes(w.getnframes())


def recording(path):
    rate, channels, width, data = pcm(path)
    if width != 1:
        sys.exit("the mixer writes 8-bit samples")
    return rate, channels, data


def longest_prefix_found(data, samples):
    """Length of the longest start of samples that the recording holds somewhere (to tell how near a miss was)."""
    low, high = 0, len(samples)
    while low < high:
        mid = (low + high + 1) // 2
        if data.find(samples[:mid]) >= 0:
            low = mid
        else:
            high = mid - 1
    return low


def exact(raw_path, rec_path):
    rate, channels, data = recording(rec_path)
    with open(raw_path, "rb") as f:
        samples = f.read()
    if not samples:
        sys.exit(f"{raw_path} is empty")
    at = data.find(samples)
    seconds = len(data) / (rate * channels)
    if at >= 0:
        print(f"recorded {seconds:.2f} s; the {len(samples)} bytes of {raw_path} start at {at / (rate * channels):.3f} s")
        return 0
    print(f"recorded {seconds:.2f} s; no unbroken run of the {len(samples)} bytes of {raw_path} "
          f"(the longest start found holds {longest_prefix_found(data, samples)} bytes)")
    return 1


def silent(rec_path):
    rate, channels, data = recording(rec_path)
    loud = sum(1 for b in data if b != SILENCE)
    print(f"recorded {len(data) / (rate * channels):.2f} s, {loud} bytes of it not silence")
    return 0 if data and loud == 0 else 1


def sounding(rec_path, effect_path):
    rate, channels, data = recording(rec_path)
    heard = sum(1 for b in data if abs(b - SILENCE) > 2) / channels / rate
    erate, echannels, ewidth, edata = pcm(effect_path)
    effect = len(edata) / (erate * echannels * ewidth)
    print(f"recorded {len(data) / (rate * channels):.2f} s, {heard:.3f} s of it sounding; the effect lasts {effect:.3f} s")
    return 0 if heard >= 0.5 * effect else 1


def whole(raw_path, rec_path, minimum):
    with open(raw_path, "rb") as f:
        samples = f.read()
    with open(rec_path, "rb") as f:
        data = f.read()
    lead = next((i for i, b in enumerate(samples) if b != SILENCE), None)
    if lead is None:
        sys.exit(f"{raw_path} is silence")
    key = samples[lead:lead + 256]  # the start of the sound itself, as each play begins
    starts, cut = [], []
    at = data.find(key)
    while at >= 0:
        begin = at - lead
        if begin + len(samples) <= len(data):  # a play still sounding when the recording stopped is not judged
            (starts if data[begin:begin + len(samples)] == samples else cut).append(begin)
        at = data.find(key, at + len(key))
    dropouts = 0
    for begin in cut:
        got = data[begin:begin + len(samples)]
        same = next((i for i in range(min(len(got), len(samples))) if got[i] != samples[i]), len(got))
        gap = dropout(data, begin + same, samples, same)
        dropouts += gap is not None
        what = f"a dropout of {gap} bytes" if gap is not None else "other sound mixed in"
        print(f"  the play at byte {begin} differs from byte {same} on ({same / 44100 * 1000:.0f} ms into the sound): "
              f"{what}")
    print(f"recorded {len(data) / 44100:.2f} s; {len(starts)} plays of {raw_path} heard whole, {len(cut)} cut, "
          f"{dropouts} of them by a dropout")
    return 0 if not cut and len(starts) >= minimum else 1


def dropout(data, at, samples, offset):
    """Bytes of silence (or of sound skipped) where the recording leaves the sound at `at` and takes it up again
    soon after, a little further on: the output ran dry there. None when the sound does not go on within 100 ms
    (something else was mixed in)."""
    quiet = at
    while quiet < len(data) and data[quiet] == SILENCE:
        quiet += 1
    piece = data[quiet:quiet + 64]
    if len(piece) < 64:
        return None
    found = samples.find(piece, max(0, offset - 64), offset + 4410 + 64)
    return None if found < 0 else (quiet - at) + abs(found - offset)


def sounding_raw(rec_path, seconds):
    with open(rec_path, "rb") as f:
        data = f.read()
    loud = sum(1 for b in data if abs(b - SILENCE) > 2)
    print(f"recorded {len(data) / 44100:.2f} s, {loud / 44100:.3f} s of it sounding")
    return 0 if loud >= seconds * 44100 else 1


if __name__ == "__main__":
    args = sys.argv[1:]
    if len(args) == 3 and args[0] == "--exact":
        sys.exit(exact(args[1], args[2]))
    if len(args) == 2 and args[0] == "--silent":
        sys.exit(silent(args[1]))
    if len(args) == 4 and args[0] == "--whole":
        sys.exit(whole(args[1], args[2], int(args[3])))
    if len(args) == 3 and args[0] == "--sounding":
        sys.exit(sounding_raw(args[1], float(args[2])))
    if len(args) == 2 and not args[0].startswith("--"):
        sys.exit(sounding(args[0], args[1]))
    sys.exit(__doc__)
