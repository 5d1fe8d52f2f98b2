#include "reminders/AddressFields.h"

const QList<AddressField> &addressFields()
{
    static const QList<AddressField> fields{
        {QStringLiteral("Firstname"), QStringLiteral("txtFirstName"), 20},
        {QStringLiteral("Lastname"), QStringLiteral("txtLastName"), 40},
        {QStringLiteral("Homephone"), QStringLiteral("txtHomePhone"), 15},
        {QStringLiteral("Address"), QStringLiteral("txtAddress1"), 100},
        {QStringLiteral("Address2"), QStringLiteral("txtAddress2"), 100},
        {QStringLiteral("City"), QStringLiteral("txtCity"), 50},
        {QStringLiteral("State"), QStringLiteral("txtState"), 50},
        {QStringLiteral("Country"), QStringLiteral("txtCountry"), 30},
        {QStringLiteral("Zip"), QStringLiteral("txtA_Zip"), 20},
        {QStringLiteral("BusinessPhone"), QStringLiteral("txtBusinessPhone"), 15},
        {QStringLiteral("ExtBusinessPhone"), QStringLiteral("txtBusinessExt"), 10},
        {QStringLiteral("FAX"), QStringLiteral("txtFAX"), 15},
        {QStringLiteral("email"), QStringLiteral("txtEmailA"), 50},
        {QStringLiteral("Website"), QStringLiteral("txtWebsiteA"), 50},
        {QStringLiteral("BusinessName"), QStringLiteral("txtBusinessName"), 50},
        {QStringLiteral("Birthday"), QStringLiteral("txtBirthday"), 10},
        {QStringLiteral("Anniversary"), QStringLiteral("txtAnniversary"), 10},
        {QStringLiteral("Comments"), QStringLiteral("txtComments"), 200},
    };
    return fields;
}

int lastNameIndex()
{
    return 1;
}
