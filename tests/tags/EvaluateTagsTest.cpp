// EvaluateTags through a real character: how tags are recognised, conditions, the variables and
// the plug-in step.
#include "TagFixture.h"

namespace kiova::testing {
namespace {

using EvaluateTags = TagFixture;

TEST_F(EvaluateTags, RecognisedTagsAreReplacedAndOthersPassThrough) {
    const TagCase cases[] = {
        {"Hello {UNKNOWN} world", "Hello {UNKNOWN} world"},
        {"{PIC:a.bmp}{NOW}", "{PIC:a.bmp}2003/05/04 18:07:09"},
        {"{$:text}{^H}{G}{9}", "{$:text}{^H}{G}{9}"},          // groups that do not exist
        {"{now}{Ｄａｔｅ}", "2003/05/04 18:07:092003/05/04"},  // any case, any width
        {"{NOW }{ NOW}", "{NOW }{ NOW}"},                      // exact names are exact
        {"{A{B{NOW}}}", "{A{B2003/05/04 18:07:09}}"},
        {"{A{B{C}}}", "{A{B}}"},
        {"a{b", "a"},
        {"a}b", ""},
        {"{}", "{}"},
        {"{MINUTE}{MIN3|5}{MID2|abc}", "73bc"},  // rows sharing a prefix
        {"{ENTRUST}{ENTRUSTx.exe}{ENDENTRUST}", "{ENTRUST}{ENTRUSTx.exe}False"},
    };
    ExpectTagCases(cases);
}

TEST_F(EvaluateTags, Conditionals) {
    const TagCase cases[] = {
        {"{IFTRUEyes|no}", "yes"},
        {"{IFFALSEyes|no}", "no"},
        {"{IFMAYBEyes|no}", "{IFMAYBEyes|no}"},
        {"{IFFALSEyes|a|b}", "a|b"},
        {"{IFTRUE|no}", "{IFTRUE|no}"},  // empty then-text
        {"{IFTRUEyes}", "{IFTRUEyes}"},  // no bar
        {"{iftrueYes|No}", "Yes"},
        {"{ＩＦＴＲＵＥyes｜no}", "yes"},  // a full-width bar counts
        {"{IF{FLAG51}{PIC:a.bmp}Hi|{PIC:b.bmp}Hello}", "{PIC:b.bmp}Hello"},
        {"{NOT:{FLAG51}}{NOT:TRUE}{NOT:maybe}", "TrueFalse{NOT:maybe}"},
        {"{ANDTRUE|TRUE}{ANDTRUE|FALSE}{AND True|True}", "TrueFalseFalse"},
        {"{ORFALSE|TRUE}{ORFALSE|FALSE}", "TrueFalse"},
        {"{XORTRUE|TRUE}{XORTRUE|FALSE}{XORFALSE|FALSE}", "FalseTrueFalse"},
        {"{EQabc|ABC}{EQＡ|a}{EQa|b}{NEa|b}{NEa|A}", "TrueTrueFalseTrueFalse"},
        {"{EQ|}{EQa|a|a}", "TrueFalse"},  // the first bar divides
        {"{==1|1.0}{!=1|2}{==1|x}", "TrueTrue{==1|x}"},
        {"{>2|1}{>1|2}{>=2|2}{<1|2}{<=3|2}{<2|2}", "TrueFalseTrueTrueFalseFalse"},
        {"{> 2|1}{>|1}", "True{>|1}"},
    };
    ExpectTagCases(cases);
}

TEST_F(EvaluateTags, ConditionsSeeTheTurn) {
    Respond("hi");
    EXPECT_EQ(Eval("{IF{EQ{PREV}|HI}Hello!|Hm.}"), "Hello!");
    EXPECT_EQ(Eval("{AND{EQ{TURN}|1}|{FLAG50}}"), "False");
    Eval("{FLAG50:TRUE}");
    EXPECT_EQ(Eval("{AND{EQ{TURN}|1}|{FLAG50}}"), "True");
    Respond("what");
    EXPECT_EQ(Eval("{IF{EQ{PREV}|HI}Hello!|Hm.}"), "Hm.");
    EXPECT_EQ(Eval("{AND{EQ{TURN}|1}|{FLAG50}}"), "False");
}

TEST_F(EvaluateTags, ConditionTablesAreEvaluatedWithTheTagLanguage) {
    EXPECT_EQ(Utf16ToUtf8(Character().Respond(u"ping", kTableMaskAll)), "Pong");
    EXPECT_EQ(Utf16ToUtf8(Character().Respond(u"pong", kTableMaskAll)), "Hi there");
}

TEST_F(EvaluateTags, StringVariables) {
    const TagCase cases[] = {
        {"{MEMO10:{NOW}}", "{MEMO10:2003/05/04 18:07:09}"},
        {"{MEMO10}", "2003/05/04 18:07:09"},
        {"{MEMO10C}{MEMO10}", "{MEMO10C}{MEMO10}"},  // cleared: reading gives nothing
        {"{MEMO10+a}{MEMO10+b}{MEMO10}", "{MEMO10+a}{MEMO10+b}ab"},
        {"{memo10:Keep Case}{MEMO10}", "{memo10:Keep Case}Keep Case"},
        {"{MEMO 5:five}{MEMO05}", "{MEMO 5:five}five"},  // one variable, two spellings
        {"{MEMO10CX}{MEMO10x}{MEMO10}", "{MEMO10CX}{MEMO10x}Keep Case"},
        {"{MEMO-1:x}{MEMO-1}{MEMOab}{MEMO5 }", "{MEMO-1:x}{MEMO-1}{MEMOab}{MEMO5 }"},
        {"{MEMO11:[NOW]}{MEMO11}", "{MEMO11:[NOW]}[NOW]"},
        {"{SCRIPTIZE:{MEMO11}}", "2003/05/04 18:07:09"},
    };
    ExpectTagCases(cases);
}

TEST_F(EvaluateTags, AKeptTextWithALineBreakComesBackWholeAfterReloading) {
    Eval("{MEMO50:abc{BR}}{MEMO51:next}{FLAG50:True}");
    Unload();  // saves the state file
    EXPECT_EQ(Eval("{MEMO50}|{MEMO51}|{FLAG50}"), "abc\r\n|next|True");
}

TEST_F(EvaluateTags, NumericVariables) {
    const TagCase cases[] = {
        {"{COUNT50:1.5}{COUNT50++}{COUNT50}", "{COUNT50:1.5}{COUNT50++}2.5"},
        {"{COUNT50+}{COUNT50}", "{COUNT50+}2.5"},  // empty number: nothing changes
        {"{COUNT50+0.5}{COUNT50-4}{COUNT50}", "{COUNT50+0.5}{COUNT50-4}-1"},
        {"{COUNT50--}{COUNT50}", "{COUNT50--}-2"},
        {"{COUNT５０：３}{COUNT50}", "{COUNT５０：３}3"},  // full-width digits read from the key
        {"{COUNT50+x}{COUNT50:1e308}{COUNT50+1e308}{COUNT50}",
         "{COUNT50+x}{COUNT50:1e308}{COUNT50+1e308}1E308"},  // an overflow changes nothing
        {"{COUNT21}", "0"},
        {"{COUNT100}{COUNT-1:2}", "{COUNT100}{COUNT-1:2}"},
        {"{COUNT21?}{COUNT21}", "{COUNT21?}0"},
    };
    ExpectTagCases(cases);
}

TEST_F(EvaluateTags, Flags) {
    const TagCase cases[] = {
        {"{FLAG07}", "False"},
        {"{FLAG07!}{FLAG07}", "{FLAG07!}True"},
        {"{FLAG07!whatever}{FLAG07}", "{FLAG07!whatever}False"},
        {"{FLAG07:yes}{FLAG07}", "{FLAG07:yes}False"},
        {"{flag07:true}{FLAG07}", "{flag07:true}True"},
        {"{FLAG07:FALSE}{FLAG07}", "{FLAG07:FALSE}False"},
        {"{FLAG7}{FLAG 7}", "{FLAG7}False"},
    };
    ExpectTagCases(cases);
}

TEST_F(EvaluateTags, BothBranchesRunButScriptizeDefers) {
    Eval("{FLAG01:TRUE}");
    EXPECT_EQ(Eval("{IF{FLAG01}{COUNT20++}|{COUNT21++}}"), "{COUNT20++}");
    EXPECT_EQ(Eval("{COUNT20},{COUNT21}"), "2,1");
    EXPECT_EQ(Eval("{SCRIPTIZE:{IF{FLAG01}[COUNT20++]|[COUNT21++]}}"), "{COUNT20++}");
    EXPECT_EQ(Eval("{COUNT20},{COUNT21}"), "3,1");
}

TEST_F(EvaluateTags, TheInputReadBackIsExpanded) {
    Respond("{TURN}");
    EXPECT_EQ(Eval("You said {PREV}!"), "You said 1!");
    Respond("}");
    EXPECT_EQ(Eval("You said {PREV}!"), "");
    Respond("{");
    EXPECT_EQ(Eval("You said {PREV}!"), "You said ");
}

TEST_F(EvaluateTags, ARunawayRebuildStopsAndKeepsWhatCameBefore) {
    Eval("{MEMO01:[SCRIPTIZE:[MEMO01]]}");
    EXPECT_EQ(Eval("before {SCRIPTIZE:{MEMO01}} after"), "before ");
    Eval("{MEMO02:[SCRIPTIZE:[MEMO02][MEMO02]]}");
    EXPECT_EQ(Eval("x{SCRIPTIZE:{MEMO02}}"), "x");
    EXPECT_EQ(Eval("{NOW}"), "2003/05/04 18:07:09");  // the next call starts afresh
}

TEST_F(EvaluateTags, VariablesFiftyToNinetyNineOutliveTheCharacter) {
    Eval("{MEMO50:kept}{COUNT50:7}{FLAG50:TRUE}{MEMO49:lost}");
    Unload();
    EXPECT_EQ(Eval("{MEMO50},{COUNT50},{FLAG50},{MEMO49}"), "kept,7,True,{MEMO49}");
}

// Plug-ins named "Echo" and "MEMO01" that answer every tag addressed to them (names compared as
// written, so the test sees that the raw tag text is passed).
class EchoPlugins final : public TPluginListBase {
public:
    int Count() const override { return 2; }
    bool AddPlugin(std::string_view) override { return false; }
    void FireEvent(std::string&, std::string&) override {}
    std::string ExpandTag(std::string_view tag) override {
        const size_t dot = tag.find('.');
        const std::string_view name = tag.substr(0, dot);
        if (dot == std::string_view::npos || (name != "Echo" && name != "MEMO01")) return {};
        return "<" + std::string(tag.substr(dot + 1)) + ">";
    }
    std::string PluginInfo(int, std::int32_t) const override { return {}; }
    void ConfigurationDialog(int) override {}
};

class PluginStep : public TagFixture {
protected:
    TCharacterServices Services() override {
        return MakeCharacterServices(hand_over_, OpenWithXdgOpen,
                                     [] { return std::make_unique<EchoPlugins>(); });
    }
};

TEST_F(PluginStep, TagsWithADotGoToThePluginsWhileEnabled) {
    EXPECT_EQ(Eval("{Echo.hi}"), "{Echo.hi}");
    Character().SetPluginsEnabled(true);
    const TagCase cases[] = {
        {"{Echo.hi}{echo.Raw Text}", "<hi>{echo.Raw Text}"},  // the raw text goes to the list
        {"{Other.x}{Echo}", "{Other.x}{Echo}"},
        {"{Echo.{NOW}}", "<2003/05/04 18:07:09>"},
        {"{MEMO01.x}{MEMO01:a.b}{MEMO01}", "<x>{MEMO01:a.b}a.b"},  // after a row that gave nothing
        {"{NOW.x}{Echo.1|2}", "{NOW.x}<1|2>"},
    };
    ExpectTagCases(cases);
}

}  // namespace
}  // namespace kiova::testing
