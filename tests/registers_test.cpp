// Register statements: setting, appending, trimming, quoted texts into
// registers, wrapping whole-number arithmetic, decimal division, random numbers,
// and the errors that abort a run.
#include <gtest/gtest.h>

#include <set>

#include "base/text.h"
#include "script/register_statements.h"
#include "support/test_game.h"
#include "world/register_file.h"

using namespace testing_support;

namespace {

struct RegistersTest : ::testing::Test {
  // Runs the lines with register 5 holding `value` and returns register 5.
  std::string withFive(const std::string& value, const std::string& lines) {
    t.setReg(5, value);
    t.script("s", lines);
    t.run("s");
    return t.reg(5);
  }
  // The run's error box, or "" when the run did not abort.
  std::string abortOf(const std::string& lines) {
    t.host.record.errors.clear();
    t.script("s", lines + "\nsetpos= depois");
    t.game->world.Posic = "antes";
    t.run("s");
    EXPECT_EQ(t.game->world.Posic, t.errors().empty() ? "depois" : "antes") << lines;
    return t.errors();
  }
  TestGame t;
};

}  // namespace

TEST_F(RegistersTest, SetAppendAndTrim) {
  EXPECT_EQ(withFive("x", "reg= 5,Olá, mundo"), "Olá");  // the comma ends the value
  EXPECT_EQ(withFive("x", "reg= 5"), "");
  EXPECT_EQ(withFive("ab", "reg$ 5,cd\nreg$ 5, e"), "abcd e");
  EXPECT_EQ(withFive("\t \x01 meio  fim \r", "trim 5"), "meio  fim");
  EXPECT_EQ(withFive("x", "reg= 5,0012"), "0012");  // stored as written
  EXPECT_EQ(withFive("x", "reg= 5,0012\nreg+ 5,0"), "12");
  EXPECT_EQ(withFive("x", "reg= 5,#11"), "a");  // a reference to register 11
}

TEST_F(RegistersTest, WholeNumberArithmetic) {
  EXPECT_EQ(withFive("10", "reg+ 5,-3"), "7");
  EXPECT_EQ(withFive("10", "reg: 5,3"), "3");
  EXPECT_EQ(withFive("10", "reg: 5,-3"), "-3");  // truncated toward zero
  EXPECT_EQ(withFive("-7", "reg: 5,2"), "-3");
  EXPECT_EQ(withFive("10", "reg- 5,20"), "-10");
  EXPECT_EQ(withFive("-6", "reg* 5,7"), "-42");
  EXPECT_EQ(withFive(" +4", "reg+ 5, 1"), "5");  // leading blanks and a plus sign read
}

TEST_F(RegistersTest, ArithmeticWrapsAroundThirtyTwoBits) {
  EXPECT_EQ(withFive("2147483647", "reg+ 5,1"), "-2147483648");
  EXPECT_EQ(withFive("-2147483648", "reg- 5,1"), "2147483647");
  EXPECT_EQ(withFive("65536", "reg* 5,65536"), "0");
  EXPECT_EQ(withFive("-2147483648", "reg: 5,-1"), "-2147483648");
  EXPECT_EQ(withFive("-2147483648", "reg* 5,-1"), "-2147483648");
}

TEST_F(RegistersTest, ANumberTooBigForThirtyTwoBitsIsNoNumber) {
  // No fallback: the run aborts and the register keeps its value.
  EXPECT_NE(abortOf("reg+ 5,99999999999"), "");
  EXPECT_EQ(withFive("10", "reg+ 5,99999999999"), "10");
  EXPECT_EQ(withFive("99999999999", "reg+ 5,1"), "99999999999");
  // A "#" reference that is no number names register 0, not a wrapped number.
  t.setReg(0, "zero");
  t.setReg(1, "um");
  EXPECT_EQ(withFive("x", "reg= 5,#4294967297"), "zero");
  // A fallback applies: veltec= takes 7.
  t.script("v", "veltec= 99999999999");
  t.run("v");
  EXPECT_EQ(t.game->screen.typewriterDelay, 7);
}

TEST_F(RegistersTest, DecimalDivisionUsesTheLocaleSeparator) {
  const std::string sep(1, script::systemDecimalSeparator());
  EXPECT_EQ(withFive("10", "reg/ 5,4"), "2" + sep + "5");
  EXPECT_EQ(withFive("1", "reg/ 5,3"), "0" + sep + "333333333333333");
  EXPECT_EQ(withFive("12", "reg/ 5,4"), "3");
  EXPECT_EQ(withFive("-7", "reg/ 5,2"), "-3" + sep + "5");
  t.setReg(6, "2,5");  // a comma can only reach an argument through a register
  EXPECT_EQ(withFive("7.5", "reg/ 5,#6"), "3");
}

