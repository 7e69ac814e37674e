#include "platform/regfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::RegistryTree;
using Bytes = std::vector<unsigned char>;

const platform::RegistryValue* Value(const RegistryTree& tree, const char* path, const char* name) {
  const RegistryTree::Key* key = tree.Find(tree.Root(), path);
  return key == nullptr ? nullptr : key->FindValue(name);
}

Bytes Data(const RegistryTree& tree, const char* path, const char* name) {
  const platform::RegistryValue* value = Value(tree, path, name);
  return value == nullptr ? Bytes{0xEE, 0xEE} : value->data;
}

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

std::string Utf16Le(const std::string& ascii) {
  std::string out = "\xFF\xFE";
  for (char c : ascii) {
    out += c;
    out += '\0';
  }
  return out;
}

const char kExport[] =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "; exported by hand\r\n"
    "[HKEY_LOCAL_MACHINE\\SYSTEM\\Adapter]\r\n"
    "@=\"default\"\r\n"
    "\"Path\"=\"C:\\\\drivers\\\\\\\"isdn\\\"\"\r\n"
    "\"Count\"=dword:0000000a\r\n"
    "\"Raw\"=hex:01,ff,7A\r\n"
    "\"Expand\"=hex(2):25,00,41,00,25,00,00,00\r\n"
    "\"Route\"=hex(7):22,00,4e,00,64,00,69,00,73,00,22,00,\\\r\n"
    "  00,00,00,00\r\n"
    "\"Other\"=hex(b):01,02,03,04,05,06,07,08\r\n"
    "\"Empty\"=hex:\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\SYSTEM\\Adapter\\Sub]\r\n";

TEST(RegFile, ReadsEveryKindOfValueOfTheUnicodeFormat) {
  for (const std::string& text : {std::string(kExport), Utf16Le(kExport), "\xEF\xBB\xBF" + std::string(kExport)}) {
    std::string error;
    auto tree = platform::ReadRegistryText(text, &error);
    ASSERT_TRUE(tree) << error;
    const char* key = "HKEY_LOCAL_MACHINE\\SYSTEM\\Adapter";
    EXPECT_EQ(Data(*tree, key, ""), Text(std::string("default") + '\0'));
    EXPECT_EQ(Data(*tree, key, "path"), Text(std::string("C:\\drivers\\\"isdn\"") + '\0'));
    EXPECT_EQ(Data(*tree, key, "Count"), (Bytes{10, 0, 0, 0}));
    EXPECT_EQ(Value(*tree, key, "Count")->type, platform::REG_DWORD);
    EXPECT_EQ(Data(*tree, key, "Raw"), (Bytes{0x01, 0xFF, 0x7A}));
    EXPECT_EQ(Data(*tree, key, "Expand"), Text(std::string("%A%") + '\0'));
    EXPECT_EQ(Data(*tree, key, "Route"), Text(std::string("\"Ndis\"\0\0", 8)));
    EXPECT_EQ(Value(*tree, key, "Route")->type, platform::REG_MULTI_SZ);
    EXPECT_EQ(Data(*tree, key, "Other"), (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(Value(*tree, key, "Other")->type, 11u);
    EXPECT_EQ(Data(*tree, key, "Empty"), Bytes{});
    EXPECT_NE(tree->Find(tree->Root(), "hkey_local_machine\\system\\ADAPTER\\sub"), nullptr);
  }
}

TEST(RegFile, OldFormatKeepsTextBytesAsTheyAre) {
  auto tree = platform::ReadRegistryText(
      "REGEDIT4\n[HKEY_LOCAL_MACHINE\\K]\n\"Route\"=hex(7):22,41,22,00,00\n", nullptr);
  ASSERT_TRUE(tree);
  EXPECT_EQ(Data(*tree, "HKEY_LOCAL_MACHINE\\K", "Route"), Text(std::string("\"A\"\0\0", 5)));
}

TEST(RegFile, HonoursDeletionsAndLaterValuesReplaceEarlierOnes) {
  auto tree = platform::ReadRegistryText(
      "REGEDIT4\n"
      "[HKEY_LOCAL_MACHINE\\A\\Gone]\n\"x\"=\"1\"\n"
      "[HKEY_LOCAL_MACHINE\\A]\n\"Kept\"=\"1\"\n\"Dropped\"=\"1\"\n\"KEPT\"=\"2\"\n\"dropped\"=-\n"
      "[-HKEY_LOCAL_MACHINE\\A\\Gone]\n\"ignored\"=\"1\"\n",
      nullptr);
  ASSERT_TRUE(tree);
  const RegistryTree::Key* a = tree->Find(tree->Root(), "HKEY_LOCAL_MACHINE\\A");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->SubkeyCount(), 0u);
  ASSERT_EQ(a->Values().size(), 1u);
  EXPECT_EQ(a->Values()[0].data, Text(std::string("2") + '\0'));
}

TEST(RegFile, SubkeysEnumerateInCaseInsensitiveOrder) {
  auto tree = platform::ReadRegistryText(
      "REGEDIT4\n[HKEY_LOCAL_MACHINE\\K\\b]\n[HKEY_LOCAL_MACHINE\\K\\C]\n[HKEY_LOCAL_MACHINE\\K\\a]\n", nullptr);
  ASSERT_TRUE(tree);
  const RegistryTree::Key* k = tree->Find(tree->Root(), "HKEY_LOCAL_MACHINE\\K");
  ASSERT_NE(k, nullptr);
  std::vector<std::string> names;
  for (std::size_t i = 0; k->Subkey(i) != nullptr; ++i) names.push_back(k->Subkey(i)->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"a", "b", "C"}));
}

