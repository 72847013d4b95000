// The machine snapshot; see machine_snapshot.h.
#include "machine_snapshot.h"

#include "install_checks.h"
#include "wine_test.h"

#include <windows.h>

#include <algorithm>

namespace ic {

namespace {

bool Ignored(const std::string& path, const std::vector<std::string>& ignore) {
    for (const std::string& i : ignore)
        if (lstrcmpiA(path.c_str(), i.c_str()) == 0) return true;
    return false;
}

// Every file (with its size and first bytes' sum) and folder below `folder`, except
// those in `skip`.
void List(const std::string& folder, const std::vector<std::string>& skip, std::vector<std::string>& out) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = folder + name;
        if (Ignored(path, skip)) continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            out.push_back(path + "\\");
            List(path + "\\", skip, out);
        } else {
            std::string bytes;
            ReadBytes(path, bytes);
            unsigned long sum = 0;
            for (unsigned char c : bytes) sum = sum * 31 + c;
            out.push_back(path + " " + std::to_string(data.nFileSizeLow) + " " + std::to_string(sum));
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

std::string Dump(HKEY root, const char* rootName, const std::string& key) {
    std::string text = DumpKey(root, key);
    return text.empty() ? std::string(rootName) + "\\" + key + " <missing>\n" : std::string(rootName) + " " + text;
}

}  // namespace

std::string MachineState(const std::vector<std::string>& ignore) {
    std::vector<std::string> files;
    std::vector<std::string> skip = ignore;
    skip.push_back("C:\\windows");
    List("C:\\", skip, files);
    for (const char* folder : {"C:\\windows\\", "C:\\windows\\system32\\", "C:\\windows\\syswow64\\"}) {
        std::vector<std::string> all;
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((std::string(folder) + "*.scr*").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) continue;
        do files.push_back(std::string(folder) + data.cFileName + " " + std::to_string(data.nFileSizeLow));
        while (FindNextFileA(find, &data));
        FindClose(find);
    }
    std::sort(files.begin(), files.end());
    std::string out;
    for (const std::string& f : files) out += f + "\n";
    std::string ini;
    ReadBytes("C:\\windows\\system.ini", ini);
    out += "system.ini:\n" + ini + "\n";
    const char arp[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Whirlmark";
    out += Dump(HKEY_CURRENT_USER, "HKCU", "Software\\Brindlecroft");
    out += Dump(HKEY_LOCAL_MACHINE, "HKLM", "Software\\Brindlecroft");
    out += Dump(HKEY_LOCAL_MACHINE, "HKLM", arp);
    out += Dump(HKEY_CURRENT_USER, "HKCU", arp);
    out += "saver: " + SaverEntry() + "\nswitch: " + ScreenSaverSwitch() + "\n";
    return out;
}

bool Restart() {
    wt::Process boot = wt::Launch("C:\\windows\\system32\\wineboot.exe -r");
    return boot.Valid() && boot.Wait(120000) != STILL_ACTIVE;
}

}  // namespace ic
