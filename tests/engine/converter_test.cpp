#include "engine/converter.h"

#include "test_tag_sets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

struct LineCase {
  std::string source;
  std::string html;
};

std::string convertOne(const std::string& source, const TagSet& tags = test_tags::markers()) {
  return Convert({source}, tags).at(0);
}

void expectEachLine(const std::vector<LineCase>& cases) {
  for (const LineCase& c : cases) {
    EXPECT_EQ(convertOne(c.source), c.html) << "source: " << c.source;
  }
}

TEST(Converter, WorkedExample) {
  expectEachLine({{"if x > 10 then s := 'a'; { note }",
                   "[RifR] x &gt; [N10N] [RthenR] s := [S'a'S]; [C{ note }C]"}});
  EXPECT_EQ(convertOne("if x > 10 then s := 'a'; { note }", test_tags::builtIn()),
            "<b>if</b> x &gt; <font color=\"000080\">10</font> <b>then</b> s := "
            "<font color=\"000080\">'a'</font>; "
            "<font color=\"000080\"><i>{ note }</i></font>");
}

TEST(Converter, CommentsAndStrings) {
  expectEachLine({
      {"x := 'a{b}c';", "x := [S'a{b}c'S];"},
      {"{ it's }", "[C{ it's }C]"},
      {"x := 1; // it's {here} end", "x := [N1N]; [C// it's {here} endC]"},
      {"(* f(x) *)", "[C(* f(x) *)C]"},
      {"(*)", "[C(*)C]"},
      {"(* a } 'b' // c *)d", "[C(* a } 'b' // c *)C]d"},
      {"{ (* }end", "[C{ (* }C][RendR]"},
      {"s := 'abc", "s := [S'abcS]"},
      {"{a}{b}", "[C{a}C][C{b}C]"},
      {"{$R *.res}", "[C{$R *.res}C]"},
      {"x := 'it''s';", "x := [S'it'S][S's'S];"},
      {"'(* { //'", "[S'(* { //'S]"},
      {"a } *) b / ( c", "a } *) b / ( c"},
      {"end{x}begin", "[RendR][C{x}C][RbeginR]"},
      {"end (* x *) begin", "[RendR] [C(* x *)C] [RbeginR]"},
      {"''", "[S''S]"},
      {"x//", "x[C//C]"},
      {"x := 1; // it's {here}", "x := [N1N]; [C// it's {here}C]"},
      {"{a}'b'", "[C{a}C][S'b'S]"},
      {"(*a*)'b'", "[C(*a*)C][S'b'S]"},
      {"'a'//b", "[S'a'S][C//bC]"},
      {"(**)", "[C(**)C]"},
      {"(*)*)", "[C(*)C]*)"},
      {"(* { *)}", "[C(* { *)C]}"},
      {"(*a*)(*b*)", "[C(*a*)C][C(*b*)C]"},
      {"{a}end(*b*)", "[C{a}C][RendR][C(*b*)C]"},
      {"{1} '2' // 3", "[C{1}C] [S'2'S] [C// 3C]"},
      {"(* 4 end *)", "[C(* 4 end *)C]"},
      {"a (", "a ("},
      {"a *", "a *"},
      {"a /", "a /"},
      {"*)", "*)"},
      {"}", "}"},
  });
}

TEST(Converter, Escaping) {
  expectEachLine({
      {"a < b", "a &lt; b"},
      {"x<>nil", "x&lt;&gt;[RnilR]"},
      {"x<1", "x&lt;[N1N]"},
      {"a&b", "a&amp;b"},
      {"x&do", "x&amp;[RdoR]"},
      {"{ a<b }", "[C{ a&lt;b }C]"},
      {"nil>", "[RnilR]&gt;"},
      {"<end>", "&lt;[RendR]&gt;"},
      {"x>1", "x&gt;[N1N]"},
      {"'<'", "[S'&lt;'S]"},
  });
}

// Unescaped, "&" would let the browser read "&lt;" or "&copy" as markup.
TEST(Converter, AmpersandIsEscaped) {
  expectEachLine({
      {"x := 'A&B';", "x := [S'A&amp;B'S];"},
      {"s := '&lt;';", "s := [S'&amp;lt;'S];"},
      {"// &copy", "[C// &amp;copyC]"},
      {"end&", "[RendR]&amp;"},
      {"&begin", "&amp;[RbeginR]"},
      {"&1", "&amp;[N1N]"},
      {"&#65;", "&amp;[N#65N];"},
  });
}

