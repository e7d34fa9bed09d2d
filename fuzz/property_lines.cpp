// Property lines of a component: the input's lines applied (the first byte
// picks the section and the decimal separator), then the component written
// as lines that read back into a fresh one and write the same lines again.

#include "controls/plot/core/PropertyLines.h"
#include "fuzz/FuzzTarget.h"
#include "platform/forms/Component.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/forms/Strings.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/text/Exception.h"
#include "platform/text/FormatSettings.h"

#include <string_view>

namespace {

class TFuzzThing : public TComponent {
    KORVAN_CLASS(TFuzzThing)
public:
    TFuzzThing() : TComponent(nullptr) {}
    int Count() const { return count_; }
    void SetCount(int v) { count_ = v; }
    int Kind() const { return kind_; }
    void SetKind(int v) { kind_ = v; }
    unsigned Flags() const { return flags_; }
    void SetFlags(unsigned v) { flags_ = v; }
    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    char Letter() const { return letter_; }
    void SetLetter(char v) { letter_ = v; }
    double Span() const { return span_; }
    void SetSpan(double v) { span_ = v; }
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& v) { caption_ = v; }
    TFont* Font() const { return const_cast<TFont*>(&font_); }
    void SetFont(TFont* f) {
        if (f)
            font_.Assign(*f);
    }

private:
    int count_ = 0, kind_ = 0;
    unsigned flags_ = 0;
    bool active_ = false;
    char letter_ = 'a';
    double span_ = 0;
    std::string caption_;
    TFont font_;
};

const TClassInfo& TFuzzThing::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TFuzzThing>("TFuzzThing", &TComponent::StaticClassInfo())
            .Property("Count", &TFuzzThing::Count, &TFuzzThing::SetCount)
            .Default(0)
            .Enum("Kind", &TFuzzThing::Kind, &TFuzzThing::SetKind, {"kA", "kB", "kC"})
            .Set("Flags", &TFuzzThing::Flags, &TFuzzThing::SetFlags, {"fA", "fB", "fC"})
            .Property("Active", &TFuzzThing::Active, &TFuzzThing::SetActive)
            .Property("Letter", &TFuzzThing::Letter, &TFuzzThing::SetLetter)
            .Property("Span", &TFuzzThing::Span, &TFuzzThing::SetSpan)
            .Property("Caption", &TFuzzThing::Caption, &TFuzzThing::SetCaption)
            .Property("Font", &TFuzzThing::Font, &TFuzzThing::SetFont)
            .Build();
    return info;
}

std::vector<std::string> Written(TFuzzThing& thing) {
    TStringList lines;
    korvan::plot::WritePropertyLines(&thing, "", lines, false, nullptr);
    return lines.ToVector();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const char separator = (data[0] & 1) ? ',' : '.';
    const std::string section = (data[0] & 2) ? "Channel" : "";
    korvan::text::FormatSettings& settings = korvan::text::CurrentFormatSettings();
    const char saved = settings.DecimalSeparator;
    settings.DecimalSeparator = separator;

    TStringList lines;
    lines.SetText(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    const int before = lines.Count();
    std::string value;
    if (korvan::plot::ExtractNamedValue("File Type", value, lines))
        FuzzCheck(lines.Count() == before - 1);

    TFuzzThing thing;
    try {
        korvan::plot::ReadPropertyLines(&thing, section, lines);
    } catch (const Exception&) {
        // A bad number, or a value a setter refuses (an invalid component
        // name): the failing line stays.
        FuzzCheck(lines.Count() > 0);
    }

    const std::vector<std::string> first = Written(thing);
    TStringList again;
    for (const std::string& line : first)
        again.Add(line);
    TFuzzThing copy;
    korvan::plot::ReadPropertyLines(&copy, "", again);
    FuzzCheck(again.Count() == 0);
    FuzzCheck(Written(copy) == first);

    settings.DecimalSeparator = saved;
    return 0;
}
