#include "platform/text/Format.h"

#include "platform/text/Exception.h"
#include "platform/text/FloatText.h"
#include "platform/text/IntText.h"

#include <cstdlib>
#include <vector>

namespace korvan::text {
namespace {

struct Directive {
    bool left = false;
    bool plus = false;
    bool space = false;
    bool zero = false;
    bool alt = false;
    int width = -1;
    int precision = -1;
    char type = 0;
};

class Formatter {
public:
    Formatter(std::string_view pattern, std::initializer_list<FormatArg> args, const FormatSettings& fs,
              bool cFlags)
        : pattern_(pattern), args_(args), fs_(fs), cFlags_(cFlags) {}

    std::string Run() {
        std::string out;
        size_t i = 0;
        while (i < pattern_.size()) {
            const char c = pattern_[i++];
            if (c != '%') {
                out += c;
                continue;
            }
            if (i < pattern_.size() && pattern_[i] == '%') {
                out += '%';
                ++i;
                continue;
            }
            out += One(i);
        }
        return out;
    }

private:
    [[noreturn]] void Invalid() const {
        throw EConvertError("Format '" + std::string(pattern_) + "' invalid or incompatible with argument");
    }

    const FormatArg& Next() {
        if (next_ >= args_.size())
            throw EConvertError("No argument for format '" + std::string(pattern_) + "'");
        return args_.begin()[next_++];
    }

    // Digits or "*" (taken from the arguments); -1 when neither is there.
    int Number(size_t& i) {
        if (i < pattern_.size() && pattern_[i] == '*') {
            ++i;
            const FormatArg& a = Next();
            if (a.GetKind() != FormatArg::Kind::Int && a.GetKind() != FormatArg::Kind::UInt)
                Invalid();
            return a.GetKind() == FormatArg::Kind::Int ? int(a.Int()) : int(a.UInt());
        }
        if (i >= pattern_.size() || pattern_[i] < '0' || pattern_[i] > '9')
            return -1;
        long v = 0;
        while (i < pattern_.size() && pattern_[i] >= '0' && pattern_[i] <= '9') {
            v = v * 10 + (pattern_[i++] - '0');
            if (v > 100000)
                Invalid();
        }
        return int(v);
    }

    std::string One(size_t& i) {
        Directive s;
        // Digits followed by ":" are an argument index; otherwise they are
        // the width and are read again below.
        size_t j = i;
        size_t index = 0;
        while (j < pattern_.size() && pattern_[j] >= '0' && pattern_[j] <= '9' && index < 100000)
            index = index * 10 + size_t(pattern_[j++] - '0');
        if (j > i && j < pattern_.size() && pattern_[j] == ':') {
            next_ = index;
            i = j + 1;
        }
        for (;;) {
            if (i >= pattern_.size())
                Invalid();
            const char c = pattern_[i];
            if (c == '-')
                s.left = true;
            else if (cFlags_ && c == '+')
                s.plus = true;
            else if (cFlags_ && c == ' ')
                s.space = true;
            else if (cFlags_ && c == '0')
                s.zero = true;
            else if (cFlags_ && c == '#')
                s.alt = true;
            else
                break;
            ++i;
            if (!cFlags_ && c == '-')
                break;
        }
        s.width = Number(i);
        if (s.width < 0 && i < pattern_.size() && pattern_[i] == '-')
            Invalid();
        if (i < pattern_.size() && pattern_[i] == '.') {
            ++i;
            s.precision = Number(i);
            if (s.precision < 0)
                s.precision = 0;
        }
        if (i >= pattern_.size())
            Invalid();
        s.type = char(pattern_[i++] | 0x20); // types are not case-sensitive
        return Pad(Convert(s, Next()), s);
    }

    std::string Pad(std::string text, const Directive& s) const {
        if (s.width < 0 || int(text.size()) >= s.width)
            return text;
        const size_t fill = size_t(s.width) - text.size();
        if (s.left)
            return text + std::string(fill, ' ');
        if (s.zero && s.type != 's' && s.type != 'p') {
            size_t signLen = (!text.empty() && (text[0] == '-' || text[0] == '+' || text[0] == ' ')) ? 1 : 0;
            return text.substr(0, signLen) + std::string(fill, '0') + text.substr(signLen);
        }
        return std::string(fill, ' ') + text;
    }

