#include "platform/registry.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/osversion.h"
#include "platform/regfile.h"
#include "platform/systemerror.h"

namespace {

using namespace platform;

std::shared_ptr<const RegistryTree> Tree(const std::string& body) {
  std::string error;
  auto tree = ReadRegistryText("REGEDIT4\n" + body, &error);
  EXPECT_TRUE(tree) << error;
  return tree;
}

const char kTree[] =
    "[HKEY_LOCAL_MACHINE\\System\\Net\\0000]\n"
    "\"Name\"=\"first\"\n"
    "@=\"default\"\n"
    "[HKEY_LOCAL_MACHINE\\System\\Net\\0001]\n"
    "[HKEY_LOCAL_MACHINE\\System\\Net\\Longer]\n"
    "[HKEY_CURRENT_USER\\Elsewhere]\n";

TEST(Registry, OpensPathsUnderTheLocalMachineRootWithoutRegardToCase) {
  ScopedRegistry installed(Tree(kTree));
  RegistryKey key = 0;
  EXPECT_EQ(RegOpenKey("system\\NET\\0000", &key), ERROR_SUCCESS);
  EXPECT_NE(key, 0u);
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegOpenKey("System\\Net\\0002", &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key, 0u);
  EXPECT_EQ(RegOpenKey("Elsewhere", &key), ERROR_FILE_NOT_FOUND);
}

TEST(Registry, EnumeratesSubkeysUntilNoMoreItems) {
  ScopedRegistry installed(Tree(kTree));
  RegistryKey key = 0;
  ASSERT_EQ(RegOpenKey("System\\Net", &key), ERROR_SUCCESS);
  char name[80];
  EXPECT_EQ(RegEnumKey(key, 0, name, sizeof name), ERROR_SUCCESS);
  EXPECT_STREQ(name, "0000");
  EXPECT_EQ(RegEnumKey(key, 2, name, sizeof name), ERROR_SUCCESS);
  EXPECT_STREQ(name, "Longer");
  EXPECT_EQ(RegEnumKey(key, 3, name, sizeof name), ERROR_NO_MORE_ITEMS);

  char small[6] = "xxxxx";
  EXPECT_EQ(RegEnumKey(key, 2, small, sizeof small), ERROR_MORE_DATA);  // "Longer" needs 7 bytes
  EXPECT_STREQ(small, "xxxxx");
  EXPECT_EQ(RegEnumKey(key, 1, small, 5), ERROR_SUCCESS);  // "0001" and its zero fit exactly
  EXPECT_STREQ(small, "0001");
  RegCloseKey(key);
  EXPECT_EQ(RegEnumKey(key, 0, name, sizeof name), ERROR_INVALID_HANDLE);
}

TEST(Registry, QueriesValuesUpToTheLimit) {
  ScopedRegistry installed(Tree(kTree));
  RegistryKey key = 0;
  ASSERT_EQ(RegOpenKey("System\\Net\\0000", &key), ERROR_SUCCESS);

  char data[16] = {};
  std::uint32_t size = 6;
  std::uint32_t type = 0;
  EXPECT_EQ(RegQueryValueEx(key, "NAME", &type, data, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(type, REG_SZ);
  EXPECT_STREQ(data, "first");

  char small[5] = {'?', '?', '?', '?', '?'};
  size = sizeof small;
  EXPECT_EQ(RegQueryValueEx(key, "Name", nullptr, small, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(std::string(small, 5), "?????");

  size = sizeof data;
  EXPECT_EQ(RegQueryValueEx(key, nullptr, nullptr, data, &size), ERROR_SUCCESS);
  EXPECT_STREQ(data, "default");
  size = sizeof data;
  EXPECT_EQ(RegQueryValueEx(key, "Missing", nullptr, data, &size), ERROR_FILE_NOT_FOUND);
  RegCloseKey(key);
  EXPECT_EQ(RegQueryValueEx(key, "Name", nullptr, data, &size), ERROR_INVALID_HANDLE);
}

TEST(Registry, AnOpenKeyKeepsItsTreeWhenAnotherIsInstalled) {
  RegistryKey key = 0;
  {
    ScopedRegistry installed(Tree(kTree));
    ASSERT_EQ(RegOpenKey("System\\Net\\0000", &key), ERROR_SUCCESS);
  }
  ScopedRegistry other(Tree(""));
  char data[16] = {};
  std::uint32_t size = sizeof data;
  EXPECT_EQ(RegQueryValueEx(key, "Name", nullptr, data, &size), ERROR_SUCCESS);
  EXPECT_STREQ(data, "first");
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

class RegistryFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("registry_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_ / "vintrel");
    Save("PLATFORM_REGISTRY", platform_);
    Save("XDG_CONFIG_HOME", xdg_);
  }
  void TearDown() override {
    Restore("PLATFORM_REGISTRY", platform_);
    Restore("XDG_CONFIG_HOME", xdg_);
    SetRegistry(nullptr);
    std::filesystem::remove_all(dir_);
  }
  static void Save(const char* name, std::optional<std::string>& slot) {
    if (const char* value = std::getenv(name)) slot = value;
  }
  static void Restore(const char* name, const std::optional<std::string>& slot) {
    if (slot) setenv(name, slot->c_str(), 1); else unsetenv(name);
  }
  void Write(const std::filesystem::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

  std::filesystem::path dir_;
  std::optional<std::string> platform_, xdg_;
};

TEST_F(RegistryFile, IsFoundThroughTheEnvironmentAndReadAtTheFirstCall) {
  unsetenv("PLATFORM_REGISTRY");
  setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
  EXPECT_EQ(RegistryFilePath(), (dir_ / "vintrel" / "registry.reg").string());
  Write(dir_ / "vintrel" / "registry.reg", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\FromXdg]\n");
  SetRegistry(nullptr);
  RegistryKey key = 0;
  EXPECT_EQ(RegOpenKey("FromXdg", &key), ERROR_SUCCESS);
  RegCloseKey(key);

  const std::string own = (dir_ / "own.reg").string();
  setenv("PLATFORM_REGISTRY", own.c_str(), 1);
  EXPECT_EQ(RegistryFilePath(), own);
  Write(own, "REGEDIT4\n[HKEY_LOCAL_MACHINE\\FromOwn]\n");
  SetRegistry(nullptr);
  EXPECT_EQ(RegOpenKey("FromOwn", &key), ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST_F(RegistryFile, MissingOrMalformedFileIsAnEmptyRegistry) {
  const std::string path = (dir_ / "bad.reg").string();
  setenv("PLATFORM_REGISTRY", path.c_str(), 1);
  RegistryKey key = 0;
  SetRegistry(nullptr);
  EXPECT_EQ(RegOpenKey("Anything", &key), ERROR_FILE_NOT_FOUND);
  Write(path, "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Half]\nnonsense\n");
  SetRegistry(nullptr);
  testing::internal::CaptureStderr();
  EXPECT_EQ(RegOpenKey("Half", &key), ERROR_FILE_NOT_FOUND);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("line 3"), std::string::npos);
}

TEST(OsVersionQuery, ComesFromThePlatformKeyWithNt5AsDefault) {
  struct Case {
    const char* body;
    unsigned major;
    bool nt;
  };
  const Case cases[] = {
      {"", 5, true},
      {"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Platform\\Version]\n\"Major\"=dword:00000004\n\"Family\"=\"95\"\n", 4, false},
      {"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Platform\\Version]\n\"Major\"=dword:00000006\n\"Family\"=\"nt\"\n", 6, true},
      {"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Platform\\Version]\n\"Major\"=\"3\"\n\"Family\"=\"Mac\"\n", 5, true},
  };
  for (const Case& c : cases) {
    ScopedRegistry installed(Tree(c.body));
    const OsVersion version = GetVersion();
    EXPECT_EQ(version.major, c.major) << c.body;
    EXPECT_EQ(version.ntFamily, c.nt) << c.body;
  }
}

TEST(SystemErrorTexts, GiveTheSystemsTextOrNothing) {
  EXPECT_EQ(SystemErrorText(2), "The system cannot find the file specified.");
  EXPECT_EQ(SystemErrorText(259), "No more data is available.");
  EXPECT_EQ(SystemErrorText(13), "The data is invalid.");
  EXPECT_EQ(SystemErrorText(234), "More data is available.");
  EXPECT_EQ(SystemErrorText(123456), "");
}

}  // namespace
