#include "serialport_line.h"

#include <libserialport.h>

#include <system_error>

namespace fennick {
namespace {

// The text for the last failed libserialport call: the system's error text
// when the system refused, else libserialport's own description.
std::string LastError(sp_return result) {
  if (result == SP_ERR_FAIL && sp_last_error_code() != 0) {
    return std::generic_category().message(sp_last_error_code());
  }
  switch (result) {
    case SP_ERR_ARG: return "not a usable serial port";
    case SP_ERR_MEM: return "out of memory";
    case SP_ERR_SUPP: return "operation not supported by the port";
    default: return "serial port failure";
  }
}

struct ConfigDeleter {
  void operator()(sp_port_config* config) const { sp_free_config(config); }
};

sp_return Configure(sp_port* port) {
  sp_port_config* raw = nullptr;
  if (sp_return r = sp_new_config(&raw); r != SP_OK) return r;
  std::unique_ptr<sp_port_config, ConfigDeleter> config(raw);
  const sp_return steps[] = {
      sp_set_config_baudrate(raw, SerialLine::kBaudRate),
      sp_set_config_bits(raw, 8),
      sp_set_config_parity(raw, SP_PARITY_NONE),
      sp_set_config_stopbits(raw, 1),
      sp_set_config_flowcontrol(raw, SP_FLOWCONTROL_NONE),
      sp_set_config_dtr(raw, SP_DTR_ON),
      sp_set_config_rts(raw, SP_RTS_ON),
  };
  for (sp_return r : steps) {
    if (r != SP_OK) return r;
  }
  return sp_set_config(port, raw);
}

}  // namespace

bool SerialPortLine::Recognises(const std::string& path) {
  sp_port* port = nullptr;
  if (sp_get_port_by_name(path.c_str(), &port) != SP_OK) return false;
  sp_free_port(port);
  return true;
}

std::unique_ptr<SerialPortLine> SerialPortLine::Open(const std::string& path, std::string& reason, int& error) {
  sp_port* port = nullptr;
  if (sp_return r = sp_get_port_by_name(path.c_str(), &port); r != SP_OK) {
    error = r == SP_ERR_FAIL ? sp_last_error_code() : 0;
    reason = LastError(r);
    return nullptr;
  }
  // libserialport opens without blocking and without taking the port as the
  // controlling terminal.
  if (sp_return r = sp_open(port, SP_MODE_READ_WRITE); r != SP_OK) {
    error = r == SP_ERR_FAIL ? sp_last_error_code() : 0;
    reason = LastError(r);
    sp_free_port(port);
    return nullptr;
  }
  if (sp_return r = Configure(port); r != SP_OK) {
    error = r == SP_ERR_FAIL ? sp_last_error_code() : 0;
    reason = "cannot configure the port: " + LastError(r);
    sp_close(port);
    sp_free_port(port);
    return nullptr;
  }
  sp_flush(port, SP_BUF_BOTH);
  return std::unique_ptr<SerialPortLine>(new SerialPortLine(port));
}

SerialPortLine::~SerialPortLine() {
  // Unsent output is dropped so that closing does not wait for it to drain.
  sp_flush(port_, SP_BUF_OUTPUT);
  sp_close(port_);
  sp_free_port(port_);
}

bool SerialPortLine::Write(std::string_view data, int timeoutMs) {
  const unsigned timeout = timeoutMs > 0 ? static_cast<unsigned>(timeoutMs) : 1;  // 0 would wait forever
  const sp_return written = sp_blocking_write(port_, data.data(), data.size(), timeout);
  return written == static_cast<sp_return>(data.size());
}

int SerialPortLine::Read(char* buffer, std::size_t size, int timeoutMs) {
  // A zero timeout means "wait forever" to libserialport; never ask for that.
  const unsigned timeout = timeoutMs > 0 ? static_cast<unsigned>(timeoutMs) : 1;
  const sp_return n = sp_blocking_read_next(port_, buffer, size, timeout);
  return n < 0 ? -1 : static_cast<int>(n);
}

void SerialPortLine::DiscardInput() { sp_flush(port_, SP_BUF_INPUT); }

}  // namespace fennick
