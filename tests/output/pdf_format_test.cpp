#include "output/pdf_format.h"

#include <gtest/gtest.h>

namespace vendaro {
namespace {

TEST(PdfFormat, ColourComponentsAreFractionsOf255WithFifteenDigits) {
  EXPECT_EQ(colourComponent(0), "0");
  EXPECT_EQ(colourComponent(255), "1");
  EXPECT_EQ(colourComponent(128), "0.501960784313725");
  EXPECT_EQ(colourComponent(1), "0.00392156862745098");
  EXPECT_EQ(colourComponent(51), "0.2");

  std::string out;
  appendColour(out, 0x0080FF, "RG");  // 0x00BBGGRR: red 255, green 128, blue 0
  EXPECT_EQ(out, "1 0.501960784313725 0 RG");
}

TEST(PdfFormat, DecimalsKeepThreePlacesWithoutTrailingZeros) {
  std::string out;
  for (double value : {2.5, 3.0, -0.0004, -12.3456, 0.05, 1e6 + 0.125}) {
    appendDecimal(out, value);
    out += ' ';
  }
  EXPECT_EQ(out, "2.5 3 0 -12.346 0.05 1000000.125 ");
  out.clear();
  appendDecimal(out, 1.0 / 3, 8);
  EXPECT_EQ(out, "0.33333333");
}

TEST(PdfFormat, TextEscapesDelimitersControlBytesAndKeepsHighBytes) {
  std::string out;
  appendEscapedText(out, std::string("(a\\b)\b\t\n\f\r\x01\x1f\0\xE4\x80 ~", 17));
  EXPECT_EQ(out, "\\(a\\\\b\\)\\b\\t\\n\\f\\r\\001\\037\\000\xE4\x80 ~");
}

TEST(PdfFormat, FaceNamesEscapeBlanksDelimitersAndHighBytes) {
  EXPECT_EQ(escapeFaceName("Times New Roman"), "Times#20New#20Roman");
  EXPECT_EQ(escapeFaceName("Arial"), "Arial");
  // Delimiters would end the name; "#" would start a bogus escape.
  EXPECT_EQ(escapeFaceName("A(b)/c#%[]{}<>"), "A#28b#29#2Fc#23#25#5B#5D#7B#7D#3C#3E");
  EXPECT_EQ(escapeFaceName(std::string("Gr\xFC\x09n\0x", 7)), "Gr#FC#09nx");
}

TEST(PdfFormat, XrefEntriesAreTwentyBytes) {
  std::string out;
  appendXrefEntry(out, 0, 65535, true);
  appendXrefEntry(out, 1234567, 0, false);
  EXPECT_EQ(out, "0000000000 65535 f \n0001234567 00000 n \n");
  EXPECT_EQ(out.size(), 40u);
}

}  // namespace
}  // namespace vendaro
