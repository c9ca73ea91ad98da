#pragma once
// Unsigned integers of 128 and 256 bits for the decimal record's exact intermediates,
// powers of ten, digit counts, and division by powers of ten through precomputed
// reciprocals (no hardware division on the hot paths).
#include <array>
#include <bit>
#include <cstdint>

namespace mxcalc::detail {

using u128 = unsigned __int128;

// 256-bit unsigned integer, little-endian 64-bit words.
struct U256 {
    uint64_t w[4] = {0, 0, 0, 0};

    static constexpr U256 from(u128 v) { return U256{{uint64_t(v), uint64_t(v >> 64), 0, 0}}; }
    constexpr bool isZero() const { return (w[0] | w[1] | w[2] | w[3]) == 0; }
    constexpr bool fits128() const { return (w[2] | w[3]) == 0; }
    constexpr u128 low128() const { return (u128(w[1]) << 64) | w[0]; }
    // Number of words up to the highest non-zero one.
    constexpr int words() const { return w[3] ? 4 : w[2] ? 3 : w[1] ? 2 : w[0] ? 1 : 0; }
};

constexpr int compare(const U256& a, const U256& b) {
    for (int i = 3; i >= 0; --i) {
        if (a.w[i] != b.w[i]) return a.w[i] < b.w[i] ? -1 : 1;
    }
    return 0;
}

constexpr U256 add(const U256& a, const U256& b) {
    U256 r;
    uint64_t carry = 0;
    for (int i = 0; i < 4; ++i) {
        u128 s = u128(a.w[i]) + b.w[i] + carry;
        r.w[i] = uint64_t(s);
        carry = uint64_t(s >> 64);
    }
    return r;
}

// a - b for a >= b.
constexpr U256 subtract(const U256& a, const U256& b) {
    U256 r;
    uint64_t borrow = 0;
    for (int i = 0; i < 4; ++i) {
        u128 d = u128(a.w[i]) - b.w[i] - borrow;
        r.w[i] = uint64_t(d);
        borrow = uint64_t(d >> 64) ? 1 : 0;
    }
    return r;
}

constexpr U256 multiply(u128 a, u128 b) {
    const uint64_t a0 = uint64_t(a), a1 = uint64_t(a >> 64);
    const uint64_t b0 = uint64_t(b), b1 = uint64_t(b >> 64);
    const u128 p00 = u128(a0) * b0, p01 = u128(a0) * b1;
    const u128 p10 = u128(a1) * b0, p11 = u128(a1) * b1;
    const u128 mid = (p00 >> 64) + uint64_t(p01) + uint64_t(p10);
    const u128 high = p11 + (p01 >> 64) + (p10 >> 64) + (mid >> 64);
    return U256{{uint64_t(p00), uint64_t(mid), uint64_t(high), uint64_t(high >> 64)}};
}

// a * m, discarding bits beyond 256.
constexpr U256 multiply(const U256& a, uint64_t m) {
    U256 r;
    uint64_t carry = 0;
    for (int i = 0; i < 4; ++i) {
        u128 p = u128(a.w[i]) * m + carry;
        r.w[i] = uint64_t(p);
        carry = uint64_t(p >> 64);
    }
    return r;
}

// Powers of ten: 10^0 ... 10^38 fit 128 bits, up to 10^77 fit 256 bits.
inline constexpr int kMaxPow10Wide = 77;

constexpr std::array<u128, 39> makePow10() {
    std::array<u128, 39> t{};
    t[0] = 1;
    for (int i = 1; i < 39; ++i) t[i] = t[i - 1] * 10;
    return t;
}
inline constexpr std::array<u128, 39> kPow10 = makePow10();

constexpr std::array<U256, kMaxPow10Wide + 1> makePow10Wide() {
    std::array<U256, kMaxPow10Wide + 1> t{};
    t[0] = U256::from(1);
    for (int i = 1; i <= kMaxPow10Wide; ++i) t[i] = multiply(t[i - 1], 10);
    return t;
}
inline constexpr std::array<U256, kMaxPow10Wide + 1> kPow10Wide = makePow10Wide();

// Decimal digits of v (0 for 0).
inline int digitCount(u128 v) {
    if (v == 0) return 0;
    const int bits = 128 - (uint64_t(v >> 64) ? std::countl_zero(uint64_t(v >> 64))
                                               : 64 + std::countl_zero(uint64_t(v)));
    const int guess = (bits * 1233) >> 12;  // floor(bits * log10(2)), at most one too small
    return guess + (v >= kPow10[guess] ? 1 : 0);
}

inline int digitCount(const U256& v) {
    if (v.fits128()) return digitCount(v.low128());
    const int top = v.w[3] ? 3 : 2;
    const int bits = 64 * top + 64 - std::countl_zero(v.w[top]);
    const int guess = (bits * 1233) >> 12;
    return guess + (guess <= kMaxPow10Wide && compare(v, kPow10Wide[guess]) >= 0 ? 1 : 0);
}

// m x 10^shift for 0 <= shift <= 77 - digits(m).
inline U256 multiplyPow10(u128 m, int shift) {
    if (shift <= 38) return multiply(m, kPow10[shift]);
    U256 v = multiply(m, kPow10[38]);
    for (shift -= 38; shift > 19; shift -= 19) v = multiply(v, uint64_t(kPow10[19]));
    return multiply(v, uint64_t(kPow10[shift]));
}

// Division of a two-word number by a normalized one-word divisor with a precomputed
// reciprocal (Moeller and Granlund, "Improved division by invariant integers").
struct Reciprocal {
    uint64_t divisor;  // highest bit set
    uint64_t inverse;  // floor((2^128 - 1) / divisor) - 2^64
    int shift;         // the divisor before normalization is divisor >> shift
};

constexpr Reciprocal makeReciprocal(uint64_t d) {
    const int shift = std::countl_zero(d);
    const uint64_t n = d << shift;
    return Reciprocal{n, uint64_t(~u128(0) / n), shift};
}

// (high:low) / r.divisor for high < r.divisor; returns the quotient, stores the remainder.
inline uint64_t divide(uint64_t high, uint64_t low, const Reciprocal& r, uint64_t* remainder) {
    u128 q = u128(r.inverse) * high + ((u128(high) << 64) | low);
    uint64_t q1 = uint64_t(q >> 64) + 1;
    const uint64_t q0 = uint64_t(q);
    uint64_t rem = low - q1 * r.divisor;
    if (rem > q0) {
        --q1;
        rem += r.divisor;
    }
    if (rem >= r.divisor) [[unlikely]] {
        ++q1;
        rem -= r.divisor;
    }
    *remainder = rem;
    return q1;
}

constexpr std::array<Reciprocal, 20> makeSmallPow10Reciprocals() {
    std::array<Reciprocal, 20> t{};
    for (int i = 1; i < 20; ++i) t[i] = makeReciprocal(uint64_t(kPow10[i]));
    return t;
}
inline constexpr std::array<Reciprocal, 20> kPow10Reciprocal = makeSmallPow10Reciprocals();
inline constexpr uint64_t kTen19 = 10000000000000000000ull;

// v / divisor in place for the divisor of r; returns the remainder.
inline uint64_t divide(U256& v, const Reciprocal& r) {
    const int n = v.words();
    if (n == 0) return 0;
    uint64_t rem = 0;
    if (r.shift == 0) {
        for (int i = n - 1; i >= 0; --i) v.w[i] = divide(rem, v.w[i], r, &rem);
        return rem;
    }
    // Shift the dividend left by r.shift on the fly; the bits pushed out of the top word
    // start the remainder.
    const int s = r.shift;
    rem = v.w[n - 1] >> (64 - s);
    for (int i = n - 1; i >= 0; --i) {
        const uint64_t next = i > 0 ? v.w[i - 1] >> (64 - s) : 0;
        v.w[i] = divide(rem, (v.w[i] << s) | next, r, &rem);
    }
    return rem >> s;
}

// v / 10^digits in place for 1 <= digits <= 19; returns the remainder.
inline uint64_t dividePow10(U256& v, int digits) { return divide(v, kPow10Reciprocal[digits]); }

// (high:low) / d for high < d, by the processor's division where it has one.
inline uint64_t divideWord(uint64_t high, uint64_t low, uint64_t d, uint64_t* remainder) {
#if defined(__x86_64__)
    uint64_t q;
    asm("divq %4" : "=a"(q), "=d"(*remainder) : "a"(low), "d"(high), "r"(d));
    return q;
#else
    const u128 n = (u128(high) << 64) | low;
    *remainder = uint64_t(n % d);
    return uint64_t(n / d);
#endif
}

// floor((2^128 - 1) / d) - 2^64 for a normalized d.
inline uint64_t reciprocalWord(uint64_t d) {
    uint64_t unused;
    return divideWord(~d, ~uint64_t(0), d, &unused);
}

// The reciprocal of a divisor known only at run time.
inline Reciprocal reciprocalOf(uint64_t d) {
    const int shift = std::countl_zero(d);
    return Reciprocal{d << shift, reciprocalWord(d << shift), shift};
}

// u128 / 10^digits for 1 <= digits <= 19 with the remainder.
inline u128 dividePow10(u128 v, int digits, uint64_t* remainder) {
    U256 w = U256::from(v);
    *remainder = dividePow10(w, digits);
    return w.low128();
}

// v / 10 and the last digit.
inline u128 divideBy10(u128 v, unsigned* digit) {
    const uint64_t high = uint64_t(v >> 64), low = uint64_t(v);
    const Reciprocal& r = kPow10Reciprocal[1];
    const uint64_t rest = high % 10;
    uint64_t remainder;
    const uint64_t q = divide((rest << r.shift) | (low >> (64 - r.shift)), low << r.shift, r, &remainder);
    *digit = unsigned(remainder >> r.shift);
    return (u128(high / 10) << 64) | q;
}

// v mod 10 without a division: 2^64 = 6 (mod 10).
inline unsigned lastDigit(u128 v) {
    return unsigned((uint64_t(v) % 10 + 6 * (uint64_t(v >> 64) % 10)) % 10);
}

}  // namespace mxcalc::detail
