// Any bytes as the data file: records, or the program's own error. What loads is rewritten
// and reads back the same.
#include "records/DataFile.h"
#include "records/DataFileRewrite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

QStringList names(const RecordTable& table)
{
    QStringList result;
    for (int number = 1; number <= table.count; ++number)
        result << ReadField(table.slot(number), RecordField::Name);
    return result;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static QTemporaryDir directory;
    if (!directory.isValid() || !QDir::setCurrent(directory.path()))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QFile file(QString::fromLatin1(kDataFileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();
    RecordTable table;
    try {
        if (!ReadDataFile(table))
            std::abort();
    } catch (const ParcovalError&) {
        return 0;
    }
    RewriteDataFile(table);
    RecordTable again;
    if (!ReadDataFile(again) || names(again) != names(table) || again.count != table.count)
        std::abort();
    return 0;
}
