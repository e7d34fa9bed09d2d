#!/usr/bin/env python3
"""Reference responses of single filter sections, for FilterReferenceTest.cpp.

Each section is written down as its analog prototype H(p), p = s / w0 with
w0 = 2 fs tan(pi f / fs), turned digital by scipy.signal.bilinear at fs = 96 kHz
and evaluated by scipy.signal.freqz on the curve grid f(k) = 48000^(k / 4096).
Nothing here uses the editor's own coefficient formulas. The printed rows are
pasted into the test; the test does not run this script.

Run with Debian's python3-scipy:  /usr/bin/python3 make_reference_table.py
"""

import math

import numpy as np
from scipy import signal

FS = 96000.0
POINTS = [0, 1000, 2000, 2625, 3000, 3500, 4095]


def grid_frequency(k):
    return 10.0 ** (math.log10(48000.0) * k / 4096)


def prototype(kind, gain, q, a, b):
    """Numerator and denominator of H(p), highest power first."""
    v = 10.0 ** (abs(gain) / 20.0)
    sv = math.sqrt(v)
    boost = gain >= 0.0
    if kind == 1:
        num, den = [1, v / q, 1], [1, 1 / q, 1]
    elif kind == 2:
        num, den = [1, sv / q, v], [1, 1 / q, 1]
    elif kind == 3:
        num, den = [v, sv / q, 1], [1, 1 / q, 1]
    elif kind == 4:
        return [1, 0, 0], [1, 1 / q, 1]
    elif kind == 5:
        return [1], [1, 1 / q, 1]
    elif kind == 6:
        return [2 / q, 0], [1, 1 / q, 1]
    elif kind == 7:
        return [1, -1], [1, 1]
    elif kind == 8:
        return [1], [1, 1]
    elif kind == 9:
        return [-1, 0], [1, 1]
    elif kind == 10:
        return [1], [1]
    elif kind == 11:
        return [1], [a, 1]
    elif kind == 12:
        return [1], [1, a, 1]
    elif kind == 13:
        return [1], [b, a, 1]
    elif kind == 14:
        return [1, 0], [1, a]
    elif kind == 15:
        return [1, 0, 0], [1, a, 1]
    elif kind == 16:
        return [1, 0, 0], [1, a, b]
    elif kind == 17:
        return [1, -1 / q, 1], [1, 1 / q, 1]
    return (num, den) if boost else (den, num)


def in_s(coeffs, w0):
    """Coefficients of a polynomial in p rewritten for s = w0 p."""
    n = len(coeffs) - 1
    return [c / w0 ** (n - i) for i, c in enumerate(coeffs)]


# kind, gain dB, frequency Hz, Q, a, b (a and b as the editor stores them, float32)
CASES = [
    (1, 6.0, 1000.0, 1.0, 0, 0),
    (1, -9.5, 250.0, 4.0, 0, 0),
    (2, 8.0, 120.0, 0.71, 0, 0),
    (2, -5.0, 300.0, 1.5, 0, 0),
    (3, 4.5, 6000.0, 0.71, 0, 0),
    (3, -7.0, 2500.0, 2.0, 0, 0),
    (4, 0.0, 80.0, 0.707, 0, 0),
    (5, 0.0, 12000.0, 1.2, 0, 0),
    (6, 0.0, 2000.0, 3.0, 0, 0),
    (7, 0.0, 700.0, 0.4, 0, 0),
    (8, 0.0, 3000.0, 0.4, 0, 0),
    (9, 0.0, 150.0, 0.4, 0, 0),
    (10, 0.0, 1000.0, 0.4, 0, 0),
    (11, 0.0, 1800.0, 0.4, 0.756, 0),
    (12, 0.0, 1000.0, 0.4, 0.7654, 0),
    (13, 0.0, 500.0, 0.4, 1.3617, 0.618),
    (14, 0.0, 90.0, 0.4, 0.6656, 0),
    (15, 0.0, 60.0, 0.4, 1.8478, 0),
    (16, 0.0, 110.0, 0.4, 0.9996, 0.4772),
    (17, 0.0, 1500.0, 2.5, 0, 0),
]

w = np.array([math.pi * grid_frequency(k) / 48000.0 for k in POINTS])
print("// kind, gain, frequency, Q, a, b; then dB and phase units at k =", POINTS)
for kind, gain, freq, q, a, b in CASES:
    a = float(np.float32(a))
    b = float(np.float32(b))
    w0 = 2.0 * FS * math.tan(math.pi * freq / FS)
    num, den = prototype(kind, gain, q, a, b)
    bz, az = signal.bilinear(in_s(num, w0), in_s(den, w0), fs=FS)
    _, h = signal.freqz(bz, az, worN=w)
    db = 20.0 * np.log10(np.abs(h))
    phase = np.angle(h) * 18.0 / math.pi
    fmt = lambda values: ", ".join("%.10f" % x for x in values)
    print("    {%d, %r, %r, %r, %.4ff, %.4ff, {%s}, {%s}}," % (kind, gain, freq, q, a, b, fmt(db), fmt(phase)))
