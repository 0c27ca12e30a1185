// Shared by the Windows tests: message boxes are answered by the test, not a user.
#pragma once
#include <string>
#include <vector>

struct RecordedMessage {
    std::string text;
    std::string caption;
};

extern std::vector<RecordedMessage> recordedMessages;

// The folder of the packaged program with its data files (dist/win64).
std::string distDir();

// Creates the class, the two layered windows and the surface once, hidden, for tests
// that need real windows.
void ensureShellWindows();
