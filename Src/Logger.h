#pragma once

#include <QString>
#include <QtGlobal>
#include <spdlog/spdlog.h>
#include <string>

// QString arguments are written as UTF-8.
template <>
struct fmt::formatter<QString> : fmt::formatter<std::string_view> {
    template <typename FormatContext>
    auto format(const QString& text, FormatContext& ctx) const
    {
        const QByteArray utf8 = text.toUtf8();
        return fmt::formatter<std::string_view>::format(std::string_view(utf8.constData(), utf8.size()), ctx);
    }
};

void SetupLogger();
void qLogHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);

namespace Logging {
// "/work/x/Src/Settings/Settings.cpp" -> "Src/Settings/Settings": the form every line names its source by.
std::string sourceName(const char* path);
}

// One static name per call site, so each line costs no string building.
#define TRELLION_LOG(level, ...)                                                                             \
    spdlog::log(spdlog::source_loc { [] {                                                                    \
                                        static const std::string name = Logging::sourceName(__FILE__);       \
                                        return name.c_str();                                                 \
                                    }(),                                                                     \
                    __LINE__, __func__ },                                                                    \
        level, __VA_ARGS__)

#define LOG_INFO(...) TRELLION_LOG(spdlog::level::info, __VA_ARGS__)
#define LOG_WARNING(...) TRELLION_LOG(spdlog::level::warn, __VA_ARGS__)
#define LOG_ERROR(...) TRELLION_LOG(spdlog::level::err, __VA_ARGS__)
#define LOG_CRITICAL(...) TRELLION_LOG(spdlog::level::critical, __VA_ARGS__)
