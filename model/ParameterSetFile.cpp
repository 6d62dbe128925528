#include "ParameterSetFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>

namespace {
const QString ParametersGroup = QStringLiteral("Parameters");
const QString ProgramVersion = QStringLiteral("v1.9.5");
} // namespace

ParameterSetFile::ParameterSetFile(const QString &fileName) : m_fileName(fileName)
{
    if (fileName.endsWith(QLatin1String(".mps"), Qt::CaseInsensitive))
        m_kind = DeviceSet;
    else if (fileName.endsWith(QLatin1String(".mtr"), Qt::CaseInsensitive))
        m_kind = MotorSet;
}

bool ParameterSetFile::includes(const ParameterDescriptor &descriptor) const
{
    if (descriptor.id == 0)
        return false;
    switch (m_kind) {
    case DeviceSet:
        return descriptor.inDeviceSet;
    case MotorSet:
        return descriptor.inMotorSet;
    case NoSet:
        break;
    }
    return false;
}

bool ParameterSetFile::write(const QVector<Entry> &entries) const
{
    // QSettings replaces a file atomically on each sync, but it cannot start
    // from an empty store without first reading the old file (whose read
    // errors would then stick to the status). So the whole set is composed in
    // a private staging file in one sync and only then put in place with
    // QSaveFile, which renames over the target on commit: a failure at any
    // step leaves an existing file untouched.
    QTemporaryDir staging;
    if (!staging.isValid())
        return false;
    const QString stagingName = staging.filePath(QStringLiteral("set.ini"));
    {
        QSettings settings(stagingName, QSettings::IniFormat);
        settings.setAtomicSyncRequired(true);
        settings.setValue(QStringLiteral("CreatedBy"),
                          QCoreApplication::applicationName() + QLatin1Char(' ') + ProgramVersion);
        settings.setValue(QStringLiteral("CreatedAt"),
                          QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")));
        settings.beginGroup(ParametersGroup);
        for (const Entry &entry : entries)
            settings.setValue(QString::fromLatin1(entry.first), QString::number(entry.second));
        settings.endGroup();
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
    }

    QFile staged(stagingName);
    if (!staged.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = staged.readAll();
    staged.close();

    QSaveFile target(m_fileName);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    if (target.write(content) != content.size()) {
        target.cancelWriting();
        return false;
    }
    return target.commit();
}

bool ParameterSetFile::read(QHash<QByteArray, uint16_t> &values) const
{
    // Read line by line rather than through QSettings: QSettings turns a value
    // written as "@Variant(...)" (also when spelled with escapes) into an object
    // through QDataStream, where a few crafted bytes make it allocate without
    // bound, and it reads a file of any size whole. Parameter sets need none of
    // that; their values are plain numbers in lines of the form key=value.
    QFile file(m_fileName);
    const qint64 size = file.size();
    if (!QFileInfo(m_fileName).isFile() || size > MaximumSize || !file.open(QIODevice::ReadOnly))
        return false;
    QByteArray content = file.read(size);
    const bool isText = std::all_of(content.cbegin(), content.cend(), [](char c) {
        const auto byte = uchar(c);
        return (byte >= 0x20 && byte != 0x7F) || c == '\t' || c == '\n' || c == '\r';
    });
    if (!isText)
        return false;
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);

    const QByteArray parametersSection = ParametersGroup.toLatin1();
    QHash<QByteArray, uint16_t> found;
    QByteArray section;
    for (const QByteArray &rawLine : content.replace('\r', '\n').split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[')) {
            const int end = line.indexOf(']');
            if (end < 0)
                return false; // as for QSettings, a broken section line spoils the file
            section = line.mid(1, end - 1).trimmed();
            continue;
        }
        const int equals = line.indexOf('=');
        if (equals < 0 || section != parametersSection)
            continue;
        QByteArray value = line.mid(equals + 1);
        const int comment = value.indexOf(';');
        if (comment >= 0)
            value.truncate(comment);
        value = value.trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        if (const auto raw = parseRaw(QString::fromLatin1(value)))
            found.insert(line.left(equals).trimmed(), *raw);
    }
    for (auto it = found.cbegin(); it != found.cend(); ++it)
        values.insert(it.key(), it.value());
    return true;
}

std::optional<uint16_t> ParameterSetFile::parseRaw(const QString &text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        return std::nullopt;
    uint32_t value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = std::min<uint32_t>(value * 10 + uint32_t(c.unicode() - '0'), 0xFFFF);
    }
    return uint16_t(value);
}
