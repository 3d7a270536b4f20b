#pragma once

#include <QLatin1StringView>

// The program's fixed texts as its windows show them: its name, captions,
// versions, credits and messages. The captions of single controls stay in the
// tables that place them.

/// The program's name, also the title of its question and error boxes.
inline constexpr QLatin1StringView kProgramName("Tessaline");
/// The main window's caption before the output file's name.
inline constexpr QLatin1StringView kMainCaptionPrefix("Korvane Software - Tessaline v1.0  |  ");
/// The main window's caption in place of a file name before one is chosen.
inline constexpr QLatin1StringView kUntitledDocument("Untitled Document");
/// The settings dialog's caption.
inline constexpr QLatin1StringView kSettingsCaption("File Settings");
/// The About window's caption.
inline constexpr QLatin1StringView kAboutCaption("About Tessaline");

/// The version both windows show (the main window's caption keeps "v1.0").
inline constexpr QLatin1StringView kVersionText("Version 1.1");
/// The maker's name as the splash writes it.
inline constexpr QLatin1StringView kMakerName("KORVANE SOFTWARE");
/// The author credit of the About window.
inline constexpr QLatin1StringView kAuthorCredit("Korvane Software");
/// The licence the About window names below the credits.
inline constexpr QLatin1StringView kLicenceName("GNU GPL version 3 or later");
/// The maker's web site as the windows show it.
inline constexpr QLatin1StringView kMakerSite("www.korvane.example");
/// The address the web site link opens: a bare address opens nothing here.
inline constexpr QLatin1StringView kMakerSiteUrl("https://www.korvane.example");
/// The feedback e-mail address as the About window shows it.
inline constexpr QLatin1StringView kFeedbackAddress("feedback@korvane.example");
/// The address the feedback link opens.
inline constexpr QLatin1StringView kFeedbackUrl("mailto:feedback@korvane.example");

/// The question before Save Output replaces a file, after the file's name.
inline constexpr QLatin1StringView kReplaceQuestion(" already exists.\nDo you want to replace it?");
/// The title of the style-sheet warning.
inline constexpr QLatin1StringView kWarningTitle("Warning");
/// The warning before a style-sheet page without a style sheet is previewed.
inline constexpr QLatin1StringView kStyleSheetWarning(
    "You have not selected a style-sheet for this document.\n\r\n\r"
    "The styles chosen will not be displayed correctly until you\n\r"
    "select a style-sheet from the Settings page (F3).");
/// The title of the settings dialog's box for a colour it turns down.
inline constexpr QLatin1StringView kErrorTitle("Error");
/// The question after Save Output wrote a page whose style sheet is missing:
/// the sheet as the page links it, then where it would be written.
inline constexpr QLatin1StringView kWriteStyleSheetQuestion(
    "The page links the style sheet \"%1\", which does not exist.\nDo you want to write it to %2?");