TEST(Converter, ReservedWords) {
  expectEachLine({
      {"BEGIN Begin begin", "[RBEGIN Begin beginR]"},
      {"beginning endif1 for1 1for", "beginning endif1 for1 [N1N]for"},
      {"my_end", "my_[RendR]"},
      {"end else begin", "[Rend else beginR]"},
      {"end; else", "[RendR]; [RelseR]"},
      {"end  else", "[Rend  elseR]"},
      {"for i := 1 to 10 do", "[RforR] i := [N1N] [RtoR] [N10N] [RdoR]"},
      {"end", "[RendR]"},
      {"string integer override", "[RstringR] integer override"},
      {" end ", " [RendR] "},
      {"\xE9"
       "and\xFF",
       "\xE9[RandR]\xFF"},
      {"resourcestring initialization", "[Rresourcestring initializationR]"},
      {"end 1 begin", "[RendR] [N1N] [RbeginR]"},
      {"end_", "[RendR]_"},
      {"in inline interface", "[Rin inline interfaceR]"},
      {"inherit", "inherit"},
      {"end.", "[RendR]."},
  });
}

TEST(Converter, NumberRuns) {
  expectEachLine({
      {"x := 10;", "x := [N10N];"},
      {"Edit1 x2 Button12", "Edit1 x2 Button12"},
      {"my_1", "my_[N1N]"},
      {"#13#10", "[N#13#10N]"},
      {"$FF", "[N$N]FF"},
      {"$1F", "[N$1N]F"},
      {"1.5", "[N1N].[N5N]"},
      {"1e3", "[N1N]e3"},
      {"-1", "-[N1N]"},
      {"a#1 b$", "a[N#1N] b[N$N]"},
      {"x1#2", "x1[N#2N]"},
      {"$", "[N$N]"},
      {"#", "[N#N]"},
      {"0", "[N0N]"},
      {"$$#1", "[N$$#1N]"},
      {"1a2", "[N1N]a2"},
      {"1_2", "[N1N]_[N2N]"},
      {"\xE9"
       "1",
       "\xE9[N1N]"},
  });
}

// The colour digits inside NumberOpen are never taken for numbers.
TEST(Converter, MarkupIsNotScannedAgain) {
  EXPECT_EQ(convertOne("x := 1 + 2;", test_tags::builtIn()),
            "x := <font color=\"000080\">1</font> + <font color=\"000080\">2</font>;");
  EXPECT_EQ(convertOne("{c} 7 'x' begin", test_tags::builtIn()),
            "<font color=\"000080\"><i>{c}</i></font> <font color=\"000080\">7</font> "
            "<font color=\"000080\">'x'</font> <b>begin</b>");
}

// Literally the word's ReservedOpen would land in front of NumberClose.
TEST(Converter, NumberRunBeforeWordDoesNotInterleave) {
  expectEachLine({
      {"$and", "[N$N][RandR]"},
      {"#begin", "[N#N][RbeginR]"},
      {"x := #13end", "x := [N#13N]end"},
      {"and#1", "[RandR][N#1N]"},
      {"end $10 do", "[RendR] [N$10N] [RdoR]"},
  });
}

TEST(Converter, TabsBecomeSpacesWithoutStops) {
  struct TabCase {
    std::int32_t tabSize;
    std::string source, html;
  };
  const std::vector<TabCase> cases = {
      {2, "\t\tbegin", "    [RbeginR]"},
      {4, "x\t", "x    "},
      {3, "\t\t", "      "},
      {0, "\ta", " a"},
      {1, "\ta", " a"},
      {-7, "\ta", " a"},
      {2, "end\tbegin", "[Rend  beginR]"},
      {2, "'\t'", "[S'  'S]"},
      {99, "\t", std::string(99, ' ')},
      // A stored 2147483647 would otherwise make one tab 2 GB of spaces.
      {2147483647, "\t", std::string(99, ' ')},
      {100, "\t.", std::string(99, ' ') + "."},
      {4, "a b", "a b"},
      {2, "\t<", "  &lt;"},
  };
  for (const TabCase& c : cases) {
    EXPECT_EQ(convertOne(c.source, test_tags::markers(c.tabSize)), c.html)
        << "TabSize " << c.tabSize << ", source " << c.source;
  }
}

struct LinesCase {
  const char* name;
  Lines source, html;
};

