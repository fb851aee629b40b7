#pragma once
// The least-squares polynomial of a table of points: the normal equations solved by Gaussian elimination with
// partial pivoting, and the polynomial written as the user reads it.
#include "core/base/Real.h"

#include <string>
#include <vector>

constexpr int MaxPolyDegree = 7;

// The coefficients a_0..a_m of the degree-m polynomial that fits the points (xs[i], ys[i]) by least squares.
// Power sums S_k = sum x^k (k = 0..2m) and T_k = sum y x^k (k = 0..m) fill the (m+1) x (m+2) matrix
// M[r][c] = S_(r+c), M[r][m+1] = T_r; in column i the first row of largest magnitude at or below row i is
// swapped into row i over the columns i..m+1, then elimination and back substitution. A zero pivot (fewer
// distinct x than m + 1) gives a zero coefficient rather than a division by zero.
std::vector<Real> FitPolynomial(const std::vector<Real>& xs, const std::vector<Real>& ys, int m);

// Highest power first, zero coefficients left out: "-" for a negative coefficient, "+" for a positive one
// except the first power written at the top degree, |a_k| in FloatStr (left out when it is 1 and k > 0),
// then "x" for k >= 1 and "^k" for k >= 2. Nothing left gives "0". {3, -2.5, 1} -> "x^2-2.5x+3".
std::string PolynomialText(const std::vector<Real>& coefficients);

// a_m x^m + ... + a_0 by Horner's rule; UndefinedValue for a magnitude of 1e100 or more.
Real PolynomialValue(const std::vector<Real>& coefficients, Real x);

// How many different values xs holds.
int DistinctCount(std::vector<Real> xs);
