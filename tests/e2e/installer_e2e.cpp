// The setup program and its uninstaller, run silently in the test prefix, and
// what they leave behind: files, shortcut, registry entries and a program that
// starts. Each test puts the prefix back as it found it.
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>

#include "tests/e2e/quorlin_process.h"

namespace e2e {
namespace {

constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorlin";
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kMakerKey = "Software\\Kestrane's Software";
constexpr DWORD kRefused = 2;

std::string folder(int csidl) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}
std::string installDir() { return folder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Quorlin"; }
std::string installedProgram() { return installDir() + "\\quorlin.exe"; }
std::string installedUninstaller() { return installDir() + "\\uninstall.exe"; }
std::string shortcut() { return folder(CSIDL_PROGRAMS) + "\\Quorlin.lnk"; }

bool fileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
ULONGLONG fileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}
ULONGLONG writeTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (ULONGLONG{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime;
}

// The machine a program file was built for (IMAGE_FILE_MACHINE_*), 0 if unreadable.
WORD machineOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    DWORD peOffset = 0;
    file.seekg(0x3C);
    file.read(reinterpret_cast<char*>(&peOffset), sizeof peOffset);
    DWORD signature = 0;
    WORD machine = 0;
    file.seekg(peOffset);
    file.read(reinterpret_cast<char*>(&signature), sizeof signature);
    file.read(reinterpret_cast<char*>(&machine), sizeof machine);
    return file && signature == IMAGE_NT_SIGNATURE ? machine : 0;
}

bool keyExists(const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}
std::optional<std::string> readString(const char* path, const char* name) {
    char text[1024] = {};
    DWORD size = sizeof text - 1;
    if (RegGetValueA(HKEY_CURRENT_USER, path, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(text);
}

std::string shortcutTarget(const std::string& link) {
    std::string target;
    CoInitialize(nullptr);
    IShellLinkA* shell = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shell)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            const std::wstring wide(link.begin(), link.end());
            char path[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) &&
                SUCCEEDED(shell->GetPath(path, MAX_PATH, nullptr, 0)))
                target = path;
            file->Release();
        }
        shell->Release();
    }
    CoUninitialize();
    return target;
}

// Runs a command line until it and every process it started have ended (the
// uninstaller hands its work to a copy of itself and returns at once), and
// gives the exit code of the process it started.
DWORD runToEnd(std::string commandLine) {
    // Under Wine the desktop process must already run (wine_keeper starts it):
    // started from inside the job, it would count as ours for good.
    HANDLE job = newKillOnCloseJob();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                        &startup, &info)) {
        ADD_FAILURE() << "cannot start " << commandLine;
        CloseHandle(job);
        return ~DWORD{0};
    }
    AssignProcessToJobObject(job, info.hProcess);
    ResumeThread(info.hThread);
    DWORD code = ~DWORD{0};
    if (WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &code);
    const bool allEnded = waitUntil(
        [&] {
            JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
            QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting, sizeof accounting,
                                      nullptr);
            return accounting.ActiveProcesses == 0;
        },
        30s);
    EXPECT_TRUE(allEnded) << commandLine << " left processes running; they end with the job";
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    CloseHandle(job);
    return code;
}

// Whether this host runs 32-bit Windows programs, as the scripts that start
// the tests find it (a kernel without 32-bit support runs no 32-bit wine).
bool hostRuns32Bit() {
    char value[8] = {};
    return GetEnvironmentVariableA("QL_HOST_RUNS_32BIT", value, sizeof value) && value[0] == '1';
}
// The setup for every Windows where it can run here, else the 64-bit one: the same script.
std::string setupProgram() { return hostRuns32Bit() ? QL_E2E_SETUP_ANY : QL_E2E_SETUP_X64; }

DWORD runSetup(const std::string& options = "") { return runToEnd("\"" + setupProgram() + "\" /S" + options); }

// Everything an installation consists of, to compare before and after.
struct Footprint {
    bool program, uninstaller, shortcut, uninstallEntry, runEntry;
    std::optional<DWORD> ontop;
    ULONGLONG programWritten;
    bool operator==(const Footprint&) const = default;
};
Footprint footprint() {
    return {fileExists(installedProgram()), fileExists(installedUninstaller()), fileExists(shortcut()),
            keyExists(kUninstallKey),      readString(kRunKey, "Quorlin").has_value(),
            readDword(kSettingsKey, "ontop"), writeTime(installedProgram())};
}
void PrintTo(const Footprint& f, std::ostream* os) {
    *os << "{program " << f.program << ", uninstaller " << f.uninstaller << ", shortcut " << f.shortcut
        << ", uninstall entry " << f.uninstallEntry << ", sign-in entry " << f.runEntry << ", ontop "
        << (f.ontop ? std::to_string(*f.ontop) : "none") << ", program written " << f.programWritten << "}";
}

