#include "app/font_choice.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QString>

namespace calorix {

QStringList ChooseFontFamilies(const QString& name, bool fixedPitch,
                               const QStringList& baseFamilies) {
    if (name.isEmpty()) return baseFamilies;
    const QStringList asked{name};
    if (!fixedPitch || QFontDatabase::hasFamily(name)) return asked;
    // What the font system substitutes for the name itself: asked with a
    // fixed-pitch hint it would answer with any monospaced face, which says
    // nothing about the name.
    QFont probe(name);
    probe.setStyleHint(QFont::AnyStyle);
    if (QFontInfo(probe).fixedPitch()) return asked;
    QString fallback = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    if (fallback.isEmpty()) fallback = QStringLiteral("monospace");
    return QStringList{fallback};
}

}  // namespace calorix
