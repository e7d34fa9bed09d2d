// String-list properties in the form text: each list is written as
// "<Property>.Strings = ( ... )", one quoted string a line, and read back
// into the same strings; a bad list is refused and leaves the list as it
// was.

#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormText.h"
#include "platform/forms/StdCtrls.h"
#include "platform/text/Exception.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

class StringListStream : public korvan::testing::GuiTest {
protected:
    // A form holding a memo, a list box, a combo box and a radio group.
    struct Controls {
        std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
        TMemo* memo = nullptr;
        TListBox* list = nullptr;
        TComboBox* combo = nullptr;
        TRadioGroup* group = nullptr;

        Controls() {
            form->SetName("Form1");
            memo = Add<TMemo>("Memo1");
            list = Add<TListBox>("ListBox1");
            combo = Add<TComboBox>("ComboBox1");
            group = Add<TRadioGroup>("RadioGroup1");
        }
        template <class T> T* Add(const char* name) {
            auto* control = new T(form.get()); // owned by the form
            control->SetName(name);
            control->SetParent(form.get());
            return control;
        }
    };
    static void Fill(TStrings& list, const Strings& strings) {
        list.Clear();
        for (const auto& s : strings)
            list.Add(s);
    }
};

TEST_F(StringListStream, EveryListRoundTripsToTheSameItemsAndText) {
    // Quotes, blanks, an empty line, control characters and UTF-8 text.
    const Strings lines = {"first", "it's here", "", "tab\there", "caf\xC3\xA9 \xE2\x82\xAC", "#1 + 'two'"};
    const Strings items = {"Alpha", "Beta", "Gamma"};
    const Strings choices = {"Low", "Mid", "High"};
    const Strings buttons = {"One", "Two"};
    Controls a;
    Fill(*a.memo->Lines(), lines);
    Fill(*a.list->Items(), items);
    a.list->SetItemIndex(1);
    Fill(*a.combo->Items(), choices);
    a.combo->SetItemIndex(2);
    Fill(*a.group->Items(), buttons);
    a.group->SetItemIndex(1);

    const std::string text = korvan::forms::WriteComponentText(a.form.get());
    EXPECT_NE(text.find("    Lines.Strings = (\r\n"
                        "      'first'\r\n"
                        "      'it''s here'\r\n"
                        "      ''\r\n"
                        "      'tab'#9'here'\r\n"
                        "      'caf\xC3\xA9 \xE2\x82\xAC'\r\n"
                        "      '#1 + ''two''')\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("    Items.Strings = (\r\n"
                        "      'Alpha'\r\n"
                        "      'Beta'\r\n"
                        "      'Gamma')\r\n"
                        "    ItemIndex = 1\r\n"),
              std::string::npos)
        << text;

    Controls b;
    korvan::forms::ReadComponentText(text, b.form.get());
    EXPECT_EQ(b.memo->Lines()->ToVector(), lines);
    EXPECT_EQ(b.memo->Text(), a.memo->Text());
    EXPECT_EQ(b.list->Items()->ToVector(), items);
    EXPECT_EQ(b.list->ItemIndex(), 1);
    EXPECT_EQ(b.combo->Items()->ToVector(), choices);
    EXPECT_EQ(b.combo->ItemIndex(), 2);
    EXPECT_EQ(b.combo->Text(), "High");
    EXPECT_EQ(b.group->Items()->ToVector(), buttons);
    EXPECT_EQ(b.group->ItemIndex(), 1);
    EXPECT_EQ(korvan::forms::WriteComponentText(b.form.get()), text);
}

TEST_F(StringListStream, EmptyListsWriteNothing) {
    Controls a;
    const std::string text = korvan::forms::WriteComponentText(a.form.get());
    EXPECT_EQ(text.find("Strings"), std::string::npos) << text;
    EXPECT_EQ(text.find("Lines"), std::string::npos) << text;
    EXPECT_EQ(text.find("Items"), std::string::npos) << text;

    // Read into lists that hold strings, a text without lists leaves them.
    Controls b;
    Fill(*b.list->Items(), {"kept"});
    korvan::forms::ReadComponentText(text, b.form.get());
    EXPECT_EQ(b.list->Items()->ToVector(), Strings{"kept"});
}

TEST_F(StringListStream, ListTextsReadAsTheirStrings) {
    struct Case {
        const char* list;
        Strings strings;
    };
    const Case cases[] = {
        {"('a' 'b')", {"a", "b"}},
        {"(\r\n  'a'\r\n  'b')", {"a", "b"}},
        {"('a'#13#10'b' #65)", {"a\r\nb", "A"}},
        {"('a' +\r\n  'b'\r\n  'c')", {"ab", "c"}},
        {"('it''s' '')", {"it's", ""}},
        {"()", {}},
    };
    for (const Case& c : cases) {
        Controls b;
        Fill(*b.list->Items(), {"old"});
        const std::string text =
            std::string("object Form1: TForm\n  object ListBox1: TListBox\n    Items.Strings = ") + c.list +
            "\n  end\nend\n";
        korvan::forms::ReadComponentText(text, b.form.get());
        EXPECT_EQ(b.list->Items()->ToVector(), c.strings) << c.list;
    }
}

TEST_F(StringListStream, BadListsAreRefusedAndLeaveTheListAlone) {
    for (const char* list : {"('a' 1)", "'a'", "(('a'))", "('a' Ident)", "('a'", "('a' [x])", "('a' <>)",
                             "('a' {00})", "1", "nil", "('unterminated)", "('a' #)"}) {
        Controls b;
        Fill(*b.memo->Lines(), {"before"});
        const std::string text =
            std::string("object Form1: TForm\n  object Memo1: TMemo\n    Lines.Strings = ") + list +
            "\n  end\nend\n";
        EXPECT_THROW(korvan::forms::ReadComponentText(text, b.form.get()), EReadError) << list;
        EXPECT_EQ(b.memo->Lines()->ToVector(), Strings{"before"}) << list;
    }
    // A name below the list is no property of it.
    Controls b;
    EXPECT_THROW(korvan::forms::ReadComponentText(
                     "object Form1: TForm\n  object Memo1: TMemo\n    Lines.Strings.X = ('a')\n  end\nend\n",
                     b.form.get()),
                 EReadError);
    EXPECT_EQ(b.memo->Lines()->Count(), 0);
}

} // namespace
