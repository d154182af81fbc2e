#pragma once

#include <QString>
#include <string>

namespace quantora {

// Record texts are Windows-1252 bytes; the windows show and take them as Qt text.
QString FromRecordText(const std::string& cp1252);
// Characters Windows-1252 cannot hold become "?"; fields that must not lose any refuse them first.
std::string ToRecordText(const QString& text);

}  // namespace quantora
