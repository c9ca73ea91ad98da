#!/usr/bin/env python3
# Reference vectors for the 38-digit decimal record from Python's decimal module, one a line.
#
# Usage: decimal_vectors.py OPERATION COUNT SEED. Records are the finite numbers of the context prec=38,
# Emin=-91, Emax=164, clamp=1: Overflow -> NaN, status 3; division by zero or 0/0 -> NaN, 4; a tiny value
# rounded to zero -> 0, 2; other inexact results -> 1. Modes 0..3 are HALF_UP, FLOOR, CEILING, HALF_EVEN.
# Fields: a b mode result status (arithmetic; power has n for b), a scale mode result (round), a b order
# (compare), text result (fromstring), a bits (todouble), bits result (fromdouble).

import decimal
import math
import random
import re
import struct
import sys
from decimal import Decimal

ROUNDINGS = [decimal.ROUND_HALF_UP, decimal.ROUND_FLOOR, decimal.ROUND_CEILING, decimal.ROUND_HALF_EVEN]
CONTEXTS = [decimal.Context(prec=38, rounding=r, Emin=-91, Emax=164, clamp=1, traps=[]) for r in ROUNDINGS]
WIDE = decimal.Context(prec=20000, rounding=decimal.ROUND_HALF_EVEN, Emin=-(10**9), Emax=10**9, traps=[])
NUMBER_TEXT = re.compile(r"[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?")
POWERS = [10**k for k in range(80)]

rng = random.Random()
uniform = rng.random
bits = rng.getrandbits


def between(low, high):  # the random module's own helpers are slow
    return low + int(uniform() * (high - low + 1))


def pick(items):
    return items[int(uniform() * len(items))]


def digits_of(count):
    return POWERS[count - 1] + bits(140) % (POWERS[count] - POWERS[count - 1])


def coefficient():
    kind, digits = uniform(), between(1, 38)
    if kind < 0.45:
        return digits_of(38)
    if kind < 0.7:
        return digits_of(digits)
    if kind < 0.8:
        return POWERS[digits] - 1
    return digits_of(digits) // 10 * 10 + 5 if kind < 0.9 else between(1, 1000)


def exponent():
    kind = uniform()
    if kind < 0.15:
        return between(-128, -118) if kind < 0.075 else between(117, 127)
    return between(-40, 10) if kind < 0.5 else between(-128, 127)


def canonical(sign, coef, exp):
    """The record for (-1)^sign x coef x 10^exp as text, or None when it does not fit."""
    if coef == 0:
        return "0"
    while coef % 10 == 0:
        coef //= 10
        exp += 1
    if exp > 127:
        coef *= 10 ** (exp - 127)
        exp = 127
    return None if exp < -128 or coef >= POWERS[38] else ("-" if sign else "") + "%dE%d" % (coef, exp)


def record(exp=None):
    """A random record as (text, Decimal)."""
    roll = uniform()
    if roll < 0.04:
        return ("NaN", Decimal("NaN")) if roll < 0.01 else ("0", Decimal(0))
    while True:
        text = canonical(uniform() < 0.5, coefficient(), exponent() if exp is None else exp)
        if text is not None:
            return text, Decimal(text)


def near(text):
    """A record whose exponent lies near the given record's, so that digits interact."""
    if text in ("NaN", "0"):
        return record()
    return record(max(-128, min(127, Decimal(text).as_tuple().exponent + between(-42, 42))))


def rounded(mode, compute):
    """The record and status of compute(context) in the record's context with the given rounding."""
    ctx = CONTEXTS[mode]
    ctx.clear_flags()
    value, flags = compute(ctx), ctx.flags
    if flags[decimal.Overflow]:
        return "NaN", 3
    if flags[decimal.DivisionByZero] or flags[decimal.InvalidOperation]:
        return "NaN", 4
    if value.is_nan():
        return "NaN", 0
    if value.is_zero():
        return "0", 2 if flags[decimal.Underflow] else 0
    return str(value), 1 if flags[decimal.Inexact] else 0


def arithmetic(name):
    a, x = record()
    roll, t = uniform(), x.as_tuple()
    if roll < 0.5:
        b = near(a)[0]
    elif roll < 0.6 and x.is_finite() and not x.is_zero():
        # The second term lands on the 39th digit of the first: ties and carries.
        b = canonical(uniform() < 0.5, pick([5, 5, 4, 6, 50, 49, 51]), t.exponent + len(t.digits) - 39) or "0"
    elif roll < 0.65 and x.is_finite():
        # Near cancellation.
        b = canonical(t.sign, max(0, int(x.copy_abs().scaleb(-t.exponent)) + between(-2, 2)), t.exponent) or "0"
    else:
        b = record()[0]
    if name == "multiply" and uniform() < 0.15:
        b = canonical(uniform() < 0.5, pick([5, 25, 125, 2, 4, 8]), between(-130, 130)) or "5E0"
    if name == "divide" and uniform() < 0.2:
        a, b = division_tie()
    mode = between(0, 3)
    result, status = rounded(mode, lambda ctx: getattr(ctx, name)(Decimal(a), Decimal(b)))
    return "%s %s %d %s %d" % (a, b, mode, result, status)


def division_tie():
    """a / b exactly half-way between two 38-digit numbers (or exact)."""
    divisor = pick([2, 4, 8, 16, 5, 25, 125, 3, 7])
    while True:
        text = canonical(uniform() < 0.5, (digits_of(38) * 10 + pick([5, 0, 5])) * divisor, between(-120, 120))
        if text is not None:
            return text, canonical(uniform() < 0.5, divisor, between(-100, 100))


