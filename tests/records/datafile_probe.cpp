// Runs one data-file step in the current directory, for tests that need another user's
// permissions. Prints "absent", "present", "ok", or the access error's code and message.
#include "records/AccessError.h"
#include "records/DataFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char* argv[])
{
    if (argc < 2)
        return 2;
    try {
        if (std::strcmp(argv[1], "open") == 0) {
            std::puts(DataFile::OpenExisting() ? "present" : "absent");
        } else if (std::strcmp(argv[1], "write") == 0 && argc == 3) {
            std::vector<IdentityRecord> records(std::size_t(std::atoi(argv[2])));
            for (IdentityRecord& record : records)
                WriteField(record, RecordField::Name, QStringLiteral("Sonde"));
            WriteDataFile(records);
            std::puts("ok");
        } else {
            return 2;
        }
    } catch (const AccessError& error) {
        std::printf("%d %s\n", error.code(), error.what());
    }
    return 0;
}
