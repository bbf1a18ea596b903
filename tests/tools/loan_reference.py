#!/usr/bin/env python3
"""Exact figures for the loan rows of tests/program/calculator_test.cpp.

Prints each loan's payment, interest and total rounded to the cent, ties away from zero, as the
window writes them, and how far (in cents) the exact value lies from a rounding boundary: a row is
a fair test of double arithmetic only when that margin is not tiny. A whole number of months keeps
(1 + r)^-n rational and is computed with fractions; a fractional term uses 60-digit decimals.
"""

from decimal import Decimal, getcontext
from fractions import Fraction
import math

LOANS = [
    # name, amount, months, yearly rate
    ("DefaultInputs", "100000", "360", "3.75"),
    ("ReturnInAmount", "1000", "12", "12"),
    ("ReturnInTerm", "250000", "180", "6.5"),
    ("ReturnInRate", "1000", "1", "12"),
    ("KeypadEnter", "100000", "360", "1e-12"),
    ("RateBelowDoubleEpsilon", "100000", "360", "1e-18"),
    ("FractionalTerm", "100000", "360.5", "3.75"),
    ("ThousandYears", "100000", "12000", "12"),
    ("LargeLoan", "5000000000", "480", "7.25"),
    ("SmallLoanWithBlanks", "0.5", "3", "0.1"),
]


def exact_figures(amount, months, rate):
    if Fraction(months).denominator == 1:
        p, n = Fraction(amount), int(months)
        r = Fraction(rate) / 1200
        payment = r * p / (1 - (1 + r) ** -n)
    else:
        getcontext().prec = 60
        p, n = Decimal(amount), Decimal(months)
        r = Decimal(rate) / 1200
        t = (-n * (1 + r).ln()).exp()
        payment = Fraction(r * p / (1 - t))
        n, p = Fraction(n), Fraction(p)
    total = payment * n
    return payment, total, total - p


def money(value):
    cents = math.floor(abs(value) * 100 + Fraction(1, 2))
    sign = "-" if value < 0 and cents != 0 else ""
    return f"{sign}${cents // 100:,}.{cents % 100:02d}"


def margin(value):
    scaled = abs(value) * 100
    return abs(scaled - math.floor(scaled) - Fraction(1, 2))


for name, amount, months, rate in LOANS:
    payment, total, interest = exact_figures(amount, months, rate)
    texts = ", ".join(f'"{money(v)}"' for v in (payment, interest, total))
    worst = min(margin(v) for v in (payment, interest, total))
    print(f'{{"{name}", {amount}, {months}, {rate}, {texts}}},  // margin {float(worst):.3g} cent')
