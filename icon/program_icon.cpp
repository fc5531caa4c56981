#include "icon/program_icon.h"

#include <QString>

namespace calorix {

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : kProgramIconSizes)
        icon.addFile(QStringLiteral(":/calorix/icon/calorix-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace calorix
