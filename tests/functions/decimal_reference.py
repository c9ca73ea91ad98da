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
SMALLEST_RESULT = mpf("1e-88")  # smaller results cannot keep 38 digits in the record
LARGEST_RESULT = mpf("9e164")


def decimal_text(x, digits=38):
    return mp.nstr(mpf(x), digits, min_fixed=-1, max_fixed=-1) if x != 0 else "0"


def log_uniform(rng, low_exponent, high_exponent):
    return mpf(10) ** mpf(rng.uniform(low_exponent, high_exponent))


def near(rng, centre, side):
    """centre + side * 10^-k for k spread over 1..37."""
    return mpf(centre) + side * mpf(10) ** -rng.uniform(1, 37)


def signed(rng, x):
    return x if rng.random() < 0.5 else -x


def spread(rng, makers):
    """COUNT arguments drawn in turn from the makers, rounded to 38 digits, no repeats."""
    seen, result = set(), []
    while len(result) < COUNT:
        text = decimal_text(makers[len(result) % len(makers)](rng))
        if text not in seen:
            seen.add(text)
            result.append(text)
    return result


def unit_interval():  # |x| < 1: tiny, moderate, near +-1
    return [
        lambda r: signed(r, log_uniform(r, -40, -1)),
        lambda r: mpf(r.uniform(-0.999, 0.999)),
        lambda r: signed(r, near(r, 1, -1)),
    ]


def outside_unit(largest_exponent):  # |x| > 1: near +-1, moderate, large
    return [
        lambda r: signed(r, near(r, 1, 1)),
        lambda r: signed(r, mpf(r.uniform(1.001, 10))),
        lambda r: signed(r, log_uniform(r, 1, largest_exponent)),
    ]


def whole_line(large):
    """Arguments of every size and sign; `large` draws the magnitudes above 10."""
    return [
        lambda r: signed(r, log_uniform(r, -40, -1)),
        lambda r: signed(r, near(r, 1, r.choice((-1, 1)))),
        lambda r: mpf(r.uniform(-10, 10)),
        lambda r: signed(r, large(r)),
    ]


def up_to_power_of_ten(largest_exponent):
    return lambda r: log_uniform(r, 1, largest_exponent)


def up_to(largest):
    return lambda r: mpf(r.uniform(10, largest))


def circular():
    return [
        lambda r: signed(r, log_uniform(r, -30, -1)),
        lambda r: mpf(r.uniform(-7, 7)),
        lambda r: signed(r, mpf(r.uniform(7, 1000))),
    ]


def circular_extras(pole_digits):
    """Tiny negative arguments, multiples of pi/2 and integers close to multiples of pi:
    where an argument reduction without enough digits of pi loses the result's digits.
    Odd multiples of pi/2 are rounded to `pole_digits` digits."""
    multiples = [decimal_text(k * mp.pi / 2, pole_digits if k % 2 else 38)
                 for k in (1, -2, 3, 4, -7, 100, 1001, -636619)]
    tiny = ["-1e-40", "-6.02214076e-67", "-1.5e-85"]
    integers = ["355", "-103993", "5419351", "1.2345678901234567890123456789012345678e18"]
    return tiny + multiples + integers


FUNCTIONS = {
    "sin": (mp.sin, circular(), circular_extras(38)),
    "cos": (mp.cos, circular(), circular_extras(38)),
    "tan": (mp.tan, circular(), circular_extras(30)),  # odd multiples at 38 digits are poles
    "atan": (mp.atan, whole_line(up_to_power_of_ten(100))),
    "asin": (mp.asin, unit_interval()),
    "acos": (mp.acos, unit_interval()),
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
    "atanh": (mp.atanh, unit_interval()),
    "acsch": (mp.acsch, whole_line(up_to_power_of_ten(80))),
    "acoth": (mp.acoth, outside_unit(80)),
}


CONSTANTS = {
    "phi": (1 + mp.sqrt(5)) / 2, "pi": mp.pi, "2pi": 2 * mp.pi, "pi_2": mp.pi / 2,
    "pi_4": mp.pi / 4, "sqrt2": mp.sqrt(2), "e": mp.e, "log2e": 1 / mp.log(2),
    "log10e": 1 / mp.log(10), "ln2": mp.log(2), "ln10": mp.log(10),
}


def reference_line(name, argument, value):
    leading = mpf(decimal_text(value))
    return f"{name} {argument} {decimal_text(leading)} {decimal_text(value - leading, 8)}"


def representable(value):
    return value == 0 or SMALLEST_RESULT <= abs(value) <= LARGEST_RESULT


def main():
    rng = random.Random(20240605)
    lines = ["# function argument reference-leading-38-digits reference-remainder"]
    lines += [reference_line(name, "-", value) for name, value in CONSTANTS.items()]
    for name, (function, makers, *extras) in FUNCTIONS.items():
        count = 0
        for argument in spread(rng, makers) + [text for group in extras for text in group]:
            with mp.workdps(WORKING_DIGITS):
                value = function(mpf(argument))
            value = +value  # rounded to mp.dps
            if not representable(value):
                continue
            lines.append(reference_line(name, argument, value))
            count += 1
        assert count >= 200, (name, count)
    print("\n".join(lines))


if __name__ == "__main__":
    main()
