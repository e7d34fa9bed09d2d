#pragma once
// Raises a flag for the life of the scope: the program's own change of a
// control or of the model, which the handlers that run meanwhile must not
// take for the user's. The scope puts back the value it found, so scopes
// nest: an inner one never clears the flag an outer one still holds.

namespace korvan::sys {

class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = was_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool was_;
};

} // namespace korvan::sys
