#include "platform/forms/FormText.h"

#include "platform/text/Exception.h"
#include "platform/text/IntText.h"
#include "platform/text/StrUtils.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace korvan::forms {

namespace {

constexpr int kMaxDepth = 200;

std::string FloatText(double v) {
    if (std::isnan(v))
        return "NAN";
    if (std::isinf(v))
        return v < 0 ? "-INF" : "INF";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    std::string s(buf, res.ptr);
    if (s.find_first_of(".e") == std::string::npos)
        s += ".0";
    return s;
}

std::string QuotedText(const std::string& s) {
    std::string out;
    bool open = false;
    for (char c : s) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 32) {
            if (open)
                out += '\'';
            open = false;
            out += "#" + std::to_string(u);
            continue;
        }
        if (!open)
            out += '\'';
        open = true;
        out += c == '\'' ? std::string("''") : std::string(1, c);
    }
    if (open)
        out += '\'';
    return out.empty() ? "''" : out;
}

class TextWriter {
public:
    explicit TextWriter(const FormTokens& t) : t_(t) {}

    std::string Run() {
        while (i_ < t_.size())
            Object(0);
        return out_;
    }

private:
    const FormToken& Take() {
        if (i_ >= t_.size())
            throw EWriteError("Incomplete form stream");
        return t_[i_++];
    }
    const FormToken* Peek() const { return i_ < t_.size() ? &t_[i_] : nullptr; }
    bool AtEnd() const { return Peek() && Peek()->kind == FormToken::Kind::Value && Peek()->type == vaNull; }
    static std::string Pad(int indent) { return std::string(size_t(indent), ' '); }

    void Object(int indent) {
        const FormToken& h = Take();
        if (h.kind != FormToken::Kind::Header)
            throw EWriteError("Form stream without object header");
        out_ +=
            Pad(indent) + "object " + (h.text.empty() ? h.className : h.text + ": " + h.className) + "\r\n";
        Properties(indent + 2);
        Take();
        while (Peek() && Peek()->kind == FormToken::Kind::Header)
            Object(indent + 2);
        Take();
        out_ += Pad(indent) + "end\r\n";
    }

    void Properties(int indent) {
        while (Peek() && Peek()->kind == FormToken::Kind::Name) {
            out_ += Pad(indent) + Take().text + " = ";
            Value(indent);
            out_ += "\r\n";
        }
    }

    void Value(int indent) {
        const FormToken& v = Take();
        switch (v.type) {
        case vaInt8:
        case vaInt16:
        case vaInt32:
        case vaInt64:
            out_ += std::to_string(v.integer);
            break;
        case vaExtended:
        case vaDouble:
        case vaSingle:
        case vaCurrency:
        case vaDate:
            out_ += FloatText(v.number);
            break;
        case vaString:
        case vaLString:
        case vaWString:
        case vaUTF8String:
            out_ += QuotedText(v.text);
            break;
        case vaIdent:
            out_ += v.text;
            break;
        case vaFalse:
            out_ += "False";
            break;
        case vaTrue:
            out_ += "True";
            break;
        case vaNil:
            out_ += "nil";
            break;
        case vaNull:
            out_ += "Null";
            break;
        case vaSet: {
            out_ += "[";
            bool first = true;
            for (const FormToken* e = &Take(); !e->text.empty(); e = &Take()) {
                out_ += (first ? "" : ", ") + e->text;
                first = false;
            }
            out_ += "]";
            break;
        }
        case vaList:
            out_ += "(";
            while (!AtEnd()) {
                out_ += "\r\n" + Pad(indent + 2);
                Value(indent + 2);
            }
            Take();
            out_ += ")";
            break;
        case vaCollection:
            out_ += "<";
            while (!AtEnd()) {
                const FormToken& begin = Take();
                if (begin.type != vaList)
                    throw EWriteError("Collection item without list begin");
                out_ += "\r\n" + Pad(indent + 2) + "item\r\n";
                Properties(indent + 4);
                Take();
                out_ += Pad(indent + 2) + "end";
            }
            Take();
            out_ += ">";
            break;
        case vaBinary: {
            out_ += "{";
            for (size_t k = 0; k < v.bytes.size(); ++k) {
                if (k % 32 == 0)
                    out_ += "\r\n" + Pad(indent + 2);
                out_ += IntToHex(v.bytes[k], 2);
            }
            out_ += "}";
            break;
        }
        }
    }

    const FormTokens& t_;
    size_t i_ = 0;
    std::string out_;
};

class TextParser {
public:
    explicit TextParser(std::string_view s) : s_(s) {}

    FormTokens Run() {
        Skip();
        Object(0);
        Skip();
        if (p_ != s_.size())
            Fail("text after the last end");
        return std::move(out_);
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw EReadError("Line " + std::to_string(line_) + ": " + what);
    }

    void Skip() {
        while (p_ < s_.size() && static_cast<unsigned char>(s_[p_]) <= ' ') {
            if (s_[p_] == '\n')
                ++line_;
            ++p_;
        }
    }

