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

TEST_F(AccessibleNames, EveryVisiblePressableControlOnEveryPanelHasANameAndPicturesATip)
{
    Dashboard &d = loaded();
    d.show();
    QSet<const QAbstractButton *> checked;
    QStringList unnamed, untold;
    const auto walk = [&] {
        for (const QAbstractButton *button : d.findChildren<QAbstractButton *>()) {
            if (!button->isVisible() || checked.contains(button))
                continue;
            checked.insert(button);
            QAccessibleInterface *face
                = QAccessible::queryAccessibleInterface(const_cast<QAbstractButton *>(button));
            const QString name = face ? face->text(QAccessible::Name).trimmed() : QString();
            if (name.isEmpty())
                unnamed << button->objectName() + " in " + button->parentWidget()->objectName();
            // A picture without a caption tells a sighted newcomer only through its tooltip,
            // which says what a screen reader says.
            if (button->text().isEmpty() && button->toolTip() != name)
                untold << button->objectName() + " (" + button->toolTip() + " / " + name + ")";
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
    EXPECT_TRUE(untold.isEmpty()) << untold.join(", ").toStdString();
    EXPECT_GT(checked.size(), 50); // the walk reached the panels
}

} // namespace
