#include "ui/curves/SectionCurve.h"

#include <utility>

namespace korvan::curves {

namespace {

const std::shared_ptr<const CurveValues>& Zeros() {
    static const auto zeros = std::make_shared<const CurveValues>();
    return zeros;
}

} // namespace

SectionCurve::SectionCurve() : values_(Zeros()) {}

SectionCurve::SectionCurve(std::shared_ptr<const CurveValues> shared)
    : values_(shared ? std::move(shared) : Zeros()) {}

SectionCurve::SectionCurve(const SectionCurve& other) : values_(other.values_) {
    if (other.Owned()) {
        auto own = std::make_shared<CurveValues>(*other.owned_);
        owned_ = own.get();
        values_ = std::move(own);
    }
}

SectionCurve& SectionCurve::operator=(const SectionCurve& other) {
    if (this == &other)
        return *this;
    if (other.Owned())
        Own() = *other.owned_;
    else {
        values_ = other.values_;
        owned_ = nullptr;
    }
    return *this;
}

void SectionCurve::SetZero() {
    if (owned_)
        owned_->fill(0.0);
    else
        values_ = Zeros();
}

CurveValues& SectionCurve::Own() {
    if (!owned_) {
        auto own = std::make_shared<CurveValues>(*values_);
        owned_ = own.get();
        values_ = std::move(own);
    }
    return *owned_;
}

} // namespace korvan::curves
