// The Add/Remove Programs entry Setup writes and Uninstall removes: the key under
// HKEY_LOCAL_MACHINE, or HKEY_CURRENT_USER where the machine's cannot be written. A
// 32-bit program on 64-bit Windows sees the 32-bit view of both by itself, so Setup and
// Uninstall meet in the same place without asking for a view.
#pragma once

namespace product {

inline constexpr char kUninstallParent[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
inline constexpr char kUninstallKeyName[] = "Whirlmark";
inline constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Whirlmark";
inline constexpr char kDisplayName[] = "Whirlmark";
inline constexpr char kPublisher[] = "Brindlecroft";

}  // namespace product
