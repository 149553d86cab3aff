#include "platform/qt_settings_store.h"

#include "core/common/cp932.h"

#include <QByteArray>
#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <charconv>
#include <optional>

namespace tonalink {
namespace {

QString keyOf(std::string_view section, std::string_view key) {
    return QString::fromUtf8(section.data(), qsizetype(section.size())) + u'/' +
           QString::fromUtf8(key.data(), qsizetype(key.size()));
}

std::optional<int32_t> parseInt(const QString& text) {
    QByteArray digits = text.trimmed().toUtf8();
    const char* begin = digits.constData();
    const char* end = begin + digits.size();
    if (begin != end && *begin == '+')
        ++begin;
    int32_t value = 0;
    auto [stop, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || stop != end || begin == end)
        return std::nullopt;
    return value;
}

std::optional<std::string> cp932FromQString(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    return cp932::fromUtf8(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : QtSettingsStore(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                  QStringLiteral("QUILLFERN"),
                                                  QStringLiteral("Tonalink"))) {}

QtSettingsStore::QtSettingsStore(const QString& filePath)
    : QtSettingsStore(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

QtSettingsStore::QtSettingsStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings)) {
    // The file is replaced atomically (a link is written through to its target),
    // and written in place when its folder takes no new file: never left unsaved.
    m_settings->setAtomicSyncRequired(false);
}

QtSettingsStore::~QtSettingsStore() = default;

int32_t QtSettingsStore::readInt(std::string_view section, std::string_view key, int32_t def) {
    QVariant value = m_settings->value(keyOf(section, key));
    switch (value.typeId()) {
    case QMetaType::Int:
        return value.toInt();
    case QMetaType::QString:
        return parseInt(value.toString()).value_or(def);
    default:
        return def;
    }
}

std::string QtSettingsStore::readString(std::string_view section, std::string_view key,
                                        std::string_view def) {
    QVariant value = m_settings->value(keyOf(section, key));
    std::optional<std::string> text;
    switch (value.typeId()) {
    case QMetaType::QString:
        text = cp932FromQString(value.toString());
        break;
    // An unquoted value with commas, as a hand-edited file may have it
    // ("Extension=0,"): the text between the commas comes back joined.
    case QMetaType::QStringList:
        text = cp932FromQString(value.toStringList().join(u','));
        break;
    case QMetaType::QByteArray: {
        QByteArray bytes = value.toByteArray();
        text = std::string(bytes.constData(), std::size_t(bytes.size()));
        break;
    }
    default:
        break;
    }
    return text ? std::move(*text) : std::string(def);
}

void QtSettingsStore::writeInt(std::string_view section, std::string_view key, int32_t value) {
    m_settings->setValue(keyOf(section, key), int(value));
}

void QtSettingsStore::writeString(std::string_view section, std::string_view key,
                                  std::string_view value) {
    if (auto utf8 = cp932::toUtf8(value))
        m_settings->setValue(keyOf(section, key),
                             QString::fromUtf8(utf8->data(), qsizetype(utf8->size())));
    else
        m_settings->setValue(keyOf(section, key),
                             QByteArray(value.data(), qsizetype(value.size())));
}

bool QtSettingsStore::sync() {
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

QString QtSettingsStore::fileName() const {
    return m_settings->fileName();
}

} // namespace tonalink
