#include "modem_emulator.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace fennick {
namespace {

using Mode = EmulatorSettings::Mode;
using Exchange = std::pair<std::string, std::string>;  // what is sent, what comes back

EmulatorSettings With(Mode mode = Mode::Normal, int hangAfter = -1) {
  EmulatorSettings settings;
  settings.mode = mode;
  settings.hangAfter = hangAfter;
  return settings;
}

struct Conversation {
  const char* label;
  EmulatorSettings settings;
  std::vector<Exchange> exchanges;
  unsigned countryAfter;
};

std::vector<Conversation> Conversations() {
  EmulatorSettings onlyB5 = With();
  onlyB5.supported = {0xB5};
  EmulatorSettings ignoring = With();
  ignoring.ignoreSet = true;
  return {
      {"echo on by default", With(), {{"AT\r", "AT\r\r\nOK\r\n"}}, 0xB5},
      {"echo off, back on after ATZ, country kept",
       With(),
       {{"ATE0\r", "ATE0\r\r\nOK\r\n"},
        {"AT+GCI=04\r", "\r\nOK\r\n"},
        {"ATZ\r", "\r\nOK\r\n"},
        {"AT+GCI?\r", "AT+GCI?\r\r\n+GCI: 04\r\n\r\nOK\r\n"}},
       0x04},
      {"lower case and one hex digit", With(), {{"ate0\r", "ate0\r\r\nOK\r\n"}, {"at+gci=9\r", "\r\nOK\r\n"}}, 0x09},
      {"commands on one line", With(), {{"ATE0I\r", "ATE0I\r\r\nSorvan Modem (fennick emulator)\r\n\r\nOK\r\n"}}, 0xB5},
      {"unsupported code", With(), {{"AT+GCI=FF\r", "AT+GCI=FF\r\r\nERROR\r\n"}}, 0xB5},
      {"code outside the given list", onlyB5, {{"AT+GCI=04\r", "AT+GCI=04\r\r\nERROR\r\n"}}, 0xB5},
      {"list of the given codes", onlyB5, {{"AT+GCI=?\r", "AT+GCI=?\r\r\n+GCI: (B5)\r\n\r\nOK\r\n"}}, 0xB5},
      {"malformed GCI", With(), {{"AT+GCI=B55\r", "AT+GCI=B55\r\r\nERROR\r\n"}, {"AT+GCX\r", "AT+GCX\r\r\nERROR\r\n"}}, 0xB5},
      {"unknown command", With(), {{"ATQ\r", "ATQ\r\r\nERROR\r\n"}}, 0xB5},
      {"noise gets only its echo", With(), {{"hello\r\n", "hello\r\n"}, {"\r", "\r"}}, 0xB5},
      {"backspace edits the line", With(), {{"ATX\bI\r", "ATX\bI\r\r\nSorvan Modem (fennick emulator)\r\n\r\nOK\r\n"}}, 0xB5},
      {"bytes one by one", With(), {{"A", "A"}, {"T", "T"}, {"\r", "\r\r\nOK\r\n"}}, 0xB5},
      {"overlong line", With(), {{"AT" + std::string(300, 'E') + "\r", "AT" + std::string(300, 'E') + "\r\r\nERROR\r\n"}}, 0xB5},
      {"error mode", With(Mode::Error), {{"AT\r", "AT\r\r\nERROR\r\n"}, {"AT+GCI=04\r", "AT+GCI=04\r\r\nERROR\r\n"}}, 0xB5},
      {"silent mode", With(Mode::Silent), {{"AT\r", ""}, {"AT+GCI=04\r", ""}}, 0xB5},
      {"hangs after one line", With(Mode::Normal, 1), {{"AT\r", "AT\r\r\nOK\r\n"}, {"AT+GCI=04\r", ""}}, 0xB5},
      {"faulty modem keeps its code", ignoring, {{"AT+GCI=04\r", "AT+GCI=04\r\r\nOK\r\n"}}, 0xB5},
  };
}

TEST(ModemEmulator, AnswersLikeAModem) {
  for (const Conversation& c : Conversations()) {
    SCOPED_TRACE(c.label);
    ModemEmulator modem(c.settings);
    for (const auto& [sent, expected] : c.exchanges) EXPECT_EQ(modem.Receive(sent), expected) << "after " << sent;
    EXPECT_EQ(modem.Country(), c.countryAfter);
  }
}

TEST(ModemEmulator, ListsEveryProfileCodeOnceInOrder) {
  ModemEmulator modem(With());
  const std::string out = modem.Receive("ATE0+GCI=?\r");
  EXPECT_NE(out.find("+GCI: (00,04,07,09,0A,0F,16,20,25,26,27,2E,31,36,3C,3D,46,50,51,53,54,57,58,59,61,69,6C,73,"
                     "7B,7E,82,89,8A,8B,8E,98,9C,9F,A0,A5,A6,A9,AE,B3,B4,B5,B8,C1,FE)\r\n"),
            std::string::npos)
      << out;
}

}  // namespace
}  // namespace fennick
