#pragma once

#include <QList>
#include <QString>

class QFrame;
struct Services;

// The sub-panels of the dashboard: picture panels over the main area that their owning
// panels fill, show and hide. The load sequence places them (twips from the client origin).
struct SubPanelPlace
{
    QString name;
    int left, top;     // placed by the load sequence
    int width, height; // a size for the empty frame until its owner sizes it
};

const QList<SubPanelPlace> &subPanelPlaces();

// The missed-days warning's "Close": hides the panel on a release inside its 89 by 26 area.
void buildWarningClose(QFrame *warning, Services &services);
void onCmdWarningCloseReleased(QFrame *warning, int x, int y);

// Drag data naming a dashboard control by its object name; a drop moves that control.
inline constexpr char kControlMimeType[] = "application/x-orvane-control";
