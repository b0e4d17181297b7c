#pragma once

#include <QByteArray>

#include <sys/types.h>

// System calls on the data file, each failure raised as the AccessError of its errno.

[[noreturn]] void ThrowLastError();

// What one read gives, 0 at the end of the file; an interrupted read is retried.
ssize_t ReadSome(int descriptor, char* data, qsizetype size);

// All of it, however many writes it takes; a write that stores nothing is a full disk.
void WriteAll(int descriptor, const QByteArray& bytes);

// Closes and reports what closing found, such as a write the system could not complete.
void CloseChecked(int descriptor);
