#!/usr/bin/python3
"""Prints mpmath reference values (60 digits) of the decimal functions, one per line:
function (constants: argument "-"), argument of at most 38 digits, and the value split
into its 38 leading digits and the remainder. Run with Debian's python3 (python3-mpmath).
"""
import random

from mpmath import mp, mpf

mp.dps = 60
WORKING_DIGITS = 160  # formulas such as acos(1/x) lose the digits of arguments near 1
COUNT = 210  # arguments per function
SMALLEST_RESULT = mpf("1e-88")  # smaller results and arguments cannot keep 38 digits in the record
LARGEST_RESULT = mpf("9e164")


def decimal_text(x, digits=38):
    return mp.nstr(mpf(x), digits, min_fixed=-1, max_fixed=-1) if x != 0 else "0"


def log_uniform(rng, low_exponent, high_exponent):
    return mpf(10) ** mpf(rng.uniform(low_exponent, high_exponent))


def near(rng, centre, side):  # centre + side * 10^-k for k spread over 1..37
    return mpf(centre) + side * mpf(10) ** -rng.uniform(1, 37)


def signed(rng, x):
    return x if rng.random() < 0.5 else -x


def either(rng):
    return rng.choice((-1, 1))


def spread(rng, makers):  # COUNT distinct arguments from the makers in turn; pairs come as "x;y"
    seen, result = set(), []
    while len(result) < COUNT:
        made = makers[len(result) % len(makers)](rng)
        text = made if isinstance(made, str) else decimal_text(made)
        if text not in seen:
            seen.add(text)
            result.append(text)
    return result


# |x| < 1: tiny, moderate, near +-1; |x| > 1: near +-1, moderate, large.
UNIT_INTERVAL = [lambda r: signed(r, log_uniform(r, -40, -1)), lambda r: mpf(r.uniform(-0.999, 0.999)),
                 lambda r: signed(r, near(r, 1, -1))]
CIRCULAR = [lambda r: signed(r, log_uniform(r, -30, -1)), lambda r: mpf(r.uniform(-7, 7)),
            lambda r: signed(r, mpf(r.uniform(7, 1000)))]


def outside_unit(largest_exponent):
    return [lambda r: signed(r, near(r, 1, 1)), lambda r: signed(r, mpf(r.uniform(1.001, 10))),
            lambda r: signed(r, log_uniform(r, 1, largest_exponent))]


def whole_line(large):  # every size and sign; `large` draws the magnitudes above 10
    return [lambda r: signed(r, log_uniform(r, -40, -1)), lambda r: signed(r, near(r, 1, either(r))),
            lambda r: mpf(r.uniform(-10, 10)), lambda r: signed(r, large(r))]


def up_to_power_of_ten(largest_exponent):
    return lambda r: log_uniform(r, 1, largest_exponent)


def up_to(largest):
    return lambda r: mpf(r.uniform(10, largest))


def circular_extras(pole_digits):  # where a reduction without enough digits of pi loses digits:
    # tiny negative arguments, multiples of pi/2 (odd ones to `pole_digits` digits), integers near k pi
    multiples = [decimal_text(k * mp.pi / 2, pole_digits if k % 2 else 38)
                 for k in (1, -2, 3, 4, -7, 100, 1001, -636619)]
    return (["-1e-40", "-6.02214076e-67", "-1.5e-85"] + multiples
            + ["355", "-103993", "5419351", "1.2345678901234567890123456789012345678e18"])


def positive(largest_exponent):  # every size, near 1 on both sides, between 0.3 and 3
    return [lambda r: log_uniform(r, -90, largest_exponent), lambda r: near(r, 1, either(r)),
            lambda r: mpf(r.uniform(0.3, 3.2))]


def pair(x, y):
    return f"{decimal_text(x)};{decimal_text(y)}"


def towards(r, exponent):  # (x, y) with x^y near 10^exponent
    x = log_uniform(r, -90, 160)
    return pair(x, (exponent - mpf(r.uniform(0, 1e-3))) / mp.log10(x))


# (x, y) across the range of x^y: moderate, near overflow and underflow, x near 1 with large
# y, negative integer y, negative x with integer y.
REAL_POWERS = [
    lambda r: pair(log_uniform(r, -60, 60), mpf(r.uniform(-3, 3))),
    lambda r: towards(r, mpf("164.9")),
    lambda r: towards(r, mpf("-87.9")),
    lambda r: (lambda x: pair(x, mpf(r.uniform(-370, 370)) / mp.log(x)))(near(r, 1, either(r))),
    lambda r: pair(mpf(r.uniform(0.05, 20)), -r.randint(1, 60)),
    lambda r: pair(-mpf(r.uniform(0.05, 20)), either(r) * r.randint(1, 60)),
]
# (x, n): integer indexes of both signs, and fractional ones.
ROOTS = [
    lambda r: f"{decimal_text(log_uniform(r, -90, 160))};{either(r) * r.randint(2, 40)}",
    lambda r: f"{decimal_text(near(r, 1, either(r)))};{r.randint(2, 10 ** 6)}",
    lambda r: f"{decimal_text(log_uniform(r, -30, 30))};{decimal_text(mpf(r.uniform(0.2, 9)))}",
]
# Across (-100, 104), next to the poles, half-integers, tiny.
GAMMA = [lambda r: mpf(r.uniform(-100, 104)), lambda r: -r.randint(0, 80) + near(r, 0, either(r)),
         lambda r: r.randint(-80, 103) + mpf("0.5"), lambda r: signed(r, log_uniform(r, -40, -1))]