def power_operands():
    roll = uniform()
    if roll < 0.1:
        # An odd base ending in 5 whose power may have 39 digits: a tie.
        n = between(2, 6)
        return canonical(uniform() < 0.5, digits_of(-(-39 // n)) // 10 * 10 + 5, between(-30, 0)), n
    if roll < 0.6:
        a = record(between(-45, 5) if uniform() < 0.7 else None)[0]
        return a, pick([0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, between(13, 40)])
    if roll < 0.8:
        # Bases close to one, higher powers.
        digits = between(2, 38)
        coef = 10 ** (digits - 1) + pick([1, -1]) * between(1, 10 ** between(1, digits - 1) - 1)
        return canonical(uniform() < 0.5, coef, 1 - digits), between(13, 100)
    return record()[0], pick([between(100, 10**6), bits(64), 2**64 - 1, between(1, 400)])


def power_case():
    a, n = power_operands()
    x, mode = Decimal(a), between(0, 3)
    if x.is_nan() or n == 0 or x.is_zero():
        result, status = "NaN" if x.is_nan() else "1" if n == 0 else "0", 0
    elif n * math.log10(abs(float(x))) > 1000:
        result, status = "NaN", 3
    elif n * math.log10(abs(float(x))) < -1000:
        tiny = Decimal((int(x.is_signed() and n % 2 == 1), (1,), -(10**6)))
        result, status = rounded(mode, lambda ctx: ctx.plus(tiny))
    else:
        # Computed exactly in the wide context, then rounded once.
        WIDE.clear_flags()
        exact = WIDE.power(x, n)
        if WIDE.flags[decimal.Inexact] or WIDE.flags[decimal.Rounded]:
            return power_case()
        result, status = rounded(mode, lambda ctx: ctx.plus(exact))
    return "%s %d %d %s %d" % (a, n, mode, result, status)


def round_case():
    a, x = record()
    t = x.as_tuple()
    finite = x.is_finite() and not x.is_zero() and uniform() >= 0.2
    scale = -t.exponent - between(-2, len(t.digits) + 2) if finite else between(-200, 200)
    mode, result = between(0, 3), "NaN"
    if not x.is_nan():
        r = x.quantize(Decimal((0, (1,), -scale)), rounding=ROUNDINGS[mode], context=WIDE)
        if r.is_zero():
            result = "0"
        elif r.adjusted() <= 164:
            result = str(r.normalize(WIDE))
    return "%s %d %d %s" % (a, scale, mode, result)


def compare_case():
    a, x = record()
    roll, t = uniform(), x.as_tuple()
    if roll < 0.3:
        b = a
    elif roll < 0.5 and x.is_finite() and not x.is_zero():
        b = canonical(t.sign, int("".join(map(str, t.digits))) + pick([-1, 1]), t.exponent) or a
    elif roll < 0.6 and x.is_finite() and not x.is_zero():
        b = a[1:] if a.startswith("-") else "-" + a
    else:
        b = near(a)[0]
    y = Decimal(b)
    if x.is_nan() or y.is_nan():
        order = 0 if x.is_nan() and y.is_nan() else -1 if x.is_nan() else 1
    else:
        order = (x > y) - (x < y)
    return "%s %s %d" % (a, b, order)


def digit_run(count):
    return "%0*d" % (count, bits(160) % POWERS[count]) if count else ""


def number_text():
    roll, sign = uniform(), pick(["", "", "", "-", "+"])
    if roll < 0.1:
        return "".join(pick("0123456789.eE+-x") for _ in range(between(1, 6)))
    if roll < 0.25:
        # 38 digits, then a tie or a near tie.
        body = str(digits_of(38)) + "5" + "0" * between(0, 5) + pick(["", "", "1"])
        point = between(0, len(body))
        body = body[:point] + "." + body[point:]
    else:
        whole = ("0" * between(0, 3) if uniform() < 0.3 else "") + digit_run(between(0, 45))
        body = whole + ("." + digit_run(between(0, 45)) if uniform() < 0.7 else "")
        if body in ("", "."):
            body += str(between(0, 9))
    if uniform() < 0.5:
        body += pick("eE") + pick(["", "+", "-"]) + "0" * between(0, 2) + str(between(0, 250))
    return sign + body


def fromstring_case():
    text = number_text()
    if not NUMBER_TEXT.fullmatch(text):
        return "%s NaN" % text
    return "%s %s" % (text, rounded(3, lambda ctx: ctx.create_decimal(text))[0])


def double_bits(value):
    return struct.unpack("<Q", struct.pack("<d", value))[0]


def todouble_case():
    a, x = record()
    return "%s nan" % a if x.is_nan() else "%s %016x" % (a, double_bits(float(x)))


def fromdouble_case():
    roll = uniform()
    if roll < 0.4:
        value = struct.unpack("<d", struct.pack("<Q", bits(64)))[0]
    elif roll < 0.7:
        value = float("%de%d" % (between(-(10**6), 10**6), between(-30, 30)))
    else:
        value = math.copysign(10 ** (uniform() * 320 - 140), uniform() - 0.5)
    result = rounded(3, lambda ctx: ctx.plus(Decimal(repr(value))))[0] if math.isfinite(value) else "NaN"
    return "%016x %s" % (double_bits(value), result)


CASES = {name: (lambda name=name: arithmetic(name)) for name in ("add", "subtract", "multiply", "divide")}
CASES.update(power=power_case, round=round_case, compare=compare_case, fromstring=fromstring_case,
             todouble=todouble_case, fromdouble=fromdouble_case)


def main():
    name, count, seed = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    rng.seed(seed)
    case = CASES[name]
    sys.stdout.write("".join(case() + "\n" for _ in range(count)))


if __name__ == "__main__":
    main()
