// Draws the picture sets of the picture buttons into appfolder/resources/pictures/<set>/,
// and on request a contact sheet of them all (not installed, not run by the build).
//   orvane_make_pictures FOLDER [--sheet FILE.png] [--weather-sheet FILE.png]
//   orvane_make_pictures --icons FOLDER   (the program's icon set, desktop/icons)
#include "AlarmPictures.h"
#include "AppIcons.h"
#include "ContactSheet.h"
#include "MailPictures.h"
#include "MusicGlyphs.h"
#include "WeatherPictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

namespace {

bool writeSet(const QString &folder, const QList<NamedPicture> &pictures)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folder));
        return false;
    }
    // Old pictures would shift the numbering of the new ones.
    for (const QString &old : dir.entryList({QStringLiteral("*.png")}, QDir::Files))
        dir.remove(old);
    for (const NamedPicture &picture : pictures) {
        // Straight alpha keeps the PNGs small and identical from run to run.
        const QImage image = picture.image.convertToFormat(QImage::Format_ARGB32);
        if (!image.save(dir.filePath(picture.name), "PNG", 0)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(dir.filePath(picture.name)));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    auto option = [&args](const char *name) {
        QString value;
        const qsizetype at = args.indexOf(QString::fromLatin1(name));
        if (at >= 0 && at + 1 < args.size()) {
            value = args.at(at + 1);
            args.remove(at, 2);
        }
        return value;
    };
    const QString iconFolder = option("--icons");
    if (!iconFolder.isEmpty())
        return writeAppIcons(iconFolder) ? 0 : 1;
    const QString sheetFile = option("--sheet");
    const QString weatherSheetFile = option("--weather-sheet");
    if (args.size() != 1 || args.first().startsWith(u'-')) {
        std::fprintf(stderr,
                     "usage: orvane_make_pictures FOLDER [--sheet FILE.png] "
                     "[--weather-sheet FILE.png]\n");
        return 2;
    }
    const QDir out(args.first());
    const QList<SheetSet> sets{
        {QStringLiteral("music/ (29 x 18: lit, normal, pressed)"), musicPictures(), 9, 3},
        {QStringLiteral("alarm/ (32 x 32)"), alarmPictures(), 2, 0},
        {QStringLiteral("alarmactive/ (102 x 46)"), alarmActivePictures(), 2, 0}};
    const QStringList folders{QStringLiteral("music"), QStringLiteral("alarm"),
                              QStringLiteral("alarmactive")};
    for (int i = 0; i < sets.size(); ++i) {
        if (!writeSet(out.filePath(folders.at(i)), sets.at(i).pictures))
            return 1;
    }
    const QList<SheetSet> weatherSets{
        {QStringLiteral("weather/ (45 x 45: the condition pictures 1 to 16)"), conditionPictures(),
         8, 0},
        {QStringLiteral("moon/ (48 x 48: moon00 new, moon15 full, moon30 new)"), moonPictures(), 8,
         0},
        {QStringLiteral("collecting/ (238 x 58)"), collectingPictures(), 1, 0},
        {QStringLiteral("mail/ (32 x 32: new mail, no mail)"), mailPictures(), 2, 0}};
    const QStringList weatherFolders{QStringLiteral("weather"), QStringLiteral("moon"),
                                     QStringLiteral("collecting"), QStringLiteral("mail")};
    for (int i = 0; i < weatherSets.size(); ++i) {
        if (!writeSet(out.filePath(weatherFolders.at(i)), weatherSets.at(i).pictures))
            return 1;
    }
    const struct
    {
        const QString &file;
        const QList<SheetSet> &sets;
    } sheets[] = {{sheetFile, sets}, {weatherSheetFile, weatherSets}};
    for (const auto &sheet : sheets) {
        if (!sheet.file.isEmpty() && !contactSheet(sheet.sets).save(sheet.file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(sheet.file));
            return 1;
        }
    }
    return 0;
}