// Puts the settings key back as it was, for the other tests sharing the prefix.
class SettingsRestorer {
public:
    SettingsRestorer() : hadKey_(keyExists(kSettingsKey)), ontop_(readDword(kSettingsKey, "ontop")) {}
    ~SettingsRestorer() {
        removeSettingsKey();
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Kestrane's Software\\Quorlin");  // only if empty
        RegDeleteKeyA(HKEY_CURRENT_USER, kMakerKey);
        if (ontop_) {
            installSetting(*ontop_);
        } else if (hadKey_) {
            HKEY key = nullptr;
            RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
            RegCloseKey(key);
        }
    }
    SettingsRestorer(const SettingsRestorer&) = delete;
    SettingsRestorer& operator=(const SettingsRestorer&) = delete;

private:
    bool hadKey_;
    std::optional<DWORD> ontop_;
};

// Starts each test with nothing installed and leaves the prefix as it was.
class Setup : public ::testing::Test {
protected:
    void SetUp() override {
        removeInstallation();
        removeSettingsKey();
    }
    void TearDown() override { removeInstallation(); }

    // Through the uninstaller when there is one, then by hand whatever is left.
    static void removeInstallation() {
        if (const auto quiet = readString(kUninstallKey, "QuietUninstallString"))
            if (fileExists(installedUninstaller())) runToEnd(*quiet);
        DeleteFileA(installedProgram().c_str());
        DeleteFileA(installedUninstaller().c_str());
        RemoveDirectoryA(installDir().c_str());
        DeleteFileA(shortcut().c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, kUninstallKey);
        HKEY run = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
            RegDeleteValueA(run, "Quorlin");
            RegCloseKey(run);
        }
    }

private:
    SettingsRestorer settings_;
};

TEST_F(Setup, SilentInstallSetsQuorlinUpAndSilentUninstallTakesItAway) {
    ASSERT_EQ(runSetup(), 0u);

    EXPECT_EQ(readDword(kSettingsKey, "ontop"), 0u);
    // A 64-bit system gets the 64-bit program.
    EXPECT_EQ(machineOf(installedProgram()), IMAGE_FILE_MACHINE_AMD64);
    EXPECT_TRUE(fileExists(installedUninstaller()));
    EXPECT_EQ(lstrcmpiA(shortcutTarget(shortcut()).c_str(), installedProgram().c_str()), 0)
        << shortcutTarget(shortcut());
    EXPECT_FALSE(readString(kRunKey, "Quorlin")) << "starting at sign-in is off unless asked for";

    const std::string dir = installDir();
    const struct {
        const char* name;
        std::string value;
    } entries[] = {
        {"DisplayName", "Quorlin"},
        {"DisplayVersion", "1.0"},
        {"Publisher", "Kestrane's Software"},
        {"DisplayIcon", "\"" + dir + "\\quorlin.exe\",0"},
        {"InstallLocation", dir},
        {"UninstallString", "\"" + dir + "\\uninstall.exe\""},
        {"QuietUninstallString", "\"" + dir + "\\uninstall.exe\" /S"},
    };
    for (const auto& entry : entries) EXPECT_EQ(readString(kUninstallKey, entry.name), entry.value) << entry.name;
    EXPECT_EQ(readDword(kUninstallKey, "NoModify"), 1u);
    EXPECT_EQ(readDword(kUninstallKey, "NoRepair"), 1u);
    const ULONGLONG installedKb = (fileSize(installedProgram()) + fileSize(installedUninstaller())) / 1024;
    const DWORD estimated = readDword(kUninstallKey, "EstimatedSize").value_or(0);
    EXPECT_GE(estimated, installedKb);
    EXPECT_LE(estimated, installedKb + 4);

    {
        QuorlinProcess quorlin(installedProgram());
        HWND window = quorlin.keyedCharacter();
        EXPECT_NE(window, nullptr) << "the installed program shows Pobo";
    }

    const std::string quiet = readString(kUninstallKey, "QuietUninstallString").value_or("");
    ASSERT_EQ(runToEnd(quiet), 0u);
    EXPECT_EQ(footprint(), (Footprint{}));
    EXPECT_FALSE(fileExists(dir));
    EXPECT_FALSE(keyExists(kSettingsKey));
    EXPECT_FALSE(keyExists(kMakerKey)) << "the maker's key held nothing else";

    QuorlinProcess copy;
    HWND box = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (box = copy.messageBox()) != nullptr; }, 10s));
    EXPECT_EQ(dialogItemText(box, 0xFFFF).rfind("Program has not installed correctly. ", 0), 0u)
        << dialogItemText(box, 0xFFFF);
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(copy.exited(5s));
}

