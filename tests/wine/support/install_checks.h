// What the install and removal tests look at on the machine: files, folders, shortcuts,
// the product's registry keys and the system.ini entry, and snapshots of all of them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ic {

// Windows system directory, ending in "\".
std::string SystemDir();
// The all-users Start-menu Programs folder, ending in "\".
std::string CommonPrograms();
// Folder of the x86_64 installation medium built beside the tests, ending in "\".
std::string BuiltMedium();

bool ReadBytes(const std::string& path, std::string& bytes);
bool WriteBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Makes every level of `folder`.
void MakeFolders(const std::string& folder);
// Copies every file of folder `from` into folder `to` (made if missing).
bool CopyFolderFiles(const std::string& from, const std::string& to);

struct Link {
    std::string target;
    std::string description;
};
// Loads a shortcut back through IShellLinkA; false when it cannot be loaded.
bool LoadShortcut(const std::string& path, Link& link);

// system.ini [boot] SCRNSAVE.EXE, or "<none>" when the key is absent.
std::string SaverEntry();
void SetSaverEntry(const char* value);
// GetShortPathNameA of `path`; empty on failure.
std::string ShortPath(const std::string& path);
// The screen-saver switch as the system stores it ("0" or "1"), or "<none>".
std::string ScreenSaverSwitch();

// Every value and subkey under HKEY_CURRENT_USER\`key`, one line each; empty when the
// key is missing.
std::string DumpKey(const std::string& key);
// The same under `root`.
std::string DumpKey(HKEY root, const std::string& key);
bool KeyExists(const std::string& key);

// The files and folders scheduled for removal at the next restart (the sources of
// PendingFileRenameOperations, without their "\??\" prefix), in order.
std::vector<std::string> PendingRemovals();

// Every file and folder below each of `roots`, one path a line, sorted, with file sizes.
std::vector<std::string> Snapshot(const std::vector<std::string>& roots);

}  // namespace ic
