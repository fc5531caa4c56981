#include "app/tips_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace calorix {

QStringList TipsFilePlaces(const QString& programDir) {
    const QString name = QStringLiteral("tips.rtf");
    QStringList places{programDir + QLatin1Char('/') + name,
                       QDir::cleanPath(programDir + QStringLiteral("/../share/calorix/") + name)};
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        places.append(data + QStringLiteral("/calorix/") + name);
    places.removeDuplicates();
    return places;
}

QString FindTipsFile(const QString& programDir) {
    const QStringList places = TipsFilePlaces(programDir);
    for (const QString& place : places) {
        if (QFileInfo::exists(place)) return place;
    }
    return places.first();
}

}  // namespace calorix
