#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstdint>

// One entry of the inverter's error and warning table. The texts are the German
// source texts; they are translated only when shown, in the context below.
struct ErrorDescription
{
    static constexpr int32_t Error = 1;
    static constexpr int32_t Warning = 2;
    static constexpr const char *TranslationContext = "DiagnosticsWidgetHalvex";

    int32_t code = 0;
    int32_t kind = 0;
    QString title;
    QString description; // empty for most entries
    QString cause;
    QString remedy;

    // One of the texts above in the current user interface language.
    static QString translated(const QString &sourceText)
    {
        return QCoreApplication::translate(TranslationContext, sourceText.toUtf8().constData());
    }
};
