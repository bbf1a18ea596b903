#!/usr/bin/env python3
"""Exact expected label texts for tests/program/calculation_test.cpp.

For each loan (amount, months, yearly rate in per cent, all as typed) this prints the payment, the
total interest and the total paid, rounded to the cent with ties away from zero and written as the
window writes them ("$166,721.61"). The monthly rate is rate / 1200 taken exactly.

A whole number of months keeps (1 + r)^-n rational, so those loans are computed with fractions,
without any rounding before the cent. For a fractional term (1 + r)^-n is irrational; those loans
use decimal arithmetic with 60 significant digits, far more than the cents need.

Each line also gives how far, in cents, the exact value lies from the nearest rounding boundary
(half a cent): a row is only a fair test of double arithmetic when that margin is not tiny.
"""

from decimal import Decimal, getcontext
from fractions import Fraction
import math

LOANS = [
    # name, amount, months, yearly rate
    ("DefaultInputs", "100000", "360", "3.75"),
    ("OneYearAtTwelvePercent", "1000", "12", "12"),
    ("FifteenYears", "250000", "180", "6.5"),
    ("SingleMonth", "1000", "1", "12"),
    ("TinyRate", "100000", "360", "1e-12"),
    ("RateBelowDoubleEpsilon", "100000", "360", "1e-18"),
    ("FractionalTerm", "100000", "360.5", "3.75"),
    ("ThousandYears", "100000", "12000", "12"),
    ("LargeLoan", "5000000000", "480", "7.25"),
    ("SmallLoan", "0.5", "3", "0.1"),
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
