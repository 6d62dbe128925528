#include "SpindleCatalogue.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const QString SpeedSeparator = QStringLiteral(" - ");
const QString SpeedEnding = QStringLiteral(" rpm.mtr");

} // namespace

SpindleCatalogue::SpindleCatalogue(QDir::SortFlags order, const QString &folder)
    : m_folder(folder), m_files(m_folder.entryList({QStringLiteral("*.mtr")}, QDir::Files, order))
{
}

QStringList SpindleCatalogue::families() const
{
    QStringList families;
    for (const QString &file : m_files) {
        const QString family = file.section(QLatin1Char(' '), 0, 0);
        if (!families.contains(family))
            families.append(family);
    }
    return families;
}

QStringList SpindleCatalogue::types(const QString &family) const
{
    QStringList types;
    const QString prefix = family + QLatin1Char(' ');
    for (const QString &file : m_files) {
        if (!file.startsWith(prefix) || !file.contains(SpeedSeparator))
            continue;
        const QString type = file.mid(prefix.size()).section(SpeedSeparator, 0, 0);
        if (!type.isEmpty() && !types.contains(type))
            types.append(type);
    }
    return types;
}

QVector<SpindleCatalogue::Speed> SpindleCatalogue::speeds(const QString &family, const QString &type) const
{
    QVector<Speed> speeds;
    const QString prefix = family + QLatin1Char(' ') + type + SpeedSeparator;
    for (const QString &file : m_files) {
        const QFileInfo info(m_folder, file);
        if (!file.startsWith(prefix) || !file.endsWith(SpeedEnding) || info.size() <= 0)
            continue;
        const QString speed = file.mid(prefix.size(), file.size() - prefix.size() - SpeedEnding.size());
        const auto same = [&speed](const Speed &known) { return known.speed == speed; };
        if (std::any_of(speeds.cbegin(), speeds.cend(), same))
            continue;
        // The name order puts "8000" after "24000": place by the number of digits.
        auto position = speeds.begin();
        while (position != speeds.end() && position->speed.size() <= speed.size())
            ++position;
        speeds.insert(position, {speed, info.absoluteFilePath()});
    }
    return speeds;
}
