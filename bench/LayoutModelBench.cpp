// Reading and writing a classroom library through the model, against a bare
// QJsonDocument parse and serialise of the same bytes.
#include "ClassroomLayoutModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <spdlog/sinks/null_sink.h>
#include <spdlog/spdlog.h>
#include <vector>

namespace {

constexpr int classroomCount = 500;
constexpr int teamBlocksPerClassroom = 40;
constexpr int iconsPerTeamBlock = 10;
constexpr int rounds = 5;

// As the cloud service returns it: positions are numbers.
QJsonObject furnitureIcon(int i)
{
    return { { "x", 10.5 * i }, { "y", 20.25 }, { "rotation", 90 }, { "scale", 1.25 },
        { "name", "ChairRoundYellow" }, { "id", QString("icon-%1").arg(i) } };
}

QJsonObject teamBlock(int classroom, int block)
{
    QJsonArray furniture;
    for (int i = 0; i < iconsPerTeamBlock; ++i)
        furniture.append(furnitureIcon(block * iconsPerTeamBlock + i));
    return { { "name", QString("Team %1").arg(block) },
        { "address", QString("10.%1.%2.1").arg(classroom % 250).arg(block) }, { "x", 100.0 + 30 * block },
        { "y", 200.5 }, { "rotation", -15.25 }, { "color", "#3fa9f5" }, { "displayicon", "DisplayYellow" },
        { "tableicon", "RoundTableYellow" }, { "tableiconrotation", 45 }, { "tableiconscale", 2 },
        { "furniture", furniture }, { "displayid", QString("Pod_%1_%2").arg(classroom).arg(block) } };
}

QByteArray library()
{
    QJsonArray classrooms;
    for (int c = 0; c < classroomCount; ++c) {
        QJsonArray teamBlocks;
        for (int b = 0; b < teamBlocksPerClassroom; ++b)
            teamBlocks.append(teamBlock(c, b));
        classrooms.append(
            QJsonObject { { "id", QString("room-%1").arg(c) }, { "name", QString("Room %1").arg(c) },
                { "roomnumber", QString::number(c) }, { "building", "North Hall" },
                { "roomtype", "rectangle" }, { "roomscale", 0.85 }, { "requirePasswordOnExit", false },
                { "showRoutingBanners", true }, { "audioSources", QString("10.%1.0.1").arg(c % 250) },
                { "primarydisplay",
                    QJsonObject { { "active", true }, { "x", 480 }, { "y", 40 },
                        { "address", "127.0.0.1:1805" }, { "id", "Pod_front" } } },
                { "teamblocks", teamBlocks }, { "furniture", QJsonArray { furnitureIcon(0) } } });
    }
    return QJsonDocument(classrooms).toJson(QJsonDocument::Compact);
}

// The fastest of several rounds, in milliseconds.
double best(const std::function<void()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer clock;
        clock.start();
        run();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    return *std::min_element(times.begin(), times.end());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    spdlog::set_default_logger(
        std::make_shared<spdlog::logger>("bench", std::make_shared<spdlog::sinks::null_sink_mt>()));
    const QByteArray bytes = library();
    QByteArray written;

    const double bare
        = best([&] { written = QJsonDocument::fromJson(bytes).toJson(QJsonDocument::Compact); });

    const double model = best([&] {
        QObject owner;
        QJsonArray classrooms;
        for (const QJsonValue& value : QJsonDocument::fromJson(bytes).array()) {
            ClassroomLayoutModel* classroom = ClassroomLayoutModel::fromJson(value.toObject(), &owner);
            classroom->decodeAudioSources();
            classrooms.append(classroom->toJson());
        }
        written = QJsonDocument(classrooms).toJson(QJsonDocument::Compact);
    });

    std::printf("library: %d classrooms x %d team blocks x %d icons, %.1f MB\n", classroomCount,
        teamBlocksPerClassroom, iconsPerTeamBlock, bytes.size() / 1e6);
    std::printf("bare parse + serialise:  %8.3f ms per classroom\n", bare / classroomCount);
    std::printf("model read + write:      %8.3f ms per classroom\n", model / classroomCount);
    std::printf("ratio model / bare:      %8.2f (goal <= 3)\n", model / bare);
    const QJsonObject result { { "classrooms", classroomCount }, { "teamBlocks", teamBlocksPerClassroom },
        { "icons", iconsPerTeamBlock }, { "megabytes", bytes.size() / 1e6 },
        { "bareMsPerClassroom", bare / classroomCount }, { "modelMsPerClassroom", model / classroomCount } };
    std::printf("RESULT %s\n", QJsonDocument(result).toJson(QJsonDocument::Compact).constData());
    return 0;
}
