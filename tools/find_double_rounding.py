#!/usr/bin/env python3
"""Searches for shoe sizes whose estimate differs between the x87 way of
computing it (each step rounded to a 64-bit significand, then to double) and
plain double arithmetic, and prints the ones whose shown text differs too.

Everything is exact rational arithmetic, independent of the program's code;
the rows it prints are used as expectations in the estimate's tests.

Only the addition S + 10 can round twice: halving is exact and a product
with 7 needs at most 56 significant bits, which 64 bits hold. So the search
builds sums 10 + S that lie a hair beside a halfway point between two
doubles near 10, where the first rounding to 64 bits lands on that halfway
point and ties-to-even then picks the other neighbour.
"""
from decimal import Decimal, getcontext
from fractions import Fraction
import math
import sys

getcontext().prec = 1200


def round_to_bits(x: Fraction, bits: int) -> Fraction:
    """Rounds x to `bits` significant bits, ties to even (normal range only)."""
    if x == 0:
        return x
    sign = -1 if x < 0 else 1
    x = abs(x)
    e = math.floor(math.log2(x.numerator) - math.log2(x.denominator))
    while Fraction(2) ** e > x:
        e -= 1
    while Fraction(2) ** (e + 1) <= x:
        e += 1
    ulp = Fraction(2) ** (e - bits + 1)
    q, r = divmod(x, ulp)
    q = int(q)
    if r * 2 > ulp or (r * 2 == ulp and q % 2 == 1):
        q += 1
    return sign * q * ulp


def double(x: Fraction) -> Fraction:
    return round_to_bits(x, 53)


def x87_step(x: Fraction) -> Fraction:
    return double(round_to_bits(x, 64))


def estimate(s: Fraction, step) -> Fraction:
    a = step(s + 10)
    b = step(a / 2)
    return step(b * 7)


def shown(h: Fraction) -> str:
    """The output text: 17 digits half up, then 13 by the 14th digit alone."""
    if h == 0:
        return "0"
    d = Decimal(h.numerator) / Decimal(h.denominator)
    sign = "-" if d < 0 else ""
    d = abs(d)
    p = d.adjusted()
    digits = str(int(d.scaleb(-p + 16).to_integral_value(rounding="ROUND_HALF_UP")))
    if len(digits) > 17:
        p += 1
        digits = digits[:17]
    s13 = int(digits[:13]) + (1 if int(digits[13]) >= 5 else 0)
    if s13 >= 10**13:
        s13 //= 10
        p += 1
    digits = str(s13)
    if p < -4 or p >= 13:
        mant = (digits[0] + "." + digits[1:]).rstrip("0").rstrip(".")
        return f"{sign}{mant}e{'+' if p >= 0 else '-'}{abs(p):03d}"
    if p >= 0:
        text = digits[: p + 1] + "." + digits[p + 1 :]
    else:
        text = "0." + "0" * (-p - 1) + digits
    return sign + text.rstrip("0").rstrip(".")


def main() -> None:
    found = 0
    half_ulp = Fraction(1, 2**50)  # half a double's unit near 10
    nudge = Fraction(1, 2**70)  # below half a 64-bit unit near 10 (2^-61)
    for n in range(1, 400000):
        # Sizes whose estimate 35 + 3.5 S sits on a boundary of the shown digits.
        target = Fraction(2 * n + 1, 2 * 10**11) / Fraction(7, 2)
        j = int(target / (2 * half_ulp))
        for jj in (j - 1, j, j + 1):
            for delta in (nudge, -nudge):
                s = double(jj * 2 * half_ulp + half_ulp + delta)
                plain, x87 = estimate(s, double), estimate(s, x87_step)
                if plain != x87 and shown(plain) != shown(x87):
                    print(f"{float(s)!r:>26} {float(s).hex():>24}  x87 {shown(x87)}  plain {shown(plain)}")
                    found += 1
                    if found >= int(sys.argv[1] if len(sys.argv) > 1 else 5):
                        return


if __name__ == "__main__":
    main()
