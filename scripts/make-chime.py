#!/usr/bin/env python3
"""Writes court/sounds/round_end.wav, the chime the court board plays when a
round's time is up: three falling bell-like tones, 16-bit mono, 22050 Hz.
The sound is the program's own, made here from sine waves; run again only to
change it (the file is kept in the repository)."""
import math
import os
import struct
import sys
import wave

RATE = 22050
TONES = [(1318.5, 0.0), (1046.5, 0.35), (784.0, 0.70)]  # E6, C6, G5 and their starts
LENGTH = 1.6  # seconds


def sample(t):
    v = 0.0
    for freq, start in TONES:
        dt = t - start
        if dt < 0:
            continue
        envelope = math.exp(-dt * 4.0) * min(1.0, dt * 200.0)
        v += envelope * (math.sin(2 * math.pi * freq * dt) + 0.3 * math.sin(4 * math.pi * freq * dt))
    return v * 0.32


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "court", "sounds", "round_end.wav")
    frames = bytearray()
    for i in range(int(RATE * LENGTH)):
        v = max(-1.0, min(1.0, sample(i / RATE)))
        frames += struct.pack("<h", int(v * 32767))
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))


if __name__ == "__main__":
    main()
