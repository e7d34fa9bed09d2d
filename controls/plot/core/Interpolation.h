#pragma once
// Decimal logarithm and power for axis scales, and the interpolations of
// the interpolated trace styles: cubic spline with the end slopes of the
// first and last chords, Neville's polynomial and the diagonal rational
// function. Points are given as spans of X and Y of equal length with X in
// increasing order. Coinciding X values raise an Exception naming the
// routine.

#include <span>
#include <vector>

namespace korvan::plot {

double Log10(double x);
// exp(exponent * ln base); base must be positive.
double Power(double base, double exponent);

// Second derivatives of the spline through the points (one per point; all
// zero for fewer than two points). With naturalEnds the second derivative
// is zero at both ends instead.
std::vector<double> SplineSecondDerivatives(std::span<const double> x, std::span<const double> y,
                                            bool naturalEnds = false);
// The spline's value at x, found by bisection over xa.
double SplineInterpolate(std::span<const double> xa, std::span<const double> ya, std::span<const double> y2a,
                         double x);

struct InterpolatedValue {
    double Y = 0;
    double DY = 0; // the last correction added: an estimate of the error
};
// The polynomial of degree n - 1 through the n points, at x.
InterpolatedValue PolynomialInterpolate(std::span<const double> xa, std::span<const double> ya, double x);
// The diagonal rational function through the points, at x.
InterpolatedValue RationalInterpolate(std::span<const double> xa, std::span<const double> ya, double x);

} // namespace korvan::plot
