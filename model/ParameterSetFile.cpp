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
    if (!QFileInfo(m_fileName).isFile())
        return false;
    QSettings settings(m_fileName, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return false;

    settings.beginGroup(ParametersGroup);
    const QStringList keys = settings.childKeys();
    for (const QString &key : keys) {
        const QVariant value = settings.value(key);
        if (value.userType() != QMetaType::QString)
            continue;
        if (const auto raw = parseRaw(value.toString()))
            values.insert(key.toLatin1(), *raw);
    }
    settings.endGroup();
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
