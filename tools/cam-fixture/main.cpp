// Serves changing cam pictures on 127.0.0.1 for trying the webcam window offline:
//   cam-fixture [PORT] [--favourites FILE]
// (port 8088 by default). --favourites writes a list of cams for the webcam window that
// points at this server's cams and hostile answers, then serves as usual.
// Each cam is a JPEG with a clock drawn into it, new every second, with its Last-Modified
// date. Under /hostile/ the server misbehaves on purpose (see the list printed at start).
#include "CamServer.h"

#include <QBuffer>
#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QSaveFile>
#include <QTimer>
#include <cstdio>

namespace {

struct Scene
{
    const char *path;
    const char *title;
    QSize size;
    QColor sky, ground;
    int refresh; // the cam's refresh in the favourites, 0 for none
};

const Scene kScenes[] = {
    {"/cams/harbour.jpg", "Harbour Lighthouse", {320, 240}, {70, 120, 190}, {30, 60, 110}, 60},
    {"/cams/mountain.jpg", "Mountain Pass", {640, 480}, {150, 190, 230}, {90, 110, 80}, 30},
    {"/cams/terrace.jpg", "Caf\u00e9 Terrace", {352, 288}, {240, 180, 110}, {120, 80, 60}, 0},
    {"/cams/square.jpg", "City Square", {480, 360}, {110, 120, 140}, {70, 70, 75}, 10},
};

const char *const kHostile[] = {"missing", "error",    "locked", "empty", "nolength",
                                "broken",  "noresume", "silent", "stall", "garbage"};

// The webcam window's list of cams (Windows code page, CR LF) for this server's cams.
bool writeFavourites(const QString &file, quint16 port)
{
    QByteArray text;
    const auto cam = [&](const QString &title, const QString &path, int refresh) {
        text += "[" + title.toLatin1() + "]\r\nAddress=http://127.0.0.1:" + QByteArray::number(port)
            + path.toLatin1() + "\r\nUpdateInterval="
            + (refresh > 0 ? QByteArray::number(refresh) : QByteArray("x")) + "\r\n\r\n";
    };
    for (const Scene &scene : kScenes)
        cam(QString::fromUtf8(scene.title), QString::fromLatin1(scene.path), scene.refresh);
    for (const char *name : kHostile)
        cam(QStringLiteral("Hostile: ") + QLatin1String(name),
            QStringLiteral("/hostile/%1.jpg").arg(QLatin1String(name)), 0);
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(text) == text.size() && out.commit();
}

QByteArray httpDate(const QDateTime &at)
{
    return QLocale::c()
        .toString(at.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"))
        .toLatin1();
}

QByteArray picture(const Scene &scene, const QDateTime &now)
{
    QImage image(scene.size, QImage::Format_RGB32);
    QPainter p(&image);
    const int horizon = scene.size.height() * 2 / 3;
    p.fillRect(0, 0, scene.size.width(), horizon, scene.sky);
    p.fillRect(0, horizon, scene.size.width(), scene.size.height() - horizon, scene.ground);
    // The second hand sweeps so that every picture differs visibly from the one before.
    const QPoint centre(scene.size.width() / 2, horizon / 2);
    const int radius = horizon / 3;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 3));
    p.drawEllipse(centre, radius, radius);
    p.translate(centre);
    p.rotate(now.time().second() * 6.0);
    p.drawLine(0, 0, 0, -radius + 4);
    p.resetTransform();
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(std::max(12, scene.size.height() / 14));
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, horizon + 4, scene.size.width(), scene.size.height() - horizon - 4),
               Qt::AlignHCenter | Qt::AlignTop,
               QString::fromUtf8(scene.title) + QLatin1Char('\n')
                   + now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    p.end();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 85);
    return jpeg;
}

void hostile(CamServer &server, const QByteArray &sample)
{
    using B = CamServer::Behaviour;
    const auto add = [&](const char *path, B behaviour, QByteArray status = {}) {
        CamServer::Cam cam = CamServer::Cam::ofBytes(sample);
        cam.behaviour = behaviour;
        cam.breakAt = sample.size() / 2;
        if (!status.isEmpty())
            cam.status = status;
        server.setCam(QString::fromLatin1(path), cam);
        std::printf("  http://127.0.0.1:%u%s\n", unsigned(server.serverPort()), path);
    };
    add("/hostile/missing.jpg", B::Status, "404 Not Found");
    add("/hostile/error.jpg", B::Status, "500 Internal Server Error");
    add("/hostile/locked.jpg", B::Status, "401 Unauthorized");
    add("/hostile/empty.jpg", B::Status, "204 No Content");
    add("/hostile/nolength.jpg", B::NoLength);
    add("/hostile/broken.jpg", B::BreakFirst);
    add("/hostile/noresume.jpg", B::FailResume);
    add("/hostile/silent.jpg", B::Silent);
    add("/hostile/stall.jpg", B::StallAfterHeaders);
    add("/hostile/garbage.jpg", B::Garbage);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // it draws, it shows nothing
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString favourites;
    const qsizetype option = args.indexOf(QStringLiteral("--favourites"));
    if (option >= 0) {
        favourites = args.value(option + 1);
        args.remove(option, std::min<qsizetype>(2, args.size() - option));
        if (favourites.isEmpty()) {
            std::fprintf(stderr, "--favourites needs a file name\n");
            return 2;
        }
    }
    const quint16 port = args.isEmpty() ? 8088 : args.first().toUShort();
    CamServer server;
    if (!server.start(port)) {
        std::fprintf(stderr, "cannot listen on 127.0.0.1:%u\n", unsigned(port));
        return 1;
    }
    const auto redraw = [&server] {
        const QDateTime now = QDateTime::currentDateTime();
        for (const Scene &scene : kScenes) {
            const QString path = QString::fromLatin1(scene.path);
            CamServer::Cam cam = CamServer::Cam::ofBytes(picture(scene, now), httpDate(now));
            server.setCam(path, cam);
        }
    };
    redraw();
    if (!favourites.isEmpty()) {
        if (!writeFavourites(favourites, server.serverPort())) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(favourites));
            return 1;
        }
        std::printf("Wrote the cams to %s\n", qPrintable(favourites));
    }
    std::printf("Cams on http://127.0.0.1:%u/cams/{harbour,mountain,terrace,square}.jpg\n"
                "Hostile answers:\n",
                unsigned(port));
    hostile(server, server.cam(QStringLiteral("/cams/harbour.jpg"))->bytes(0, 1 << 20));
    std::fflush(stdout);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &app, redraw);
    timer.start(1000);
    return app.exec();
}
