#include "ui/widgets/qt_text.h"

#include "core/common/cp932.h"

namespace tonalink {

std::optional<std::string> toCp932(const QString& text) {
    return cp932::fromUtf16(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
}

QString fromCp932(std::string_view bytes) {
    QString out;
    while (!bytes.empty()) {
        cp932::Failure failure{};
        if (auto utf16 = cp932::toUtf16(bytes, &failure)) {
            out += QString::fromUtf16(utf16->data(), static_cast<qsizetype>(utf16->size()));
            break;
        }
        const std::size_t good = std::min(failure.offset, bytes.size());
        if (auto prefix = cp932::toUtf16(bytes.substr(0, good))) {
            out += QString::fromUtf16(prefix->data(), static_cast<qsizetype>(prefix->size()));
        }
        out += QChar::ReplacementCharacter;
        const bool lead =
            good < bytes.size() && cp932::isLeadByte(static_cast<unsigned char>(bytes[good]));
        bytes.remove_prefix(
            std::min(bytes.size(), good + (lead && good + 1 < bytes.size() ? 2 : 1)));
    }
    return out;
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
