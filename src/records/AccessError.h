#pragma once

#include "ParcovalError.h"

// The codes of access errors that have a message of their own, in the numbering users of the
// format know. Any other code is a system error number, shown as "Erreur E/S <code>".
enum class AccessCode : int {
    FileNotFound = 2,
    PathNotFound = 3,
    TooManyOpenFiles = 4,
    AccessDenied = 5,
    ReadPastEnd = 100, // fewer than 153 bytes left
    DiskFull = 101, // a write stored less than it was given
    FileNotOpen = 103,
    InvalidNumericInput = 106,
    // A device's input/output error. EIO's number here would read as "access denied".
    DeviceError = 1117,
};

// A failed access to the data file.
class AccessError : public ParcovalError {
public:
    explicit AccessError(int code);
    explicit AccessError(AccessCode code)
        : AccessError(int(code))
    {
    }
    int code() const noexcept { return m_code; }

private:
    int m_code;
};

QString AccessMessage(int code);

// This system's errno value as an access error code.
int AccessCodeOfErrno(int error);
