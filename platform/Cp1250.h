#pragma once
// Texts of the data files are single bytes of code page 1250 (Polish Windows).
#include <QString>
#include <string>
#include <string_view>

QString Cp1250ToUnicode(std::string_view bajty);
// Characters outside the code page become '?'.
std::string UnicodeToCp1250(const QString& tekst);
