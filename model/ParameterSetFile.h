#pragma once

#include "ParameterDescriptor.h"

#include <QHash>
#include <QPair>
#include <QString>
#include <QVector>

#include <cstdint>
#include <optional>

// One parameter set file on disk or in the resources: an INI file with the
// header keys CreatedBy and CreatedAt and a [Parameters] group of catalogue
// keys with raw values as unsigned decimal numbers. The kind follows the file
// name's suffix, without regard to case.
class ParameterSetFile
{
public:
    enum Kind {
        NoSet,     // neither suffix: no parameter belongs to it
        DeviceSet, // ".mps"
        MotorSet,  // ".mtr"
    };

    using Entry = QPair<QByteArray, uint16_t>; // catalogue key, raw value

    explicit ParameterSetFile(const QString &fileName);

    Kind kind() const { return m_kind; }
    // Whether a parameter is a member of this file's set.
    bool includes(const ParameterDescriptor &descriptor) const;

    // Replaces the file with the header and the given entries. Either the new
    // file is complete or an existing file is left exactly as it was.
    bool write(const QVector<Entry> &entries) const;
    // Parameter sets are a few KiB; a larger file is refused unread.
    static constexpr qint64 MaximumSize = 1024 * 1024;

    // The entries of the [Parameters] group whose values are numbers; a later
    // line with the same key wins. False, with nothing added, when the file does
    // not exist, cannot be read, is larger than MaximumSize, is no text (control
    // characters other than tab and line ends) or has a section line without
    // its closing bracket.
    bool read(QHash<QByteArray, uint16_t> &values) const;

    // An unsigned decimal number, saturated to 65535; nothing for any other text.
    static std::optional<uint16_t> parseRaw(const QString &text);

private:
    QString m_fileName;
    Kind m_kind = NoSet;
};