    bool Is(char c) {
        Skip();
        return p_ < s_.size() && s_[p_] == c;
    }

    void Expect(char c) {
        if (!Is(c))
            Fail(std::string("'") + c + "' expected");
        ++p_;
    }

    static bool IdentStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
    static bool IdentChar(char c) { return IdentStart(c) || (c >= '0' && c <= '9') || c == '.'; }

    bool PeekIdent(std::string_view word) {
        Skip();
        size_t q = p_;
        while (q < s_.size() && IdentChar(s_[q]))
            ++q;
        return q > p_ && SameText(s_.substr(p_, q - p_), word);
    }

    std::string Ident() {
        Skip();
        if (p_ >= s_.size() || !IdentStart(s_[p_]))
            Fail("identifier expected");
        const size_t start = p_;
        while (p_ < s_.size() && IdentChar(s_[p_]))
            ++p_;
        return std::string(s_.substr(start, p_ - start));
    }

    FormToken& Emit(FormToken::Kind kind, TValueType type = vaNull) {
        out_.emplace_back();
        out_.back().kind = kind;
        out_.back().type = type;
        return out_.back();
    }

    void Depth(int depth) const {
        if (depth > kMaxDepth)
            Fail("nesting too deep");
    }

    void Object(int depth) {
        Depth(depth);
        const std::string word = Ident();
        if (!SameText(word, "object") && !SameText(word, "inherited") && !SameText(word, "inline"))
            Fail("'object' expected");
        std::string name = Ident(), className;
        if (Is(':')) {
            ++p_;
            className = Ident();
        } else {
            className = name;
            name.clear();
        }
        if (Is('[')) { // an order index written by some tools: skipped
            ++p_;
            Skip();
            Number();
            out_.pop_back();
            Expect(']');
        }
        FormToken& h = Emit(FormToken::Kind::Header);
        h.text = name;
        h.className = className;
        while (!PeekIdent("end") && !PeekIdent("object") && !PeekIdent("inherited") && !PeekIdent("inline"))
            Property(depth);
        Emit(FormToken::Kind::Value, vaNull);
        while (!PeekIdent("end"))
            Object(depth + 1);
        Ident();
        Emit(FormToken::Kind::Value, vaNull);
    }

    void Property(int depth) {
        Skip();
        if (p_ >= s_.size())
            Fail("'end' expected");
        Emit(FormToken::Kind::Name).text = Ident();
        Expect('=');
        Value(depth);
    }

    void Number() {
        if (p_ >= s_.size())
            Fail("number expected");
        const size_t start = p_;
        if (s_[p_] == '$') {
            ++p_;
            while (p_ < s_.size() && std::isxdigit(static_cast<unsigned char>(s_[p_])))
                ++p_;
            std::int64_t v = 0;
            if (!TryStrToInt64(s_.substr(start, p_ - start), v))
                Fail("bad number");
            Emit(FormToken::Kind::Value, vaInt64).integer = v;
            return;
        }
        if (s_[p_] == '-' || s_[p_] == '+')
            ++p_;
        bool isFloat = false;
        while (p_ < s_.size() &&
               (std::isdigit(static_cast<unsigned char>(s_[p_])) || s_[p_] == '.' || s_[p_] == 'e' ||
                s_[p_] == 'E' ||
                ((s_[p_] == '-' || s_[p_] == '+') && (s_[p_ - 1] == 'e' || s_[p_ - 1] == 'E')))) {
            isFloat = isFloat || !std::isdigit(static_cast<unsigned char>(s_[p_]));
            ++p_;
        }
        std::string text(s_.substr(start, p_ - start));
        if (!isFloat) {
            std::int64_t v = 0;
            if (!TryStrToInt64(text, v))
                Fail("bad number " + text);
            Emit(FormToken::Kind::Value, v >= std::numeric_limits<std::int32_t>::min() &&
                                                 v <= std::numeric_limits<std::int32_t>::max()
                                             ? vaInt32
                                             : vaInt64)
                .integer = v;
            return;
        }
        if (text[0] == '+')
            text.erase(0, 1);
        double v = 0;
        const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
        if (res.ec != std::errc() || res.ptr != text.data() + text.size())
            Fail("bad number " + text);
        Emit(FormToken::Kind::Value, vaExtended).number = v;
    }

