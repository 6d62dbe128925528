// Checks the page tests share.
#pragma once

#include <QLabel>
#include <QStringList>
#include <QTranslator>
#include <QtTest>

// `fields` lists "objectName=parameter" pairs: each field carries its number and
// exactly one caption carries the same number.
inline QString unboundField(const QWidget *page, const QString &fields)
{
    for (const QString &entry : fields.split(' ', Qt::SkipEmptyParts)) {
        const QString number = entry.section('=', 1);
        const QWidget *field = page->findChild<QWidget *>(entry.section('=', 0, 0));
        int captions = 0;
        for (const QLabel *label : page->findChildren<QLabel *>())
            captions += label->accessibleDescription() == number;
        if (!field || field->accessibleDescription() != number || captions != 1)
            return entry;
    }
    return {};
}

// The English catalogue for the lifetime of the object.
struct English
{
    QTranslator translator;
    const bool installed = translator.load(":/Translations/English.qm") && QCoreApplication::installTranslator(&translator);
    ~English() { QCoreApplication::removeTranslator(&translator); }
};