    std::string Signed(std::string digits, bool negative, const Directive& s) const {
        if (negative)
            return "-" + digits;
        if (s.plus)
            return "+" + digits;
        if (s.space)
            return " " + digits;
        return digits;
    }

    std::string Convert(const Directive& s, const FormatArg& a) {
        using K = FormatArg::Kind;
        switch (s.type) {
        case 'd':
        case 'u': {
            bool negative = false;
            std::uint64_t magnitude = 0;
            if (a.GetKind() == K::Int) {
                negative = a.Int() < 0;
                magnitude = negative ? 0 - std::uint64_t(a.Int()) : std::uint64_t(a.Int());
                if (s.type == 'u' && negative) {
                    negative = false;
                    magnitude = a.Wide() ? std::uint64_t(a.Int()) : std::uint64_t(std::uint32_t(a.Int()));
                }
            } else if (a.GetKind() == K::UInt) {
                magnitude = a.UInt();
            } else {
                Invalid();
            }
            std::string digits = std::to_string(magnitude);
            if (s.precision >= 0 && int(digits.size()) < s.precision)
                digits.insert(0, size_t(s.precision) - digits.size(), '0');
            return Signed(digits, negative, s);
        }
        case 'x': {
            std::uint64_t v = 0;
            if (a.GetKind() == K::Int)
                v = a.Wide() ? std::uint64_t(a.Int()) : std::uint64_t(std::uint32_t(a.Int()));
            else if (a.GetKind() == K::UInt)
                v = a.UInt();
            else
                Invalid();
            return IntToHex(v, s.precision < 0 ? 0 : s.precision);
        }
        case 'e':
        case 'f':
        case 'g':
        case 'n':
        case 'm': {
            if (a.GetKind() != K::Float)
                Invalid();
            const double v = a.Float();
            std::string text;
            switch (s.type) {
            case 'e':
                text = FloatToStrF(v, ffExponent, s.precision < 0 ? 15 : s.precision, 3, fs_);
                break;
            case 'f':
                text = FloatToStrF(v, ffFixed, 18, s.precision < 0 ? 2 : s.precision, fs_);
                break;
            case 'g':
                text = FloatToStrF(v, ffGeneral, s.precision < 0 ? 15 : s.precision, 3, fs_);
                break;
            case 'n':
                text = FloatToStrF(v, ffNumber, 18, s.precision < 0 ? 2 : s.precision, fs_);
                break;
            default: {
                FormatSettings money = fs_;
                if (s.precision >= 0)
                    money.CurrencyDecimals = s.precision;
                text = FloatToStrF(v, ffCurrency, 18, 0, money);
            }
            }
            if (s.type != 'm' && !text.empty() && text[0] != '-' && (s.plus || s.space))
                text.insert(text.begin(), s.plus ? '+' : ' ');
            if (s.alt && s.type == 'f' && s.precision == 0)
                text += fs_.DecimalSeparator;
            return text;
        }
        case 's': {
            if (a.GetKind() != K::String)
                Invalid();
            if (s.precision >= 0 && size_t(s.precision) < a.String().size())
                return a.String().substr(0, size_t(s.precision));
            return a.String();
        }
        case 'p': {
            if (a.GetKind() != K::Pointer)
                Invalid();
            return IntToHex(reinterpret_cast<std::uintptr_t>(a.Pointer()), int(sizeof(void*) * 2));
        }
        default:
            Invalid();
        }
    }

    std::string_view pattern_;
    std::initializer_list<FormatArg> args_;
    const FormatSettings& fs_;
    bool cFlags_;
    size_t next_ = 0;
};

} // namespace

std::string Printf(std::string_view pattern, std::initializer_list<FormatArg> args) {
    return Formatter(pattern, args, DefaultFormatSettings(), true).Run();
}

} // namespace korvan::text

std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args,
                   const korvan::text::FormatSettings& settings) {
    return korvan::text::Formatter(pattern, args, settings, false).Run();
}

std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args) {
    return Format(pattern, args, korvan::text::CurrentFormatSettings());
}
