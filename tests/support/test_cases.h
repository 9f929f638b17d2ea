// Shared pieces of the tests: a used case with recognisable numbers in every column of
// the history and the data sheet, the message of the CommandError a call throws, and
// the guard of the tests that pin the last bit of an extended-precision result.
#pragma once

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>

#include "core/base/command_error.h"
#include "core/model/design_case.h"

// A case as a calculation could have left it, marked used. Its numbers exercise the
// short format: 12345 and 9999.7 round to "1.235E4" and "1E4", 0.00005 gives "5E-5",
// 0.123456 gives "0.1235". Tests change the fields they are about.
inline torsion::DesignCase SampleCase() {
    torsion::DesignCase c;
    c.used = 1;
    c.materialNo = 0;
    c.wireDia = 1;
    c.diaMode = 2;  // typed as outer diameter
    c.outerDia = 12;
    c.meanDia = 11;
    c.innerDia = 10;
    c.turns = 5.5;
    c.arm1 = 15;
    c.arm2 = 20;
    c.moment1 = 12345;
    c.moment2 = 9999.7;
    c.angle1 = 30;
    c.angle2 = 0.00005;
    c.springConst = 0.123456;
    c.stress1 = 5;
    c.stress2 = 20;
    c.allowStress = 1018.59;
    c.lifeClass = 2;
    return c;
}

// The sample on record 3 with round operating values, for the data sheet: moments of
// 10 and 20 kgf·mm, stresses of 100 and 200 kgf/mm², spring constant 1.
inline torsion::DesignCase DataSheetCase() {
    torsion::DesignCase c = SampleCase();
    c.materialNo = 3;
    c.wireDia = 1.25;
    c.meanDia = 10;
    c.outerDia = 11.25;
    c.turns = 5;
    c.angle1 = 45;
    c.angle2 = 90;
    c.moment1 = 10;
    c.moment2 = 20;
    c.stress1 = 100;
    c.stress2 = 200;
    c.springConst = 1;
    c.guideRodDia = 7.65;
    return c;
}

// The spring of d = 1, D = 10 (Di = 9, Do = 11), typed by its mean diameter, with
// `turns` turns, both arms `arm` long and the angles given, put on c and marked used.
inline void PutSpring(torsion::DesignCase& c, double turns, double arm, double angle1, double angle2) {
    c.used = 1;
    c.wireDia = 1;
    c.meanDia = 10;
    c.innerDia = 9;
    c.outerDia = 11;
    c.diaMode = 1;
    c.turns = c.calcTurns = turns;
    c.arm1 = c.arm2 = arm;
    c.inputMode = 1;
    c.angle1 = angle1;
    c.angle2 = angle2;
}

// The message of the CommandError that f() throws, or "(no error)".
template <typename F>
std::string ErrorOf(F&& f) {
    try {
        std::forward<F>(f)();
    } catch (const torsion::CommandError& e) {
        return e.message();
    }
    return "(no error)";
}

// The core computes in long double and rounds to double when it stores a field. Some
// tests pin such a result to its last bit, which holds where long double is the 80-bit
// x87 format (64-bit mantissa); their names end in X87LastBit and they skip elsewhere.
inline constexpr bool kLongDoubleIsX87 = std::numeric_limits<long double>::digits == 64;
#define SKIP_UNLESS_X87_LONG_DOUBLE() \
    if (!kLongDoubleIsX87) GTEST_SKIP() << "long double is not the 80-bit x87 format here"
