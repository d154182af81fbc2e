#!/usr/bin/env python3
"""Prints the temperature section of data/units.ini: one chain formula for every ordered pair of scales.

Each scale is an affine map to kelvin, K = scale * value + offset, held as exact fractions. The
program evaluates a chain strictly left to right with the typed value in front, so a pair is written
as a chain whose numbers are all exact: "+c*p/q" when the shift can be applied first, "*p/q+c" when
it can be applied last, and otherwise through kelvin in two such steps.
"""
from fractions import Fraction as F

# unit id, name, abbreviation, kelvin per degree, kelvin at zero of the scale
SCALES = [
    (101, "Kelvin", "K", F(1), F(0)),
    (102, "Celsius", "°C", F(1), F("273.15")),
    (103, "Fahrenheit", "°F", F(5, 9), F("459.67") * F(5, 9)),
    (104, "Rankine", "°R", F(5, 9), F(0)),
    (105, "Réaumur", "°Ré", F(5, 4), F("273.15")),
    (106, "Delisle", "°De", F(-2, 3), F("373.15")),
    (107, "Newton", "°N", F(100, 33), F("273.15")),
    (108, "Rømer", "°Rø", F(40, 21), F("273.15") - F("7.5") * F(40, 21)),
]


def Decimal(value):
    """The exact decimal text of a fraction, or None when it has no finite decimal form."""
    den = value.denominator
    for p in (2, 5):
        while den % p == 0:
            den //= p
    if den != 1:
        return None
    sign = "-" if value < 0 else ""
    value = abs(value)
    whole, rest = divmod(value.numerator, value.denominator)
    digits = ""
    while rest:
        rest *= 10
        digit, rest = divmod(rest, value.denominator)
        digits += str(digit)
    return sign + str(whole) + ("." + digits if digits else "")


def Factor(value):
    """"*p/q" (or "*d" when p/q is a finite decimal); empty for 1."""
    if value == 1:
        return ""
    text = Decimal(value)
    if text is not None:
        return "*" + text
    return f"*{value.numerator}/{value.denominator}"


def Shift(value):
    if value == 0:
        return ""
    text = Decimal(value)
    return None if text is None else ("+" + text if value > 0 else text)


def Affine(scale, shift):
    """Chain for value * scale + shift, or None when neither order keeps every number exact."""
    before = Shift(shift / scale)
    if before is not None:
        return before + Factor(scale)
    after = Shift(shift)
    if after is not None:
        return Factor(scale) + after
    return None


def Chain(source, target):
    """Formula taking a value of `source` to `target`, for appending to the typed value."""
    _, _, _, a_s, b_s = source
    _, _, _, a_t, b_t = target
    direct = Affine(a_s / a_t, (b_s - b_t) / a_t)
    if direct is None:
        direct = Affine(a_s, b_s) + Affine(1 / a_t, -b_t / a_t)
    return direct or "*1"


def Lines():
    for source in SCALES:
        for target in SCALES:
            yield f"{source[0]}{target[0]}=  {Chain(source, target)}"


if __name__ == "__main__":
    print("[19c]")
    for line in Lines():
        print(line)
