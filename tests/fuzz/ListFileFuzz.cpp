// Any bytes as a list file: reading never fails, and what is read is written and read back
// unchanged, byte for byte from the first rewrite on. Then any entries (as the add-music
// window makes them, one line each) written and read back unchanged.
#include "FuzzCheck.h"
#include "music/MusicListFile.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    MusicListFile::EightBit eightBit;
    const QStringList entries = MusicListFile::parse(file, &eightBit);
    const QByteArray written = MusicListFile::serialize(entries, eightBit);
    MusicListFile::EightBit again;
    check(MusicListFile::parse(written, &again) == entries);
    check(MusicListFile::serialize(entries, again) == written);

    FuzzedDataProvider input(data, size);
    QStringList names;
    while (input.remaining_bytes() > 0) {
        QString name = QString::fromUtf8(input.ConsumeRandomLengthString(64));
        name.remove(u'\r').remove(u'\n'); // the format holds one path per line
        names << name;
    }
    check(MusicListFile::parse(MusicListFile::serialize(names)) == names);
    return 0;
}
