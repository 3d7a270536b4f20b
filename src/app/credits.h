#pragma once

#include <QLatin1StringView>

// Who made the program and where to reach them, as the splash and About
// windows show it.

/// The version both windows show (the main window's caption keeps "v1.0").
inline constexpr QLatin1StringView kVersionText("Version 1.1");
/// The maker's name as the splash writes it.
inline constexpr QLatin1StringView kMakerName("KORVANE SOFTWARE");
/// The author credit of the About window.
inline constexpr QLatin1StringView kAuthorCredit("Korvane Software");
/// The maker's web site as the windows show it.
inline constexpr QLatin1StringView kMakerSite("www.korvane.example");
/// The address the web site link opens: a bare address opens nothing here.
inline constexpr QLatin1StringView kMakerSiteUrl("https://www.korvane.example");
/// The feedback e-mail address as the About window shows it.
inline constexpr QLatin1StringView kFeedbackAddress("feedback@korvane.example");
/// The address the feedback link opens.
inline constexpr QLatin1StringView kFeedbackUrl("mailto:feedback@korvane.example");
