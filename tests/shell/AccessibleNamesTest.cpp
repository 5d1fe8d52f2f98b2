// A person using a screen reader can tell every pressable control apart, on the dashboard and
// on each panel that opens over it.
#include "shell/SubPanels.h"
#include "support/DashboardFixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFrame>
#include <QSet>

#include <cstdio>

namespace {

class AccessibleNames : public DashboardFixture
{
};

TEST_F(AccessibleNames, EveryVisiblePressableControlOnEveryPanelHasAName)
{
    Dashboard &d = loaded();
    d.show();
    QSet<const QAbstractButton *> checked;
    QStringList unnamed;
    const auto walk = [&] {
        for (const QAbstractButton *button : d.findChildren<QAbstractButton *>()) {
            if (!button->isVisible() || checked.contains(button))
                continue;
            checked.insert(button);
            QAccessibleInterface *face
                = QAccessible::queryAccessibleInterface(const_cast<QAbstractButton *>(button));
            if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << button->objectName() + " in " + button->parentWidget()->objectName();
        }
    };
    walk();
    for (const SubPanelPlace &place : subPanelPlaces()) {
        QFrame *panel = d.subPanel(place.name);
        panel->show();
        walk();
        panel->hide();
    }
    std::printf("checked %lld pressable controls\n", static_cast<long long>(checked.size()));
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
    EXPECT_GT(checked.size(), 50); // the walk reached the panels
}

} // namespace
