#include "reminders/ExchangeReport.h"

#include <QFile>
#include <QSaveFile>

namespace {

// A message names the first few; the count says how many there were.
constexpr qsizetype kReasonsShown = 3;

} // namespace

QString ExchangeReport::summary() const
{
    if (!ok)
        return error;
    QString text = QStringLiteral("%1 %2 added.").arg(added).arg(what);
    if (!skipped.isEmpty())
        text += QStringLiteral(" %1 left out: %2%3")
                    .arg(skipped.size())
                    .arg(skipped.mid(0, kReasonsShown).join(QStringLiteral("; ")))
                    .arg(skipped.size() > kReasonsShown ? QStringLiteral("; …") : QString());
    for (const QString &note : notes.mid(0, kReasonsShown))
        text += u' ' + note + u'.';
    return text;
}

std::optional<QByteArray> readExchangeFile(const QString &path, qint64 largest, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    if (file.size() > largest) {
        *error = QStringLiteral("%1 is too large to be read in.").arg(path);
        return std::nullopt;
    }
    QByteArray content = file.readAll();
    if (content.trimmed().isEmpty()) {
        *error = QStringLiteral("%1 is empty.").arg(path);
        return std::nullopt;
    }
    return content;
}

bool writeExchangeFile(const QString &path, const QByteArray &content, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit())
        return true;
    *error = QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString());
    return false;
}
