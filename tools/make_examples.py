#!/usr/bin/env python3
"""Writes the small sample spectra of examples/ (deterministic: run it again, get the same bytes).

  halpha_two_column.txt  400 points: an emission line at 6562.8 A on a sloped continuum
  three_column.txt       300 points: wavelength, flux, error (pick Y with "Three columns  Y= thrird column")
  with_count_line.txt    a count line N (points + 1) followed by N - 1 points of an absorption line
  comma_separator.txt    60 points written with ',' as decimal separator and a tab between the columns
"""

import math
import pathlib
import sys

OUT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent / "examples")


def gaussian(x, centre, sigma):
    return math.exp(-0.5 * ((x - centre) / sigma) ** 2)


def ripple(i):
    # A fixed small "noise" pattern, so the files do not depend on a random generator.
    return 0.01 * math.sin(i * 1.7) + 0.006 * math.sin(i * 0.31 + 1.0)


def halpha():
    lines = []
    for i in range(400):
        wave = 6463.0 + 0.5 * i
        continuum = 1.0 + 0.0008 * (wave - 6463.0)
        flux = continuum + 2.5 * gaussian(wave, 6562.8, 2.2) + ripple(i)
        lines.append(f"{wave:.2f} {flux:.5f}")
    return lines


def three_column():
    lines = []
    for i in range(300):
        wave = 4800.0 + 1.0 * i
        flux = 120.0 - 0.02 * (wave - 4800.0) - 45.0 * gaussian(wave, 4861.3, 3.0) + 100.0 * ripple(i)
        error = 0.5 + 0.1 * abs(math.sin(i * 0.9))
        lines.append(f"{wave:.1f} {flux:.4f} {error:.4f}")
    return lines


def with_count_line():
    points = []
    for i in range(150):
        wave = 5850.0 + 0.4 * i
        flux = 0.9 - 0.35 * gaussian(wave, 5889.95, 0.8) - 0.3 * gaussian(wave, 5895.92, 0.8) + ripple(i)
        points.append(f"{wave:.2f} {flux:.5f}")
    return [str(len(points) + 1)] + points


def comma_separator():
    lines = []
    for i in range(60):
        wave = 3900.0 + 2.5 * i
        flux = 2.0 + 0.5 * gaussian(wave, 3968.5, 6.0) + ripple(i)
        lines.append(f"{wave:.1f}\t{flux:.4f}".replace(".", ","))
    return lines


def write(name, lines):
    (OUT / name).write_bytes(("\n".join(lines) + "\n").encode("ascii"))


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    write("halpha_two_column.txt", halpha())
    write("three_column.txt", three_column())
    write("with_count_line.txt", with_count_line())
    write("comma_separator.txt", comma_separator())


if __name__ == "__main__":
    main()
