#pragma once
// What every setter of the pack does first: store a value only when it
// differs from the stored one, and say whether it did.

namespace korvan::panels {

template <class T> bool StoreChanged(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace korvan::panels
