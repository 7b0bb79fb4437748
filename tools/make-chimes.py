#!/usr/bin/env python3
"""Writes tockwerk's two chimes: 11025 Hz, mono, unsigned 8-bit PCM wave files.

  chime400.wav  about 2.05 s, three quick strokes of a small bell, before the alarm
  chime500.wav  about 3.6 s, a two-note bell ("ding-dong"), before the hour and interval
                announcements

The bell is a sum of a few partials with the ratios of a tuned church bell (hum, prime,
tierce, quint, nominal), each fading at its own rate. The output is deterministic, so
running the script again reproduces the committed files byte for byte:

  tools/make-chimes.py [OUTPUT_FOLDER]      (default: src/clock/sounds)
"""
import math
import os
import struct
import sys
import wave

RATE = 11025
# (frequency ratio to the strike note, relative loudness, decay time constant in s)
PARTIALS = [
    (0.5, 0.35, 1.6),   # hum
    (1.0, 1.00, 1.1),   # prime
    (1.2, 0.45, 0.8),   # minor-third tierce
    (1.5, 0.25, 0.6),   # quint
    (2.0, 0.55, 0.5),   # nominal
    (2.52, 0.20, 0.3),
    (3.0, 0.12, 0.2),
]


def bell(frequency, seconds, loudness=1.0):
    count = int(round(seconds * RATE))
    out = []
    for i in range(count):
        t = i / RATE
        attack = min(1.0, t / 0.004)  # a soft edge instead of a click
        value = 0.0
        for ratio, level, decay in PARTIALS:
            value += level * math.exp(-t / decay) * math.sin(2 * math.pi * frequency * ratio * t)
        out.append(loudness * attack * value)
    return out


def mix(length_s, strokes):
    """strokes: (start in s, frequency, loudness)"""
    total = [0.0] * int(round(length_s * RATE))
    for start, frequency, loudness in strokes:
        first = int(round(start * RATE))
        for i, v in enumerate(bell(frequency, length_s - start, loudness)):
            total[first + i] += v
    # Fade the last 50 ms to silence so the sound never ends on a step.
    fade = int(0.05 * RATE)
    for i in range(fade):
        total[-1 - i] *= i / fade
    peak = max(abs(v) for v in total) or 1.0
    return [v / peak * 0.8 for v in total]


def write(path, samples):
    data = bytes(max(0, min(255, int(round(128 + 127 * v)))) for v in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(RATE)
        w.writeframes(data)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "src", "clock", "sounds")
    os.makedirs(folder, exist_ok=True)
    # E6, three times, for the alarm.
    write(os.path.join(folder, "chime400.wav"),
          mix(2.05, [(0.0, 1318.5, 1.0), (0.35, 1318.5, 1.0), (0.70, 1318.5, 1.0)]))
    # E5 then C5, for the announcements.
    write(os.path.join(folder, "chime500.wav"),
          mix(3.6, [(0.0, 659.3, 1.0), (0.9, 523.3, 1.0)]))


if __name__ == "__main__":
    main()
