// Build tool: makes one empty record database from its section of schema.sql.
//   orvane_mkdb SCHEMA.sql OUT.mdb NAME
// Runs the statements between "-- database: NAME" and the next such line.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SCHEMA.sql OUT.mdb NAME\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const std::string marker = "-- database:";
    std::string line, section, sql;
    while (std::getline(in, line)) {
        if (line.rfind(marker, 0) == 0) {
            section = line.substr(marker.size());
            section.erase(0, section.find_first_not_of(' '));
            section.erase(section.find_last_not_of(" \r") + 1);
            continue;
        }
        if (section == argv[3])
            sql += line + "\n";
    }
    if (sql.find("CREATE") == std::string::npos) {
        std::fprintf(stderr, "no section %s in %s\n", argv[3], argv[1]);
        return 1;
    }
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(argv[2], &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        std::fprintf(stderr, "cannot create %s\n", argv[2]);
        sqlite3_close(db);
        return 1;
    }
    char *err = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK)
        std::fprintf(stderr, "%s: %s\n", argv[2], err ? err : "error");
    sqlite3_free(err);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        std::remove(argv[2]);
    return rc == SQLITE_OK ? 0 : 1;
}
