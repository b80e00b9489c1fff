#include "wizard/windows.h"

#include <stdexcept>

namespace korvalde {

const WindowRow &windowRow(const QString &name)
{
    for (const WindowRow &row : windowTable()) {
        if (row.name == name)
            return row;
    }
    throw std::logic_error("no window " + name.toStdString());
}

} // namespace korvalde
