#pragma once

#include <QString>

#include <optional>

// Settings and records keep numbers and flags as text; these read what older versions wrote.

// "True"/"False" in any case, or a whole number (non-zero is true); nullopt for anything else.
std::optional<bool> textToBool(const QString &text);
// A decimal whole number with optional sign and surrounding spaces, within int range.
std::optional<int> textToInt(const QString &text);
// "True" or "False", the spelling older versions wrote.
QString boolToText(bool value);
