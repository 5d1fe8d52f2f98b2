#pragma once

#include <QString>

class Prompter;

// Failures that reach the program entry: "description (number)", critical icon, titled with
// the application title followed by " Error".
void reportError(Prompter &prompter, const QString &description, int number);