TEST(DecimalNumbers, ReadEitherSeparator) {
  EXPECT_EQ(script::readDecimal("2,5"), 2.5);
  EXPECT_EQ(script::readDecimal(" -2.5 "), -2.5);
  EXPECT_EQ(script::readDecimal("+.5"), 0.5);
  EXPECT_EQ(script::readDecimal("7"), 7.0);
  for (const char* bad : {"", " ", "-", ",", "1.2.3", "1,2.3", "abc", "1e5", "1 2", "0x10"})
    EXPECT_FALSE(script::readDecimal(bad).has_value()) << bad;
}

TEST(DecimalNumbers, FormatFifteenDigitsWithoutExponentOrTrailingZeros) {
  EXPECT_EQ(script::formatDecimal(2.5, ','), "2,5");
  EXPECT_EQ(script::formatDecimal(2.5, '.'), "2.5");
  EXPECT_EQ(script::formatDecimal(-0.0, '.'), "0");
  EXPECT_EQ(script::formatDecimal(2.0 / 3.0, '.'), "0.666666666666667");
  EXPECT_EQ(script::formatDecimal(1e20, '.'), "100000000000000000000");
  EXPECT_EQ(script::formatDecimal(123456789012345678.0, '.'), "123456789012346000");
  EXPECT_EQ(script::formatDecimal(1e-7, ','), "0,0000001");
  EXPECT_EQ(script::formatDecimal(-1234.5678, ','), "-1234,5678");
  EXPECT_EQ(script::formatDecimal(0.1 + 0.2, '.'), "0.3");
}

TEST_F(RegistersTest, RandomAddsANumberUpToTheBound) {
  std::set<std::string> seen;
  for (int i = 0; i < 300; ++i) seen.insert(withFive("100", "reg? 5,3"));
  EXPECT_EQ(seen, (std::set<std::string>{"100", "101", "102", "103"}));
  EXPECT_EQ(withFive("100", "reg? 5,0"), "100");
}

TEST_F(RegistersTest, RandomWithANegativeBoundDrawsFromTheBoundToZero) {
  std::set<std::string> seen;
  for (int i = 0; i < 300; ++i) seen.insert(withFive("0", "reg? 5,-2"));
  EXPECT_EQ(seen, (std::set<std::string>{"-2", "-1", "0"}));
  seen.clear();  // the sum wraps like every other
  for (int i = 0; i < 100; ++i) seen.insert(withFive("-2147483648", "reg? 5,-1"));
  EXPECT_EQ(seen, (std::set<std::string>{"-2147483648", "2147483647"}));
}

TEST_F(RegistersTest, RandomDrawsFromTheProgramGenerator) {
  t.game->random.seed(42);
  withFive("0", "reg? 5,1000000");
  const std::string first = t.reg(5);
  t.game->random.seed(42);
  EXPECT_EQ(withFive("0", "reg? 5,1000000"), first);
}

TEST_F(RegistersTest, BadRegisterNumbersAbortTheRun) {
  for (const char* keyword : {"reg=", "reg$", "trim", "regtxt=", "regtxt+", "reg+", "reg-", "reg*", "reg:",
                              "reg/", "reg?"}) {
    EXPECT_NE(abortOf(std::string(keyword) + " x,1'").find("\"x\" não é um número"),
              std::string::npos)
        << keyword;
    EXPECT_NE(abortOf(std::string(keyword) + " 281,1'").find("registro 281"), std::string::npos) << keyword;
  }
  // The last register exists: no error.
  EXPECT_EQ(abortOf("reg= 280,1"), "");
}

