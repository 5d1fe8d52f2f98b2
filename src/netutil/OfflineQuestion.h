#pragma once

#include <QString>

class Prompter;
class TipPanel;

// When the dashboard says it is not connected, asks whether to go on anyway ("If you cannot
// <get what> or if the application shuts down ..."); the tip panel goes whatever the answer.
// True when connected or answered Yes.
bool goOnWhenOffline(bool connected, Prompter &prompter, TipPanel &tips, const QString &getWhat);
