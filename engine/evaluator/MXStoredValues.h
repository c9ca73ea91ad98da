#pragma once
// What two built-ins need from the program that owns an evaluator: varx reads the value the
// containing application shares, and nthroot raises or lowers a flag that tells whether the
// last root was taken of a negative number's magnitude. A program gives its evaluators an
// implementation (the keyboard and mxcalc keep both in their settings stores); without one
// varx reads 0 and the flag goes nowhere.

class MXStoredValues {
public:
    virtual ~MXStoredValues() = default;

    // The value of varx, read afresh on every call.
    virtual double sharedVariableValue() const = 0;
    // Raises the flag for a negative radicand; otherwise lowers it when it is raised.
    virtual void noteRadicandSign(bool negative) = 0;
};
