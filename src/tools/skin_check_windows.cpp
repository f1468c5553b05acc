// orbo-skin-check.exe: a console program without Qt that runs the skin checker inside orbo.exe,
// beside it, so that the download carries one copy of Qt. orbo.exe is a windowed program: a
// console would neither wait for it nor show what it prints, so this one starts it with its own
// standard handles, waits, and ends with its exit status.
#include "tools/skin_check_main.h"

#include <windows.h>

#include <string>

namespace {

// The command line after the program's name, as typed: Windows' own reading of the name ends
// it at the closing quote when it starts with one, else at the first blank.
const wchar_t* ArgumentsAfterName(const wchar_t* line) {
    if (*line == L'"') {
        ++line;
        while (*line != L'\0' && *line != L'"')
            ++line;
        if (*line == L'"')
            ++line;
    } else {
        while (*line != L'\0' && *line != L' ' && *line != L'\t')
            ++line;
    }
    while (*line == L' ' || *line == L'\t')
        ++line;
    return line;
}

// The full path of this program, however long.
std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

int Fail(const std::wstring& program) {
    const DWORD error = ::GetLastError();
    const std::wstring text = L"orbo-skin-check: cannot start " + program + L" (error " +
                              std::to_wstring(error) + L")\r\n";
    // As the checker prints: to a console as its characters, elsewhere in UTF-8.
    const HANDLE err = ::GetStdHandle(STD_ERROR_HANDLE);
    DWORD written = 0;
    DWORD mode = 0;
    if (::GetConsoleMode(err, &mode)) {
        ::WriteConsoleW(err, text.c_str(), DWORD(text.size()), &written, nullptr);
    } else {
        const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0,
                                            nullptr, nullptr);
        std::string bytes(std::size_t(n), '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), bytes.data(), n, nullptr,
                              nullptr);
        ::WriteFile(err, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    }
    return 1;
}

} // namespace

int main() {
    std::wstring program = OwnPath();
    program.resize(program.find_last_of(L"\\/") + 1);
    program += L"orbo.exe";
    std::wstring line = L"\"" + program + L"\" " ORBO_SKIN_CHECK_MODE;
    const wchar_t* arguments = ArgumentsAfterName(::GetCommandLineW());
    if (*arguments != L'\0')
        line += L" " + std::wstring(arguments);

    // Handed on as they are: a console, a file or a pipe gets what the checker prints.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    for (const HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
            ::SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    }
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                          &startup, &process))
        return Fail(program);
    ::CloseHandle(process.hThread);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    ::GetExitCodeProcess(process.hProcess, &status);
    ::CloseHandle(process.hProcess);
    return int(status);
}
