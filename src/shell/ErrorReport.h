#pragma once

#include <QString>

#include <exception>

class Prompter;

// Failures that reach the program entry or the day's change: "description (number)",
// critical icon, titled with the application title followed by " Error".
void reportError(Prompter &prompter, const QString &description, int number);
// An OrvaneError with its own number; anything else as an internal error.
void reportError(Prompter &prompter, const std::exception &error);