    // Parts of one string: quoted runs and #nnn codes, side by side or
    // joined by '+'. In a list, blanks between parts end the string, since
    // the next part is the list's next string; elsewhere they are skipped.
    std::string QuotedString(bool inList) {
        std::string out;
        bool joined = true; // the first part, or a part after '+'
        for (;;) {
            const size_t before = p_;
            Skip();
            if (inList && !joined && p_ != before && p_ < s_.size() && (s_[p_] == '\'' || s_[p_] == '#'))
                return out;
            joined = false;
            if (p_ < s_.size() && s_[p_] == '\'') {
                ++p_;
                for (;;) {
                    if (p_ >= s_.size() || s_[p_] == '\n')
                        Fail("unterminated string");
                    if (s_[p_] == '\'') {
                        if (p_ + 1 < s_.size() && s_[p_ + 1] == '\'') {
                            out += '\'';
                            p_ += 2;
                            continue;
                        }
                        ++p_;
                        break;
                    }
                    out += s_[p_++];
                }
            } else if (p_ < s_.size() && s_[p_] == '#') {
                ++p_;
                int code = 0, digits = 0;
                while (p_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[p_])) && digits < 4) {
                    code = code * 10 + (s_[p_++] - '0');
                    ++digits;
                }
                if (digits == 0 || code > 255)
                    Fail("bad character code");
                out += char(code);
            } else if (p_ < s_.size() && s_[p_] == '+' && p_ + 1 < s_.size()) {
                // A '+' joins string parts across lines.
                size_t q = p_ + 1;
                while (q < s_.size() && static_cast<unsigned char>(s_[q]) <= ' ')
                    ++q;
                if (q < s_.size() && (s_[q] == '\'' || s_[q] == '#')) {
                    ++p_;
                    joined = true;
                } else
                    return out;
            } else {
                return out;
            }
        }
    }

    void Value(int depth, bool inList = false) {
        Depth(depth);
        Skip();
        if (p_ >= s_.size())
            Fail("value expected");
        const char c = s_[p_];
        if (c == '\'' || c == '#') {
            Emit(FormToken::Kind::Value, vaString).text = QuotedString(inList);
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '$' ||
                   ((c == '-' || c == '+') && p_ + 1 < s_.size() &&
                    (std::isdigit(static_cast<unsigned char>(s_[p_ + 1])) || s_[p_ + 1] == '.'))) {
            Number();
        } else if (c == '-' && p_ + 1 < s_.size() && IdentStart(s_[p_ + 1])) {
            ++p_;
            Emit(FormToken::Kind::Value, vaIdent).text = "-" + Ident(); // -INF
        } else if (IdentStart(c)) {
            const std::string id = Ident();
            if (SameText(id, "False"))
                Emit(FormToken::Kind::Value, vaFalse);
            else if (SameText(id, "True"))
                Emit(FormToken::Kind::Value, vaTrue);
            else if (SameText(id, "nil"))
                Emit(FormToken::Kind::Value, vaNil);
            else
                Emit(FormToken::Kind::Value, vaIdent).text = id;
        } else if (c == '[') {
            ++p_;
            Emit(FormToken::Kind::Value, vaSet);
            if (!Is(']'))
                for (;;) {
                    Emit(FormToken::Kind::Name).text = Ident();
                    if (Is(']'))
                        break;
                    Expect(',');
                }
            Expect(']');
            Emit(FormToken::Kind::Name);
        } else if (c == '(') {
            ++p_;
            Emit(FormToken::Kind::Value, vaList);
            while (!Is(')'))
                Value(depth + 1, true);
            ++p_;
            Emit(FormToken::Kind::Value, vaNull);
        } else if (c == '<') {
            ++p_;
            Emit(FormToken::Kind::Value, vaCollection);
            while (!Is('>')) {
                if (!SameText(Ident(), "item"))
                    Fail("'item' expected");
                if (Is('[')) {
                    ++p_;
                    Skip();
                    Number();
                    Expect(']');
                }
                Emit(FormToken::Kind::Value, vaList);
                while (!PeekIdent("end"))
                    Property(depth + 1);
                Ident();
                Emit(FormToken::Kind::Value, vaNull);
            }
            ++p_;
            Emit(FormToken::Kind::Value, vaNull);
        } else if (c == '{') {
            ++p_;
            FormToken& t = Emit(FormToken::Kind::Value, vaBinary);
            std::string hex;
            for (;;) {
                Skip();
                if (p_ >= s_.size())
                    Fail("'}' expected");
                if (s_[p_] == '}')
                    break;
                if (!std::isxdigit(static_cast<unsigned char>(s_[p_])))
                    Fail("bad binary data");
                hex += s_[p_++];
            }
            ++p_;
            if (hex.size() % 2 != 0)
                Fail("bad binary data");
            for (size_t k = 0; k < hex.size(); k += 2)
                t.bytes.push_back(std::uint8_t(std::stoi(hex.substr(k, 2), nullptr, 16)));
        } else {
            Fail(std::string("unexpected '") + c + "'");
        }
    }

    std::string_view s_;
    size_t p_ = 0;
    int line_ = 1;
    FormTokens out_;
};

} // namespace

std::string TokensToText(const FormTokens& tokens) {
    return TextWriter(tokens).Run();
}

FormTokens TextToTokens(std::string_view text) {
    return TextParser(text).Run();
}

std::string WriteComponentText(TComponent* root) {
    FormTokens tokens;
    TWriter writer(tokens);
    writer.WriteRootComponent(root);
    return TokensToText(tokens);
}

void ReadComponentText(std::string_view text, TComponent* root) {
    const FormTokens tokens = TextToTokens(text);
    TReader reader(tokens);
    reader.ReadRootComponent(root);
}

} // namespace korvan::forms
