#pragma once

#include <QString>

class Prompter;
class TipPanel;

// The one "Internet Connection?" question of the dashboard, shared by every online feature. When
// the dashboard says it is not connected it asks whether to go on anyway ("If you cannot <get
// what> or if the application shuts down ..."); the tip panel goes whatever the answer. Only one
// such question is ever open: a refresh or a scheduled check that comes while it is (the box
// runs its own event loop) is skipped, never queued behind it.
class OfflineQuestion
{
public:
    OfflineQuestion(Prompter &prompter, TipPanel &tips);

    // True when connected or answered Yes; false when answered No or while the question is open.
    bool goOn(bool connected, const QString &getWhat);
    bool open() const { return m_open; }

private:
    Prompter &m_prompter;
    TipPanel &m_tips;
    bool m_open = false;
};
