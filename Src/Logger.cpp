#include "Logger.h"

#include "PrivateFiles.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <cstring>
#include <spdlog/pattern_formatter.h>
#include <spdlog/sinks/daily_file_sink.h>
#include <spdlog/sinks/stdout_color_sinks.h>

namespace Logging {

std::string sourceName(const char* path)
{
    std::string name(path);
    const auto root = name.rfind("Src/");
    if (root != std::string::npos)
        name.erase(0, root);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && name.find('/', dot) == std::string::npos)
        name.erase(dot);
    return name;
}

} // namespace Logging

namespace {

// spdlog leaves the source blank for line 0; Qt messages without context must
// still show "<Unknown File>:0 qml".
class SourceFileFlag : public spdlog::custom_flag_formatter {
public:
    void format(const spdlog::details::log_msg& msg, const std::tm&, spdlog::memory_buf_t& dest) override
    {
        fmt::format_to(std::back_inserter(dest), "{}:{}", msg.source.filename ? msg.source.filename : "",
            msg.source.line);
    }
    std::unique_ptr<custom_flag_formatter> clone() const override
    {
        return std::make_unique<SourceFileFlag>();
    }
};

class SourceFunctionFlag : public spdlog::custom_flag_formatter {
public:
    void format(const spdlog::details::log_msg& msg, const std::tm&, spdlog::memory_buf_t& dest) override
    {
        fmt::format_to(std::back_inserter(dest), "{}", msg.source.funcname ? msg.source.funcname : "");
    }
    std::unique_ptr<custom_flag_formatter> clone() const override
    {
        return std::make_unique<SourceFunctionFlag>();
    }
};

} // namespace

void SetupLogger()
{
    const QString basePath
        = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/Trellion.txt";

    std::vector<spdlog::sink_ptr> sinks;
    // The day's file, as the first line names it.
    std::string logFile = basePath.toStdString();
    // spdlog would create a missing folder with the umask's mode.
    QString problem = PrivateFiles::makeFolder(QFileInfo(basePath).absolutePath());
    if (problem.isEmpty()) {
        // Also each new day's file, and one an earlier version left readable to all.
        spdlog::file_event_handlers privateFile;
        privateFile.after_open = [](const spdlog::filename_t&, std::FILE* file) {
            const QString restricted = PrivateFiles::restrict(fileno(file));
            if (!restricted.isEmpty())
                std::fprintf(
                    stderr, "Trellion: log file not private (%s)\n", restricted.toLocal8Bit().constData());
        };
        try {
            auto fileSink = std::make_shared<spdlog::sinks::daily_file_sink_mt>(
                basePath.toStdString(), 0, 0, false, 0, privateFile);
            logFile = fileSink->filename();
            sinks.push_back(fileSink);
        } catch (const spdlog::spdlog_ex& error) {
            problem = QString::fromLocal8Bit(error.what());
        }
    }
    if (!problem.isEmpty()) {
        // Without a log file the app still runs; the console keeps the record.
        std::fprintf(stderr, "Trellion: cannot open the log file %s (%s); logging to the console only\n",
            basePath.toLocal8Bit().constData(), problem.toLocal8Bit().constData());
    }
    sinks.push_back(std::make_shared<spdlog::sinks::stdout_color_sink_mt>());

    auto logger = std::make_shared<spdlog::logger>("TrellionLogger", sinks.begin(), sinks.end());
    auto formatter = std::make_unique<spdlog::pattern_formatter>(spdlog::pattern_time_type::local);
    formatter->add_flag<SourceFileFlag>('@').add_flag<SourceFunctionFlag>('!');
    formatter->set_pattern("[%Y-%m-%d %T.%e] [%l]-> %v <-[%@ %!]");
    logger->set_formatter(std::move(formatter));
    // A crash must not take the last lines with it: warnings and worse reach the file at once,
    // the rest within a second.
    logger->flush_on(spdlog::level::warn);
    spdlog::set_default_logger(logger);
    spdlog::flush_every(std::chrono::seconds(1));
    qInstallMessageHandler(qLogHandler);

    LOG_WARNING("Logs path=[{}]", logFile);
}

void qLogHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    spdlog::level::level_enum level;
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg:
        level = spdlog::level::info;
        break;
    case QtWarningMsg:
        level = spdlog::level::warn;
        break;
    case QtCriticalMsg:
        level = spdlog::level::err;
        break;
    case QtFatalMsg:
        level = spdlog::level::critical;
        break;
    default:
        return;
    }
    const char* file = context.file ? context.file : "<Unknown File>";
    const char* function = context.function ? context.function : "qml";
    spdlog::log(spdlog::source_loc { file, context.line, function }, level, "{}",
        message.toLocal8Bit().toStdString());
}
