#include "common/RegularFile.h"

#include <QFile>

#include <sys/stat.h>

bool isNonRegularFile(const QString &path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return !S_ISREG(info.st_mode);
}
