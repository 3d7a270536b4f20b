#pragma once

#include <string>

/// A name beside target, in its folder, that no other writer uses, not even
/// another thread of this process: ".<file name>.tmp<process id>-<count>".
std::string temporaryNameFor(const std::string& target);
