#include "ParameterText.h"

#include "DatasetController.h"
#include "ParameterTexts.h"

#include <QJsonValue>

#include <cmath>

namespace {

const char OffText[] = "Aus";

bool isOff(const ParameterDescriptor &d, uint16_t raw)
{
    return d.hasOffState && raw == 0;
}

std::optional<double> parseNumber(const QString &text)
{
    bool ok = false;
    const double value = QString(text.trimmed()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<uint16_t> parseCode(const QString &text)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    const uint code = trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? trimmed.mid(2).toUInt(&ok, 16)
                                                                                      : trimmed.toUInt(&ok, 10);
    if (!ok || code > 0xFFFF)
        return std::nullopt;
    return uint16_t(code);
}

// "Aus" in the interface language or as the German source text.
bool isOffText(const QString &text)
{
    const QString trimmed = text.trimmed();
    return trimmed.compare(QLatin1String(OffText), Qt::CaseInsensitive) == 0
           || trimmed.compare(QCoreApplication::translate("DatasetController", OffText), Qt::CaseInsensitive) == 0;
}

} // namespace

uint16_t ParameterText::resolve(const DatasetController &model, const QString &name)
{
    QString text = name.trimmed();
    if (text.startsWith(QLatin1Char('P'), Qt::CaseInsensitive) && text.size() > 1 && text.at(1).isDigit())
        text = text.mid(1);
    bool isNumber = false;
    const uint number = text.toUInt(&isNumber, 10);
    if (isNumber)
        return number > 0 && number < Param::CatalogueSize && model.descriptor(uint16_t(number)) ? uint16_t(number) : 0;
    for (const uint16_t id : model.catalogue().ids()) {
        if (id != 0 && QString::fromLatin1(model.descriptor(id)->key).compare(text, Qt::CaseInsensitive) == 0)
            return id;
    }
    return 0;
}

QString ParameterText::valueText(DatasetController &model, uint16_t id)
{
    // As a page field would: read through value(), which corrects the stored
    // value against limits that depend on other parameters.
    model.value(id);
    return model.displayText(id, model.rawValue(id));
}

QString ParameterText::line(DatasetController &model, uint16_t id)
{
    const ParameterDescriptor *d = model.descriptor(id);
    if (!d)
        return QString();
    return QStringLiteral("P%1 %2 %3").arg(id).arg(QString::fromLatin1(d->key), valueText(model, id));
}

QString ParameterText::numberText(DatasetController &model, uint16_t id)
{
    // displayText() is the number, a blank and the unit where there is one.
    const QString text = valueText(model, id);
    const QString unit = model.unit(id);
    if (!unit.isEmpty() && text.endsWith(QLatin1Char(' ') + unit))
        return text.left(text.size() - unit.size() - 1);
    return text;
}

QJsonObject ParameterText::json(DatasetController &model, uint16_t id)
{
    const ParameterDescriptor *d = model.descriptor(id);
    if (!d)
        return {};
    const QString text = valueText(model, id);
    const uint16_t raw = model.rawValue(id);
    QJsonObject object{
        {QStringLiteral("number"), id},
        {QStringLiteral("key"), QString::fromLatin1(d->key)},
        {QStringLiteral("caption"), ParameterTexts::caption(id)},
        {QStringLiteral("raw"), raw},
        {QStringLiteral("text"), text},
        {QStringLiteral("unit"), model.unit(id)},
    };
    if (d->isEnumeration() || isOff(*d, raw))
        object.insert(QStringLiteral("value"), text);
    else
        object.insert(QStringLiteral("value"), QJsonValue::fromVariant(numberText(model, id).toDouble()));
    return object;
}

QString ParameterText::name(const DatasetController &model, uint16_t id)
{
    const ParameterDescriptor *d = model.descriptor(id);
    const QString key = d ? QString::fromLatin1(d->key) : QString();
    return QStringLiteral("P%1 %2 (%3)").arg(id).arg(key, ParameterTexts::caption(id));
}

bool ParameterText::isValueSyntax(const DatasetController &model, uint16_t id, const QString &text)
{
    const ParameterDescriptor *d = model.descriptor(id);
    if (!d)
        return false;
    if (d->isEnumeration())
        return parseValue(model, id, text).has_value();
    return parseNumber(text).has_value() || (d->hasOffState && isOffText(text));
}

std::optional<double> ParameterText::parseValue(const DatasetController &model, uint16_t id, const QString &text)
{
    const ParameterDescriptor *d = model.descriptor(id);
    if (!d)
        return std::nullopt;
    if (d->isEnumeration()) {
        const QString wanted = text.trimmed();
        for (auto it = d->enumeration.cbegin(); it != d->enumeration.cend(); ++it) {
            const QString translated = QCoreApplication::translate("DatasetController", it.value().toUtf8().constData());
            if (wanted.compare(it.value(), Qt::CaseInsensitive) == 0 || wanted.compare(translated, Qt::CaseInsensitive) == 0)
                return double(it.key());
        }
        const auto code = parseCode(wanted);
        if (code && d->enumeration.contains(*code))
            return double(*code);
        return std::nullopt;
    }
    if (d->hasOffState && isOffText(text))
        // One resolution step below the minimum stands for off.
        return d->minimum - 1.0 / d->divisor;
    return parseNumber(text);
}

QStringList ParameterText::choices(const DatasetController &model, uint16_t id)
{
    return model.enumeration(id).values();
}
