#pragma once
// Long double comparisons for tests: gtest's EXPECT_NEAR would convert to double.
#include "core/base/Real.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iomanip>
#include <sstream>

inline std::string RealText(Real v) {
    std::ostringstream s;
    s << std::setprecision(21) << v;
    return s.str();
}

inline ::testing::AssertionResult LongDoubleNear(const char* ae, const char* be, const char*, Real a, Real b,
                                                 Real tolerance) {
    if (std::fabs(a - b) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << ae << " = " << RealText(a) << ", " << be << " = " << RealText(b) << ", difference "
           << RealText(a - b) << " exceeds " << RealText(tolerance);
}

// The same bits: what "bit-identical" results must satisfy (ignoring the padding bytes of the 80-bit format).
inline bool SameBits(Real a, Real b) {
    return std::memcmp(&a, &b, 10) == 0;
}

#define EXPECT_LD_NEAR(a, b, tol) EXPECT_PRED_FORMAT3(LongDoubleNear, a, b, tol)
#define ASSERT_LD_NEAR(a, b, tol) ASSERT_PRED_FORMAT3(LongDoubleNear, a, b, tol)
