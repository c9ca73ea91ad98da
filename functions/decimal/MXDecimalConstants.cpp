// Named constants, each built once per process on first use.
#include <string>
#include <string_view>

#include "functions/decimal/MXDecimalDetail.h"

namespace {

// The published digits; only the leading 38 survive in the record.
constexpr char kPhiDigits[] =
    "1.61803398874989484820458683436563811772030917980576286213544862270526046281890";
constexpr char kPiDigits[] =
    "3.1415926535897932384626433832795028841971693993751058209749445923078164062862089986"
    "280348253421170679";
constexpr char kPi_2Digits[] =
    "1.5707963267948966192313216916397514420985846996875529104874722961539082031431044993"
    "140174126710585340";
constexpr char kPi_4Digits[] =
    "0.7853981633974483096156608458198757210492923498437764552437361480769541015715522496"
    "570087063355292670";
constexpr char kSqrt2Digits[] =
    "1.4142135623730950488016887242096980785696718753769480731766797379907324784621070388"
    "50387534327641572";
constexpr char kEDigits[] =
    "2.7182818284590452353602874713526624977572470936999595749669676277240766303535475945"
    "713821785251664274";
constexpr char kLog2eDigits[] =
    "1.4426950408889634073599246810018921374266459541529859341354494069311092191811850798"
    "855266228935063445";
constexpr char kLog10eDigits[] =
    "0.4342944819032518276511289189166050822943970058036665661144537831658646492088707747"
    "292249493384317483";
constexpr char kLn2Digits[] =
    "0.6931471805599453094172321214581765680755001343602552541206800094933936219696947156"
    "05863326996418687";
constexpr char kLn10Digits[] =
    "2.3025850929940456840179914546843642076011014886287729760333279009675726096773524802"
    "3599720508959830";

template <const char* Digits>
MXDecimalRecord literal() {
    static const MXDecimalRecord value = MXDecimalRecordFromString(Digits);
    return value;
}

template <unsigned Mantissa, int Exponent, bool Negative>
MXDecimalRecord exact() {
    static const MXDecimalRecord value = [] {
        MXDecimalRecord record;
        record.mantissa = Mantissa;
        record.exponent = static_cast<int8_t>(Exponent);
        record.negative = Negative;
        return record;
    }();
    return value;
}

// The digits [from, to) of a literal without its point, whose first digit is the units
// digit, at their place value (more than 38 of them round).
MXDecimalRecord digitRange(std::string_view digits, size_t from, size_t to) {
    std::string text(digits.substr(from, to - from));
    text += "e-" + std::to_string(to - 1);
    return MXDecimalRecordFromString(text);
}

}  // namespace

namespace mxcalc::detail {

const MXDecimalPi_2Parts& MXDecimalPi_2Split() {
    static const MXDecimalPi_2Parts parts = [] {
        std::string digits(kPi_2Digits);
        digits.erase(1, 1);
        constexpr size_t kPartDigits = 19;
        return MXDecimalPi_2Parts{digitRange(digits, 0, kPartDigits),
                                  digitRange(digits, kPartDigits, 2 * kPartDigits),
                                  digitRange(digits, 2 * kPartDigits, digits.size())};
    }();
    return parts;
}

}  // namespace mxcalc::detail

MXDecimalRecord MXDecimalNAN() {
    static const MXDecimalRecord value = MXDecimalRecord::notANumber();
    return value;
}

MXDecimalRecord MXDecimalEpsilon() { return exact<1, -64, false>(); }
MXDecimalRecord MXDecimalNegativeOne() { return exact<1, 0, true>(); }
MXDecimalRecord MXDecimalZero() { return MXDecimalRecord::zero(); }
MXDecimalRecord MXDecimalOne() { return exact<1, 0, false>(); }
MXDecimalRecord MXDecimalTwo() { return exact<2, 0, false>(); }

MXDecimalRecord MXDecimal2Pi() {
    static const MXDecimalRecord value = MXDecimalMultiply(MXDecimalPi(), MXDecimalTwo());
    return value;
}

MXDecimalRecord MXDecimalPhi() { return literal<kPhiDigits>(); }
MXDecimalRecord MXDecimalPi() { return literal<kPiDigits>(); }
MXDecimalRecord MXDecimalPi_2() { return literal<kPi_2Digits>(); }
MXDecimalRecord MXDecimalPi_4() { return literal<kPi_4Digits>(); }
MXDecimalRecord MXDecimalSqrt2() { return literal<kSqrt2Digits>(); }
MXDecimalRecord MXDecimalE() { return literal<kEDigits>(); }
MXDecimalRecord MXDecimalLog2e() { return literal<kLog2eDigits>(); }
MXDecimalRecord MXDecimalLog10e() { return literal<kLog10eDigits>(); }
MXDecimalRecord MXDecimalLn2() { return literal<kLn2Digits>(); }
MXDecimalRecord MXDecimalLn10() { return literal<kLn10Digits>(); }