TEST_F(Setup, ReinstallKeepsTheUsersChoicesAndUninstallSparesOtherKeys) {
    ASSERT_EQ(runSetup(" /AUTOSTART"), 0u);
    EXPECT_EQ(readString(kRunKey, "Quorlin"), "\"" + installedProgram() + "\"");
    installSetting(1);  // as "Keep Pobo On Top" leaves it

    ASSERT_EQ(runSetup(), 0u);
    EXPECT_EQ(readDword(kSettingsKey, "ontop"), 1u);
    EXPECT_EQ(readString(kRunKey, "Quorlin"), "\"" + installedProgram() + "\"");
    EXPECT_TRUE(fileExists(installedProgram()));

    const std::string sibling = std::string(kMakerKey) + "\\Another Program";
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, sibling.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    RegCloseKey(key);
    EXPECT_EQ(runToEnd("\"" + installedUninstaller() + "\" /S"), 0u);
    EXPECT_EQ(footprint(), (Footprint{}));
    EXPECT_TRUE(keyExists(sibling.c_str()));
    RegDeleteKeyA(HKEY_CURRENT_USER, sibling.c_str());
}

// Neither direction may replace or remove files under a running copy; a
// silent run gives up with an exit code and changes nothing.
TEST_F(Setup, RefusesWhileQuorlinRuns) {
    {
        SCOPED_TRACE("first installation");
        installSetting(0);  // lets the copy from the build start
        QuorlinProcess running;
        ASSERT_NE(running.keyedCharacter(), nullptr);
        const Footprint before = footprint();
        EXPECT_EQ(runSetup(), kRefused);
        EXPECT_EQ(footprint(), before);
        EXPECT_FALSE(fileExists(installDir()));
    }
    ASSERT_EQ(runSetup(), 0u);
    installSetting(1);
    {
        SCOPED_TRACE("installed copy running");
        QuorlinProcess running(installedProgram());
        ASSERT_NE(running.keyedCharacter(), nullptr);
        const Footprint before = footprint();
        const std::string uninstaller = "\"" + installedUninstaller() + "\" /S";
        // The listed uninstaller hands its work to a copy of itself and ends at
        // once, so only that copy's work (none) can be seen, not its exit code.
        const struct {
            const char* what;
            std::string commandLine;
            bool exitCodeSeen;
        } runs[] = {
            {"reinstall", "\"" + setupProgram() + "\" /S", true},
            {"uninstall in place", uninstaller + " _?=" + installDir(), true},
            {"uninstall as listed", readString(kUninstallKey, "QuietUninstallString").value_or(uninstaller), false},
        };
        for (const auto& run : runs) {
            SCOPED_TRACE(run.what);
            const DWORD code = runToEnd(run.commandLine);
            if (run.exitCodeSeen) {
                EXPECT_EQ(code, kRefused);
            }
            EXPECT_EQ(footprint(), before);
        }
        EXPECT_FALSE(running.exited(0ms));
    }
    // Once the copy has ended, the same uninstaller goes ahead.
    EXPECT_EQ(runToEnd("\"" + installedUninstaller() + "\" /S"), 0u);
    EXPECT_EQ(footprint(), (Footprint{}));
}

TEST(Windows32, The32BitBuildShowsPobo) {
    ASSERT_EQ(machineOf(QL_E2E_EXE32), IMAGE_FILE_MACHINE_I386);
    if (!hostRuns32Bit()) GTEST_SKIP() << "this host's kernel runs no 32-bit program, so no 32-bit wine";
    SettingsRestorer settings;
    installSetting(0);
    {
        QuorlinProcess quorlin(QL_E2E_EXE32);
        HWND window = quorlin.keyedCharacter();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(atStartPlace(window));
    }
}

}  // namespace
}  // namespace e2e
