#include "RunInProgram.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString IntervalKey = QStringLiteral("interval");
const QString PercentageKey = QStringLiteral("frequency_percentage");

} // namespace

RunInProgram RunInProgram::fromFile(const QString &fileName)
{
    RunInProgram program;
    // QSettings would create a missing file's store silently; there is nothing to read.
    if (!QFileInfo(fileName).isFile())
        return program;
    // QSettings turns a value reading "@Variant(" (also when spelled with a
    // backslash escape) into an object through QDataStream, where a few crafted
    // bytes make it allocate without bound, and it reads a file of any size
    // whole. A program holds plain numbers in a few lines: a file with "@" or
    // "\" in it, or of more than MaximumSize bytes, is none.
    QFile file(fileName);
    const qint64 size = file.size();
    if (size > MaximumSize || !file.open(QIODevice::ReadOnly))
        return program;
    const QByteArray content = file.read(size);
    if (content.contains('@') || content.contains('\\'))
        return program;
    file.close();

    QSettings settings(fileName, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return program;

    const QStringList groups = settings.childGroups();
    for (int number = 1; groups.contains(QStringLiteral("step%1").arg(number)); ++number) {
        settings.beginGroup(QStringLiteral("step%1").arg(number));
        if (settings.contains(IntervalKey) && settings.contains(PercentageKey)) {
            // Like parameter values in files: text that is no number reads as 0,
            // and only the low 16 bits count.
            const auto interval = uint16_t(settings.value(IntervalKey).toUInt());
            const auto percentage = uint16_t(settings.value(PercentageKey).toUInt());
            program.m_steps.append({interval, percentage});
            program.m_totalSeconds += interval;
        }
        settings.endGroup();
    }
    return program;
}
