#include "ui/record_text.h"

#include "catalogue/cp1252.h"

namespace quantora {

QString FromRecordText(const std::string& cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

std::string ToRecordText(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

}  // namespace quantora
