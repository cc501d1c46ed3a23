#include "FuzzEnvironment.h"
#include "SnapshotFetcher.h"

#include <QGuiApplication>
#include <cstdlib>
#include <spdlog/spdlog.h>

// A snapshot is whatever a device on the classroom network sends as one: any bytes must decode
// to nothing or to a picture no larger than the limits allow.

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    makePrivateHome();
    static int qtArgc = 1;
    static QGuiApplication app(qtArgc, qtArguments((*argv)[0]));
    spdlog::set_level(spdlog::level::off);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    for (const QSize& shown : { QSize(), QSize(320, 180) }) {
        QString refusal;
        const QImage image = SnapshotFetcher::decode(bytes, shown, &refusal);
        const int side
            = shown.isValid() ? std::max(shown.width(), shown.height()) : SnapshotFetcher::longestSide;
        if (image.isNull() == refusal.isEmpty() || image.width() > side || image.height() > side)
            std::abort();
    }
    return 0;
}