TEST(RegFile, RejectsMalformedTextNamingTheLine) {
  struct Case {
    const char* text;
    const char* where;
  };
  const Case cases[] = {
      {"", "line 1"},
      {"Windows Registry Editor Version 4.00\n", "line 1"},
      {"REGEDIT4\n\"x\"=\"1\"\n", "line 2"},
      {"REGEDIT4\n[HKEY_NOWHERE\\K]\n", "line 2"},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\\\K]\n", "line 2"},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\K\n", "line 2"},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\K]\n\"x\"=\"open\n", "line 3"},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\K]\n\"x\"=dword:123456789\n", "line 3"},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\K]\n\"x\"=dword:12g4\n", "line 3"},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\K]\n\"x\"=hex:1,02\n", "line 3"},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\K]\n\"x\"=hex(z):01\n", "line 3"},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\K]\n\"x\"=hex:01 02\n", "line 3"},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\K]\n\"x\"\n", "line 3"},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\K]\n\"x\"=\"1\" junk\n", "line 3"},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\K]\n\"x\"=qword:1\n", "line 3"},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\K]\nstray\n", "line 3"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(platform::ReadRegistryText(c.text, &error)) << c.text;
    EXPECT_NE(error.find(c.where), std::string::npos) << c.text << " -> " << error;
  }
}

TEST(RegFile, RefusesPathsDeeperThanThePlatformAllows) {
  std::string path = "HKEY_LOCAL_MACHINE";
  for (int i = 0; i < 600; ++i) path += "\\k";
  EXPECT_FALSE(platform::ReadRegistryText("REGEDIT4\n[" + path + "]\n", nullptr));
  EXPECT_FALSE(platform::ReadRegistryText("REGEDIT4\n[HKEY_LOCAL_MACHINE\\" + std::string(256, 'k') + "]\n", nullptr));
}

TEST(RegFile, MissingFileIsAnError) {
  std::string error;
  EXPECT_FALSE(platform::ReadRegistryFile("/nonexistent/registry.reg", &error));
  EXPECT_NE(error.find("/nonexistent/registry.reg"), std::string::npos);
}

}  // namespace
