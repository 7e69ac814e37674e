// Texts that the program shows in its message boxes.
#pragma once

namespace tarvel_text {

inline constexpr const char* kCaption = "Ostrane";

inline constexpr const char* kSearchingForModem =
    "Unable to reset the modem.\nCurrently searching for a Sorvan Modem.\n";
inline constexpr const char* kResetFailed = "Modem reset FAILED.\nEvaluate using a terminal program.";
inline constexpr const char* kResetSucceededPrefix = "Modem successfully reset \nfor ";
inline constexpr const char* kResetSucceededSuffix = ".";

inline constexpr const char* kModemNotFound = "Sorvan Modem not found.";
inline constexpr const char* kCommDriverFailed =
    "Warning: A COMM driver has failed.\nYour system configuration has been updated \n"
    "to avoid future problems.  Please reboot \nfor the changes to take effect.";

}  // namespace tarvel_text
