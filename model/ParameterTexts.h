#pragma once

#include <QString>

#include <cstdint>

// Captions and units of the catalogue's parameters, for views that list
// parameters without a page form: the compare view, reports and the
// command-line program. The pages keep their own captions in their forms.
// Texts are German source texts translated in the "ParameterTexts" context.
class ParameterTexts
{
public:
    // Translated caption ("Maximale Frequenz"); "P<number>" without an entry.
    static QString caption(uint16_t id);
    // Translated unit in stored units ("Hz", "A eff~"); empty for counts,
    // enumerations and bit words. Convertible frequencies are shown in
    // "min-1" by the dataset controller instead.
    static QString unit(uint16_t id);
};
