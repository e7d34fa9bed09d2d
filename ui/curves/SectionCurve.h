#pragma once
// The curve of one filter section on the 4096-point grid. Until something
// writes to it, it reads as a shared curve (zeros, or the curve every fresh
// section of a calculator starts with), so the 48 sections of each of the
// 18 calculators take memory only once they are designed. The first write
// gives it storage of its own, a copy of what it read until then.

#include "ui/curves/CurveGrid.h"

#include <algorithm>
#include <cstddef>
#include <memory>

namespace korvan::curves {

class SectionCurve {
public:
    // Reads 0 at every point.
    SectionCurve();
    // Reads as `shared` until written.
    explicit SectionCurve(std::shared_ptr<const CurveValues> shared);
    SectionCurve(const SectionCurve& other);
    SectionCurve& operator=(const SectionCurve& other);
    ~SectionCurve() = default;

    static constexpr std::size_t size() { return CurvePointCount; }

    const double* data() const { return values_->data(); }
    const double& operator[](std::size_t k) const { return (*values_)[k]; }
    const double* begin() const { return data(); }
    const double* end() const { return data() + size(); }

    // Writable access: makes the storage of its own first.
    double* data() { return Own().data(); }
    double& operator[](std::size_t k) { return Own()[k]; }
    double* begin() { return data(); }
    double* end() { return data() + size(); }
    void fill(double value) { Own().fill(value); }

    // Reads 0 at every point: storage of its own is kept and cleared, a
    // shared curve is swapped for the shared zeros (nothing allocated).
    void SetZero();

    // Whether it holds storage of its own (it has been written).
    bool Owned() const { return owned_ != nullptr; }

    // Equal values at every point, as the arrays' own comparison.
    friend bool operator==(const SectionCurve& curve, const CurveValues& values) {
        return std::equal(values.begin(), values.end(), curve.begin());
    }

private:
    CurveValues& Own();

    std::shared_ptr<const CurveValues> values_; // never null
    CurveValues* owned_ = nullptr;              // values_'s storage once written
};

} // namespace korvan::curves
