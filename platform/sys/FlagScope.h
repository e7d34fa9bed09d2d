#pragma once
// Raises a flag for the life of the scope: the program's own change of a
// control or of the model, which the handlers that run meanwhile must not
// take for the user's.

namespace korvan::sys {

class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

} // namespace korvan::sys
