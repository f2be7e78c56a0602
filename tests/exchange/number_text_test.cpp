#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane {
namespace {

struct FormatCase {
  const char* name;
  double value;
  const char* expected;
};

TEST(NumberText, ExponentForm) {
  struct Case {
    const char* name;
    double value;
    int width, digits;
    const char* expected;
  };
  const Case cases[] = {
      {"w11 d4", 12345.6, 11, 4, " 0.1235E+05"},
      {"w11 d5 fills the field", 12345.6, 11, 5, "0.12346E+05"},
      {"zero", 0.0, 11, 4, " 0.0000E+00"},
      {"reference 0.2951", 0.2951, 11, 5, "0.29510E+00"},
      {"rounding carries into the exponent", 0.99996, 11, 4, " 0.1000E+01"},
      {"small", 3.5e-7, 11, 4, " 0.3500E-06"},
      {"table column w13", 1234.5, 13, 5, "  0.12345E+04"},
      {"negative keeps its sign", -0.5, 11, 4, "-0.5000E+00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatExponent(c.value, c.width, c.digits), c.expected);
  }
}

TEST(NumberText, FixedForm) {
  EXPECT_EQ(FormatFixed(0.12345, 8, 5), " 0.12345");
  EXPECT_EQ(FormatFixed(0.5, 6, 1), "   0.5");
  EXPECT_EQ(FormatFixed(150.0, 6, 1), " 150.0");
  EXPECT_EQ(FormatFixed(2.9512, 6, 3), " 2.951");
  EXPECT_EQ(FormatFixed(-0.00001, 6, 3), " 0.000");
}

TEST(NumberText, Patterns) {
  struct Case {
    const char* name;
    double value;
    const char* pattern;
    const char* expected;
  };
  const Case cases[] = {
      {"energy", 0.5, "0000.0", "0000.5"},           {"energy top", 150.0, "0000.0", "0150.0"},
      {"relative", 0.0000035, "0.00000", "0.00000"}, {"relative one", 1.0, "0.00000", "1.00000"},
      {"sum", 1234.5, "0.0000E+00", "1.2345E+03"},   {"sum small", 0.060813, "0.0000E+00", "6.0813E-02"},
      {"sum zero", 0.0, "0.0000E+00", "0.0000E+00"}, {"voltage", 100.0, "000.0", "100.0"},
      {"voltage low", 80.0, "000.0", "080.0"},       {"angle", 16.0, "00.0", "16.0"},
      {"aluminium", 0.25, "0.000", "0.250"},         {"copper", 0.0, "0.0000", "0.0000"},
      {"copper 0.35 mm", 0.035, "0.0000", "0.0350"}, {"read-out whole", 5.0, "###0", "5"},
      {"read-out negative", -150.0, "###0", "-150"}, {"read-out no minus zero", -0.2, "###0", "0"},
      {"per cent", 96.34, "##0.0", "96.3"},          {"hvl mm", 2.55, "##0.000", "2.550"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatPattern(c.value, c.pattern), c.expected);
  }
}

TEST(NumberText, ShortestText) {
  const FormatCase cases[] = {
      {"whole", 16.0, "16"},      {"voltage", 100.0, "100"},      {"mm from cm", 0.25 * 10, "2.5"},
      {"one", 0.1 * 10, "1"},     {"copper", 0.035 * 10, "0.35"}, {"zero", 0.0, "0"},
      {"negative", -1.5, "-1.5"}, {"tiny", 0.001, "0.001"},
  };
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatShortest(c.value), c.expected);
  }
}

TEST(NumberText, LeadingNumberOfABox) {
  struct Case {
    const char* name;
    const char* text;
    double expected;
  };
  const Case cases[] = {
      {"plain", "100", 100},
      {"blanks ignored", " 1 0 0 ", 100},
      {"comma ends it", "2,5", 2},
      {"no digits", "abc", 0},
      {"empty", "", 0},
      {"decimal", "2.5mm", 2.5},
      {"exponent", "1e2", 100},
      {"sign", "-3", -3},
      {"point only", ".", 0},
      {"leading point", ".5", 0.5},
      {"dangling exponent", "3e", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber(c.text), c.expected);
  }
}

TEST(NumberText, WholeFieldParse) {
  EXPECT_EQ(ParseNumber("  0.12345E+05 "), 12345.0);
  EXPECT_FALSE(ParseNumber(""));
  EXPECT_FALSE(ParseNumber("1.2.3"));
  EXPECT_FALSE(ParseNumber("abc"));
  EXPECT_EQ(ParseNumberFloat(" 0.10000"), 0.1f);
}

TEST(NumberText, NumbersOutsideTheRangeOfTheType) {
  // Too large for the type: no number (a reader then names the field); too small: zero of its sign.
  EXPECT_FALSE(ParseNumberFloat("3.5E+38"));
  EXPECT_FALSE(ParseNumberFloat("-1E+50"));
  EXPECT_FALSE(ParseNumberFloat("123456789012345678901234567890123456789012.0"));
  EXPECT_FALSE(ParseNumber("1E+400"));
  EXPECT_EQ(ParseNumberFloat("3.4E+38"), 3.4e38f);
  EXPECT_EQ(ParseNumberFloat("1E-50"), 0.0f);
  EXPECT_EQ(ParseNumberFloat("0.000000000000000000000000000000000000000000000000001"), 0.0f);
  const std::optional<float> negativeTiny = ParseNumberFloat("-1E-50");
  ASSERT_TRUE(negativeTiny);
  EXPECT_TRUE(*negativeTiny == 0.0f && std::signbit(*negativeTiny));
  EXPECT_EQ(ParseNumber("1D-400"), 0.0);
}

}  // namespace
}  // namespace orvane
