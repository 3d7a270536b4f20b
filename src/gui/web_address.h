#pragma once

#include <string>

/// An address as the browser needs it: a bare address such as
/// "www.korvane.example/help" gets "https://" in front; one that names its
/// scheme ("https:", "mailto:", "file:") stays as it is.
std::string addressWithScheme(const std::string& address);
