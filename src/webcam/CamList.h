#pragma once

#include <QList>
#include <QString>

#include <functional>

class cInifile;

// The cams of the favourites file as the cam tree holds them: one node per section, keyed by
// the address, so a second cam with the same address is not listed.
namespace CamList {

inline const QString kNodePrefix = QStringLiteral("WEBNODE ");
inline const QString kAddCamKey = QStringLiteral("AddCam");
inline const QString kCamsKey = QStringLiteral("Cams");
inline const QString kAddCamMarker = QStringLiteral("AddCam_____");
inline const QString kCamsMarker = QStringLiteral("WebCamLST_____");

struct Node
{
    QString key;
    QString text;
};

inline bool isCamKey(const QString &key)
{
    return key.contains(kNodePrefix);
}
inline QString addressOf(const QString &key)
{
    return QString(key).remove(kNodePrefix);
}

// In file order; the first cam of each address only.
QList<Node> readNodes(cInifile &favorites);

// A whole number from 1 to 3600, written in plain digits.
bool validRate(const QString &text);

// A cam's refresh in seconds: its rate when that is a whole number from 1 up; for "x", 60 when
// forced and 0 (no refresh) otherwise; 60 for anything else a hand-edited file may hold.
int refreshSeconds(const QString &rate, bool forceNull60Sec);

struct Edit
{
    bool modifyMode = false;
    QString oldTitle;
    QString title, address, rateText;
    bool rateTicked = true;
};
enum class Applied { BadRate, AddressTooLong, Declined, Written };
// The cam dialog's "Apply": checks the rate and the address (the file keeps at most 254
// characters of a value, so a longer address would come back cut), asks before a rename
// replaces another cam (askReplace answers true for Yes), then writes.
Applied apply(cInifile &favorites, const Edit &edit, const std::function<bool()> &askReplace);

} // namespace CamList
