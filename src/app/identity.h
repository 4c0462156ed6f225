// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's identity. On Linux these end up in QCoreApplication, the
// desktop entry and the package metadata instead of a version resource.
namespace app::identity {

inline constexpr char title[] = "Al-Tavesh Zakat Calculator";
inline constexpr char executableName[] = "Al-Tavesh";
inline constexpr char versionText[] = "1.00";
inline constexpr char companyName[] = "Al-Tavesh Islamic Center";

} // namespace app::identity
