// DLLs named as the rich edit's, beside the program and in its current folder, are never
// loaded: Windows' own come from the system folder.

#include <gtest/gtest.h>
#include <process.h>

#include <filesystem>
#include <string>

#include "toolkit/win32/windows_api.h"

namespace {

namespace fs = std::filesystem;

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

// The probe's exit code, -1 when it could not be run; the probe starts in the folder.
int RunIn(const fs::path& folder, const fs::path& program) {
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    const std::wstring quoted = L"\"" + program.wstring() + L"\"";
    const auto code = _wspawnl(_P_WAIT, program.c_str(), quoted.c_str(), nullptr);
    fs::current_path(before);
    return static_cast<int>(code);
}

TEST(PlantedLibrary, NeitherRichEditNameLoadsAFileBesideTheProgram) {
    const fs::path folder =
        fs::temp_directory_path() / ("qm-planted-" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder);  // as a failed run with the same process number left it
    fs::create_directories(folder);
    ASSERT_TRUE(fs::copy_file(QUILLMOOR_PLANTED_LIBRARY_PROBE, folder / kProbeName));
    for (const char* library : {"riched20.dll", "riched32.dll"}) {
        ASSERT_TRUE(fs::copy_file(QUILLMOOR_PLANTED_LIBRARY, folder / library));
    }
    {
        const PreferDllFiles preferFiles;
        EXPECT_EQ(RunIn(folder, folder / kProbeName), 0);
    }
    for (const char* library : {"riched20.dll", "riched32.dll"}) {
        EXPECT_FALSE(fs::exists(folder / (std::string(library) + ".loaded"))) << library;
    }
    fs::remove_all(folder);
}

}  // namespace
