#include "ui/widgets/qt_text.h"

#include "core/common/cp932.h"

namespace tonalink {

std::optional<std::string> toCp932(const QString& text) {
    return cp932::fromUtf16(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
}

std::optional<std::string> toCp932Exactly(const QString& text) {
    std::optional<std::string> bytes = toCp932(text);
    return bytes && fromCp932(*bytes) == text ? bytes : std::nullopt;
}

QString fromCp932(std::string_view bytes) {
    const std::string utf8 = cp932::toUtf8Lossy(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString withCrLf(const QString& editText) {
    QString out = editText;
    out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return out;
}

QString withLf(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

} // namespace tonalink
