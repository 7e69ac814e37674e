// Saving the event log to a text file.
#pragma once

#include <string>

// Writes every stored line of EventLog, oldest first, each followed by one
// line feed (0x0A), to a new or emptied file at `path`. The caller holds the
// event log's lock. Returns 0, or the errno of the create, write or close
// that failed; lines written before a failure stay in the file.
int WriteEventLogFile(const std::string& path);
