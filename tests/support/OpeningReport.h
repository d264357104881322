#pragma once

namespace spanwise::test {

// The Copy report of the opening conditions, as the clipboard holds it (CR LF line ends) and as a
// terminal shows it ("\n").
inline constexpr const char* kOpeningReportCrLf = "Model Number Alder/Alder-W\r\n"
                                                  "Internal Memory 32MW\r\n"
                                                  "Function MEM\r\n"
                                                  "Sampling Single-axis Sampling\r\n"
                                                  "Sable Scanner Unit Sable Not Installed\r\n"
                                                  "Channels 1ch\r\n"
                                                  "Time-axis Range 5us/div\r\n"
                                                  "\r\n"
                                                  "[Maximum Recording Length] 320000 div\r\n"
                                                  "[Maximum Recording Time] 1.6s\r\n";

inline constexpr const char* kOpeningReport = "Model Number Alder/Alder-W\n"
                                              "Internal Memory 32MW\n"
                                              "Function MEM\n"
                                              "Sampling Single-axis Sampling\n"
                                              "Sable Scanner Unit Sable Not Installed\n"
                                              "Channels 1ch\n"
                                              "Time-axis Range 5us/div\n"
                                              "\n"
                                              "[Maximum Recording Length] 320000 div\n"
                                              "[Maximum Recording Time] 1.6s\n";

} // namespace spanwise::test
