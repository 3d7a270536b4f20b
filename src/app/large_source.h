#pragma once

#include <QString>
#include <cstdint>
#include <string>

class QWidget;

/// The size past which Open asks before it reads a source: the panes of a
/// larger one take gigabytes and a long wait.
inline constexpr std::uint64_t LargeSourceSize = 64 << 20;

/// The question before a large source is opened, naming the file and its
/// size: "'<file>' is 80.0 MB large. ..."
QString largeSourceQuestion(const std::string& fileName, std::uint64_t size);

/// Asks it (objectName "LargeSourceQuestion"); true when the user says Yes.
bool confirmLargeSource(QWidget* owner, const std::string& fileName, std::uint64_t size);
