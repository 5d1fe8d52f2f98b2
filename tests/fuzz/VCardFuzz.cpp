// Any bytes as a vCard file: reading never fails or hangs, every contact read fits the address
// book's fields and has a last name, and writing what was read loses no card. A file the
// program wrote reads back unchanged (the first rewrite may still settle odd input, such as a
// cut phone number that now ends like an extension).
#include "FuzzCheck.h"
#include "reminders/VCard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const std::optional<VCard::Cards> cards = VCard::parse(file, &error);
    if (!cards) {
        check(!error.isEmpty());
        return 0;
    }
    for (const Contact &contact : cards->contacts) {
        check(contact.size() == addressFields().size());
        check(!contact[lastNameIndex()].isEmpty());
        for (qsizetype f = 0; f < contact.size(); ++f)
            check(contact[f].size() <= addressFields()[f].limit);
    }
    if (cards->contacts.isEmpty())
        return 0;
    const std::optional<VCard::Cards> ours
        = VCard::parse(VCard::serialize(cards->contacts), &error);
    check(ours && ours->contacts.size() == cards->contacts.size());
    const std::optional<VCard::Cards> again
        = VCard::parse(VCard::serialize(ours->contacts), &error);
    check(again && again->contacts == ours->contacts);
    return 0;
}
