#include "RecordTable.h"

std::optional<int> RecordTable::find(const QString& name) const
{
    for (int number = 1; number <= count; ++number) {
        if (ReadField(slot(number), RecordField::Name) == name)
            return number;
    }
    return std::nullopt;
}

RecordTable& recordTable()
{
    static RecordTable table;
    return table;
}
