#pragma once

#include "ParcovalError.h"

// A failed access to the data file. Codes follow the numbering users of the format know:
// 2 not found, 3 bad path, 4 too many open files, 5 access denied, 100 read past the end,
// 101 disk full, 103 file not open; any other is the system's own error number.
class AccessError : public ParcovalError {
public:
    explicit AccessError(int code);
    int code() const noexcept { return m_code; }

private:
    int m_code;
};

namespace AccessCode {
constexpr int FileNotFound = 2;
constexpr int PathNotFound = 3;
constexpr int TooManyOpenFiles = 4;
constexpr int AccessDenied = 5;
constexpr int ReadPastEnd = 100;
constexpr int DiskFull = 101;
constexpr int FileNotOpen = 103;
constexpr int InvalidNumericInput = 106;
} // namespace AccessCode

QString AccessMessage(int code);

// This system's errno value as an access error code.
int AccessCodeOfErrno(int error);
