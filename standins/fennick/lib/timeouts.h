// How long the library waits for each step of a conversation with a modem.
// The defaults are what detect_port and set_country_code use; tests pass
// shorter ones.
#pragma once

namespace fennick {

struct Timeouts {
  int writeMs = 500;         // sending one command line
  int atReplyMs = 800;       // answer to a plain "AT", per try
  int atTries = 3;           // tries of "AT" before the port counts as silent
  int queryReplyMs = 1000;   // answer to "AT+GCI?"
  int setReplyMs = 2000;     // answer to "AT+GCI=<hex>" (the modem may write its memory)
  int resetReplyMs = 3000;   // answer to "ATZ" (the modem restarts)
};

}  // namespace fennick
