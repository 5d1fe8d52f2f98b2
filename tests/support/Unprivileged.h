#pragma once

// Permissions do not bind root, and the tests may run as root. A test about a file the user
// may not read or write starts with
//     if (rerunAsNobody()) return;
// As root, that runs the same test again in a child process as the user "nobody" and checks
// that it passed there; otherwise (and in that child) the test goes on in this process.
bool rerunAsNobody();
