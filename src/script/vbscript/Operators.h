#pragma once
// The language's operators on Variants, with its conversion rules: the result
// subtype follows the operands (Integer + Integer is Integer until it
// overflows into Long, then Double), Null propagates, `+` of two strings
// concatenates, comparisons of numbers and strings follow the Variant rules.

#include "vbscript/Variant.h"

namespace tabulo::vbs {

Variant opAdd(const Variant& a, const Variant& b);
Variant opSub(const Variant& a, const Variant& b);
Variant opMul(const Variant& a, const Variant& b);
Variant opDiv(const Variant& a, const Variant& b);
Variant opIntDiv(const Variant& a, const Variant& b);
Variant opMod(const Variant& a, const Variant& b);
Variant opPow(const Variant& a, const Variant& b);
Variant opNeg(const Variant& a);
Variant opConcat(const Variant& a, const Variant& b);
void appendText(std::string& out, const Variant& v); // `&` onto a string in place

Variant opAnd(const Variant& a, const Variant& b);
Variant opOr(const Variant& a, const Variant& b);
Variant opXor(const Variant& a, const Variant& b);
Variant opEqv(const Variant& a, const Variant& b);
Variant opImp(const Variant& a, const Variant& b);
Variant opNot(const Variant& a);

// Three-way comparison: -1, 0, 1, or kCompareNull when either side is Null.
// A numeric literal against a string converts the string to a number
// (`literalSide` 1 = left is a numeric literal, 2 = right is).
inline constexpr int kCompareNull = 2;
int compareValues(const Variant& a, const Variant& b, bool textCompare = false,
                  int literalSide = 0);
int compareText(const std::string& a, const std::string& b, bool textCompare);

enum class CompareOp { Eq, Ne, Lt, Le, Gt, Ge };
Variant opCompare(CompareOp op, const Variant& a, const Variant& b, int literalSide = 0);
bool compareResult(CompareOp op, int cmp);

} // namespace tabulo::vbs
