#include "controls/plot/core/Interpolation.h"

#include "platform/text/Exception.h"

#include <algorithm>
#include <cmath>

namespace korvan::plot {

namespace {

// The routines below count points from 1 as the published algorithms do;
// At(v, i) is point i of such a count.
double At(std::span<const double> v, int i) {
    return v[std::size_t(i - 1)];
}

int PointCount(std::span<const double> xa, std::span<const double> ya) {
    return int(std::min(xa.size(), ya.size()));
}

// The index (from 1) of the point closest to x; the first wins a tie.
int ClosestPoint(std::span<const double> xa, int n, double x) {
    int ns = 1;
    double best = std::fabs(x - At(xa, 1));
    for (int i = 2; i <= n; ++i) {
        const double d = std::fabs(x - At(xa, i));
        if (d < best) {
            ns = i;
            best = d;
        }
    }
    return ns;
}

// The tableau walk shared by Neville's and the rational scheme: step
// computes the new C and D entries of column m, row i. D starts dOffset
// above C.
template <class Step>
InterpolatedValue Tableau(std::span<const double> ya, int n, int ns, double dOffset, Step step) {
    std::vector<double> c(std::size_t(n) + 1), d(std::size_t(n) + 1);
    for (int i = 1; i <= n; ++i) {
        c[std::size_t(i)] = At(ya, i);
        d[std::size_t(i)] = At(ya, i) + dOffset;
    }
    InterpolatedValue r;
    r.Y = At(ya, ns);
    --ns;
    for (int m = 1; m < n; ++m) {
        for (int i = 1; i <= n - m; ++i)
            step(c, d, m, i);
        if (2 * ns < n - m) {
            r.DY = c[std::size_t(ns) + 1];
        } else {
            r.DY = d[std::size_t(ns)];
            --ns;
        }
        r.Y += r.DY;
    }
    return r;
}

} // namespace

double Log10(double x) {
    return std::log10(x);
}

double Power(double base, double exponent) {
    return std::exp(exponent * std::log(base));
}

std::vector<double> SplineSecondDerivatives(std::span<const double> x, std::span<const double> y,
                                            bool naturalEnds) {
    const int n = PointCount(x, y);
    std::vector<double> y2(std::size_t(std::max(n, 0)), 0.0);
    if (n < 2)
        return y2;
    std::vector<double> u(std::size_t(n) + 1, 0.0);
    auto Y2 = [&](int i) -> double& { return y2[std::size_t(i - 1)]; };
    auto U = [&](int i) -> double& { return u[std::size_t(i)]; };
    const double yp1 = naturalEnds ? 1e30 : (At(y, 2) - At(y, 1)) / (At(x, 2) - At(x, 1));
    const double ypn = naturalEnds ? 1e30 : (At(y, n) - At(y, n - 1)) / (At(x, n) - At(x, n - 1));
    if (yp1 > 0.99e30) {
        Y2(1) = 0;
        U(1) = 0;
    } else {
        Y2(1) = -0.5;
        U(1) = (3 / (At(x, 2) - At(x, 1))) * ((At(y, 2) - At(y, 1)) / (At(x, 2) - At(x, 1)) - yp1);
    }
    for (int i = 2; i <= n - 1; ++i) {
        const double sig = (At(x, i) - At(x, i - 1)) / (At(x, i + 1) - At(x, i - 1));
        const double p = sig * Y2(i - 1) + 2;
        Y2(i) = (sig - 1) / p;
        U(i) = (At(y, i + 1) - At(y, i)) / (At(x, i + 1) - At(x, i)) -
               (At(y, i) - At(y, i - 1)) / (At(x, i) - At(x, i - 1));
        U(i) = (6 * U(i) / (At(x, i + 1) - At(x, i - 1)) - sig * U(i - 1)) / p;
    }
    double qn = 0, un = 0;
    if (!(ypn > 0.99e30)) {
        qn = 0.5;
        un = (3 / (At(x, n) - At(x, n - 1))) * (ypn - (At(y, n) - At(y, n - 1)) / (At(x, n) - At(x, n - 1)));
    }
    Y2(n) = (un - qn * U(n - 1)) / (qn * Y2(n - 1) + 1);
    for (int k = n - 1; k >= 1; --k)
        Y2(k) = Y2(k) * Y2(k + 1) + U(k);
    return y2;
}

double SplineInterpolate(std::span<const double> xa, std::span<const double> ya, std::span<const double> y2a,
                         double x) {
    const int n = std::min(PointCount(xa, ya), int(y2a.size()));
    if (n < 2)
        throw Exception("Splint Error - xa's must be distinct");
    int lo = 1, hi = n;
    while (hi - lo > 1) {
        const int k = (hi + lo) / 2;
        if (x < At(xa, k))
            hi = k;
        else
            lo = k;
    }
    const double h = At(xa, hi) - At(xa, lo);
    if (h == 0)
        throw Exception("Splint Error - xa's must be distinct");
    const double a = (At(xa, hi) - x) / h;
    const double b = (x - At(xa, lo)) / h;
    return a * At(ya, lo) + b * At(ya, hi) +
           ((a * a * a - a) * At(y2a, lo) + (b * b * b - b) * At(y2a, hi)) * (h * h) / 6;
}

InterpolatedValue PolynomialInterpolate(std::span<const double> xa, std::span<const double> ya, double x) {
    const int n = PointCount(xa, ya);
    if (n < 1)
        return {};
    return Tableau(ya, n, ClosestPoint(xa, n, x), 0.0,
                   [&](std::vector<double>& c, std::vector<double>& d, int m, int i) {
                       const double ho = At(xa, i) - x;
                       const double hp = At(xa, i + m) - x;
                       const double w = c[std::size_t(i) + 1] - d[std::size_t(i)];
                       double den = ho - hp;
                       if (den == 0)
                           throw Exception("Polynomial Interpolation Error - Pause in Routine Data");
                       den = w / den;
                       d[std::size_t(i)] = hp * den;
                       c[std::size_t(i)] = ho * den;
                   });
}

InterpolatedValue RationalInterpolate(std::span<const double> xa, std::span<const double> ya, double x) {
    constexpr double kTiny = 1e-25;
    const int n = PointCount(xa, ya);
    if (n < 1)
        return {};
    for (int i = 1; i <= n; ++i)
        if (std::fabs(x - At(xa, i)) == 0)
            return {At(ya, i), 0};
    // D starts a tiny step off C so that a zero value does not divide 0 by 0.
    return Tableau(ya, n, ClosestPoint(xa, n, x), kTiny,
                   [&](std::vector<double>& c, std::vector<double>& d, int m, int i) {
                       const double w = c[std::size_t(i) + 1] - d[std::size_t(i)];
                       const double h = At(xa, i + m) - x;
                       const double t = (At(xa, i) - x) * d[std::size_t(i)] / h;
                       double dd = t - c[std::size_t(i) + 1];
                       if (dd == 0)
                           throw Exception("Rational Interpolation Error - Pause in Routine Data");
                       dd = w / dd;
                       d[std::size_t(i)] = c[std::size_t(i) + 1] * dd;
                       c[std::size_t(i)] = t * dd;
                   });
}

} // namespace korvan::plot
