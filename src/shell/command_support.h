// command_support.h — what the headless commands share: their exit
// statuses, German messages on standard error (with the usage after a
// wrong call), and opening a file the way a new window does.
#pragma once

#include <filesystem>
#include <string>

namespace vendaro {

class Editor;

inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Prints the message and the usage; returns kExitUsage.
int usageError(const std::string& text);
// Prints the message; returns kExitFailure.
int failure(const std::string& text);
bool isOption(const std::string& arg);
// The empty document first, then the reader the window's open dispatch
// would choose; false when the file could not be read (the user was told).
bool openForCommand(Editor& editor, const std::filesystem::path& path);

}  // namespace vendaro
