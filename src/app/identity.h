// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's identity. On Linux these end up in QCoreApplication, the
// desktop entry and the package metadata instead of a version resource.
namespace app::identity {

inline constexpr char title[] = "Al-Tavesh Zakat Calculator";
inline constexpr char executableName[] = "Al-Tavesh";
inline constexpr char projectName[] = "Project1";
inline constexpr int versionNumbers[4] = {1, 0, 0, 0};
inline constexpr char versionText[] = "1.00";
inline constexpr char productName[] = "Al-Tavesh Zakat Calculator";
inline constexpr char internalName[] = "Al-Tavesh";
inline constexpr char originalFilename[] = "Al-Tavesh.exe";
inline constexpr char comments[] = "This the intial version ";
inline constexpr char companyName[] = "Al-Tavesh Islamic Center";
inline constexpr char language[] = "en_US"; // English (United States)

} // namespace app::identity
