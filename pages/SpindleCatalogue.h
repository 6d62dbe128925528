#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <QVector>

// The built-in motor parameter sets as spindle choices. Their file names are
// "<family> <type> - <speed> rpm.mtr"; the start page and the run-in page offer
// family, type and maximum speed in three cascaded boxes built from them.
class SpindleCatalogue
{
public:
    struct Speed
    {
        QString speed; // digits only, without unit
        QString path;  // absolute path of the motor file
    };

    // Lists the folder's "*.mtr" files once, in the given order.
    explicit SpindleCatalogue(QDir::SortFlags order, const QString &folder = QStringLiteral(":/Motors"));

    // Each once, in listing order.
    [[nodiscard]] QStringList families() const;
    [[nodiscard]] QStringList types(const QString &family) const;
    // Fewer digits first, among equals in listing order; empty files are left out.
    [[nodiscard]] QVector<Speed> speeds(const QString &family, const QString &type) const;

private:
    QDir m_folder;
    QStringList m_files;
};
