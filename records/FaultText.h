#pragma once

#include <QMetaType>
#include <QString>

#include <functional>

// What the error table says about a code, translated. The table belongs to the
// diagnostics page; whoever owns both hands a lookup to the records.
struct FaultText
{
    enum Kind { Unknown = 0, Error = 1, Warning = 2 };

    Kind kind = Unknown;
    QString title;
    QString cause;
    QString remedy;
};

// Answers a FaultText with kind Unknown and empty texts for a code without entry.
using FaultLookup = std::function<FaultText(int code)>;

Q_DECLARE_METATYPE(FaultText::Kind)