TEST_F(RegistersTest, ValuesThatAreNotNumbersAbortTheArithmetic) {
  t.setReg(5, "");
  EXPECT_NE(abortOf("reg+ 5,1").find("reg+: o valor do registro \"\" não"), std::string::npos);
  t.setReg(5, "3 ");
  EXPECT_NE(abortOf("reg* 5,1").find("reg*:"), std::string::npos);
  t.setReg(5, "3");
  EXPECT_NE(abortOf("reg- 5,x").find("reg-: o valor \"x\""), std::string::npos);
  EXPECT_NE(abortOf("reg? 5,").find("reg?:"), std::string::npos);
  EXPECT_NE(abortOf("reg: 5,0").find("reg:: divisão por zero"), std::string::npos);
  EXPECT_NE(abortOf("reg/ 5,0,0").find("reg/: divisão por zero"), std::string::npos);
  EXPECT_NE(abortOf("reg/ 5,x").find("não é um número decimal"), std::string::npos);
  t.setReg(5, "1.5");
  EXPECT_NE(abortOf("reg+ 5,1").find("reg+:"), std::string::npos);  // whole numbers only
  EXPECT_EQ(t.reg(5), "1.5");
}

TEST_F(RegistersTest, QuotedTextOverSeveralLinesIsStoredAndNotExecuted) {
  t.game->screen.Modelo = model::DisplayMode::Canvas;
  t.script("s", "regtxt= 9,'Linha um\n  linha dois\nfim' resto\nsetpos= depois");
  auto trace = t.run("s");
  EXPECT_EQ(t.reg(9), "Linha um linha dois fim");
  EXPECT_EQ(t.game->world.Posic, "depois");
  // None of the consumed lines ran: the next trace line is the one after them.
  EXPECT_EQ(trace.at(4), "   0: regtxt= ");
  EXPECT_EQ(trace.at(5), "   3: setpos= ");
  EXPECT_EQ(trace.size(), 6u);
}

TEST_F(RegistersTest, QuotedTextOnOneLine) {
  EXPECT_EQ(withFive("x", "regtxt= 5,'  Olá^ mundo'  resto"), "Olá, mundo");
  EXPECT_EQ(withFive("x", "regtxt= 5,sem apóstrofo'"), "sem apóstrofo");
  EXPECT_EQ(withFive("antes ", "regtxt+ 5,' e depois'"), "antes e depois");  // the piece is trimmed
}

TEST_F(RegistersTest, ACommaEndsArgumentTwoSoTheTextGoesOnToTheNextApostrophe) {
  t.script("s", "regtxt= 9,'Olá, mundo'\nreg= 1,nunca\nfim'\nreg= 2,depois");
  t.run("s");
  EXPECT_EQ(t.reg(9), "Olá reg= 1,nunca fim");
  EXPECT_EQ(t.reg(1), "1");
  EXPECT_EQ(t.reg(2), "depois");
}

TEST_F(RegistersTest, QuotedTextThatNeverClosesTakesTheRestAndEndsTheRun) {
  t.script("s", "regtxt+ 9,'um\ndois\nsetpos= nunca");
  t.setReg(9, ">");
  t.game->world.Posic = "antes";
  t.run("s");
  EXPECT_EQ(t.reg(9), ">um dois setpos= nunca ");
  EXPECT_EQ(t.game->world.Posic, "antes");
  EXPECT_EQ(t.errors(), "");
  EXPECT_TRUE(t.folder.exists("mirandel.rgs"));  // the end-of-run steps happened
}

TEST_F(RegistersTest, QuotedTextWithoutArgumentTwoAborts) {
  EXPECT_NE(abortOf("regtxt= 9").find("regtxt=: falta o texto"), std::string::npos);
  EXPECT_NE(abortOf("regtxt+ 9,").find("regtxt+: falta o texto"), std::string::npos);
}

TEST_F(RegistersTest, QuotedTextMarkersPerModeAndLineBreaksSurviveTheRegisterFile) {
  t.game->screen.Modelo = model::DisplayMode::Page;
  EXPECT_EQ(withFive("", "regtxt= 5,'a§b~c'"), "a<br>b&nbsp;c");
  t.game->screen.Modelo = model::DisplayMode::Strip;
  t.script("s", "regtxt= 5,'um§dois\ntrês§'");
  t.run("s");
  EXPECT_EQ(t.reg(5), "um\r\ndois três\r\n");
  // The end-of-run save keeps one line per register, and reading it back gives
  // the value with its line breaks.
  auto saved = base::splitLines(t.folder.read("mirandel.rgs"));
  ASSERT_EQ(saved.size(), 281u);
  auto loaded = world::decodeRegisterFile(saved);
  EXPECT_EQ(loaded, t.game->Regs.values());
  EXPECT_EQ(utf(loaded[5]), "um\r\ndois três\r\n");
  EXPECT_EQ(loaded[6], t.game->Regs.values()[6]);
}
