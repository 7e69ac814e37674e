#include "archivereader.h"

#include <gtest/gtest.h>

#include <sstream>

#include "ansicodepage.h"
#include "testsupport.h"

namespace {

using tarvel_test::Bytes;

std::string Utf16(const std::u16string& s) {
  Bytes b;
  for (char16_t c : s) b.U16(c);
  return b.str();
}

struct StringCase {
  const char* what;
  std::string bytes;
  std::string expected;
};

TEST(ArchiveReader, ReadsEveryLengthForm) {
  const std::string s300(300, 'x');
  const std::string s65534(65534, 'y');
  const StringCase cases[] = {
      {"empty", Bytes().U8(0).str(), ""},
      {"one-byte length", Bytes().U8(3).Raw("abc").str(), "abc"},
      {"254 characters", Bytes().U8(254).Raw(std::string(254, 'z')).str(), std::string(254, 'z')},
      {"16-bit length", Bytes().U8(0xFF).U16(300).Raw(s300).str(), s300},
      {"32-bit length", Bytes().U8(0xFF).U16(0xFFFF).U32(65534).Raw(s65534).str(), s65534},
      {"32-bit length of a short text", Bytes().U8(0xFF).U16(0xFFFF).U32(2).Raw("ok").str(), "ok"},
      {"wide, one-byte count", Bytes().U8(0xFF).U16(0xFFFE).U8(3).Raw(Utf16(u"A\u00e9\u20ac")).str(), "A\xe9\x80"},
      {"wide, 16-bit count", Bytes().U8(0xFF).U16(0xFFFE).U8(0xFF).U16(2).Raw(Utf16(u"hi")).str(), "hi"},
      {"wide, 32-bit count", Bytes().U8(0xFF).U16(0xFFFE).U8(0xFF).U16(0xFFFF).U32(1).Raw(Utf16(u"Z")).str(), "Z"},
      {"wide, empty", Bytes().U8(0xFF).U16(0xFFFE).U8(0).str(), ""},
      {"wide without a byte in the code page",
       Bytes().U8(0xFF).U16(0xFFFE).U8(5).Raw(Utf16(u"\u4e2d\U0001F600\u0085\xd800")).str(), "????"},
  };
  for (const StringCase& c : cases) {
    std::istringstream in(c.bytes + "\x7F");
    ArchiveReader ar(in);
    std::string value;
    ASSERT_TRUE(ar.ReadString(value)) << c.what;
    EXPECT_EQ(value, c.expected) << c.what;
    std::uint8_t next = 0;
    EXPECT_TRUE(ar.ReadU8(next) && next == 0x7F) << c.what << ": the string took the wrong number of bytes";
  }
}

TEST(ArchiveReader, AStringLongerThanTheBytesLeftEndsEarly) {
  const std::string cases[] = {
      Bytes().U8(5).Raw("abcd").str(),
      Bytes().U8(0xFF).str(),
      Bytes().U8(0xFF).U16(0xFFFF).U8(1).str(),
      Bytes().U8(0xFF).U16(0xFFFF).U32(0xFFFFFFFF).Raw("short").str(),
      Bytes().U8(0xFF).U16(0xFFFE).U8(0xFF).U16(0xFFFF).U32(0xFFFFFFFF).Raw("sh").str(),
      Bytes().U8(0xFF).U16(0xFFFE).U8(2).Raw("abc").str(),  // an odd byte short of 2 characters
  };
  for (const std::string& bytes : cases) {
    std::istringstream in(bytes);
    ArchiveReader ar(in);
    std::string value = "before";
    EXPECT_FALSE(ar.ReadString(value));
    EXPECT_TRUE(ar.Failed());
    EXPECT_EQ(value, "");
    std::uint8_t b;
    EXPECT_FALSE(ar.ReadU8(b)) << "a failed reader reads nothing more";
  }
}

TEST(ArchiveReader, ReadsLittleEndianNumbers) {
  std::istringstream in(Bytes().U8(0xFE).I16(-2).U16(0xBEEF).I32(-70000).U32(0xDEADBEEF).str());
  ArchiveReader ar(in);
  std::uint8_t u8;
  std::int16_t i16;
  std::uint16_t u16;
  std::int32_t i32;
  std::uint32_t u32;
  ASSERT_TRUE(ar.ReadU8(u8) && ar.ReadI16(i16) && ar.ReadU16(u16) && ar.ReadI32(i32) && ar.ReadU32(u32));
  EXPECT_EQ(u8, 0xFE);
  EXPECT_EQ(i16, -2);
  EXPECT_EQ(u16, 0xBEEF);
  EXPECT_EQ(i32, -70000);
  EXPECT_EQ(u32, 0xDEADBEEFu);
}

TEST(AnsiCodePage, MapsWindows1252AndLatin1AndNothingElse) {
  const std::pair<char16_t, unsigned char> cases[] = {
      {u'A', 'A'},    {0x00, 0x00},   {0x7F, 0x7F},   {0xA0, 0xA0},   {0xFF, 0xFF},   {0x20AC, 0x80},
      {0x0178, 0x9F}, {0x2122, 0x99}, {0x0080, '?'},  {0x009F, '?'},  {0x0100, '?'},  {0xFFFD, '?'},
  };
  for (const auto& [unit, byte] : cases)
    EXPECT_EQ(static_cast<unsigned char>(AnsiCodePage::FromUnit(unit)), byte) << std::hex << static_cast<unsigned>(unit);
}

}  // namespace
