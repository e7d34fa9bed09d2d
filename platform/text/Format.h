#pragma once
// Format with the framework's rules, independent of the process locale:
//   "%" [index ":"] ["-"] [width] ["." precision] type
// with types d u e f g n m p s x; "*" takes width or precision from the
// arguments; "%%" is a percent sign. Floats round halves away from zero
// ("%.0f" of 2.5 is "3"); "%e" writes three exponent digits. A specifier
// that does not fit its argument raises EConvertError
// "Format '<pattern>' invalid or incompatible with argument".
//
// korvan::text::Printf accepts in addition the C flags "+", " ", "0" and
// "#" before the width, for texts written in C style ("%+1.1fdB").

#include "platform/text/FormatSettings.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

class FormatArg {
public:
    enum class Kind { Int, UInt, Float, String, Pointer };

    FormatArg(int v) : kind_(Kind::Int), i_(v), wide_(false) {}
    FormatArg(long v) : kind_(Kind::Int), i_(v), wide_(true) {}
    FormatArg(long long v) : kind_(Kind::Int), i_(v), wide_(true) {}
    FormatArg(short v) : kind_(Kind::Int), i_(v), wide_(false) {}
    FormatArg(unsigned v) : kind_(Kind::UInt), u_(v), wide_(false) {}
    FormatArg(unsigned long v) : kind_(Kind::UInt), u_(v), wide_(true) {}
    FormatArg(unsigned long long v) : kind_(Kind::UInt), u_(v), wide_(true) {}
    FormatArg(unsigned short v) : kind_(Kind::UInt), u_(v), wide_(false) {}
    FormatArg(unsigned char v) : kind_(Kind::UInt), u_(v), wide_(false) {}
    FormatArg(double v) : kind_(Kind::Float), f_(v) {}
    FormatArg(float v) : kind_(Kind::Float), f_(v) {}
    FormatArg(long double v) : kind_(Kind::Float), f_(double(v)) {}
    FormatArg(char c) : kind_(Kind::String), s_(1, c) {}
    FormatArg(const char* s) : kind_(Kind::String), s_(s ? s : "") {}
    FormatArg(std::string s) : kind_(Kind::String), s_(std::move(s)) {}
    FormatArg(std::string_view s) : kind_(Kind::String), s_(s) {}
    FormatArg(const void* p) : kind_(Kind::Pointer), p_(p) {}
    FormatArg(bool) = delete; // the framework has no Boolean specifier

    Kind GetKind() const { return kind_; }
    std::int64_t Int() const { return i_; }
    std::uint64_t UInt() const { return u_; }
    double Float() const { return f_; }
    const std::string& String() const { return s_; }
    const void* Pointer() const { return p_; }
    bool Wide() const { return wide_; }

private:
    Kind kind_;
    std::int64_t i_ = 0;
    std::uint64_t u_ = 0;
    double f_ = 0;
    std::string s_;
    const void* p_ = nullptr;
    bool wide_ = false;
};

std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args);
std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args,
                   const korvan::text::FormatSettings& settings);

namespace korvan::text {

std::string Printf(std::string_view pattern, std::initializer_list<FormatArg> args);

} // namespace korvan::text
