#include "platform/code_pages.h"

#include <gtest/gtest.h>

#include <string>

namespace vendaro {
namespace {

std::string allBytes() {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  return bytes;
}

TEST(CodePages, EveryByteSurvivesTheRoundTripThroughUnicode) {
  for (int i = 0; i < 256; ++i) {
    const auto byte = static_cast<uint8_t>(i);
    uint8_t back = 0;
    ASSERT_TRUE(unicodeToCp1252(cp1252ToUnicode(byte), back)) << i;
    EXPECT_EQ(back, byte);
    ASSERT_TRUE(unicodeToCp850(cp850ToUnicode(byte), back)) << i;
    EXPECT_EQ(back, byte);
  }
  EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(allBytes())), allBytes());
  EXPECT_EQ(utf8ToCp850(cp850ToUtf8(allBytes())), allBytes());
}

TEST(CodePages, KnownCharacters) {
  EXPECT_EQ(cp1252ToUnicode(0x80), U'€');
  EXPECT_EQ(cp1252ToUnicode(0x9F), U'Ÿ');
  EXPECT_EQ(cp1252ToUnicode(0x84), U'„');
  EXPECT_EQ(cp1252ToUnicode(0xDF), U'ß');
  // The holes of 1252 stand for the C1 controls, as Windows converts them.
  for (int hole : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    EXPECT_EQ(cp1252ToUnicode(static_cast<uint8_t>(hole)), char32_t(hole));
  }

  EXPECT_EQ(cp850ToUnicode(0x81), U'ü');
  EXPECT_EQ(cp850ToUnicode(0xE1), U'ß');
  EXPECT_EQ(cp850ToUnicode(0x8E), U'Ä');
  EXPECT_EQ(cp850ToUnicode(0xC4), U'─');
  EXPECT_EQ(cp850ToUnicode(0x41), U'A');

  uint8_t byte = 0;
  EXPECT_FALSE(unicodeToCp1252(U'─', byte));
  EXPECT_FALSE(unicodeToCp1252(0x80, byte));  // the C1 control at €'s place has no byte
  EXPECT_FALSE(unicodeToCp850(U'€', byte));
  EXPECT_FALSE(unicodeToCp850(0x1F600, byte));
}

TEST(CodePages, Utf8OfGermanText) {
  const std::string cp1252 = "Gr\xFC\xDF" "e \x80 \x84zu\x93";
  const std::string utf8 = "Grüße € „zu“";
  EXPECT_EQ(cp1252ToUtf8(cp1252), utf8);
  EXPECT_EQ(utf8ToCp1252(utf8), cp1252);
  EXPECT_EQ(cp850ToUtf8("\x8E\x99\x9A\xE1"), "ÄÖÜß");
  EXPECT_EQ(utf8ToCp850("Größe"), "Gr\x94\xE1" "e");
}

TEST(CodePages, UnrepresentableAndMalformedUtf8BecomeReplacements) {
  EXPECT_EQ(utf8ToCp1252("a─b😀c"), "a?b?c");
  EXPECT_EQ(utf8ToCp1252("x─", '_'), "x_");
  // One replacement per malformed byte: stray continuation, lead byte
  // without continuation, overlong form, surrogate, beyond U+10FFFF.
  EXPECT_EQ(utf8ToCp1252("a\x80" "b"), "a?b");
  EXPECT_EQ(utf8ToCp1252("a\xC3" "b"), "a?b");
  EXPECT_EQ(utf8ToCp1252("a\xC0\xAF" "b"), "a??b");
  EXPECT_EQ(utf8ToCp1252("\xED\xA0\x80"), "???");
  EXPECT_EQ(utf8ToCp1252("\xF4\x90\x80\x80"), "????");
  EXPECT_EQ(utf8ToCp1252("\xFF\xFE"), "??");
  // Truncated at the very end must not read past the text.
  EXPECT_EQ(utf8ToCp850(std::string_view("\xE2\x82\xAC", 2)), "??");
  EXPECT_EQ(utf8ToCp1252(""), "");
}

TEST(CodePages, DirectConversionBetweenCodePages) {
  EXPECT_EQ(cp850ToCp1252("\x81\x84\xE1"), "\xFC\xE4\xDF");
  EXPECT_EQ(cp1252ToCp850("\xFC\xE4\xDF"), "\x81\x84\xE1");
  EXPECT_EQ(cp850ToCp1252("\xC4\xC4"), "??");      // box drawing has no 1252 byte
  EXPECT_EQ(cp1252ToCp850("\x80\x93", '#'), "##");  // € and quotes have no 850 byte
}

}  // namespace
}  // namespace vendaro
