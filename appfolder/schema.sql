-- The three record databases. Each "-- database:" line starts the statements of one file;
-- the build makes <name>.mdb from its section. Rows keep insertion order (rowid).

-- database: Events
CREATE TABLE Events (
    Title      TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    Type       TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    Msg        TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    Date       TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    NotifyDate TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
-- One index per queried field, so each lookup stays quick on a large store.
CREATE INDEX EventsNotifyDate ON Events (NotifyDate);
CREATE INDEX EventsDate ON Events (Date);
CREATE INDEX EventsType ON Events (Type);
CREATE INDEX EventsTitle ON Events (Title);

-- database: Bills
CREATE TABLE Bills (
    Payee   TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    Amount  TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    DueDate TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    NDate   TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    EM      INTEGER
);
CREATE INDEX BillsNDate ON Bills (NDate);
CREATE INDEX BillsDueDate ON Bills (DueDate);
CREATE INDEX BillsPayee ON Bills (Payee);

-- database: Address
CREATE TABLE AddressBook (
    Firstname        TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    Lastname         TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    Homephone        TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    Address          TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    Address2         TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    City             TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    State            TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    Country          TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    Zip              TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    BusinessPhone    TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    ExtBusinessPhone TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    FAX              TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    email            TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    Website          TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    BusinessName     TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    Birthday         TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    Anniversary      TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    Comments         TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
-- Serves the exact last-name lookup and, through LIKE, the last-name prefix search.
CREATE INDEX AddressBookLastname ON AddressBook (Lastname);