def power(x, y):
    if y == int(y):
        return x ** int(y)
    return mp.power(x, y) if x > 0 else mpf("nan")


def binary(function):  # a function of the argument "x;y"
    return lambda text: function(*(mpf(part) for part in text.split(";")))


FUNCTIONS = {
    "sin": (mp.sin, CIRCULAR, circular_extras(38)),
    "cos": (mp.cos, CIRCULAR, circular_extras(38)),
    "tan": (mp.tan, CIRCULAR, circular_extras(30)),  # odd multiples at 38 digits are poles
    "atan": (mp.atan, whole_line(up_to_power_of_ten(100))),
    "asin": (mp.asin, UNIT_INTERVAL),
    "acos": (mp.acos, UNIT_INTERVAL),
    "acsc": (mp.acsc, outside_unit(80)),
    "asec": (mp.asec, outside_unit(160)),
    "acot": (lambda x: mp.pi / 2 - mp.atan(x), whole_line(up_to_power_of_ten(100))),
    "sinh": (mp.sinh, whole_line(up_to(378))),
    "cosh": (mp.cosh, whole_line(up_to(378))),
    "tanh": (mp.tanh, whole_line(up_to(200))),
    "csch": (mp.csch, whole_line(up_to(200))),
    "sech": (mp.sech, whole_line(up_to(200))),
    "coth": (mp.coth, whole_line(up_to(200))),
    "asinh": (mp.asinh, whole_line(up_to_power_of_ten(160))),
    "atanh": (mp.atanh, UNIT_INTERVAL),
    "acsch": (mp.acsch, whole_line(up_to_power_of_ten(80))),
    "acoth": (mp.acoth, outside_unit(80)),
    "exp": (mp.exp, whole_line(up_to(378)), ["379.5", "-202", "1e-40", "-1e-40", decimal_text(100 * mp.log(10))]),
    "ln": (mp.log, positive(164), ["1e-128", "9.9999999999999999999999999999999999999e164",
                                   "0.99999999999999999999999999999999999999",
                                   "1.0000000000000000000000000000000000001"]),
    "log10": (mp.log10, positive(164), [decimal_text(mpf(10) ** k) for k in (-128, -3, 1, 3, 164)]),
    "log2": (lambda x: mp.log(x, 2), positive(164), [decimal_text(mpf(2) ** k) for k in (-54, -3, 10, 126)]),
    "acosh": (mp.acosh, [lambda r: near(r, 1, 1), lambda r: mpf(r.uniform(1.001, 10)),
                         lambda r: log_uniform(r, 1, 164)], ["1"]),
    "asech": (mp.asech, [lambda r: near(r, 1, -1), lambda r: mpf(r.uniform(0.001, 0.999)),
                         lambda r: log_uniform(r, -90, -3)], ["1"]),
    "gamma": (mp.gamma, GAMMA, ["0.5", "-0.5", "1e-40", "-1e-40", "103.9", "-1e-37"]),
    "pow": (binary(power), REAL_POWERS, ["4;0.5", "8;0.33333333333333333333333333333333333333",
                                         "1.05;0.083333333333333333333333333333333333333", "2;-1",
                                         "1e100;1.6", "1.0000000000000000000000000000000000001;1e37"]),
    "root": (binary(lambda x, n: mp.root(x, int(n)) if n == int(n) else mp.power(x, 1 / n)), ROOTS,
             ["8;3", "1e-120;7", "2;-2", "1.5;1000000"]),
}


CONSTANTS = {
    "phi": (1 + mp.sqrt(5)) / 2, "pi": mp.pi, "2pi": 2 * mp.pi, "pi_2": mp.pi / 2,
    "pi_4": mp.pi / 4, "sqrt2": mp.sqrt(2), "e": mp.e, "log2e": 1 / mp.log(2),
    "log10e": 1 / mp.log(10), "ln2": mp.log(2), "ln10": mp.log(10),
}


def reference_line(name, argument, value):
    leading = mpf(decimal_text(value))
    return f"{name} {argument} {decimal_text(leading)} {decimal_text(value - leading, 8)}"


def main():
    rng = random.Random(20240605)
    lines = ["# function argument reference-leading-38-digits reference-remainder"]
    lines += [reference_line(name, "-", value) for name, value in CONSTANTS.items()]
    for name, (function, makers, *extras) in FUNCTIONS.items():
        count = 0
        for argument in spread(rng, makers) + [text for group in extras for text in group]:
            with mp.workdps(WORKING_DIGITS):
                value = function(argument if ";" in argument else mpf(argument))
            value = +value  # rounded to mp.dps
            if mp.isnan(value) or not (value == 0 or SMALLEST_RESULT <= abs(value) <= LARGEST_RESULT):
                continue
            lines.append(reference_line(name, argument, value))
            count += 1
        assert count >= 200, (name, count)
    print("\n".join(lines))


if __name__ == "__main__":
    main()
