#pragma once

struct ViewerPrefs;
struct WebcamWidgets;
class QWidget;

// Which commands the webcam window offers. While a download runs only "Stop" is on the toolbar
// (and, with "LockLists", neither list takes input); otherwise the cam commands follow the
// selected node: offered for a cam, not for "Add a Cam" or "Webcams". The View entries tick the
// view mode.
class CommandStates
{
public:
    CommandStates(const WebcamWidgets &widgets, const ViewerPrefs &prefs, QWidget *window);

    void setLocked(bool locked);
    bool locked() const { return m_locked; }
    // The cam commands take the selected node's state, unless a download holds them.
    void followSelection();
    // Checkable entries tick themselves when chosen; only the current mode's stays ticked.
    void showViewMode(int mode);

private:
    // Only what changed, unless forced (the buttons were set wholesale meanwhile).
    void setCamCommands(bool on, bool force = false);

    const WebcamWidgets &m_w;
    const ViewerPrefs &m_prefs;
    QWidget *m_window;
    bool m_locked = false;
    bool m_camCommands = true;
};
