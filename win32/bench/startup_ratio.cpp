// Start-up of spanwise.exe beside a bare dialog of the same controls: each program is started in
// turn, timed from CreateProcess until it waits for input with its dialog on screen
// (WaitForInputIdle), then closed. Prints the median of each and their ratio.
// Usage: startup_ratio PROGRAM BARE_PROGRAM [ROUNDS]

#include "win32/WindowsApi.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

BOOL CALLBACK CloseWindowsOf(HWND hwnd, LPARAM lParam) {
    DWORD nProcess = 0;
    GetWindowThreadProcessId(hwnd, &nProcess);
    if (nProcess == static_cast<DWORD>(lParam) && IsWindowVisible(hwnd) != FALSE) {
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

// Seconds from start to input idle, or a negative number when the program did not get there.
double TimeStartUp(const std::string& program) {
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency{};
    LARGE_INTEGER start{};
    LARGE_INTEGER idle{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process) == FALSE) {
        return -1;
    }
    const DWORD nWait = WaitForInputIdle(process.hProcess, 60000);
    QueryPerformanceCounter(&idle);
    EnumWindows(CloseWindowsOf, static_cast<LPARAM>(process.dwProcessId));
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (nWait != 0) {
        return -1;
    }
    return static_cast<double>(idle.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 != 0 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_ratio PROGRAM BARE_PROGRAM [ROUNDS]\n");
        return 2;
    }
    const int nRounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    std::vector<double> program;
    std::vector<double> bare;
    // One start of each first, unmeasured, so that both find the system as warm.
    TimeStartUp(argv[1]);
    TimeStartUp(argv[2]);
    for (int i = 0; i < nRounds; ++i) {
        const double tProgram = TimeStartUp(argv[1]);
        const double tBare = TimeStartUp(argv[2]);
        if (tProgram < 0 || tBare < 0) {
            std::fprintf(stderr, "startup_ratio: a program did not come up\n");
            return 1;
        }
        program.push_back(tProgram);
        bare.push_back(tBare);
    }
    const double medianProgram = Median(program);
    const double medianBare = Median(bare);
    std::printf("rounds %d\nprogram median %.1f ms\nbare dialog median %.1f ms\nratio %.2f\n",
                nRounds, medianProgram * 1000, medianBare * 1000, medianProgram / medianBare);
    return 0;
}
