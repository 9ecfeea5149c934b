#pragma once

namespace delvora {

// This build's version: the project version, followed for a development build by its commit
// ("0.2.0~git20261210.153045.abc1234").
const char* buildVersion();

// What --version prints below the version line and the About window shows.
inline constexpr char kCopyrightNotice[] = "Copyright 2026 The Delvora developers";
inline constexpr char kLicenceNotice[] = "Free software under the MIT licence";

}  // namespace delvora
