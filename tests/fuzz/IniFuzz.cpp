// Any bytes as an INI file, then edits the input chooses: an untouched document is written
// back byte for byte, and after every edit, and after writing and reading back, each value
// set is the value read and each key removed is gone.
#include "FuzzCheck.h"
#include "common/IniFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QHash>

namespace {

// Names as the program spells them: no characters the format reserves ("[]=;#", line breaks),
// from a small alphabet so that edits meet each other and the file's own names, with letter
// case and a non-ASCII letter to exercise the case-blind lookups.
QString name(FuzzedDataProvider &input)
{
    static const QString alphabet = QStringLiteral("aAbB \u00e9\u00c9_1");
    QString out;
    const std::string picks = input.ConsumeRandomLengthString(6);
    for (unsigned char c : picks)
        out += alphabet[c % alphabet.size()];
    return out;
}

QString fold(const QString &text)
{
    return text.trimmed().toCaseFolded();
}

struct Key
{
    QString section, key;
    bool operator==(const Key &other) const = default;
};

size_t qHash(const Key &k, size_t seed = 0)
{
    return qHashMulti(seed, k.section, k.key);
}

// What the edits promise: a value (set) or nothing (removed).
using Expected = QHash<Key, std::optional<QString>>;

void verify(const IniFile &ini, const Expected &expected)
{
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const Key &k = it.key();
        if (it.value())
            check(ini.value(k.section, k.key, QStringLiteral("\x01missing")) == *it.value());
        else
            check(!ini.contains(k.section, k.key));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string fileBytes = input.ConsumeRandomLengthString(4096);
    const QByteArray file(fileBytes.data(), qsizetype(fileBytes.size()));

    IniFile ini;
    ini.parse(file);
    check(ini.serialize() == file);

    Expected expected;
    while (input.remaining_bytes() > 0) {
        const QString section = name(input);
        const QString key = name(input);
        const Key k{fold(section), fold(key)};
        switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0:
        case 1: {
            if (k.key.isEmpty())
                break;
            const QString value = QString::fromUtf8(input.ConsumeRandomLengthString(32));
            ini.setValue(section, key, value);
            QString stored = value;
            expected[k] = stored.replace(u'\r', u' ').replace(u'\n', u' ').trimmed();
            break;
        }
        case 2:
            ini.removeKey(section, key);
            expected[k] = std::nullopt;
            break;
        case 3:
            ini.removeSection(section);
            for (auto it = expected.begin(); it != expected.end(); ++it) {
                if (it.key().section == k.section)
                    it.value() = std::nullopt;
            }
            break;
        }
        verify(ini, expected);
    }

    const QByteArray written = ini.serialize();
    IniFile back;
    back.parse(written);
    verify(back, expected);
    check(back.serialize() == written);
    return 0;
}
