#include "ui/curves/PlotList.h"

#include <algorithm>

namespace {

void CopyValues(std::vector<double>& to, const double* from, std::int32_t count) {
    if (count < 1 || from == nullptr) {
        to.clear();
        return;
    }
    to.assign(from, from + count);
}

} // namespace

TPlotListMember::TPlotListMember(const TPlotListMember& source)
    : X(source.X), Y(source.Y), Color(source.Color), Style(source.Style), NumPoints(source.NumPoints),
      Index(source.Index) {}

TPlotList::TPlotList(const TPlotList& source) {
    for (const TPlotListMember* m = source.Head(); m != nullptr; m = m->Next.get()) {
        auto copy = std::make_unique<TPlotListMember>(*m);
        copy->Next = std::move(head_);
        head_ = std::move(copy);
    }
}

TPlotList::~TPlotList() {
    Clear();
}

void TPlotList::Clear() {
    // One member at a time, so a long list cannot exhaust the stack.
    while (head_) {
        head_ = std::move(head_->Next);
    }
}

bool TPlotList::AddPlot(const double* x, const double* y, std::int32_t count, std::int32_t index,
                        TColor color, TMyPlotStyle style) {
    const std::int32_t points = std::max<std::int32_t>(count, 0);
    TPlotListMember* member = nullptr;
    const bool found = FindPlot(index, member);
    if (!found) {
        auto fresh = std::make_unique<TPlotListMember>();
        fresh->Index = index;
        fresh->Color = color;
        fresh->Style = style;
        fresh->Next = std::move(head_);
        head_ = std::move(fresh);
        member = head_.get();
    }
    CopyValues(member->Y, y, points);
    CopyValues(member->X, x, points);
    member->NumPoints = static_cast<std::int32_t>(std::min(member->X.size(), member->Y.size()));
    member->X.resize(static_cast<std::size_t>(member->NumPoints));
    member->Y.resize(static_cast<std::size_t>(member->NumPoints));
    return found;
}

bool TPlotList::FindPlot(std::int32_t index, TPlotListMember*& member) const {
    for (TPlotListMember* m = head_.get(); m != nullptr; m = m->Next.get()) {
        if (m->Index == index) {
            member = m;
            return true;
        }
    }
    member = nullptr;
    return false;
}

bool TPlotList::DeletePlot(std::int32_t index) {
    for (std::unique_ptr<TPlotListMember>* link = &head_; *link; link = &(*link)->Next) {
        if ((*link)->Index == index) {
            std::unique_ptr<TPlotListMember> gone = std::move(*link);
            *link = std::move(gone->Next);
            return true;
        }
    }
    return false;
}

void TPlotList::AppendPlots(const TPlotList& source) {
    if (&source == this) {
        // Every index exists already: each plot would be replaced by its own
        // data, which leaves the list as it is.
        return;
    }
    for (const TPlotListMember* m = source.Head(); m != nullptr; m = m->Next.get()) {
        AddPlot(m->X.data(), m->Y.data(), m->NumPoints, m->Index, m->Color, m->Style);
    }
}
