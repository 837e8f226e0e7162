// DLLs named as the rich edit's, beside the program and in its current folder, are never
// loaded: Windows' own come from the system folder.

#include <gtest/gtest.h>

#include <string>

#include "toolkit/win32/windows_api.h"

namespace {

std::wstring Wide(const char* path) {
    return {path, path + std::char_traits<char>::length(path)};
}

std::wstring ScratchFolder() {
    wchar_t temporary[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temporary);
    wchar_t name[MAX_PATH + 1] = {};
    GetTempFileNameW(temporary, L"qm", 0, name);
    DeleteFileW(name);
    CreateDirectoryW(name, nullptr);
    return name;
}

constexpr wchar_t kProbeName[] = L"planted-library-probe.exe";

// Wine prefers its own builtin DLLs to any file of the same name; told to prefer files, it
// looks for them as Windows does. The choice is Wine's setting for the probe alone; Windows
// reads no such key.
class PreferDllFiles {
public:
    PreferDllFiles() {
        RegCreateKeyExW(HKEY_CURRENT_USER, (appDefaults_ + L"\\DllOverrides").c_str(), 0, nullptr,
                        0, KEY_SET_VALUE, nullptr, &overrides_, nullptr);
        constexpr wchar_t kFilesFirst[] = L"native,builtin";
        for (const wchar_t* library : {L"riched20", L"riched32"}) {
            RegSetValueExW(overrides_, library, 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(kFilesFirst), sizeof kFilesFirst);
        }
    }
    ~PreferDllFiles() {
        RegCloseKey(overrides_);
        RegDeleteTreeW(HKEY_CURRENT_USER, appDefaults_.c_str());
    }
    PreferDllFiles(const PreferDllFiles&) = delete;
    PreferDllFiles& operator=(const PreferDllFiles&) = delete;

private:
    const std::wstring appDefaults_ = std::wstring(L"Software\\Wine\\AppDefaults\\") + kProbeName;
    HKEY overrides_ = nullptr;
};

// The probe's exit code, -1 when it could not be run.
int RunIn(const std::wstring& folder, const std::wstring& program) {
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &start, &process)) {
        return -1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

TEST(PlantedLibrary, NeitherRichEditNameLoadsAFileBesideTheProgram) {
    const std::wstring folder = ScratchFolder();
    const std::wstring program = folder + L"\\" + kProbeName;
    const std::wstring planted[] = {folder + L"\\riched20.dll", folder + L"\\riched32.dll"};
    ASSERT_TRUE(CopyFileW(Wide(QUILLMOOR_PLANTED_LIBRARY_PROBE).c_str(), program.c_str(), FALSE));
    for (const std::wstring& library : planted) {
        ASSERT_TRUE(CopyFileW(Wide(QUILLMOOR_PLANTED_LIBRARY).c_str(), library.c_str(), FALSE));
    }
    {
        const PreferDllFiles preferFiles;
        EXPECT_EQ(RunIn(folder, program), 0);
    }
    for (const std::wstring& library : planted) {
        EXPECT_TRUE(GetFileAttributesW((library + L".loaded").c_str()) == INVALID_FILE_ATTRIBUTES)
            << "loaded: " << std::string(library.begin(), library.end());
        DeleteFileW((library + L".loaded").c_str());
        DeleteFileW(library.c_str());
    }
    DeleteFileW(program.c_str());
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