TEST(Converter, CommentsAcrossLines) {
  const std::vector<LinesCase> cases = {
      {"empty list", {}, {}},
      {"empty line", {""}, {""}},
      {"empty line inside a paren comment", {"(* a", "", "*)"}, {"[C(* a", "", "*)C]"}},
      {"brace over three lines", {"x { a", "", "b } end"}, {"x [C{ a", "", "b }C] [RendR]"}},
      {"paren over three lines", {"(* a", "  end 1 ", "*)x"}, {"[C(* a", "  end 1 ", "*)C]x"}},
      {"last line begins with a lone parenthesis", {"(* a", "(b *)"}, {"[C(* a", "(b *)C]"}},
      {"continuation beginning with (*",
       {"(* a", "(* still comment"},
       {"[C(* a", "(* still comment"}},
      {"continuation that is (*)", {"(* a", "(*)"}, {"[C(* a", "(*)C]"}},
      {"brace continuation beginning with a brace", {"{ a", "{ b }"}, {"[C{ a", "{ b }C]"}},
      {"brace continuation that is {}", {"{ a", "{}"}, {"[C{ a", "{}C]"}},
      {"brace continuation beginning with a brace, still open",
       {"{ a", "{ b", "}"},
       {"[C{ a", "{ b", "}C]"}},
      {"(*) closing a continued comment, then code",
       {"(* a", "(*) end"},
       {"[C(* a", "(*)C] [RendR]"}},
      {"*) split over two lines does not close", {"(* a *", ")", "*)"}, {"[C(* a *", ")", "*)C]"}},
      {"continuation of one character", {"(* a", "*", "x *)"}, {"[C(* a", "*", "x *)C]"}},
      {"brace closes and a new one opens", {"{ a", "} x {", "}"}, {"[C{ a", "}C] x [C{", "}C]"}},
      {"string after a closed continuation", {"{ a", "}'b"}, {"[C{ a", "}C][S'bS]"}},
      {"new paren comment after a continuation",
       {"(* a", "b *) c (* d", "e *)"},
       {"[C(* a", "b *)C] c [C(* d", "e *)C]"}},
      {"brace then paren", {"{ a", "} (* b", "*)"}, {"[C{ a", "}C] [C(* b", "*)C]"}},
      {"paren then brace", {"(* a", "*) { b", "}"}, {"[C(* a", "*)C] [C{ b", "}C]"}},
      {"brace closer inside a paren comment", {"(* a", "} *)"}, {"[C(* a", "} *)C]"}},
      {"string never continues", {"s := 'abc", "end"}, {"s := [S'abcS]", "[RendR]"}},
      {"line comment never continues", {"// {", "end"}, {"[C// {C]", "[RendR]"}},
      {"left open at the end", {"{ open", "still"}, {"[C{ open", "still"}},
  };
  for (const LinesCase& c : cases) {
    EXPECT_EQ(Convert(c.source, test_tags::markers()), c.html) << c.name;
  }
}

TEST(Converter, EmptyMarkupLeavesTextEscapedOnly) {
  EXPECT_EQ(convertOne("end 1 {x} 'y' <", test_tags::bare()), "end 1 {x} 'y' &lt;");
}

TEST(Converter, LineByLineCarriesTheCommentState) {
  struct StateCase {
    std::string line;
    CommentState before, after;
  };
  const std::vector<StateCase> cases = {
      {"x", CommentState::None, CommentState::None},
      {"{ a", CommentState::None, CommentState::Brace},
      {"(* a", CommentState::None, CommentState::Paren},
      {"(*)", CommentState::None, CommentState::None},
      {"'{", CommentState::None, CommentState::None},
      {"// (*", CommentState::None, CommentState::None},
      {"*)", CommentState::Brace, CommentState::Brace},
      {"}", CommentState::Paren, CommentState::Paren},
      {"} (*", CommentState::Brace, CommentState::Paren},
      {"*) {", CommentState::Paren, CommentState::Brace},
      {"", CommentState::Paren, CommentState::Paren},
  };
  Converter converter(test_tags::markers());
  for (const StateCase& c : cases) {
    CommentState state = c.before;
    std::string out = "kept";
    converter.convertLine(c.line, state, out);
    EXPECT_EQ(state, c.after) << c.line;
    EXPECT_EQ(out.substr(0, 4), "kept") << "convertLine appends";
  }
}

}  // namespace
